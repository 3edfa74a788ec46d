// The match-3 screen's clock, time bar blink, win and loss.
#include "frame/control.h"
#include "frame/options.h"
#include "main_game_fixture.h"
#include "match3/fantom.h"

namespace {

class MainGameClock : public MainGameTest {
protected:
    int losses = 0;
    void SetUp() override {
        MainGameTest::SetUp();
        game.hooks.runLose = [this] {
            losses++;
            return 0;  // stays on the screen, so the test can watch on
        };
    }
    void TearDown() override {
        options.relaxed = 0;
        MainGameTest::TearDown();
    }
};

}  // namespace

TEST_F(MainGameClock, TheClockTicksOncePerSecondWhilePlaying) {
    TLevel& level = Start(BoardWithGoal());
    const int start = level.time;
    EXPECT_EQ(start, 840);
    Frame(150);  // the board appears: no tick
    EXPECT_EQ(level.time, start);
    for (int i = 0; i < 300 && game.state != M3_PLAYING; i++) Frame();
    Frame(62);
    EXPECT_EQ(level.time, start - 1);
    Frame(60);
    EXPECT_EQ(level.time, start - 2);
}

TEST_F(MainGameClock, TheClockStopsForTheHourglassAndTheShuffleAndTicksAtOnceAfter) {
    TLevel& level = StartPlaying(BoardWithGoal());
    const int t0 = level.time;
    game.state = M3_HOURGLASS;
    game.hourGlassTime = SysMillisecs() + 2000;
    Frame(110);
    EXPECT_EQ(level.time, t0);
    EXPECT_EQ(game.state, M3_HOURGLASS);
    int frames = 0;
    while (game.state == M3_HOURGLASS && frames < 20) {
        Frame();
        frames++;
    }
    EXPECT_EQ(game.state, M3_PLAYING);
    EXPECT_EQ(level.time, t0);
    Frame();
    EXPECT_EQ(level.time, t0 - 1);  // the tick owed comes at once

    game.Shuffle();
    EXPECT_EQ(game.state, M3_SHUFFLING);
    Frame(100);
    EXPECT_EQ(game.state, M3_SHUFFLING);
    EXPECT_EQ(level.time, t0 - 1);
    for (frames = 0; game.state == M3_SHUFFLING && frames < 30;) {
        Frame();
        frames++;
    }
    EXPECT_EQ(game.state, M3_PLAYING);
    EXPECT_EQ(level.time, t0 - 1);
    for (auto& t : level.tile) EXPECT_TRUE(t->chip) << "every tile is dealt a new chip";
}

TEST_F(MainGameClock, AToolFrameKeepsTheClockRunning) {
    TLevel& level = StartPlaying(BoardWithGoal());
    const int t0 = level.time;
    game.state = M3_HAMMER;
    Frame(125);
    EXPECT_EQ(level.time, t0 - 2);
}

TEST_F(MainGameClock, TheRedBlinkShowsBelowFifteenPercent) {
    TLevel& level = StartPlaying(BoardWithGoal());
    ASSERT_EQ(level.maxTime, 840);
    EXPECT_FLOAT_EQ(game.TimeBarFraction(), 1.0f);
    game.blinkA = 0.5f;
    level.time = 127;
    EXPECT_FALSE(game.TimeBarBlinks());
    level.time = 125;
    EXPECT_TRUE(game.TimeBarBlinks());
    game.blinkA = 0;
    EXPECT_FALSE(game.TimeBarBlinks());
}

TEST_F(MainGameClock, TheBlinkPulsesBetweenZeroAndOne) {
    StartPlaying(BoardWithGoal());
    float lo = 1, hi = 0;
    for (int i = 0; i < 45; i++) {
        Frame();
        lo = std::min(lo, game.blinkA);
        hi = std::max(hi, game.blinkA);
    }
    EXPECT_EQ(hi, 1.0f);
    EXPECT_LT(lo, 0.2f);
}

TEST_F(MainGameClock, TheLevelIsLostWhenTheClockReachesZero) {
    TLevel& level = StartPlaying(BoardWithGoal());
    level.time = 2;
    Frame(70);
    EXPECT_EQ(losses, 0);
    Frame(60);
    EXPECT_EQ(level.time, 0);
    EXPECT_EQ(losses, 1);
    EXPECT_EQ(game.state, M3_PLAYING);  // the loss does not change the state
    Frame(120);
    EXPECT_EQ(losses, 1);
}

TEST_F(MainGameClock, InTheRelaxedModeTheClockNeverRunsOutNorHurries) {
    TLevel& level = StartPlaying(BoardWithGoal());
    options.relaxed = 1;
    level.time = 2;
    game.blinkA = 0.5f;
    Frame(300);
    EXPECT_EQ(level.time, 2);
    EXPECT_EQ(losses, 0);
    EXPECT_FALSE(game.TimeBarBlinks()) << "2 s of 840 are no hurry when the clock stands still";
    game.state = M3_HAMMER;  // an aimed tool's frame does not run the clock either
    Frame(125);
    EXPECT_EQ(level.time, 2);
    game.state = M3_PLAYING;
    // Switched off in the level, the clock goes on a whole second later, and runs out.
    options.relaxed = 0;
    Frame(55);
    EXPECT_EQ(level.time, 2);
    Frame(10);
    EXPECT_EQ(level.time, 1);
    Frame(62);
    EXPECT_EQ(level.time, 0);
    EXPECT_EQ(losses, 1);
}

TEST_F(MainGameClock, WithoutLoseDialogALostLevelIsRestarted) {
    game.hooks.runLose = nullptr;
    TLevel& level = StartPlaying(BoardWithGoal());
    level.time = 1;
    Frame(62);
    EXPECT_TRUE(game.fadedOut());
    EXPECT_EQ(game.wynik, QUEST_RESTART_LEVEL);
}

TEST_F(MainGameClock, ALevelWithoutGoalsIsWonInTheFirstCalmFrame) {
    Start(QuietBoard());
    int frames = 0;
    while (game.state == M3_APPEARING && frames < 300) {
        Frame();
        frames++;
    }
    ASSERT_EQ(game.state, M3_PLAYING);
    Frame();
    EXPECT_EQ(game.state, M3_WON);
    EXPECT_EQ(game.dFrameA, 0);
    // Every cell flies away before the summary; without one, the next level follows.
    int flying = 0;
    while (!game.fadedOut() && flying < 400) {
        Frame();
        flying++;
    }
    EXPECT_GE(flying, 160);
    EXPECT_LE(flying, 252);
    EXPECT_EQ(game.wynik, QUEST_NEXT_LEVEL);
    for (auto& t : game.level()->tile) EXPECT_TRUE(t->_fantom) << "cell stays hidden";
}

TEST_F(MainGameClock, ClearingTheLastCyanTileWinsOnceTheLineIsGone) {
    LevelSpec spec = QuietBoard();
    spec.tiles[0] = "12111";
    StartPlaying(spec);
    Click(T(1, 2));
    Click(T(0, 2));  // row 0 becomes A A A over the cyan tile
    int destroyingFrames = 0;
    for (int i = 0; i < 120 && game.state == M3_PLAYING; i++) {
        const bool destroying = T(0, 0)->chip && T(0, 0)->chip->state == CHIP_DESTROYING;
        Frame();
        if (destroying) {
            destroyingFrames++;
            EXPECT_EQ(game.state, M3_PLAYING);
        }
    }
    EXPECT_GT(destroyingFrames, 5);
    EXPECT_EQ(T(0, 1)->id, 1);
    EXPECT_EQ(game.state, M3_WON);
}

TEST_F(MainGameClock, ScrollChipsKeepTheLevelGoing) {
    LevelSpec spec = QuietBoard();
    spec.chips[0][4] = 'S';
    StartPlaying(spec);
    Frame(5);
    EXPECT_EQ(game.state, M3_PLAYING);
    EXPECT_EQ(game.scrollsFree, 0);
    EXPECT_EQ(game.tilesFree, 1);
}
