// The quest operations and their screen codes through the top-level loop's
// table.
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "match3/chip.h"
#include "match3/level.h"
#include "match3/powerup.h"
#include "quest/land_catalogue.h"
#include "quest/profile_hooks.h"
#include "quest/profile_list.h"
#include "quest/profile_lookups.h"
#include "quest/tutorial_catalogue.h"
#include "quest_fixture.h"

namespace {

class ProfileQuest : public ProfileTest {
protected:
    std::vector<std::shared_ptr<TLevel>> handed;  // levels given to the match-3 screen
    std::vector<std::pair<std::string, int>> puzzles;
    int panelResets = 0;

    void SetUp() override {
        ProfileTest::SetUp();
        static bool installed = false;
        if (!installed) InstallProfileHooks();
        installed = true;
        ProfileHooks().setGameLevel = [this](std::shared_ptr<TLevel> l) { handed.push_back(l); };
        ProfileHooks().loadPuzzle = [this](const std::string& path, int n) { puzzles.emplace_back(path, n); };
        ProfileHooks().resetResourcePanels = [this] { panelResets++; };
        actProfile = std::make_shared<TProfile>();
        actProfile->name = "ANN";
    }
};

int FirstChipId(const TLevel& level) { return level.At(0, 0)->chip ? level.At(0, 0)->chip->id : -1; }

}  // namespace

TEST_F(ProfileQuest, TheQuestCodesAreRegistered) {
    for (int code : {QUEST_START_NEW, QUEST_NEXT_LEVEL, QUEST_CONTINUE, QUEST_RESTART_LEVEL})
        EXPECT_TRUE(IsScreenRegistered(code)) << code;
    EXPECT_TRUE(static_cast<bool>(FrameHooks().saveProfiles));
}

TEST_F(ProfileQuest, StartNewResetsTheQuestAndKeepsTheLog) {
    WriteQuestLevel(1);
    auto& p = *actProfile;
    p.questLevelId = 5;
    p.cash = 900;
    p.actScreen = 6;
    p.backGroundN = 4;
    p.res[2] = 50;
    p.items.push_back(FindLandItem(13));
    p.bluePrints.push_back(FindLandItem(3));
    p.unlockedItems.push_back(FindLandItem(3));
    p.QUEST_UpdateLevelData(1, 1, 1, 1, 1);

    EXPECT_EQ(RunScreenCode(QUEST_START_NEW), SCREEN_INTRO);
    EXPECT_EQ(p.questLevelId, 1);
    EXPECT_EQ(p.highestLevel, 1);
    EXPECT_EQ(p.actScreen, 0);
    EXPECT_EQ(p.backGroundN, 0);
    EXPECT_EQ(p.cash, 0);
    EXPECT_EQ(p.stage, 1);
    EXPECT_EQ(p.res[2], 0);
    EXPECT_TRUE(p.items.empty());
    EXPECT_TRUE(p.bluePrints.empty());
    EXPECT_TRUE(p.unlockedItems.empty());
    EXPECT_EQ(p.tips.size(), tutorialTips.size());
    EXPECT_EQ(p.levels.size(), 1u);
    for (int i = 0; i < POWERUP_SLOTS; i++) {
        ASSERT_NE(p.powerUp[i], nullptr);
        EXPECT_EQ(p.powerUp[i]->n, i);
        EXPECT_EQ(p.powerUp[i]->unlocked, 0);
    }
    EXPECT_EQ(panelResets, 1);
    ASSERT_NE(p.questLevel, nullptr);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0], p.questLevel);
    // Chips were fitted after the items were cleared: plain wood.
    EXPECT_EQ(FirstChipId(*p.questLevel), 1);
}

TEST_F(ProfileQuest, LoadedLevelsGetTheProfilesChips) {
    WriteQuestLevel(2);
    auto& p = *actProfile;
    p.questLevelId = 2;
    p.items.push_back(FindLandItem(13));  // wood chip 3
    ASSERT_EQ(p.QUEST_LoadActLevel(), 1);
    EXPECT_EQ(FirstChipId(*p.questLevel), 3);
}

TEST_F(ProfileQuest, NextLevelCyclesBackgroundsAndEndsAtTheFirstMissingLevel) {
    for (int n = 1; n <= 9; n++) WriteQuestLevel(n);
    auto& p = *actProfile;
    p.questLevelId = 1;
    p.backGroundN = 0;
    std::vector<int> backgrounds;
    for (int n = 2; n <= 9; n++) {
        EXPECT_EQ(RunScreenCode(QUEST_NEXT_LEVEL), SCREEN_LAND);
        EXPECT_EQ(p.questLevelId, n);
        backgrounds.push_back(p.backGroundN);
    }
    EXPECT_EQ(backgrounds, (std::vector<int>{1, 2, 3, 4, 5, 6, 0, 1}));
    EXPECT_EQ(handed.size(), 8u);
    EXPECT_EQ(RunScreenCode(QUEST_NEXT_LEVEL), SCREEN_OUTRO);
    EXPECT_EQ(p.questLevelId, 10);
    EXPECT_EQ(p.questLevel, nullptr);
    EXPECT_EQ(handed.size(), 8u);  // nothing handed for the missing level
}

TEST_F(ProfileQuest, RestartReloadsTheLevelFromItsFile) {
    WriteQuestLevel(3);
    auto& p = *actProfile;
    p.questLevelId = 3;
    p.QUEST_LoadActLevel();
    p.questLevel->time = 1;
    EXPECT_EQ(RunScreenCode(QUEST_RESTART_LEVEL), SCREEN_MATCH3);
    EXPECT_EQ(p.questLevel->time, 60);
    EXPECT_EQ(handed.size(), 2u);

    p.questLevelId = 4;  // no such file: the quest ends instead of a board without level
    EXPECT_EQ(RunScreenCode(QUEST_RESTART_LEVEL), SCREEN_OUTRO);
}

TEST_F(ProfileQuest, ContinueReturnsTheQuestScreen) {
    WriteQuestLevel(2);
    auto& p = *actProfile;
    p.questLevelId = 2;
    p.QUEST_LoadActLevel();
    handed.clear();
    p.actScreen = SCREEN_MATCH3;
    EXPECT_EQ(RunScreenCode(QUEST_CONTINUE), SCREEN_MATCH3);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0], p.questLevel);

    p.actScreen = SCREEN_LAND;
    EXPECT_EQ(RunScreenCode(QUEST_CONTINUE), SCREEN_LAND);
    EXPECT_TRUE(puzzles.empty());

    p.actScreen = SCREEN_PUZZLE;
    p.actPuzzleLevel = 4;
    EXPECT_EQ(RunScreenCode(QUEST_CONTINUE), SCREEN_PUZZLE);
    ASSERT_EQ(puzzles.size(), 1u);
    EXPECT_EQ(puzzles[0].first, gameDir + "data/puzzles/puzzle-4.txt");
    EXPECT_EQ(puzzles[0].second, 4);
}

TEST_F(ProfileQuest, ContinueWithoutASavedLevelLoadsItOrEndsTheQuest) {
    WriteQuestLevel(2);
    auto& p = *actProfile;
    p.questLevelId = 2;
    p.actScreen = SCREEN_MATCH3;
    EXPECT_EQ(RunScreenCode(QUEST_CONTINUE), SCREEN_MATCH3);
    ASSERT_EQ(handed.size(), 1u);
    ASSERT_NE(handed[0], nullptr);

    p.questLevel = nullptr;
    p.questLevelId = 5;  // no level 5
    EXPECT_EQ(RunScreenCode(QUEST_CONTINUE), SCREEN_OUTRO);
    EXPECT_EQ(handed.size(), 1u);  // never a null level

    p.actScreen = SCREEN_LAND;  // the village needs no level
    EXPECT_EQ(RunScreenCode(QUEST_CONTINUE), SCREEN_LAND);
}

TEST_F(ProfileQuest, ContinueNeverReturnsAStopCode) {
    auto& p = *actProfile;
    p.actScreen = 0;
    EXPECT_EQ(RunScreenCode(QUEST_CONTINUE), SCREEN_MAIN_MENU);
    p.actScreen = 55;  // damaged file
    EXPECT_EQ(RunScreenCode(QUEST_CONTINUE), SCREEN_LAND);
    EXPECT_EQ(p.actScreen, SCREEN_LAND);
    EXPECT_EQ(p.QUEST_End(), 0);
    EXPECT_EQ(p.CanContinue(), 0);
}

TEST_F(ProfileQuest, WithoutACurrentProfileTheMenuFollows) {
    actProfile = nullptr;
    EXPECT_EQ(RunScreenCode(QUEST_START_NEW), SCREEN_MAIN_MENU);
}
