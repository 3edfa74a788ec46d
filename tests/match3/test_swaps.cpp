// Swaps and lines: reversal, scores, the bomb chip from five chips.
#include "m3_fixture.h"

using Swaps = Match3Test;

TEST_F(Swaps, NoLineSlidesOverAndBack) {
    LevelSpec s;
    s.tiles = {"111", "111", "111"};
    s.chips = {"ABA", "BAB", "CDC"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(0, 0), T(0, 1)));
    EXPECT_FALSE(board.CanSwap(T(0, 0), T(0, 1)));  // both chips are busy now
    Step(20);
    EXPECT_EQ(CountSound("bad"), 1);
    EXPECT_EQ(ChipId(0, 0), 2);  // over there for the moment
    Step(20);
    EXPECT_TRUE(board.pairsList.empty());
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"ABA", "BAB", "CDC"}));
    EXPECT_EQ(CountSound("bad"), 1);
    EXPECT_EQ(board.level->score, 0);
}

TEST_F(Swaps, OnlyFreeMovableNeighboursSwap) {
    LevelSpec s;
    s.tiles = {"111", "111"};
    s.chips = {"ASB", "CD."};
    s.chains = {"000", "010"};
    Load(s);
    EXPECT_FALSE(board.SwapTiles(T(0, 0), T(0, 1)));  // scroll chip
    EXPECT_FALSE(board.SwapTiles(T(1, 0), T(1, 1)));  // chained chip
    EXPECT_FALSE(board.SwapTiles(T(0, 2), T(1, 2)));  // empty cell
    EXPECT_FALSE(board.SwapTiles(T(0, 0), T(1, 1)));  // not neighbours
    EXPECT_TRUE(board.pairsList.empty());
    EXPECT_TRUE(sounds.empty());
}

TEST_F(Swaps, LineOfThreeScoresFifteen) {
    LevelSpec s;
    s.tiles = {"111", "111", "111"};
    s.chips = {"ABC", "BAD", "CAD"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(0, 0), T(0, 1)));
    Step(20);
    EXPECT_EQ(board.level->score, 15);
    EXPECT_EQ(CountSound("match"), 1);
    EXPECT_EQ(CountSound("bad"), 0);
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"B.C", "B.D", "C.D"}));
}

TEST_F(Swaps, ScoresGrowWithTheLine) {
    EXPECT_EQ(MatchScore(3), 15);
    EXPECT_EQ(MatchScore(4), 40);
    EXPECT_EQ(MatchScore(5), 75);
    EXPECT_EQ(MatchScore(6), 120);
}

TEST_F(Swaps, CrossOfFiveMakesTheBombChip) {
    LevelSpec s;
    s.tiles = {"1111", "1111", "1111"};
    s.chips = {"CDAC", "DCAD", "AABA"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(2, 3), T(2, 2)));
    Step(20);
    EXPECT_EQ(board.level->score, 40);  // four chips destroyed
    EXPECT_EQ(CountSound("show-dynamite"), 1);
    EXPECT_EQ(T(2, 2)->chip->state, CHIP_RESTING);
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(ChipId(2, 2), 101);
    EXPECT_EQ(ChipId(2, 3), 2);
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"...C", "CD.D", "DCXB"}));
}

TEST_F(Swaps, FiveInALineMakesTheBombChip) {
    LevelSpec s;
    s.tiles = {"11111", "11111"};
    s.chips = {"CDADC", "AABAA"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(0, 2), T(1, 2)));
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(board.level->score, 40);
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"..B..", "CDXDC"}));
    EXPECT_EQ(ChipId(1, 2), 101);
}

TEST_F(Swaps, FourInALineMakesNoBombChip) {
    LevelSpec s;
    s.tiles = {"1111", "1111"};
    s.chips = {"CDAD", "AABA"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(0, 2), T(1, 2)));
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(board.level->score, 40);  // all four destroyed
    EXPECT_EQ(CountSound("show-dynamite"), 0);
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"....", "CDBD"}));
}

TEST_F(Swaps, TOfFiveMakesTheBombChip) {
    LevelSpec s;
    s.tiles = {"1111", "1111", "1111", "1111"};
    s.chips = {"CACD", "DADC", "ABAD", "CACD"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(2, 1), T(3, 1)));
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(board.level->score, 40);
    EXPECT_EQ(ChipId(2, 1), 101);  // the swapped chip at the T's joint
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"...D", "C.CC", "DXDD", "CBCD"}));
}

TEST_F(Swaps, TwoLinesThroughBothChipsScoreTogether) {
    LevelSpec s;
    s.tiles = {"111", "111"};
    s.chips = {"ABB", "BAA"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(0, 0), T(1, 0)));
    Step(20);
    EXPECT_EQ(board.level->score, 120);
    EXPECT_EQ(CountSound("match"), 1);
}

TEST_F(Swaps, SwappingTheBombChipSetsItOff) {
    LevelSpec s;
    s.tiles = {"111", "111"};
    s.chips = {"AXB", "CDE"};
    s.chests = {"000", "010"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(0, 1), T(0, 0)));
    Step(20);
    EXPECT_EQ(CountSound("boom"), 1);
    EXPECT_EQ(CountSound("rock"), 1);
    EXPECT_EQ(T(1, 1)->chest, 0);  // opened instead of destroyed
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"..B", ".DE"}));
    EXPECT_EQ(board.level->score, 0);
}
