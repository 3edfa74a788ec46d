// The match-3 screen: selecting a chip by click, swapping by a second click
// on a neighbour or by dragging toward it.
#include <cstdlib>

#include "frame/mouse.h"
#include "match3/board_rules.h"
#include "match3/main_game.h"

// Pixels the mouse must move from the press before a drag counts.
constexpr int DRAG_THRESHOLD = 5;

int TMainGame::CheckDistance(int x0, int y0, int x1, int y1) {
    const int dx = x1 - x0, dy = y1 - y0;
    if (std::abs(dx) > std::abs(dy)) {
        if (dx < -DRAG_THRESHOLD) return 0;
        if (dx > DRAG_THRESHOLD) return 2;
    } else if (std::abs(dy) > std::abs(dx)) {
        if (dy < -DRAG_THRESHOLD) return 1;
        if (dy > DRAG_THRESHOLD) return 3;
    }
    return 4;
}

int TMainGame::TilesAreNeighbors(const TTile* a, const TTile* b) { return TBoard::TilesAreNeighbors(a, b); }

TTile* TMainGame::GetTileByVector(const TTile* tile, int dr, int dc) const {
    return board.GetTileByVector(tile, dr, dc);
}

void TMainGame::PickTile(TTile* tile) {
    if (!tile || !tile->chip || tile->chip->isSpecialChip() || tile == board.picked) return;
    if (!board.picked || !TilesAreNeighbors(tile, board.picked)) {
        board.picked = tile;
    } else if (board.picked->canBeSwaped()) {
        board.SwapTiles(board.picked, tile);
    }
}

void TMainGame::_updateTilesSwap() {
    TTile* picked = board.picked;
    if (picked && mouse.leftPressed && picked->chip && picked->chip->isPowerUp()) {
        auto chip = picked->chip;
        PowerUpTile(picked, chip);
        mouse.clear();
        board.picked = nullptr;
        holded = 0;
    } else if (!picked || !holded) {
        if (mouse.leftPressed && board.over) {
            PickTile(board.over);
            hx = mouse.GetX();
            hy = mouse.GetY();
            holded = 1;
        }
    } else {
        // Left, up, right, down as CheckDistance answers 0..3.
        static const int vectors[4][2] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};
        const int d = CheckDistance(hx, hy, mouse.GetX(), mouse.GetY());
        if (d < 4) board.SwapTiles(picked, GetTileByVector(picked, vectors[d][0], vectors[d][1]));
        if (!mouse.leftHolded) holded = 0;
    }
}
