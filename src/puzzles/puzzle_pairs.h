// The pair puzzle (type 2): tiles with symbols cover the picture, every
// symbol on exactly two tiles; clicking two equal tiles makes both jump off
// and fall away. Solved when the last tile has fallen out of sight.
#pragma once

#include <memory>

#include "frame/safe_list.h"
#include "puzzles/puzzle_level.h"

class TLevelType2;

// A tile or card flying in from a corner of the screen to its cell.
struct TFlyIn {
    float myX = 0, myY = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
    float per = 0;  // eased progress
    float pp = 0;   // progress 0..1
    int goingStart = 0;
    int time = 0;  // clock time at which it starts
    int byloSound = 0;

    // Starts after `delay` ms toward (toX, toY) from a random corner.
    void start(int delay, float toX, float toY);
    // One frame once its time has come; false before.
    bool step();
};

class TPuzzle2 : public TPuzzle {
public:
    int r = 0, c = 0;
    float ix = 0, iy = 0, iw = 0, ih = 0;
    float x = 0, y = 0;
    int chipN = 0;
    TFlyIn fly;
    float pickA = 0, dPickA = 0;
    int goingDown = 0;
    float adX = 0, adY = 0;
    SafeList<TPuzzle2>::Handle node;

    TLevelType2& owner() const;
    void drawStart();
    void draw();
    void draw2();  // only while falling
    void updateDown();
    void updateStart();
    // 1 when the mouse is over the tile lying on the board.
    int update();
    void DeleteMe();
    void CountPosition();
    void Destroy();
    void Begin(int delay);

private:
    void drawTile(float px, float py, bool highlight);
};

class TLevelType2 : public TPuzzleLevel {
public:
    SafeList<TPuzzle2> puzzles;

    TLevelType2() { puzzleType = 2; }
    float cellW() const { return static_cast<float>(pictureW()) / static_cast<float>(cols); }
    float cellH() const { return static_cast<float>(pictureH()) / static_cast<float>(rows); }

    void _drawPuzzles();
    void _updatePuzzles();
    void PickPuzzle(const std::shared_ptr<TPuzzle2>& p);
    void DeleteChips(const std::shared_ptr<TPuzzle2>& a, const std::shared_ptr<TPuzzle2>& b);
    void CutImage() override;

    void draw() override { _drawPuzzles(); }
    void drawMoving() override;
    int update() override;
    void Begin() override;
    int isBeginFinished() override;
};

// Deals the symbols of `count` tiles or cards: the k-th gets k / 2, then 250
// exchanges between random positions.
std::vector<int> DealPairSymbols(int count);
