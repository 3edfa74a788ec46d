// The welcome on a new profile's village: a click on "Continue" while the adviser waits for a
// click starts the level at once, through the real input path.
#include <gtest/gtest.h>

#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/screen.h"
#include "gui/gui.h"
#include "quest/profile.h"
#include "story/tip_loading.h"
#include "story/tutorial_tips.h"
#include "support/headless_platform.h"
#include "tip_fixture.h"
#include "village/land_screen.h"

namespace {

class VillageScreenTips : public TipTest {
protected:
    void SetUp() override {
        TipTest::SetUp();
        LoadTutorialTips();
        actProfile->tips = tutorialTips;  // a new profile: every tip ahead
        landScreen.setup();
        // Wired as the game wires the screen.
        landScreen.hooks.checkTips = [] { CheckTutorialTips(&landScreen); };
        landScreen.hooks.updateTip = [] { UpdateTutorialTip(&landScreen); };
        landScreen.hooks.drawTip = [] { DrawTutorialTip(); };
        landScreen.hooks.clearTip = [] { ClearTutorialTip(); };
    }
    void TearDown() override {
        landScreen.hooks = TLandScreenHooks();
        landScreen.items = {};
        landScreen.overItem = nullptr;
        landScreen.anims.clear();
        landScreen.buildings.clear();
        TipTest::TearDown();
    }
    static void Frame() {
        ScreenFrame(landScreen);
        landScreen._afterFrame();
    }
    static TDim Continue() { return landScreen.gui->GetObject("continue")->dim; }
};

}  // namespace

TEST_F(VillageScreenTips, AClickOnContinueStartsTheLevelWhileTheWelcomeWaitsForAClick) {
    ASSERT_TRUE(landScreen.gui && landScreen.gui->GetObject("continue"));
    landScreen.prepare();
    for (int i = 0; i < 300 && !TutorialTipWaitsForClick(); ++i) Frame();
    ASSERT_TRUE(TutorialTipWaitsForClick());
    ExpectTipClearOf(*ActiveTutorialTip(), Continue(), "\"Continue\"", false);
    const TDim button = Continue();
    ClickOverFrames(button.x + button.w / 2, button.y + button.h / 2, Frame);
    EXPECT_EQ(landScreen.dFade, 1) << "the first click on Continue leaves the village";
    EXPECT_EQ(landScreen.wynik, SCREEN_MATCH3) << "for the level";
}
