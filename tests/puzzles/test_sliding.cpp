// The sliding puzzle: the hole, the shuffle that can always be slid back,
// which pieces may move, and when a piece counts as home.
#include "devtools/virtual_player_puzzle.h"
#include "puzzle_test_fixture.h"
#include "puzzles/puzzle_sliding.h"

namespace {
class SlidingTest : public PuzzleTest {
protected:
    std::shared_ptr<TLevelType4> level;
    void Cut(int rows, int cols) {
        level = std::static_pointer_cast<TLevelType4>(Make(4, rows, cols));
        ASSERT_TRUE(level);
    }
    std::vector<int> Homes() const {
        std::vector<int> homes;
        for (auto& p : level->puzzles) homes.push_back(p ? p->dr * level->cols + p->dc : -1);
        return homes;
    }
    void ClickCell(int r, int c) {
        const float x = level->drawStartX + static_cast<float>(c * level->cellW() + level->cellW() / 2);
        const float y = level->drawStartY + static_cast<float>(r * level->cellH() + level->cellH() / 2);
        Mouse(x, y, true);
        Run(*level);
    }
};

// Whether a board can be slid home: the parity of the pieces' order
// (the hole counted as the missing piece) must match the hole's distance
// from its home cell.
bool Solvable(const std::vector<int>& homes, int cols) {
    std::vector<int> order = homes;
    int missing = 0;
    for (int k = 0; k < static_cast<int>(homes.size()); k++)
        if (std::find(homes.begin(), homes.end(), k) == homes.end()) missing = k;
    const auto hole = std::find(order.begin(), order.end(), -1) - order.begin();
    order[static_cast<size_t>(hole)] = missing;
    int inversions = 0;
    for (size_t i = 0; i < order.size(); i++)
        for (size_t j = i + 1; j < order.size(); j++) inversions += order[i] > order[j];
    const int h = static_cast<int>(hole);
    const int distance = std::abs(h / cols - missing / cols) + std::abs(h % cols - missing % cols);
    return inversions % 2 == distance % 2;
}
}  // namespace

TEST_F(SlidingTest, ExactlyOneCellIsEmptyAndEveryPieceIsDifferent) {
    for (int seed = 1; seed <= 20; seed++) {
        RandSeed(seed);
        Cut(3, 4);
        auto homes = Homes();
        EXPECT_EQ(std::count(homes.begin(), homes.end(), -1), 1);
        std::sort(homes.begin(), homes.end());
        EXPECT_EQ(std::adjacent_find(homes.begin(), homes.end()), homes.end());
    }
}

TEST_F(SlidingTest, EveryShuffleCanBeSlidBackHome) {
    for (int seed = 1; seed <= 500; seed++) {
        RandSeed(seed);
        const int rows = 2 + seed % 3, cols = 2 + (seed / 3) % 4;
        Cut(rows, cols);
        EXPECT_TRUE(Solvable(Homes(), cols)) << "seed " << seed;
    }
    // And the virtual player's search finds the way for the shipped sizes.
    for (int seed = 1; seed <= 30; seed++) {
        RandSeed(seed);
        Cut(4, 5);
        auto homes = Homes();
        auto clicks = PlanSlides(homes, 4, 5);
        for (int cell : clicks) {
            const auto hole = std::find(homes.begin(), homes.end(), -1);
            std::iter_swap(hole, homes.begin() + cell);
        }
        for (size_t cell = 0; cell < homes.size(); cell++)
            if (homes[cell] >= 0) {
                EXPECT_EQ(homes[cell], static_cast<int>(cell)) << "seed " << seed;
            }
    }
}

TEST(SlidingParity, AnUnsolvableBoardIsSeenAsSuch) {
    // Two neighbours exchanged in a solved 2 x 2 board with the hole home.
    EXPECT_TRUE(Solvable({0, 1, 2, -1}, 2));
    EXPECT_FALSE(Solvable({1, 0, 2, -1}, 2));
}

TEST_F(SlidingTest, OnlyPiecesBesideTheHoleMoveAndTheyMoveIntoIt) {
    Cut(3, 3);
    // Put the hole in the corner (0, 0).
    while (level->holeR > 0 || level->holeC > 0) {
        const int r = level->holeR > 0 ? level->holeR - 1 : level->holeR;
        const int c = level->holeR > 0 ? level->holeC : level->holeC - 1;
        level->PickPuzzle(level->at(r, c));
    }
    EXPECT_EQ(level->CanBeMoved(0, 1), 3);
    EXPECT_EQ(level->CanBeMoved(1, 0), 1);
    EXPECT_EQ(level->CanBeMoved(1, 1), 0);
    EXPECT_FALSE(level->GetMoveDim(*level->at(2, 2)));
    Run(*level, 30);
    // Hovering a piece that cannot move shows nothing and a click does nothing.
    auto fixed = level->at(1, 1);
    ClickCell(1, 1);
    EXPECT_EQ(level->over, nullptr);
    EXPECT_EQ(level->at(1, 1), fixed);
    Mouse(0, 0);
    int clickable = 0;
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++)
            if (level->at(r, c) && level->CanBeMoved(r, c)) clickable++;
    EXPECT_EQ(clickable, 2);
    auto moving = level->at(0, 1);
    ClickCell(0, 1);
    EXPECT_EQ(level->at(0, 0), moving);
    EXPECT_EQ(level->at(0, 1), nullptr);
    EXPECT_FLOAT_EQ(moving->movePer, 1);
    EXPECT_FLOAT_EQ(moving->startAdx, static_cast<float>(level->cellW()));
}

TEST_F(SlidingTest, APieceSlidingHomeCountsOnlyOnceItRests) {
    Cut(1, 2);
    // Two cells: one piece beside the hole; slide it home if it is away.
    auto piece = level->at(0, 0) ? level->at(0, 0) : level->at(0, 1);
    if (piece->c == piece->dc) level->PickPuzzle(piece);
    Run(*level, 25);
    EXPECT_EQ(Run(*level), 0);
    level->PickPuzzle(piece);
    EXPECT_EQ(piece->c, piece->dc);
    int frames = 0;
    while (Run(*level) == 0 && frames < 60) frames++;
    EXPECT_GE(frames, 18);  // 20 frames of sliding
    EXPECT_EQ(piece->onPosition, 1);
}

TEST_F(SlidingTest, PiecesFadeInOverAHundredFramesAndTheOpeningEndsAtOnce) {
    Cut(3, 3);
    level->Begin();
    EXPECT_EQ(level->isBeginFinished(), 1);
    Run(*level, 99);
    for (auto& p : level->puzzles)
        if (p) {
            EXPECT_LT(p->alpha, 1);
        }
    Run(*level, 2);
    for (auto& p : level->puzzles)
        if (p) {
            EXPECT_FLOAT_EQ(p->alpha, 1);
        }
}
