// The virtual player's hand on the puzzle screen. It solves each kind as a
// person would, from what the screen shows: the picture on each piece (which
// tells where it belongs), the symbols on tiles, and the faces of memory
// cards it has seen turned over (it remembers those, never a card it has
// not seen). It acts only by queuing mouse events.
#pragma once

#include <map>
#include <vector>

#include "devtools/gesture.h"

class TPuzzleLevel;
class TLevelType1;
class TLevelType2;
class TLevelType3;
class TLevelType4;
class TPuzzle3;

// The slides that bring a sliding puzzle home: the cells of the pieces to
// click, in order. `homes` holds, for each cell (row-major), the home cell
// index of the piece on it or -1 for the hole. Empty when solved or when no
// way was found within the search's budget.
std::vector<int> PlanSlides(const std::vector<int>& homes, int rows, int cols);

class TPuzzleHand {
public:
    // One decision after a presented frame; true while the puzzle screen
    // runs.
    bool frame();
    // Frames the player looks before each move.
    int lookFrames = 6;

private:
    Gesture gesture;
    int waited = 0;
    const TPuzzleLevel* seenLevel = nullptr;
    std::map<const TPuzzle3*, int> remembered;  // memory cards seen face up
    std::vector<int> slides;                    // the sliding plan, cell indices
    std::vector<int> expected;                  // the board the plan starts from

    void clickAt(float x, float y, float w, float h);
    void playSwap(TLevelType1& level);
    void playPairs(TLevelType2& level);
    void playMemory(TLevelType3& level);
    void playSliding(TLevelType4& level);
};

// --puzzle --autoplay: the hand plays the puzzle screen after every frame.
void StartPuzzlePlayer();
