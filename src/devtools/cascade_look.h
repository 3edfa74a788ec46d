// A good player's look past its swap: the lines that form when the chips
// it clears let the chips above them fall. It sees only the chips on the
// board; the chips that will fall in from above are unknown to it, and a
// chip under a chain or a chest stays put and holds up the chips above it.
#pragma once

#include "match3/board.h"

// What the lines after the swap's own lines are worth: one for each chip
// they clear plus the worth of its cell toward the goals (CellWorth); 0
// when the fall makes no new line.
int CascadeWorth(const TBoard& board, const TMove& move);
