// Shared set-up of the match-3 tests: a headless platform with a fixed-step
// clock, a small chip catalogue, recorded sounds and charges, and boards
// written as small level files.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "match3/board.h"
#include "support/headless_platform.h"

// Chip ids of the test catalogue: 1..4 resource chips (wood, food, gold,
// rock), 5..6 plain chips, 101 the bomb chip, 201 a scroll chip.
void InstallTestCatalogue();

// A level file for a board drawn as text. Each grid has one string per row:
// tiles  '.' hole, '1' plain, '2' and '3' cyan;
// chips  '.' empty, 'A'..'F' ids 1..6, 'X' 101 (bomb), 'S' 201 (scroll), 'Z' 99 (unknown);
// chains '0'..'2' and chests '0'/'1' (empty strings: none).
struct LevelSpec {
    std::vector<std::string> tiles;
    std::vector<std::string> chips;
    std::vector<std::string> chains;
    std::vector<std::string> chests;
    std::vector<std::pair<int, int>> creators;
    std::string available = "1 2 3 4 5 6";
    std::string extraData;  // more lines inside "data { }"
};
std::string LevelText(const LevelSpec& spec);

// True when three equal letters stand in a row or a column of a grid of letters ('.' is no chip):
// a move search of its own, to check the game's against.
bool GridHasLine(const std::vector<std::string>& grid);

class Match3Test : public ::testing::Test {
protected:
    TBoard board;
    std::vector<std::string> sounds;
    std::map<int, int> charges;  // power-up slot -> charges received
    int collectingSlot = -1;

    void SetUp() override;
    void TearDown() override;

    // Loads the level into the board.
    TLevel& Load(const LevelSpec& spec);
    TTile* T(int r, int c) const { return board.level->At(r, c); }
    int ChipId(int r, int c) const;
    // One frame: the board's update, then the clock moves on 1000/60 ms.
    void Step(int frames = 1);
    // Steps until the board is calm (at most maxFrames); false when it never was.
    bool RunUntilCalm(int maxFrames = 600);
    int CountSound(const std::string& name) const;
    // The board's chip ids as rows of 'A'.. letters ('.' empty), as in LevelSpec.
    std::vector<std::string> ChipRows() const;
};
