// The start-up: the cards found and how long each stays, a click cutting a
// card short, the loading bar's growth step by step.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <vector>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/loading_steps.h"
#include "menus/loading_screen.h"
#include "menus/splash.h"
#include "support/headless_platform.h"

namespace fs = std::filesystem;

namespace {

class SplashTest : public HeadlessPlatformTest {
protected:
    std::string savedGameDir = gameDir;
    fs::path root = fs::temp_directory_path() / ("brambleton-splash-" + std::to_string(::getpid()));

    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        fs::create_directories(root / "gfx/branding");
        // A PNG card 0 and a JPEG card 2; 1, 3 and 4 are missing.
        fs::copy_file(fs::path(gameDir) / "gfx/point.png", root / "gfx/branding/splash0.png");
        fs::copy_file(fs::path(gameDir) / "gfx/gui/loading/back.jpg", root / "gfx/branding/splash2.jpg");
        gameDir = root.string() + "/";
    }
    void TearDown() override {
        gameDir = savedGameDir;
        fs::remove_all(root);
        HeadlessPlatformTest::TearDown();
    }
};

TEST_F(SplashTest, FindsPngAndJpegCardsAndShowsEachAboutThreeSecondsPlusItsFades) {
    splash.setup();
    ASSERT_EQ(splash.images.size(), 2u);
    const long before = FrameCount();
    splash.mainloop();
    const long frames = FrameCount() - before;
    // Each card: 3 s (180 frames at 60 fps) from its fade-in, then 20 frames
    // of fade-out.
    EXPECT_GE(frames, 2 * 195);
    EXPECT_LE(frames, 2 * 210);
}

TEST_F(SplashTest, AClickFadesTheCardOutAtOnce) {
    splash.setup();
    ASSERT_EQ(splash.images.size(), 2u);
    InPushEvent(MouseMoveEvent(500, 400));
    InPushEvent(MouseButtonEvent(true));
    InPushEvent(MouseButtonEvent(false));
    const long before = FrameCount();
    splash.mainloop();
    const long frames = FrameCount() - before;
    // The first card goes at the click; the second stays its whole time.
    EXPECT_LE(frames, 230);
    EXPECT_GE(frames, 195);
}

// A language with cards of its own shows them, and English's where it has none of a number.
TEST_F(SplashTest, ALanguagesOwnCardsComeFirst) {
    const std::string savedLang = lang;
    fs::create_directories(root / "gfx/branding/de");
    fs::copy_file(fs::path(savedGameDir) / "gfx/gui/loading/bar0.png", root / "gfx/branding/de/splash0.png");
    lang = "de";
    splash.setup();
    ASSERT_EQ(splash.images.size(), 2u);
    EXPECT_EQ(GfxImageWidth(splash.images[0]),
              GfxImageWidth(GfxLoadImage(gameDir + "gfx/branding/de/splash0.png", GFX_IMAGE_DEFAULT)));
    EXPECT_NE(GfxImageWidth(splash.images[0]),
              GfxImageWidth(GfxLoadImage(gameDir + "gfx/branding/splash0.png", GFX_IMAGE_DEFAULT)));
    lang = "en";
    splash.setup();
    EXPECT_EQ(GfxImageWidth(splash.images[0]),
              GfxImageWidth(GfxLoadImage(gameDir + "gfx/branding/splash0.png", GFX_IMAGE_DEFAULT)));
    lang = savedLang;
}

TEST_F(SplashTest, NoCardsNoSplash) {
    fs::remove_all(root / "gfx/branding");
    splash.setup();
    const long before = FrameCount();
    splash.mainloop();
    EXPECT_EQ(FrameCount(), before);
}

class LoadingTest : public HeadlessPlatformTest {};

TEST_F(LoadingTest, OneStepPerFrameAndTheBarFullForTheLastSeven) {
    std::vector<int> seen(47, -1);
    for (int slot = 1; slot <= 46; slot++)
        AddLoadingStep(slot, "probe", [slot, &seen] { seen[static_cast<size_t>(slot)] = loadingScreen.p; });
    loadingScreen.Setup();
    loadingScreen.hooks = {};
    loadingScreen.Mainloop();
    for (int slot = 1; slot <= 46; slot++) EXPECT_EQ(seen[static_cast<size_t>(slot)], slot) << slot;
    // The bar: p / 40 of its width, so full from the 40th frame on.
    int full = 0;
    for (int slot = 1; slot <= 46; slot++)
        if (seen[static_cast<size_t>(slot)] >= loadingScreen.maxProgress) full++;
    EXPECT_EQ(full, 7);
    // Every step ran once and was timed.
    int probes = 0;
    for (const auto& t : LoadingStepTimes()) probes += t.name == "probe";
    EXPECT_EQ(probes, 46);
    RunLoadingSlot(5);
    probes = 0;
    for (const auto& t : LoadingStepTimes()) probes += t.name == "probe";
    EXPECT_EQ(probes, 46);
}

TEST_F(LoadingTest, TheBarFillsFromTheLeftByProgress) {
    loadingScreen.Setup();
    ASSERT_TRUE(loadingScreen.img);
    const int w = GfxImageWidth(loadingScreen.img);
    const int x0 = 512 - GfxImageWidth(loadingScreen.bar0) / 2;
    const int y = 601 + GfxImageHeight(loadingScreen.img) / 2;
    auto filledAt = [&](int p, int x) {
        loadingScreen.p = p;
        GfxCls();
        loadingScreen.drawProgress(1);
        const Rgb c = PixelAt(x, y);
        return c.r + c.g + c.b > 0;
    };
    EXPECT_TRUE(filledAt(20, x0 + w / 4));
    EXPECT_FALSE(filledAt(20, x0 + 3 * w / 4));
    EXPECT_TRUE(filledAt(40, x0 + 3 * w / 4));
    EXPECT_TRUE(filledAt(60, x0 + 3 * w / 4));  // never past full
    EXPECT_FALSE(filledAt(60, x0 + w + 4));
    EXPECT_FALSE(filledAt(0, x0 + 4));
}

}  // namespace
