// The list of player profiles in userDir + "/Profiles/profiles.dat" (RCM):
// "profiles::actProfile" is the position (from 1) of the current profile,
// "profiles::i" the count and "profiles::profile" + N the N-th profile id.
// Each profile's own data lives in its folder.
//
// TProfileManager is also the profile dialog of the main menu. This file
// holds the list and the list changes of the dialog's buttons; the dialog's
// set-up, drawing, frame update and buttons are added to this class with
// the dialog and defined in their own files.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/screen.h"
#include "quest/profile.h"

class TProfileManager : public TEkran {
public:
    // The dialog's panel picture, slide-in and fonts.
    Image panel;
    std::vector<std::shared_ptr<TProfile>> profiles;  // list-file order
    float showPer = 0, dShowPer = 0;
    std::string txtPlayer;              // name of the first profile (line 1)
    std::string txtPlayers;             // dialog heading (line 9)
    std::string txtAreYouSureToDelete;  // delete question (line 10)
    Font font1, font2;
    int loadedOnce = 0;              // 1 once the list was loaded; saving does nothing before
    std::shared_ptr<TProfile> over;  // the dialog's row under the mouse

    // List files found unreadable whose copy could not be made yet.
    std::vector<std::string> heldFiles;

    // Reads the texts of "txt/#LANG#/profileManager.txt".
    virtual void _setupTexts();
    // Reads the list file and every profile it names.
    virtual void loadBasicProfiles();
    // Makes sure a profile is current (creating the first one on a first run)
    // and reads every profile's saved level.
    virtual void loadProfiles();
    // Saves every profile and the list file; true when everything was written.
    virtual bool saveProfiles();
    // A new profile named txtPlayer, appended.
    virtual std::shared_ptr<TProfile> CreateStartProfile();
    // A new profile with that name, appended and current; null (nothing
    // added) when the name holds no character a profile file can keep.
    virtual std::shared_ptr<TProfile> CreateNewProfile(const std::string& name);

    // The list changes of the dialog's buttons. Deleting removes the current
    // profile from the list (its folder stays) and makes the first one
    // current; renaming changes the current profile's name (its folder moves
    // to the new id at the next save).
    virtual void RemoveActProfile();
    virtual void RenameActProfile(const std::string& name);

    // ProfilesDir() + "/profiles.dat".
    static std::string ListPath();
    // The name without the characters a profile file cannot hold (quotes,
    // braces, control characters).
    static std::string CleanProfileName(const std::string& name);

private:
    // False when the file has no count of profiles (it is then rebuilt).
    bool _readList(const TRCMFile& f);
    // Reads every profile folder (name order, up to MAX_PROFILES).
    void _recoverFromFolders();
    // Deletes what saves killed halfway left in the profile folders.
    void _removeSaveTemporaries();
};

extern TProfileManager profileManager;
