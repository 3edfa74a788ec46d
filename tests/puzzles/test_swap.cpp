// The swap puzzle: the mirrored start, picking, swapping, locking, the
// opening and when the puzzle counts as solved.
#include "puzzle_test_fixture.h"
#include "puzzles/puzzle_swap.h"

namespace {
class SwapTest : public PuzzleTest {
protected:
    std::shared_ptr<TLevelType1> level;
    void Cut(int rows, int cols) {
        level = std::static_pointer_cast<TLevelType1>(Make(1, rows, cols));
        ASSERT_TRUE(level);
    }
    // Ends the opening: every piece shown.
    void Open() {
        level->Begin();
        for (int i = 0; i < 400 && !level->isBeginFinished(); i++) Tick();
    }
    // Clicks the centre of the piece now in cell (r, c) and runs one update.
    void ClickCell(int r, int c) {
        auto& p = level->at(r, c);
        Mouse(static_cast<float>(p->x + p->iw / 2), static_cast<float>(p->y + p->ih / 2), true);
        Run(*level);
    }
};
}  // namespace

TEST_F(SwapTest, StartsAsThePointReflectionOfTheSolution) {
    Cut(3, 3);
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) {
            auto& p = level->at(r, c);
            EXPECT_EQ(p->dr, 2 - r);
            EXPECT_EQ(p->dc, 2 - c);
            EXPECT_EQ(p->ix, p->dc * 40);
            EXPECT_EQ(p->iy, p->dr * 20);
        }
    Open();
    // Only the centre piece of an odd grid starts home.
    int home = 0;
    for (auto& p : level->puzzles) home += p->onPosition;
    EXPECT_EQ(home, 1);
    EXPECT_EQ(level->at(1, 1)->onPosition, 1);
}

TEST_F(SwapTest, AOnePiecePuzzleIsSolvedAtOnce) {
    Cut(1, 1);
    Open();
    EXPECT_EQ(Run(*level), 1);
}

TEST_F(SwapTest, OpeningShowsEveryPieceAfterTwoHundredFramesFromItsTime) {
    Cut(2, 3);
    level->Begin();
    int frames = 0;
    while (!level->isBeginFinished() && frames < 1000) {
        Tick();
        frames++;
    }
    // Up to 1.5 s of waiting, then 200 frames of fading.
    EXPECT_GE(frames, 199);
    EXPECT_LE(frames, 200 + 92);
    for (auto& p : level->puzzles) EXPECT_FLOAT_EQ(p->alpha, 1);
    EXPECT_EQ(count("puzzle-start"), 1);
}

TEST_F(SwapTest, ClickingTheSelectedPieceDeselectsItAndASecondClickSwaps) {
    Cut(2, 2);
    Open();
    ClickCell(0, 0);
    EXPECT_EQ(level->picked, level->at(0, 0));
    ClickCell(0, 0);
    EXPECT_EQ(level->picked, nullptr);
    ClickCell(0, 0);
    auto a = level->at(0, 0), b = level->at(0, 1);
    ClickCell(0, 1);
    ASSERT_TRUE(level->pair);
    EXPECT_EQ(level->picked, nullptr);
    EXPECT_EQ(count("fire"), 1);
    // During the swap nothing can be hovered or clicked.
    ClickCell(1, 0);
    EXPECT_EQ(level->picked, nullptr);
    EXPECT_EQ(level->over, nullptr);
    Run(*level, 30);
    EXPECT_FALSE(level->pair);
    EXPECT_EQ(level->at(0, 0), b);
    EXPECT_EQ(level->at(0, 1), a);
}

TEST_F(SwapTest, TwoPiecesSwappedIntoEachOthersHomeLockInTheSameFrame) {
    Cut(1, 2);
    Open();
    EXPECT_EQ(level->at(0, 0)->dc, 1);
    ClickCell(0, 0);
    ClickCell(0, 1);
    int frames = 0;
    int result = 0;
    while (level->pair && frames < 60) {
        result = Run(*level);
        frames++;
    }
    // Not solved during the swap, about 21 frames.
    EXPECT_EQ(result, 0);
    EXPECT_GE(frames, 20);
    EXPECT_LE(frames, 22);
    const auto before = sounds.size();
    // The first update after the swap locks both and reports the puzzle solved.
    EXPECT_EQ(Run(*level), 1);
    EXPECT_EQ(level->at(0, 0)->onPosition, 1);
    EXPECT_EQ(level->at(0, 1)->onPosition, 1);
    int locks = 0;
    for (size_t i = before; i < sounds.size(); i++) locks += sounds[i].rfind("chip-move-", 0) == 0;
    EXPECT_EQ(locks, 2);
}

TEST_F(SwapTest, AHomePieceCannotBePickedOrHovered) {
    Cut(3, 3);
    Open();
    ClickCell(1, 1);
    EXPECT_EQ(level->picked, nullptr);
    EXPECT_EQ(level->over, nullptr);
}
