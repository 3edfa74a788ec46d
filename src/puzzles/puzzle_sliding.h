// The sliding puzzle (type 4): the faded picture cut into a grid, one piece
// taken away and the rest shuffled by random slides; a click slides a piece
// next to the hole into it. Solved when every piece rests at home.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "frame/value_types.h"
#include "puzzles/puzzle_level.h"

class TLevelType4;

class TPuzzle4 : public TPuzzle {
public:
    int r = 0, c = 0;    // the cell it occupies
    int dr = 0, dc = 0;  // its home cell
    int ix = 0, iy = 0, iw = 0, ih = 0;
    int onPosition = 0;
    int x = 0, y = 0;
    float adx = 0, ady = 0;
    float startAdx = 0, startAdy = 0;
    float alpha = 0;
    float movePer = 0;  // 1 at the start of a slide, 0 at rest

    TLevelType4& owner() const;
    void COuntPosition();
    void drawOnPosition(float px, float py);
    void draw();
    // 1 when the mouse is over the piece at rest.
    int update();
};

class TLevelType4 : public TPuzzleLevel {
public:
    std::vector<std::shared_ptr<TPuzzle4>> puzzles;  // [r * cols + c]; one cell empty

    TLevelType4() { puzzleType = 4; }
    std::shared_ptr<TPuzzle4>& at(int row, int col) { return puzzles[static_cast<size_t>(row * cols + col)]; }
    int cellW() const { return pictureW() / cols; }
    int cellH() const { return pictureH() / rows; }
    bool inside(int row, int col) const { return row >= 0 && col >= 0 && row < rows && col < cols; }

    void _drawPuzzles();
    void _updatePuzzles();
    // The cell a piece would slide to (x column, y row), or none.
    std::optional<TDim> GetMoveDim(const TPuzzle4& p);
    // 1 above, 2 below, 3 left, 4 right: where the empty neighbour is; 0 none.
    int CanBeMoved(int row, int col);
    int isEmpty(int row, int col);
    // By value: the grid slot it comes from is emptied on the way.
    void PickPuzzle(std::shared_ptr<TPuzzle4> p);
    void CutImage() override;
    // A random piece next to cell (row, col).
    std::shared_ptr<TPuzzle4> GetRandomSide(int row, int col);
    std::shared_ptr<TPuzzle4> GetPuzzleByDims(int row, int col);
    void PutPuzzleTo(const std::shared_ptr<TPuzzle4>& p, int row, int col);

    void draw() override { _drawPuzzles(); }
    int update() override;
    void Begin() override;

    // The empty cell.
    int holeR = 0, holeC = 0;
};
