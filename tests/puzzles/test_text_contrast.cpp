// Every text of the puzzle screen reads against what lies behind it (4.5:1, or 3:1 from 24 pixels
// up), for each kind of puzzle once it is being played: its title, "Back" and the skip button.
#include <gtest/gtest.h>

#include "effects/particles.h"
#include "frame/frame_loop.h"
#include "puzzle_test_fixture.h"
#include "puzzles/puzzle_game.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "support/text_contrast.h"

namespace {

class PuzzleTextContrast : public PuzzleTest {
protected:
    void SetUp() override {
        PuzzleTest::SetUp();
        auto item = std::make_shared<TLandItem>();
        item->id = 12;
        item->puzzleId = 5;
        landItems = {item};
        actProfile = std::make_shared<TProfile>();
        puzzleGame.setup();
        puzzleGame.hooks = TPuzzleGameHooks();
    }
    void TearDown() override {
        GfxSetTextWatcher(nullptr);
        puzzleGame.level = nullptr;
        // The other tests draw the screen bare: without the pictures and buttons set up here.
        for (auto& button : puzzleGame.skipButton) button = nullptr;
        puzzleGame.scroll = puzzleGame.ramka = nullptr;
        puzzleGame.gui = nullptr;
        ClearParticles(&particleList);
        landItems.clear();
        actProfile = nullptr;
        PuzzleTest::TearDown();
    }
};

}  // namespace

TEST_F(PuzzleTextContrast, EachKindsScreenReads) {
    for (int kind = 1; kind <= 4; ++kind) {
        puzzleGame.wynik = 0;
        puzzleGame.setData(Make(kind, 2, 2), 5);
        puzzleGame.prepare();
        for (int i = 0; i < 900 && puzzleGame.state != PUZZLE_GAME; i++) {
            ScreenFrame(puzzleGame);
            puzzleGame._afterFrame();
        }
        ASSERT_EQ(puzzleGame.state, PUZZLE_GAME) << "kind " << kind;
        ExpectTextsReadable("puzzle, kind " + std::to_string(kind), [] {
            GfxCls();
            puzzleGame.draw();
        });
    }
}
