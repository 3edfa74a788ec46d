// Layout of GUI objects: positions, pins, the four alignments, sizes taken
// from atlas pieces.
#include <algorithm>

#include "gui/gui_util.h"
#include "gui_test_util.h"
#include "support/headless_platform.h"

using guitest::FromText;

namespace {
// An atlas with pieces of known sizes beside the scripts.
class GuiLayout : public testing::Test {
protected:
    void SetUp() override {
        dir.png("atlas.png", 64, 64, 200, 100, 50);
        dir.write("atlas.txt",
                  "3\nbtn\n0\n0\n100\n40\npanel\n0\n0\n400\n300\nsmall\n 0 \n0\n20\n10\nbroken\n1\n");
    }
    std::shared_ptr<TGui> Load(const std::string& script) { return FromText(script, dir.path); }
    static void ExpectRect(const TGuiObject& o, float x, float y, float cx, float cy) {
        EXPECT_FLOAT_EQ(o.dim.x, x) << o.id;
        EXPECT_FLOAT_EQ(o.dim.y, y) << o.id;
        EXPECT_FLOAT_EQ(o.dim.cx, cx) << o.id;
        EXPECT_FLOAT_EQ(o.dim.cy, cy) << o.id;
    }
    guitest::ScratchDir dir;
};
}  // namespace

TEST_F(GuiLayout, AtlasPiecesGiveSizesAndCentredHandles) {
    auto gui = Load("OBJECT a { GFX = atlas.png|Small } OBJECT b { GFX = \"ATLAS.PNG| broken \" }");
    const TGuiObject& a = *gui->GetObject("a");
    ASSERT_TRUE(a.standardProps->img);
    EXPECT_FLOAT_EQ(a.dim.w, 20);
    EXPECT_FLOAT_EQ(a.dim.h, 10);
    EXPECT_FLOAT_EQ(a.standardProps->img->hx, 10);
    EXPECT_FLOAT_EQ(a.standardProps->img->hy, 5);
    // An incomplete last piece is ignored: no image, no size.
    EXPECT_FALSE(gui->GetObject("b")->standardProps->img);
    EXPECT_FLOAT_EQ(gui->GetObject("b")->dim.w, 0);
    // The atlas is cached: both layouts share one texture.
    auto again = Load("OBJECT a { GFX = atlas.png|small }");
    EXPECT_EQ(again->GetObject("a")->standardProps->img->tex, a.standardProps->img->tex);
}

TEST_F(GuiLayout, UnpinnedObjectIsCentredOnItsCorner) {
    auto gui = Load("OBJECT b { GFX = atlas.png|btn POSITION = \"200 100\" }");
    const TGuiObject& b = *gui->objects.at(0);
    ExpectRect(b, 200, 100, 200, 100);
    EXPECT_FLOAT_EQ(b.dim.w, 100);
    EXPECT_FLOAT_EQ(b.dim.h, 40);
}

TEST_F(GuiLayout, PinnedObjectAddsTheDeclaredPlaceOfItsTarget) {
    auto gui = Load(R"(
        OBJECT base { POSITION = "50 50" ADDDIM = "1 2" }
        OBJECT b { GFX = atlas.png|btn POSITION = "200 100" PINTO = Base }
        OBJECT c { GFX = atlas.png|small POSITION = "1 1" PINTO = b }
        OBJECT lost { GFX = atlas.png|small POSITION = "7 7" PINTO = nobody })");
    ExpectRect(*gui->GetObject("b"), 251, 152, 301, 172);
    EXPECT_EQ(gui->GetObject("b")->pinTo, gui->GetObject("base").get());
    ASSERT_EQ(gui->GetObject("base")->objects.size(), 1u);
    // Pins do not chain: c reads b's declared place, not its computed one.
    ExpectRect(*gui->GetObject("c"), 201, 101, 211, 106);
    ExpectRect(*gui->GetObject("lost"), 7, 7, 7, 7);
    EXPECT_EQ(gui->GetObject("lost")->pinTo, nullptr);
}

TEST_F(GuiLayout, FourAlignmentsInsideTheTarget) {
    auto gui = Load(R"(
        OBJECT panel { GFX = atlas.png|panel POSITION = "100 100" }
        OBJECT l { GFX = atlas.png|small ALIGN = LEFT PINTO = panel ADDDIM = "5 6" POSITION = "999 999" }
        OBJECT u { GFX = atlas.png|small ALIGN = UP PINTO = panel ADDDIM = "5 6" }
        OBJECT d { GFX = atlas.png|small ALIGN = down PINTO = panel ADDDIM = "5 6" }
        OBJECT r { GFX = atlas.png|small ALIGN = Right PINTO = panel ADDDIM = "5 6" }
        OBJECT none { GFX = atlas.png|small ALIGN = LEFT POSITION = "40 40" })");
    ExpectRect(*gui->GetObject("l"), 105, 251, 115, 256);
    ExpectRect(*gui->GetObject("u"), 295, 106, 305, 111);
    ExpectRect(*gui->GetObject("d"), 295, 396, 305, 401);
    ExpectRect(*gui->GetObject("r"), 485, 251, 495, 256);
    // Aligned without a target: stays at (0, 0).
    ExpectRect(*gui->GetObject("none"), 0, 0, 0, 0);
}

TEST_F(GuiLayout, AlignedObjectReadsTargetBeforeTheTargetIsPinned) {
    auto gui = Load(R"(
        OBJECT panel { POSITION = "100 100" }
        OBJECT label { GFX = atlas.png|small ALIGN = LEFT PINTO = box }
        OBJECT box { GFX = atlas.png|btn POSITION = "10 10" PINTO = panel })");
    ExpectRect(*gui->GetObject("label"), 10, 25, 20, 30);
    ExpectRect(*gui->GetObject("box"), 110, 110, 160, 130);
}

TEST_F(GuiLayout, MissingImagesLeaveObjectsWithoutImage) {
    std::string out = guitest::Output([&] {
        auto gui = Load(
            "OBJECT a { GFX = nothing.png } OBJECT b { GFX = noatlas.png|x } "
            "OBJECT c { GFX = noatlas.png|y }");
        for (const auto& o : gui->objects) {
            EXPECT_FALSE(o->standardProps->img) << o->id;
            EXPECT_FLOAT_EQ(o->dim.w, 0);
        }
        gui->draw();  // nothing to draw, nothing breaks
    });
    EXPECT_NE(out.find("NO KURWA NIE MA TAKIEGO PLIKU: " + dir.path + "nothing.png"), std::string::npos)
        << out;
    // The missing atlas is reported once, then cached empty.
    const std::string missing = "TEXTURE NOT FOUND: " + dir.path + "noatlas.png";
    ASSERT_NE(out.find(missing), std::string::npos) << out;
    EXPECT_EQ(out.find(missing, out.find(missing) + 1), std::string::npos) << out;
}

TEST_F(GuiLayout, AnObjectPinnedToItselfStaysUnpinnedWhereItSaysItIs) {
    auto gui = Load(R"(
        OBJECT selfish { GFX = atlas.png|small POSITION = "30 40" ADDDIM = "5 5" PINTO = SELFISH }
        OBJECT after { GFX = atlas.png|small POSITION = "1 1" PINTO = selfish })");
    const TGuiObject& selfish = *gui->GetObject("selfish");
    EXPECT_EQ(selfish.pinTo, nullptr);
    ExpectRect(selfish, 35, 45, 35, 45);  // unpinned: centred on its corner
    // Others may still pin to it, and it lists only them.
    ASSERT_EQ(selfish.objects.size(), 1u);
    EXPECT_EQ(selfish.objects[0], gui->GetObject("after").get());
    ExpectRect(*gui->GetObject("after"), 36, 46, 46, 51);
}

namespace {
const char* const kLayoutFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
class GuiTextMeasure : public HeadlessPlatformTest {
protected:
    guitest::ScratchDir dir;
};
}  // namespace

TEST_F(GuiTextMeasure, MeasuringATextKeepsTheCurrentFontForTheNextDrawing) {
    if (FsFileType(kLayoutFont) != 1) GTEST_SKIP() << "no DejaVu font";
    const Font small = GfxLoadFont(kLayoutFont, 12, 4);
    ASSERT_TRUE(small);
    GfxSetImageFont(small);
    // Laying the object out measures its text in its own, large font.
    auto gui = guitest::FromText(
        std::string("OBJECT t { TXT = \"HHHH\" POSITION = \"500 500\" FONT = ") + kLayoutFont + "|96 }",
        dir.path);
    ASSERT_GT(gui->GetObject("t")->dim.h, 80);

    GfxCls();
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(1);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetScale(1, 1);
    GfxSetRotation(0);
    GfxDrawText("HHHH", 10, 10);
    const Pixmap pix = GfxGrabPixmap(0, 0, 400, 200);
    int top = 200, bottom = -1, right = -1;
    for (int y = 0; y < pix.h; ++y) {
        for (int x = 0; x < pix.w; ++x) {
            if (pix.rgba[(static_cast<size_t>(y) * pix.w + x) * 4] < 128) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            right = std::max(right, x);
        }
    }
    ASSERT_GE(bottom, 0) << "nothing drawn";
    // Drawn in the 12 px font: capitals under 12 px tall, four of them
    // well under 100 px wide (the 96 px font gives some 280 px).
    EXPECT_LT(bottom - top, 12);
    EXPECT_LT(right, 100);
}

TEST(GuiAtlas, DescriptionFormat) {
    auto pieces = ParseAtlasDescription("2\r\n a \r\n1\r\n2\r\n3\r\n4\r\nb\n5\n6\n7\n8\nc\n9\n");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0]->name, "A");
    EXPECT_FLOAT_EQ(pieces[0]->x, 1);
    EXPECT_FLOAT_EQ(pieces[0]->h, 4);
    EXPECT_FLOAT_EQ(pieces[1]->hx, 3.5f);
    EXPECT_TRUE(ParseAtlasDescription("").empty());
    EXPECT_TRUE(ParseAtlasDescription("1\nonly\n1\n2\n3").empty());
}

TEST(GuiPaths, ScriptRelativePaths) {
    EXPECT_EQ(ScriptDir("game/gfx/gui/a.gui"), "game/gfx/gui/");
    EXPECT_EQ(ScriptDir("a.gui"), "");
    EXPECT_EQ(ResolveScriptPath("game/gfx/gui/", "btn.png"), "game/gfx/gui/btn.png");
    EXPECT_EQ(ResolveScriptPath("game/gfx/gui/", "../../fonts/f.ttf"), "game/fonts/f.ttf");
    EXPECT_EQ(ResolveScriptPath("game/gfx/gui/", "./x/../y.png"), "game/gfx/gui/y.png");
    EXPECT_EQ(ResolveScriptPath("a/", "../../b.png"), "../b.png");
    EXPECT_EQ(ResolveScriptPath("game/", "/abs/c.png"), "/abs/c.png");
    EXPECT_EQ(ResolveScriptPath("/", "../c.png"), "/c.png");
}
