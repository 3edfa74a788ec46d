// The village behind a puzzle: its buttons do not answer there, so they are
// drawn dimmed with the rest of its HUD, not as the live village shows them.
#include "frame/globals.h"
#include "gui/gui.h"
#include "puzzle_test_fixture.h"
#include "puzzles/puzzle_game.h"
#include "village/land_screen.h"

namespace {
class VillageBehindTest : public PuzzleTest {
protected:
    void TearDown() override {
        landScreen.gui = nullptr;
        puzzleGame.level = nullptr;
        PuzzleTest::TearDown();
    }
    static int Light(const Rgb& c) { return c.r + c.g + c.b; }
    // The middle of a village button.
    static void Middle(const std::string& name, float& x, float& y) {
        auto obj = landScreen.gui->GetObject(name);
        ASSERT_TRUE(obj) << name;
        x = obj->dim.x + obj->dim.w / 2;
        y = obj->dim.y + obj->dim.h / 2;
    }
};
}  // namespace

TEST_F(VillageBehindTest, TheVillagesButtonsAreDimmedBehindThePuzzle) {
    landScreen.gui = LoadGui(gameDir + "gfx/gui/landScreen/" + lang + "/landScreen.gui");
    ASSERT_TRUE(landScreen.gui);
    landScreen.alpha = landScreen.dAlpha = 1;
    landScreen.fade = landScreen.dFade = 0;
    puzzleGame.level = Make(1, 2, 2);
    puzzleGame.alpha = puzzleGame.dAlpha = 1;
    puzzleGame.fade = puzzleGame.dFade = 0;
    for (const char* name : {"options", "show", "continue"}) {
        SCOPED_TRACE(name);
        float x = 0, y = 0;
        Middle(name, x, y);
        GfxCls();
        landScreen.draw();
        const int live = Light(PixelAt(static_cast<int>(x), static_cast<int>(y)));
        ASSERT_GT(live, 150) << "the live village shows the button";
        GfxCls();
        puzzleGame.draw();
        const int behind = Light(PixelAt(static_cast<int>(x), static_cast<int>(y)));
        // Faded over the black screen: well under half as light, yet still there.
        EXPECT_LT(behind, live / 2);
        EXPECT_GT(behind, live / 10);
    }
    // The village itself draws its buttons as before once the puzzle is over.
    GfxCls();
    landScreen.draw();
    float x = 0, y = 0;
    Middle("options", x, y);
    EXPECT_GT(Light(PixelAt(static_cast<int>(x), static_cast<int>(y))), 150);
}
