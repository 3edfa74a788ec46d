// A match-3 screen on the headless platform: a level from a board drawn as
// text, frames run one by one, mouse and key input queued like a person's.
#pragma once

#include "m3_fixture.h"
#include "match3/main_game.h"

class MainGameTest : public Match3Test {
protected:
    TMainGame game;
    int optionsOpened = 0;

    void SetUp() override;
    void TearDown() override;

    // The cell (r, c) of the screen's board.
    TTile* T(int r, int c) const { return game.level()->At(r, c); }

    // Hands the level over and starts it as the main loop does (without
    // saving), in the board-appearing state.
    TLevel& Start(const LevelSpec& spec);
    // Starts the level and runs frames until the board has appeared.
    TLevel& StartPlaying(const LevelSpec& spec);
    // One frame of the screen (update, draw, present: the clock moves on
    // 1000/60 ms) and the main loop's work after it.
    void Frame(int frames = 1);
    // Input, taking effect at the next frame.
    void MoveMouse(float x, float y);
    void Button(bool down);
    void Key(int code);
    // Presses on the cell's centre, moves by (dx, dy) and releases.
    void Drag(const TTile* t, int dx, int dy);
    void Click(const TTile* t);
};

// A 5 x 5 board of plain tiles without a line and without creators, with
// one move (0, 2) <-> (1, 2): no cyan, no scroll.
LevelSpec QuietBoard();
// The same with one cyan tile at (4, 4): the level goes on.
LevelSpec BoardWithGoal();
