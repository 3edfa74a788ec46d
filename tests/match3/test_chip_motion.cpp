// Chips: kinds, movability, falls, landing, appearing, shake and cross-fade.
#include "frame/globals.h"
#include "m3_fixture.h"

using ChipMotion = Match3Test;

namespace {

LevelSpec Column() {
    LevelSpec s;
    s.tiles = {"1", "1", "1"};
    s.chips = {"A", ".", "B"};
    return s;
}

}  // namespace

TEST_F(ChipMotion, KindsById) {
    TChip c;
    c.id = 200;
    EXPECT_FALSE(c.isPowerUp());
    EXPECT_FALSE(c.isSpecialChip());
    c.id = 101;
    EXPECT_TRUE(c.isPowerUp());
    EXPECT_FALSE(c.isSpecialChip());
    c.id = 201;
    EXPECT_TRUE(c.isSpecialChip());
    EXPECT_FALSE(c.isPowerUp());
}

TEST_F(ChipMotion, MovableStatesAndLocks) {
    Load(Column());
    TChip& c = *T(0, 0)->chip;
    for (int s : {0, 2, 5, 6}) {
        c.state = s;
        EXPECT_TRUE(c.CanMove()) << s;
    }
    for (int s : {1, 3, 4}) {
        c.state = s;
        EXPECT_FALSE(c.CanMove()) << s;
    }
    c.state = 0;
    T(0, 0)->chain = 1;
    EXPECT_FALSE(c.CanMove());
    T(0, 0)->chain = 0;
    T(0, 0)->chest = 1;
    EXPECT_FALSE(c.CanMove());
}

TEST_F(ChipMotion, AFallTakesSixFramesAtDeltaOneAndThreeAtTwo) {
    for (float fd : {1.0f, 2.0f}) {
        Load(Column());
        frameDelta = fd;
        Step();  // the chip moves down into the empty cell and starts falling
        ASSERT_EQ(ChipId(1, 0), 1);
        TChip& c = *T(1, 0)->chip;
        EXPECT_EQ(c.state, CHIP_FALLING);
        EXPECT_EQ(c.vy, -48);
        int frames = 0;
        while (c.state == CHIP_FALLING && frames < 20) {
            c.update();
            frames++;
        }
        EXPECT_EQ(frames, fd == 1 ? 6 : 3);
        EXPECT_EQ(c.vy, 0);
        EXPECT_EQ(c.state, CHIP_LANDING);  // nothing below to fall into, no line
    }
}

TEST_F(ChipMotion, LandingBounceRisesFivePixelsForTenFrames) {
    Load(Column());
    TChip& c = *T(2, 0)->chip;
    c.Land();
    float top = 0;
    int frames = 0;
    while (c.state == CHIP_LANDING && frames < 30) {
        c.update();
        top = std::min(top, c.vy);
        frames++;
    }
    EXPECT_EQ(frames, 10);
    EXPECT_FLOAT_EQ(top, -5);
    EXPECT_EQ(c.vy, 0);
}

TEST_F(ChipMotion, AppearingChipFadesInWhileSlidingDown) {
    Load(Column());
    TChip& c = *T(2, 0)->chip;
    c.CreateMe();
    EXPECT_EQ(c.alpha, 0);
    c.update();
    EXPECT_NEAR(c.alpha, 8.0f / 48, 1e-5);
    for (int i = 0; i < 5; i++) c.update();
    EXPECT_EQ(c.alpha, 1);
    EXPECT_EQ(c.state, CHIP_LANDING);
}

TEST_F(ChipMotion, ShakeRocksUntilStopped) {
    Load(Column());
    TChip& c = *T(0, 0)->chip;
    c.Shake(1);
    EXPECT_EQ(c.startShake, 1);
    float lo = 0, hi = 0;
    for (int i = 0; i < 60; i++) {
        c.update();
        lo = std::min(lo, c.ShakeRotAdd());
        hi = std::max(hi, c.ShakeRotAdd());
    }
    EXPECT_FLOAT_EQ(lo, -10);
    EXPECT_FLOAT_EQ(hi, 10);
    EXPECT_GT(c.startShake, 2);
    c.ShakeStop();
    EXPECT_EQ(c.startShake, 0);
    EXPECT_EQ(c.ShakeRotAdd(), 0);
}

TEST_F(ChipMotion, ChangeToCrossFadesAndIsIgnoredWhenBusy) {
    Load(Column());
    TChip& c = *T(0, 0)->chip;
    auto bomb = FindChip(101);
    auto scroll = FindChip(201);
    c.ChangeTo(bomb);
    c.ChangeTo(scroll);  // a change is already pending
    EXPECT_EQ(c.changeChipTo, bomb);
    for (int i = 0; i < 19; i++) c.update();
    EXPECT_EQ(c.id, 1);
    c.update();
    EXPECT_EQ(c.id, 101);
    EXPECT_EQ(c.changeChipTo, nullptr);

    TChip& d = *T(2, 0)->chip;
    d.Destroy(1000, 0, 0);
    d.ChangeTo(bomb);
    EXPECT_EQ(d.changeChipTo, nullptr);
}

TEST_F(ChipMotion, CopyKeepsTheKindOnly) {
    auto proto = FindChip(3);
    proto->state = CHIP_FALLING;
    auto copy = proto->Copy();
    EXPECT_EQ(copy->id, 3);
    EXPECT_EQ(copy->res, 2);
    EXPECT_EQ(copy->resQ, 2);
    EXPECT_EQ(copy->state, CHIP_RESTING);
    EXPECT_EQ(CreateChip(55), nullptr);
}
