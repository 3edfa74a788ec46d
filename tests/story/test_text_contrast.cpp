// Every text of the tutorial's tips reads against what lies behind it (4.5:1, or 3:1 from 24
// pixels up): the adviser's name and the speech in the bubble, for each adviser and font.
#include <gtest/gtest.h>

#include "quest/tutorial_catalogue.h"
#include "story/tip_draw.h"
#include "story/tip_loading.h"
#include "support/text_contrast.h"

namespace {

class TipTextContrast : public HeadlessPlatformTest {
protected:
    void TearDown() override {
        GfxSetTextWatcher(nullptr);
        tutorialTips.clear();
        TipArt() = TTipArt();
        HeadlessPlatformTest::TearDown();
    }
};

}  // namespace

TEST_F(TipTextContrast, EachAdvisersTipsRead) {
    LoadTutorialTips();
    ASSERT_FALSE(tutorialTips.empty());
    bool seen[2][4] = {};
    for (const auto& tip : tutorialTips) {
        bool& once = seen[tip->heroN == 1 ? 1 : 0][tip->fontN];
        if (once) continue;
        once = true;
        tip->a = tip->da = 1;
        ExpectTextsReadable("tip " + std::to_string(tip->id), [&] {
            GfxCls();
            DrawTip(*tip);
        });
    }
}
