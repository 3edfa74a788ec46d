// A village building rising on screen: the four stage alphas, what each stage
// puts on the back buffer, the upgrade cross-fade, the completion hook and
// the construction dust.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "effects/particles.h"
#include "frame/globals.h"
#include "quest/land_catalogue.h"
#include "support/headless_platform.h"

namespace {

TEST(BuildingStages, AlphasAtTheFourBoundaries) {
    TBuilding b;
    auto alphas = [&b](float a) {
        b.alpha = a;
        return std::vector<float>{b.getState1Alpha(), b.getState2Alpha(), b.getState3Alpha(),
                                  b.getState4Alpha()};
    };
    EXPECT_EQ(alphas(0), (std::vector<float>{0, 0, 0, 0}));
    EXPECT_EQ(alphas(0.125f), (std::vector<float>{0.5f, 0, 0, 0}));
    // At 0.25 the staked plot is fully there and the frame appears over it.
    EXPECT_EQ(alphas(0.25f), (std::vector<float>{1, 1, 0, 0}));
    EXPECT_EQ(alphas(0.375f), (std::vector<float>{0.5f, 1, 0, 0}));
    EXPECT_EQ(alphas(0.5f), (std::vector<float>{0, 0, 1, 0}));
    EXPECT_EQ(alphas(0.75f), (std::vector<float>{0, 0, 1, 0}));
    EXPECT_EQ(alphas(0.875f), (std::vector<float>{0, 0, 0.5f, 0.5f}));
    EXPECT_EQ(alphas(1), (std::vector<float>{0, 0, 0, 1}));
}

TEST(BuildingStages, ResetAndUpgradeStart) {
    TBuilding b;
    b.alpha = 1;
    b.Reset();
    EXPECT_EQ(b.alpha, 0);
    b.ResetUpgrade();
    EXPECT_EQ(b.show, 1);
    EXPECT_EQ(b.alphaUpgrade, 0);
    EXPECT_EQ(b.dAlphaUpgrade, 1);
}

class BuildingDraw : public HeadlessPlatformTest {
protected:
    TBuilding b;
    TParticleList dust;
    float savedDelta = 0;
    std::vector<int> finished;

    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        savedDelta = frameDelta;
        frameDelta = 0;  // the building stays where the test puts it
        b.id = 4;
        b.x = b.y = 100;
        b.img = Square(255, 255, 255);
        for (int k = 0; k < 3; ++k) {
            b.buildStateX[k] = b.buildStateY[k] = 100;
        }
        b.buildStateImg[0] = Square(255, 0, 0);
        b.buildStateImg[1] = Square(0, 255, 0);
        b.buildStateImg[2] = Square(0, 0, 255);
        LandHooks().buildingFinished = [this](int id) { finished.push_back(id); };
    }
    void TearDown() override {
        frameDelta = savedDelta;
        LandHooks() = TLandHooks();
        HeadlessPlatformTest::TearDown();
    }
    static Image Square(std::uint8_t r, std::uint8_t g, std::uint8_t bl) {
        std::vector<std::uint8_t> rgba;
        for (int i = 0; i < 40 * 40; ++i) rgba.insert(rgba.end(), {r, g, bl, 255});
        return GfxCreateImage(40, 40, rgba.data(), 0);
    }
    Rgb DrawnAt(float alpha, bool over = false, const Image* overHall = nullptr) {
        GfxCls();
        b.alpha = alpha;
        b.draw(dust, over, overHall);
        return PixelAt(120, 120);
    }
};

void ExpectNear(const Rgb& got, int r, int g, int bl) {
    EXPECT_NEAR(got.r, r, 3) << got.r << "," << got.g << "," << got.b;
    EXPECT_NEAR(got.g, g, 3) << got.r << "," << got.g << "," << got.b;
    EXPECT_NEAR(got.b, bl, 3) << got.r << "," << got.g << "," << got.b;
}

TEST_F(BuildingDraw, EachConstructionStageShowsItsPicture) {
    ExpectNear(DrawnAt(0.1f), 102, 0, 0);        // the plot fading in (0.4)
    ExpectNear(DrawnAt(0.3f), 0, 255, 0);        // the timber frame over the fading plot
    ExpectNear(DrawnAt(0.6f), 0, 0, 255);        // walls without roof
    ExpectNear(DrawnAt(0.875f), 128, 128, 191);  // walls and the finished house, half each
    ExpectNear(DrawnAt(1), 255, 255, 255);
    ExpectNear(PixelAt(99, 99), 0, 0, 0);  // drawn at its position, top-left corner
    ExpectNear(PixelAt(139, 139), 255, 255, 255);
}

TEST_F(BuildingDraw, UpgradeCrossFadesThenShowsTheUpgradedPicture) {
    b.upgraded = Square(255, 255, 0);
    b.upgradeX = b.upgradeY = 100;
    b.MarkBuilt();
    b.ResetUpgrade();
    b.alphaUpgrade = 0.5f;
    ExpectNear(DrawnAt(1), 191, 191, 64);  // half the finished, half the upgraded
    frameDelta = 1;
    for (int i = 0; i < 60 && b.dAlphaUpgrade != 0; ++i) DrawnAt(1);
    EXPECT_EQ(b.dAlphaUpgrade, 0);  // finished, not stuck just short of 1
    EXPECT_EQ(b.alphaUpgrade, 1);
    ExpectNear(DrawnAt(1), 255, 255, 0);
    // A step that lands exactly on 1 ends the cross-fade too.
    b.ResetUpgrade();
    b.alphaUpgrade = 0.75f;
    frameDelta = 25;
    DrawnAt(1);
    EXPECT_EQ(b.alphaUpgrade, 1);
    EXPECT_EQ(b.dAlphaUpgrade, 0);
}

TEST_F(BuildingDraw, ResearchBuildingGlowsUnderTheMouse) {
    const Image overHall[2] = {Square(0, 255, 255), Square(255, 0, 255)};
    b.MarkBuilt();
    ExpectNear(DrawnAt(1, true, overHall), 255, 255, 255);  // not the research building
    b.id = RESEARCH_BUILDING_ID;
    ExpectNear(DrawnAt(1, true, overHall), 0, 255, 255);
    ExpectNear(DrawnAt(1, false, overHall), 255, 255, 255);
    b.upgraded = Square(255, 255, 0);
    b.upgradeX = b.upgradeY = 100;
    b.show = 1;
    ExpectNear(DrawnAt(1, true, overHall), 255, 0, 255);
}

TEST_F(BuildingDraw, CompletionIsReportedOnceAndOnlyWhenSeenRising) {
    b.MarkBuilt();
    DrawnAt(1);  // standing when the screen opened
    TBuilding fresh;
    fresh.alpha = 1;  // owned before this run: lastA starts at 0
    fresh.draw(dust, false, nullptr);
    EXPECT_TRUE(finished.empty());

    b.Reset();
    frameDelta = 1;
    for (int i = 0; i < 300; ++i) b.draw(dust, false, nullptr);
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0], 4);
}

TEST_F(BuildingDraw, DustRisesEvery100MsWhileBuilding) {
    b.time = 0;
    b.updateGenerating(dust, 1000);
    ASSERT_EQ(dust.size(), 3u);
    b.updateGenerating(dust, 1099);
    EXPECT_EQ(dust.size(), 3u);
    b.updateGenerating(dust, 1100);
    EXPECT_EQ(dust.size(), 6u);
    for (std::size_t i = 0; i < dust.size(); ++i) {
        const TParticle& p = dust.at(i);
        EXPECT_TRUE(p.n == 15 || p.n == 16);
        EXPECT_GE(p.x1, 110);
        EXPECT_LE(p.x1, 140);
        EXPECT_LE(std::abs(p.x2 - p.x1), 25);
        EXPECT_EQ(p.blend, GFX_BLEND_ALPHA);
        EXPECT_EQ(p.lifeTime, 2000);
        EXPECT_EQ(p.deadAlpha, 0.5f);
        EXPECT_EQ(p.startS, 0.5f);
        EXPECT_EQ(p.ds, 2.0f);
    }
}

TEST(ZBuf, KeepsDepthAndDrawPosition) {
    const auto z = NewZBuf(nullptr, 30, 2, 0.5f);
    EXPECT_EQ(z->z, 2 * 1024 + 30);
    EXPECT_EQ(z->drawX, 30);
    EXPECT_EQ(z->drawY, 2);
    EXPECT_EQ(z->alpha, 0.5f);
}

}  // namespace
