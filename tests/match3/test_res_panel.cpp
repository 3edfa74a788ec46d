// Resource panels (slide, counting, flash) and the cell animations of a
// level's start and end.
#include <cmath>

#include "main_game_fixture.h"
#include "match3/fantom.h"
#include "match3/res_panel.h"

namespace {

class ResPanel : public Match3Test {
protected:
    std::shared_ptr<TResPanel> panel = TResPanel::CreateNew(150, 1, 0);
    void Frames(int n) {
        for (int i = 0; i < n; i++) {
            panel->update();
            GfxFlip(0);
        }
    }
};

}  // namespace

TEST_F(ResPanel, ShowWaitsForItsDelayThenSlidesInWithAnOvershoot) {
    panel->Show(700);
    Frames(41);  // 683 ms
    EXPECT_EQ(panel->alpha, 0);
    EXPECT_EQ(panel->per, 0);
    float lowest = -100;
    int frames = 0;
    while (panel->per < 1 && frames < 100) {
        Frames(1);
        frames++;
        lowest = std::max(lowest, panel->y);
    }
    EXPECT_EQ(frames, 41);  // one frame to reach the start time, then 40
    EXPECT_GT(lowest, 5.0f);
    EXPECT_FLOAT_EQ(panel->y, 5.0f);
    EXPECT_FLOAT_EQ(panel->alpha, 1.0f);
    EXPECT_EQ(panel->state, 1);
}

TEST_F(ResPanel, HideSlidesUpAndFadesOut) {
    panel->Hide(0);
    Frames(41);
    EXPECT_FLOAT_EQ(panel->y, -50.0f);
    EXPECT_NEAR(panel->alpha, 0.0f, 1e-6f);
}

TEST_F(ResPanel, AGainFlashesAndCountsUpInRandomSteps) {
    int level = 0;
    panel->counter = &level;
    panel->Add(30);
    EXPECT_EQ(panel->donp, 1);
    Frames(1);
    EXPECT_EQ(level, 30);  // the level always holds the amount collected
    int steps = 1;
    while (panel->v < 30 && steps < 10) {
        Frames(1);
        steps++;
    }
    EXPECT_EQ(panel->v, 30);
    EXPECT_LE(steps, 3);
    // Up in 10 frames, down in 20.
    EXPECT_GT(panel->onp, 0);
    Frames(10 - steps);
    EXPECT_EQ(panel->onp, 1);
    EXPECT_EQ(panel->donp, 0);
    Frames(19);
    EXPECT_GT(panel->onp, 0);
    Frames(1);
    EXPECT_NEAR(panel->onp, 0, 1e-5f);
}

TEST_F(ResPanel, BigGainsCountInStepsOfTenToFifty) {
    panel->Add(1000);
    int last = 0;
    for (int i = 0; i < 100 && panel->v < 1000; i++) {
        Frames(1);
        const int step = panel->v - last;
        if (panel->v < 1000) {
            EXPECT_GE(step, 10);
            EXPECT_LE(step, 50);
        }
        last = panel->v;
    }
    EXPECT_EQ(panel->v, 1000);
}

TEST_F(ResPanel, OnTheLandScreenThePanelFollowsTheProfile) {
    int stock = 40;
    auto land = TResPanel::CreateNew(50, 0, 1);
    land->counter = &stock;
    for (int i = 0; i < 5; i++) land->update(), GfxFlip(0);
    EXPECT_EQ(land->dv, 40);
    EXPECT_EQ(land->v, 40);
    EXPECT_EQ(stock, 40);
}

TEST_F(ResPanel, ThePanelPointsWhereFlyersLand) {
    panel->Show(0);
    Frames(60);
    EXPECT_FLOAT_EQ(panel->GetPointX(), 188);
    EXPECT_FLOAT_EQ(panel->GetPointY(), 97);
}

// ---------------------------------------------------------------------------
// Cell animations
// ---------------------------------------------------------------------------
namespace {

class Fantoms : public MainGameTest {
protected:
    void UpdateFrames(int n) {
        for (int i = 0; i < n; i++) {
            UpdateFantoms();
            GfxFlip(0);
        }
    }
};

}  // namespace

TEST_F(Fantoms, AnAppearingCellStaysHiddenForItsDelayThenSpinsIntoPlace) {
    Load(BoardWithGoal());
    TTile* t = board.level->At(4, 4);
    auto f = CreateFantomAppear(t, 1500);
    EXPECT_EQ(t->_fantom, f);
    UpdateFrames(89);  // 1483 ms
    EXPECT_EQ(f->per, 0);
    EXPECT_FLOAT_EQ(f->x, 536);
    EXPECT_FLOAT_EQ(f->y, 400);
    int frames = 0;
    float maxRotation = 0;
    while (t->_fantom && frames < 100) {
        UpdateFrames(1);
        frames++;
        maxRotation = std::max(maxRotation, f->rotation);
    }
    EXPECT_EQ(frames, 21);  // one frame to reach the start time, then 20
    EXPECT_FLOAT_EQ(maxRotation, 360);
    EXPECT_FLOAT_EQ(f->scale, 1);
    EXPECT_FLOAT_EQ(f->x, static_cast<float>(t->drawX));
    EXPECT_FLOAT_EQ(f->y, static_cast<float>(t->drawY));
    EXPECT_TRUE(fantomList.empty());
    EXPECT_TRUE(FantomsFinished());
}

TEST_F(Fantoms, AFlyingAwayCellLeavesAcrossTheCentreAndStaysHidden) {
    Load(BoardWithGoal());
    TTile* t = board.level->At(0, 0);
    auto f = CreateFantomFlyAway(t, 1000);
    // From the top-left cell toward the centre and beyond, to the far side.
    EXPECT_GT(f->x2, 536);
    EXPECT_GT(f->y2, 400);
    EXPECT_NEAR(std::hypot((f->x2 - 536) / 536, (f->y2 - 400) / 400), 1, 1e-4);
    EXPECT_FALSE(FantomsFinished());
    UpdateFrames(59);
    EXPECT_EQ(f->per, 0);
    EXPECT_EQ(f->alpha, 1);
    UpdateFrames(51);
    EXPECT_GT(f->ady, 0);
    EXPECT_LT(f->alpha, 1);
    EXPECT_FALSE(FantomsFinished());
    UpdateFrames(50);
    EXPECT_EQ(f->per, 1);
    EXPECT_NEAR(f->ady, 150, 1e-3);
    EXPECT_TRUE(fantomList.empty());
    EXPECT_TRUE(FantomsFinished());
    EXPECT_EQ(t->_fantom, f);  // the cell is not drawn again
}

TEST_F(Fantoms, TheLevelStartHidesEveryCellAndShowsThePanelsInTurn) {
    TLevel& level = Start(BoardWithGoal());
    EXPECT_EQ(fantomList.size(), level.tile.size());
    for (auto& t : level.tile) EXPECT_TRUE(t->_fantom);
    for (int n = 0; n < 4; n++) {
        EXPECT_EQ(game.res[n]->state, 1);
        EXPECT_EQ(game.res[n]->time, SysMillisecs() + 100 * n + 500);
    }
    // The last cell starts by 1.5 s and needs 20 frames: state 0 by about 1.9 s.
    int frames = 0;
    while (game.state == M3_APPEARING && frames < 200) {
        Frame();
        frames++;
    }
    EXPECT_LE(frames, 92 + 22);
    for (auto& t : level.tile) EXPECT_FALSE(t->_fantom);
    EXPECT_EQ(game.dFrameA, 1);
}
