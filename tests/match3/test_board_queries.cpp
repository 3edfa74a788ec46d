// What the screen and the virtual player ask the board: cells under a point,
// the move search, and the frame around holes.
#include "m3_fixture.h"

using BoardQueries = Match3Test;

TEST_F(BoardQueries, CellUnderAPoint) {
    LevelSpec s;
    s.tiles = {"1.", "11"};
    s.chips = {"A.", "BC"};
    TLevel& l = Load(s);
    TTile* t = board.TileAtPoint(static_cast<float>(l.At(1, 1)->drawX + 10),
                                 static_cast<float>(l.At(1, 1)->drawY - 20));
    EXPECT_EQ(t, l.At(1, 1));
    EXPECT_EQ(board.TileAtPoint(static_cast<float>(l.At(0, 1)->drawX), static_cast<float>(l.At(0, 1)->drawY)),
              nullptr);  // a hole is never the cell under the mouse
    EXPECT_EQ(board.TileAtPoint(0, 0), nullptr);
    // On the edge shared by two cells the later cell wins.
    float edgeX = static_cast<float>(l.At(1, 0)->drawX + 24), edgeY = static_cast<float>(l.At(1, 0)->drawY);
    EXPECT_EQ(board.TileAtPoint(edgeX, edgeY), l.At(1, 1));
}

TEST_F(BoardQueries, MoveSearchNamesTheFirstMoveFromTheTopLeft) {
    LevelSpec s;
    s.tiles = {"1111", "1111", "1111"};
    s.chips = {"BCDE", "CDEA", "DAAB"};
    Load(s);
    TMove m = board.FindAnyMove();
    ASSERT_TRUE(m);
    EXPECT_TRUE(board.FindHint_Move(m.tile1->r, m.tile1->c, m.tile2->r, m.tile2->c));
    for (int r = 0; r <= m.tile1->r; r++)
        for (int c = 0; c < (r == m.tile1->r ? m.tile1->c : 4); c++)
            for (auto d : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                EXPECT_FALSE(board.FindHint_Move(r, c, r + d.first, c + d.second)) << r << "," << c;
    // The search moves nothing.
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"BCDE", "CDEA", "DAAB"}));
}

TEST_F(BoardQueries, LockedAndScrollCellsAreNoMove) {
    LevelSpec s;
    s.tiles = {"111", "111"};
    s.chips = {"BAA", "ACC"};
    s.chains = {"000", "100"};
    Load(s);
    EXPECT_FALSE(board.FindHint_Move(0, 0, 1, 0));  // would form A A A, but (1, 0) is chained
    EXPECT_FALSE(board.FindAnyMove());
    s.chains = {};
    s.chips = {"SAA", "ACC"};
    Load(s);
    EXPECT_FALSE(board.FindHint_Move(0, 0, 1, 0));  // a scroll chip cannot be swapped
    s.chips = {"BAA", "ACC"};
    Load(s);
    EXPECT_TRUE(board.FindHint_Move(0, 0, 1, 0));
    EXPECT_TRUE(board.CanSwap(T(0, 0), T(1, 0)));
}

TEST_F(BoardQueries, InnerCornersDependOnOrthogonalNeighbours) {
    LevelSpec s;
    s.tiles = {"111", "1.1", "111"};
    s.chips = {"...", "...", "..."};
    Load(s);
    EXPECT_TRUE(board.isTileEmpty(1, 1));
    EXPECT_TRUE(board.isTileEmpty(-1, 0));
    EXPECT_TRUE(board.isTileInnerFrame_LeftUp(1, 1));
    EXPECT_TRUE(board.isTileInnerFrame_RightUp(1, 1));
    EXPECT_TRUE(board.isTileInnerFrame_LeftDown(1, 1));
    EXPECT_TRUE(board.isTileInnerFrame_RightDown(1, 1));
    EXPECT_FALSE(board.isTileInnerFrame_LeftUp(0, 0));  // a tile carries no inner corner
    EXPECT_FALSE(board.isTileInnerFrame_LeftUp(-1, 0));
}

TEST_F(BoardQueries, CalmAndWon) {
    LevelSpec s;
    s.tiles = {"12", "11"};
    s.chips = {"AB", "CD"};
    TLevel& l = Load(s);
    EXPECT_TRUE(board.isCalm());
    EXPECT_FALSE(board.isWon());
    l.At(0, 1)->id = 1;
    EXPECT_TRUE(board.isWon());
    l.At(0, 0)->BombMe(0, DESTROY_BOMBED);
    EXPECT_FALSE(board.isCalm());  // an explosion is pending
}
