// Saving and loading profile folders: round trips, the key spellings and
// the folder a profile lands in.
#include <filesystem>

#include "frame/globals.h"
#include "frame/rcm.h"
#include "match3/level.h"
#include "match3/powerup.h"
#include "quest/land_catalogue.h"
#include "quest/profile_lookups.h"
#include "quest/tutorial_catalogue.h"
#include "quest_fixture.h"

using ProfileFiles = ProfileTest;

namespace {
// A profile with something in every field the file holds.
std::shared_ptr<TProfile> FullProfile() {
    auto p = std::make_shared<TProfile>();
    p->name = "ANN";
    p->questLevelId = 7;
    p->stage = 3;
    p->cash = 123456;
    p->actScreen = 6;
    p->highestLevel = 9;
    p->backGroundN = 5;
    p->actPuzzleLevel = 12;
    p->res[0] = 10;
    p->res[1] = 20;
    p->res[2] = 30;
    p->res[3] = 40;
    for (int id : {19, 2, 5}) p->items.push_back(FindLandItem(id));
    for (int id : {4, 19}) p->unlockedItems.push_back(FindLandItem(id));
    for (int puzzle : {104, 102}) p->bluePrints.push_back(FindLandItemByPuzzle(puzzle));
    p->tips = {FindTutorialTip(5), FindTutorialTip(101)};
    p->questLevelId = 2;
    p->QUEST_UpdateLevelData(1, 2, 3, 4, 55);
    p->questLevelId = 7;
    p->QUEST_UpdateLevelData(7, 6, 5, 4, 3);
    p->ResetPowerUps();
    p->powerUp[0]->collected = 8;
    p->powerUp[0]->researched = 1;
    p->powerUp[0]->unlocked = 1;
    p->powerUp[3]->collected = 2;
    p->powerUp[5]->unlocked = 1;  // unlocked but not researched: loads locked
    return p;
}

std::vector<int> Ids(const LandItemList& list) {
    std::vector<int> ids;
    for (const auto& i : list) ids.push_back(i->id);
    return ids;
}
}  // namespace

TEST_F(ProfileFiles, AFullProfileSurvivesSaveAndLoad) {
    WriteQuestLevel(7);
    auto p = FullProfile();
    p->QUEST_LoadActLevel();
    ASSERT_NE(p->questLevel, nullptr);
    p->questLevel->time = 17;
    p->questLevel->res[1] = 4;
    ASSERT_EQ(p->save(), 1);
    EXPECT_TRUE(Exists(ProfilePath("65-78-78-/profile.dat")));
    EXPECT_TRUE(Exists(ProfilePath("65-78-78-/level.txt")));

    auto q = LoadProfile("65-78-78-");
    EXPECT_EQ(q->name, "ANN");
    EXPECT_EQ(q->questLevelId, 7);
    EXPECT_EQ(q->stage, 3);
    EXPECT_EQ(q->cash, 123456);
    EXPECT_EQ(q->actScreen, 6);
    EXPECT_EQ(q->highestLevel, 9);
    EXPECT_EQ(q->backGroundN, 5);
    EXPECT_EQ(q->actPuzzleLevel, 12);
    for (int i = 0; i < 4; i++) EXPECT_EQ(q->res[i], 10 * (i + 1));
    EXPECT_EQ(Ids(q->items), (std::vector<int>{19, 2, 5}));
    EXPECT_EQ(Ids(q->unlockedItems), (std::vector<int>{4, 19}));
    EXPECT_EQ(Ids(q->bluePrints), (std::vector<int>{4, 2}));
    ASSERT_EQ(q->tips.size(), 2u);
    EXPECT_EQ(q->tips[0], FindTutorialTip(5));  // references into the catalogue
    EXPECT_EQ(q->tips[1]->id, 101);
    ASSERT_EQ(q->levels.size(), 2u);
    EXPECT_EQ(q->levels[0]->id, 2);
    EXPECT_EQ(q->levels[0]->res[2], 3);
    EXPECT_EQ(q->levels[0]->time, 55);
    EXPECT_EQ(q->levels[1]->id, 7);
    EXPECT_EQ(q->levels[1]->res[0], 7);
    EXPECT_EQ(q->powerUp[0]->collected, 8);
    EXPECT_EQ(q->powerUp[0]->unlocked, 1);
    EXPECT_EQ(q->powerUp[3]->collected, 2);
    EXPECT_EQ(q->powerUp[3]->unlocked, 0);
    EXPECT_EQ(q->powerUp[5]->unlocked, 0);
    for (int i = 0; i < POWERUP_SLOTS; i++) EXPECT_EQ(q->powerUp[i]->n, i);

    EXPECT_EQ(q->questLevel, nullptr);  // "level.txt" is read by Load
    EXPECT_EQ(q->Load(), 1);
    ASSERT_NE(q->questLevel, nullptr);
    EXPECT_EQ(q->questLevel->rows, 3);
    EXPECT_EQ(q->questLevel->time, 17);
    EXPECT_EQ(q->questLevel->res[1], 4);
}

TEST_F(ProfileFiles, TheFileUsesTheKeysOfTheFormat) {
    auto p = FullProfile();
    ASSERT_EQ(p->save(), 1);
    auto f = LoadRCM(ProfilePath("65-78-78-/profile.dat"));
    EXPECT_EQ(f->getString("profile::data::name"), "ANN");
    EXPECT_EQ(f->getInt("profile::data::backgroundN"), 5);
    EXPECT_EQ(f->getInt("profile::data::res2"), 30);
    EXPECT_EQ(f->getInt("profile::log::i"), 2);
    EXPECT_EQ(f->getInt("profile::log::log2", 5), 3);
    EXPECT_EQ(f->getInt("profile::powerUps::p1"), 8);
    EXPECT_EQ(f->getInt("profile::powerUps::p1researched"), 1);
    EXPECT_EQ(f->getInt("profile::items::item1"), 19);
    EXPECT_EQ(f->getInt("profile::unlockedItems::i"), 2);
    EXPECT_EQ(f->getInt("profile::tutorial::tip2"), 101);
    // Blueprints are stored by their puzzle, and both spellings are one group.
    EXPECT_EQ(f->getInt("profile::blueprints::i"), 2);
    EXPECT_EQ(f->getInt("profile::blueprints::blue1"), 104);
    EXPECT_EQ(f->getInt("profile::BLUEPRINTS::BLUE2"), 102);
}

TEST_F(ProfileFiles, BlueprintsWrittenInMixedCaseAreReadInLowerCase) {
    WriteBytes(ProfilePath("66-/profile.dat"),
               "profile {\n\tdata {\n\t\tname = \"B\"\n\t}\n\tBLUEPRINTS {\n\t\tI = 1\n\t}\n"
               "\tbluePrints {\n\t\tBlue1 = 105\n\t}\n}\n");
    auto q = LoadProfile("66-");
    // The second group of the same name is never reached: the first match wins.
    EXPECT_TRUE(q->bluePrints.empty());

    auto f = NewRCM();
    f->setFloat("profile::blueprints::i", 1);
    f->setFloat("profile::bluePrints::blue1", 105);
    ASSERT_TRUE(f->save(ProfilePath("66-/profile.dat")));
    q = LoadProfile("66-");
    ASSERT_EQ(q->bluePrints.size(), 1u);
    EXPECT_EQ(q->bluePrints[0]->id, 5);
}

TEST_F(ProfileFiles, PowerUpsLoadUnlockedOnlyWhenResearched) {
    WriteBytes(ProfilePath("67-/profile.dat"),
               "profile {\n\tdata {\n\t\tname = \"C\"\n\t}\n\tpowerUps {\n\t\tp1 = 3\n\t\tp1researched = 1\n"
               "\t\tp2researched = 0\n\t\tp3researched = 2.9\n\t\tp4 = -5\n\t}\n}\n");
    auto q = LoadProfile("67-");
    EXPECT_EQ(q->powerUp[0]->unlocked, 1);
    EXPECT_EQ(q->powerUp[0]->collected, 3);
    EXPECT_EQ(q->powerUp[1]->unlocked, 0);
    EXPECT_EQ(q->powerUp[2]->researched, 2);  // truncated
    EXPECT_EQ(q->powerUp[2]->unlocked, 1);
    EXPECT_EQ(q->powerUp[3]->collected, 0);  // no negative charges
    EXPECT_EQ(q->powerUp[5]->unlocked, 0);
}

TEST_F(ProfileFiles, AnOwnedSmithyLoadsWithItsHammerEvenIfTheFileMissedIt) {
    // Saved when buying the smithy only unlocked the hammer: no research stored.
    WriteBytes(ProfilePath("69-/profile.dat"),
               "profile {\n\titems {\n\t\ti = 1\n\t\titem1 = 3\n\t}\n\tpowerUps {\n\t\tp1 = 2\n"
               "\t\tp1researched = 0\n\t}\n}\n");
    auto q = LoadProfile("69-");
    EXPECT_EQ(q->powerUp[POWERUP_HAMMER]->researched, 1);
    EXPECT_EQ(q->powerUp[POWERUP_HAMMER]->unlocked, 1);
    EXPECT_EQ(q->powerUp[POWERUP_HAMMER]->collected, 2);
    EXPECT_EQ(q->powerUp[POWERUP_HOURGLASS]->unlocked, 0);
    // Without the smithy the hammer stays locked.
    auto r = LoadProfile("67-");
    EXPECT_EQ(r->powerUp[POWERUP_HAMMER]->unlocked, 0);
}

TEST_F(ProfileFiles, UnknownCatalogueIdsAreSkipped) {
    WriteBytes(ProfilePath("68-/profile.dat"),
               "profile {\n\titems {\n\t\ti = 3\n\t\titem1 = 2\n\t\titem2 = 99\n\t\titem3 = 4\n\t}\n"
               "\tunlockedItems {\n\t\ti = 1\n\t\titem1 = 77\n\t}\n\ttutorial {\n\t\ti = 2\n\t\ttip1 = 3\n"
               "\t\ttip2 = 2\n\t}\n}\n");
    auto q = LoadProfile("68-");
    EXPECT_EQ(Ids(q->items), (std::vector<int>{2, 4}));
    EXPECT_TRUE(q->unlockedItems.empty());
    ASSERT_EQ(q->tips.size(), 1u);
    EXPECT_EQ(q->tips[0]->id, 2);
}

TEST_F(ProfileFiles, RenamingWritesANewFolderAndKeepsTheOldOne) {
    auto p = FullProfile();
    ASSERT_EQ(p->save(), 1);
    p->name = "BOB";
    ASSERT_EQ(p->save(), 1);
    EXPECT_TRUE(Exists(ProfilePath("65-78-78-/profile.dat")));
    EXPECT_TRUE(Exists(ProfilePath("66-79-66-/profile.dat")));
    EXPECT_EQ(LoadProfile("66-79-66-")->name, "BOB");
    EXPECT_EQ(LoadProfile("65-78-78-")->name, "ANN");
}

TEST_F(ProfileFiles, AnnAndAnnInCapitalsShareOneFolder) {
    TProfile a;
    a.name = "Ann";
    a.cash = 1;
    ASSERT_EQ(a.save(), 1);
    TProfile b;
    b.name = "ANN";
    b.cash = 2;
    ASSERT_EQ(b.save(), 1);
    EXPECT_EQ(LoadProfile("65-78-78-")->cash, 2);
}

TEST_F(ProfileFiles, BothSpellingsOfTheProfilesFolderAreOne) {
    // A user folder made on a case-blind system holds "profiles".
    std::filesystem::remove_all(userDir + "/Profiles");
    std::filesystem::create_directories(userDir + "/profiles");
    TProfile a;
    a.name = "ANN";
    ASSERT_EQ(a.save(), 1);
    EXPECT_TRUE(Exists(userDir + "/profiles/65-78-78-/profile.dat"));
    EXPECT_FALSE(Exists(userDir + "/Profiles"));
    EXPECT_EQ(LoadProfile("65-78-78-")->name, "ANN");
}

TEST_F(ProfileFiles, AMissingFileGivesAnEmptyProfileThatKeepsItsFolder) {
    auto q = LoadProfile("65-78-78-");
    EXPECT_EQ(q->questLevelId, 0);
    EXPECT_TRUE(q->items.empty());
    EXPECT_EQ(q->Load(), 0);
    EXPECT_EQ(q->questLevel, nullptr);
    for (const auto& slot : q->powerUp) {
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->unlocked, 0);
    }
    // The name comes back from the id, so the next save finds the same folder.
    EXPECT_EQ(q->name, "ANN");
    EXPECT_EQ(q->GetMyId(), "65-78-78-");
}

TEST_F(ProfileFiles, NoQuestLevelLeavesTheOlderLevelFile) {
    WriteQuestLevel(1);
    TProfile p;
    p.name = "ANN";
    p.questLevelId = 1;
    p.QUEST_LoadActLevel();
    ASSERT_EQ(p.save(), 1);
    const std::string before = ReadBytes(ProfilePath("65-78-78-/level.txt"));
    p.questLevel = nullptr;
    ASSERT_EQ(p.save(), 1);
    EXPECT_EQ(ReadBytes(ProfilePath("65-78-78-/level.txt")), before);
}
