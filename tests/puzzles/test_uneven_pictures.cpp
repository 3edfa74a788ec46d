// Pictures the grid does not divide: every kind is played. The swap and
// sliding pieces are whole pixels, so a strip is left over at the right and
// the bottom, which the screen shows as the faded picture; pair tiles and
// memory cards divide the picture in fractions and cover it all.
#include <algorithm>
#include <string>

#include "effects/particles.h"
#include "puzzle_test_fixture.h"
#include "puzzles/puzzle_game.h"
#include "puzzles/puzzle_memory.h"
#include "puzzles/puzzle_pairs.h"
#include "puzzles/puzzle_sliding.h"
#include "puzzles/puzzle_swap.h"

namespace {
// 125 x 63 in 4 rows and 6 columns: cells of 20 x 15, a strip of 5 px at the right, 3 px below.
constexpr int kW = 125, kH = 63, kRows = 4, kCols = 6, kCellW = 20, kCellH = 15;

class UnevenPictureTest : public PuzzleTest {
protected:
    void TearDown() override {
        puzzleGame.level = nullptr;
        ClearParticles(&particleList);
        PuzzleTest::TearDown();
    }
    // The puzzle screen at full opacity over a black screen, `level` in it.
    static void DrawScreen(const std::shared_ptr<TPuzzleLevel>& level) {
        puzzleGame.level = level;
        puzzleGame.alpha = puzzleGame.dAlpha = 1;
        puzzleGame.fade = puzzleGame.dFade = 0;
        puzzleGame.imageA = 0;
        GfxCls();
        puzzleGame.draw();
    }
    // The faded picture as the screen lays it under the pieces (three quarters over black).
    static Rgb FadedAt(int px, int py) {
        const Rgb c = CellColour(px, py, kCellW, kCellH, 20);
        return {c.r * 3 / 4, c.g * 3 / 4, c.b * 3 / 4};
    }
    static void ExpectNear(const Rgb& got, const Rgb& want, const std::string& what) {
        EXPECT_NEAR(got.r, want.r, 3) << what;
        EXPECT_NEAR(got.g, want.g, 3) << what;
        EXPECT_NEAR(got.b, want.b, 3) << what;
    }
    static Rgb At(int px, int py) { return PixelAt(PUZZLE_DRAW_X + px, PUZZLE_DRAW_Y + py); }
};
}  // namespace

TEST_F(UnevenPictureTest, EveryKindIsCutFromAPictureItsGridDoesNotDivide) {
    auto swap = std::dynamic_pointer_cast<TLevelType1>(Make(1, kRows, kCols, kW, kH));
    ASSERT_TRUE(swap);
    EXPECT_EQ(swap->puzzles.size(), static_cast<size_t>(kRows * kCols));
    const auto& lastSwap = swap->at(0, 0);  // the reflected start: home cell (rows-1, cols-1)
    EXPECT_EQ(lastSwap->ix + lastSwap->iw, kCols * kCellW);
    EXPECT_EQ(lastSwap->iy + lastSwap->ih, kRows * kCellH);

    auto sliding = std::dynamic_pointer_cast<TLevelType4>(Make(4, kRows, kCols, kW, kH));
    ASSERT_TRUE(sliding);
    for (const auto& p : sliding->puzzles)
        if (p) {
            EXPECT_LE(p->ix + p->iw, kCols * kCellW);
            EXPECT_LE(p->iy + p->ih, kRows * kCellH);
        }

    // Tiles and cards share the picture in fractions: the last reaches its right and bottom edge.
    auto pairs = std::dynamic_pointer_cast<TLevelType2>(Make(2, 2, 3, kW, kH));
    ASSERT_TRUE(pairs);
    float right = 0, bottom = 0;
    for (const auto& t : pairs->puzzles) {
        right = std::max(right, t->ix + t->iw);
        bottom = std::max(bottom, t->iy + t->ih);
    }
    EXPECT_FLOAT_EQ(right, kW);
    EXPECT_FLOAT_EQ(bottom, kH);
    auto memory = std::dynamic_pointer_cast<TLevelType3>(Make(3, 2, 3, kW, kH));
    ASSERT_TRUE(memory);
    right = bottom = 0;
    for (const auto& card : memory->puzzles) {
        right = std::max(right, card->ix + card->iw);
        bottom = std::max(bottom, card->iy + card->ih);
    }
    EXPECT_FLOAT_EQ(right, kW);
    EXPECT_FLOAT_EQ(bottom, kH);
}

TEST_F(UnevenPictureTest, TheStripLeftOverShowsTheFadedPicture) {
    for (int type : {1, 4}) {
        SCOPED_TRACE(type == 1 ? "swap" : "sliding");
        auto level = Make(type, kRows, kCols, kW, kH);
        ASSERT_TRUE(level);
        level->Begin();
        for (int i = 0; i < 400 && !level->isBeginFinished(); i++) Tick();
        Run(*level, 120);  // the sliding pieces fade in during play
        DrawScreen(level);
        ExpectNear(At(122, 10), FadedAt(122, 10), "the strip at the right");
        ExpectNear(At(50, 61), FadedAt(50, 61), "the strip below");
        ExpectNear(At(123, 62), FadedAt(123, 62), "the corner of both");
    }
}
