// The shipped tips on the puzzle screen: each kind greets the player in its
// own words, the adviser and the bubble stand clear of the screen's buttons
// they do not point at, and a click on "Back" leaves while a tip waits for a
// click.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/rcm.h"
#include "frame/screen.h"
#include "frame/text_file.h"
#include "gui/gui.h"
#include "puzzles/puzzle_game.h"
#include "puzzles/puzzle_level.h"
#include "puzzles/puzzle_memory.h"
#include "puzzles/puzzle_pairs.h"
#include "puzzles/puzzle_sliding.h"
#include "puzzles/puzzle_swap.h"
#include "quest/profile.h"
#include "story/tip_draw.h"
#include "story/tip_loading.h"
#include "story/tutorial_tips.h"
#include "support/headless_platform.h"
#include "tip_fixture.h"

namespace {

std::shared_ptr<TPuzzleLevel> LevelOfKind(int kind) {
    switch (kind) {
        case 1:
            return std::make_shared<TLevelType1>();
        case 2:
            return std::make_shared<TLevelType2>();
        case 3:
            return std::make_shared<TLevelType3>();
        default:
            return std::make_shared<TLevelType4>();
    }
}

// A 2 x 2 swap puzzle over a plain picture: no piece starts home, so it is not solved by itself.
std::shared_ptr<TPuzzleLevel> SwapPuzzle() {
    std::vector<std::uint8_t> px(120 * 60 * 4, 180);
    const Image picture = GfxCreateImage(120, 60, px.data(), GFX_IMAGE_DEFAULT);
    return MakePuzzleLevel(1, picture, picture, 2, 2);
}

class PuzzleScreenTips : public TipTest {
protected:
    std::shared_ptr<TTxtFile> texts;

    void SetUp() override {
        TipTest::SetUp();
        LoadTutorialTips();
        texts = LoadTxtFile(gameDir + "txt/#LANG#/tutorial.txt");
        actProfile->tips = tutorialTips;
        puzzleGame.setup();
        // Wired as the game wires the screen.
        puzzleGame.hooks.checkTips = [] { CheckTutorialTips(&puzzleGame); };
        puzzleGame.hooks.updateTip = [] { UpdateTutorialTip(&puzzleGame); };
        puzzleGame.hooks.drawTip = [] { DrawTutorialTip(); };
        puzzleGame.hooks.clearTip = [] { ClearTutorialTip(); };
        TutorialHooks().puzzleType = [](const TEkran* screen) {
            return screen == &puzzleGame && puzzleGame.level ? puzzleGame.level->puzzleType : 0;
        };
    }
    void TearDown() override {
        puzzleGame.hooks = TPuzzleGameHooks();
        puzzleGame.level = nullptr;
        TipTest::TearDown();
    }
    TDim Back() const { return puzzleGame.gui->GetObject("menu")->dim; }
    static TDim Skip() {
        return NewDimRect(static_cast<float>(puzzleGame.skipX), static_cast<float>(puzzleGame.skipY),
                          puzzleGame.skipW(), puzzleGame.skipH());
    }
    // The speeches a kind's first puzzle plays, in order, each ended by a click.
    std::vector<std::string> Dialogue(int kind) {
        ClearTutorialTip();
        puzzleGame.level = LevelOfKind(kind);
        std::vector<std::string> said;
        CheckTutorialTips(&puzzleGame);
        for (int guard = 0; guard < 10 && ActiveTutorialTip(); ++guard) {
            said.push_back(TxtLine(texts, ActiveTutorialTip()->txtLine));
            UpdateFrames(&puzzleGame, 70);  // its delay, then the fade in
            EXPECT_TRUE(TutorialTipWaitsForClick());
            UpdateFrames(&puzzleGame, 40, true);  // the click, then the fade out
            CheckTutorialTips(&puzzleGame);
        }
        return said;
    }
};

}  // namespace

TEST_F(PuzzleScreenTips, EachKindIsGreetedInItsOwnWords) {
    std::set<std::string> greetings;
    for (int kind = 1; kind <= 4; ++kind) {
        SCOPED_TRACE(kind);
        const std::vector<std::string> said = Dialogue(kind);
        ASSERT_GE(said.size(), 2u) << "a greeting, then the kind's rules";
        greetings.insert(said.front());
    }
    EXPECT_EQ(greetings.size(), 4u);
    EXPECT_EQ(Dialogue(1).size(), 0u) << "said once per profile";
}

TEST_F(PuzzleScreenTips, AdviserAndBubbleStandClearOfTheButtonsTheyDoNotPointAt) {
    ASSERT_TRUE(puzzleGame.gui && puzzleGame.gui->GetObject("menu"));
    const struct {
        const char* name;
        TDim rect;
    } buttons[] = {{"Back", Back()}, {"skip", Skip()}};
    std::set<int> kinds;
    for (const auto& tip : tutorialTips) {
        if (tip->typ < 10 || tip->typ > 14) continue;
        kinds.insert(tip->typ);
        for (const auto& button : buttons) ExpectTipClearOf(*tip, button.rect, button.name);
    }
    EXPECT_EQ(kinds, (std::set<int>{11, 12, 13, 14}));
}

TEST_F(PuzzleScreenTips, AClickOnBackLeavesWhileATipWaitsForAClick) {
    puzzleGame.setData(SwapPuzzle(), 0);
    ASSERT_TRUE(puzzleGame.level);
    puzzleGame.prepare();
    auto frame = [] {
        ScreenFrame(puzzleGame);
        puzzleGame._afterFrame();
    };
    for (int i = 0; i < 300 && !TutorialTipWaitsForClick(); ++i) frame();
    ASSERT_TRUE(TutorialTipWaitsForClick());
    const auto greeting = ActiveTutorialTip();
    const TDim back = Back();
    ClickOverFrames(back.x + back.w / 2, back.y + back.h / 2, frame);
    EXPECT_EQ(puzzleGame.dAlpha, 0) << "the first click on Back leaves";
    EXPECT_EQ(ActiveTutorialTip(), greeting) << "the tip stays, to be read another time";
}
