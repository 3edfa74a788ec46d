// Drawing through the headless software renderer, checked by reading the
// back buffer.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

#include "support/headless_platform.h"
#include "test_files_helper.h"

namespace {
// An image of one colour, or of the given RGBA pixels.
Image Solid(int w, int h, int r, int g, int b, int a = 255) {
    std::vector<std::uint8_t> px;
    for (int i = 0; i < w * h; ++i) {
        px.insert(px.end(), {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                             static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(a)});
    }
    return GfxCreateImage(w, h, px.data(), GFX_IMAGE_MASKED);
}

// A row of red, green, blue, white pixels (as many as asked).
Image Stripe(int n) {
    const std::uint8_t colours[4][4] = {
        {255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}};
    std::vector<std::uint8_t> px;
    for (int i = 0; i < n; ++i) {
        px.insert(px.end(), colours[i % 4], colours[i % 4] + 4);
    }
    return GfxCreateImage(n, 1, px.data(), 0);
}

void ExpectPixel(int x, int y, int r, int g, int b, int tolerance = 2) {
    const Rgb p = PixelAt(x, y);
    EXPECT_NEAR(p.r, r, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(p.g, g, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(p.b, b, tolerance) << "at " << x << "," << y;
}

bool IsBlack(int x, int y) {
    const Rgb p = PixelAt(x, y);
    return p.r == 0 && p.g == 0 && p.b == 0;
}

using GfxDraw = HeadlessPlatformTest;
}  // namespace

TEST_F(GfxDraw, ImageLandsWithItsHandleOnThePosition) {
    Image img = Solid(4, 4, 255, 0, 0);
    GfxSetHandle(img, 2, 2);
    GfxDrawImage(img, 100, 100);
    ExpectPixel(98, 98, 255, 0, 0);
    ExpectPixel(101, 101, 255, 0, 0);
    EXPECT_TRUE(IsBlack(97, 98));
    EXPECT_TRUE(IsBlack(102, 101));
    EXPECT_TRUE(IsBlack(100, 102));

    Image mid = Solid(5, 3, 0, 255, 0);
    GfxMidHandle(mid);
    EXPECT_EQ(GfxImageHandleX(mid), 2);
    EXPECT_EQ(GfxImageHandleY(mid), 1);
    GfxDrawImage(mid, 300, 300);
    ExpectPixel(298, 299, 0, 255, 0);
    ExpectPixel(302, 301, 0, 255, 0);
    EXPECT_TRUE(IsBlack(297, 300));
    EXPECT_TRUE(IsBlack(303, 300));
}

TEST_F(GfxDraw, AlphaBlendsAndLightAdds) {
    GfxDrawImage(Solid(4, 4, 255, 255, 255), 10, 10);
    GfxSetAlpha(0.5f);
    GfxDrawImage(Solid(4, 4, 255, 0, 0), 10, 10);
    ExpectPixel(11, 11, 255, 127, 127);

    // Alpha of the picture itself combines with the drawing alpha.
    GfxSetAlpha(1);
    GfxDrawImage(Solid(4, 4, 0, 0, 255, 128), 20, 10);
    ExpectPixel(21, 11, 0, 0, 128);

    GfxDrawImage(Solid(4, 4, 100, 50, 0), 40, 10);
    GfxSetBlend(GFX_BLEND_LIGHT);
    EXPECT_EQ(GfxGetBlend(), GFX_BLEND_LIGHT);
    GfxDrawImage(Solid(4, 4, 100, 100, 100), 40, 10);
    ExpectPixel(41, 11, 200, 150, 100);

    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetAlpha(0.5f);
    GfxDrawImage(Solid(4, 4, 100, 50, 0), 60, 10);
    GfxDrawImage(Solid(4, 4, 100, 50, 0), 60, 10);
    ExpectPixel(61, 11, 100, 50, 0);

    // Light saturates instead of wrapping.
    GfxSetAlpha(1);
    GfxDrawImage(Solid(4, 4, 200, 200, 200), 60, 10);
    ExpectPixel(61, 11, 255, 250, 200);
}

TEST_F(GfxDraw, OpaquePicturesLookTheSameWhetherCopiedOrBlended) {
    // Background: red. An opaque blue square drawn at full opacity covers it
    // exactly; at half opacity it still blends; rotated, its corners stay red.
    GfxSetColor(255, 0, 0);
    GfxDrawRect(0, 0, 200, 200);
    GfxSetColor(255, 255, 255);
    Image opaque = Solid(20, 20, 0, 0, 255);
    GfxDrawImage(opaque, 10, 10);
    ExpectPixel(15, 15, 0, 0, 255);
    GfxSetAlpha(0.5f);
    GfxDrawImage(opaque, 50, 10);
    ExpectPixel(55, 15, 128, 0, 127, 3);
    GfxSetAlpha(1);
    GfxMidHandle(opaque);
    GfxSetRotation(45);
    GfxDrawImage(opaque, 120, 120);
    GfxSetRotation(0);
    ExpectPixel(120, 120, 0, 0, 255);
    ExpectPixel(111, 111, 255, 0, 0);  // a corner of the unrotated box: outside the turned square
}

TEST_F(GfxDraw, ColourTintsImages) {
    Image white = Solid(4, 4, 255, 255, 255);
    GfxSetColor(255, 128, 0);
    GfxDrawImage(white, 10, 10);
    ExpectPixel(12, 12, 255, 128, 0);
    // A changed tint reaches an image drawn before with another one.
    GfxSetColor(0, 64, 255);
    GfxDrawImage(white, 20, 10);
    ExpectPixel(22, 12, 0, 64, 255);
    float r = 0, g = 0, b = 0;
    GfxGetColor(r, g, b);
    EXPECT_EQ(g, 64);
}

TEST_F(GfxDraw, ScaleGrowsAroundTheHandleAndNegativeMirrors) {
    Image img = Solid(2, 2, 255, 255, 0);
    GfxSetHandle(img, 1, 1);
    GfxSetScale(3, 2);
    GfxDrawImage(img, 100, 100);
    ExpectPixel(97, 98, 255, 255, 0);
    ExpectPixel(102, 101, 255, 255, 0);
    EXPECT_TRUE(IsBlack(96, 100));
    EXPECT_TRUE(IsBlack(103, 100));
    EXPECT_TRUE(IsBlack(100, 97));
    EXPECT_TRUE(IsBlack(100, 102));

    GfxSetScale(-1, 1);
    GfxDrawImage(Stripe(2), 50, 50);  // red, green to the right; mirrored to the left
    ExpectPixel(49, 50, 255, 0, 0);
    ExpectPixel(48, 50, 0, 255, 0);
    EXPECT_TRUE(IsBlack(50, 50));
}

TEST_F(GfxDraw, RotationTurnsClockwiseAroundTheHandle) {
    GfxSetRotation(90);
    GfxDrawImage(Stripe(2), 10, 10);
    ExpectPixel(9, 10, 255, 0, 0);
    ExpectPixel(9, 11, 0, 255, 0);
    EXPECT_TRUE(IsBlack(10, 10));
    EXPECT_TRUE(IsBlack(11, 10));

    GfxSetRotation(180);
    GfxDrawImage(Stripe(2), 40, 40);
    ExpectPixel(39, 39, 255, 0, 0);
    ExpectPixel(38, 39, 0, 255, 0);
    EXPECT_TRUE(IsBlack(40, 40));
}

TEST_F(GfxDraw, OriginShiftsEveryPosition) {
    GfxSetOrigin(20, 30);
    float ox = 0, oy = 0;
    GfxGetOrigin(ox, oy);
    EXPECT_EQ(ox, 20);
    GfxDrawImage(Solid(1, 1, 0, 0, 255), 0, 0);
    GfxSetColor(0, 255, 0);
    GfxDrawRect(10, 0, 2, 2);
    ExpectPixel(20, 30, 0, 0, 255);
    ExpectPixel(31, 31, 0, 255, 0);
    EXPECT_TRUE(IsBlack(0, 0));
}

TEST_F(GfxDraw, ViewportClips) {
    GfxSetViewport(10, 10, 40, 40);
    GfxDrawImage(Solid(100, 100, 255, 255, 255), 0, 0);
    GfxDrawRect(0, 60, 100, 10);
    ExpectPixel(10, 10, 255, 255, 255);
    ExpectPixel(49, 49, 255, 255, 255);
    EXPECT_TRUE(IsBlack(9, 20));
    EXPECT_TRUE(IsBlack(50, 50));
    EXPECT_TRUE(IsBlack(20, 65));

    // A viewport outside the screen shows nothing at all.
    GfxSetViewport(5000, 5000, 10, 10);
    GfxDrawImage(Solid(100, 100, 255, 0, 0), 0, 0);
    ExpectPixel(20, 20, 255, 255, 255);
    GfxSetViewport(0, 0, GfxVirtualWidth(), GfxVirtualHeight());
    GfxDrawImage(Solid(1, 1, 255, 0, 0), 500, 500);
    ExpectPixel(500, 500, 255, 0, 0);
}

TEST_F(GfxDraw, ImageRectDrawsASourceRectangle) {
    Image img = Stripe(4);
    GfxDrawImageRect(img, 10, 10, 2, 1, 1, 0, 2, 1, 0, 0);
    ExpectPixel(10, 10, 0, 255, 0);
    ExpectPixel(11, 10, 0, 0, 255);
    EXPECT_TRUE(IsBlack(12, 10));
    EXPECT_TRUE(IsBlack(9, 10));

    // Stretched into a larger box, with the handle in destination pixels.
    GfxDrawImageRect(img, 100, 100, 4, 2, 3, 0, 1, 1, 2, 1);
    ExpectPixel(98, 99, 255, 255, 255);
    ExpectPixel(101, 100, 255, 255, 255);
    EXPECT_TRUE(IsBlack(102, 100));
    EXPECT_TRUE(IsBlack(97, 100));

    // Scale applies as well.
    GfxSetScale(2, 2);
    GfxDrawImageRect(img, 200, 200, 1, 1, 0, 0, 1, 1, 0, 0);
    ExpectPixel(201, 201, 255, 0, 0);
    EXPECT_TRUE(IsBlack(202, 200));
}

TEST_F(GfxDraw, RectanglesAndLines) {
    GfxSetColor(0, 0, 255);
    GfxDrawRect(10, 10, 5, 3);
    ExpectPixel(10, 10, 0, 0, 255);
    ExpectPixel(14, 12, 0, 0, 255);
    EXPECT_TRUE(IsBlack(15, 12));
    EXPECT_TRUE(IsBlack(14, 13));

    GfxSetColor(255, 255, 255);
    GfxSetAlpha(0.5f);
    GfxDrawRect(10, 10, 1, 1);
    ExpectPixel(10, 10, 128, 128, 255);

    GfxSetAlpha(1);
    GfxSetRotation(90);
    GfxDrawRect(100, 100, 10, 2);  // turns down around its corner
    ExpectPixel(99, 105, 255, 255, 255);
    EXPECT_TRUE(IsBlack(105, 100));
    GfxSetRotation(0);

    GfxDrawLine(200, 50, 210, 50);
    ExpectPixel(205, 50, 255, 255, 255);
    EXPECT_TRUE(IsBlack(205, 51));
}

TEST_F(GfxDraw, TextDrawsInsideItsBox) {
    const char* path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    Font font = GfxLoadFont(path, 20, GFX_FONT_SMOOTH);
    if (!font) {
        GTEST_SKIP() << "no DejaVu font";
    }
    GfxSetImageFont(font);
    EXPECT_EQ(GfxGetImageFont(), font);
    const int w = GfxTextWidth("Hello");
    const int h = GfxTextHeight("Hello");
    EXPECT_GT(w, 30);
    EXPECT_GT(GfxTextWidth("Hello, world"), w);
    EXPECT_EQ(GfxTextWidth(""), 0);
    EXPECT_GE(h, 20);
    EXPECT_LE(h, 30);
    EXPECT_GT(GfxTextWidth("Zażółć"), GfxTextWidth("Za"));

    GfxDrawText("Hello", 100, 100);
    const Pixmap box = GfxGrabPixmap(100, 100, w, h);
    int lit = 0;
    for (std::size_t i = 0; i < box.rgba.size(); i += 4) {
        lit += box.rgba[i] > 0 ? 1 : 0;
    }
    EXPECT_GT(lit, 40);
    // Nothing outside the box.
    const Pixmap around = GfxGrabPixmap(90, 90, w + 20, h + 20);
    int outside = 0;
    for (int y = 0; y < around.h; ++y) {
        for (int x = 0; x < around.w; ++x) {
            const bool inBox = x >= 10 && x < 10 + w && y >= 10 && y < 10 + h;
            outside += (!inBox && around.rgba[(y * around.w + x) * 4] > 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(outside, 0);

    // Coloured text.
    GfxSetColor(255, 0, 0);
    GfxDrawText("I", 300, 300);
    const Pixmap red = GfxGrabPixmap(300, 300, GfxTextWidth("I"), h);
    int redPixels = 0;
    for (std::size_t i = 0; i < red.rgba.size(); i += 4) {
        redPixels += (red.rgba[i] > 200 && red.rgba[i + 1] == 0) ? 1 : 0;
    }
    EXPECT_GT(redPixels, 5);
}

// Large letters fill their glyph page a band at a time: letters placed in the first band still
// draw the same once later letters have made the page taller, and the later ones draw too.
TEST_F(GfxDraw, LettersKeepTheirPixelsWhileTheirPageGrows) {
    const char* path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    Font font = GfxLoadFont(path, 64, GFX_FONT_SMOOTH);
    if (!font) {
        GTEST_SKIP() << "no DejaVu font";
    }
    GfxSetImageFont(font);
    const int w = GfxTextWidth("Hg");
    const int h = GfxTextHeight("Hg");
    GfxDrawText("Hg", 20, 20);
    const Pixmap before = GfxGrabPixmap(20, 20, w, h);

    // Enough different letters of this size to need several rows of the page.
    std::string many;
    for (char c = '!'; c <= '~'; ++c) many += c;
    GfxSetColor(0, 0, 0);
    GfxDrawRect(0, 0, 1024, 768);
    GfxSetColor(255, 255, 255);
    GfxDrawText(many.substr(0, 40), 0, 200);
    GfxDrawText(many.substr(40), 0, 300);
    const Pixmap lastRow = GfxGrabPixmap(0, 300, 1024, h);
    int lit = 0;
    for (std::size_t i = 0; i < lastRow.rgba.size(); i += 4) lit += lastRow.rgba[i] > 128 ? 1 : 0;
    EXPECT_GT(lit, 2000) << "the letters placed last are drawn";

    GfxSetColor(0, 0, 0);
    GfxDrawRect(0, 0, 1024, 768);
    GfxSetColor(255, 255, 255);
    GfxDrawText("Hg", 20, 20);
    const Pixmap after = GfxGrabPixmap(20, 20, w, h);
    EXPECT_EQ(after.rgba, before.rgba);
}

TEST_F(GfxDraw, MaskedImagesWithoutAlphaDropBlack) {
    ScratchDir dir;
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool red = x >= 16;
            rgb.insert(rgb.end(), {static_cast<std::uint8_t>(red ? 255 : 0), 0, 0});
        }
    }
    ASSERT_TRUE(WriteJpeg(dir / "pic.jpg", 32, 16, rgb));
    ASSERT_TRUE(WriteRgbPng(dir / "pic.png", 32, 16, rgb));
    GfxDrawRect(0, 0, 400, 100);  // white ground
    Image masked = GfxLoadImage(dir / "PIC.JPG", GFX_IMAGE_DEFAULT);
    Image plain = GfxLoadImage(dir / "pic.jpg", GFX_IMAGE_FILTERED);
    Image maskedPng = GfxLoadImage(dir / "pic.png", GFX_IMAGE_MASKED);
    ASSERT_TRUE(masked && plain && maskedPng);
    EXPECT_EQ(GfxImageWidth(masked), 32);
    EXPECT_EQ(GfxImageHeight(masked), 16);
    GfxDrawImage(masked, 10, 10);
    GfxDrawImage(plain, 60, 10);
    GfxDrawImage(maskedPng, 110, 10);
    ExpectPixel(13, 18, 255, 255, 255);  // black was see-through
    ExpectPixel(38, 18, 255, 0, 0, 6);
    ExpectPixel(63, 18, 0, 0, 0, 4);  // no mask: black stays
    ExpectPixel(113, 18, 255, 255, 255);
    ExpectPixel(138, 18, 255, 0, 0);
}

TEST_F(GfxDraw, MissingAndBrokenFilesGiveNullHandles) {
    ScratchDir dir;
    WriteBytes(dir / "broken.png", std::string("\x89PNG\r\n\x1a\n garbage", 17));
    WriteBytes(dir / "broken.jpg", std::string("\xFF\xD8\xFF\xE0 not really", 15));
    WriteBytes(dir / "text.png", "hello");
    WriteBytes(dir / "font.ttf", "not a font");
    EXPECT_EQ(GfxLoadImage(dir / "missing.png", -1), nullptr);
    EXPECT_EQ(GfxLoadImage(dir / "broken.png", -1), nullptr);
    EXPECT_EQ(GfxLoadImage(dir / "broken.jpg", -1), nullptr);
    EXPECT_EQ(GfxLoadImage(dir / "text.png", -1), nullptr);
    EXPECT_EQ(GfxLoadFont(dir / "missing.ttf", 12, GFX_FONT_SMOOTH), nullptr);
    EXPECT_EQ(GfxLoadFont(dir / "font.ttf", 12, GFX_FONT_SMOOTH), nullptr);
    EXPECT_EQ(GfxCreateImage(0, 5, nullptr, 0), nullptr);

    Image none;
    GfxDrawImage(none, 10, 10);
    GfxDrawImageRect(none, 10, 10, 5, 5, 0, 0, 5, 5, 0, 0);
    GfxMidHandle(none);
    EXPECT_EQ(GfxImageWidth(none), 0);
    GfxSetImageFont(nullptr);
    GfxDrawText("nothing", 10, 10);
    EXPECT_EQ(GfxTextWidth("nothing"), 0);
    EXPECT_EQ(GfxTextHeight("nothing"), 0);
    EXPECT_TRUE(IsBlack(10, 10));
}

TEST_F(GfxDraw, ScreenshotsRoundTripAndLastFrameSurvivesCls) {
    ScratchDir dir;
    GfxDrawImage(Solid(3, 3, 10, 200, 30), 5, 5);
    GfxKeepLastFrame(true);
    GfxFlip(-1);
    GfxCls();
    EXPECT_TRUE(IsBlack(6, 6));
    const Pixmap last = GfxLastFrame();
    ASSERT_EQ(last.w, 1024);
    ASSERT_EQ(last.h, 768);
    EXPECT_EQ(last.rgba[(6 * 1024 + 6) * 4 + 1], 200);

    ASSERT_TRUE(GfxSavePng(last, dir / "shot.png", 6));
    Image back = GfxLoadImage(dir / "shot.png", 0);
    ASSERT_TRUE(back);
    EXPECT_EQ(GfxImageWidth(back), 1024);
    GfxDrawImage(back, 0, 0);
    ExpectPixel(6, 6, 10, 200, 30, 0);
    EXPECT_FALSE(GfxSavePng(Pixmap(), dir / "empty.png", 6));

    // A grab reaching past the edge is padded with black.
    const Pixmap edge = GfxGrabPixmap(1020, 0, 10, 2);
    EXPECT_EQ(edge.w, 10);
    EXPECT_EQ(edge.rgba.size(), 10u * 2 * 4);
}

TEST_F(GfxDraw, GrabbedPicturesDrawBackTheFramesPixels) {
    // A picture of many colours, taller than one band of the grab, drawn and grabbed whole;
    // a second grab reaches past the frame's right edge.
    constexpr int kW = 300, kH = 150;
    auto colour = [](int x, int y) {
        return std::array<int, 3>{(x * 7) % 256, (y * 5) % 256, (x + 3 * y) % 256};
    };
    std::vector<std::uint8_t> px;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const auto c = colour(x, y);
            px.insert(px.end(), {static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]),
                                 static_cast<std::uint8_t>(c[2]), 255});
        }
    }
    GfxDrawImage(GfxCreateImage(kW, kH, px.data(), 0), 100, 100);
    GfxSetColor(0, 255, 0);
    GfxDrawRect(1000, 100, 24, 10);
    GfxSetColor(255, 255, 255);
    const Image grab = GfxGrabImage(100, 100, kW, kH);
    const Image pastEdge = GfxGrabImage(1024 - 100, 100, 200, 10);
    ASSERT_TRUE(grab);
    ASSERT_TRUE(pastEdge);
    EXPECT_EQ(GfxImageWidth(grab), kW);
    EXPECT_EQ(GfxImageHeight(grab), kH);

    GfxCls();
    GfxDrawImage(grab, 400, 300);
    for (int y = 0; y < kH; y += 7) {
        for (int x = 0; x < kW; x += 11) {
            const auto c = colour(x, y);
            ExpectPixel(400 + x, 300 + y, c[0], c[1], c[2], 0);
        }
    }
    // Half opaque over white: the grab is opaque, so its colours mix evenly with the white.
    GfxCls();
    GfxSetColor(255, 255, 255);
    GfxDrawRect(0, 0, 1024, 768);
    GfxSetAlpha(0.5f);
    GfxDrawImage(grab, 0, 0);
    GfxSetAlpha(1);
    const auto c = colour(kW - 1, kH - 1);
    ExpectPixel(kW - 1, kH - 1, (c[0] + 255) / 2, (c[1] + 255) / 2, (c[2] + 255) / 2, 2);
    // Past the edge: the frame's pixels (black, then the green strip), then black.
    GfxDrawImage(pastEdge, 0, 500);
    ExpectPixel(50, 505, 0, 0, 0, 0);
    ExpectPixel(80, 505, 0, 255, 0, 0);
    ExpectPixel(99, 509, 0, 255, 0, 0);
    ExpectPixel(100, 505, 0, 0, 0, 0);
    ExpectPixel(199, 505, 0, 0, 0, 0);
}

TEST(GfxRestart, ImagesSurviveARestartOfThePlatform) {
    ASSERT_TRUE(StartHeadlessPlatform());
    Image img = Solid(2, 2, 0, 255, 0);
    GfxDrawImage(img, 0, 0);
    StopHeadlessPlatform();
    ASSERT_TRUE(StartHeadlessPlatform());
    GfxDrawImage(img, 10, 10);
    ExpectPixel(10, 10, 0, 255, 0);
    StopHeadlessPlatform();
}

TEST(GfxNull, NullRendererLoadsSizesAndMeasuresButDrawsNothing) {
    ASSERT_TRUE(StartHeadlessPlatform(RendererKind::Null));
    Image img = Solid(7, 5, 255, 255, 255);
    ASSERT_TRUE(img);
    EXPECT_EQ(GfxImageWidth(img), 7);
    GfxDrawImage(img, 0, 0);
    GfxDrawRect(0, 0, 10, 10);
    EXPECT_TRUE(IsBlack(1, 1));
    Font font = GfxLoadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 16, GFX_FONT_SMOOTH);
    if (font) {
        GfxSetImageFont(font);
        EXPECT_GT(GfxTextWidth("abc"), 10);
        GfxDrawText("abc", 0, 0);
    }
    GfxFlip(-1);
    EXPECT_EQ(SysMillisecs(), 16);
    StopHeadlessPlatform();
}
