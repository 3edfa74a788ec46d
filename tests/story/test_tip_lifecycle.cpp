// A tip's life: activation, the delay, fading in with its sound, the click
// that ends it by its kind of exit, hiding, one tip at a time, and a tip that
// once dismissed never comes back to the profile, also after a restart.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "match3/main_game.h"
#include "quest/profile.h"
#include "quest/profile_list.h"
#include "story/tutorial_tips.h"
#include "tip_fixture.h"
#include "village/land_screen.h"

using TipLife = TipTest;

TEST_F(TipLife, OneTipAtATimeTheFirstThatHolds) {
    SetLevel(1);
    auto later = AddTip(3, TIP_EXIT_CLICK);  // level 6: not now
    auto first = AddTip(1, TIP_EXIT_CLICK);
    auto second = AddTip(1, TIP_EXIT_CLICK);
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(ActiveTutorialTip(), first);
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(ActiveTutorialTip(), first) << "an active tip is never replaced by asking";
    (void)later;
    (void)second;
}

TEST_F(TipLife, FadesInWithOneSoundAndEndsByClickFadingOut) {
    auto tip = AddTip(1, TIP_EXIT_CLICK);
    CheckTutorialTips(&mainGame);
    ASSERT_EQ(ActiveTutorialTip(), tip);
    EXPECT_EQ(tip->a, 0);
    EXPECT_EQ(tip->da, 1);
    UpdateFrames(&mainGame, 10);
    EXPECT_NEAR(tip->a, 0.5f, 1e-4);
    // A click before the tip is fully shown does nothing.
    UpdateFrames(&mainGame, 1, true);
    EXPECT_EQ(tip->da, 1);
    ShowFully(&mainGame);
    EXPECT_EQ(tip->a, 1);
    EXPECT_EQ(sounds, std::vector<std::string>{"show-char"});
    // The click that ends it is consumed: the screen below sees none.
    UpdateFrames(&mainGame, 1, true);
    EXPECT_EQ(mouse.leftPressed, 0);
    EXPECT_EQ(tip->da, 0);
    EXPECT_EQ(ActiveTutorialTip(), tip) << "still fading out";
    EXPECT_EQ(actProfile->tips.size(), 1u);
    UpdateFrames(&mainGame, 25);
    EXPECT_EQ(ActiveTutorialTip(), nullptr);
    EXPECT_TRUE(actProfile->tips.empty());
    EXPECT_EQ(sounds.size(), 1u);
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(ActiveTutorialTip(), nullptr) << "shown once per profile";
}

TEST_F(TipLife, ChainedTipsPlayAsADialogue) {
    SetLevel(1);
    auto first = AddTip(101, TIP_EXIT_CHAINED);
    auto second = AddTip(101, TIP_EXIT_CHAINED, 0, 1);
    CheckTutorialTips(&landScreen);
    ShowFully(&landScreen);
    UpdateFrames(&landScreen, 1, true);
    // The click replaces the speech at once: the next one is there, fully shown.
    EXPECT_EQ(ActiveTutorialTip(), second);
    EXPECT_EQ(second->a, 1);
    EXPECT_EQ(actProfile->tips, TutorialTipList{second});
    UpdateFrames(&landScreen, 1);
    EXPECT_EQ(second->a, 1) << "the ending click was consumed and did not end the second too";
    UpdateFrames(&landScreen, 1, true);
    EXPECT_EQ(ActiveTutorialTip(), nullptr);
    EXPECT_TRUE(actProfile->tips.empty());
    (void)first;
}

TEST_F(TipLife, TipsThatStayIgnoreClicksAndGoWhenHidden) {
    auto tip = AddTip(1, 0);
    CheckTutorialTips(&mainGame);
    ShowFully(&mainGame);
    UpdateFrames(&mainGame, 3, true);
    EXPECT_EQ(tip->a, 1);
    EXPECT_EQ(ActiveTutorialTip(), tip);
    // The board starts a power-up or a shuffle.
    HideTutorialTip();
    UpdateFrames(&mainGame, 25);
    EXPECT_EQ(ActiveTutorialTip(), nullptr);
    EXPECT_TRUE(actProfile->tips.empty());
}

TEST_F(TipLife, TheDelayHoldsEverythingBack) {
    auto tip = AddTip(1, TIP_EXIT_CLICK, 1000);
    CheckTutorialTips(&mainGame);
    ASSERT_EQ(ActiveTutorialTip(), tip);
    const int shownAt = tip->waitTime;
    UpdateFrames(&mainGame, 30, true);
    EXPECT_LT(SysMillisecs(), shownAt);
    EXPECT_EQ(tip->a, 0);
    EXPECT_TRUE(sounds.empty());
    AdvanceMs(shownAt - SysMillisecs());
    UpdateFrames(&mainGame, 1);
    EXPECT_GT(tip->a, 0);
    EXPECT_EQ(sounds.size(), 1u);
}

TEST_F(TipLife, AlphaStartShowsAtOnce) {
    auto tip = AddTip(1, TIP_EXIT_CLICK, 0, 1);
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(tip->a, 1);
    UpdateFrames(&mainGame, 1, true);
    EXPECT_EQ(tip->da, 0) << "fully shown from the start, so the first click counts";
}

TEST_F(TipLife, ClearingLeavesTheTipPendingForNextTime) {
    auto tip = AddTip(1, TIP_EXIT_CLICK);
    CheckTutorialTips(&mainGame);
    ShowFully(&mainGame);
    ClearTutorialTip();  // the screen is prepared again
    EXPECT_EQ(ActiveTutorialTip(), nullptr);
    EXPECT_EQ(actProfile->tips.size(), 1u);
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(ActiveTutorialTip(), tip);
    EXPECT_EQ(tip->a, 0) << "reset: it fades in again";
}

TEST_F(TipLife, NoTutorialFreezesTheActiveTip) {
    auto tip = AddTip(1, TIP_EXIT_CLICK);
    noTutorial = 1;
    CheckTutorialTips(&mainGame);
    UpdateFrames(&mainGame, 30, true);
    EXPECT_EQ(tip->a, 0);
    EXPECT_EQ(actProfile->tips.size(), 1u);
    EXPECT_FALSE(TutorialTipWaitsForClick());
}

TEST_F(TipLife, ADismissedTipStaysGoneAfterARestart) {
    SetLevel(1);
    auto start = AddTip(1, TIP_EXIT_CLICK);
    auto chains = AddTip(2, TIP_EXIT_CLICK);
    CheckTutorialTips(&mainGame);
    ShowFully(&mainGame);
    UpdateFrames(&mainGame, 1, true);
    UpdateFrames(&mainGame, 25);
    ASSERT_EQ(actProfile->tips, TutorialTipList{chains});
    ASSERT_EQ(actProfile->save(), 1);

    auto reloaded = LoadProfile(actProfile->GetMyId());
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->tips, TutorialTipList{chains}) << "the same catalogue tips, in order";
    actProfile = reloaded;
    SetLevel(1);
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(ActiveTutorialTip(), nullptr);
    SetLevel(3);
    CheckTutorialTips(&mainGame);
    EXPECT_EQ(ActiveTutorialTip(), chains);
    (void)start;
}

TEST_F(TipLife, ANewQuestOffersEveryTipAgain) {
    AddTip(1, TIP_EXIT_CLICK);
    AddTip(2, TIP_EXIT_CLICK);
    actProfile->tips.clear();
    actProfile->QUEST_StartNew();
    EXPECT_EQ(actProfile->tips, tutorialTips);
}

TEST_F(TipLife, ANewPlayerHasEveryTipAhead) {
    // Played straight from a level or the village (no new quest yet), a new
    // player still meets the adviser.
    AddTip(1, TIP_EXIT_CLICK);
    AddTip(101, TIP_EXIT_CHAINED);
    const auto saved = profileManager.profiles;
    auto fresh = profileManager.CreateNewProfile("Newcomer");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->tips, tutorialTips);
    EXPECT_EQ(profileManager.CreateStartProfile()->tips, tutorialTips);
    profileManager.profiles = saved;
}
