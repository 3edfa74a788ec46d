// The level sheet: the files it takes, and what it draws where.
#include <gtest/gtest.h>

#include "devtools/level_check.h"
#include "devtools/level_sheet.h"
#include "match3/board.h"
#include "match3/chip.h"
#include "match3/tile.h"
#include "support/headless_platform.h"

namespace {

const std::string kLevels = "tests/e2e/data/sheet-levels";

struct Counts {
    int back = 0, other = 0, green = 0, light = 0, red = 0;
};

// What the rectangle of the sheet holds, by kind of pixel.
Counts Look(const Pixmap& sheet, int x, int y, int w, int h) {
    Counts n;
    for (int yy = y; yy < y + h; yy++) {
        for (int xx = x; xx < x + w; xx++) {
            const std::uint8_t* p = &sheet.rgba[(static_cast<size_t>(yy) * sheet.w + xx) * 4];
            const int r = p[0], g = p[1], b = p[2];
            if (r == SHEET_BACK[0] && g == SHEET_BACK[1] && b == SHEET_BACK[2]) n.back++;
            else n.other++;
            if (g > r + 70 && g > b + 70) n.green++;
            if (r > 200 && g > 190 && b > 180) n.light++;
            if (r > 180 && g < 120 && b < 120) n.red++;
        }
    }
    return n;
}

class LevelSheet : public HeadlessPlatformTest {
protected:
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        LoadChipCatalogue();
        LoadTileImages();
        LoadBoardFrameImages();
    }
    void TearDown() override {
        chipCatalogue.clear();
        HeadlessPlatformTest::TearDown();
    }
};

}  // namespace

TEST(LevelSheetFiles, OnlyNumberedLevelFilesInTheOrderOfTheirNumbers) {
    const auto files = ListLevelFiles(kLevels);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].first, 1);
    EXPECT_EQ(files[1].first, 3);
    EXPECT_EQ(files[2].first, 12);  // after 3, though "level-12" sorts before "level-3"
    EXPECT_EQ(files[2].second, kLevels + "/level-12.txt");
    EXPECT_TRUE(ListLevelFiles("tests/e2e/data").empty());  // other names, folders
    EXPECT_TRUE(ListLevelFiles("tests/e2e/data/no-such-folder").empty());
}

TEST(LevelSheetFiles, TenCellsARowByNumber) {
    int x = 0, y = 0;
    SheetCellOrigin(1, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    SheetCellOrigin(10, x, y);
    EXPECT_EQ(x, 9 * SHEET_CELL_W);
    EXPECT_EQ(y, 0);
    SheetCellOrigin(12, x, y);
    EXPECT_EQ(x, SHEET_CELL_W);
    EXPECT_EQ(y, SHEET_CELL_H);
}

TEST_F(LevelSheet, BoardsInTheirCellsEmptyCellsStayBackground) {
    const Pixmap sheet = DrawLevelSheet(ListLevelFiles(kLevels));
    ASSERT_EQ(sheet.w, SHEET_COLUMNS * SHEET_CELL_W);
    ASSERT_EQ(sheet.h, 2 * SHEET_CELL_H);  // up to level 12: two rows
    const int boardH = SHEET_CELL_H - SHEET_LABEL_H;
    int x = 0, y = 0;
    // Level 1 (6 x 6, no chips): its board fills the middle of the cell, its
    // creators are marked green along its top, its number is light.
    SheetCellOrigin(1, x, y);
    const SheetPlacement one = PlaceBoardInCell(6 * 48 + 34, 6 * 48 + 34);
    EXPECT_EQ(Look(sheet, x + one.x + one.w / 2 - 10, y + one.y + one.h / 2 - 10, 20, 20).back, 0);
    EXPECT_GT(Look(sheet, x + one.x, y + one.y, one.w, one.h / 4).green, 6);
    EXPECT_EQ(Look(sheet, x + one.x, y + one.y + one.h / 4, one.w, one.h * 3 / 4).green, 0);
    EXPECT_GT(Look(sheet, x, y + boardH, SHEET_CELL_W, SHEET_LABEL_H).light, 4);  // a small "1"
    // Level 2 does not exist: background throughout, no number.
    SheetCellOrigin(2, x, y);
    EXPECT_EQ(Look(sheet, x, y, SHEET_CELL_W, SHEET_CELL_H).other, 0);
    // Level 3 (7 x 9): a board whose holes show the background: its corner
    // cell and the column of two holes in the middle.
    SheetCellOrigin(3, x, y);
    const SheetPlacement three = PlaceBoardInCell(9 * 48 + 34, 7 * 48 + 34);
    EXPECT_GT(Look(sheet, x + three.x, y + three.y, three.w, three.h).other, three.w * three.h / 2);
    const auto at = [&](int px) { return static_cast<int>(static_cast<float>(px) * three.scale); };
    EXPECT_EQ(Look(sheet, x + three.x + 1, y + three.y + 1, at(36), at(36)).other, 0);
    // The middle of the hole column: at this size the hole's own edge pieces
    // leave a pixel or two of background between them.
    const int holeX = x + three.x + at(17 + 4 * 48 + 24), holeY = y + three.y + at(17 + 3 * 48);
    EXPECT_EQ(Look(sheet, holeX, holeY, 1, 1).other, 0);
    EXPECT_EQ(
        Look(sheet, x + three.x + at(17 + 2 * 48 + 24) - 1, y + three.y + at(17 + 3 * 48) - 1, 2, 2).back, 0);
    // Level 12 holds no board: an empty cell with its number in red.
    SheetCellOrigin(12, x, y);
    EXPECT_EQ(Look(sheet, x, y, SHEET_CELL_W, boardH).other, 0);
    EXPECT_GT(Look(sheet, x, y + boardH, SHEET_CELL_W, SHEET_LABEL_H).red, 10);
    // Cells after the last level stay background.
    SheetCellOrigin(20, x, y);
    EXPECT_EQ(Look(sheet, x, y, SHEET_CELL_W, SHEET_CELL_H).other, 0);
}

TEST(LevelRunOutput, ResultAndClockOfARun) {
    const LevelRunResult won =
        ParseLevelRunOutput("where = 2\nlevel result = 102\nlevel clock left = 37 of 120 s\n");
    EXPECT_TRUE(won.finished);
    EXPECT_TRUE(won.won);
    EXPECT_EQ(won.clockLeft, 37);
    const LevelRunResult lost = ParseLevelRunOutput("level result = 105\nlevel clock left = 0 of 120 s\n");
    EXPECT_TRUE(lost.finished);
    EXPECT_FALSE(lost.won);
    // A run that died before its result, or printed no clock, did not finish.
    EXPECT_FALSE(ParseLevelRunOutput("where = 2\n").finished);
    EXPECT_FALSE(ParseLevelRunOutput("level result = 102\n").finished);
}
