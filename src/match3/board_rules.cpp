// Lines, their score and removal, the bomb chip and single-cell falls.
#include "match3/board_rules.h"

#include <algorithm>
#include <cmath>

#include "audio/game_sound.h"
#include "match3/board_fx.h"

int isMatched(const TTile* a, const TTile* b) {
    if (!a || !b || !a->chip || !b->chip) return 0;
    if (!b->chip->isFree() || a->chest != 0 || b->chest != 0) return 0;
    return a->chip->id == b->chip->id;
}

namespace {

void Walk(const TTile* tile, int dr, int dc, ChipList& out) {
    const TLevel* level = tile->level;
    for (TTile* t = level->At(tile->r + dr, tile->c + dc); t && isMatched(tile, t);
         t = level->At(t->r + dr, t->c + dc))
        out.push_back(t->chip);
}

}  // namespace

ChipList CheckMatch(const TTile* tile, int debug) {
    ChipList result;
    if (!tile || !tile->chip || !tile->level) return result;
    ChipList v{tile->chip}, h{tile->chip};
    Walk(tile, 1, 0, v);
    Walk(tile, -1, 0, v);
    Walk(tile, 0, -1, h);
    Walk(tile, 0, 1, h);
    if (v.size() > 2) result = v;
    if (h.size() > 2)
        for (auto& chip : h)
            if (std::find(result.begin(), result.end(), chip) == result.end()) result.push_back(chip);
    (void)debug;
    return result;
}

int MatchScore(int n) { return ((n - 3) * 5 + 5) * n; }

void AddScore(TLevel& level, int amount) {
    level.score += amount;
    M3AddCash(amount);
}

void MatchChips(TLevel& level, const ChipList& chips) {
    AddScore(level, MatchScore(static_cast<int>(chips.size())));
    for (auto& chip : chips) chip->Destroy(0, DESTROY_STANDARD, 0);
    PlayGameSound("match");
}

void CheckMatchWithDestroy(TTile* tile) {
    if (!tile || !tile->level) return;
    ChipList list = CheckMatch(tile, 0);
    if (!list.empty()) MatchChips(*tile->level, list);
}

void PutPowerUp(TTile* tile) {
    if (!tile || !tile->chip) return;
    float x = static_cast<float>(tile->drawX), y = static_cast<float>(tile->drawY);
    TRGB white = NewRGB(255, 255, 255);
    M3Particle(3, x, y, x, y, x, y, white, 1, 0, 2, 0, 0, 0, GFX_BLEND_LIGHT, 0, 500);
    M3Particle(3, x, y, x, y, x, y, white, 1, 0, 1, 0, 0, 0, GFX_BLEND_LIGHT, 0, 500);
    tile->chip->ChangeTo(FindChip(BOMB_CHIP_ID));
    PlayGameSound("show-dynamite");
}

void FirePowerUp(int chipId, TTile* tile) {
    if (chipId == BOMB_CHIP_ID) Bomb(tile);
}

void PowerUpTile(TTile* tile, const std::shared_ptr<TChip>& chip) {
    (void)chip;
    Bomb(tile);
}

void BombTile(TLevel& level, int r, int c, int delay) {
    TTile* t = level.At(r, c);
    if (t && t->id != 0) t->BombMe(delay, DESTROY_BOMBED);
}

void Bomb(TTile* tile) {
    if (!tile || !tile->level) return;
    TLevel& level = *tile->level;
    for (int dr = -1; dr <= 1; dr++) {
        for (int dc = -1; dc <= 1; dc++) {
            TTile* t = level.At(tile->r + dr, tile->c + dc);
            if (!t) continue;
            if (t->chest != 0) {
                t->DestroyChest();
                continue;
            }
            float dist = std::sqrt(static_cast<float>(dr * dr + dc * dc));
            BombTile(level, t->r, t->c, static_cast<int>(50 * dist));
        }
    }
    PlayGameSound("boom");
    float x = static_cast<float>(tile->drawX), y = static_cast<float>(tile->drawY);
    TRGB orange = NewRGB(250, 100, 50);
    M3Particle(3, x, y, x, y, x, y, orange, 1, 0, 0.2f, 2, 0, 0, GFX_BLEND_LIGHT, 0, 1000);
    M3Particle(3, x, y, x, y, x, y, orange, 1, 0, 0.2f, 3, 0, 0, GFX_BLEND_LIGHT, 0, 1500);
}

namespace {

TTile* MoveChipTo(TTile* from, int dr, int dc) {
    if (!from || !from->chip || !from->level) return nullptr;
    TTile* to = from->level->At(from->r + dr, from->c + dc);
    if (!to) return nullptr;
    auto chip = from->chip;
    from->chip = nullptr;
    to->chip = chip;
    chip->tile = to;
    return to;
}

}  // namespace

void FallChip(TTile* tile) {
    if (TTile* to = MoveChipTo(tile, 1, 0)) to->chip->Fall();
}

void FallChipLeft(TTile* tile) {
    if (TTile* to = MoveChipTo(tile, 1, -1)) to->chip->FallLeft();
}

void FallChipRight(TTile* tile) {
    if (TTile* to = MoveChipTo(tile, 1, 1)) to->chip->FallRight();
}
