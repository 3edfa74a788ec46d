// --level-sheet: every level file of a folder drawn as its board starts
// (tiles, chips, chains, chests, scrolls, holes, creators marked), small, ten
// to a row in the order of their numbers, each with its number under it: one
// picture to look the whole quest over for variety.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

constexpr int SHEET_COLUMNS = 10;
// Small cells keep the sheet near 1100 x 1030 for a hundred levels (a picture
// the repository holds, redrawn as the levels change): a 10 x 10 board is
// about 80 pixels square, enough to tell its shape and gem colours.
constexpr int SHEET_CELL_W = 110;
constexpr int SHEET_CELL_H = 103;
constexpr int SHEET_LABEL_H = 16;     // the number's strip at the bottom of a cell
constexpr int SHEET_MAX_LEVEL = 200;  // higher numbers are left off the sheet
// The sheet's background, left as it is in cells without a level and in holes.
constexpr std::uint8_t SHEET_BACK[3] = {34, 38, 46};

// The files "level-N.txt" of a folder (names in any letter case), by number N.
std::vector<std::pair<int, std::string>> ListLevelFiles(const std::string& dir);

// The top-left corner of level n's cell on the sheet (n counted from 1).
void SheetCellOrigin(int n, int& x, int& y);

// Where a board picture of w x h pixels (the board with its frame, at full
// size) lands in its cell: its place relative to the cell's corner, its size
// on the sheet and the scale. Boards up to 10 x 10 share one scale, so their
// sizes compare; larger ones shrink further to fit.
struct SheetPlacement {
    int x = 0, y = 0, w = 0, h = 0;
    float scale = 1;
};
SheetPlacement PlaceBoardInCell(int w, int h);

// Draws the sheet of these files with the game's own board pictures (the
// chip catalogue, tile and frame pictures must be loaded, and the renderer
// must draw pixels). A file that holds no playable level gets its number in
// red over an empty cell.
Pixmap DrawLevelSheet(const std::vector<std::pair<int, std::string>>& files);

// Draws the sheet of `dir` and writes it to `out`; the exit status (1 when
// the folder holds no level file or the picture could not be written).
int RunLevelSheet(const std::string& out, const std::string& dir);
