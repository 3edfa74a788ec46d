// The player models' choice of move on fixed boards: the novice's random
// legal moves and its bounced swaps, the casual's eye for long lines and the
// bottom of the board, the steady and the expert player's best move and the
// expert's look for cascades.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "devtools/player_model.h"
#include "devtools/virtual_player.h"
#include "m3_fixture.h"
#include "platform/platform.h"

namespace {

bool GridSwapMakesLine(std::vector<std::string> g, const TMove& m) {
    std::swap(g[m.tile1->r][m.tile1->c], g[m.tile2->r][m.tile2->c]);
    return GridHasLine(g);
}

bool Neighbours(const TMove& m) {
    return std::abs(m.tile1->r - m.tile2->r) + std::abs(m.tile1->c - m.tile2->c) == 1;
}

// The lower row of the two cells of a move (row 0 is the top).
int LowerRow(const TMove& m) { return std::max(m.tile1->r, m.tile2->r); }

LevelSpec PlainBoard(const std::vector<std::string>& chips) {
    LevelSpec spec;
    spec.tiles.assign(chips.size(), std::string(chips[0].size(), '1'));
    spec.chips = chips;
    spec.available = "1 2 3 4 5";
    for (int c = 0; c < static_cast<int>(chips[0].size()); c++) spec.creators.push_back({0, c});
    return spec;
}

// Rows shifted by two kinds, no line; two moves of three chips: (0, 2) <->
// (1, 2) at the top and (6, 2) <-> (7, 2) at the bottom.
const std::vector<std::string> kTwoEqualMoves = {"EEBDEABC", "CDEABCDE", "EABCDEAB", "BCDEABCD",
                                                 "DEABCDEA", "ABCDEABC", "CDEABCDE", "EEBCDEAB"};

// Two moves of three chips: (2, 3) <-> (3, 3), after which nothing more
// forms, and (2, 4) <-> (2, 5), whose line lets the chips above it fall
// into a second line.
const std::vector<std::string> kOneCascade = {"CBCBCA", "DBEDCE", "ADABBA", "BCECAC", "DCABAE", "EEDBCD"};

class PlayerModelTest : public Match3Test {
protected:
    const TPlayerModel& Model(const char* name) const { return *FindPlayerModel(name); }
    // The model's pick on the loaded board, many times over: the moves'
    // lower rows, or -1 for no move.
    std::vector<int> Picks(const char* name, int times = 20) {
        const std::vector<TMove> legal = SearchPlayerMoves(board);
        std::vector<int> rows;
        for (int i = 0; i < times; i++) {
            const TMove m = PickMove(Model(name), board, legal);
            rows.push_back(m ? LowerRow(m) : -1);
        }
        return rows;
    }
};

}  // namespace

TEST_F(PlayerModelTest, TheNovicePicksAnyLegalMoveAndBouncesOnlySwapsOfNeighboursWithoutALine) {
    for (int round = 0; round < 30; round++) {
        const int rows = RandInt(4, 8), cols = RandInt(4, 8);
        std::vector<std::string> chips(rows, std::string(cols, '.'));
        for (int r = 0; r < rows; r++)
            for (int c = 0; c < cols; c++) do
                    chips[r][c] = static_cast<char>('A' + RandInt(0, 4));
                while (GridHasLine(chips));
        Load(PlainBoard(chips));
        const std::vector<TMove> legal = SearchPlayerMoves(board);
        std::vector<int> picked(legal.size(), 0);
        for (int i = 0; i < 40; i++) {
            const TMove m = PickMove(Model("novice"), board, legal);
            if (legal.empty()) {
                EXPECT_FALSE(m) << "round " << round;
            } else {
                ASSERT_TRUE(m) << "round " << round;
                EXPECT_TRUE(Neighbours(m)) << "round " << round;
                EXPECT_TRUE(GridSwapMakesLine(chips, m)) << "round " << round;
                for (size_t k = 0; k < legal.size(); k++)
                    if (legal[k].tile1 == m.tile1 && legal[k].tile2 == m.tile2) picked[k]++;
            }
            const TMove bounce = PickBouncingSwap(board);
            ASSERT_TRUE(bounce) << "round " << round;
            EXPECT_TRUE(Neighbours(bounce)) << "round " << round;
            EXPECT_FALSE(GridSwapMakesLine(chips, bounce)) << "round " << round;
        }
        // Not the same move each time: the novice does not look for the best.
        if (legal.size() > 2) {
            EXPECT_GT(std::count_if(picked.begin(), picked.end(), [](int n) { return n > 0; }), 1)
                << "round " << round;
        }
    }
}

TEST_F(PlayerModelTest, TheNoviceBouncesNoSwapOfAChipUnderAChainOrAChestNorOfAScroll) {
    // Row 0 holds the only free chips: (0, 0) and (0, 1) are the one swap
    // a hand can make, and it makes no line.
    LevelSpec spec = PlainBoard({"ABS", "CDE", "BAC"});
    spec.chains = {"000", "111", "110"};
    spec.chests = {"000", "000", "001"};
    Load(spec);
    for (int i = 0; i < 20; i++) {
        const TMove bounce = PickBouncingSwap(board);
        ASSERT_TRUE(bounce);
        EXPECT_EQ(bounce.tile1->r + bounce.tile2->r, 0);
        EXPECT_EQ(bounce.tile1->c + bounce.tile2->c, 1);
    }
}

TEST_F(PlayerModelTest, TheCasualPrefersTheLowerOfTwoEqualMovesAndALongerLineOverALowerOne) {
    Load(PlainBoard(kTwoEqualMoves));
    ASSERT_EQ(SearchPlayerMoves(board).size(), 2u);
    for (int row : Picks("casual")) EXPECT_EQ(row, 7);
    // A line of four at the top, (0, 2) <-> (1, 2), beats the line of three
    // at the bottom and the one of (0, 2) <-> (0, 3).
    std::vector<std::string> four = kTwoEqualMoves;
    four[0] = "EEBEDABC";
    Load(PlainBoard(four));
    ASSERT_EQ(SearchPlayerMoves(board).size(), 3u);
    for (int row : Picks("casual")) EXPECT_EQ(row, 1);
}

TEST_F(PlayerModelTest, TheSteadyAndTheExpertPlayerPickTheMoveWorthMostTowardTheGoals) {
    // Cyan tiles under the top move's line only: it is worth more than the lower one.
    LevelSpec spec = PlainBoard(kTwoEqualMoves);
    spec.tiles[0] = "22211111";
    Load(spec);
    ASSERT_EQ(SearchPlayerMoves(board).size(), 2u);
    for (const char* name : {"steady", "expert"})
        for (int row : Picks(name)) EXPECT_EQ(row, 1) << name;
}

TEST_F(PlayerModelTest, TheExpertLooksForCascadesWhereTheSteadyPlayerTakesEitherEqualMove) {
    Load(PlainBoard(kOneCascade));
    ASSERT_EQ(SearchPlayerMoves(board).size(), 2u);
    // The cascading move is (2, 4) <-> (2, 5): its lower row is 2.
    for (int row : Picks("expert")) EXPECT_EQ(row, 2);
    const std::vector<int> steady = Picks("steady", 40);
    EXPECT_EQ(std::count(steady.begin(), steady.end(), 2) + std::count(steady.begin(), steady.end(), 3), 40);
    EXPECT_GT(std::count(steady.begin(), steady.end(), 3), 0) << "the steady player sees no cascade";
}
