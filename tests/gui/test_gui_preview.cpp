// The sample script of the GUI preview and the preview screen itself, driven
// through the platform's input queue like a real mouse.
#include <cmath>

#include "gui/gui_preview.h"
#include "gui_test_util.h"
#include "support/headless_platform.h"

namespace {
const char* const kSample = "game/gfx/gui/preview/sample.gui";

void Put(Pixmap& pix, int x, int y, int r, int g, int b) {
    std::uint8_t* p = &pix.rgba[(static_cast<size_t>(y) * pix.w + x) * 4];
    p[0] = static_cast<std::uint8_t>(r);
    p[1] = static_cast<std::uint8_t>(g);
    p[2] = static_cast<std::uint8_t>(b);
    p[3] = 255;
}

// A rounded box with a border and a vertical shade.
void PreviewBox(Pixmap& pix, int x0, int y0, int w, int h, int radius, int border, const int top[3],
                const int bottom[3], const int edge[3]) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int cx = std::clamp(x, radius, w - 1 - radius), cy = std::clamp(y, radius, h - 1 - radius);
            const double d = std::hypot(x - cx, y - cy);
            if (d > radius) continue;
            const double t = static_cast<double>(y) / h;
            const bool onEdge =
                d > radius - border || x < border || y < border || x >= w - border || y >= h - border;
            if (onEdge) {
                Put(pix, x0 + x, y0 + y, edge[0], edge[1], edge[2]);
            } else {
                Put(pix, x0 + x, y0 + y, static_cast<int>(top[0] + (bottom[0] - top[0]) * t),
                    static_cast<int>(top[1] + (bottom[1] - top[1]) * t),
                    static_cast<int>(top[2] + (bottom[2] - top[2]) * t));
            }
        }
    }
}

// The sample's atlas (panel, button, star), laid out as sample_atlas.txt says.
// Generated here because pictures are not kept in the repository.
void WriteSampleAtlas() {
    Pixmap pix;
    pix.w = 400;
    pix.h = 460;
    pix.rgba.assign(static_cast<size_t>(pix.w) * pix.h * 4, 0);
    const int panelTop[3] = {132, 96, 60}, panelBottom[3] = {96, 66, 40}, panelEdge[3] = {206, 168, 112};
    PreviewBox(pix, 0, 0, 400, 400, 28, 6, panelTop, panelBottom, panelEdge);
    const int buttonTop[3] = {92, 140, 84}, buttonBottom[3] = {52, 96, 50}, buttonEdge[3] = {230, 214, 160};
    PreviewBox(pix, 0, 400, 200, 60, 16, 3, buttonTop, buttonBottom, buttonEdge);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            if (std::abs(x - 24) + std::abs(y - 24) <= 22) Put(pix, 200 + x, 400 + y, 250, 212, 80);
        }
    }
    ASSERT_TRUE(FsSaveBytes(guitest::EncodePng(pix), "game/gfx/gui/preview/sample_atlas.png"));
}

class GuiPreview : public HeadlessPlatformTest {
protected:
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        // The art generator draws the sample's atlas; without generated art
        // the test draws a stand-in of the same layout.
        if (FsFileType("game/gfx/gui/preview/sample_atlas.png") != 1) WriteSampleAtlas();
    }
    static void Click(TGuiPreview& screen, float x, float y) {
        InPushEvent({InputEvent::MouseMove, x, y, 0});
        InPushEvent({InputEvent::MouseDown, x, y, 1});
        screen.update();
        InPushEvent({InputEvent::MouseUp, x, y, 1});
        screen.update();
        screen.update();
    }
};
}  // namespace

TEST_F(GuiPreview, SampleScriptLaysOutItsObjects) {
    std::shared_ptr<TGui> gui;
    const std::string out = guitest::Output([&] { gui = LoadGui(kSample); });
    EXPECT_EQ(out.find("ERROR: "), std::string::npos) << out;
    EXPECT_EQ(out.find("TEXTURE NOT FOUND"), std::string::npos) << out;
    ASSERT_EQ(gui->objects.size(), 7u);
    EXPECT_EQ(gui->propClasses.size(), 2u);
    const auto& play = *gui->GetObject("play");
    EXPECT_FLOAT_EQ(play.dim.cx, 512);
    EXPECT_FLOAT_EQ(play.dim.cy, 334);
    EXPECT_TRUE(play.GetPropertiesByAction(TProperties::OVER));
    EXPECT_TRUE(play.GetPropertiesByAction(TProperties::CLICK));
    EXPECT_FLOAT_EQ(gui->GetObject("quit")->dim.cy, 494);
    EXPECT_FLOAT_EQ(gui->GetObject("star")->dim.cx, 666);
    const auto& title = *gui->GetObject("title");  // aligned to the top of the panel
    EXPECT_FLOAT_EQ(title.dim.y, 184);
    EXPECT_FLOAT_EQ(title.dim.cx, 512);
}

TEST_F(GuiPreview, ScreenDrawsBackdropAndLayoutAndReportsClicks) {
    TGuiPreview screen(kSample);
    testing::internal::CaptureStdout();
    screen.prepare();
    GfxCls();
    screen.draw();
    const Rgb top = PixelAt(5, 2), bottom = PixelAt(5, 765), button = PixelAt(430, 334);
    EXPECT_NEAR(top.b, 182, 3);
    EXPECT_NEAR(bottom.b, 136, 3);
    EXPECT_GT(top.r, bottom.r);
    EXPECT_GT(button.g, button.r);  // the green button sits on the brown panel
    const Rgb panel = PixelAt(330, 560);
    EXPECT_GT(panel.r, panel.b);

    Click(screen, 512, 334);
    Click(screen, 10, 10);  // on nothing
    Click(screen, 512, 414);
    const std::string out = testing::internal::GetCapturedStdout();
    // Every clicked object is named, the panel behind the buttons too.
    EXPECT_EQ(out, "clicked: PANEL\nclicked: PLAY\nclicked: PANEL\nclicked: OPTIONS\n");
}
