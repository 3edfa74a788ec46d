// The profile's rules that need no files: ids, multiplier, proper chips,
// affordability, the level log and item look-ups.
#include "match3/chip.h"
#include "match3/powerup.h"
#include "quest/land_catalogue.h"
#include "quest/profile_lookups.h"
#include "quest/tutorial_catalogue.h"
#include "quest_fixture.h"

namespace {
void Own(TProfile& p, std::initializer_list<int> ids) {
    for (int id : ids) p.items.push_back(FindLandItem(id));
}
int ChipId(const std::shared_ptr<TChip>& chip) { return chip ? chip->id : -1; }
}  // namespace

using ProfileRules = ProfileTest;

TEST_F(ProfileRules, IdsSpellTheUpperCasedNameAsCodeUnits) {
    EXPECT_EQ(ProfileIdOf("Ann"), "65-78-78-");
    EXPECT_EQ(ProfileIdOf("ANN"), "65-78-78-");
    EXPECT_EQ(ProfileIdOf(""), "");
    EXPECT_EQ(ProfileIdOf("é"), "201-");                         // Latin-1 letter, upper-cased
    EXPECT_EQ(ProfileIdOf("\xF0\x9F\x8D\x8E"), "55356-57166-");  // one code point, two units
    EXPECT_EQ(ProfileIdOf("\xFF"), "255-");                      // a stray byte stands for itself

    TProfile p;
    p.name = "Ann";
    EXPECT_EQ(p.GetMyId(), "65-78-78-");
    EXPECT_EQ(GetMyId(p), "65-78-78-");
    EXPECT_EQ(GetMyId(p, "Bo"), "66-79-");  // a given name wins
}

TEST_F(ProfileRules, IdsAreCheckedAndSpellTheirNameBack) {
    for (const char* name : {"ANN", "ZOË", "A1", "\xF0\x9F\x8D\x8E"}) {
        const std::string id = ProfileIdOf(name);
        EXPECT_TRUE(IsValidProfileId(id)) << id;
        EXPECT_EQ(ProfileNameOfId(id), name);
    }
    EXPECT_TRUE(IsValidProfileId(""));
    for (const char* bad : {"..", "65-78", "65--", "/etc-", "65-../", "0065-", "99999-", "-"})
        EXPECT_FALSE(IsValidProfileId(bad)) << bad;
    EXPECT_EQ(ProfileNameOfId("../"), "");
}

TEST_F(ProfileRules, MultiplierFollowsTheBestOwnedItem) {
    TProfile p;
    EXPECT_FLOAT_EQ(p.CountMultiplier(), 1.0f);
    EXPECT_EQ(p.CountMultiplierString(), "x 1");
    Own(p, {1});
    EXPECT_FLOAT_EQ(p.CountMultiplier(), 1.5f);
    EXPECT_EQ(p.CountMultiplierString(), "x 1.5");
    Own(p, {10});
    EXPECT_EQ(p.CountMultiplierString(), "x 2");
    Own(p, {19});
    EXPECT_FLOAT_EQ(p.CountMultiplier(), 3.0f);
    EXPECT_EQ(p.CountMultiplierString(), "x 3");

    TProfile q;
    Own(q, {1, 19});
    EXPECT_FLOAT_EQ(q.CountMultiplier(), 3.0f);
}

TEST_F(ProfileRules, ProperChipsFollowOwnedItemsInOrderOfPrecedence) {
    TProfile p;
    EXPECT_EQ(ChipId(p.QUEST_GetProperChipByRes(0)), 1);
    EXPECT_EQ(ChipId(p.QUEST_GetProperChipByRes(1)), 4);
    EXPECT_EQ(ChipId(p.QUEST_GetProperChipByRes(2)), 9);
    EXPECT_EQ(ChipId(p.QUEST_GetProperChipByRes(3)), 15);
    EXPECT_EQ(p.QUEST_GetProperChipByRes(4), nullptr);
    EXPECT_EQ(p.QUEST_GetProperChipByRes(-1), nullptr);

    Own(p, {5});
    EXPECT_EQ(ChipId(p.ProperWoodChip()), 2);
    Own(p, {13});
    EXPECT_EQ(ChipId(p.ProperWoodChip()), 3);

    Own(p, {2, 16});
    EXPECT_EQ(ChipId(p.ProperFoodChip()), 7);  // 16 comes before 2
    Own(p, {6, 18});
    EXPECT_EQ(ChipId(p.ProperGoldChip()), 13);
    Own(p, {21});
    EXPECT_EQ(ChipId(p.ProperGoldChip()), 14);
    Own(p, {9});
    EXPECT_EQ(ChipId(p.ProperRockChip()), 16);
    Own(p, {17});
    EXPECT_EQ(ChipId(p.ProperRockChip()), 17);

    chipCatalogue.clear();  // a chip the catalogue lacks gives nothing
    EXPECT_EQ(p.ProperWoodChip(), nullptr);
}

TEST_F(ProfileRules, AffordabilityAllowsAPriceEqualToTheStock) {
    TProfile p;
    EXPECT_EQ(p.CanAffordToPay(0, 0, 0, 0), 1);
    p.res[0] = 5;
    p.res[1] = 10;
    p.res[3] = 1;
    auto item5 = FindLandItem(5);  // price 5, 10, 0, 1
    EXPECT_EQ(p.CanAfford(item5.get()), 1);
    p.res[3] = 0;
    EXPECT_EQ(p.CanAfford(item5.get()), 0);
    EXPECT_EQ(p.CanAffordToPay(5, 11, 0, 0), 0);
    EXPECT_EQ(p.CanAfford(nullptr), 0);
}

TEST_F(ProfileRules, ItemsBlueprintsAndUnlockedItems) {
    TProfile p;
    EXPECT_EQ(p.HaveAllItems(), 0);
    for (int id = 1; id <= 24; id++) Own(p, {id});
    EXPECT_EQ(p.HaveAllItems(), 1);
    EXPECT_EQ(p.HaveItem(25), 0);

    p.bluePrints.push_back(FindLandItemByPuzzle(107));
    EXPECT_EQ(p.HaveBluePrint(7), 1);
    EXPECT_EQ(p.HaveBluePrint(8), 0);

    p.CheckIfUnlockedItem(FindLandItem(3));
    p.CheckIfUnlockedItem(FindLandItem(3));
    p.CheckIfUnlockedItem(nullptr);
    EXPECT_EQ(p.unlockedItems.size(), 1u);
    EXPECT_EQ(p.UnlockedItem(3), 1);
    EXPECT_EQ(p.UnlockedItem(4), 0);
    EXPECT_EQ(FindLandItem(99), nullptr);
    EXPECT_EQ(FindLandItemByPuzzle(1), nullptr);
    EXPECT_EQ(FindTutorialTip(3), nullptr);
    EXPECT_EQ(FindTutorialTip(101)->id, 101);
}

TEST_F(ProfileRules, TheLevelLogKeepsOneLinePerLevel) {
    TProfile p;
    p.questLevelId = 3;
    p.QUEST_UpdateLevelData(1, 2, 3, 4, 50);
    p.questLevelId = 4;
    p.QUEST_UpdateLevelData(9, 9, 9, 9, 9);
    p.questLevelId = 3;
    p.QUEST_UpdateLevelData(5, 6, 7, 8, 20);
    ASSERT_EQ(p.levels.size(), 2u);
    EXPECT_EQ(p.levels[0]->id, 3);
    EXPECT_EQ(p.levels[0]->res[0], 5);
    EXPECT_EQ(p.levels[0]->res[3], 8);
    EXPECT_EQ(p.levels[0]->time, 20);
    EXPECT_EQ(p.GetProfileLevelData(7)->res[0], 0);  // a new zero line
    EXPECT_EQ(p.levels.size(), 3u);
}

TEST_F(ProfileRules, MaxLevelAndPowerUpUnlocks) {
    TProfile p;
    p.questLevelId = 4;
    p.highestLevel = 2;
    EXPECT_EQ(p.CountMaxLevelNumber(), 4);
    p.questLevelId = 1;
    EXPECT_EQ(p.CountMaxLevelNumber(), 4);

    EXPECT_EQ(p.isPowerUpUnlocked(0), 0);  // empty slots
    p.QUEST_UnlockPowerUp(0);
    p.ResetPowerUps();
    EXPECT_EQ(p.isPowerUpUnlocked(2), 0);
    p.QUEST_UnlockPowerUp(2);
    EXPECT_EQ(p.isPowerUpUnlocked(2), 1);
    EXPECT_FLOAT_EQ(p.powerUp[2]->justUnlocked, 1.0f);
    EXPECT_EQ(p.isPowerUpUnlocked(6), 0);
    EXPECT_EQ(p.isPowerUpUnlocked(-1), 0);
    p.QUEST_UnlockPowerUp(9);  // no such slot: nothing happens
}

TEST_F(ProfileRules, CreditsStopAtTwoBillionInsteadOfOverflowing) {
    TProfile p;
    p.cash = 1999999990;
    p.AddCash(100);
    EXPECT_EQ(p.cash, 2000000000);
    p.AddCash(2147483647);
    EXPECT_EQ(p.cash, 2000000000);

    p.res[0] = 5;
    p.res[2] = 1999999999;
    const int won[4] = {10, 0, 2147483647, 7};
    p.AddResources(won);
    EXPECT_EQ(p.res[0], 15);
    EXPECT_EQ(p.res[1], 0);
    EXPECT_EQ(p.res[2], 2000000000);
    EXPECT_EQ(p.res[3], 7);
}
