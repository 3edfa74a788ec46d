// A back buffer of two real pixels per logical one, as on a high-DPI screen:
// pictures and letters land at twice the size with sharp edges, while grabs and
// screenshots keep the virtual size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/platform_internal.h"
#include "support/headless_platform.h"

namespace {
constexpr int kW = 1366;
constexpr int kH = 768;
const char* const kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class HighDpi : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartHeadlessPlatform(RendererKind::Software, kW, kH));
        GfxForceBackBufferScale(2);
    }
    void TearDown() override {
        GfxForceBackBufferScale(0);
        StopHeadlessPlatform();
    }
};

struct Px {
    int r, g, b;
};

Px RealAt(const Pixmap& p, int x, int y) {
    const std::uint8_t* q = &p.rgba[(static_cast<size_t>(y) * p.w + x) * 4];
    return {q[0], q[1], q[2]};
}

bool Same(Px a, Px b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// A 4 x 4 checker of red and blue, drawn without filtering.
Image Checker() {
    std::vector<std::uint8_t> px;
    for (int i = 0; i < 16; ++i) {
        const bool red = ((i % 4) + (i / 4)) % 2 == 0;
        px.insert(px.end(), {static_cast<std::uint8_t>(red ? 255 : 0), 0,
                             static_cast<std::uint8_t>(red ? 0 : 255), 255});
    }
    return GfxCreateImage(4, 4, px.data(), 0);
}

// Bounds of the lit pixels of a region of a pixmap, and whether any is half-lit.
struct Ink {
    int top = 1 << 30, bottom = -1, left = 1 << 30, right = -1;
    int partial = 0;
};

Ink InkOf(const Pixmap& p, int x0, int y0, int x1, int y1) {
    Ink ink;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const int v = RealAt(p, x, y).r;
            ink.partial += (v != 0 && v != 255) ? 1 : 0;
            if (v > 0) {
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
        }
    }
    return ink;
}
}  // namespace

TEST_F(HighDpi, PicturesRectanglesAndClipsFillTwiceTheRealPixels) {
    const Image img = Checker();
    GfxDrawImage(img, 10, 10);
    GfxSetColor(0, 255, 0);
    GfxDrawRect(100, 50, 3, 2);
    GfxSetColor(255, 255, 255);
    GfxSetViewport(200, 200, 5, 5);
    GfxDrawRect(190, 190, 40, 40);
    GfxSetViewport(0, 0, kW, kH);

    const Pixmap real = GfxReadRealBackBuffer();
    ASSERT_EQ(real.w, 2 * kW);
    ASSERT_EQ(real.h, 2 * kH);
    // Every source pixel is a 2 x 2 block of exactly its colour: no blur at the seams.
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            const Px want = ((i + j) % 2 == 0) ? Px{255, 0, 0} : Px{0, 0, 255};
            for (int k = 0; k < 4; ++k) {
                const Px got = RealAt(real, 20 + 2 * i + k % 2, 20 + 2 * j + k / 2);
                EXPECT_TRUE(Same(got, want)) << "source pixel " << i << "," << j;
            }
        }
    }
    EXPECT_TRUE(Same(RealAt(real, 19, 20), Px{0, 0, 0}));
    EXPECT_TRUE(Same(RealAt(real, 28, 27), Px{0, 0, 0}));

    EXPECT_TRUE(Same(RealAt(real, 200, 100), Px{0, 255, 0}));
    EXPECT_TRUE(Same(RealAt(real, 205, 103), Px{0, 255, 0}));
    EXPECT_TRUE(Same(RealAt(real, 206, 103), Px{0, 0, 0}));
    EXPECT_TRUE(Same(RealAt(real, 205, 104), Px{0, 0, 0}));

    // The viewport clips in logical units: 5 x 5 becomes 10 x 10 real pixels.
    EXPECT_TRUE(Same(RealAt(real, 400, 400), Px{255, 255, 255}));
    EXPECT_TRUE(Same(RealAt(real, 409, 409), Px{255, 255, 255}));
    EXPECT_TRUE(Same(RealAt(real, 399, 405), Px{0, 0, 0}));
    EXPECT_TRUE(Same(RealAt(real, 410, 405), Px{0, 0, 0}));
}

TEST_F(HighDpi, LettersAreRasterisedAtTheRealSize) {
    Font font = GfxLoadFont(kFont, 20, 0);  // monochrome: every pixel is on or off
    if (!font) {
        GTEST_SKIP() << "no DejaVu font";
    }
    GfxSetImageFont(font);
    const int w = GfxTextWidth("Hamburgefonts");
    const int h = GfxTextHeight("Hamburgefonts");

    GfxForceBackBufferScale(0);
    GfxDrawText("Hamburgefonts", 100, 100);
    const Ink one = InkOf(GfxReadRealBackBuffer(), 90, 90, 110 + w, 110 + h);
    ASSERT_GE(one.bottom, 0);

    GfxForceBackBufferScale(2);
    EXPECT_EQ(GfxTextWidth("Hamburgefonts"), w);  // measuring keeps logical units
    GfxDrawText("Hamburgefonts", 100, 100);
    const Pixmap real = GfxReadRealBackBuffer();
    const Ink two = InkOf(real, 180, 180, 220 + 2 * w, 220 + 2 * h);
    ASSERT_GE(two.bottom, 0);

    // Twice the size, in the same place.
    EXPECT_NEAR(two.bottom - two.top + 1, 2 * (one.bottom - one.top + 1), 3);
    EXPECT_NEAR(two.right - two.left + 1, 2 * (one.right - one.left + 1), 4);
    EXPECT_NEAR(two.top, 2 * one.top, 3);
    EXPECT_NEAR(two.left, 2 * one.left, 3);
    // Sharp: no half-lit pixel, and strokes an odd number of real pixels wide or
    // placed between the 2 x 2 blocks a magnified glyph would be made of.
    EXPECT_EQ(two.partial, 0);
    int mixedBlocks = 0;
    for (int y = 200; y < 200 + 2 * h; y += 2) {
        for (int x = 200; x < 200 + 2 * w; x += 2) {
            const int a = RealAt(real, x, y).r, b = RealAt(real, x + 1, y).r;
            const int c = RealAt(real, x, y + 1).r, d = RealAt(real, x + 1, y + 1).r;
            mixedBlocks += (a != b || a != c || a != d) ? 1 : 0;
        }
    }
    EXPECT_GT(mixedBlocks, 20);
}

TEST_F(HighDpi, GrabsAndScreenshotsKeepTheVirtualSize) {
    GfxDrawImage(Checker(), 50, 50);
    GfxSetColor(0, 255, 0);
    GfxDrawRect(kW - 2, kH - 2, 2, 2);

    const Pixmap shot = GfxGrabPixmap(0, 0, kW, kH);
    ASSERT_EQ(shot.w, kW);
    ASSERT_EQ(shot.h, kH);
    EXPECT_EQ(PixelAt(50, 50).r, 255);
    EXPECT_EQ(PixelAt(51, 50).b, 255);
    EXPECT_EQ(PixelAt(49, 50).r + PixelAt(49, 50).b, 0);
    EXPECT_EQ(PixelAt(kW - 1, kH - 1).g, 255);
    // A grab past the edge is padded with black, opaque.
    const Pixmap edge = GfxGrabPixmap(kW - 1, kH - 1, 2, 2);
    ASSERT_EQ(edge.w, 2);
    EXPECT_EQ(edge.rgba[1], 255);
    EXPECT_EQ(edge.rgba[5], 0);
    EXPECT_EQ(edge.rgba[7], 255);

    GfxKeepLastFrame(true);
    GfxFlip(0);
    const Pixmap last = GfxLastFrame();
    GfxKeepLastFrame(false);
    EXPECT_EQ(last.w, kW);
    EXPECT_EQ(last.h, kH);
    EXPECT_EQ(last.rgba[(50 * kW + 50) * 4], 255);
}

TEST_F(HighDpi, AGrabOfAHalfLitLogicalPixelIsTheMeanOfItsRealOnes) {
    // Half a logical pixel wide at scale 2 is one real pixel of the two.
    GfxDrawRect(30, 30, 0.5f, 1);
    const Rgb p = PixelAt(30, 30);
    EXPECT_NEAR(p.r, 128, 1);
    EXPECT_NEAR(p.g, 128, 1);
}

TEST(HighDpiWindow, DrawingAfterPresentsAndReopeningKeepsThePixelScale) {
    // SDL's dummy video driver: a window that shows nothing, drawn by the software renderer.
    const char* old = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = old != nullptr ? old : "";
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    PlatformConfig config;
    config.renderer = RendererKind::Software;
    config.fixedStep = true;
    config.audio = false;
    ASSERT_TRUE(PlatformInit(config));
    GfxSetVirtualResolution(kW, kH);
    ASSERT_TRUE(GfxOpen(kW, kH, 0, 60, 0));
    // The software renderer on an ordinary screen keeps the virtual size.
    EXPECT_EQ(GfxS().bufferW, kW);

    GfxForceBackBufferScale(2);
    for (int frame = 0; frame < 2; ++frame) {
        GfxCls();
        GfxDrawImage(Checker(), 10, 10);
        const Pixmap real = GfxReadRealBackBuffer();
        ASSERT_EQ(real.w, 2 * kW);
        EXPECT_EQ(RealAt(real, 21, 21).r, 255) << "frame " << frame;
        EXPECT_EQ(RealAt(real, 22, 21).b, 255) << "frame " << frame;
        GfxFlip(0);  // the present and the return to the back buffer keep the scale
    }
    // Full screen and back (Alt+Enter): the same scale, grabs of the virtual size.
    ASSERT_TRUE(GfxOpen(kW, kH, 32, 60, 0));
    ASSERT_TRUE(GfxOpen(kW, kH, 0, 60, 0));
    GfxDrawImage(Checker(), 10, 10);
    EXPECT_EQ(GfxReadRealBackBuffer().w, 2 * kW);
    EXPECT_EQ(GfxGrabPixmap(0, 0, kW, kH).w, kW);
    EXPECT_EQ(PixelAt(11, 10).b, 255);

    GfxForceBackBufferScale(0);
    GfxFlip(0);
    EXPECT_EQ(GfxS().bufferW, kW);
    PlatformShutdown();
    if (old != nullptr) {
        setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_VIDEODRIVER");
    }
}
