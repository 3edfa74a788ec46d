// Reading and writing the profile list, and its changes.
#include "quest/profile_list.h"

#include <algorithm>

#include "frame/globals.h"
#include "frame/names.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "platform/platform.h"
#include "quest/profile_files.h"
#include "quest/profile_lookups.h"

TProfileManager profileManager;

namespace {

// The name a first run gives its profile when the text file lacks one.
const char* const kDefaultPlayer = "PLAYER";

std::string TextLine(const std::shared_ptr<TTxtFile>& file, int n) {
    return n <= file->lines() ? TrimBlanks(TxtLine(file, n)) : std::string();
}

}  // namespace

std::string TProfileManager::ListPath() { return ProfilesDir() + "/profiles.dat"; }

std::string TProfileManager::CleanProfileName(const std::string& name) {
    std::string clean;
    for (char c : name)
        if (static_cast<unsigned char>(c) >= 32 && c != '"' && c != '{' && c != '}' && c != 127) clean += c;
    return clean;
}

void TProfileManager::_setupTexts() {
    auto file = LoadTxtFile(gameDir + "txt/#LANG#/profileManager.txt");
    txtPlayer = CleanProfileName(TextLine(file, 1));
    if (txtPlayer.empty()) txtPlayer = kDefaultPlayer;
    txtPlayers = TextLine(file, 9);
    txtAreYouSureToDelete = TextLine(file, 10);
}

std::string TProfile::ListId() const { return !savedId.empty() ? savedId : loadedId; }

bool TProfileManager::_readList(const TRCMFile& f) {
    if (f.valueCount("profiles::i") == 0) {
        ProfileMessage("The profile list has no count of profiles");
        return false;
    }
    const int k = f.getInt("profiles::actProfile");
    int count = f.getInt("profiles::i");
    const TRCMGroup* group = f.getGroup(SplitRcmPath("profiles::i"));
    count = std::clamp(count, 0, group ? static_cast<int>(group->_listaWpisow.size()) : 0);
    bool damaged = false;
    for (int n = 1; n <= count; n++) {
        const std::string key = "profiles::profile" + std::to_string(n);
        const std::string id = f.getString(key);
        if (f.valueCount(key) == 0 || id.empty() || !IsValidProfileId(id)) {
            // A folder name from the file must not lead anywhere else.
            ProfileMessage("The profile list names no usable profile at " + key + " (\"" + id +
                           "\"); skipped");
            damaged = true;
            continue;
        }
        // Two entries of one folder would save each other's stale copy over it.
        const auto same = [&id](const auto& p) { return p->loadedId == id; };
        if (std::any_of(profiles.begin(), profiles.end(), same)) {
            ProfileMessage("The profile list names " + id + " twice; the second is dropped");
            if (n == k) actProfile = *std::find_if(profiles.begin(), profiles.end(), same);
            continue;
        }
        if (static_cast<int>(profiles.size()) >= MAX_PROFILES) {
            ProfileMessage("The profile list holds more than " + std::to_string(MAX_PROFILES) +
                           " profiles; " + id + " is left out (its folder stays)");
            damaged = true;
            continue;
        }
        auto profile = LoadProfile(id);
        profiles.push_back(profile);
        if (n == k) actProfile = profile;
    }
    // The next save drops what was skipped: keep the list as it was.
    if (damaged) SetAsideUnreadable(heldFiles, ListPath());
    // A list that skipped entries, or names none, may have lost players whose folders are all
    // there: they come back as from a missing list.
    if (damaged || profiles.empty()) _recoverFromFolders();
    return true;
}

void TProfileManager::_recoverFromFolders() {
    for (const std::string& id : FsListDir(ProfilesDir())) {
        if (id.empty() || !IsValidProfileId(id)) continue;
        const auto listed = [&id](const auto& p) { return p->loadedId == id; };
        if (std::any_of(profiles.begin(), profiles.end(), listed)) continue;
        if (FsFileType(ProfilesDir() + "/" + id + "/profile.dat") != 1 &&
            FsFileType(ProfilesDir() + "/" + id + "/profile.dat.bak") != 1)
            continue;
        if (static_cast<int>(profiles.size()) >= MAX_PROFILES) {
            ProfileMessage("Profile " + id + " found in its folder is left out: the list is full");
            continue;
        }
        profiles.push_back(LoadProfile(id));
        ProfileMessage("Profile " + id + " found in its folder");
    }
}

void TProfileManager::_removeSaveTemporaries() {
    FsRemoveSaveTemporaries(ProfilesDir());
    for (const std::string& id : FsListDir(ProfilesDir()))
        if (IsValidProfileId(id) && FsFileType(ProfilesDir() + "/" + id) == 2)
            FsRemoveSaveTemporaries(ProfilesDir() + "/" + id);
}

void TProfileManager::loadBasicProfiles() {
    loadedOnce = 1;
    // No save is under way yet: temporaries are what a killed run left.
    _removeSaveTemporaries();
    SavedFileState state = SavedFileState::Missing;
    auto file = ReadSavedRcm(ListPath(), "profiles", state);
    if (state == SavedFileState::Missing) {
        // Without its list the folders still hold every player's progress.
        if (!profiles.empty()) return;
        _recoverFromFolders();
    } else {
        profiles.clear();
        const bool read = state == SavedFileState::Readable && _readList(*file);
        if (!read) {
            SetAsideUnreadable(heldFiles, ListPath());
            _recoverFromFolders();
        }
    }
    // A current profile of an earlier reading is not in the new list.
    if (std::find(profiles.begin(), profiles.end(), actProfile) == profiles.end()) actProfile = nullptr;
}

void TProfileManager::loadProfiles() {
    if (!actProfile) actProfile = profiles.empty() ? CreateStartProfile() : profiles.front();
    for (const auto& profile : profiles) profile->Load();
}

bool TProfileManager::saveProfiles() {
    if (loadedOnce != 1) return true;  // nothing read, nothing to save yet
    bool ok = true;
    auto f = NewRCM();
    int k = 0;
    int n = 0;
    for (const auto& profile : profiles) {
        if (!profile->save()) ok = false;
        // Only a folder that holds the profile is recorded (a name too long
        // for a folder keeps the folder it was read from).
        const std::string id = profile->ListId();
        if (id.empty()) continue;
        ++n;
        if (profile == actProfile) k = n;
        f->setString("profiles::profile" + std::to_string(n), id);
    }
    f->setFloat("profiles::actProfile", static_cast<float>(k));
    f->setFloat("profiles::i", static_cast<float>(n));

    const std::string path = ListPath();
    if (!MayOverwrite(heldFiles, path)) return false;
    if (FsFileType(ProfilesDir()) == 0) FsCreateDir(ProfilesDir());
    if (!f->save(path)) {
        ProfileMessage("The profile list could not be saved to " + path);
        return false;
    }
    return ok;
}

std::shared_ptr<TProfile> TProfileManager::CreateStartProfile() {
    if (txtPlayer.empty()) _setupTexts();
    auto profile = std::make_shared<TProfile>();
    profile->name = txtPlayer;
    profile->tips = AllTutorialTips();  // a new player has every tip ahead
    profiles.push_back(profile);
    return profile;
}

std::shared_ptr<TProfile> TProfileManager::CreateNewProfile(const std::string& name) {
    const std::string clean = CleanProfileName(name);
    if (clean.empty()) return nullptr;  // the empty id is no folder of its own
    auto profile = std::make_shared<TProfile>();
    profile->name = clean;
    profile->tips = AllTutorialTips();
    profiles.push_back(profile);
    actProfile = profile;
    return profile;
}

void TProfileManager::RemoveActProfile() {
    profiles.erase(std::remove(profiles.begin(), profiles.end(), actProfile), profiles.end());
    actProfile = profiles.empty() ? nullptr : profiles.front();
}

void TProfileManager::RenameActProfile(const std::string& name) {
    const std::string clean = CleanProfileName(name);
    if (actProfile && !clean.empty()) actProfile->name = clean;
}
