// Pixels of drawn GUI objects through the headless software renderer:
// placement, colour, opacity, transitions, disabled sets and centred text.
#include <cmath>
#include <numbers>

#include "gui_test_util.h"
#include "support/headless_platform.h"

using guitest::Frame;

namespace {
const char* const kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class GuiDraw : public HeadlessPlatformTest {
protected:
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        mouse.clear();
        dir.png("red.png", 100, 40, 255, 0, 0);
        dir.png("blue.png", 100, 40, 0, 0, 255);
        dir.png("white.png", 100, 40, 255, 255, 255);
        // An atlas: left half green, right half blue, described as two pieces.
        Pixmap pix;
        pix.w = 64;
        pix.h = 32;
        pix.rgba.resize(64 * 32 * 4);
        for (int i = 0; i < 64 * 32; ++i) {
            const bool left = i % 64 < 32;
            pix.rgba[static_cast<size_t>(i) * 4 + 1] = left ? 255 : 0;
            pix.rgba[static_cast<size_t>(i) * 4 + 2] = left ? 0 : 255;
            pix.rgba[static_cast<size_t>(i) * 4 + 3] = 255;
        }
        dir.write("atlas.png", guitest::EncodePng(pix));
        dir.write("atlas.txt", "2\nleft\n0\n0\n32\n32\nright\n32\n0\n32\n32\n");
    }
    void TearDown() override {
        mouse.clear();
        HeadlessPlatformTest::TearDown();
    }
    std::shared_ptr<TGui> Load(const std::string& script) { return guitest::FromText(script, dir.path); }
    static void Draw(TGui& gui) {
        GfxCls();
        gui.draw();
    }
    static void ExpectPixel(int x, int y, int r, int g, int b, int tolerance = 3) {
        const Rgb p = PixelAt(x, y);
        EXPECT_NEAR(p.r, r, tolerance) << "at " << x << "," << y;
        EXPECT_NEAR(p.g, g, tolerance) << "at " << x << "," << y;
        EXPECT_NEAR(p.b, b, tolerance) << "at " << x << "," << y;
    }
    guitest::ScratchDir dir;
};

float Eased(float per) { return static_cast<float>(std::sin(per * std::numbers::pi / 2)); }
}  // namespace

TEST_F(GuiDraw, ImagesAreCentredOnTheDrawingCentre) {
    auto gui = Load(R"(
        OBJECT free { GFX = red.png POSITION = "200 100" }
        OBJECT base { POSITION = "50 450" }
        OBJECT pinned { GFX = blue.png POSITION = "200 100" PINTO = base }
        OBJECT piece { GFX = atlas.png|right POSITION = "700 100" })");
    Draw(*gui);
    ExpectPixel(151, 81, 255, 0, 0);  // the red image spans (150, 80)-(250, 120)
    ExpectPixel(248, 118, 255, 0, 0);
    ExpectPixel(148, 100, 0, 0, 0);
    ExpectPixel(200, 122, 0, 0, 0);
    ExpectPixel(300, 570, 0, 0, 255);  // pinned: centred on (300, 570)
    ExpectPixel(252, 552, 0, 0, 255);
    ExpectPixel(248, 570, 0, 0, 0);
    ExpectPixel(700, 100, 0, 0, 255);  // only the blue half of the atlas
    ExpectPixel(685, 85, 0, 0, 255);
    ExpectPixel(682, 100, 0, 0, 0);
}

TEST_F(GuiDraw, ColourOpacityAndScreenAlpha) {
    auto gui = Load(R"(
        OBJECT tint { GFX = white.png POSITION = "100 100" RGB = "0 255 0" }
        OBJECT half { GFX = white.png POSITION = "300 100" ALPHA = 0.5 }
        OBJECT big { GFX = white.png POSITION = "600 300" SCALE = "2 2" })");
    Draw(*gui);
    ExpectPixel(100, 100, 0, 255, 0);
    ExpectPixel(300, 100, 128, 128, 128, 4);
    ExpectPixel(600 - 95, 300 - 35, 255, 255, 255);  // scaled around its centre
    gui->setGuiAlpha(0.5f);
    Draw(*gui);
    ExpectPixel(100, 100, 0, 128, 0, 4);
    ExpectPixel(300, 100, 64, 64, 64, 4);
}

TEST_F(GuiDraw, StepTransitionInterpolates) {
    auto gui = Load(R"(
        OBJECT b { GFX = white.png POSITION = "100 100" STEPDELTA = 0.5
                   OVER { ALPHA = 0.5 RGB = "255 0 0" ADDDIM = "0 20" } })");
    Frame(*gui, 101, 101);  // per 0.5
    const float t = Eased(0.5f);
    Draw(*gui);
    const int level = static_cast<int>(std::lround(255 * (1 + (0.5f - 1) * t)));
    const int green = static_cast<int>(255 + (0 - 255) * t) * level / 255;
    ExpectPixel(100, 100 + static_cast<int>(20 * t), level, green, green, 5);
    Frame(*gui, 101, 101);  // per 1: fully the over set
    Draw(*gui);
    ExpectPixel(100, 120, 128, 0, 0, 4);
    ExpectPixel(100, 81, 0, 0, 0);  // moved 20 down: the top rows are empty
    Frame(*gui, 500, 500);
    Frame(*gui, 500, 500);
    Draw(*gui);
    ExpectPixel(100, 81, 255, 255, 255);  // back to the standard set
}

TEST_F(GuiDraw, CrossFadeToAnotherImage) {
    auto gui =
        Load(R"(OBJECT b { GFX = red.png POSITION = "100 100" STEPDELTA = 0.5 OVER { GFX = blue.png } })");
    Frame(*gui, 101, 101);
    Draw(*gui);
    const float t = Eased(0.5f);
    ExpectPixel(100, 100, static_cast<int>(255 * (1 - t)), 0, static_cast<int>(255 * t), 5);
    Frame(*gui, 101, 101);
    Draw(*gui);
    ExpectPixel(100, 100, 0, 0, 255);
}

TEST_F(GuiDraw, DisabledObjects) {
    auto gui = Load(R"(
        OBJECT plain { GFX = red.png POSITION = "100 100" OVER { ALPHA = 0.2 } }
        OBJECT faded { GFX = red.png POSITION = "300 100" UNACTIVE { ALPHA = 0.5 } }
        OBJECT other { GFX = red.png POSITION = "500 100" UNACTIVE { GFX = blue.png } }
        OBJECT gone { GFX = red.png POSITION = "700 100" })");
    for (const auto& o : gui->objects) o->SetState(1, 0);
    gui->GetObject("gone")->SetState(0, 0);
    Frame(*gui, 101, 101);
    Frame(*gui, 101, 101);
    Draw(*gui);
    ExpectPixel(100, 100, 255, 0, 0);     // no disabled set: the standard set, no over
    ExpectPixel(300, 100, 128, 0, 0, 4);  // the disabled set completes with the standard image
    ExpectPixel(500, 100, 0, 0, 255);
    ExpectPixel(700, 100, 0, 0, 0);  // hidden
}

TEST_F(GuiDraw, VectorMeMovesTheDrawing) {
    auto gui = Load(R"(OBJECT b { GFX = red.png POSITION = "100 100" })");
    gui->VectorMe(0, 300, 0);
    Draw(*gui);
    ExpectPixel(100, 100, 0, 0, 0);
    ExpectPixel(100, 400, 255, 0, 0);
    gui->VectorMe(0, 300, 1);
    Draw(*gui);
    ExpectPixel(100, 100, 255, 0, 0);
}

namespace {
struct Box {
    int x0 = 100000, y0 = 100000, x1 = -1, y1 = -1, count = 0;
};
// The bounding box of the pixels in the region that match the predicate.
template <class Pred>
Box Find(int x, int y, int w, int h, Pred pred) {
    const Pixmap pix = GfxGrabPixmap(x, y, w, h);
    Box b;
    for (int j = 0; j < pix.h; ++j) {
        for (int i = 0; i < pix.w; ++i) {
            const std::uint8_t* p = &pix.rgba[(static_cast<size_t>(j) * pix.w + i) * 4];
            if (!pred(p[0], p[1], p[2])) continue;
            b.x0 = std::min(b.x0, x + i);
            b.x1 = std::max(b.x1, x + i);
            b.y0 = std::min(b.y0, y + j);
            b.y1 = std::max(b.y1, y + j);
            ++b.count;
        }
    }
    return b;
}
}  // namespace

TEST_F(GuiDraw, TextIsCentredWithShadowAndOutline) {
    if (FsFileType(kFont) != 1) GTEST_SKIP() << "no DejaVu font";
    auto gui = Load(std::string("OBJECT t { TXT = \"HHHH\" POSITION = \"512 384\" FONT = ") + kFont +
                    "|32 TEXTRGB = \"255 0 0\" }");
    Draw(*gui);
    const Box red = Find(312, 284, 400, 200, [](int r, int g, int b) { return r > 128 && g < 60 && b < 60; });
    ASSERT_GT(red.count, 50);
    EXPECT_NEAR((red.x0 + red.x1) / 2.0, 512, 3);
    EXPECT_NEAR((red.y0 + red.y1) / 2.0, 384, 8);

    // A shadow 10 pixels down and right, over a white image so that it shows.
    gui = Load(std::string(R"(OBJECT t { GFX = white.png SCALE = "3 3" POSITION = "512 384"
                              TXT = "HHHH" TEXTRGB = "255 0 0" TEXTSHADOW = "10 10 1" FONT = )") +
               kFont + "|32 }");
    Draw(*gui);
    const Box shadow =
        Find(362, 324, 300, 120, [](int r, int g, int b) { return r < 40 && g < 40 && b < 40; });
    const Box text =
        Find(362, 324, 300, 120, [](int r, int g, int b) { return r > 200 && g < 60 && b < 60; });
    ASSERT_GT(shadow.count, 20);
    ASSERT_GT(text.count, 20);
    EXPECT_NEAR(shadow.x1 - text.x1, 10, 1);
    EXPECT_NEAR(shadow.y1 - text.y1, 10, 1);

    // A blue outline one pixel around the text.
    gui = Load(
        std::string("OBJECT t { TXT = \"HHHH\" POSITION = \"512 384\" TEXTOUTLINE = \"0 0 255\" FONT = ") +
        kFont + "|32 }");
    Draw(*gui);
    const Box white =
        Find(312, 284, 400, 200, [](int r, int g, int b) { return r > 200 && g > 200 && b > 200; });
    const Box blue =
        Find(312, 284, 400, 200, [](int r, int g, int b) { return b > 200 && r < 60 && g < 60; });
    ASSERT_GT(blue.count, 20);
    EXPECT_EQ(blue.x0, white.x0 - 1);
    EXPECT_EQ(blue.x1, white.x1 + 1);
}

TEST_F(GuiDraw, TextSizesAnObjectWithoutImage) {
    if (FsFileType(kFont) != 1) GTEST_SKIP() << "no DejaVu font";
    auto gui = Load(std::string("OBJECT t { TXT = \"Play\" FONT = ") + kFont + "|24 POSITION = \"10 10\" }");
    const TGuiObject& t = *gui->objects.at(0);
    GfxSetImageFont(GetFont(kFont, 24));
    EXPECT_FLOAT_EQ(t.dim.w, static_cast<float>(GfxTextWidth("Play")));
    EXPECT_FLOAT_EQ(t.dim.h, static_cast<float>(GfxTextHeight("Play")));
    EXPECT_GT(t.dim.w, 20);
    EXPECT_EQ(GetFont(kFont, 24), GetFont(std::string(kFont).replace(1, 3, "USR"), 24));  // cached, any case
}

TEST_F(GuiDraw, TextTransitions) {
    if (FsFileType(kFont) != 1) GTEST_SKIP() << "no DejaVu font";
    const std::string font = std::string(" FONT = ") + kFont + "|32 ";
    auto isRed = [](int r, int g, int b) { return r > 100 && g < 40 && b < 40; };
    auto isBlue = [](int r, int g, int b) { return b > 200 && r < 40 && g < 40; };
    // Cross-fade to a set with its own text: at the end only the new colour shows.
    auto gui = Load("OBJECT t { TXT = HHHH POSITION = \"512 384\" TEXTRGB = \"255 0 0\" " + font +
                    "OVER { TXT = HHHH TEXTRGB = \"0 0 255\" } }");
    GfxSetImageFont(GetFont(kFont, 32));
    const float w = static_cast<float>(GfxTextWidth("HHHH"));
    Frame(*gui, 512, 384);
    Draw(*gui);
    EXPECT_EQ(Find(312, 284, 400, 200, isRed).count, 0);
    EXPECT_GT(Find(312, 284, 400, 200, isBlue).count, 50);

    // Step to a set without text: the opacity and the offset move.
    gui = Load("OBJECT t { TXT = HHHH POSITION = \"512 384\" TEXTRGB = \"255 0 0\" " + font +
               "OVER { TEXTALPHA = 0.5 ADDDIM = \"0 40\" } }");
    Draw(*gui);
    const Box before = Find(312, 284, 400, 300, isRed);
    Frame(*gui, 512 + w / 4, 384);
    Draw(*gui);
    const Box after = Find(312, 284, 400, 300, isRed);
    ASSERT_GT(after.count, 50);
    EXPECT_EQ(after.y0 - before.y0, 40);
    const Rgb p = PixelAt((after.x0 + after.x1) / 2, (after.y0 + after.y1) / 2);
    const Box bright = Find(312, 284, 400, 300, [](int r, int g, int b) { return r > 160; });
    EXPECT_EQ(bright.count, 0) << "half opacity: no full red left, centre " << p.r;
}
