// The board in play: a level with its running swaps and the selected cell.
// The game screen drives it once per frame (update, then draw) and asks it
// questions; tests and the virtual player use the same calls without a
// screen. Drawing only reads the state the rules leave behind.
#pragma once

#include <functional>
#include <list>
#include <memory>

#include "frame/safe_list.h"
#include "match3/board_rules.h"
#include "match3/pair.h"

// A swap that would form a line.
struct TMove {
    TTile* tile1 = nullptr;
    TTile* tile2 = nullptr;
    explicit operator bool() const { return tile1 != nullptr; }
};

// Board frame pictures: four sides, four outer and four inner corners.
struct TBoardFrameImages {
    Image side[4];   // left, up, right, down
    Image outer[4];  // left-up, right-up, right-down, left-down
    Image inner[4];  // left-up, right-up, right-down, left-down
};
extern TBoardFrameImages boardFrameImages;
// Loads the twelve frame pictures with their handles.
void LoadBoardFrameImages();

class TBoard {
public:
    std::shared_ptr<TLevel> level;
    SafeList<TM3Pair> pairsList;  // the swaps in progress
    TTile* picked = nullptr;      // the cell the player selected
    float pickPer = 0, dPickPer = 0;
    TTile* over = nullptr;   // the cell under the mouse this frame
    int nothingHappens = 1;  // this frame: no chip moves, appears or is destroyed
    // Called when a swap starts (the screen hides its hint and restarts its timer).
    std::function<void()> onSwapStarted;

    virtual ~TBoard() = default;

    // Makes the level current; drops swaps and the selection of the previous one.
    virtual void SetLevel(const std::shared_ptr<TLevel>& newLevel);

    // Starts a swap of the chips of a and b when both may move; 1 when started.
    virtual int SwapTiles(TTile* a, TTile* b);
    void RemovePair(TM3Pair* pair);
    // Ends every swap in progress; their chips stay where they are.
    void DropPairs();

    // The steps of one frame, in the order the screen runs them.
    virtual void _updateTiles();  // tile updates, the cell under the mouse, calm test
    virtual void _updateChipsFall();
    virtual void _updateChipsCreation();
    virtual void _updatePicked();
    virtual void _updatePairs();
    virtual void _updateBlask();  // a shine wave across the board every 4 seconds
    // One playing frame of the board: the steps above, then the flying chips.
    // (The screen may run the steps one by one to interleave its own.)
    virtual void update();

    // The board: tiles, frame (at alpha frameA), chips, chests and chains,
    // then the opened chest lids.
    virtual void draw(float frameA = 1);
    virtual void _drawFrame(float frameA);

    // Queries.
    bool isCalm() const;                         // no chip moves and no swap runs
    bool isWon() const;                          // no cyan tile and no scroll chip left
    TTile* TileAtPoint(float x, float y) const;  // the cell whose 48 x 48 square holds the point
    TTile* GetTileByVector(const TTile* t, int dr, int dc) const;
    static int TilesAreNeighbors(const TTile* a, const TTile* b);
    bool CanSwap(const TTile* a, const TTile* b) const;  // SwapTiles would start
    // Removes every line lying among resting chips (a calm board holds none);
    // the number of lines removed.
    int RemoveRestingLines();
    // The swap (r1, c1) <-> (r2, c2) tested without moving anything: it must
    // form a new line (two equal chips never do).
    TMove FindHint_Move(int r1, int c1, int r2, int c2) const;
    // The first valid move from the top-left (up, down, left, right per cell).
    TMove FindAnyMove() const;

    // Board frame tests: a cell is empty off the board or without tile.
    int isTileEmpty(int r, int c) const;
    int isNotTileEmpty(int r, int c) const { return !isTileEmpty(r, c); }
    int isTileInnerFrame_LeftUp(int r, int c) const;
    int isTileInnerFrame_RightUp(int r, int c) const;
    int isTileInnerFrame_LeftDown(int r, int c) const;
    int isTileInnerFrame_RightDown(int r, int c) const;

private:
    void _drawFrameParts(const TTile& t);
};
