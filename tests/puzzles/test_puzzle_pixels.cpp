// What each kind draws: faded pieces where they lie, coloured pieces once
// home, the coloured picture through the sliding puzzle's hole, tiles and
// cards with their symbols.
#include "frame/globals.h"
#include "puzzle_test_fixture.h"
#include "puzzles/puzzle_memory.h"
#include "puzzles/puzzle_pairs.h"
#include "puzzles/puzzle_sliding.h"
#include "puzzles/puzzle_swap.h"

namespace {
Image Solid(int w, int h, int r, int g, int b) {
    std::vector<std::uint8_t> px(static_cast<size_t>(w * h * 4));
    for (size_t i = 0; i < px.size(); i += 4) {
        px[i] = static_cast<std::uint8_t>(r);
        px[i + 1] = static_cast<std::uint8_t>(g);
        px[i + 2] = static_cast<std::uint8_t>(b);
        px[i + 3] = 255;
    }
    return GfxCreateImage(w, h, px.data(), GFX_IMAGE_DEFAULT);
}

void ExpectNear(const Rgb& got, const Rgb& want, const char* what) {
    EXPECT_NEAR(got.r, want.r, 3) << what;
    EXPECT_NEAR(got.g, want.g, 3) << what;
    EXPECT_NEAR(got.b, want.b, 3) << what;
}

class PuzzlePixelTest : public PuzzleTest {
protected:
    void TearDown() override {
        puzzleTileImage = nullptr;
        pairSymbols = {};
        memorySymbols = {};
        memoryCardSides = {};
        PuzzleTest::TearDown();
    }
    static void Draw(TPuzzleLevel& level) {
        GfxCls();
        level.draw();
        level.drawMoving();
    }
    // The screen point of picture point (px, py).
    static Rgb At(int px, int py) { return PixelAt(PUZZLE_DRAW_X + px, PUZZLE_DRAW_Y + py); }
};
}  // namespace

TEST_F(PuzzlePixelTest, SwapPiecesShowTheirHomesFadedPictureAndLockInColour) {
    auto level = std::static_pointer_cast<TLevelType1>(Make(1, 1, 2));
    level->Begin();
    for (int i = 0; i < 400 && !level->isBeginFinished(); i++) Tick();
    Draw(*level);
    // Cell 0 holds the piece of cell 1: its faded picture.
    ExpectNear(At(30, 30), CellColour(90, 30, 60, 60, 20), "piece of cell 1 in cell 0");
    ExpectNear(At(90, 30), CellColour(30, 30, 60, 60, 20), "piece of cell 0 in cell 1");
    // The outline is brown.
    ExpectNear(At(60, 30), {104, 56, 0}, "outline");
    level->SwapPuzzles(level->at(0, 0), level->at(0, 1));
    Run(*level, 25);
    Draw(*level);
    ExpectNear(At(30, 30), CellColour(30, 30, 60, 60, 200), "home piece in colour");
}

TEST_F(PuzzlePixelTest, TheSlidingHoleShowsTheColouredPicture) {
    auto level = std::static_pointer_cast<TLevelType4>(Make(4, 2, 2));
    level->Begin();
    Run(*level, 120);
    Draw(*level);
    for (int r = 0; r < 2; r++)
        for (int c = 0; c < 2; c++) {
            const int px = c * 60 + 30, py = r * 30 + 15;
            auto& p = level->at(r, c);
            if (!p) ExpectNear(At(px, py), CellColour(px, py, 60, 30, 200), "hole");
            else ExpectNear(At(px, py), CellColour(p->ix + 30, p->iy + 15, 60, 30, 20), "piece");
        }
}

TEST_F(PuzzlePixelTest, PairTilesCoverThePictureWithTheirSymbols) {
    puzzleTileImage = Solid(10, 10, 250, 240, 200);
    for (auto& s : pairSymbols) {
        s = Solid(8, 8, 0, 0, 250);
        GfxMidHandle(s);
    }
    auto level = std::static_pointer_cast<TLevelType2>(Make(2, 1, 2));
    level->Begin();
    for (int i = 0; i < 400 && !level->isBeginFinished(); i++) Tick();
    Draw(*level);
    ExpectNear(At(5, 5), {250, 240, 200}, "tile");
    ExpectNear(At(30, 30), {0, 0, 250}, "symbol at the centre");
    // Once both fell away the tinted faded picture shows.
    auto tiles = level->puzzles.toVector();
    level->DeleteChips(tiles[0], tiles[1]);
    Run(*level, 80);
    Draw(*level);
    ExpectNear(At(5, 5), {40 * 200 / 255, 40, 20 * 200 / 255}, "faded picture");
}

TEST_F(PuzzlePixelTest, MemoryCardsShowTheBackAfterTheOpeningAndTheFaceWhenTurned) {
    memoryCardSides[0] = Solid(20, 20, 200, 30, 30);
    memoryCardSides[1] = Solid(20, 20, 240, 240, 240);
    for (auto& s : memorySymbols) s = Solid(4, 4, 0, 120, 0);
    for (auto& s : memoryCardSides) GfxMidHandle(s);
    for (auto& s : memorySymbols) GfxMidHandle(s);
    auto level = std::static_pointer_cast<TLevelType3>(Make(3, 1, 2));
    level->Begin();
    for (int i = 0; i < 400 && !level->isBeginFinished(); i++) Tick();
    Run(*level, 25);
    Draw(*level);
    ExpectNear(At(10, 10), {200, 30, 30}, "back");
    auto card = level->puzzles.front();
    card->ShowMe();
    Run(*level, 25);
    Draw(*level);
    ExpectNear(At(10, 10), {240, 240, 240}, "face");
    ExpectNear(At(30, 30), {0, 120, 0}, "symbol");
}
