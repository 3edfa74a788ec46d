// The shipped village against its HUD: no building's picture (finished,
// upgraded or rising) lies more than a quarter under one of the land screen's
// buttons, read from "data/buildings.txt" and the screen's GUI script as the
// game reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "frame/globals.h"
#include "gui/gui.h"
#include "quest/land_catalogue.h"
#include "support/headless_platform.h"

namespace {

class VillageLayout : public HeadlessPlatformTest {
protected:
    void TearDown() override {
        landBuildings.clear();
        landItems.clear();
        HeadlessPlatformTest::TearDown();
    }
};

// The share of a w x h picture at (x, y) that the rectangle covers.
float CoveredShare(const Image& img, float x, float y, const TDim& button) {
    const auto w = static_cast<float>(GfxImageWidth(img)), h = static_cast<float>(GfxImageHeight(img));
    if (w <= 0 || h <= 0) return 0;
    const float cw = std::min(x + w, button.x + button.w) - std::max(x, button.x);
    const float ch = std::min(y + h, button.y + button.h) - std::max(y, button.y);
    return cw > 0 && ch > 0 ? cw * ch / (w * h) : 0;
}

}  // namespace

TEST_F(VillageLayout, NoBuildingLiesMoreThanAQuarterUnderAVillageButton) {
    LoadLandCatalogues();
    ASSERT_FALSE(landBuildings.empty());
    if (!landBuildings.front()->img)
        GTEST_SKIP() << "assets not generated (configure with -DBRAMBLETON_ASSETS=ON)";
    auto gui = LoadGui(gameDir + "gfx/gui/landScreen/" + lang + "/landScreen.gui");
    ASSERT_TRUE(gui);
    int buttons = 0;
    for (const auto& button : gui->objects) {
        if (button->dim.w <= 0 || button->dim.h <= 0) continue;  // the layout's origin
        ++buttons;
        for (const auto& b : landBuildings) {
            SCOPED_TRACE("building " + std::to_string(b->id) + " under \"" + button->id + "\"");
            const auto fx = [](int v) { return static_cast<float>(v); };
            EXPECT_LE(CoveredShare(b->img, fx(b->x), fx(b->y), button->dim), 0.25f);
            EXPECT_LE(CoveredShare(b->upgraded, fx(b->upgradeX), fx(b->upgradeY), button->dim), 0.25f);
            for (int k = 0; k < 3; ++k)
                EXPECT_LE(CoveredShare(b->buildStateImg[k], fx(b->buildStateX[k]), fx(b->buildStateY[k]),
                                       button->dim),
                          0.25f)
                    << "stage " << k + 1;
        }
    }
    EXPECT_EQ(buttons, 3) << "continue, options and show";
}
