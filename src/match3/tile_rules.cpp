// The rules of one cell: line checks through its chip, falls, chests,
// chains, cyan downgrades and explosions.
#include <algorithm>

#include "audio/game_sound.h"
#include "match3/board_fx.h"
#include "match3/board_rules.h"
#include "match3/flying.h"
#include "match3/level.h"
#include "match3/tile.h"

int TTile::CheckMatch(int flag) {
    if (!chip || !level) return 0;
    ChipList list = ::CheckMatch(this, flag);
    if (list.size() < 3) return 0;
    MatchChips(*level, list);
    return 1;
}

int TTile::CheckIfCanFall() { return CheckFall(0) || CheckFallLeft() || CheckFallRight(); }

int TTile::CheckFall(int flag) {
    if (!chip || chip->state != CHIP_RESTING || !level) return 0;
    TTile* below = Neighbor(1, 0);
    if (chip->isSpecialChip() && (below == nullptr || below->id == 0) && chip->CanMove()) {
        chip->SendDown();  // a scroll chip leaves the board at the bottom
        return 0;
    }
    if (r == level->rows - 1 || !below) return 0;
    return below->isFree() && chip->CanMove();
}

// Checked every frame for every cell: the cell below the side, most often taken, is looked at
// before the chip's own (virtual) test.
int TTile::_checkFallSide(int dc) const {
    if (!chip || chip->state != CHIP_RESTING || !level) return 0;
    TTile* target = Neighbor(1, dc);
    if (!target || target->id == 0 || !target->isFree() || !chip->CanMove()) return 0;
    return level->ColumnFreeUp(r, c + dc);
}

int TTile::CouldFall() const {
    if (!chip || chip->state != CHIP_RESTING || !chip->CanMove() || !level) return 0;
    TTile* below = Neighbor(1, 0);
    if (chip->isSpecialChip() && (below == nullptr || below->id == 0)) return 1;
    if (below && below->isFree()) return 1;
    return _checkFallSide(-1) || _checkFallSide(1);
}

int TTile::CheckFallLeft() { return _checkFallSide(-1); }

int TTile::CheckFallRight() { return _checkFallSide(1); }

void TTile::DestroyChest_Neighbor(int dr, int dc) {
    TTile* t = Neighbor(dr, dc);
    if (t && t->id != 0) t->DestroyMyChest();
}

void TTile::DestroyChest() {
    DestroyChest_Neighbor(-1, 0);
    DestroyChest_Neighbor(1, 0);
    DestroyChest_Neighbor(0, 1);
    DestroyChest_Neighbor(0, -1);
    DestroyMyChest();
}

int TTile::DestroyMyChest() {
    if (chest == 0) return 0;
    PlayGameSound("rock");
    chest = 0;
    CreateFlyingChest(static_cast<float>(drawX), static_cast<float>(drawY));
    CheckMatchWithDestroy(this);  // the freed chip may complete a line at once
    return 1;
}

void TTile::DestroyChain() {
    float x = static_cast<float>(drawX), y = static_cast<float>(drawY);
    auto fivePieces = [&](float sx, int flip) {
        M3ChainPiece(13, x + 20 * sx, y + 20, 1, flip);
        M3ChainPiece(13, x + 10 * sx, y + 10, 1, flip);
        M3ChainPiece(13, x, y, 0, flip);
        M3ChainPiece(13, x - 10 * sx, y - 10, -1, flip);
        M3ChainPiece(13, x - 20 * sx, y - 20, -1, flip);
    };
    fivePieces(1, 0);
    if (chain >= 2) fivePieces(-1, 1);
    PlayGameSound("chain");
    chain -= 1;
    if (chain < 0) chain = 0;
}

void TTile::MatchTile() {
    DestroyChest();
    if (chain != 0) {
        DestroyChain();
    } else if (id == 3 || id == 2) {
        id -= 1;
        PlayGameSound("tile-match");
        destrP = 0;
        TileDestroying = 1;
    }
}

void TTile::BombMe(int delay, int type) {
    bombTime = std::max(1, SysMillisecs() + delay);  // 0 would mean "none pending"
    DestroyChipType = type;
}

void TTile::BombMeSmall_Neighbor(int nr, int nc) {
    TTile* t = level ? level->At(nr, nc) : nullptr;
    if (t && t->id != 0 && t->chip) t->chip->Destroy(0, DESTROY_STANDARD, 1);
}

void TTile::BombMeSmall() {
    for (int dr = -1; dr <= 1; dr++)
        for (int dc = -1; dc <= 1; dc++) BombMeSmall_Neighbor(r + dr, c + dc);
    if (chip) chip->Destroy(0, DESTROY_BOOM, 0);
}
