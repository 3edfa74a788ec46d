// Hints and shuffling on the match-3 screen. When the player has been idle
// on a calm board for 5 seconds, the first possible move from the top-left
// rocks its two chips; a calm board without any move is thrown off and dealt
// anew after 2 seconds.
//
// The screen keeps the state (hint, tempHint, hintTime, shuffleTime) and
// calls these steps at its places in the frame (main_game_later.cpp).
#pragma once

#include <memory>

class TBoard;
class TMainGame;
class TTile;

// A possible move: the two cells whose chips would be swapped. While shown
// it fades in, pulses and keeps both chips rocking.
class THint {
public:
    TTile* tile1 = nullptr;
    TTile* tile2 = nullptr;
    float a = 0, da = 1;  // fade and its target
    float p = 0, dp = 0;  // pulse 0..1 and its target

    THint(TTile* first, TTile* second) : tile1(first), tile2(second) {}
    virtual ~THint() = default;

    // Runs update, then leaves the drawing state for the hint (white, alpha a);
    // the rocking chips are the hint's only picture.
    virtual void draw();
    virtual void update();
    // Both cells stop their chips' rocking.
    virtual void HideMyShakes();
    // Faded out completely (after a click): the screen drops it.
    bool isGone() const { return a == 0 && da == 0; }
};

namespace Hints {

// How long a calm board waits untouched before the hint shows.
constexpr int HINT_DELAY_MS = 5000;

// The swap (r1, c1) <-> (r2, c2) as a hint when it would form a line; null
// off the board, with a chest or chain on either cell, or without a line.
std::shared_ptr<THint> FindHint_Move(const TBoard& board, int r1, int c1, int r2, int c2);
// The first possible move, rows from the top, columns from the left, and for
// each cell up, down, left, right; null when the board has none.
std::shared_ptr<THint> FindHint(const TBoard& board);

// The screen's steps.
void ResetHint(TMainGame& game);        // a hint is looked for 5 s from now
void _updateHint(TMainGame& game);      // shows the hint once the time has come
void _drawHint(TMainGame& game);        // runs and draws the shown hint, drops it once faded
void FadeHintOnClick(TMainGame& game);  // a left click fades the shown hint out
void HideHint(TMainGame& game);         // a swap started: both hints are dropped at once
// Chips move: both hints stop their chips and go; so does the rocking of
// hints gone before.
void DropHintsOnMotion(TMainGame& game);
void CHECK_MOVES(TMainGame& game);            // once per calm period: no move at all -> Shuffle
void Shuffle(TMainGame& game);                // throws every chip off, state 10 for 2 s
void _update_STATE_Shuffle(TMainGame& game);  // deals new chips once the pause is over

}  // namespace Hints
