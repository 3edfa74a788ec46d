// The profile manager: choosing a row, creating through the name entry,
// renaming (the progress moves to the new folder, the old one goes),
// deleting after the question (the folder is set aside, the first profile
// becomes current), and the limits of five and one profiles.
#include <gtest/gtest.h>

#include <fstream>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "gui/gui.h"
#include "menus/enter_text.h"
#include "menus/pop_up.h"
#include "menus/profile_changes.h"
#include "menus/profile_manager_dialog.h"
#include "menus_fixture.h"
#include "platform/platform.h"
#include "quest/profile.h"
#include "quest/profile_list.h"

namespace {

class ProfileManager : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        // The OK button saves through the frame, as the game wires it.
        FrameHooks().saveProfiles = [] { return profileManager.saveProfiles(); };
        profileManagerDialog.setup();
        enterText.setup();
        popUp.setup();
    }
    // Profiles with those names, saved; the first is current.
    void MakeProfiles(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            auto p = profileManager.CreateNewProfile(name);
            p->cash = 100 * static_cast<int>(profileManager.profiles.size());
        }
        actProfile = profileManager.profiles.front();
        profileManager.saveProfiles();
    }
    void TearDown() override {
        FrameHooks().saveProfiles = nullptr;
        MenusTest::TearDown();
    }
    std::string Folder(const std::string& name) const { return ProfilesDir() + "/" + ProfileIdOf(name); }
    static std::string ListText() { return FsLoadString(TProfileManager::ListPath()); }
    static void ClickObject(const TEkran& dialog, const std::string& name) {
        auto obj = dialog.gui->GetObject(name);
        ASSERT_TRUE(obj && obj->visible) << name;
        ClickAt(obj->dim.x + obj->dim.w / 2, obj->dim.y + obj->dim.h / 2);
    }
    // Runs the dialog: `button` clicked once it is in, then `then(frame)`
    // inside whatever it opened, then OK.
    void Run(const std::string& button, std::function<void(int)> then = nullptr) {
        Script([button, then](int frame) {
            if (frame == 30 && !button.empty()) ClickObject(profileManagerDialog, button);
            if (then) then(frame);
            if (frame == 150) ClickObject(profileManagerDialog, "OK");
        });
        profileManagerDialog.mainloop(nullptr);
    }
    static void TypeAt(int frame, int from, const std::string& text) {
        const int k = frame - from;
        if (k >= 0 && k < static_cast<int>(text.size())) Type(text[static_cast<size_t>(k)]);
        if (k == static_cast<int>(text.size()) + 2) Press(KEY_ENTER);
    }
    static bool Shown(const std::string& name) {
        auto obj = profileManagerDialog.gui->GetObject(name);
        return obj && obj->visible && obj->active;
    }
};

}  // namespace

TEST_F(ProfileManager, NewAsksForANameAndMakesItCurrentOnDisk) {
    MakeProfiles({"ANN"});
    Run("NEW", [](int frame) { TypeAt(frame, 60, "bob"); });
    ASSERT_EQ(profileManager.profiles.size(), 2u);
    EXPECT_EQ(actProfile->name, "BOB");
    EXPECT_TRUE(Exists(Folder("BOB") + "/profile.dat"));
    EXPECT_NE(ListText().find(ProfileIdOf("BOB")), std::string::npos);
}

TEST_F(ProfileManager, ANameInUseIsRefusedSoNothingIsCreated) {
    MakeProfiles({"ANN"});
    Run("NEW", [](int frame) {
        TypeAt(frame, 60, "ann");  // Enter does nothing: the name is taken
        if (frame == 80) Press(KEY_ESCAPE);
    });
    EXPECT_EQ(profileManager.profiles.size(), 1u);
}

TEST_F(ProfileManager, RenameMovesEveryFileToTheNewFolder) {
    MakeProfiles({"ANN", "BOB"});
    const std::string oldFolder = Folder("ANN");
    // A file the save does not write (a kept copy of a damaged file).
    std::ofstream(oldFolder + "/profile.dat.bad-1") << "kept";
    Run("RENAME", [](int frame) { TypeAt(frame, 60, "E"); });
    EXPECT_EQ(actProfile->name, "ANNE");
    EXPECT_EQ(actProfile->cash, 100);
    const std::string newFolder = Folder("ANNE");
    EXPECT_TRUE(Exists(newFolder + "/profile.dat"));
    EXPECT_TRUE(Exists(newFolder + "/profile.dat.bad-1"));
    EXPECT_FALSE(Exists(oldFolder));
    EXPECT_EQ(ListText().find(ProfileIdOf("ANN") + "\""), std::string::npos);
    // A new start reads the progress from the new folder.
    auto reread = LoadProfile(ProfileIdOf("ANNE"));
    EXPECT_EQ(reread->name, "ANNE");
    EXPECT_EQ(reread->cash, 100);
}

TEST_F(ProfileManager, DeleteAsksFirstThenRemovesTheCurrentProfileAndKeepsItsFiles) {
    MakeProfiles({"ANN", "BOB", "CAT"});
    actProfile = profileManager.profiles[1];  // BOB
    Run("DELETE", [](int frame) {
        if (frame == 60) Press(KEY_ESCAPE);  // no: nothing changes
    });
    EXPECT_EQ(profileManager.profiles.size(), 3u);
    EXPECT_TRUE(Exists(Folder("BOB")));
    Run("DELETE", [](int frame) {
        if (frame == 60) Press(KEY_ENTER);
    });
    ASSERT_EQ(profileManager.profiles.size(), 2u);
    EXPECT_EQ(actProfile->name, "ANN");  // the first one left
    EXPECT_FALSE(Exists(Folder("BOB")));
    EXPECT_EQ(ListText().find(ProfileIdOf("BOB")), std::string::npos);
    EXPECT_TRUE(Exists(Folder("CAT") + "/profile.dat"));
    // Nothing removes a player's progress: the files are kept aside.
    const std::string kept = Folder("BOB") + ".deleted-1";
    ASSERT_TRUE(Exists(kept + "/profile.dat"));
    auto keptProfile = LoadProfile(ProfileIdOf("BOB") + ".deleted-1");
    EXPECT_EQ(keptProfile->name, "BOB");
    EXPECT_EQ(keptProfile->cash, 200);
}

TEST_F(ProfileManager, AKeptFolderNeverComesBackAndItsNameIsFreeAgain) {
    MakeProfiles({"ANN", "BOB"});
    actProfile = profileManager.profiles[1];
    ASSERT_TRUE(DeleteCurrentProfile());
    // A lost list is rebuilt from the folders: the deleted player stays gone.
    ASSERT_TRUE(FsDeleteFile(TProfileManager::ListPath()));
    profileManager.profiles.clear();
    actProfile = nullptr;
    profileManager.loadBasicProfiles();
    profileManager.loadProfiles();
    ASSERT_EQ(profileManager.profiles.size(), 1u);
    EXPECT_EQ(actProfile->name, "ANN");
    // A new player of the same name starts afresh beside the kept folder.
    auto bob = CreateProfileNamed("BOB");
    ASSERT_TRUE(bob);
    EXPECT_EQ(bob->cash, 0);
    EXPECT_EQ(LoadProfile(ProfileIdOf("BOB"))->cash, 0);
    EXPECT_EQ(LoadProfile(ProfileIdOf("BOB") + ".deleted-1")->cash, 200);
    // Deleted again, it is kept beside the first one.
    ASSERT_TRUE(DeleteCurrentProfile());
    EXPECT_FALSE(Exists(Folder("BOB")));
    EXPECT_EQ(LoadProfile(ProfileIdOf("BOB") + ".deleted-1")->cash, 200);
    EXPECT_TRUE(Exists(Folder("BOB") + ".deleted-2/profile.dat"));
    EXPECT_EQ(ListText().find(ProfileIdOf("BOB")), std::string::npos);
}

TEST_F(ProfileManager, TheLastProfileCannotBeDeleted) {
    MakeProfiles({"ANN"});
    Run("");
    EXPECT_FALSE(Shown("DELETE"));
    EXPECT_FALSE(DeleteCurrentProfile());
    EXPECT_EQ(profileManager.profiles.size(), 1u);
    EXPECT_TRUE(Exists(Folder("ANN") + "/profile.dat"));
}

TEST_F(ProfileManager, NewIsHiddenAtFiveProfilesAndBackAfterADelete) {
    MakeProfiles({"A", "B", "C", "D", "E"});
    Run("");
    EXPECT_FALSE(Shown("NEW"));
    EXPECT_TRUE(Shown("DELETE"));
    EXPECT_EQ(CreateProfileNamed("F"), nullptr);
    ASSERT_TRUE(DeleteCurrentProfile());
    Run("");
    EXPECT_TRUE(Shown("NEW"));
}

TEST_F(ProfileManager, AClickOnARowChoosesThatProfile) {
    MakeProfiles({"ANN", "BOB", "CAT"});
    Script([](int frame) {
        if (frame == 30) ClickAt(515, profileManagerDialog.RowTop(2) + 10);
        if (frame == 40) ClickObject(profileManagerDialog, "OK");
    });
    profileManagerDialog.mainloop(nullptr);
    EXPECT_EQ(actProfile->name, "CAT");
    EXPECT_NE(ListText().find("actProfile = 3"), std::string::npos);
}

TEST_F(ProfileManager, AnInterruptedDeletionIsFinishedNextTime) {
    MakeProfiles({"ANN", "BOB"});
    const std::string leftover = Folder("BOB") + ".deleted";
    FsCreateDir(leftover);
    std::ofstream(leftover + "/profile.dat") << "half gone";
    EXPECT_TRUE(DeleteProfileFolder(ProfileIdOf("BOB")));
    EXPECT_FALSE(Exists(leftover));
    EXPECT_FALSE(Exists(Folder("BOB")));
    EXPECT_FALSE(DeleteProfileFolder("../escape"));  // not a profile id
}

// The keyboard alone: the focus starts on OK, Tab round the reading order reaches the rows, Enter
// on a row chooses its profile as a click does, and Escape closes the manager.
TEST_F(ProfileManager, TheKeyboardReachesTheRowsAndEnterChoosesAProfile) {
    MakeProfiles({"ANN", "BOB", "CAT"});
    actProfile = profileManager.profiles[0];
    std::vector<std::string> seen;
    Script([&seen](int frame) {
        // Shown on OK, then round: the three rows come first in reading order.
        const std::vector<int> keys = {KEY_TAB, KEY_TAB, KEY_DOWN, KEY_DOWN, KEY_ENTER};
        const int step = (frame - 30) / 5;
        if (frame >= 30 && (frame - 30) % 5 == 0 && step < static_cast<int>(keys.size())) {
            if (step > 0) seen.push_back(profileManagerDialog.gui->focus->focused());
            Press(keys[static_cast<size_t>(step)]);
        }
        if (frame == 60) Press(KEY_ESCAPE);
    });
    profileManagerDialog.mainloop(nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"OK", "profile_row_0", "profile_row_1", "profile_row_2"}));
    ASSERT_TRUE(actProfile);
    EXPECT_EQ(actProfile->name, "CAT");
}
