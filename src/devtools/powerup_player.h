// The virtual player's use of the power-up bar. Like a thoughtful person it
// saves its charges until the bar is full (further charges would be lost)
// or the clock runs low, then spends every full power-up that helps: the
// hammer, pickaxe and dynamite where they hit the most cyan tiles, chains,
// chests and cells under scroll chips, the bomb, the colour tool on the
// scroll chips or else on the most frequent kind, and the hourglass last
// (the bar rests while it runs). It acts only by queuing clicks.
#pragma once

#include <deque>
#include <string>

#include "devtools/gesture.h"
#include "platform/platform.h"

class TBoard;
class TMainGame;
class TTile;

// What one cell is worth to a player who wants to win when its chip is
// destroyed there: cyan levels, a chain, its chest and the chests beside
// it, scroll chips above it (the nearer, the more).
int CellWorth(const TBoard& board, const TTile& cell);

// A power-up to use now: the slot and, for an aimed tool, the cell.
struct TPowerUpChoice {
    int slot = -1;
    const TTile* cell = nullptr;
    int worth = 0;
    explicit operator bool() const { return slot >= 0; }
};
// The best cell for an aimed tool (0 hammer, 2 pickaxe, 3 dynamite, 5 colour)
// with its worth; the bomb and the hourglass need none.
TPowerUpChoice BestUse(const TBoard& board, int slot);

class TPowerUpPlayer {
public:
    // On a calm board in plain play: queues the clicks of a power-up use
    // and returns true, or returns false when saving is wiser.
    bool plan(const TMainGame& game, Gesture& gesture);
    // Queues the clicks of the first full power-up, in charging order, that
    // helps on this board, without saving up; false when none does.
    bool spendOne(const TMainGame& game, Gesture& gesture) const;
    // After every frame: prints "board shuffled" when the game starts a
    // shuffle and, once the level is won, the counts of the power-ups used
    // ("power-ups used: hammer 2, hourglass 1, ...").
    void watch(const TMainGame& game);
    // Counts and prints ("power-up used: hammer") every charge the game
    // spends, from now until this player is gone.
    void listen();
    ~TPowerUpPlayer();

    int uses[6] = {0, 0, 0, 0, 0, 0};

private:
    bool spending = false;
    int lastState = -1;
    bool reported = false;
};
