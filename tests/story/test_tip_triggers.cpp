// When each tip fires: the screen that last asked, the quest level, owned
// items, unlocked power-up slots, the puzzle's kind and the rain, each true
// at its boundary and false just beside it.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "match3/main_game.h"
#include "match3/powerup.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "story/tutorial_tips.h"
#include "tip_fixture.h"
#include "village/land_screen.h"

namespace {
// Any screen that is neither the match-3 nor the land screen.
TEkran otherScreen;

// Whether `tip` becomes active when `screen` asks at that quest level.
bool FiresOn(const TEkran* screen, const std::shared_ptr<TTutorialTip>& tip) {
    ClearTutorialTip();
    CheckTutorialTips(screen);
    const bool fired = ActiveTutorialTip() == tip;
    ClearTutorialTip();
    return fired;
}
}  // namespace

using TipTriggers = TipTest;

TEST_F(TipTriggers, LevelTipsFireOnTheirOwnMatch3LevelOnly) {
    struct Case {
        int typ, level;
    };
    for (const Case c : {Case{1, 1}, Case{2, 3}, Case{3, 6}, Case{4, 7}, Case{5, 8}}) {
        SCOPED_TRACE(c.typ);
        actProfile->tips.clear();
        auto tip = AddTip(c.typ, TIP_EXIT_CLICK);
        SetLevel(c.level);
        EXPECT_TRUE(FiresOn(&mainGame, tip));
        EXPECT_FALSE(FiresOn(&landScreen, tip));
        EXPECT_FALSE(FiresOn(&otherScreen, tip));
        SetLevel(c.level + 1);
        EXPECT_FALSE(FiresOn(&mainGame, tip));
        SetLevel(c.level - 1);
        EXPECT_FALSE(FiresOn(&mainGame, tip));
    }
}

TEST_F(TipTriggers, ChainTipIsLevelThreeNotFour) {
    auto tip = AddTip(2, TIP_EXIT_CLICK);
    SetLevel(3);
    EXPECT_EQ(CHECK_Tip_Chain(), 0) << "no screen has asked yet";
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(ActiveTutorialTip(), tip);
    ClearTutorialTip();
    SetLevel(4);
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(ActiveTutorialTip(), nullptr);
}

TEST_F(TipTriggers, StartDialogueIsTheVillageAtLevelOne) {
    auto tip = AddTip(101, TIP_EXIT_CHAINED);
    SetLevel(1);
    EXPECT_TRUE(FiresOn(&landScreen, tip));
    EXPECT_FALSE(FiresOn(&mainGame, tip));
    SetLevel(2);
    EXPECT_FALSE(FiresOn(&landScreen, tip));
}

TEST_F(TipTriggers, TheTipScreenIsTheScreenThatLastAsked) {
    AddTip(1, TIP_EXIT_CLICK);
    SetLevel(1);
    CheckTutorialTips(&landScreen);
    EXPECT_EQ(TutorialTipScreen(), &landScreen);
    EXPECT_EQ(CHECK_Tip_Start(), 0);
    UpdateTutorialTip(&mainGame);
    EXPECT_EQ(TutorialTipScreen(), &mainGame);
    EXPECT_EQ(CHECK_Tip_Start(), 1);
    // With "noTutorial.txt" the update does not even take the screen over.
    noTutorial = 1;
    UpdateTutorialTip(&landScreen);
    EXPECT_EQ(TutorialTipScreen(), &mainGame);
}

TEST_F(TipTriggers, PowerUpTipsFollowTheirUnlockedSlotOnTheBoard) {
    for (int slot = 0; slot < POWERUP_SLOTS; ++slot) {
        SCOPED_TRACE(slot);
        actProfile->tips.clear();
        actProfile->ResetPowerUps();
        auto tip = AddTip(21 + slot, TIP_EXIT_CLICK);
        EXPECT_FALSE(FiresOn(&mainGame, tip)) << "locked";
        // Every other slot unlocked still leaves this one's tip quiet.
        for (int other = 0; other < POWERUP_SLOTS; ++other)
            if (other != slot) actProfile->powerUp[static_cast<size_t>(other)]->unlocked = 1;
        EXPECT_FALSE(FiresOn(&mainGame, tip));
        actProfile->powerUp[static_cast<size_t>(slot)]->unlocked = 1;
        EXPECT_TRUE(FiresOn(&mainGame, tip));
        EXPECT_FALSE(FiresOn(&landScreen, tip));
    }
}

TEST_F(TipTriggers, SmithyAndMineTipsFollowTheirItemsInTheVillage) {
    for (int id = 1; id <= 5; ++id) {
        auto item = std::make_shared<TLandItem>();
        item->id = id;
        landItems.push_back(item);
    }
    auto smithy = AddTip(31, TIP_EXIT_CLICK);
    auto mine = AddTip(32, TIP_EXIT_CLICK);
    SetLevel(5);
    actProfile->items = {landItems[1], landItems[4]};  // items 2 and 5: neither
    EXPECT_FALSE(FiresOn(&landScreen, smithy));
    EXPECT_FALSE(FiresOn(&landScreen, mine));
    actProfile->items.push_back(landItems[3]);  // item 4
    EXPECT_FALSE(FiresOn(&landScreen, smithy));
    EXPECT_TRUE(FiresOn(&landScreen, mine));
    EXPECT_FALSE(FiresOn(&mainGame, mine));
    actProfile->items.push_back(landItems[2]);  // item 3
    EXPECT_TRUE(FiresOn(&landScreen, smithy)) << "the first in the list wins";
}

TEST_F(TipTriggers, RainTipOnlyWhileTheVillageRains) {
    auto tip = AddTip(33, TIP_EXIT_CLICK);
    SetLevel(12);
    EXPECT_FALSE(FiresOn(&landScreen, tip));
    landScreen.isRaining = 1;
    EXPECT_TRUE(FiresOn(&landScreen, tip));
    EXPECT_FALSE(FiresOn(&mainGame, tip));
}

TEST_F(TipTriggers, PuzzleTipsFollowThePuzzleScreenAndItsKind) {
    TEkran puzzleScreen;
    int kind = 3;
    TutorialHooks().puzzleType = [&](const TEkran* screen) { return screen == &puzzleScreen ? kind : 0; };
    auto start = AddTip(10, TIP_EXIT_CHAINED);
    EXPECT_TRUE(FiresOn(&puzzleScreen, start));
    EXPECT_FALSE(FiresOn(&landScreen, start));
    actProfile->tips.clear();
    for (int type = 1; type <= 4; ++type) {
        actProfile->tips.clear();
        auto tip = AddTip(10 + type, TIP_EXIT_CLICK);
        EXPECT_EQ(FiresOn(&puzzleScreen, tip), type == kind) << type;
        EXPECT_FALSE(FiresOn(&mainGame, tip));
    }
    // Without a puzzle screen wired in, no puzzle tip ever fires.
    TutorialHooks().puzzleType = nullptr;
    EXPECT_FALSE(FiresOn(&puzzleScreen, start));
}

TEST_F(TipTriggers, UnknownKindsNeverFire) {
    SetLevel(1);
    for (int typ : {0, 6, 9, 15, 20, 27, 30, 34, 100, 102, -1}) {
        actProfile->tips.clear();
        auto tip = AddTip(typ, TIP_EXIT_CLICK);
        EXPECT_FALSE(FiresOn(&mainGame, tip)) << typ;
        EXPECT_FALSE(FiresOn(&landScreen, tip)) << typ;
    }
}

TEST_F(TipTriggers, NoProfileNoTip) {
    AddTip(1, TIP_EXIT_CLICK);
    actProfile = nullptr;
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(ActiveTutorialTip(), nullptr);
}
