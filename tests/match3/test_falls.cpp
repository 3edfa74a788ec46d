// Falls, diagonal slides, creators and cascades.
#include "m3_fixture.h"

using Falls = Match3Test;

namespace {

// No line anywhere on the board.
bool NoLines(const TLevel& l) {
    for (auto& t : l.tile)
        if (!CheckMatch(t.get()).empty()) return false;
    return true;
}

}  // namespace

TEST_F(Falls, DiagonalSlideOnlyUnderABlockedColumn) {
    LevelSpec s;
    s.tiles = {"1.1", "111"};
    s.chips = {"A.B", "C.D"};
    Load(s);
    ASSERT_TRUE(RunUntilCalm());
    // The hole above (1, 1) means nothing comes straight down: a neighbour slides in.
    EXPECT_NE(ChipId(1, 1), 0);
    EXPECT_EQ((ChipId(0, 0) == 0) + (ChipId(0, 2) == 0), 1);

    s.tiles = {"111", "111"};
    Load(s);
    Step(60);
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"A.B", "C.D"}));  // open column: they wait
}

TEST_F(Falls, ChainAndChestBlockAColumnLikeAHole) {
    for (int lock = 0; lock < 2; lock++) {
        LevelSpec s;
        s.tiles = {"11", "11"};
        s.chips = {"AC", "B."};
        s.chains = {"00", "00"};
        s.chests = {"00", "00"};
        (lock ? s.chests : s.chains)[0] = "01";
        Load(s);
        EXPECT_EQ(T(0, 0)->CheckFallRight(), 1) << lock;
        ASSERT_TRUE(RunUntilCalm());
        EXPECT_EQ(ChipRows(), (std::vector<std::string>{".C", "BA"})) << lock;
    }
}

TEST_F(Falls, ChipsFallIntoEmptyCellsBelow) {
    LevelSpec s;
    s.tiles = {"1", "1", "1", "1"};
    s.chips = {"A", "B", ".", "."};
    Load(s);
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{".", ".", "A", "B"}));
    EXPECT_EQ(CountSound("chip-move-1") + CountSound("chip-move-2") + CountSound("chip-move-3"), 4);
}

TEST_F(Falls, CreatorsRefillTheBoardAnywhere) {
    LevelSpec s;
    s.tiles = {"1.1", "111", "111"};
    s.chips = {"...", "...", "..."};
    s.creators = {{0, 0}, {1, 1}, {0, 2}};  // (1, 1) sits under a hole
    TLevel& l = Load(s);
    ASSERT_TRUE(RunUntilCalm(3000));
    for (auto& t : l.tile)
        if (t->id) {
            EXPECT_TRUE(t->chip) << t->r << "," << t->c;
        }
    EXPECT_TRUE(NoLines(l));
}

TEST_F(Falls, CascadesRunUntilTheBoardIsCalm) {
    LevelSpec s;
    s.tiles.assign(8, "11111111");
    s.chips.assign(8, "........");
    for (int c = 0; c < 8; c++) s.creators.push_back({0, c});
    s.available = "1 2 3 4";
    TLevel& l = Load(s);
    ASSERT_TRUE(RunUntilCalm(5000));
    EXPECT_GT(l.score, 0);  // four kinds on 64 cells always cascade
    EXPECT_TRUE(NoLines(l));
    EXPECT_EQ(l.GetAllChipsList().size(), 64u);
    // Play the board with its own move search: every swap leaves a calm board without lines.
    for (int i = 0; i < 10; i++) {
        TMove m = board.FindAnyMove();
        if (!m) break;
        ASSERT_TRUE(board.SwapTiles(m.tile1, m.tile2));
        ASSERT_TRUE(RunUntilCalm(5000));
        EXPECT_TRUE(NoLines(l));
    }
}

TEST_F(Falls, AppearingChipLandsOnlyWhenItCannotFall) {
    LevelSpec s;
    s.tiles = {"1", "1"};
    s.chips = {".", "."};
    s.creators = {{0, 0}};
    s.available = "3";
    Load(s);
    Step();
    ASSERT_EQ(ChipId(0, 0), 3);
    EXPECT_EQ(T(0, 0)->chip->state, CHIP_APPEARING);
    ASSERT_TRUE(RunUntilCalm());
    EXPECT_EQ(ChipRows(), (std::vector<std::string>{"C", "C"}));
}
