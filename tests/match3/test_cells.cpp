// What a destroyed chip does to its cell and its neighbours: chains, chests,
// cyan tiles; and what a chip gives when it goes.
#include "effects/effects.h"
#include "m3_fixture.h"
#include "match3/flying.h"

using Cells = Match3Test;

TEST_F(Cells, ChainedChipMatchesButStaysAndLosesAChain) {
    LevelSpec s;
    s.tiles = {"222", "111"};
    s.chips = {"BAA", "ACC"};
    s.chains = {"020", "000"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(1, 0), T(0, 0)));
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(board.level->score, 15);
    EXPECT_EQ(ChipId(0, 1), 1);  // the chained chip keeps its place
    EXPECT_EQ(T(0, 1)->chain, 1);
    EXPECT_EQ(T(0, 1)->id, 2);  // the tile under a chained chip is not lowered
    EXPECT_EQ(T(0, 0)->id, 1);  // cyan tiles under destroyed chips are
    EXPECT_EQ(T(0, 2)->id, 1);
    EXPECT_EQ(ChipId(0, 0), 0);
    EXPECT_EQ(CountSound("chain"), 1);
    EXPECT_EQ(CountSound("tile-match"), 2);
}

TEST_F(Cells, DoubleCyanTileNeedsTwoMatches) {
    LevelSpec s;
    s.tiles = {"1", "3"};
    s.chips = {"A", "A"};
    TLevel& l = Load(s);
    TTile* t = T(1, 0);
    t->MatchTile();
    EXPECT_EQ(t->id, 2);
    EXPECT_EQ(t->TileDestroying, 1);
    t->MatchTile();
    EXPECT_EQ(t->id, 1);
    t->MatchTile();
    EXPECT_EQ(t->id, 1);
    EXPECT_EQ(l.CountCyanTiles(), 0);
}

TEST_F(Cells, NeighbourOpensChestAndTheFreedChipCompletesALine) {
    LevelSpec s;
    s.tiles = {"111", "111", "111", "111"};
    s.chips = {"BAA", "ACD", "CBD", "BCD"};
    s.chests = {"000", "001", "000", "000"};
    Load(s);
    EXPECT_TRUE(CheckMatch(T(2, 2)).empty());  // the chest keeps the column apart
    ASSERT_TRUE(board.SwapTiles(T(1, 0), T(0, 0)));
    Step(21);
    EXPECT_EQ(T(1, 2)->chest, 0);
    EXPECT_EQ(CountSound("rock"), 1);
    EXPECT_FALSE(flyingChests.empty());
    EXPECT_EQ(board.level->score, 30);
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(ChipId(3, 2), 0);
}

TEST_F(Cells, ChestStopsALineWalk) {
    LevelSpec s;
    s.tiles = {"1111"};
    s.chips = {"AAAA"};
    s.chests = {"0010"};
    Load(s);
    EXPECT_TRUE(CheckMatch(T(0, 3)).empty());
    ChipList line = CheckMatch(T(0, 0));
    EXPECT_TRUE(line.empty());  // only two free chips before the chest
    T(0, 2)->chest = 0;
    line = CheckMatch(T(0, 1));
    ASSERT_EQ(line.size(), 4u);
    EXPECT_EQ(line[0], T(0, 1)->chip);  // own chip first, then left, then right
    EXPECT_EQ(line[1], T(0, 0)->chip);
    EXPECT_EQ(line[2], T(0, 2)->chip);
    EXPECT_EQ(line[3], T(0, 3)->chip);
}

TEST_F(Cells, LineOrderIsOwnBelowAboveLeftRight) {
    LevelSpec s;
    s.tiles = {"111", "111", "111"};
    s.chips = {"BAC", "AAA", "CAB"};
    Load(s);
    ChipList line = CheckMatch(T(1, 1));
    ASSERT_EQ(line.size(), 5u);
    EXPECT_EQ(line[0], T(1, 1)->chip);
    EXPECT_EQ(line[1], T(2, 1)->chip);
    EXPECT_EQ(line[2], T(0, 1)->chip);
    EXPECT_EQ(line[3], T(1, 0)->chip);
    EXPECT_EQ(line[4], T(1, 2)->chip);
}

TEST_F(Cells, ResourceChipsSendFlyersAndPlainChipsChargeASlot) {
    LevelSpec s;
    s.tiles = {"111", "111"};
    s.chips = {"BAA", "AEE"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(1, 0), T(0, 0)));
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(flyerList.size(), 3u);  // three wood chips
    EXPECT_TRUE(flyingChips.empty());

    // Plain chips: nothing while every slot is full, then a flight and a charge.
    s.chips = {"BEE", "EAA"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(1, 0), T(0, 0)));
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_TRUE(flyingChips.empty());
    collectingSlot = 2;
    s.chips = {"BEE", "EAA"};
    Load(s);
    ASSERT_TRUE(board.SwapTiles(T(1, 0), T(0, 0)));
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(flyingChips.size(), 3u);
    for (int i = 0; i < 200 && !flyingChips.empty(); i++) Step();
    EXPECT_TRUE(flyingChips.empty());
    EXPECT_EQ(charges[2], 3);
}

TEST_F(Cells, BombMeSmallDestroysTheBlockWithoutCollecting) {
    LevelSpec s;
    s.tiles = {"1111", "1111", "1111"};
    s.chips = {"ABCD", "BCDA", "CDAB"};
    Load(s);
    T(1, 1)->BombMeSmall();
    EXPECT_EQ(T(1, 1)->chip->destroyType, DESTROY_BOOM);
    EXPECT_EQ(T(0, 0)->chip->noCollectAtDistroy, 1);
    EXPECT_EQ(T(1, 3)->chip->state, CHIP_RESTING);
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"...D", "...A", "...B"}));
    EXPECT_TRUE(flyerList.empty());
}

TEST_F(Cells, ScrollChipsIgnoreDestroyAndLeaveAtTheBottom) {
    LevelSpec s;
    s.tiles = {"11", "1."};
    s.chips = {"AS", "B."};
    Load(s);
    T(0, 1)->chip->Destroy(0, 0, 0);
    EXPECT_EQ(T(0, 1)->chip->state, CHIP_RESTING);
    Step();
    EXPECT_EQ(ChipId(0, 1), 0);  // above a hole: gone
    EXPECT_EQ(flyingChips.size(), 1u);
    EXPECT_EQ(board.level->CountScrollChips(), 0);
    for (int i = 0; i < 200 && !flyingChips.empty(); i++) Step();
    EXPECT_EQ(charges[0], 1);  // it lands below the screen as a hammer charge
}

TEST_F(Cells, ScrollChipFallsToTheBottomRowAndLeaves) {
    LevelSpec s;
    s.tiles = {"1", "1", "1"};
    s.chips = {"S", ".", "."};
    Load(s);
    EXPECT_FALSE(board.isWon());
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{".", ".", "."}));
    EXPECT_TRUE(board.isWon());
}
