// When the screen looks for moves: never while two chips are mid-swap, never
// on a won board, and a shuffle leaves a running hourglass running.
#include "effects/effects.h"
#include "match3/flying.h"
#include "powerup_fixture.h"

namespace {

using MainGameCalm = PowerUpGameTest;

bool NoMovesCaptionShown() {
    return captionList.findIf([](const TCaption& c) { return c.n == CAPTION_NO_MOVES; }) != nullptr;
}

}  // namespace

TEST_F(MainGameCalm, AWrongSwapBesideTheOnlyMoveKeepsTheBoard) {
    StartPlaying(BoardWithGoal());  // one move: (0, 2) <-> (1, 2)
    Frame();
    // (0, 0) and (1, 0) form no line: over and back, 40 frames. Meanwhile the
    // chip at (0, 0), which the only move needs, belongs to the swap.
    ASSERT_TRUE(game.board.SwapTiles(T(0, 0), T(1, 0)));
    for (int f = 0; f < 50; f++) {
        Frame();
        ASSERT_NE(game.state, M3_SHUFFLING) << "frame " << f;
    }
    EXPECT_FALSE(NoMovesCaptionShown());
    EXPECT_TRUE(flyingChips.empty());
    EXPECT_EQ(CountSound("bad"), 1);
    TMove m = game.board.FindAnyMove();
    ASSERT_TRUE(m);
    EXPECT_EQ(m.tile1, T(0, 2));
    EXPECT_EQ(m.tile2, T(1, 2));
}

TEST_F(MainGameCalm, AWonBoardWithoutMovesFliesAwayWithoutAShuffle) {
    LevelSpec spec = NoMoveBoard();
    spec.tiles[4] = "11111";  // no cyan tile, no scroll chip: won
    Start(spec);
    while (game.state == M3_APPEARING) Frame();
    Frame();
    EXPECT_EQ(game.state, M3_WON);
    EXPECT_FALSE(NoMovesCaptionShown());
    EXPECT_TRUE(flyingChips.empty()) << "no chip is thrown off (nor charges the hammer)";
    for (auto& t : game.level()->tile) EXPECT_TRUE(t->chip) << "the chips fly away with their cells";
}

TEST_F(MainGameCalm, AShuffleDuringTheHourglassLeavesItRunning) {
    LevelSpec spec = NoMoveBoard();  // with a cyan tile: the level goes on
    StartPlaying(spec);
    game.state = M3_HOURGLASS;
    game.hourGlassTime = SysMillisecs() + 22000;
    Frame();
    ASSERT_EQ(game.state, M3_SHUFFLING);
    const float before = game.CountHourglassPer();
    int frames = 0;
    while (game.state == M3_SHUFFLING && frames < 300) {
        Frame();
        frames++;
    }
    EXPECT_EQ(game.state, M3_HOURGLASS);
    EXPECT_NEAR(game.CountHourglassPer(), before, 0.01f) << "the pause does not use the hourglass up";
    const int t0 = game.level()->time;
    Frame(120);
    EXPECT_EQ(game.level()->time, t0) << "the clock still stands";
}
