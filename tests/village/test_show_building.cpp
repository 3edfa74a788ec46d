// The building preview: its answers, the buy button only for what the stock
// covers, the pictures of a construction and an upgrade, and the veils of
// the preview and the research screen over the village.
#include <gtest/gtest.h>

#include "frame/screen.h"
#include "gui/gui.h"
#include "quest/profile.h"
#include "support/grey_screen.h"
#include "test_land_screen_fixture.h"
#include "village/research_screen.h"
#include "village/show_building.h"

namespace {

class ShowBuildingTest : public VillageTest {
protected:
    TShowBuilding& s = showBuilding;

    void SetUp() override {
        VillageTest::SetUp();
        s.setup();
    }

    void Show(const std::shared_ptr<TLandItem>& item) {
        s.item = item;
        s.caller = nullptr;
        s.prepare();
    }

    template <class Done>
    int RunUntil(Done done, int limit) {
        int frames = 0;
        while (!done() && frames < limit) {
            Frame(s);
            s._checkButtons();
            frames++;
        }
        return frames;
    }

    bool ClickObject(const std::string& name) {
        auto obj = s.gui ? s.gui->GetObject(name) : nullptr;
        if (!obj) return false;
        Click(obj->dim.x + obj->dim.w / 2, obj->dim.y + obj->dim.h / 2);
        return true;
    }
};

TEST_F(ShowBuildingTest, BuyIsOfferedOnlyWhenTheStockCoversThePrice) {
    SetStock(99, 50, 0, 10);
    Show(farmItem);
    auto buy = s.gui->GetObject("buy");
    ASSERT_TRUE(buy);
    EXPECT_EQ(buy->visible, 0);
    EXPECT_EQ(buy->active, 0);
    RunUntil([&] { return s.showPer == 1; }, 100);
    ASSERT_TRUE(ClickObject("BUY"));
    RunUntil([] { return false; }, 5);
    EXPECT_EQ(s.dStripeA, 1) << "an inactive buy button does not answer";
    ASSERT_TRUE(ClickObject("CANCEL"));
    RunUntil([&] { return s.finished(); }, 200);
    EXPECT_TRUE(s.finished());
    EXPECT_EQ(s.wynik, 0);
    SetStock(100, 50, 0, 10);
    Show(farmItem);
    EXPECT_EQ(buy->visible, 1);
    EXPECT_EQ(buy->active, 1);
}

TEST_F(ShowBuildingTest, BuyAnswersOneAndChangesNothing) {
    SetStock(100, 50, 0, 10);
    Show(farmItem);
    RunUntil([&] { return s.showPer == 1; }, 100);
    ASSERT_TRUE(ClickObject("BUY"));
    RunUntil([&] { return s.finished(); }, 200);
    EXPECT_EQ(s.wynik, 1);
    EXPECT_EQ(actProfile->res[0], 100);
    EXPECT_FALSE(actProfile->HaveItem(2));
}

TEST_F(ShowBuildingTest, EscapeCancels) {
    Show(farmItem);
    RunUntil([&] { return s.showPer == 1; }, 100);
    InPushEvent(KeyEvent(true, KEY_ESCAPE));
    InPushEvent(KeyEvent(false, KEY_ESCAPE));
    RunUntil([&] { return s.finished(); }, 200);
    EXPECT_TRUE(s.finished());
    EXPECT_EQ(s.wynik, 0);
}

// A construction shows its building; an upgrade the building before and
// after with three arrows between.
TEST_F(ShowBuildingTest, AnUpgradeShowsTwoPicturesAndThreeArrows) {
    s.panel = nullptr;
    s.podklad = nullptr;
    s.arrow = Solid(20, 20, 255, 0, 255);
    GfxMidHandle(s.arrow);
    s.showPer = 1;
    auto colourAt = [](float x, float y) { return PixelAt(static_cast<int>(x), static_cast<int>(y)); };

    Show(foldUpgrade);
    s.showPer = s.dShowPer = 1;
    s.alpha = 1;
    GfxCls();
    s._drawItem();
    const float cy = s.place(fold->img, 360, 180).cy;
    EXPECT_GT(colourAt(360, cy).g, 200);  // the fold, green
    EXPECT_LT(colourAt(360, cy).r, 50);
    EXPECT_GT(colourAt(664, cy).r, 200);  // upgraded, yellow
    EXPECT_GT(colourAt(664, cy).g, 200);
    for (float x : {462.0f, 512.0f, 562.0f}) {
        EXPECT_GT(colourAt(x, cy).r, 200) << x;
        EXPECT_GT(colourAt(x, cy).b, 200) << x;
    }

    Show(farmItem);
    s.showPer = s.dShowPer = 1;
    s.alpha = 1;
    GfxCls();
    s._drawItem();
    EXPECT_GT(colourAt(512, cy).r, 200);  // the farm, red
    EXPECT_LT(colourAt(512, cy).b, 50);
    EXPECT_LT(colourAt(360, cy).g + colourAt(462, cy).b, 30) << "no second picture, no arrows";
}

TEST_F(ShowBuildingTest, ATallPictureIsScaledToTheBacking) {
    s.podklad = nullptr;  // the backing's designed height, 250
    auto tall = Solid(100, 600, 255, 255, 255);
    const auto p = s.place(tall, 512, 514);
    EXPECT_NEAR(600 * p.scale, 240, 0.5f);  // backing 250 - 10
    const auto wide = s.place(Solid(400, 100, 0, 0, 0), 360, 180);
    EXPECT_NEAR(400 * wide.scale, 180, 0.5f);
}

}  // namespace

namespace {}  // namespace

// Without the stripes, what darkens the village beside the panels is the veil alone: half
// behind the preview, none behind the research screen.
TEST_F(ShowBuildingTest, ThePreviewVeilsTheVillageByHalfAndTheResearchNot) {
    const Image savedStripes = stripesImage;
    stripesImage = nullptr;
    GreyScreen village;
    Show(farmItem);
    s.caller = &village;
    s.showPer = s.dShowPer = 1;
    s.alpha = s.dAlpha = 1;
    s.stripeA = s.dStripeA = 1;
    GfxCls();
    s.draw();
    EXPECT_NEAR(PixelAt(8, 8).r, 100, 1);
    researchScreen.setup();
    researchScreen.prepare();
    researchScreen.caller = &village;
    researchScreen.showPer = researchScreen.dShowPer = 1;
    researchScreen.stripeA = researchScreen.dStripeA = 1;
    GfxCls();
    researchScreen.draw();
    EXPECT_NEAR(PixelAt(8, 8).r, 200, 1);
    stripesImage = savedStripes;
}
