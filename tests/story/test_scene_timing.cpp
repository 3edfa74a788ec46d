// Each intro scene's events and end at their times: the pans follow the
// clock, the events their own timers, and each scene fades itself out.
#include <gtest/gtest.h>

#include "story/scenes.h"
#include "test_scene_fixture.h"

namespace {
// One frame at 60 frames per second, in ms.
constexpr int kFrame = 17;

using SceneTiming = StoryClockTest;

TEST_F(SceneTiming, SceneOneTipsTheHelmetWhenThePanEndsAndFadesTwoSecondsLater) {
    TIntroOne scene;
    scene.setup();
    float rotAtPanEnd = -1;
    const int end = play(scene, 3000, [&](int ms) {
        if (rotAtPanEnd < 0 && scene.state == 1) rotAtPanEnd = scene.rot;
    });
    // The clang when the pan is complete (15 s), the tip over 13 frames held
    // at 26 degrees, two seconds, then 20 frames of fade.
    EXPECT_NEAR(heardAt("story-metal"), 15000, 2 * kFrame);
    EXPECT_FLOAT_EQ(rotAtPanEnd, 0);
    EXPECT_FLOAT_EQ(scene.rot, 26);
    EXPECT_NEAR(end, 15000 + 13 * 1000 / 60 + 2000 + 20 * 1000 / 60, 3 * kFrame);
    EXPECT_EQ(heardAt("story-gallop"), end);
}

TEST_F(SceneTiming, SceneTwoFallsAtItsBranchAndEndsTwoSecondsAfterTheFadeBegan) {
    TIntroTwo scene;
    scene.setup();
    int fadeFrom = -1;
    const int end = play(scene, 3000, [&](int ms) {
        if (fadeFrom < 0 && scene.dFade == 1) fadeFrom = ms;
    });
    EXPECT_NEAR(fadeFrom, 13500, 2 * kFrame);
    EXPECT_NEAR(heardAt("story-fall"), 13725, 2 * kFrame);
    EXPECT_NEAR(end, 15500, 4 * kFrame);
    EXPECT_EQ(heardAt("story-crowd1"), end);
    // The sound of the fall is heard once.
    int falls = 0;
    for (auto& s : heard) falls += s.name == "story-fall";
    EXPECT_EQ(falls, 1);
}

TEST_F(SceneTiming, SceneThreeRaisesTheHeroThenTheBubbleAndEndsOnItsEvents) {
    TIntroThree scene;
    scene.setup();
    int heroFrom = -1, heroUp = -1, bubbleFrom = -1, bubbleUp = -1;
    const int end = play(scene, 3000, [&](int ms) {
        if (heroFrom < 0 && scene.heroP > 0) heroFrom = ms;
        if (heroUp < 0 && scene.heroP >= 1) heroUp = ms;
        if (bubbleFrom < 0 && scene.bubbleP > 0) bubbleFrom = ms;
        if (bubbleUp < 0 && scene.bubbleP >= 1) bubbleUp = ms;
    });
    EXPECT_EQ(heardAt("story-crowd"), 0);
    EXPECT_NEAR(heroFrom, 18000, 2 * kFrame);
    EXPECT_NEAR(heroUp - heroFrom, 40 * 1000 / 60, 2 * kFrame);
    EXPECT_NEAR(bubbleFrom - heroUp, 1000, 2 * kFrame);
    EXPECT_NEAR(bubbleUp - bubbleFrom, 50 * 1000 / 60, 2 * kFrame);
    EXPECT_NEAR(end - bubbleUp, 2000 + 20 * 1000 / 60, 3 * kFrame);
    // It ends on its events before its pan completes.
    EXPECT_LT(scene.per, 0.8f);
    EXPECT_EQ(heardAt("story-bee"), end);
}

TEST_F(SceneTiming, TheKingBlinksForAHundredAndFiftyMsOutOfEveryTwoThousandOneHundredAndFifty) {
    TIntroThree scene;
    scene.setup();
    int closedFrames = 0, frames = 0;
    play(scene, 60 * 43, [&](int) {
        frames++;
        closedFrames += scene.eyesShow == 0;
    });
    // 43 s hold 20 blinks of 9 frames each (150 ms, rounded up to frames).
    const double share = static_cast<double>(closedFrames) / frames;
    EXPECT_NEAR(share, 150.0 / 2150.0, 0.01);
}

TEST_F(SceneTiming, SceneFourFliesTheBeeThenTheStrawThenTheSneeze) {
    TIntroFour scene;
    scene.setup();
    int beeGone = -1, straw = -1, sneeze = -1;
    float beeX = 0;
    const int end = play(scene, 3000, [&](int ms) {
        if (beeGone < 0 && scene.state >= 1) {
            beeGone = ms;
            beeX = scene.bx;
        }
        if (straw < 0 && scene.drawDrop) straw = ms;
        if (sneeze < 0 && scene.enemyFrame == 2) sneeze = ms;
    });
    // The bee shrinks from 8 s for 34 frames; a second later the straw
    // rises for 40 frames and drifts for 20, then the sneeze; three more
    // seconds and the fade.
    EXPECT_NEAR(beeGone, 8000 + 34 * 1000 / 60, 2 * kFrame);
    EXPECT_GT(beeX, 700);
    EXPECT_NEAR(straw - beeGone, 1000, 2 * kFrame);
    EXPECT_NEAR(sneeze - straw, 60 * 1000 / 60, 3 * kFrame);
    EXPECT_NEAR(end - sneeze, 3000 + 20 * 1000 / 60, 3 * kFrame);
    EXPECT_NEAR(end, 13900, 5 * kFrame);
    EXPECT_EQ(scene.drawDrop, 0);
    EXPECT_TRUE(heard.empty());
}

TEST_F(SceneTiming, SceneFiveHoldsThreeSecondsThenRidesIntoItsFade) {
    TIntroFive scene;
    scene.setup();
    int moveFrom = -1;
    const int end = play(scene, 3000, [&](int ms) {
        if (moveFrom < 0 && scene.per > 0) moveFrom = ms;
    });
    EXPECT_NEAR(moveFrom, 3000, 4 * kFrame);
    EXPECT_NEAR(end, 3000 + 20 * 1000 / 60, 3 * kFrame);
    EXPECT_GT(scene.CountMove(), 0);
    EXPECT_EQ(heardAt("story-gallop"), end);
}

TEST_F(SceneTiming, SceneSixCutsBetweenTheRidersByItsShotTable) {
    TIntroSix scene;
    scene.setup();
    struct Cut {
        int ms, state, show, frame;
    };
    std::vector<Cut> cuts;
    const int end = play(scene, 3000, [&](int ms) {
        if (cuts.empty() || cuts.back().state != scene.state)
            cuts.push_back({ms, scene.state, scene.show, scene.enemyFrame});
    });
    ASSERT_EQ(cuts.size(), 7u);
    int expectedAt = 0;
    for (size_t i = 0; i < cuts.size(); i++) {
        const TJoustShot& shot = JoustShots()[i];
        EXPECT_EQ(cuts[i].state, static_cast<int>(i) + 1);
        EXPECT_EQ(cuts[i].show, shot.view) << "shot " << i + 1;
        EXPECT_EQ(cuts[i].frame, shot.enemyFrame) << "shot " << i + 1;
        EXPECT_NEAR(cuts[i].ms, expectedAt, (static_cast<int>(i) + 2) * kFrame) << "shot " << i + 1;
        expectedAt += shot.length;
    }
    EXPECT_NEAR(end, 17000, 9 * kFrame);
    // The fall when the last shot's time is up, the cheer in the update after.
    EXPECT_NEAR(heardAt("story-fall"), end, kFrame + 1);
    EXPECT_EQ(heardAt("story-crowd2"), end);
}

TEST_F(SceneTiming, SceneSevenKeepsSceneThreesPausesWithoutTheHeroOrASound) {
    TIntroSeven scene;
    scene.setup();
    const int end = play(scene, 3000);
    EXPECT_NEAR(end, 18000 + 40 * 1000 / 60 + 1000 + 2000 + 20 * 1000 / 60, 6 * kFrame);
    EXPECT_FLOAT_EQ(scene.bubbleP, 0);
    EXPECT_TRUE(heard.empty());
}

TEST_F(SceneTiming, AStartedSceneIsBlackAndFadesInOverTwentyFrames) {
    TIntroFive scene;
    scene.setup();
    scene.Start();
    EXPECT_FLOAT_EQ(scene.fade, 1);
    EXPECT_FLOAT_EQ(scene.dFade, 0);
    for (int i = 0; i < 19; i++) scene.draw();
    EXPECT_GT(scene.fade, 0);
    scene.draw();
    EXPECT_NEAR(scene.fade, 0, 1e-4);
}

TEST_F(SceneTiming, ProgressFollowsTheClockAndStaysWithinItsEnds) {
    TIntroOne scene;
    scene.setup();
    scene.Start();
    scene.CountPer();
    EXPECT_FLOAT_EQ(scene.per, 0);
    SysAdvanceFixedClock(7500);
    scene.CountPer();
    EXPECT_NEAR(scene.per, 0.5f, 1e-3);
    EXPECT_NEAR(scene.SinPer(), 0.7071f, 1e-3);
    SysAdvanceFixedClock(60000);
    scene.CountPer();
    EXPECT_FLOAT_EQ(scene.per, 1);
    // A scene without a duration of its own counts as complete.
    TIntroFive five;
    five.setup();
    five.Start();
    five.CountPer();
    EXPECT_FLOAT_EQ(five.per, 1);
}
}  // namespace
