// Hints and shuffling: the move search and its order, cells that cannot
// move, the hint's timing on the screen, its fade on a click, and the
// shuffle of a board without moves.
#include <string>
#include <vector>

#include "effects/effects.h"
#include "match3/flying.h"
#include "match3/hint.h"
#include "powerup_fixture.h"

namespace {

// An independent move search over a grid of letters: the swap forms three
// equal letters in a row or a column (GridHasLine).
struct Swap {
    int r1 = -1, c1 = -1, r2 = -1, c2 = -1;
};

Swap FirstMove(const std::vector<std::string>& g) {
    const int rows = static_cast<int>(g.size()), cols = static_cast<int>(g[0].size());
    const int dirs[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < cols; c++)
            for (auto& d : dirs) {
                const int r2 = r + d[0], c2 = c + d[1];
                if (r2 < 0 || c2 < 0 || r2 >= rows || c2 >= cols) continue;
                std::vector<std::string> h = g;
                std::swap(h[r][c], h[r2][c2]);
                if (GridHasLine(h)) return {r, c, r2, c2};
            }
    return {};
}

// A random board of five kinds without a line.
std::vector<std::string> RandomBoard(int rows, int cols) {
    std::vector<std::string> g(rows, std::string(cols, '.'));
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < cols; c++) do
                g[r][c] = static_cast<char>('A' + RandInt(0, 4));
            while (GridHasLine(g));
    return g;
}

class HintTest : public PowerUpGameTest {
protected:
    // A cell of the board loaded with Load (not the screen's).
    TTile* B(int r, int c) const { return board.level->At(r, c); }
};

}  // namespace

TEST_F(HintTest, TheHintNamesTheFirstMoveFromTheTopLeftTryingUpDownLeftRight) {
    for (int round = 0; round < 60; round++) {
        const int rows = RandInt(3, 8), cols = RandInt(3, 8);
        LevelSpec spec;
        spec.chips = RandomBoard(rows, cols);
        spec.tiles.assign(rows, std::string(cols, '1'));
        Load(spec);
        const Swap want = FirstMove(spec.chips);
        auto hint = Hints::FindHint(board);
        if (want.r1 < 0) {
            EXPECT_FALSE(hint) << "round " << round;
            continue;
        }
        ASSERT_TRUE(hint) << "round " << round;
        EXPECT_EQ(hint->tile1, B(want.r1, want.c1)) << "round " << round;
        EXPECT_EQ(hint->tile2, B(want.r2, want.c2)) << "round " << round;
    }
}

TEST_F(HintTest, ChestsChainsAndScrollChipsAreNeverPartOfAHint) {
    // The only move is (0, 2) <-> (1, 2), found from its upper cell.
    Load(QuietBoard());
    auto hint = Hints::FindHint(board);
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->tile1, B(0, 2));
    EXPECT_EQ(hint->tile2, B(1, 2));
    EXPECT_TRUE(Hints::FindHint_Move(board, 1, 2, 0, 2));
    EXPECT_FALSE(Hints::FindHint_Move(board, 0, 4, 0, 5)) << "off the board";

    LevelSpec chained = QuietBoard();
    chained.chains = {"00000", "00100", "00000", "00000", "00000"};
    Load(chained);
    EXPECT_FALSE(Hints::FindHint(board));

    LevelSpec chest = QuietBoard();
    chest.chests = {"00100", "00000", "00000", "00000", "00000"};
    Load(chest);
    EXPECT_FALSE(Hints::FindHint(board));

    // A scroll chip cannot be swapped, so the swap that would move it is no move.
    LevelSpec scroll = QuietBoard();
    scroll.chips[0] = "AASCD";
    scroll.chips[1] = "CDAEB";
    Load(scroll);
    EXPECT_FALSE(Hints::FindHint(board));
}

TEST_F(HintTest, ACalmBoardShowsTheHintAtOnceAndAgainFiveSecondsAfterAClickFadedIt) {
    StartPlaying(BoardWithGoal());
    ASSERT_FALSE(game.hint);
    Frame();  // the level start does not restart the timer
    ASSERT_TRUE(game.hint);
    EXPECT_EQ(game.hint->tile1, T(0, 2));
    EXPECT_EQ(game.hint->tile2, T(1, 2));
    EXPECT_EQ(CountSound("hint"), 1);
    Frame(30);
    EXPECT_EQ(game.hint->a, 1.0f);
    EXPECT_TRUE(T(0, 2)->chip->startShake) << "the hinted chips rock";
    EXPECT_TRUE(T(1, 2)->chip->startShake);

    // A click anywhere (here beside the board) fades it out over 20 frames.
    MoveMouse(950, 100);
    Button(true);
    Frame();
    Button(false);
    ASSERT_TRUE(game.hint);
    EXPECT_EQ(game.hint->da, 0.0f);
    int frames = 0;
    while (game.hint && frames < 100) {
        Frame();
        frames++;
    }
    EXPECT_FALSE(game.hint);
    EXPECT_GE(frames, 18);
    EXPECT_LE(frames, 21);
    EXPECT_TRUE(T(0, 2)->chip->startShake) << "a faded hint leaves its chips rocking";
    EXPECT_TRUE(T(1, 2)->chip->startShake);

    frames = 0;
    while (!game.hint && frames < 400) {
        Frame();
        frames++;
    }
    EXPECT_TRUE(game.hint);
    EXPECT_GE(frames, 299);
    EXPECT_LE(frames, 302);
    EXPECT_EQ(CountSound("hint"), 2);
}

TEST_F(HintTest, MotionStopsTheChipsOfAHintThatFadedOutBefore) {
    StartPlaying(BoardWithGoal());
    Frame(5);
    ASSERT_TRUE(game.hint);
    MoveMouse(950, 100);
    Button(true);
    Frame();
    Button(false);
    Frame(25);
    ASSERT_FALSE(game.hint);
    ASSERT_TRUE(T(0, 2)->chip->startShake);
    T(4, 0)->chip->CreateMe();
    Frame();
    EXPECT_FALSE(T(0, 2)->chip->startShake);
    EXPECT_FALSE(T(1, 2)->chip->startShake);
}

TEST_F(HintTest, MotionDropsTheHintAndTheNextOneWaitsFiveSecondsOfCalm) {
    StartPlaying(BoardWithGoal());
    Frame(5);
    ASSERT_TRUE(game.hint);
    ASSERT_TRUE(game.tempHint == nullptr) << "a shown hint makes the stored one needless";
    // A chip on the board starts to move.
    T(4, 0)->chip->CreateMe();
    Frame();
    EXPECT_FALSE(game.hint);
    EXPECT_FALSE(game.tempHint);
    EXPECT_FALSE(T(0, 2)->chip->startShake) << "motion stops the hinted chips";
    int moving = 0;
    while (!game.board.isCalm() && moving < 200) {
        Frame();
        moving++;
    }
    int calm = 0;
    while (!game.hint && calm < 400) {
        Frame();
        calm++;
    }
    EXPECT_TRUE(game.hint);
    EXPECT_GE(calm, 297);
    EXPECT_LE(calm, 302);
}

TEST_F(HintTest, ASwapDropsBothHintsAndRestartsTheTimer) {
    StartPlaying(BoardWithGoal());
    Frame(3);
    ASSERT_TRUE(game.hint);
    Drag(T(0, 2), 0, 12);  // the hinted move itself
    EXPECT_FALSE(game.hint);
    EXPECT_GT(game.hintTime, SysMillisecs() + 4000);
}

TEST_F(HintTest, ABoardWithoutMovesIsThrownOffAndDealtAnewTwoSecondsLater) {
    LevelSpec spec = NoMoveBoard();
    spec.chips[0] = "SXCDE";  // a scroll chip and a bomb chip take part too
    spec.chains = {"00000", "00000", "00100", "00000", "00000"};
    spec.chests = {"00000", "00000", "00000", "00010", "00000"};
    powerUpNeeded[0] = 40;
    TLevel& level = StartPlaying(spec);
    ASSERT_FALSE(Slot(0).unlocked);
    Frame();
    EXPECT_EQ(game.state, M3_SHUFFLING);
    EXPECT_EQ(CountSound("hint"), 1);
    EXPECT_TRUE(captionList.findIf([](const TCaption& c) { return c.n == CAPTION_NO_MOVES; }));
    for (auto& t : level.tile) EXPECT_FALSE(t->chip) << "every chip leaves the board";
    EXPECT_EQ(flyingChips.size(), 25u);
    int frames = 1;
    while (game.state == M3_SHUFFLING && frames < 300) {
        Frame();
        frames++;
        if (frames == 110) {
            EXPECT_TRUE(flyingChips.empty());
            EXPECT_EQ(Slot(0).collected, 25) << "thrown-off chips charge slot 0, locked or not";
            for (auto& t : level.tile) EXPECT_FALSE(t->chip) << "nothing moves during the pause";
        }
    }
    EXPECT_GE(frames, 120);
    EXPECT_LE(frames, 122);
    EXPECT_EQ(game.state, M3_PLAYING);
    for (auto& t : level.tile) {
        ASSERT_TRUE(t->chip);
        EXPECT_GE(t->chip->id, 1);
        EXPECT_LE(t->chip->id, 5) << "no scroll or bomb chip comes back";
    }
    EXPECT_EQ(T(2, 2)->chain, 1) << "chains stay";
    EXPECT_EQ(T(3, 3)->chest, 1) << "chests stay";
    EXPECT_EQ(level.CountScrollChips(), 0);
}

TEST_F(HintTest, TheDeveloperKeyShufflesAtAnyTime) {
    cheats = 1;
    StartPlaying(BoardWithGoal());
    T(0, 0)->chip->CreateMe();  // something moves
    Key('S');
    Frame();
    EXPECT_EQ(game.state, M3_SHUFFLING);
    for (auto& t : game.level()->tile) EXPECT_FALSE(t->chip);
}
