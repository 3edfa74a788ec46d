// Frame timer, frame delta, the approach rule and screen fades.
#include <gtest/gtest.h>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/screen.h"
#include "frame/timing.h"
#include "support/headless_platform.h"

namespace {
// The real timer on the headless platform's fixed-step clock: every flip is
// 1000/60 ms, SysAdvanceFixedClock adds single milliseconds or a stall.
class FrameTimer : public HeadlessPlatformTest {
protected:
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        // The global timer has run in earlier tests: give it the state of a
        // new one.
        const TDeltaTime fresh;
        deltaTime.OldTime = fresh.OldTime;
        deltaTime.ElapsedTime = fresh.ElapsedTime;
        deltaTime.CurrTime = fresh.CurrTime;
        deltaTime.CheckTime = fresh.CheckTime;
        deltaTime.CurrFps = fresh.CurrFps;
        deltaTime.FPSCounter = fresh.FPSCounter;
        deltaTime.SetFPS(60);
    }
    void TearDown() override {
        frameDelta = 1;
        HeadlessPlatformTest::TearDown();
    }
    static void NextFrame() {
        GfxFlip(0);
        UpdateDelta();
    }
};

int FramesToFadeIn(float delta) {
    TEkran screen;
    screen.fade = 0;
    screen.dFade = 1;
    frameDelta = delta;
    int frames = 0;
    while (screen.fade < 1 && frames < 1000) {
        screen._updateFade();
        ++frames;
    }
    return frames;
}
}  // namespace

TEST(DeltaTime, CreateAndSetFpsComputeTheFrameLength) {
    TDeltaTime* timer = TDeltaTime::Create(30);
    EXPECT_FLOAT_EQ(timer->dFps, 30);
    EXPECT_FLOAT_EQ(timer->dDelta, 1000.0f / 30.0f);
    timer->SetFPS(60);
    EXPECT_FLOAT_EQ(timer->dDelta, 1000.0f / 60.0f);
    delete timer;
}

TEST(DeltaTime, EveryTimerIsListedUntilDestroyed) {
    const size_t before = TDeltaTime::AllTimers().size();
    {
        TDeltaTime timer;
        EXPECT_EQ(TDeltaTime::AllTimers().size(), before + 1);
    }
    EXPECT_EQ(TDeltaTime::AllTimers().size(), before);
}

TEST_F(FrameTimer, DeltaIsTheFrameLengthInSixtiethsOfASecond) {
    UpdateDelta();
    NextFrame();  // 0 -> 16 ms
    EXPECT_NEAR(frameDelta, 0.96f, 0.001f);
    NextFrame();  // 16 -> 33 ms
    EXPECT_NEAR(frameDelta, 1.02f, 0.001f);
    SysAdvanceFixedClock(33);  // a frame at 30 per second
    UpdateDelta();
    EXPECT_NEAR(frameDelta, 1.98f, 0.001f);
    SysAdvanceFixedClock(50);
    UpdateDelta();
    EXPECT_FLOAT_EQ(frameDelta, 3.0f);
}

TEST_F(FrameTimer, AStallMovesTheGameOnByAtMostTenFrames) {
    UpdateDelta();
    SysAdvanceFixedClock(160);
    UpdateDelta();
    EXPECT_FLOAT_EQ(frameDelta, 9.6f);  // under the cap: kept
    SysAdvanceFixedClock(3000);
    UpdateDelta();
    EXPECT_FLOAT_EQ(deltaTime.CurrDelta(), 180.0f);
    EXPECT_FLOAT_EQ(frameDelta, MAX_FRAME_DELTA);
    EXPECT_FLOAT_EQ(MAX_FRAME_DELTA, 10.0f);
    NextFrame();  // and the next frame is an ordinary one again
    EXPECT_LT(frameDelta, 1.1f);
}

// A clock that steps back (the test clock started anew under a running timer, a wrapped
// counter) is no time passed: a negative delta would run every fade backwards past its end.
TEST_F(FrameTimer, AClockThatStepsBackIsNoTimePassed) {
    NextFrame();
    deltaTime.OldTime += 5000;  // the last tick as if it were five seconds ahead
    UpdateDelta();
    EXPECT_FLOAT_EQ(frameDelta, 0.0f);
    TEkran screen;
    screen.fade = 1;
    screen.dFade = 0;
    screen._updateFade();
    EXPECT_FLOAT_EQ(screen.fade, 1.0f);
    NextFrame();  // and the next frame is an ordinary one again
    EXPECT_NEAR(frameDelta, 1.0f, 0.05f);
}

TEST_F(FrameTimer, FpsCountsTheTicksOfTheSecondBeforeTheOneThatRestartsTheCount) {
    TDeltaTime timer;
    timer.Update();  // 0 ms: the first tick starts the first second, up to 1000 ms
    for (int ms = 1; ms <= 1000; ++ms) {
        SysAdvanceFixedClock(1);
        timer.Update();
        ASSERT_EQ(timer.FPS(), 0) << "still the first second at " << ms << " ms";
    }
    SysAdvanceFixedClock(1);
    timer.Update();  // 1001 ms: past the second; this tick is not counted
    EXPECT_EQ(timer.FPS(), 1000);
    for (int ms = 1002; ms <= 2001; ++ms) {
        SysAdvanceFixedClock(1);
        timer.Update();
    }
    EXPECT_EQ(timer.FPS(), 1000) << "2001 ms still belongs to the second from 1001 ms";
    SysAdvanceFixedClock(1);
    timer.Update();
    EXPECT_EQ(timer.FPS(), 1000);
}

TEST_F(FrameTimer, FpsReadsZeroInTheFirstSecondAfterStartUpThenSixty) {
    // The end of start-up: the flush of the loading pause, all at 0 ms on
    // the fixed-step clock.
    TEkran()._prepareDelta();
    for (int frame = 1; frame <= 60; ++frame) {
        NextFrame();
        ASSERT_EQ(deltaTime.FPS(), 0) << "frame " << frame;
    }
    NextFrame();  // 1016 ms
    EXPECT_EQ(deltaTime.FPS(), 60);
    for (int frame = 0; frame < 120; ++frame) NextFrame();
    EXPECT_EQ(deltaTime.FPS(), 60);
}

TEST(Approach, MovesTowardTheTargetAndStopsThere) {
    frameDelta = 1;
    EXPECT_FLOAT_EQ(Approach(0, 1, 0.3f), 0.3f);
    EXPECT_FLOAT_EQ(Approach(0.9f, 1, 0.3f), 1.0f);
    EXPECT_FLOAT_EQ(Approach(1, 0, 0.3f), 0.7f);
    EXPECT_FLOAT_EQ(Approach(0.1f, 0, 0.3f), 0.0f);
    EXPECT_FLOAT_EQ(Approach(0.5f, 0.5f, 0.3f), 0.5f);
    frameDelta = 2;
    EXPECT_FLOAT_EQ(Approach(0, 1, 0.3f), 0.6f);
}

TEST(Fade, TakesTwentyFramesAtSixtyAndTenAtThirtyFramesPerSecond) {
    EXPECT_EQ(FramesToFadeIn(1.0f), 20);
    EXPECT_EQ(FramesToFadeIn(2.0f), 10);
}

TEST(Fade, ScreenIsFadedOutOnlyWhenBothFadeAndTargetAreOne) {
    TEkran screen;
    screen.fade = 1;
    screen.dFade = 0;
    EXPECT_FALSE(screen.fadedOut());
    screen.dFade = 1;
    EXPECT_TRUE(screen.fadedOut());
}

TEST(Fade, AlphaFollowsItsTargetAtItsOwnSpeed) {
    TEkran screen;
    frameDelta = 1;
    screen.alpha = 0;
    screen.dAlpha = 1;
    screen.aSpeed = 0.25f;
    screen._updateAlpha();
    EXPECT_FLOAT_EQ(screen.alpha, 0.25f);
}
