// The virtual player's power-up choices: when it saves and when it spends,
// where it aims each tool, and its clicks carried out by the real screen.
#include <deque>

#include "devtools/powerup_player.h"
#include "powerup_fixture.h"

namespace {

class PowerUpPlayerTest : public PowerUpGameTest {
protected:
    TPowerUpPlayer player;
    std::deque<InputEvent> gesture;

    // Feeds the queued events to the game, one per frame, as the player does.
    void Play() {
        while (!gesture.empty()) {
            InPushEvent(gesture.front());
            gesture.pop_front();
            Frame();
        }
        Frame();
    }
    void UnlockAll() {
        for (int s = 0; s < POWERUP_COUNT; s++) Slot(s).unlocked = 1;
    }
};

}  // namespace

TEST_F(PowerUpPlayerTest, ItSavesUntilTheBarIsFullThenSpendsInChargingOrderWithTheHourglassLast) {
    LevelSpec spec = FullBoard8();
    spec.tiles[0] = spec.tiles[1] = "33333333";  // goals enough for every tool
    StartPlaying(spec);
    UnlockAll();
    for (int s = 0; s < 5; s++) Slot(s).FullMe();
    EXPECT_FALSE(player.plan(game, gesture)) << "the colour slot still charges";
    EXPECT_TRUE(gesture.empty());
    Slot(5).FullMe();
    ASSERT_TRUE(player.plan(game, gesture));
    Play();
    EXPECT_EQ(used, std::vector<int>{POWERUP_HAMMER});
    // Still spending, although the hammer is empty now.
    const int order[] = {POWERUP_PICKAXE, POWERUP_DYNAMITE, POWERUP_BOMB, POWERUP_COLOR, POWERUP_HOURGLASS};
    for (int slot : order) {
        ASSERT_TRUE(RunUntilCalmGame(900));
        ASSERT_TRUE(player.plan(game, gesture)) << slot;
        Play();
        EXPECT_EQ(used.back(), slot);
    }
    EXPECT_EQ(game.state, M3_HOURGLASS);
}

TEST_F(PowerUpPlayerTest, ItSpendsWhatItHasWhenTheClockRunsLow) {
    TLevel& level = StartPlaying(FullBoard8());
    UnlockAll();
    Slot(3).FullMe();
    EXPECT_FALSE(player.plan(game, gesture));
    level.time = level.maxTime / 5;
    ASSERT_TRUE(player.plan(game, gesture));
    Play();
    EXPECT_EQ(used, std::vector<int>{POWERUP_DYNAMITE});
}

TEST_F(PowerUpPlayerTest, ToolsAimAtTheCellsThatHelpMost) {
    LevelSpec spec = FullBoard8();
    spec.tiles[2] = "11121111";  // one cyan level at (2, 3)
    spec.tiles[5] = "11111311";  // two at (5, 5)
    Load(spec);
    TPowerUpChoice hammer = BestUse(board, POWERUP_HAMMER);
    ASSERT_TRUE(hammer);
    EXPECT_EQ(hammer.cell, board.level->At(5, 5));
    EXPECT_EQ(hammer.worth, 8);
    // The block round (6, 6) holds (5, 5) and the cyan corner (7, 7).
    TPowerUpChoice pick = BestUse(board, POWERUP_PICKAXE);
    EXPECT_EQ(pick.cell, board.level->At(6, 6));
    EXPECT_EQ(pick.worth, 12);
    // A cross reaches two of the three cyan cells at most; (2, 5) is the first.
    TPowerUpChoice dyn = BestUse(board, POWERUP_DYNAMITE);
    EXPECT_EQ(dyn.cell, board.level->At(2, 5));
    EXPECT_EQ(dyn.worth, 12);
    EXPECT_TRUE(BestUse(board, POWERUP_BOMB));
    EXPECT_EQ(BestUse(board, POWERUP_BOMB).cell, nullptr);

    // The colour tool: the scroll chips when there are any, else the commonest kind.
    TPowerUpChoice colour = BestUse(board, POWERUP_COLOR);
    ASSERT_TRUE(colour.cell);
    EXPECT_EQ(colour.cell->chip->id, 5) << "E is the commonest kind of this board";
    spec.chips[3] = "BCDSABCD";
    Load(spec);
    colour = BestUse(board, POWERUP_COLOR);
    ASSERT_TRUE(colour.cell);
    EXPECT_EQ(colour.cell, board.level->At(3, 3));
}

TEST_F(PowerUpPlayerTest, WithoutSavingUpItSpendsTheOneFullPowerUpThatHelpsAtOnce) {
    // The casual player's way: one full slot while the others still charge.
    LevelSpec spec = FullBoard8();
    spec.tiles[0] = "33333333";
    StartPlaying(spec);
    UnlockAll();
    EXPECT_FALSE(player.spendOne(game, gesture)) << "nothing is full";
    Slot(2).FullMe();
    EXPECT_FALSE(player.plan(game, gesture)) << "saving up, the bar is not full";
    ASSERT_TRUE(player.spendOne(game, gesture));
    Play();
    EXPECT_EQ(used, std::vector<int>{POWERUP_PICKAXE});
}
