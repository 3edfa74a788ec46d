// Checks of a level's design: does the board fit on the match-3 screen, and
// can every cell be refilled and every scroll chip be brought out.
#include <cstdio>
#include <string>
#include <vector>

#include "match3/level.h"

namespace {

struct Rect {
    int x1, y1, x2, y2;  // left, top, right, bottom (exclusive)
    bool overlaps(const Rect& o) const { return x1 < o.x2 && o.x1 < x2 && y1 < o.y2 && o.y1 < y2; }
};

// What the match-3 screen draws around the board (its set-up and drawing):
// the four resource panels with their counters at x 50 ... 350 (the counter
// picture, 104 x 60, lies 14 px left of and 50 px below the panel at y 5),
// the time bar's frame (532 x 70 at 484, 0) and the power-up bar, whose
// highest plank lies 5 px below (142, 661) and whose frames reach x 781.
constexpr Rect RESOURCE_PANELS{36, 0, 440, 115};
constexpr Rect TIME_BAR{484, 0, 1016, 70};
constexpr Rect POWERUP_BAR{16, 666, 781, 768};
constexpr Rect PLAY_AREA{0, 0, 1024, 768};
// The board is centred on (512, 376); its frame reaches 17 px beyond the cells.
constexpr int BOARD_CX = 512, BOARD_CY = 376, FRAME = 17;

std::string Cell(int r, int c) { return "row " + std::to_string(r) + ", column " + std::to_string(c); }

void Report(const std::string& text) { std::printf("%s%s\n", LEVEL_MESSAGE_PREFIX, text.c_str()); }

}  // namespace

bool LevelBoardFits(int rows, int cols) {
    if (rows < 1 || cols < 1 || rows > 100 || cols > 100) return false;
    const int halfW = cols * 24 + FRAME, halfH = rows * 24 + FRAME;
    const Rect board{BOARD_CX - halfW, BOARD_CY - halfH, BOARD_CX + halfW, BOARD_CY + halfH};
    if (board.x1 < PLAY_AREA.x1 || board.y1 < PLAY_AREA.y1 || board.x2 > PLAY_AREA.x2 ||
        board.y2 > PLAY_AREA.y2)
        return false;
    return !board.overlaps(RESOURCE_PANELS) && !board.overlaps(TIME_BAR) && !board.overlaps(POWERUP_BAR);
}

std::vector<std::pair<int, int>> TLevel::UnfedCells() const {
    // Chips come from creators and move down only: straight down into a tile,
    // or diagonally into a cell whose column is closed above by a hole. Chains
    // and chests go away in play, so only holes count as walls here.
    std::vector<char> fed(tile.size(), 0);
    auto isFed = [&](int r, int c) {
        const TTile* t = At(r, c);
        return t && t->id != 0 && fed[static_cast<size_t>(r * cols + c)];
    };
    auto closedAbove = [&](int r, int c) {  // walking up column c from row r meets a hole
        for (int rr = r; rr >= 0; rr--)
            if (At(rr, c)->id == 0) return true;
        return false;
    };
    std::vector<std::pair<int, int>> unfed;
    for (int r = 0; r < rows; r++) {
        for (int c = 0; c < cols; c++) {
            const TTile* t = At(r, c);
            if (t->id == 0) continue;
            bool f = t->isCreator || isFed(r - 1, c);
            for (int dc : {-1, 1})
                if (!f && isFed(r - 1, c + dc) && closedAbove(r - 1, c)) f = true;
            fed[static_cast<size_t>(r * cols + c)] = f;
            if (!f) unfed.emplace_back(r, c);
        }
    }
    return unfed;
}

void TLevel::_reportDesignFaults() const {
    for (auto& t : tile)
        if (t->chip && t->chip->isSpecialChip() && t->chain != 0)
            Report("the scroll chip at " + Cell(t->r, t->c) +
                   " is chained; nothing breaks a scroll chip's chain, so it can never come down");
    // One message per column, naming the rows no chip can reach.
    const auto unfed = UnfedCells();
    for (int c = 0; c < cols; c++) {
        std::string list;
        for (auto& [r, cc] : unfed)
            if (cc == c) list += (list.empty() ? "" : ", ") + std::to_string(r);
        if (!list.empty())
            Report("no creator feeds column " + std::to_string(c) + " at rows " + list +
                   "; a cell emptied there stays empty");
    }
}
