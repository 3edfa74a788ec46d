// The swap puzzle (type 1): the faded picture cut into a grid of pieces that
// start point-mirrored; two clicks swap two pieces, and a piece that reaches
// its own cell locks in colour with a sparkle. Solved when every piece is home.
#pragma once

#include <memory>
#include <vector>

#include "puzzles/puzzle_level.h"

class TLevelType1;
class TPuzzle1Pair;

class TPuzzle1 : public TPuzzle {
public:
    TPuzzle1Pair* _pair = nullptr;  // the swap moving it, or null
    int r = 0, c = 0;               // the cell it occupies
    int dr = 0, dc = 0;             // its home cell
    int ix = 0, iy = 0, iw = 0, ih = 0;
    int onPosition = 0;  // 1 once home; never reset
    int x = 0, y = 0;    // screen position of its cell
    float pickA = 0, dPickA = 0;
    int time = 0;  // clock time at which it starts to fade in
    float alpha = 0;

    TLevelType1& owner() const;
    void drawOnPosition(float px, float py);
    void drawOnPositionPicked(float px, float py);
    void drawColored();
    void draw();
    void drawFrame();
    // 1 when the mouse is over a piece that is not home.
    int update();
    // Locks the piece when it stands in its home cell (sound, and sparkles
    // when asked); 1 when it does.
    int CheckIfOnPosition(int sparkles);
};

class TPuzzle1Pair {
public:
    TLevelType1* level = nullptr;
    std::shared_ptr<TPuzzle1> p1, p2;
    int rFor1 = 0, cFor1 = 0, rFOr2 = 0, cFor2 = 0;
    float per = 0, shadow = 0;
    int bylo = 0;
    float x[2] = {}, y[2] = {}, x1[2] = {}, y1[2] = {}, x2[2] = {}, y2[2] = {}, mx[2] = {}, my[2] = {};

    void draw();
    void update();
    void destroy();
};

class TLevelType1 : public TPuzzleLevel {
public:
    std::vector<std::shared_ptr<TPuzzle1>> puzzles;  // rows x cols, [r * cols + c]
    std::shared_ptr<TPuzzle1Pair> pair;

    TLevelType1() { puzzleType = 1; }
    std::shared_ptr<TPuzzle1>& at(int row, int col) { return puzzles[static_cast<size_t>(row * cols + col)]; }
    int cellW() const { return pictureW() / cols; }
    int cellH() const { return pictureH() / rows; }

    void _drawPuzzles();
    void _drawPair();
    void _updatePuzzles();
    void _updatePair();
    void SwapPuzzles(const std::shared_ptr<TPuzzle1>& a, const std::shared_ptr<TPuzzle1>& b);
    void PickPuzzle(const std::shared_ptr<TPuzzle1>& p);
    void CutImage() override;
    void PutPuzzleTo(const std::shared_ptr<TPuzzle1>& p, int row, int col);

    void draw() override { _drawPuzzles(); }
    void drawMoving() override { _drawPair(); }
    int update() override;
    void Begin() override;
    int isBeginFinished() override;
};
