// The quadratic path, particle life (delay, birth, end, fade-in-fade-out),
// the particle list and the emitters built on it.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "effects_fixture.h"

namespace {

// A particle from (100, 200) to (300, 600), control at the midpoint, with
// alpha 1 -> 0, scale 1 -> 3, rotation 0 -> 90.
TParticleRef MakeParticle(int delay, int life, TParticleList* list) {
    return CreateParticle(1, 100, 200, 300, 600, 200, 400, NewRGB(10, 20, 30), 1, 0, 1, 3, 0, 90,
                          GFX_BLEND_LIGHT, delay, life, list);
}

}  // namespace

TEST(QuadPath, EndsMidpointAndSpecialControlPoints) {
    EXPECT_FLOAT_EQ(QuadPath(10, 50, 30, 0), 10);
    EXPECT_FLOAT_EQ(QuadPath(10, 50, 30, 1), 30);
    // (x2 - 2 mx + x1) / 4 + (mx - x1) + x1 at t = 0.5
    EXPECT_FLOAT_EQ(QuadPath(10, 50, 30, 0.5f), (30 - 100 + 10) / 4.0f + 40 + 10);
    // Control at the start: accelerating straight line.
    EXPECT_FLOAT_EQ(QuadPath(0, 0, 100, 0.5f), 25);
    // Control halfway: uniform motion.
    EXPECT_FLOAT_EQ(QuadPath(0, 50, 100, 0.3f), 30);
}

class Particles : public EffectsTest {};

TEST_F(Particles, StartAtOriginCreatesNothing) {
    TParticleList list;
    EXPECT_FALSE(CreateParticle(0, 0, 0, 5, 5, 0, 0, TRGB{}, 1, 0, 1, 1, 0, 0, 4, 0, 100, &list));
    EXPECT_TRUE(list.empty());
    // Only the exact origin is refused.
    EXPECT_TRUE(CreateParticle(0, 0, 1, 5, 5, 0, 0, TRGB{}, 1, 0, 1, 1, 0, 0, 4, 0, 100, &list));
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(Particles, CreationSetsStartValuesAndGoesToTheGlobalListByDefault) {
    const int now = SysMillisecs();
    auto p = MakeParticle(250, 1000, nullptr);
    ASSERT_TRUE(p);
    EXPECT_EQ(particleList.size(), 1u);
    EXPECT_EQ(p->list, &particleList);
    EXPECT_EQ(p->startTime, now + 250);
    EXPECT_FLOAT_EQ(p->a, 1);
    EXPECT_FLOAT_EQ(p->startA, 1);
    EXPECT_FLOAT_EQ(p->da, 0);
    EXPECT_FLOAT_EQ(p->s, 1);
    EXPECT_FLOAT_EQ(p->ds, 3);
    EXPECT_FLOAT_EQ(p->dr, 90);
    EXPECT_EQ(p->blend, GFX_BLEND_LIGHT);
    EXPECT_EQ(p->lifeTime, 1000);
    EXPECT_FLOAT_EQ(p->deadAlpha, 0);
}

TEST_F(Particles, DelayThenLifeThenRemoval) {
    TParticleList list;
    const int t0 = SysMillisecs();
    MakeParticle(100, 400, &list);
    const TParticle& p = list.at(0);

    list.update(t0 + 99);  // still waiting: nothing moves
    EXPECT_FLOAT_EQ(p.lifePer, 0);
    EXPECT_FLOAT_EQ(p.x, 100);

    list.update(t0 + 150);  // first update after the delay: born now
    EXPECT_EQ(p.bornTime, t0 + 150);
    EXPECT_FLOAT_EQ(list.at(0).lifePer, 0);

    list.update(t0 + 350);  // half of its life
    const TParticle& half = list.at(0);
    EXPECT_FLOAT_EQ(half.lifePer, 0.5f);
    EXPECT_FLOAT_EQ(half.a, 0.5f);
    EXPECT_FLOAT_EQ(half.s, 2);
    EXPECT_FLOAT_EQ(half.r, 45);
    EXPECT_FLOAT_EQ(half.x, 200);  // control halfway: uniform motion
    EXPECT_FLOAT_EQ(half.y, 400);

    list.update(t0 + 550);  // exactly its life: still there, at the end
    ASSERT_EQ(list.size(), 1u);
    EXPECT_FLOAT_EQ(list.at(0).lifePer, 1);
    EXPECT_FLOAT_EQ(list.at(0).x, 300);

    list.update(t0 + 551);  // past its life: gone
    EXPECT_TRUE(list.empty());
}

TEST_F(Particles, LifeFractionNeverExceedsOneEvenOnItsLastUpdate) {
    TParticleList list;
    const int t0 = SysMillisecs();
    MakeParticle(0, 100, &list);
    list.update(t0);
    TParticle copy = list.at(0);
    copy.list = nullptr;
    copy.updateAt(t0 + 5000);
    EXPECT_FLOAT_EQ(copy.lifePer, 1);
    EXPECT_FLOAT_EQ(copy.x, 300);  // the remaining steps still ran
    EXPECT_TRUE(copy.isDead());
}

TEST_F(Particles, BirthAtClockZeroIsKept) {
    TParticle p;
    p.lifeTime = 1000;
    p.x1 = 1;
    p.updateAt(0);
    p.updateAt(500);
    EXPECT_EQ(p.bornTime, 0);
    EXPECT_FLOAT_EQ(p.lifePer, 0.5f);
}

TEST_F(Particles, ZeroLifeEndsAtOnceWithoutNaN) {
    TParticleList list;
    const int t0 = SysMillisecs();
    CreateParticle(0, 5, 5, 9, 9, 7, 7, TRGB{}, 1, 0, 1, 1, 0, 0, 4, 0, 0, &list);
    TParticle copy = list.at(0);
    copy.list = nullptr;
    copy.updateAt(t0);
    EXPECT_FALSE(std::isnan(copy.a));
    EXPECT_FLOAT_EQ(copy.x, 9);
    list.update(t0);
    EXPECT_EQ(list.size(), 1u);
    list.update(t0 + 1);
    EXPECT_TRUE(list.empty());
}

TEST_F(Particles, FadeInFadeOutPeaksAtHalfLifeWhateverTheEndAlpha) {
    for (float endAlpha : {0.0f, 1.0f, 0.3f}) {
        TParticleList list;
        const int t0 = SysMillisecs();
        auto ref = CreateParticle(0, 5, 5, 9, 9, 7, 7, TRGB{}, 0, endAlpha, 1, 1, 0, 0, 4, 0, 1000, &list);
        ref->deadAlpha = 0.8f;
        list.update(t0);
        EXPECT_FLOAT_EQ(list.at(0).a, 0);
        list.update(t0 + 250);
        EXPECT_FLOAT_EQ(list.at(0).a, 0.4f);
        list.update(t0 + 500);
        EXPECT_FLOAT_EQ(list.at(0).a, 0.8f) << endAlpha;
        list.update(t0 + 750);
        EXPECT_FLOAT_EQ(list.at(0).a, 0.4f);
        list.update(t0 + 1000);
        EXPECT_NEAR(list.at(0).a, 0, 1e-6);
    }
}

TEST_F(Particles, ReferenceStaysOnItsParticleWhileMoreAreCreated) {
    TParticleList list;
    auto first = MakeParticle(0, 100, &list);
    for (int i = 0; i < 1000; ++i) MakeParticle(0, 100, &list);  // the storage grows
    first->deadAlpha = 0.25f;
    EXPECT_FLOAT_EQ(list.at(0).deadAlpha, 0.25f);
    EXPECT_FLOAT_EQ(list.at(1).deadAlpha, 0);
}

TEST_F(Particles, WalkKeepsListOrderWhileParticlesEnd) {
    TParticleList list;
    const int t0 = SysMillisecs();
    for (int i = 0; i < 6; ++i) {
        auto p = MakeParticle(0, i % 2 == 0 ? 10 : 1000, &list);
        p->n = i;
    }
    list.update(t0);
    list.update(t0 + 11);  // the even ones end
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.at(0).n, 1);
    EXPECT_EQ(list.at(1).n, 3);
    EXPECT_EQ(list.at(2).n, 5);
}

TEST_F(Particles, DestroyOutsideAWalkTakesEffectAtOnce) {
    TParticleList list;
    auto a = MakeParticle(0, 100, &list);
    a->n = 7;
    MakeParticle(0, 100, &list);
    a->destroy();
    EXPECT_EQ(list.size(), 1u);
    list.update(SysMillisecs());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_NE(list.at(0).n, 7);
}

TEST_F(Particles, ClearEmptiesOnlyTheNamedList) {
    TParticleList own;
    MakeParticle(0, 100, &own);
    MakeParticle(0, 100, nullptr);
    ClearParticles(&own);
    EXPECT_TRUE(own.empty());
    EXPECT_EQ(particleList.size(), 1u);
    ClearParticles();
    EXPECT_TRUE(particleList.empty());
}

TEST_F(Particles, DrawParticlesRestoresTheDrawingState) {
    MakeParticle(0, 1000, nullptr);
    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetScale(3, 3);
    GfxSetColor(1, 2, 3);
    GfxSetAlpha(0.2f);
    GfxSetRotation(30);
    DrawParticles();
    float r, g, b, sx, sy;
    GfxGetColor(r, g, b);
    GfxGetScale(sx, sy);
    EXPECT_EQ(GfxGetBlend(), GFX_BLEND_ALPHA);
    EXPECT_FLOAT_EQ(GfxGetAlpha(), 1);
    EXPECT_FLOAT_EQ(GfxGetRotation(), 0);
    EXPECT_FLOAT_EQ(sx, 1);
    EXPECT_FLOAT_EQ(sy, 1);
    EXPECT_FLOAT_EQ(r + g + b, 765);
    EXPECT_EQ(particleList.size(), 1u);
}

// ---------------------------------------------------------------------------
// Emitters
// ---------------------------------------------------------------------------
class Emitters : public EffectsTest {};

TEST_F(Emitters, SparkleTwinklesNearItsPoint) {
    const int now = SysMillisecs();
    for (int i = 0; i < 50; ++i) CreateSparkle(100.7f, 200.2f);
    ASSERT_EQ(particleList.size(), 50u);
    for (std::size_t i = 0; i < particleList.size(); ++i) {
        const TParticle& p = particleList.at(i);
        EXPECT_EQ(p.n, 2);
        EXPECT_FLOAT_EQ(p.x1, 100);
        EXPECT_FLOAT_EQ(p.y1, 200);
        EXPECT_LE(std::abs(p.x2 - 100), 15);
        EXPECT_LE(std::abs(p.y2 - 200), 15);
        EXPECT_FLOAT_EQ(p.mx, 100 + std::trunc((p.x2 - 100) / 2));
        EXPECT_FLOAT_EQ(p.my, 200 + std::trunc((p.y2 - 200) / 2));
        EXPECT_FLOAT_EQ(p.deadAlpha, 1);
        EXPECT_FLOAT_EQ(p.startA, 0);
        EXPECT_FLOAT_EQ(p.startS, 0.5f);
        EXPECT_FLOAT_EQ(p.ds, 0.7f);
        EXPECT_EQ(p.blend, GFX_BLEND_LIGHT);
        EXPECT_EQ(p.lifeTime, 2000);
        EXPECT_GE(p.startTime - now, 0);
        EXPECT_LE(p.startTime - now, 2000);
        const bool cyanish = p.rgb.g == 255 && p.rgb.b == 255 && p.rgb.r <= 60;
        const bool magentaish = p.rgb.r == 255 && p.rgb.b == 255 && p.rgb.g <= 60;
        EXPECT_TRUE(cyanish || magentaish);
    }
}

TEST_F(Emitters, ChainPiecesMoveSidewaysThenDrop) {
    for (int dir = -1; dir <= 1; ++dir) {
        for (int flip = 0; flip <= 1; ++flip) {
            ClearParticles();
            CreateChainPiece(13, 300.9f, 400, dir, flip);
            ASSERT_EQ(particleList.size(), 1u);
            const TParticle& p = particleList.at(0);
            const float dx = p.x2 - 300;
            if (dir < 0) {
                EXPECT_TRUE(dx >= -30 && dx <= -15) << dx;
            } else if (dir == 0) {
                EXPECT_TRUE(dx >= -10 && dx <= 10) << dx;
            } else {
                EXPECT_TRUE(dx >= 15 && dx <= 30) << dx;
            }
            EXPECT_GE(p.y2 - 400, 50);
            EXPECT_LE(p.y2 - 400, 80);
            EXPECT_FLOAT_EQ(p.mx, p.x2);
            EXPECT_FLOAT_EQ(p.my, 400);
            EXPECT_FLOAT_EQ(p.startR, flip ? -45 : 45);
            EXPECT_LE(std::abs(p.dr), 100);
            EXPECT_EQ(p.blend, GFX_BLEND_ALPHA);
            EXPECT_EQ(p.n, 13);
            EXPECT_EQ(p.lifeTime, 1000);
        }
    }
}

TEST_F(Emitters, FlyerTrailCoversTheSegmentInTwelveSteps) {
    const int now = SysMillisecs();
    CreateFlyerTrail(10, 20, 130, 260, 2);  // from B = (130, 260) back to A = (10, 20)
    ASSERT_EQ(particleList.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        const TParticle& p = particleList.at(i);
        const float t0 = static_cast<float>(i) / 12, t1 = static_cast<float>(i + 1) / 12;
        EXPECT_NEAR(p.x1, 130 - 120 * t0, 1e-3);
        EXPECT_NEAR(p.y1, 260 - 240 * t0, 1e-3);
        EXPECT_NEAR(p.x2, 130 - 120 * t1, 1e-3);
        EXPECT_NEAR(p.mx, p.x2, 1e-6);
        EXPECT_NEAR(p.my, p.y1, 1e-6);
        EXPECT_EQ(p.startTime - now, static_cast<int>(t1 * 20));
        EXPECT_EQ(p.n, 4);
        EXPECT_EQ(p.lifeTime, 150);
        EXPECT_FLOAT_EQ(p.dr, 360);
        EXPECT_FLOAT_EQ(p.rgb.r, 255);
        EXPECT_FLOAT_EQ(p.rgb.g, 255);
        EXPECT_FLOAT_EQ(p.rgb.b, 0);
    }
    // Trail colours by resource; other resources leave no trail.
    const TRGB expected[4] = {{0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {255, 0, 255}};
    for (int res = 0; res < 4; ++res) {
        ClearParticles();
        CreateFlyerTrail(10, 20, 130, 260, res);
        EXPECT_FLOAT_EQ(particleList.at(0).rgb.r, expected[res].r);
        EXPECT_FLOAT_EQ(particleList.at(0).rgb.g, expected[res].g);
        EXPECT_FLOAT_EQ(particleList.at(0).rgb.b, expected[res].b);
    }
    ClearParticles();
    CreateFlyerTrail(10, 20, 130, 260, 4);
    CreateFlyerTrail(10, 20, 130, 260, -1);
    EXPECT_TRUE(particleList.empty());
}
