// Caption animations: the length and end values of every step, start
// delays, and the list walk when captions end.
#include <gtest/gtest.h>

#include <cmath>

#include "effects_fixture.h"

namespace {

class Captions : public EffectsTest {};

// Runs UpdateCaptions until the caption leaves the list; the number of updates.
int UpdatesUntilGone(const std::shared_ptr<TCaption>& c, int limit = 2000) {
    int n = 0;
    while (c->node.inList() && n < limit) {
        UpdateCaptions();
        ++n;
    }
    return n;
}

void UpdateTimes(int n) {
    for (int i = 0; i < n; ++i) UpdateCaptions();
}

}  // namespace

TEST_F(Captions, GetReadySwingsInSinksAndSwingsOut) {
    auto c = CreateCaptionGetReady(0);
    EXPECT_FLOAT_EQ(c->x1, 0);
    EXPECT_FLOAT_EQ(c->y1, 250);

    UpdateTimes(20);  // halfway through the first step
    const float per = std::sin(3.14159265f / 4);
    EXPECT_NEAR(c->per, per, 1e-5);
    EXPECT_NEAR(c->x, -600 * per * per + 1200 * per, 1e-2);
    EXPECT_NEAR(c->y, 634 * per * per - 500 * per + 250, 1e-2);
    EXPECT_NEAR(c->a, 0.5f, 1e-4);
    EXPECT_NEAR(c->rot, -90 * (1 - per), 1e-3);

    UpdateTimes(20);  // the first step lasts 40 frames
    EXPECT_EQ(c->myStep, 1);
    EXPECT_NEAR(c->x, 600, 1e-3);
    EXPECT_NEAR(c->y, 384, 1e-3);
    EXPECT_NEAR(c->rot, 0, 1e-3);
    EXPECT_FLOAT_EQ(c->a, 1);
    EXPECT_FLOAT_EQ(c->sx, 1);

    UpdateTimes(20);  // sinks 100 pixels in 20 frames
    EXPECT_EQ(c->myStep, 2);
    EXPECT_NEAR(c->y, 484, 1e-3);
    EXPECT_FLOAT_EQ(c->x2, 1000);
    EXPECT_FLOAT_EQ(c->mx, 600);
    EXPECT_FLOAT_EQ(c->my, 250);

    UpdateTimes(39);
    EXPECT_TRUE(c->node.inList());
    UpdateCaptions();  // 100 frames in all
    EXPECT_FALSE(c->node.inList());
    EXPECT_NEAR(c->x, 1000, 1e-3);
    EXPECT_NEAR(c->a, 0, 1e-5);
    EXPECT_NEAR(c->rot, 90, 1e-3);
}

TEST_F(Captions, GoPopsInAndFadesOut) {
    auto c = CreateCaptionGo(0);
    EXPECT_FLOAT_EQ(c->x, 512);
    EXPECT_FLOAT_EQ(c->y, 384);
    EXPECT_FLOAT_EQ(c->sx, 0);  // a new caption is invisible until its first update
    UpdateTimes(50);
    EXPECT_EQ(c->myStep, 1);
    EXPECT_NEAR(c->sx, 0.75f, 1e-4);
    EXPECT_NEAR(c->sy, 0.8f, 1e-4);
    EXPECT_NEAR(c->x1, 0.75f, 1e-4);
    EXPECT_FLOAT_EQ(c->a, 1);
    UpdateTimes(25);
    EXPECT_NEAR(c->a, 0.5f, 1e-4);
    EXPECT_EQ(UpdatesUntilGone(c), 25);
}

TEST_F(Captions, LevelCompletedSpinsInBreathesAndShrinksAway) {
    auto c = CreateCaptionLevelCompleted(0);
    UpdateTimes(50);
    EXPECT_EQ(c->myStep, 1);
    EXPECT_NEAR(c->rot, 360, 1e-2);
    UpdateTimes(50);  // the slow breath: scale at its top halfway
    EXPECT_NEAR(c->sx, 0.75f + 0.25f * std::sin(3.14159265f * 2 * std::sin(3.14159265f / 4)), 1e-3);
    UpdateTimes(50);
    EXPECT_EQ(c->myStep, 2);
    EXPECT_EQ(UpdatesUntilGone(c), 50);
    EXPECT_NEAR(c->a, 0, 1e-5);
    EXPECT_NEAR(c->sx, 0, 1e-4);
}

TEST_F(Captions, NoMovesStartsAfter200msAndLasts200Frames) {
    auto c = CreateCaptionNoMoves();
    EXPECT_EQ(c->startTime, SysMillisecs() + 200);
    UpdateTimes(5);  // not started yet
    EXPECT_FLOAT_EQ(c->y, 250);
    EXPECT_FLOAT_EQ(c->p, 0);
    AdvanceClock(200);
    UpdateTimes(20);
    EXPECT_NEAR(c->a, 0.5f, 1e-3);
    EXPECT_FLOAT_EQ(c->y, 270);  // drifts down a pixel a frame
    UpdateTimes(20);
    EXPECT_NEAR(c->a, 1, 1e-5);  // fully shown from a fifth on
    UpdateTimes(100);
    EXPECT_FLOAT_EQ(c->a, 1);
    UpdateTimes(40);
    EXPECT_NEAR(c->a, 0.5f, 1e-3);
    EXPECT_EQ(UpdatesUntilGone(c), 20);  // 200 frames in all
}

TEST_F(Captions, UnlockInfoDropsSlidesThenSpinsAway) {
    for (int kind : {CAPTION_UNLOCKED_BUILDING, CAPTION_UNLOCKED_UPGRADE}) {
        auto c = CreateCaptionUnlockInfo(kind, 0);
        EXPECT_FLOAT_EQ(c->y, -200);
        UpdateTimes(40);
        EXPECT_NEAR(c->x, 512, 1e-3);
        EXPECT_NEAR(c->y, 200, 1e-3);
        EXPECT_EQ(c->infoState, 0);
        int frames = 0;
        while (c->infoState == 0 && frames < 1000) {
            UpdateCaptions();
            ++frames;
        }
        // The slide grows by 0.2 a frame until it passes 30 pixels.
        EXPECT_GE(frames, 149);
        EXPECT_LE(frames, 151);
        EXPECT_NEAR(c->y1, 230, 0.5);
        EXPECT_FLOAT_EQ(c->y1, c->y);
        EXPECT_FLOAT_EQ(c->y2, 100);
        EXPECT_FLOAT_EQ(c->my, 200);
        EXPECT_EQ(UpdatesUntilGone(c), 20);
        EXPECT_NEAR(c->y, 100, 1e-3);
        EXPECT_NEAR(c->sx, 0, 1e-5);
        EXPECT_NEAR(c->rot, -180, 1e-3);
    }
}

TEST_F(Captions, WaitForTheirStartTime) {
    auto c = CreateCaptionGo(500);
    UpdateTimes(10);
    EXPECT_FLOAT_EQ(c->p, 0);
    AdvanceClock(500);
    UpdateCaptions();
    EXPECT_GT(c->p, 0);
}

TEST_F(Captions, LargeFrameDeltaEndsAStepAtOnce) {
    auto c = CreateCaptionGo(0);
    frameDelta = 100;
    UpdateCaptions();
    EXPECT_EQ(c->myStep, 1);
    EXPECT_FLOAT_EQ(c->p, 0);
    UpdateCaptions();
    EXPECT_FALSE(c->node.inList());
}

TEST_F(Captions, CaptionsEndingInTheSameFrameAllLeave) {
    auto a = CreateCaptionGo(0);
    auto b = CreateCaptionGo(0);
    auto slow = CreateCaptionLevelCompleted(0);
    auto d = CreateCaptionGo(0);
    UpdateTimes(100);
    EXPECT_EQ(captionList.size(), 1u);
    EXPECT_EQ(captionList.front(), slow);
    ClearCaptions();
    EXPECT_TRUE(captionList.empty());
}

TEST_F(Captions, UnknownKindLeavesAtItsFirstUpdate) {
    auto c = CreateCaptionUnlockInfo(9, 0);
    UpdateCaptions();
    EXPECT_TRUE(captionList.empty());
}
