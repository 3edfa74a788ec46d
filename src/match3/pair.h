// One swap in progress: two neighbouring chips slide into each other's cell,
// exchange tiles and are checked for lines; without a line they slide back.
#pragma once

#include <memory>

#include "match3/chip.h"

class TBoard;

class TM3Pair {
public:
    std::shared_ptr<TChip> chip1, chip2;  // chip1 came from the tile picked first
    int vx1 = 0, vy1 = 0;                 // chip1's direction in cells (column, row)
    int vx2 = 0, vy2 = 0;
    float p = 0;        // progress of the current slide, 0..1
    int byloCheck = 0;  // match checks done: 0, 1 or 2
    TBoard* board = nullptr;

    virtual ~TM3Pair() = default;

    // One frame: slide on; at the end, exchange the tiles and check.
    virtual void update();
    virtual void Swap();
    virtual void Reverse();
    virtual float GetXVector(const TChip* chip) const;
    virtual float GetYVector(const TChip* chip) const;
    virtual void CountVectors();
    virtual void MatchByPowerUp();
    virtual void CheckMatch();
    // Clears both chips' pair and takes the pair off the board's list.
    virtual void Destroy();
};
