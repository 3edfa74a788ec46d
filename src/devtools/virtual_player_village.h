// The virtual player's hand in the village: it buys every offer of the row
// it can afford (the preview answered with "BUY") and plays the puzzles of
// the offers that need a blueprint, then researches what the
// village can pay for, then presses "continue" for the next level. It clicks
// through the platform's input queue like a person, and says once which
// screen it has come to.
#pragma once

#include <map>
#include <string>

#include "devtools/gesture.h"
#include "devtools/virtual_player_puzzle.h"

class TVillageHand {
public:
    // One decision after a presented frame; true while the village or one of
    // its dialogs is up (the board is not to be played then).
    bool frame();
    // Frames the player looks before each click.
    int lookFrames = 20;

    // The screen it sees now: "village", "building preview", "research",
    // "level summary", "lose dialog", "board" or "" (none of them).
    static std::string seenScreen();

private:
    Gesture gesture;
    TPuzzleHand puzzle;              // plays the puzzles of the offers
    std::map<int, int> puzzleTries;  // puzzle offers clicked, by puzzle number
    static constexpr int MAX_PUZZLE_TRIES = 3;
    int waited = 0;
    std::string lastSeen;

    void click(float x, float y);
    void clickRect(float x, float y, float w, float h);
    void answerPreview();
    void useResearch();
    void useVillage();
};
