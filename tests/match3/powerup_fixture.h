// The match-3 screen with the power-up bar in play: the game's own six
// slots (no profile), charging through the board, a known table of needed
// charges, and clicks on the bar.
#pragma once

#include <string>
#include <vector>

#include "main_game_fixture.h"
#include "match3/powerup.h"
#include "match3/powerup_bar.h"

class PowerUpGameTest : public MainGameTest {
protected:
    std::vector<int> used;  // slots whose charge was spent, in order

    void SetUp() override;
    void TearDown() override;

    TPowerUp& Slot(int s) const { return *PowerUps::GetPowerUp(s); }
    // Unlocks the slot at once (no planks) and fills it.
    void Ready(int s);
    // Moves to the slot's centre and clicks it (press and release, two frames).
    void ClickSlot(int s);
    void RightClick();
    // Runs frames until the board is calm and the screen plays (at most max).
    bool RunUntilCalmGame(int maxFrames = 600);
};

// An 8 x 8 board of plain tiles full of chips, without lines and without
// any move (a cyclic pattern of eight kinds is not available, so five kinds
// with shifted rows), one cyan tile so that the level goes on.
LevelSpec FullBoard8();
// A 5 x 5 board without any possible move: every row and every column holds
// five different kinds.
LevelSpec NoMoveBoard();
