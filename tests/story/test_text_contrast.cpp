// Every text of the story reads against what lies behind it (4.5:1, or 3:1 from 24 pixels up):
// the intro's subtitles over its scenes as they play, and the tutorial's tips, the adviser's name
// and the speech in the bubble, for each adviser and font, in every language.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "frame/languages.h"
#include "quest/tutorial_catalogue.h"
#include "story/intro.h"
#include "story/story_text.h"
#include "story/tip_draw.h"
#include "story/tip_loading.h"
#include "support/text_contrast.h"

namespace {

// Once for each language of the list: the speeches' lengths, and so their lines, differ.
class TipTextContrast : public HeadlessPlatformTest, public ::testing::WithParamInterface<std::string> {
protected:
    std::string savedLang = lang;
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        lang = GetParam();
    }
    void TearDown() override {
        lang = savedLang;
        GfxSetTextWatcher(nullptr);
        tutorialTips.clear();
        TipArt() = TTipArt();
        HeadlessPlatformTest::TearDown();
    }
};

std::vector<std::string> LanguageCodesOfTheList() {
    std::vector<std::string> codes;
    for (const LanguageInfo& language : kLanguages) codes.push_back(language.code);
    return codes;
}

}  // namespace

TEST_P(TipTextContrast, EachAdvisersTipsRead) {
    ASSERT_EQ(FsFileType("game/txt/" + GetParam() + "/tutorial.txt"), 1) << "no tips in " << GetParam();
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

INSTANTIATE_TEST_SUITE_P(Languages, TipTextContrast, ::testing::ValuesIn(LanguageCodesOfTheList()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

namespace {

class IntroTextContrast : public HeadlessPlatformTest {
protected:
    void TearDown() override {
        GfxSetTextWatcher(nullptr);
        StoryList().clear();
        for (auto& scene : intro.scene) scene.reset();
        HeadlessPlatformTest::TearDown();
    }
};

}  // namespace

// The intro played through; every half second that a subtitle is wholly shown, the frame's texts
// are measured over the scene behind them at that moment.
TEST_F(IntroTextContrast, EverySubtitleReadsOverItsScene) {
    LoadStoryFont();
    intro.prepare();
    ASSERT_GT(StoryList().size(), 0u);
    TextContrastTally tally("intro subtitles");
    int moments = 0;
    for (int frame = 0; frame < 130 * 60 && !intro.fadedOut(); ++frame) {
        frameDelta = 1;
        intro.update();
        GfxFlip(0);  // the clock's step
        if (frame % 30 != 0) continue;
        bool shown = false;
        for (const auto& text : StoryList()) shown = shown || text->a >= 1;
        if (!shown) continue;
        ++moments;
        // The intro's frame, less the subtitles fading in or out: on their way, not yet (or no
        // longer) to be read.
        tally.ExpectReadable("at " + std::to_string(frame / 60) + (frame % 60 ? ".5 s" : " s"), [] {
            GfxCls();
            intro._drawScene();
            intro._drawBars();
            for (const auto& text : StoryList())
                if (text->a >= 1) text->draw();
            intro._drawInfo();
        });
    }
    EXPECT_GT(moments, 100);
}
