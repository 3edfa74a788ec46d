// What the match-3 screen draws: the time bar's length and its red blink.
#include <vector>

#include "frame/options.h"
#include "m3_fixture.h"
#include "match3/main_game.h"
#include "support/headless_platform.h"

namespace {

Image Plain(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::vector<std::uint8_t> px(static_cast<size_t>(w * h * 4));
    for (size_t i = 0; i < px.size(); i += 4) {
        px[i] = r;
        px[i + 1] = g;
        px[i + 2] = b;
        px[i + 3] = 255;
    }
    return GfxCreateImage(w, h, px.data(), GFX_IMAGE_DEFAULT);
}

class TimeBarPixels : public HeadlessPlatformTest {
protected:
    TMainGame game;
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        InstallTestCatalogue();
        LevelSpec spec;
        spec.tiles = {"111"};
        spec.chips = {"ABA"};
        game.SetData(LoadLevelFromText(LevelText(spec)));
        game.timeBar = Plain(496, 40, 100, 200, 100);
        game.timeBar2 = Plain(496, 40, 60, 90, 220);
        game.state = M3_PLAYING;
    }
    void TearDown() override {
        options.relaxed = 0;
        game.SetData(nullptr);
        chipCatalogue.clear();
        HeadlessPlatformTest::TearDown();
    }
    Rgb BarAt(int seconds, float blink, int x) {
        game.level()->time = seconds;
        game.blinkA = blink;
        GfxCls();
        game._drawTime();
        return PixelAt(x, 30);
    }
};

}  // namespace

TEST_F(TimeBarPixels, TheBarIsCutToTheTimeLeft) {
    ASSERT_EQ(game.level()->maxTime, 840);
    EXPECT_EQ(BarAt(420, 0, 748).g, 200);  // half: 248 px from x = 502
    EXPECT_EQ(BarAt(420, 0, 751).g, 0);
    EXPECT_EQ(BarAt(840, 0, 995).g, 200);
}

TEST_F(TimeBarPixels, BelowFifteenPercentTheBarBlinksRed) {
    // The bar tinted red at full blink: the picture's red, nothing else.
    const Rgb calm = BarAt(127, 1, 520);
    EXPECT_EQ(calm.r, 100);
    EXPECT_EQ(calm.g, 200);
    const Rgb red = BarAt(125, 1, 520);
    EXPECT_NEAR(red.r, 100, 2);
    EXPECT_LE(red.g, 2);
    const Rgb half = BarAt(125, 0.5f, 520);
    EXPECT_NEAR(half.g, 100, 3);
    const Rgb off = BarAt(125, 0, 520);
    EXPECT_EQ(off.g, 200);
}

TEST_F(TimeBarPixels, TheRelaxedModeDrawsTheStillClockWithoutHurry) {
    options.relaxed = 1;
    // The hourglass's picture, as long as the time left, and never red.
    const Rgb still = BarAt(125, 1, 520);
    EXPECT_EQ(still.b, 220);
    EXPECT_EQ(still.g, 90);
    EXPECT_EQ(BarAt(420, 1, 751).b, 0);
    options.relaxed = 0;
    EXPECT_EQ(BarAt(420, 0, 520).g, 200);
}
