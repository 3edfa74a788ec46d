// The player models of the virtual player (--player): how long each thinks
// before a move, how it picks the move, how often its swap bounces and how
// it uses the power-up bar. One table; docs/balance.md gives each figure's
// reason.
#pragma once

#include <string>
#include <vector>

#include "match3/board.h"

enum class TMoveChoice {
    Random,           // any legal move, as it catches the eye
    Likely,           // the longest line, the lower the better
    Best,             // the move worth the most toward the goals (MoveWorth)
    BestWithCascades  // the same, counting the lines the falling chips make (CascadeWorth)
};

enum class TPowerUpHabit {
    Never,       // does not look at the bar
    WhenHinted,  // spends a full power-up only once the hint would have shown since its last move
    Saving       // saves until the bar is full or the clock runs low, then spends well
};

struct TPlayerModel {
    const char* name;
    int thinkMinMs;
    int thinkMaxMs;
    TMoveChoice choice;
    int bounceOneIn;  // one swap in this many bounces (0: never)
    TPowerUpHabit powerUps;
    bool firesBombChips;  // clicks a bomb chip on the board that clears more than a swap
};

// The model of that name ("novice", "casual", "steady", "expert"), or null.
const TPlayerModel* FindPlayerModel(const std::string& name);

// The model's choice among the legal moves (none when there are none).
TMove PickMove(const TPlayerModel& model, const TBoard& board, const std::vector<TMove>& moves);
// What a move is worth to the model: the higher, the likelier it is picked.
int MoveWorthFor(const TPlayerModel& model, const TBoard& board, const TMove& move);
// A swap of two neighbouring chips that makes no line (it bounces), or none.
TMove PickBouncingSwap(const TBoard& board);
// The chips of the lines a swap makes.
int LineLength(const TBoard& board, const TMove& move);
