// Damaged, truncated and empty profile files: nothing crashes, the old bytes
// are kept beside the file before it is overwritten, and the profile keeps
// its place in the list and its folder.
#include <algorithm>
#include <filesystem>

#include "frame/rcm.h"
#include "match3/level.h"
#include "quest/profile_files.h"
#include "quest/profile_list.h"
#include "quest_fixture.h"

namespace {

const char* const kAnn = "65-78-78-";
const char* const kBob = "66-79-66-";

class ProfileDamage : public ProfileTest {
protected:
    void TearDown() override {
        SetBadCopyLimit(10000);
        ProfileTest::TearDown();
    }

    // Two saved profiles, ANN (current, second) and BOB, each with progress.
    void SaveTwoProfiles() {
        profileManager.profiles.clear();
        profileManager.loadedOnce = 1;
        auto bob = profileManager.CreateNewProfile("BOB");
        bob->cash = 10;
        auto ann = profileManager.CreateNewProfile("ANN");
        ann->cash = 20;
        ann->questLevelId = 1;
        ann->QUEST_LoadActLevel();
        ASSERT_TRUE(profileManager.saveProfiles());
    }

    void Reload() {
        actProfile = nullptr;
        profileManager.profiles.clear();
        profileManager.loadBasicProfiles();
        profileManager.loadProfiles();
    }

    std::string File(const std::string& id, const std::string& name) const {
        return ProfilePath(id + "/" + name);
    }
};

}  // namespace

TEST_F(ProfileDamage, UnreadableProfileFilesAreKeptAndTheProfileKeepsItsPlace) {
    WriteQuestLevel(1);
    const std::vector<std::string> damage = {
        "",                                                          // empty
        "profile {\n\tdata {\n\t\tname = \"ANN\"\n\t\tcash = 20\n",  // truncated
        std::string("\x00\xff\x13garbage\x7f", 11),                  // garbled, no group
        "}}}{",                                                      // braces that do not pair
    };
    for (const std::string& bytes : damage) {
        SaveTwoProfiles();
        WriteBytes(File(kAnn, "profile.dat"), bytes);
        Reload();
        const std::string copy = File(kAnn, "profile.dat.bad-1");
        ASSERT_TRUE(Exists(copy));
        EXPECT_EQ(ReadBytes(copy), bytes);

        ASSERT_EQ(profileManager.profiles.size(), 2u);
        EXPECT_EQ(profileManager.profiles[1], actProfile);
        EXPECT_EQ(actProfile->name, "ANN");  // from its id
        EXPECT_EQ(actProfile->cash, 0);
        EXPECT_NE(actProfile->questLevel, nullptr);  // "level.txt" was fine

        ASSERT_TRUE(profileManager.saveProfiles());
        EXPECT_EQ(ReadBytes(copy), bytes);  // the copy is never overwritten
        auto list = LoadRCM(TProfileManager::ListPath());
        EXPECT_EQ(list->getString("profiles::profile2"), kAnn);
        EXPECT_EQ(list->getInt("profiles::actProfile"), 2);
        EXPECT_EQ(LoadProfile(kBob)->cash, 10);
        std::filesystem::remove(copy);
    }
}

TEST_F(ProfileDamage, EveryDamagedVersionGetsItsOwnCopy) {
    SaveTwoProfiles();
    WriteBytes(File(kAnn, "profile.dat"), "first {");
    Reload();
    profileManager.saveProfiles();
    WriteBytes(File(kAnn, "profile.dat"), "second {");
    Reload();
    Reload();  // read twice, as start-up does: no second copy of the same bytes
    EXPECT_EQ(ReadBytes(File(kAnn, "profile.dat.bad-1")), "first {");
    EXPECT_EQ(ReadBytes(File(kAnn, "profile.dat.bad-2")), "second {");
    EXPECT_FALSE(Exists(File(kAnn, "profile.dat.bad-3")));
}

TEST_F(ProfileDamage, AFileThatCannotBeCopiedIsNotOverwritten) {
    SaveTwoProfiles();
    WriteBytes(File(kAnn, "profile.dat"), "broken {");
    WriteBytes(File(kAnn, "profile.dat.bad-1"), "older copy");
    SetBadCopyLimit(1);  // no free name for a copy
    Reload();
    EXPECT_FALSE(profileManager.saveProfiles());
    EXPECT_EQ(ReadBytes(File(kAnn, "profile.dat")), "broken {");
    EXPECT_EQ(ReadBytes(File(kAnn, "profile.dat.bad-1")), "older copy");
    EXPECT_EQ(LoadProfile(kBob)->cash, 10);  // the others are saved

    SetBadCopyLimit(10000);  // room again: copy first, then save
    EXPECT_TRUE(profileManager.saveProfiles());
    EXPECT_EQ(ReadBytes(File(kAnn, "profile.dat.bad-2")), "broken {");
    EXPECT_EQ(LoadProfile(kAnn)->name, "ANN");
}

TEST_F(ProfileDamage, ADamagedLevelFileIsKeptAndTheLevelComesFromTheQuest) {
    WriteQuestLevel(1);
    SaveTwoProfiles();
    WriteBytes(File(kAnn, "level.txt"), "level { data {");
    Reload();
    EXPECT_EQ(ReadBytes(File(kAnn, "level.txt.bad-1")), "level { data {");
    EXPECT_EQ(actProfile->questLevel, nullptr);
    EXPECT_EQ(actProfile->cash, 20);
    actProfile->actScreen = 2;
    EXPECT_EQ(actProfile->QUEST_Continue(), 2);
    ASSERT_NE(actProfile->questLevel, nullptr);
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_TRUE(LoadLevel(File(kAnn, "level.txt"))->IsPresent());
    EXPECT_EQ(ReadBytes(File(kAnn, "level.txt.bad-1")), "level { data {");
}

TEST_F(ProfileDamage, ADamagedListIsKeptAndRebuiltFromTheFolders) {
    SaveTwoProfiles();
    const std::string bad = "profiles {\n\ti = 2\n\tprofile1 = \"66-79";
    WriteBytes(TProfileManager::ListPath(), bad);
    WriteBytes(ProfilePath("notes/readme.txt"), "not a profile");
    Reload();
    EXPECT_EQ(ReadBytes(TProfileManager::ListPath() + ".bad-1"), bad);
    ASSERT_EQ(profileManager.profiles.size(), 2u);
    std::vector<std::string> names = {profileManager.profiles[0]->name, profileManager.profiles[1]->name};
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ANN", "BOB"}));
    EXPECT_EQ(actProfile, profileManager.profiles[0]);
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_EQ(LoadRCM(TProfileManager::ListPath())->getInt("profiles::i"), 2);
    EXPECT_EQ(ReadBytes(TProfileManager::ListPath() + ".bad-1"), bad);
}

TEST_F(ProfileDamage, AnEmptyListFileIsKeptToo) {
    SaveTwoProfiles();
    WriteBytes(TProfileManager::ListPath(), "");
    Reload();
    EXPECT_TRUE(Exists(TProfileManager::ListPath() + ".bad-1"));
    EXPECT_EQ(profileManager.profiles.size(), 2u);
}

TEST_F(ProfileDamage, IdsThatAreNoProfileFolderAreSkipped) {
    SaveTwoProfiles();
    const std::string list =
        "profiles {\n\tactProfile = 3\n\ti = 4\n\tprofile1 = \"../../escape\"\n"
        "\tprofile2 = \"66-79-66-\"\n\tprofile3 = \"65-78-78-\"\n}\n";
    WriteBytes(TProfileManager::ListPath(), list);
    Reload();
    ASSERT_EQ(profileManager.profiles.size(), 2u);  // profile4 is missing, profile1 unusable
    EXPECT_EQ(actProfile->name, "ANN");
    EXPECT_EQ(ReadBytes(TProfileManager::ListPath() + ".bad-1"), list);
}

TEST_F(ProfileDamage, HugeCountsMakeNoHugeLists) {
    WriteBytes(File(kAnn, "profile.dat"),
               "profile {\n\tlog {\n\t\ti = 2000000000\n\t\tlog1 = 3, 1, 2, 3, 4, 5\n\t}\n"
               "\titems {\n\t\ti = 1e30\n\t}\n\ttutorial {\n\t\ti = -5\n\t}\n}\n");
    WriteBytes(TProfileManager::ListPath(), "profiles {\n\ti = 900000000\n\tactProfile = 1\n}\n");
    Reload();
    ASSERT_EQ(profileManager.profiles.size(), 1u);  // a new first profile
    auto ann = LoadProfile(kAnn);
    EXPECT_LE(ann->levels.size(), 2u);
    EXPECT_EQ(ann->levels[0]->id, 3);
    EXPECT_TRUE(ann->items.empty());
    EXPECT_TRUE(ann->tips.empty());
}
