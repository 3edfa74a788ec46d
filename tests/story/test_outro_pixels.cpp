// What the story screens draw: the picture between the letterbox bars, the
// cross-fade of a step over the one underneath, the skip hint over the top bar.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "frame/globals.h"
#include "story/intro.h"
#include "story/outro.h"
#include "support/headless_platform.h"

namespace {
Image Solid(int w, int h, int r, int g, int b) {
    std::vector<std::uint8_t> px(static_cast<size_t>(w * h * 4));
    for (size_t i = 0; i < px.size(); i += 4) {
        px[i] = static_cast<std::uint8_t>(r);
        px[i + 1] = static_cast<std::uint8_t>(g);
        px[i + 2] = static_cast<std::uint8_t>(b);
        px[i + 3] = 255;
    }
    Image img = GfxCreateImage(w, h, px.data(), GFX_IMAGE_DEFAULT);
    GfxMidHandle(img);
    return img;
}

class StoryPixels : public HeadlessPlatformTest {
protected:
    std::array<Image, 4> saved = outro.sceneImg;
    void TearDown() override {
        outro.sceneImg = saved;
        HeadlessPlatformTest::TearDown();
    }
};

TEST_F(StoryPixels, TheOutroShowsItsPictureBetweenBlackBars) {
    outro.sceneImg = {Solid(1200, 900, 200, 40, 40), Solid(1200, 900, 40, 200, 40), nullptr, nullptr};
    outro.prepare();
    outro.fade = 0;
    outro.actAlpha = 1;
    GfxCls();
    outro.draw();
    EXPECT_EQ(PixelAt(512, 384).r, 200);
    EXPECT_EQ(PixelAt(512, 384).g, 40);
    for (int y : {0, 60, 119, 648, 700, 767}) {
        const Rgb bar = PixelAt(512, y);
        EXPECT_EQ(bar.r + bar.g + bar.b, 0) << "y " << y;
    }
    EXPECT_EQ(PixelAt(512, 120).r, 200);
    EXPECT_EQ(PixelAt(512, 647).r, 200);
}

TEST_F(StoryPixels, ANewStepCrossFadesOverTheOneUnderneath) {
    outro.sceneImg = {Solid(1200, 900, 200, 40, 40), Solid(1200, 900, 40, 200, 40), nullptr, nullptr};
    outro.prepare();
    outro.fade = 0;
    outro.lastImg = 0;
    outro.lastScale = 1;
    outro.actImg = 1;
    outro.actScale = 1;
    outro.actAdX = outro.actAdY = 0;
    outro.actAlpha = 0.5f;
    GfxCls();
    outro.draw();
    const Rgb mid = PixelAt(512, 384);
    EXPECT_NEAR(mid.r, 120, 3);
    EXPECT_NEAR(mid.g, 120, 3);
    // The black step darkens everything as it rises.
    outro.lastImg = 1;
    outro.actImg = 4;
    outro.actAlpha = 0.75f;
    GfxCls();
    outro.draw();
    EXPECT_NEAR(PixelAt(512, 384).g, 50, 3);
}

TEST_F(StoryPixels, TheIntroWritesItsSkipHintOverTheTopBar) {
    intro.setup();
    ASSERT_FALSE(intro.txtClick.empty());
    GfxCls();
    intro._drawBars();
    intro._drawInfo();
    int brightest = 0;
    for (int x = 400; x < 624; x++)
        for (int y = 5; y < 25; y++) brightest = std::max(brightest, PixelAt(x, y).r);
    EXPECT_GT(brightest, 200);
    EXPECT_EQ(PixelAt(100, 60).r, 0);
    EXPECT_EQ(PixelAt(512, 100).r, 0);
}
}  // namespace
