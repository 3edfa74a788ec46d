// The village's ambience: chimney smoke by owned item, water glitter in its
// seven zones, rain on the listed levels, clouds.
#include <gtest/gtest.h>

#include <memory>

#include "effects/particles.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "village/village_ambience.h"

namespace {

TEST(Smoke, ChimneysSmokeForTheirItemsAndAllInTheMenu) {
    const ChimneysLit all = ChimneysLitBy(nullptr);
    for (bool lit : all) EXPECT_TRUE(lit);
    TProfile p;
    auto smithy = std::make_shared<TLandItem>();
    smithy->id = 3;
    p.items.push_back(smithy);
    const ChimneysLit lit = ChimneysLitBy(&p);
    EXPECT_EQ(lit, (ChimneysLit{false, false, true, false, false, false}));
    const int items[] = {16, 15, 3, 5, 9, 1};
    for (int k = 0; k < CHIMNEY_COUNT; ++k) EXPECT_EQ(chimneys[k].smokeItem, items[k]);
}

TEST(Smoke, EachLitChimneyPuffsAtItsInterval) {
    TParticleList list;
    ChimneyTimers next{};
    ChimneysLit lit{};
    lit[2] = lit[4] = true;  // 150 ms and 50 ms
    for (int now = 1000; now < 1300; now += 10) UpdateSmoke(now, next, lit, list);
    // Chimney 2: 1000, 1150; chimney 4: every 50 ms, six puffs.
    EXPECT_EQ(list.size(), 2u + 6u);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TParticle& p = list.at(i);
        EXPECT_EQ(p.n, 11);
        EXPECT_EQ(p.deadAlpha, 1);
        EXPECT_GE(p.y1 - p.y2, 80);
        EXPECT_LE(p.y1 - p.y2, 120);
        EXPECT_GE(p.lifeTime, 3000);
        EXPECT_LE(p.lifeTime, 3500);
        if (p.x1 == 686) {  // chimney 2 smokes dark
            EXPECT_LE(p.rgb.r, 100);
        } else {
            EXPECT_GE(p.rgb.r, 150);
        }
    }
}

TEST(Water, SparklesStayOnTheirZonesAndLiveTheirZonesLife) {
    const int lives[] = {1250, 2000, 3000, 1250, 2000, 2000, 2000};
    for (int zone = 1; zone <= WATER_ZONES; ++zone) {
        TParticleList list;
        for (int i = 0; i < 200; ++i) EmitWaterSparkle(zone, list);
        ASSERT_EQ(list.size(), 200u) << zone;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const TParticle& p = list.at(i);
            EXPECT_EQ(p.lifeTime, lives[zone - 1]) << zone;
            EXPECT_EQ(p.blend, GFX_BLEND_LIGHT);
            EXPECT_FLOAT_EQ(p.startA, 0.15f);
            EXPECT_FLOAT_EQ(p.startS, 0.25f);
            // Every end of a path lies on the play area or just below its edge.
            for (float x : {p.x1, p.x2}) EXPECT_TRUE(x >= 0 && x <= 1024) << zone;
            for (float y : {p.y1, p.y2}) EXPECT_TRUE(y >= 0 && y <= 770) << zone;
            if (zone >= 5) {
                EXPECT_GE(p.y2, 700) << zone;  // the bottom water
            }
            if (zone <= 4) {
                EXPECT_LE(p.y2, 143) << zone;  // the river
            }
            const bool tint =
                (p.rgb.r == p.rgb.g && p.rgb.g == p.rgb.b) ||
                (p.rgb.r == 0 && (p.rgb.g == p.rgb.b || p.rgb.g == static_cast<int>(p.rgb.b) / 2));
            EXPECT_TRUE(tint) << p.rgb.r << "," << p.rgb.g << "," << p.rgb.b;
        }
    }
}

TEST(Water, ThirtySparklesEvery25Ms) {
    TParticleList list;
    int next = 0;
    for (int now = 0; now < 100; now += 5) UpdateWater(now, next, list);
    EXPECT_EQ(list.size(), 4u * WATER_BATCH);
    EXPECT_EQ(next, 100);
}

TEST(Rain, OnlyTheListedLevelsRain) {
    for (int level : {12, 33, 60, 71, 90}) EXPECT_TRUE(IsRainyLevel(level)) << level;
    for (int level : {0, 11, 13, 34, 61, 89, 91}) EXPECT_FALSE(IsRainyLevel(level)) << level;
}

TEST(Rain, AHundredStreaksEvery25Ms) {
    TParticleList list;
    int next = 0;
    UpdateRain(0, next, list);
    UpdateRain(24, next, list);
    EXPECT_LE(list.size(), 100u);  // a start at (0, 0) makes no particle
    EXPECT_GE(list.size(), 99u);
    UpdateRain(25, next, list);
    EXPECT_GE(list.size(), 198u);
    const TParticle& p = list.at(0);
    EXPECT_EQ(p.n, 14);
    EXPECT_EQ(p.x2 - p.x1, 50);
    EXPECT_EQ(p.y2 - p.y1, 100);
    EXPECT_EQ(p.lifeTime, 100);
    EXPECT_EQ(p.startR, -15);
}

TEST(Clouds, OneCloudEveryTwentyToTwentyFourSecondsDarkInRain) {
    TParticleList list;
    int next = 0;
    UpdateClouds(0, next, false, list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_GE(next, 20000);
    EXPECT_LE(next, 24000);
    EXPECT_EQ(next % 1000, 0);
    UpdateClouds(next - 1, next, true, list);
    EXPECT_EQ(list.size(), 1u);
    UpdateClouds(next, next, true, list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.at(0).rgb.r, 255);
    EXPECT_EQ(list.at(1).rgb.r, 50);
    EXPECT_EQ(list.at(1).x1, -100);
    EXPECT_EQ(list.at(1).x2, 1300);
    EXPECT_EQ(list.at(1).lifeTime, 20000);
}

}  // namespace
