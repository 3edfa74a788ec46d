// The board in play: swaps, the per-frame steps, queries and the move search.
#include "match3/board.h"

#include <algorithm>
#include <cmath>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "match3/board_fx.h"
#include "match3/flying.h"

void TBoard::SetLevel(const std::shared_ptr<TLevel>& newLevel) {
    DropPairs();
    level = newLevel;
    picked = over = nullptr;
    pickPer = dPickPer = 0;
    nothingHappens = 1;
}

int TBoard::TilesAreNeighbors(const TTile* a, const TTile* b) {
    if (!a || !b) return 0;
    int dr = std::abs(a->r - b->r), dc = std::abs(a->c - b->c);
    return (dr == 0 && dc == 1) || (dr == 1 && dc == 0);
}

bool TBoard::CanSwap(const TTile* a, const TTile* b) const {
    if (!a || !b || !a->chip || !b->chip || !TilesAreNeighbors(a, b)) return false;
    for (const TChip* chip : {a->chip.get(), b->chip.get()})
        if (!chip->isFree() || !chip->CanMove() || chip->isSpecialChip()) return false;
    return true;
}

int TBoard::SwapTiles(TTile* a, TTile* b) {
    if (!CanSwap(a, b)) return 0;
    auto pair = std::make_shared<TM3Pair>();
    pair->board = this;
    pair->chip1 = a->chip;
    pair->chip2 = b->chip;
    PlayGameSound("chip-move-" + std::to_string(RandInt(1, 3)));
    pair->CountVectors();
    for (auto& chip : {pair->chip1, pair->chip2}) {
        chip->pair = pair.get();
        chip->ShakeStop();
    }
    if (onSwapStarted) onSwapStarted();
    picked = nullptr;
    pairsList.append(pair);
    return 1;
}

void TBoard::RemovePair(TM3Pair* pair) { pairsList.remove(pair); }

void TBoard::DropPairs() {
    pairsList.forEach([](TM3Pair& pair) {
        if (pair.chip1) pair.chip1->pair = nullptr;
        if (pair.chip2) pair.chip2->pair = nullptr;
    });
    pairsList.clear();
}

// ---------------------------------------------------------------------------
// Frame steps
// ---------------------------------------------------------------------------
void TBoard::_updateTiles() {
    over = nullptr;
    nothingHappens = 1;
    if (!level) return;
    for (auto& t : level->tile) {
        t->isPickAxeOver = 0;
        if (t->update()) over = t.get();
        if (t->isHappening()) nothingHappens = 0;
    }
    if (over) over->overAlpha = 1;
}

void TBoard::_updateChipsFall() {
    if (!level) return;
    for (int r = level->rows - 1; r >= 0; r--) {
        for (int c = 0; c < level->cols; c++) {
            TTile* t = level->At(r, c);
            if (auto chip = t->chip) chip->update();  // the local reference survives a KILL
            if (t->CheckFall(0)) FallChip(t);
            // A random side first, then the other: a chip that could slide and
            // waited a frame might see its target filled from the far side and
            // then rest there without ever having looked for a line.
            const bool leftFirst = RandInt(0, 1) == 1;
            for (bool left : {leftFirst, !leftFirst}) {
                if (left && t->CheckFallLeft()) {
                    FallChipLeft(t);
                    break;
                }
                if (!left && t->CheckFallRight()) {
                    FallChipRight(t);
                    break;
                }
            }
        }
    }
}

void TBoard::_updateChipsCreation() {
    if (!level) return;
    for (auto& t : level->creators) {
        if (t->chip) continue;
        auto chip = level->GetRandomChip();
        if (!chip) continue;
        t->PutChip(chip);
        chip->CreateMe();
    }
}

void TBoard::_updatePicked() {
    if (!picked) return;
    if (dPickPer == 0) dPickPer = 1;
    float step = 0.05f * frameDelta;
    if (pickPer < dPickPer) {
        pickPer = std::min(pickPer + step, dPickPer);
    } else {
        pickPer = std::max(pickPer - step, dPickPer);
    }
    if (pickPer == dPickPer) dPickPer = -dPickPer;
}

// A pair that ends removes itself (and a match may end others) mid-walk.
void TBoard::_updatePairs() {
    pairsList.forEach([](TM3Pair& pair) { pair.update(); });
}

void TBoard::_updateBlask() {
    if (!level) return;
    int now = SysMillisecs();
    if (now <= level->blaskTime) return;
    level->blaskTime = now + 4000;
    for (auto& t : level->tile) t->blaskTime = now + 100 * (t->r + t->c);
}

void TBoard::update() {
    _updateTiles();
    _updateChipsFall();
    _updateChipsCreation();
    _updatePicked();
    _updatePairs();
    _updateBlask();
    UpdateFlyingChips();
}

// ---------------------------------------------------------------------------
// Drawing
// ---------------------------------------------------------------------------
void TBoard::draw(float frameA) {
    if (!level) return;
    GfxResetDrawState();
    for (auto& t : level->tile) t->draw();
    _drawFrame(frameA);
    float pulse = std::fabs(0.25f * SinDeg(90 * pickPer));
    for (auto& t : level->tile) t->_drawChip(t.get() == picked ? pulse : 0);
    for (auto& t : level->tile) {
        t->_drawChest();
        t->_drawChain();
    }
    UpdateAndDrawFlyingChests();
}

// ---------------------------------------------------------------------------
// Queries
// ---------------------------------------------------------------------------
bool TBoard::isCalm() const {
    if (!pairsList.empty()) return false;
    if (!level) return true;
    for (auto& t : level->tile) {
        if (t->isHappening() || t->bombTime != 0 || t->CouldFall()) return false;
        if (t->isCreator && !t->chip && !level->availableChips.empty()) return false;
    }
    return true;
}

bool TBoard::isWon() const {
    return level && level->IsPresent() && level->CountCyanTiles() == 0 && level->CountScrollChips() == 0;
}

TTile* TBoard::TileAtPoint(float x, float y) const {
    TTile* found = nullptr;
    if (!level) return found;
    for (auto& t : level->tile)
        if (t->id != 0 && std::fabs(x - t->drawX) <= 24 && std::fabs(y - t->drawY) <= 24) found = t.get();
    return found;
}

TTile* TBoard::GetTileByVector(const TTile* t, int dr, int dc) const {
    return (t && level) ? level->At(t->r + dr, t->c + dc) : nullptr;
}

int TBoard::RemoveRestingLines() {
    if (!level) return 0;
    int removed = 0;
    for (auto& t : level->tile) {
        if (!t->chip || t->chip->state != CHIP_RESTING || t->chip->pair) continue;
        ChipList line = CheckMatch(t.get());
        if (line.empty()) continue;
        MatchChips(*level, line);
        removed++;
    }
    return removed;
}

TMove TBoard::FindHint_Move(int r1, int c1, int r2, int c2) const {
    if (!level) return {};
    TTile* a = level->At(r1, c1);
    TTile* b = level->At(r2, c2);
    if (!a || !b || a->chest || a->chain || b->chest || b->chain) return {};
    // A scroll chip cannot be swapped, so a move with one is no move.
    if (!a->chip || !b->chip || a->chip->isSpecialChip() || b->chip->isSpecialChip()) return {};
    // Two equal chips change nothing: a line found there was lying already,
    // and the real swap would bounce.
    if (a->chip->id == b->chip->id) return {};
    std::swap(a->chip, b->chip);
    size_t n1 = CheckMatch(a).size(), n2 = CheckMatch(b).size();
    std::swap(a->chip, b->chip);
    if (n1 > 2 || n2 > 2) return {a, b};
    return {};
}

TMove TBoard::FindAnyMove() const {
    if (!level) return {};
    static const int dirs[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int r = 0; r < level->rows; r++)
        for (int c = 0; c < level->cols; c++)
            for (auto& d : dirs)
                if (TMove m = FindHint_Move(r, c, r + d[0], c + d[1])) return m;
    return {};
}
