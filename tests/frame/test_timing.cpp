// Frame timer, frame delta, the approach rule and screen fades.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "frame/screen.h"
#include "frame/timing.h"

namespace {
// Drives a timer with a hand-made clock instead of SysMillisecs.
struct ManualTimer : TDeltaTime {
    int now = 0;
    void Tick(int ms) {
        now += ms;
        CurrTime = now;
        ElapsedTime = CurrTime - OldTime;
        OldTime = CurrTime;
        if (CheckTime < CurrTime) {
            CheckTime = CurrTime + 1000;
            CurrFps = FPSCounter;
            FPSCounter = 0;
        } else {
            FPSCounter += 1;
        }
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

TEST(DeltaTime, DeltaIsOneAtSixtyAndTwoAtThirtyFramesPerSecond) {
    ManualTimer timer;
    timer.SetFPS(60);
    timer.Tick(1000);
    timer.ElapsedTime = 1000 / 60;  // 16 ms
    EXPECT_NEAR(timer.CurrDelta(), 0.96f, 0.01f);
    timer.ElapsedTime = 50;
    EXPECT_FLOAT_EQ(timer.CurrDelta(), 3.0f);
}

TEST(DeltaTime, FpsIsZeroInTheFirstSecondThenCountsThePreviousSecond) {
    ManualTimer timer;
    timer.Tick(10);  // restarts the count: CheckTime = 1010
    EXPECT_EQ(timer.FPS(), 0);
    for (int i = 0; i < 99; ++i) timer.Tick(10);  // up to 1000 ms: 99 frames counted
    EXPECT_EQ(timer.FPS(), 0);
    timer.Tick(10);  // 1010: not past CheckTime yet
    timer.Tick(10);  // 1020: the count restarts, this frame is not counted
    EXPECT_EQ(timer.FPS(), 100);
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
