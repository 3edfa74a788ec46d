#include "devtools/cascade_look.h"

#include <utility>
#include <vector>

#include "devtools/powerup_player.h"

namespace {

// A cell of the picture: its chip's kind, or one of these.
constexpr int kHole = -1;     // no cell: chips neither lie nor fall there
constexpr int kEmpty = 0;     // a cell whose next chip is still unknown
constexpr int kNoMatch = -2;  // a scroll or a bomb chip: falls, makes no line
constexpr int kRounds = 4;    // the falls a player follows in its head

struct Picture {
    int rows = 0, cols = 0;
    std::vector<int> kind;
    std::vector<bool> fixed;  // under a chain or a chest: stays put, makes no line
    int& at(int r, int c) { return kind[r * cols + c]; }
};

Picture Look(const TBoard& board) {
    Picture p;
    p.rows = board.level->rows;
    p.cols = board.level->cols;
    for (int r = 0; r < p.rows; r++)
        for (int c = 0; c < p.cols; c++) {
            const TTile* t = board.level->At(r, c);
            int kind = kEmpty;
            if (!t || t->id == 0) kind = kHole;
            else if (t->chip)
                kind = t->chip->isSpecialChip() || t->chip->isPowerUp() ? kNoMatch : t->chip->id;
            p.kind.push_back(kind);
            p.fixed.push_back(t && (t->chain || t->chest));
        }
    return p;
}

bool Matches(Picture& p, int r, int c, int kind) {
    return kind > 0 && !p.fixed[r * p.cols + c] && p.at(r, c) == kind;
}

// The cells of every line of three or more.
std::vector<bool> Lines(Picture& p) {
    std::vector<bool> in(p.kind.size(), false);
    for (int r = 0; r < p.rows; r++)
        for (int c = 0; c < p.cols; c++) {
            const int kind = p.at(r, c);
            if (!Matches(p, r, c, kind)) continue;
            for (const auto& [dr, dc] : {std::pair{0, 1}, std::pair{1, 0}}) {
                int n = 1;
                while (r + n * dr < p.rows && c + n * dc < p.cols && Matches(p, r + n * dr, c + n * dc, kind))
                    n++;
                if (n < 3) continue;
                for (int k = 0; k < n; k++) in[(r + k * dr) * p.cols + c + k * dc] = true;
            }
        }
    return in;
}

// Chips fall straight down into the cleared cells, held up by holes and fixed chips.
void Fall(Picture& p) {
    for (int c = 0; c < p.cols; c++)
        for (int r = p.rows - 1; r >= 0; r--) {
            if (p.at(r, c) != kEmpty) continue;
            for (int up = r - 1; up >= 0; up--) {
                const int kind = p.at(up, c);
                if (kind == kHole || p.fixed[up * p.cols + c]) break;
                if (kind == kEmpty) continue;
                p.at(r, c) = kind;
                p.at(up, c) = kEmpty;
                break;
            }
        }
}

}  // namespace

int CascadeWorth(const TBoard& board, const TMove& move) {
    if (!board.level || !move) return 0;
    Picture p = Look(board);
    std::swap(p.at(move.tile1->r, move.tile1->c), p.at(move.tile2->r, move.tile2->c));
    int worth = 0;
    for (int round = 0; round < kRounds; round++) {
        const std::vector<bool> cleared = Lines(p);
        bool any = false;
        for (int r = 0; r < p.rows; r++)
            for (int c = 0; c < p.cols; c++) {
                if (!cleared[r * p.cols + c]) continue;
                any = true;
                p.at(r, c) = kEmpty;
                // The swap's own lines are counted by the move's worth.
                if (round > 0) worth += 1 + CellWorth(board, *board.level->At(r, c));
            }
        if (!any) break;
        Fall(p);
    }
    return worth;
}
