// The profile list file and its changes.
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/rcm.h"
#include "quest/profile_hooks.h"
#include "quest/profile_list.h"
#include "quest_fixture.h"

using ProfileList = ProfileTest;

TEST_F(ProfileList, AFirstRunMakesOneCurrentProfileNamedByTheTextFile) {
    WriteBytes(gameDir + "txt/en/profileManager.txt", "  GARDENER \r\n2\n3\n4\n5\n6\n7\n8\nPLAYERS\nSURE?\n");
    profileManager._setupTexts();
    EXPECT_EQ(profileManager.txtPlayers, "PLAYERS");
    EXPECT_EQ(profileManager.txtAreYouSureToDelete, "SURE?");
    profileManager.loadBasicProfiles();
    profileManager.loadProfiles();
    ASSERT_EQ(profileManager.profiles.size(), 1u);
    ASSERT_EQ(actProfile, profileManager.profiles[0]);
    EXPECT_EQ(actProfile->name, "GARDENER");
    EXPECT_EQ(actProfile->actScreen, 0);
    EXPECT_EQ(actProfile->CanContinue(), 0);
}

TEST_F(ProfileList, WithoutTheTextFileTheFirstProfileStillHasAName) {
    profileManager.loadBasicProfiles();
    profileManager.loadProfiles();
    EXPECT_EQ(actProfile->name, "PLAYER");
}

TEST_F(ProfileList, TheGameTextFileNamesTheFirstPlayer) {
    gameDir = savedGameDir;  // the real game folder
    profileManager._setupTexts();
    EXPECT_FALSE(profileManager.txtPlayer.empty());
    EXPECT_FALSE(profileManager.txtPlayers.empty());
    EXPECT_FALSE(profileManager.txtAreYouSureToDelete.empty());
}

TEST_F(ProfileList, TheListKeepsOrderAndTheCurrentProfile) {
    profileManager.loadedOnce = 1;
    for (const char* name : {"ANN", "BOB", "CID"}) profileManager.CreateNewProfile(name)->cash = name[0];
    actProfile = profileManager.profiles[1];
    ASSERT_TRUE(profileManager.saveProfiles());

    auto f = LoadRCM(TProfileManager::ListPath());
    EXPECT_EQ(f->getInt("profiles::i"), 3);
    EXPECT_EQ(f->getInt("profiles::actProfile"), 2);
    EXPECT_EQ(f->getString("profiles::profile3"), "67-73-68-");

    actProfile = nullptr;
    profileManager.profiles.clear();
    profileManager.loadBasicProfiles();
    ASSERT_EQ(profileManager.profiles.size(), 3u);
    EXPECT_EQ(profileManager.profiles[2]->name, "CID");
    EXPECT_EQ(profileManager.profiles[2]->cash, 'C');
    EXPECT_EQ(actProfile, profileManager.profiles[1]);
}

TEST_F(ProfileList, NothingIsSavedBeforeTheListWasLoaded) {
    profileManager.CreateNewProfile("ANN");
    // Nothing to save yet is no failed save: the player is not told of one.
    EXPECT_TRUE(profileManager.saveProfiles());
    EXPECT_FALSE(Exists(TProfileManager::ListPath()));
    EXPECT_FALSE(Exists(ProfilePath("65-78-78-")));
}

TEST_F(ProfileList, SaveAllGoesThroughTheHook) {
    InstallProfileHooks();
    profileManager.loadedOnce = 1;
    profileManager.CreateNewProfile("ANN");
    SaveAll();
    EXPECT_TRUE(Exists(TProfileManager::ListPath()));
    EXPECT_TRUE(Exists(ProfilePath("65-78-78-/profile.dat")));
}

TEST_F(ProfileList, DeletingKeepsTheFolderAndDropsTheListEntry) {
    profileManager.loadedOnce = 1;
    profileManager.CreateNewProfile("ANN");
    profileManager.CreateNewProfile("BOB");
    ASSERT_TRUE(profileManager.saveProfiles());
    profileManager.RemoveActProfile();
    ASSERT_EQ(profileManager.profiles.size(), 1u);
    EXPECT_EQ(actProfile->name, "ANN");
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_TRUE(Exists(ProfilePath("66-79-66-/profile.dat")));
    auto f = LoadRCM(TProfileManager::ListPath());
    EXPECT_EQ(f->getInt("profiles::i"), 1);
    EXPECT_EQ(f->getString("profiles::profile1"), "65-78-78-");
    EXPECT_EQ(f->getInt("profiles::actProfile"), 1);
}

TEST_F(ProfileList, RenamingWritesANewFolderAtTheNextSave) {
    profileManager.loadedOnce = 1;
    profileManager.CreateNewProfile("ANN");
    ASSERT_TRUE(profileManager.saveProfiles());
    profileManager.RenameActProfile("BOB");
    profileManager.RenameActProfile("");  // an empty answer changes nothing
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_TRUE(Exists(ProfilePath("65-78-78-/profile.dat")));
    EXPECT_EQ(LoadRCM(TProfileManager::ListPath())->getString("profiles::profile1"), "66-79-66-");
    EXPECT_EQ(LoadProfile("66-79-66-")->name, "BOB");
}

TEST_F(ProfileList, NamesLoseWhatTheFileCannotHold) {
    profileManager.loadedOnce = 1;
    auto p = profileManager.CreateNewProfile("A\"B{C}\nD");
    EXPECT_EQ(p->name, "ABCD");
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_EQ(LoadProfile(p->GetMyId())->name, "ABCD");
}

TEST_F(ProfileList, AListedProfileWithoutItsFolderStaysInTheList) {
    WriteBytes(TProfileManager::ListPath(),
               "profiles {\n\tactProfile = 1\n\ti = 1\n\tprofile1 = \"65-78-78-\"\n}\n");
    profileManager.loadBasicProfiles();
    profileManager.loadProfiles();
    ASSERT_EQ(profileManager.profiles.size(), 1u);
    EXPECT_EQ(actProfile->name, "ANN");
    EXPECT_EQ(actProfile->questLevel, nullptr);
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_TRUE(Exists(ProfilePath("65-78-78-/profile.dat")));
}

TEST_F(ProfileList, ReadingTheListAgainReplacesTheCurrentProfile) {
    profileManager.loadedOnce = 1;
    profileManager.CreateNewProfile("ANN");
    ASSERT_TRUE(profileManager.saveProfiles());
    auto before = actProfile;
    profileManager.loadBasicProfiles();
    ASSERT_EQ(profileManager.profiles.size(), 1u);
    EXPECT_NE(actProfile, before);
    EXPECT_EQ(actProfile, profileManager.profiles[0]);

    // A list without a current profile: the first becomes current.
    WriteBytes(TProfileManager::ListPath(),
               "profiles {\n\tactProfile = 0\n\ti = 1\n\tprofile1 = \"65-78-78-\"\n}\n");
    profileManager.loadBasicProfiles();
    profileManager.loadProfiles();
    EXPECT_EQ(actProfile, profileManager.profiles[0]);
}
