// A player's progress is never lost: a missing or damaged list, the same
// folder listed twice, a name too long for a folder, ids the catalogues do
// not know, a damaged profile file, a won level, leftovers of a killed save.
#include <algorithm>
#include <filesystem>
#include <set>

#include "frame/rcm.h"
#include "match3/level.h"
#include "quest/land_catalogue.h"
#include "quest/profile_files.h"
#include "quest/profile_list.h"
#include "quest_fixture.h"

namespace {

const char* const kAnnKeep = "65-78-78-";

class ProfileKeep : public ProfileTest {
protected:
    // ANN, current, with progress, saved with its list.
    std::shared_ptr<TProfile> SaveAnn(int cash = 20) {
        profileManager.loadedOnce = 1;
        auto ann = profileManager.CreateNewProfile("ANN");
        ann->cash = cash;
        ann->res[0] = 7;
        EXPECT_TRUE(profileManager.saveProfiles());
        return ann;
    }

    void Reload() {
        actProfile = nullptr;
        profileManager.profiles.clear();
        profileManager.loadBasicProfiles();
        profileManager.loadProfiles();
    }

    int SavedCash(const std::string& id) const {
        return LoadRCM(ProfilePath(id + "/profile.dat"))->getInt("profile::data::cash");
    }

    static int FolderCount(const std::string& dir) {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir)) n += e.is_directory() ? 1 : 0;
        return n;
    }
};

}  // namespace

// The first player of a fresh run has the name of a saved player: without
// the list it must find that player's folder, not save a blank over it.
TEST_F(ProfileKeep, AListMissingOrWithoutItsCountIsRebuiltAndNoFreshProfileOverwritesAFolder) {
    for (const char* list : {"", "profiles {\n\tactProfile = 1\n\tprofile1 = \"65-78-78-\"\n}\n"}) {
        SCOPED_TRACE(*list ? "no count line" : "no list file");
        SaveAnn(20);
        std::filesystem::remove(TProfileManager::ListPath());
        if (*list) WriteBytes(TProfileManager::ListPath(), list);
        profileManager.txtPlayer = "ANN";
        Reload();
        ASSERT_EQ(profileManager.profiles.size(), 1u);
        EXPECT_EQ(actProfile->cash, 20);
        ASSERT_TRUE(profileManager.saveProfiles());
        EXPECT_EQ(SavedCash(kAnnKeep), 20);
        EXPECT_EQ(LoadRCM(TProfileManager::ListPath())->getString("profiles::profile1"), kAnnKeep);
        profileManager.profiles.clear();
    }
}

TEST_F(ProfileKeep, ANewProfileNamedLikeAnOldFolderKeepsThatFolderAside) {
    SaveAnn(20);
    profileManager.RemoveActProfile();
    profileManager.CreateNewProfile("Ann");
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_EQ(SavedCash(kAnnKeep), 0);
    EXPECT_EQ(
        LoadRCM(ProfilePath(std::string(kAnnKeep) + "/profile.dat.old-1"))->getInt("profile::data::cash"),
        20);
    // Its own folder from now on: the next save makes no second copy.
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_FALSE(Exists(ProfilePath(std::string(kAnnKeep) + "/profile.dat.old-2")));
}

TEST_F(ProfileKeep, TheSameFolderListedTwiceIsReadOnce) {
    SaveAnn(20);
    WriteBytes(TProfileManager::ListPath(),
               "profiles {\n\tactProfile = 2\n\ti = 2\n\tprofile1 = \"65-78-78-\"\n"
               "\tprofile2 = \"65-78-78-\"\n}\n");
    Reload();
    ASSERT_EQ(profileManager.profiles.size(), 1u);
    EXPECT_EQ(actProfile, profileManager.profiles[0]);
    actProfile->cash = 99;  // a level won
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_EQ(SavedCash(kAnnKeep), 99);
    EXPECT_EQ(LoadRCM(TProfileManager::ListPath())->getInt("profiles::i"), 1);
}

TEST_F(ProfileKeep, TheListRecordsOnlyFoldersThatHoldTheProfile) {
    auto ann = SaveAnn(20);
    // Files where the new names' folders would go: neither folder can be made.
    WriteBytes(ProfilePath(ProfileIdOf("WILL")), "in the way");
    WriteBytes(ProfilePath(ProfileIdOf("QUINN")), "in the way");
    ann->name = "WILL";
    auto other = profileManager.CreateNewProfile("QUINN");
    actProfile = ann;
    EXPECT_FALSE(profileManager.saveProfiles());
    auto list = LoadRCM(TProfileManager::ListPath());
    EXPECT_EQ(list->getInt("profiles::i"), 1);
    EXPECT_EQ(list->getString("profiles::profile1"), kAnnKeep);
    EXPECT_EQ(list->getInt("profiles::actProfile"), 1);
    Reload();
    ASSERT_EQ(profileManager.profiles.size(), 1u);
    EXPECT_EQ(actProfile->cash, 20);
    (void)other;
}

TEST_F(ProfileKeep, NamesOfAnyLengthAreSavedAndReadBack) {
    auto repeat = [](const std::string& letter, int n) {
        std::string s;
        for (int k = 0; k < n; k++) s += letter;
        return s;
    };
    // 15 letters keep today's id; 86 letters and more, and 52 Cyrillic letters (five bytes a
    // letter), would pass the 255 bytes of a folder name.
    const std::vector<std::string> names = {repeat("W", 15),       repeat("W", 85), repeat("W", 86),
                                            repeat("W", 200),      repeat("Ж", 52), repeat("Ж", 120),
                                            repeat("W", 199) + "Q"};
    EXPECT_EQ(ProfileIdOf(names[0]), repeat("87-", 15));
    EXPECT_EQ(ProfileIdOf(names[1]), repeat("87-", 85));
    profileManager.loadedOnce = 1;
    std::set<std::string> ids;
    for (size_t k = 0; k < names.size(); k++) {
        const std::string id = ProfileIdOf(names[k]);
        EXPECT_LE(id.size(), PROFILE_ID_MAX_BYTES) << names[k];
        EXPECT_TRUE(IsValidProfileId(id)) << id;
        ids.insert(id);
        if (k >= 5) continue;  // the list holds five
        auto profile = profileManager.CreateNewProfile(names[k]);
        profile->cash = static_cast<int>(k) + 10;
    }
    EXPECT_EQ(ids.size(), names.size()) << "two names share a folder";
    EXPECT_TRUE(profileManager.saveProfiles());
    Reload();
    ASSERT_EQ(profileManager.profiles.size(), 5u);
    for (size_t k = 0; k < 5; k++) {
        EXPECT_EQ(profileManager.profiles[k]->name, names[k]);
        EXPECT_EQ(profileManager.profiles[k]->cash, static_cast<int>(k) + 10) << names[k];
    }
}

TEST_F(ProfileKeep, ANameWithQuotesBracesAndEqualsIsSavedAndReadBack) {
    // The name entry refuses these characters; a list or a profile written by hand holds them.
    const std::string name = "O\"NEIL {=}\\";
    profileManager.loadedOnce = 1;
    auto profile = profileManager.CreateNewProfile("ANN");
    profile->name = name;
    profile->cash = 33;
    ASSERT_TRUE(profileManager.saveProfiles());
    Reload();
    ASSERT_EQ(profileManager.profiles.size(), 1u);
    EXPECT_EQ(actProfile->name, name);
    EXPECT_EQ(actProfile->cash, 33);
    EXPECT_EQ(actProfile->GetMyId(), ProfileIdOf(name));
}

TEST_F(ProfileKeep, AListWithADamagedEntryIsCompletedFromTheFolders) {
    SaveAnn(20);
    const char* const damaged[] = {
        "profiles {\n\tactProfile = 1\n\ti = 1\n\tprofile1 = \"../x\"\n}\n",
        "profiles {\n\tactProfile = 1\n\ti = 0\n\tprofile1 = \"65-78-78-\"\n}\n",
        "profiles {\n\tactProfile = 2\n\ti = 2\n\tprofile1 = \"66-79-66-\"\n\tprofile2 = \"\"\n}\n",
    };
    for (const char* list : damaged) {
        WriteBytes(TProfileManager::ListPath(), list);
        Reload();
        ASSERT_FALSE(profileManager.profiles.empty()) << list;
        const auto ann = std::find_if(profileManager.profiles.begin(), profileManager.profiles.end(),
                                      [](const auto& p) { return p->name == "ANN"; });
        ASSERT_NE(ann, profileManager.profiles.end()) << list;
        EXPECT_EQ((*ann)->cash, 20) << list;
        EXPECT_EQ(std::count_if(profileManager.profiles.begin(), profileManager.profiles.end(),
                                [](const auto& p) { return p->name == "ANN"; }),
                  1)
            << list;
    }
}

TEST_F(ProfileKeep, IdsTheCataloguesDoNotKnowSurviveALoadAndASave) {
    WriteBytes(ProfilePath(std::string(kAnnKeep) + "/profile.dat"),
               "profile {\n\tdata {\n\t\tname = \"ANN\"\n\t}\n\n"
               "\titems {\n\t\ti = 3\n\t\titem1 = 1\n\t\titem2 = 90\n\t\titem3 = 19\n\t}\n\n"
               "\tblueprints {\n\t\ti = 2\n\t\tblue1 = 101\n\t\tblue2 = 900\n\t}\n\n"
               "\tunlockedItems {\n\t\ti = 1\n\t\titem1 = 77\n\t}\n\n"
               "\ttutorial {\n\t\ti = 2\n\t\ttip1 = 5\n\t\ttip2 = 55\n\t}\n\n}\n");
    WriteBytes(TProfileManager::ListPath(),
               "profiles {\n\tactProfile = 1\n\ti = 1\n\tprofile1 = \"65-78-78-\"\n}\n");
    Reload();
    EXPECT_EQ(actProfile->items.size(), 2u);  // the lookups still answer for known ids
    EXPECT_EQ(actProfile->CountMultiplier(), 3.0f);
    ASSERT_TRUE(profileManager.saveProfiles());
    auto f = LoadRCM(ProfilePath(std::string(kAnnKeep) + "/profile.dat"));
    EXPECT_EQ(f->getInt("profile::items::i"), 3);
    EXPECT_EQ(f->getInt("profile::items::item3"), 90);
    EXPECT_EQ(f->getInt("profile::blueprints::i"), 2);
    EXPECT_EQ(f->getInt("profile::blueprints::blue2"), 900);
    EXPECT_EQ(f->getInt("profile::unlockedItems::i"), 1);
    EXPECT_EQ(f->getInt("profile::unlockedItems::item1"), 77);
    EXPECT_EQ(f->getInt("profile::tutorial::i"), 2);
    EXPECT_EQ(f->getInt("profile::tutorial::tip2"), 55);

    // With empty catalogues nothing is known and everything is kept.
    landItems.clear();
    Reload();
    EXPECT_TRUE(actProfile->items.empty());
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_EQ(LoadRCM(ProfilePath(std::string(kAnnKeep) + "/profile.dat"))->getInt("profile::items::i"), 3);
}

TEST_F(ProfileKeep, ADamagedProfileFileFallsBackToItsLastGoodCopy) {
    auto ann = SaveAnn(20);
    ann->cash = 30;
    ASSERT_TRUE(profileManager.saveProfiles());
    const std::string path = ProfilePath(std::string(kAnnKeep) + "/profile.dat");
    const std::string bytes = ReadBytes(path);
    WriteBytes(path, bytes.substr(0, bytes.size() - 3));  // three bytes short
    Reload();
    EXPECT_EQ(actProfile->name, "ANN");
    EXPECT_EQ(actProfile->cash, 20);  // the save before the last one
    EXPECT_EQ(actProfile->res[0], 7);
    EXPECT_EQ(ReadBytes(path + ".bad-1"), bytes.substr(0, bytes.size() - 3));
    ASSERT_TRUE(profileManager.saveProfiles());
    // The damaged file never becomes the backup.
    EXPECT_EQ(LoadRCM(path + ".bak")->getInt("profile::data::cash"), 20);
}

TEST_F(ProfileKeep, AWonLevelIsSavedAsTheNextStepOfTheQuest) {
    WriteQuestLevel(1);
    WriteQuestLevel(2);
    auto ann = SaveAnn(0);
    ann->questLevelId = 1;
    ann->QUEST_LoadActLevel();
    ann->actScreen = 2;
    ann->QUEST_LevelWon();
    ASSERT_TRUE(profileManager.saveProfiles());
    auto f = LoadRCM(ProfilePath(std::string(kAnnKeep) + "/profile.dat"));
    EXPECT_EQ(f->getInt("profile::data::level"), 2);
    EXPECT_EQ(f->getInt("profile::data::actScreen"), 6);
    EXPECT_EQ(f->getInt("profile::data::backgroundN"), 1);
    // The quest itself moves on as the screen codes say.
    EXPECT_EQ(ann->questLevelId, 1);
    EXPECT_EQ(ann->QUEST_NextLevel(), 6);
    EXPECT_EQ(ann->questLevelId, 2);

    // After the last level: no quest in progress.
    ann->QUEST_LevelWon();
    ASSERT_TRUE(profileManager.saveProfiles());
    f = LoadRCM(ProfilePath(std::string(kAnnKeep) + "/profile.dat"));
    EXPECT_EQ(f->getInt("profile::data::level"), 3);
    EXPECT_EQ(f->getInt("profile::data::actScreen"), 0);
    // A restart plays the level again and is saved as it is.
    ann->QUEST_RestartLevel();
    ann->actScreen = 2;
    ASSERT_TRUE(profileManager.saveProfiles());
    EXPECT_EQ(LoadRCM(ProfilePath(std::string(kAnnKeep) + "/profile.dat"))->getInt("profile::data::level"),
              2);
}

TEST_F(ProfileKeep, TemporariesOfAKilledSaveAreRemovedAtStart) {
    SaveAnn(20);
    const std::string folder = ProfilePath(kAnnKeep);
    WriteBytes(folder + "/level.txt.tmpAb12Cd", "half");
    WriteBytes(ProfilePath("profiles.dat.tmp0x9ZzQ"), "half");
    WriteBytes(folder + "/notes.tmp", "mine");
    WriteBytes(folder + "/level.txt.tmpAb1", "mine");
    Reload();
    EXPECT_FALSE(Exists(folder + "/level.txt.tmpAb12Cd"));
    EXPECT_FALSE(Exists(ProfilePath("profiles.dat.tmp0x9ZzQ")));
    EXPECT_TRUE(Exists(folder + "/notes.tmp"));
    EXPECT_TRUE(Exists(folder + "/level.txt.tmpAb1"));
    EXPECT_EQ(actProfile->cash, 20);
}

TEST_F(ProfileKeep, TheListIsBoundedAndRefusesEmptyIds) {
    std::string list = "profiles {\n\tactProfile = 1\n\ti = 3000\n\tprofile1 = \"\"\n";
    for (int n = 2; n <= 3000; n++)
        list += "\tprofile" + std::to_string(n) + " = \"" + std::to_string(n) + "-\"\n";
    WriteBytes(TProfileManager::ListPath(), list + "}\n");
    Reload();
    EXPECT_EQ(static_cast<int>(profileManager.profiles.size()), MAX_PROFILES);
    for (const auto& p : profileManager.profiles) EXPECT_FALSE(p->GetMyId().empty());
    profileManager.saveProfiles();
    EXPECT_LE(FolderCount(ProfilesDir()), MAX_PROFILES);

    EXPECT_EQ(profileManager.CreateNewProfile("\"{}\n"), nullptr);
    EXPECT_EQ(static_cast<int>(profileManager.profiles.size()), MAX_PROFILES);
    TProfile nameless;
    EXPECT_EQ(nameless.save(), 0);
    EXPECT_FALSE(Exists(ProfilePath("profile.dat")));
}

TEST_F(ProfileKeep, AnyNameComesBackAsItWasSaved) {
    profileManager.loadedOnce = 1;
    for (const char* name : {"Ã©", "ÿþX", "ZOË", "ÆØÅ ŁÓDŹ", "Ωμέγα 🌱"}) {
        SCOPED_TRACE(name);
        profileManager.profiles.clear();
        profileManager.CreateNewProfile(name);
        ASSERT_TRUE(profileManager.saveProfiles());
        Reload();
        ASSERT_EQ(profileManager.profiles.size(), 1u);
        EXPECT_EQ(actProfile->name, name);
        std::filesystem::remove_all(ProfilesDir());
        std::filesystem::create_directories(ProfilesDir());
    }
}
