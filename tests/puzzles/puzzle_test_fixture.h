// Shared set-up of the puzzle tests: a headless platform, the fixed clock,
// pictures made of distinct coloured cells, the mouse set by hand and the
// sounds played.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "puzzles/puzzle_level.h"
#include "support/headless_platform.h"

class PuzzleTest : public HeadlessPlatformTest {
protected:
    std::vector<std::string> sounds;

    void SetUp() override;
    void TearDown() override;

    // A w x h picture whose every (cellW x cellH) cell has its own colour:
    // red grows with the column, green with the row, blue is `blue`.
    static Image CellPicture(int w, int h, int cellW, int cellH, int blue);
    // A level of `type` over a 120 x 60 picture (or w x h) cut rows x cols.
    static std::shared_ptr<TPuzzleLevel> Make(int type, int rows, int cols, int w = 120, int h = 60);
    // The colour the cell picture has at a picture point.
    static Rgb CellColour(int px, int py, int cellW, int cellH, int blue);

    // The mouse as a frame leaves it: position and the clicks of this frame.
    static void Mouse(float x, float y, bool click = false);
    // Moves the clock on by one frame at 60 frames per second (frame delta 1).
    static void Tick(int frames = 1);
    // The level's update, `frames` times, each after a tick; returns the last result.
    static int Run(TPuzzleLevel& level, int frames = 1);
    int count(const std::string& sound) const;
};
