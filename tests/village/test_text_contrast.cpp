// Every text of the village's dialogs reads against what lies behind it: each is found by drawing
// the screen with and without it and must reach the WCAG contrast for its size (4.5, or 3 from 24
// pixels up). The measure itself is checked on pictures made here.
#include <gtest/gtest.h>

#include <string>

#include "frame/frame_loop.h"
#include "frame/screen.h"
#include "gui/gui.h"
#include "match3/res_panel.h"
#include "quest/profile.h"
#include "support/text_contrast.h"
#include "test_land_screen_fixture.h"
#include "village/land_screen.h"
#include "village/research_screen.h"
#include "village/show_building.h"

namespace {

Pixmap Plain(int w, int h, Rgb c) {
    Pixmap p;
    p.w = w;
    p.h = h;
    p.rgba.resize(static_cast<std::size_t>(w * h * 4), 255);
    for (int i = 0; i < w * h; ++i) {
        p.rgba[static_cast<std::size_t>(i) * 4] = static_cast<std::uint8_t>(c.r);
        p.rgba[static_cast<std::size_t>(i) * 4 + 1] = static_cast<std::uint8_t>(c.g);
        p.rgba[static_cast<std::size_t>(i) * 4 + 2] = static_cast<std::uint8_t>(c.b);
    }
    return p;
}

void Paint(Pixmap& p, int x, int y, Rgb c) {
    const std::size_t o = static_cast<std::size_t>(y * p.w + x) * 4;
    p.rgba[o] = static_cast<std::uint8_t>(c.r);
    p.rgba[o + 1] = static_cast<std::uint8_t>(c.g);
    p.rgba[o + 2] = static_cast<std::uint8_t>(c.b);
}

}  // namespace

TEST(TextContrast, TheRatioFollowsTheWcagFormula) {
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21, 0.01);
    EXPECT_NEAR(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21, 0.01);
    EXPECT_NEAR(ContrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio({200, 175, 100}, {200, 175, 100}), 1, 1e-9);
    EXPECT_EQ(RequiredContrast(20), 4.5);
    EXPECT_EQ(RequiredContrast(24), 3);
}

// Pale tan strokes on cream: the cores' colour against the box's median, not the smoothed rims.
TEST(TextContrast, GlyphCoresAreMeasuredAgainstTheBoxAroundThem) {
    const Rgb cream{243, 226, 188}, tan{200, 175, 100}, rim{222, 200, 144};
    const Pixmap without = Plain(40, 20, cream);
    Pixmap with = without;
    for (int y = 5; y < 15; ++y) {
        Paint(with, 10, y, rim);
        Paint(with, 11, y, tan);
        Paint(with, 12, y, rim);
    }
    const TextContrast c = MeasureTextContrast(with, without, 8, 4, 10, 12);
    EXPECT_EQ(c.glyphPixels, 30);
    EXPECT_EQ(c.text.r, tan.r);
    EXPECT_EQ(c.back.g, cream.g);
    EXPECT_NEAR(c.ratio, ContrastRatio(tan, cream), 1e-9);
    EXPECT_EQ(MeasureTextContrast(without, without, 8, 4, 10, 12).glyphPixels, 0);
}

namespace {

class VillageTextContrast : public VillageTest {
protected:
    void TearDown() override {
        GfxSetTextWatcher(nullptr);
        VillageTest::TearDown();
    }
};

}  // namespace

TEST_F(VillageTextContrast, TheResearchSheetsNamesDescriptionsAndPricesRead) {
    TResearchScreen& r = researchScreen;
    r.setup();
    r.caller = nullptr;
    r.showPer = r.dShowPer = 1;
    SetStock(5, 0, 0, 0);  // some prices short, some covered
    auto tower = std::make_shared<TLandItem>();
    tower->id = 8;
    actProfile->items.push_back(tower);
    r._prepareResearchable();
    for (int page : {0, 1}) {
        r.actZestaw = page;
        ExpectTextsReadable("research, page " + std::to_string(page + 1), [&] {
            GfxCls();
            r.draw();
        });
    }
}

TEST_F(VillageTextContrast, TheBuildingPreviewsTextsRead) {
    TShowBuilding& s = showBuilding;
    s.setup();
    SetStock(99, 50, 0, 10);  // short of wood, enough of the rest
    s.item = farmItem;
    s.caller = nullptr;
    s.prepare();
    for (int frame = 0; frame < 100 && s.showPer < 1; ++frame) Frame(s);
    ExpectTextsReadable("building preview", [&] {
        GfxCls();
        s.draw();
    });
}

TEST_F(VillageTextContrast, TheVillageWithItsCountersAndOffersReads) {
    TLandScreen& v = landScreen;
    LoadResPanelImages();  // as the loading does for the board and the village
    v.setup();
    SetStock(120, 45, 8, 300);
    v.prepare();
    for (int frame = 0; frame < 300; ++frame) Frame(v);  // offers in
    for (auto& panel : v.res) {                          // each counter at rest in its place, counted up
        ASSERT_TRUE(panel);
        panel->state = 1;
        panel->alpha = 1;
        panel->y = panel->y2;
        panel->v = panel->dv = panel->counter ? *panel->counter : 0;
    }
    // The parts that letter, over the village: the whole frame goes through the still layer, whose
    // texts are not drawn where a test can take them out.
    ExpectTextsReadable("village", [&] {
        GfxCls();
        v._drawBack();
        v._drawBuildings();
        v._drawResources();
        v._drawItems();
        v._drawGui();
    });
}
