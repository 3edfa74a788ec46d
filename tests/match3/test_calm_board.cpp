// A board at rest holds no line, and the move search names only swaps that
// form a new line: played out on the shipped levels with diagonal falls.
#include <string>

#include "frame/globals.h"
#include "m3_fixture.h"

namespace {

class CalmBoard : public Match3Test {
protected:
    void SetUp() override {
        Match3Test::SetUp();
        LoadChipCatalogue("game/data/chips.txt");
    }
    void TearDown() override {
        Match3Test::TearDown();
        chipCatalogue.clear();
    }

    // The first cell with a line through it, or "" when there is none.
    std::string LineOnBoard() const {
        for (auto& t : board.level->tile)
            if (CheckMatch(t.get()).size() >= 3)
                return "line through row " + std::to_string(t->r) + ", column " + std::to_string(t->c);
        return "";
    }

    // Every swap the search names, picked at random, until the board has none.
    void PlayAndWatch(int levelNumber, int seed) {
        board.SetLevel(LoadLevel(gameDir + "data/levels/level-" + std::to_string(levelNumber) + ".txt"));
        RandSeed(seed);
        for (int frame = 0, moves = 0; frame < 60 * 60 && moves < 60; frame++) {
            Step();
            if (!board.isCalm()) continue;
            ASSERT_EQ(LineOnBoard(), "")
                << "level " << levelNumber << ", seed " << seed << ", frame " << frame << "\n"
                << testing::PrintToString(ChipRows());
            std::vector<TMove> found;
            for (int r = 0; r < board.level->rows; r++)
                for (int c = 0; c < board.level->cols; c++)
                    for (auto [dr, dc] : {std::pair{1, 0}, {0, 1}})
                        if (TMove m = board.FindHint_Move(r, c, r + dr, c + dc)) found.push_back(m);
            if (found.empty()) return;
            TMove m = found[static_cast<size_t>(RandInt(0, static_cast<int>(found.size()) - 1))];
            ASSERT_TRUE(board.SwapTiles(m.tile1, m.tile2));
            moves++;
        }
    }
};

}  // namespace

TEST_F(CalmBoard, NoLineRestsAfterDiagonalFallsOnTheShippedLevels) {
    for (int level : {6, 9, 12})
        for (int seed = 1; seed <= 6; seed++) {
            PlayAndWatch(level, seed);
            if (HasFatalFailure()) return;
        }
}

TEST_F(CalmBoard, SwappingTwoEqualChipsIsNoMove) {
    // A line written in the file lies on the board; swapping two of its chips
    // would bounce, so it is no move, and the board has none other.
    LevelSpec s;
    s.tiles = {"1111", "1111"};
    s.chips = {"AAAB", "CDCD"};
    Load(s);
    EXPECT_FALSE(board.FindHint_Move(0, 0, 0, 1));
    EXPECT_FALSE(board.FindHint_Move(0, 1, 0, 2));
    EXPECT_FALSE(board.FindAnyMove());
}

TEST_F(CalmBoard, ALineLeftOnTheBoardIsRemovedOnceItRests) {
    LevelSpec s;
    s.tiles = {"1111", "1111"};
    s.chips = {"AAAB", "CDCD"};
    Load(s);
    EXPECT_EQ(board.RemoveRestingLines(), 1);
    EXPECT_EQ(board.level->score, 15);
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"...B", "CDCD"}));
    EXPECT_EQ(board.RemoveRestingLines(), 0);
}
