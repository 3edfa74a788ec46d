// What a tip draws: the bubble rising from the bottom edge beside the adviser
// (mirrored on the right), the speech over it, and arrows bobbing toward what
// they point at with their brown shadow.
#include <gtest/gtest.h>

#include <vector>

#include "frame/globals.h"
#include "quest/tutorial_catalogue.h"
#include "story/tip_draw.h"
#include "support/headless_platform.h"

namespace {
Image TipSolid(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::vector<std::uint8_t> px(static_cast<size_t>(w) * h * 4);
    for (size_t i = 0; i < px.size(); i += 4) {
        px[i] = r;
        px[i + 1] = g;
        px[i + 2] = b;
        px[i + 3] = 255;
    }
    return GfxCreateImage(w, h, px.data(), GFX_IMAGE_DEFAULT);
}

bool Near(const Rgb& p, int r, int g, int b, int tolerance = 6) {
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance && std::abs(p.b - b) <= tolerance;
}

class TipPixels : public HeadlessPlatformTest {
protected:
    TTutorialTip tip;

    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        frameDelta = 1;
        TTipArt& art = TipArt();
        art = TTipArt();
        art.adviser = {TipSolid(100, 200, 255, 0, 0), TipSolid(100, 200, 255, 0, 0)};
        art.bubble = TipSolid(460, 196, 0, 255, 0);
        GfxSetHandle(art.bubble, 14, 171);
        art.arrow = TipSolid(20, 40, 0, 0, 255);
        GfxMidHandle(art.arrow);
        tip.a = 1;
        tip.da = 1;
    }
    void TearDown() override {
        TipArt() = TTipArt();
        HeadlessPlatformTest::TearDown();
    }
    void Draw() {
        GfxCls();
        DrawTip(tip);
    }
};
}  // namespace

TEST_F(TipPixels, LeftSideBubbleAndAdviserFullyShown) {
    Draw();
    // Bubble: handle (14, 171) at (140, 840 - 196): x 126..585, y 473..668.
    EXPECT_TRUE(Near(PixelAt(128, 475), 0, 255, 0));
    EXPECT_TRUE(Near(PixelAt(583, 666), 0, 255, 0));
    EXPECT_TRUE(Near(PixelAt(123, 500), 0, 0, 0));
    EXPECT_TRUE(Near(PixelAt(588, 500), 0, 0, 0));
    EXPECT_TRUE(Near(PixelAt(300, 470), 0, 0, 0));
    EXPECT_TRUE(Near(PixelAt(300, 671), 0, 0, 0));
    // Adviser at (10, 768 - 200).
    EXPECT_TRUE(Near(PixelAt(12, 570), 255, 0, 0));
    EXPECT_TRUE(Near(PixelAt(60, 766), 255, 0, 0));
    EXPECT_TRUE(Near(PixelAt(60, 565), 0, 0, 0));
}

TEST_F(TipPixels, RightSideIsMirrored) {
    tip.side = 1;
    Draw();
    // The bubble's tail point stays at x 884: the body reaches left to 438.
    EXPECT_TRUE(Near(PixelAt(440, 500), 0, 255, 0));
    EXPECT_TRUE(Near(PixelAt(896, 500), 0, 255, 0));
    EXPECT_TRUE(Near(PixelAt(435, 500), 0, 0, 0));
    EXPECT_TRUE(Near(PixelAt(901, 500), 0, 0, 0));
    // The adviser hangs left of x 1014.
    EXPECT_TRUE(Near(PixelAt(1011, 700), 255, 0, 0));
    EXPECT_TRUE(Near(PixelAt(916, 700), 255, 0, 0));
    EXPECT_TRUE(Near(PixelAt(1017, 700), 0, 0, 0));
    EXPECT_TRUE(Near(PixelAt(60, 700), 0, 0, 0));
}

TEST_F(TipPixels, HalfShownRisesPartWayAtHalfAlpha) {
    tip.a = 0.5f;
    Draw();
    // s = sin 45: the bubble's top at 840 - 196 s - 171 = 530.4.
    EXPECT_TRUE(Near(PixelAt(300, 527), 0, 0, 0));
    EXPECT_TRUE(Near(PixelAt(300, 540), 0, 128, 0, 8));
    tip.a = 0;
    Draw();
    EXPECT_TRUE(Near(PixelAt(300, 700), 0, 0, 0)) << "nothing at all while hidden";
}

TEST_F(TipPixels, ArrowBobsAlongItsDirectionWithABrownShadow) {
    TArrow arrow;
    arrow.x = 500;
    arrow.y = 300;
    arrow.per = 1;
    GfxCls();
    GfxResetDrawState();
    DrawArrow(arrow, 1);
    // Fully out: 30 px down, squashed to 20 x 30 around (500, 330).
    EXPECT_TRUE(Near(PixelAt(500, 330), 0, 0, 255));
    EXPECT_TRUE(Near(PixelAt(500, 317), 0, 0, 255));
    EXPECT_TRUE(Near(PixelAt(500, 312), 0, 0, 0));
    // The shadow, 2 px right and down, is the arrow tinted brown at half alpha.
    EXPECT_TRUE(Near(PixelAt(511, 346), 0, 0, 15, 4));

    arrow.rot = 90;  // points left: bobs to the left
    GfxCls();
    DrawArrow(arrow, 1);
    EXPECT_TRUE(Near(PixelAt(470, 300), 0, 0, 255));
    EXPECT_TRUE(Near(PixelAt(458, 300), 0, 0, 255));
    EXPECT_TRUE(Near(PixelAt(500, 300), 0, 0, 0));

    arrow.rot = 0;
    arrow.per = 0;  // at rest: on its point, full length
    GfxCls();
    DrawArrow(arrow, 1);
    EXPECT_TRUE(Near(PixelAt(500, 283), 0, 0, 255));
    EXPECT_TRUE(Near(PixelAt(500, 316), 0, 0, 255));
}

TEST_F(TipPixels, ArrowsBobForEver) {
    TArrow arrow;
    for (int i = 0; i < 20; ++i) UpdateArrow(arrow);
    EXPECT_FLOAT_EQ(arrow.per, 1);
    EXPECT_EQ(arrow.dPer, 0) << "arrived: turns back";
    for (int i = 0; i < 10; ++i) UpdateArrow(arrow);
    EXPECT_NEAR(arrow.per, 0.5f, 1e-4);
    for (int i = 0; i < 10; ++i) UpdateArrow(arrow);
    EXPECT_EQ(arrow.per, 0);
    EXPECT_EQ(arrow.dPer, 1);
}

TEST_F(TipPixels, DrawingLeavesTheStateAsItFoundIt) {
    tip.side = 1;
    tip.arrows.push_back(std::make_shared<TArrow>());
    GfxSetColor(10, 20, 30);
    GfxSetAlpha(0.25f);
    Draw();
    float r = 0, g = 0, b = 0, sx = 0, sy = 0;
    GfxGetColor(r, g, b);
    GfxGetScale(sx, sy);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(b, 30);
    EXPECT_EQ(GfxGetAlpha(), 0.25f);
    EXPECT_EQ(sx, 1);
    EXPECT_EQ(GfxGetRotation(), 0);
}
