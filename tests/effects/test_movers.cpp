// Effects that travel: falling pieces, resource flyers, simple flying
// objects, firework sparks and bombs, with what they hand back to the game.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "effects_fixture.h"

namespace {

class Movers : public EffectsTest {
protected:
    void SetUp() override {
        EffectsTest::SetUp();
        SoundHooks().play = [this](const std::string& s) { sounds.push_back(s); };
        SoundHooks().play1 = [this](const std::string& s) { sounds.push_back("1:" + s); };
    }
    std::vector<std::string> sounds;
};

}  // namespace

// ---------------------------------------------------------------------------
// Falling pieces
// ---------------------------------------------------------------------------
TEST_F(Movers, FallingPieceHopsFallsAndLeavesBelowTheScreen) {
    auto o = CreateOdpadek(nullptr, 300, 400, 100);
    EXPECT_TRUE(o->vectorX == -1 || o->vectorX == 1);
    EXPECT_GE(o->vectorY, -4);
    EXPECT_LE(o->vectorY, -2);
    DrawOdpadeks();  // waiting for its delay
    EXPECT_FLOAT_EQ(o->x, 300);
    EXPECT_FLOAT_EQ(o->y, 400);

    AdvanceClock(100);
    const float vx = o->vectorX, vy = o->vectorY;
    DrawOdpadeks();
    EXPECT_FLOAT_EQ(o->x, 300 + vx);
    EXPECT_FLOAT_EQ(o->y, 400 + vy);
    EXPECT_FLOAT_EQ(o->shadow, 0.2f);
    EXPECT_FLOAT_EQ(o->vectorX, vx * 1.025f);  // speeds up sideways
    EXPECT_FLOAT_EQ(o->vectorY, vy + 0.2f);

    float lowest = o->y;
    int frames = 1;
    while (o->node.inList() && frames < 1000) {
        DrawOdpadeks();
        lowest = std::min(lowest, o->y);
        ++frames;
        EXPECT_LE(o->shadow, 3);
        EXPECT_LE(std::abs(o->vectorX), 5);
        EXPECT_LE(o->vectorY, 20);
    }
    EXPECT_LT(lowest, 400);  // it went up first
    EXPECT_GT(o->y, 800);
    EXPECT_LT(frames, 200);
    EXPECT_TRUE(odpadekList.empty());
}

// ---------------------------------------------------------------------------
// Resource flyers
// ---------------------------------------------------------------------------
TEST_F(Movers, FlyerFollowsItsCurveRestsOnePanelFrameAndCredits) {
    std::vector<std::pair<int, int>> credits;
    EffectHooks().resourcePanelPoint = [](int res, float& x, float& y) {
        x = 100.0f + static_cast<float>(res);
        y = 700;
        return true;
    };
    EffectHooks().resourcePanelAdd = [&](int res, int amount) { credits.emplace_back(res, amount); };
    EffectHooks().haveItem = [](int item) { return item == 24; };

    AdvanceClock(1);  // trails start once the clock has passed 0
    auto f = CreateFlyer(1, 5, 500, 300);
    EXPECT_FLOAT_EQ(f->x2, 101);
    EXPECT_FLOAT_EQ(f->y2, 700);
    EXPECT_LE(std::abs(f->mx - 500), 250);
    EXPECT_LE(std::abs(f->my - 300), 250);

    DrawFlyers();
    EXPECT_NEAR(f->per, 0.025f, 1e-6);
    EXPECT_NEAR(f->x, QuadPath(500, f->mx, 101, f->per), 1e-3);
    EXPECT_EQ(particleList.size(), 12u);  // the first trail at once
    EXPECT_FLOAT_EQ(f->lastX, f->x);
    DrawFlyers();  // the next trail waits 20 ms
    EXPECT_EQ(particleList.size(), 12u);

    for (int i = 2; i < 40; ++i) DrawFlyers();
    EXPECT_TRUE(f->node.inList());
    DrawFlyers();  // overshoots: rests on the panel
    EXPECT_EQ(f->bylo, 1);
    EXPECT_FLOAT_EQ(f->x, 101);
    EXPECT_FLOAT_EQ(f->y, 700);
    EXPECT_TRUE(credits.empty());
    DrawFlyers();
    EXPECT_FALSE(f->node.inList());
    ASSERT_EQ(credits.size(), 1u);
    EXPECT_EQ(credits[0], std::make_pair(1, 5));  // item 23 not owned: no bonus
    EXPECT_EQ(sounds, std::vector<std::string>{"coins"});
}

TEST_F(Movers, FlyerBonusItemsByResource) {
    std::vector<int> asked;
    int credited = 0;
    EffectHooks().haveItem = [&](int item) {
        asked.push_back(item);
        return true;
    };
    EffectHooks().resourcePanelAdd = [&](int, int amount) { credited += amount; };
    for (int res = 0; res < 4; ++res) {
        auto f = CreateFlyer(res, 2, 10, 10);
        f->destroy();
        f->destroy();  // credited once only
    }
    EXPECT_EQ(asked, (std::vector<int>{22, 23, 24, 22}));
    EXPECT_EQ(credited, 4 * 3);
    EXPECT_EQ(FlyerBonusItem(7), -1);
}

TEST_F(Movers, FlyerWithoutAPanelEndsWhereItStarted) {
    auto f = CreateFlyer(0, 1, 40, 50);
    EXPECT_FLOAT_EQ(f->x2, 40);
    EXPECT_FLOAT_EQ(f->y2, 50);
    EffectHooks().resourcePanelPoint = [](int, float& x, float& y) {
        x = y = 999;
        return false;
    };
    auto g = CreateFlyer(0, 1, 40, 50);
    EXPECT_FLOAT_EQ(g->x2, 40);
    int frames = 0;
    while (!flyerList.empty() && frames < 100) {
        DrawFlyers();
        ++frames;
    }
    EXPECT_EQ(frames, 42);  // 41 frames of flight (0.025 a frame passes 1), one at rest
}

// ---------------------------------------------------------------------------
// Simple flying objects
// ---------------------------------------------------------------------------
TEST_F(Movers, FlyingObjectEasesAlongItsCornerCurve) {
    auto o = CreateSimpleFlyingObject(nullptr, 100, 200, 500, 600, 3);
    const bool viaX2 = o->mx == 500 && o->my == 200;
    const bool viaY2 = o->mx == 100 && o->my == 600;
    EXPECT_TRUE(viaX2 || viaY2);
    EXPECT_FLOAT_EQ(o->x, 100);  // t = 0: the start
    EXPECT_EQ(IsFlyingToPowerUp(3), 1);
    EXPECT_EQ(IsFlyingToPowerUp(2), 0);

    for (int i = 0; i < 20; ++i) DrawSimpleFlyingObjects();
    const float per = std::sin(3.14159265f / 4);
    EXPECT_NEAR(o->per, per, 1e-5);
    EXPECT_NEAR(o->x, QuadPath(100, o->mx, 500, per), 1e-3);
    EXPECT_NEAR(o->y, QuadPath(200, o->my, 600, per), 1e-3);

    int returned = -1;
    EffectHooks().powerUpReturned = [&](int slot) { returned = slot; };
    for (int i = 0; i < 20; ++i) DrawSimpleFlyingObjects();
    EXPECT_NEAR(o->x, 500, 1e-3);  // t = 1: the end
    EXPECT_NEAR(o->y, 600, 1e-3);
    EXPECT_EQ(o->bylo, 1);
    EXPECT_TRUE(o->node.inList());  // rests one update on its end point
    DrawSimpleFlyingObjects();
    EXPECT_FALSE(o->node.inList());
    EXPECT_EQ(returned, 3);
    EXPECT_EQ(sounds, std::vector<std::string>{"powerup-back"});
    EXPECT_EQ(IsFlyingToPowerUp(3), 0);
}

TEST_F(Movers, FlyingObjectWithoutSlotDoesNotTouchTheGame) {
    bool called = false;
    EffectHooks().powerUpReturned = [&](int) { called = true; };
    CreateSimpleFlyingObject(nullptr, 1, 1, 2, 2, -1);
    for (int i = 0; i < 41; ++i) DrawSimpleFlyingObjects();
    EXPECT_TRUE(simpleFlyingObjectList.empty());
    EXPECT_FALSE(called);
    EXPECT_EQ(sounds, std::vector<std::string>{"powerup-back"});
}

TEST_F(Movers, ListClearedByALandingObjectEndsTheWalkSafely) {
    // The first object lands and its hook clears the list under the walk.
    EffectHooks().powerUpReturned = [](int) { ClearSimpleFlyingObjects(); };
    auto first = CreateSimpleFlyingObject(nullptr, 1, 1, 2, 2, 0);
    for (int i = 0; i < 30; ++i) DrawSimpleFlyingObjects();
    auto second = CreateSimpleFlyingObject(nullptr, 1, 1, 2, 2, 1);
    for (int i = 0; i < 11; ++i) DrawSimpleFlyingObjects();
    EXPECT_TRUE(simpleFlyingObjectList.empty());
    EXPECT_NEAR(second->p, 10 * 0.025f, 1e-5);  // not updated in the frame that cleared the list
    EXPECT_FALSE(second->node.inList());
}

// ---------------------------------------------------------------------------
// Fireworks
// ---------------------------------------------------------------------------
TEST_F(Movers, FireworkSparkFallsAndFadesAfterHalfASecond) {
    auto f = CreateFireWork(100, 100, 2, -3, NewRGB(1, 2, 3));
    EXPECT_EQ(f->time, SysMillisecs() + 500);
    EXPECT_GE(f->ady, 0.025f);
    EXPECT_LT(f->ady, 0.05f);
    EXPECT_FLOAT_EQ(f->a, 1);
    EXPECT_EQ(f->n, 0);
    EXPECT_EQ(fireWorkList.size(), 1u);
    const float g = f->ady;

    TFireWork::updateAll();
    EXPECT_FLOAT_EQ(f->x, 102);
    EXPECT_FLOAT_EQ(f->y, 97);
    EXPECT_FLOAT_EQ(f->ay, -3 + g);
    EXPECT_FLOAT_EQ(f->rot, 3);
    EXPECT_FLOAT_EQ(f->a, 1);  // no fading yet

    AdvanceClock(501);
    TFireWork::updateAll();
    EXPECT_FLOAT_EQ(f->a, 0.975f);
    int frames = 1;
    while (f->node.inList() && frames < 100) {
        TFireWork::updateAll();
        ++frames;
    }
    EXPECT_GE(frames, 40);  // alpha passes below zero after 40 fading frames
    EXPECT_LE(frames, 41);
    EXPECT_FLOAT_EQ(f->a, 0);
}

TEST_F(Movers, FireworkBurstThrowsARingOf36Sparks) {
    CreateFireWorkBurst(400, 300);
    ASSERT_EQ(fireWorkList.size(), 36u);
    int i = 0;
    fireWorkList.forEach([&](TFireWork& f) {
        const float angle = static_cast<float>(1 + 10 * i) * 3.14159265f / 180;
        const float speed = std::hypot(f.ax, f.ay);
        EXPECT_GE(speed, 1.5f * 0.75f - 1e-4);
        EXPECT_LE(speed, 2.0f * 0.75f + 1e-4);
        EXPECT_NEAR(std::atan2(f.ay, f.ax), std::atan2(std::sin(angle), std::cos(angle)), 1e-4);
        EXPECT_EQ(f.n, 2);
        const int lit = (f.rgb.r > 0) + (f.rgb.g > 0) + (f.rgb.b > 0);
        EXPECT_TRUE(lit == 1 || (lit == 2 && f.rgb.b == 0));  // red, green, blue or yellow
        for (float c : {f.rgb.r, f.rgb.g, f.rgb.b}) EXPECT_TRUE(c == 0 || (c >= 230 && c <= 255));
        ++i;
    });
}

// ---------------------------------------------------------------------------
// Bombs
// ---------------------------------------------------------------------------
TEST_F(Movers, BombAcceleratesToItsTargetAndStrikesOnce) {
    int strikes = 0;
    auto b = CreateBomb(
        589, 720, 289, 120, [&] { ++strikes; }, 150);
    EXPECT_FLOAT_EQ(b->mx, 589);  // control at the start: straight, accelerating
    DrawBombs();
    EXPECT_FLOAT_EQ(b->per, 0);  // waits for its delay
    AdvanceClock(150);

    for (int i = 0; i < 50; ++i) DrawBombs();
    EXPECT_NEAR(b->per, 0.5f, 1e-4);
    EXPECT_NEAR(b->x, 589 - 300 * 0.25f, 1e-2);
    EXPECT_NEAR(b->y, 720 - 600 * 0.25f, 1e-2);
    EXPECT_FLOAT_EQ(b->alpha, 1);
    EXPECT_NEAR(b->scale, 1 - 0.5f * std::sin(3.14159265f / 4), 1e-4);
    EXPECT_GE(b->ga, 0);
    EXPECT_LE(b->ga, 1);
    EXPECT_EQ(particleList.size(), 9u);  // sparks every 100 ms; the clock stands still here
    EXPECT_EQ(strikes, 0);

    for (int i = 0; i < 49; ++i) DrawBombs();
    EXPECT_EQ(strikes, 0);
    DrawBombs();  // 100 frames of flight
    EXPECT_EQ(strikes, 1);
    EXPECT_TRUE(bombList.empty());
    EXPECT_NEAR(b->x, 289, 1e-3);
    EXPECT_NEAR(b->scale, 0.5f, 1e-4);
    EXPECT_EQ(sounds, std::vector<std::string>{"1:boom"});
    b->Destroy();
    EXPECT_EQ(strikes, 1);
}

TEST_F(Movers, BombGlowPulsesBetweenZeroAndOne) {
    auto b = CreateBomb(
        10, 10, 500, 500, [] {}, 0);
    b->ga = 0.9f;
    b->dga = 1;
    b->_updateChipBomb();
    b->_updateChipBomb();
    EXPECT_FLOAT_EQ(b->ga, 1);
    EXPECT_FLOAT_EQ(b->dga, 0);  // reached: now heads down
    b->_updateChipBomb();
    EXPECT_FLOAT_EQ(b->ga, 0.95f);
}

TEST_F(Movers, BombSparksTrailBehindTheBomb) {
    auto b = CreateBomb(
        100, 100, 100, 600, [] {}, 0);
    for (int i = 0; i < 30; ++i) b->update();
    const float lastY = b->lastY;
    AdvanceClock(101);
    ClearParticles();
    b->update();
    ASSERT_EQ(particleList.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        const TParticle& p = particleList.at(i);
        const float t0 = static_cast<float>(i + 1) / 10;
        EXPECT_NEAR(p.y1, b->y + t0 * (lastY - b->y), 1e-3);
        EXPECT_LE(std::abs(p.x2 - 100), 10);
        EXPECT_EQ(p.n, 0);
        EXPECT_FLOAT_EQ(p.ds, 2);
        EXPECT_TRUE(p.dr == 360 || p.dr == 450);
        EXPECT_EQ(p.lifeTime, 500);
    }
    EXPECT_FLOAT_EQ(b->lastY, b->y);
}

TEST_F(Movers, ClearedBombsNeverStrike) {
    int strikes = 0;
    CreateBomb(
        1, 1, 5, 5, [&] { ++strikes; }, 0);
    ClearBombs();
    for (int i = 0; i < 200; ++i) DrawBombs();
    EXPECT_EQ(strikes, 0);
}
