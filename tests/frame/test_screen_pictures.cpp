// A screen's big pictures are held only while it is shown: set up without their pixels, taken
// when it is entered (its main loop or its dialog loop), let go when it is left, and drawn the
// same each time.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "frame/frame_loop.h"
#include "frame/screen.h"
#include "platform/gfx_prefetch.h"
#include "support/headless_platform.h"

namespace {

// A picture of w x h in one colour, written as a PNG under `folder`.
std::string WriteSolid(const std::string& folder, const std::string& name, int w, int h, std::uint8_t r,
                       std::uint8_t g, std::uint8_t b) {
    Pixmap pix{w, h, {}};
    for (int i = 0; i < w * h; ++i) pix.rgba.insert(pix.rgba.end(), {r, g, b, 255});
    const std::string path = folder + "/" + name;
    EXPECT_TRUE(GfxSavePng(pix, path, 1));
    return path;
}

// A screen with a background and a panel shown only while it runs, and a cursor-like picture
// it keeps for good.
class PictureScreen : public TEkran {
public:
    Image back, panel, kept;
    void load(const std::string& folder) {
        back = shownOnly(GfxLoadImage(WriteSolid(folder, "back.png", 200, 100, 40, 120, 200), -1));
        panel = shownOnly(GfxLoadImage(WriteSolid(folder, "panel.png", 50, 40, 230, 210, 20), -1));
        GfxSetHandle(panel, 25, 20);
        kept = GfxLoadImage(WriteSolid(folder, "kept.png", 10, 10, 90, 200, 90), -1);
    }
    void draw() override {
        GfxResetDrawState();
        GfxDrawImage(back, 0, 0);
        GfxDrawImage(panel, 100, 50);
        _drawStripes();
    }
};

constexpr long long kBackBytes = 200 * 100 * 4;
constexpr long long kPanelBytes = 50 * 40 * 4;

class ScreenPictures : public HeadlessPlatformTest {
protected:
    std::string folder;
    PictureScreen screen;
    long long base = 0;  // pixels held by everything else

    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        std::string pattern = "/tmp/brambleton-shown-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        base = GfxResidentImageBytes();
        screen.load(folder);
        base += 10 * 10 * 4;  // the kept picture's pixels
    }
    void TearDown() override {
        GfxStopPrefetch();
        std::filesystem::remove_all(folder);
        HeadlessPlatformTest::TearDown();
    }
    long long held() const { return GfxResidentImageBytes() - base; }
    void drawFrame() {
        GfxCls();
        screen.draw();
    }
};

}  // namespace

TEST_F(ScreenPictures, SetUpKeepsSizesAndHandlesButNoPixels) {
    EXPECT_EQ(held(), 0);
    EXPECT_EQ(GfxImageWidth(screen.back), 200);
    EXPECT_EQ(GfxImageHeight(screen.panel), 40);
    EXPECT_FLOAT_EQ(GfxImageHandleX(screen.panel), 25);
    EXPECT_FALSE(screen.shown());
}

TEST_F(ScreenPictures, LeftTheyGoEnteredAgainTheyComeBackTheSame) {
    Rgb backFirst, panelFirst;
    {
        const TScreenShown shown(screen);
        EXPECT_TRUE(screen.shown());
        drawFrame();
        EXPECT_EQ(held(), kBackBytes + kPanelBytes);
        backFirst = PixelAt(10, 90);
        panelFirst = PixelAt(100, 50);
    }
    EXPECT_EQ(held(), 0);
    EXPECT_FALSE(screen.shown());
    {
        const TScreenShown shown(screen);
        drawFrame();
        EXPECT_EQ(held(), kBackBytes + kPanelBytes);
        const Rgb back = PixelAt(10, 90);
        const Rgb panel = PixelAt(100, 50);
        EXPECT_EQ(back.r, 40);
        EXPECT_EQ(back.b, 200);
        EXPECT_EQ(panel.g, 210);
        EXPECT_EQ(back.g, backFirst.g);
        EXPECT_EQ(panel.r, panelFirst.r);
    }
    EXPECT_EQ(held(), 0);
}

TEST_F(ScreenPictures, ANestedEntryKeepsThemUntilTheOuterOneLeaves) {
    const auto outer = std::make_unique<TScreenShown>(screen);
    {
        const TScreenShown inner(screen);
        drawFrame();
    }
    EXPECT_EQ(held(), kBackBytes + kPanelBytes);
    drawFrame();
    EXPECT_EQ(PixelAt(10, 90).b, 200);
}

TEST_F(ScreenPictures, ADialogHoldsThemForItsLoopOnly) {
    int frames = 0;
    long long during = -1;
    RunDialogLoop(
        screen, [&] { during = held(); }, [&] { return ++frames > 2; });
    EXPECT_EQ(during, kBackBytes + kPanelBytes);
    EXPECT_EQ(held(), 0);
}

TEST_F(ScreenPictures, AScreenLeftBeforeItDrewKeepsNothingDecoded) {
    {
        const TScreenShown shown(screen);  // queues both pictures for decoding
    }
    EXPECT_EQ(held(), 0);
    const PrefetchSnapshot left = PrefetchSnapshotForTest();
    EXPECT_EQ(left.queued, 0);
    EXPECT_EQ(left.cached, 0);
    // Entered again, it draws from the files as before.
    const TScreenShown shown(screen);
    drawFrame();
    EXPECT_EQ(PixelAt(100, 50).r, 230);
}

TEST_F(ScreenPictures, APictureTwoScreensShareStaysWhileEitherIsShown) {
    PictureScreen dialog;
    dialog.shownOnly(screen.back);  // the dialog draws the same background
    const auto outer = std::make_unique<TScreenShown>(screen);
    drawFrame();
    { const TScreenShown over(dialog); }
    EXPECT_EQ(held(), kBackBytes + kPanelBytes);
}

TEST_F(ScreenPictures, TheStripesAreHeldWhileADialogRuns) {
    PictureScreen dialog;
    stripesImage = DialogBacking().shownOnly(
        GfxLoadImage(WriteSolid(folder, "stripes.png", 64, 48, 10, 20, 30), GFX_IMAGE_DEFAULT));
    EXPECT_EQ(held(), 0);
    int frames = 0;
    long long during = -1;
    dialog.stripeA = dialog.dStripeA = 1;
    // The first frame asks for the stripes' file; they are drawn from the frame it is decoded.
    RunDialogLoop(
        dialog,
        [&] {
            during = held();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        },
        [&] { return during > 0 || ++frames > 2000; });
    EXPECT_EQ(during, 64 * 48 * 4);  // the dialog has no pictures of its own
    EXPECT_EQ(held(), 0);
    stripesImage = nullptr;
}
