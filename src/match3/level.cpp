// Level geometry, queries and the fitting of resource chips to a profile.
// Reading and writing the level file are in level_io.cpp.
#include "match3/level.h"

#include "platform/platform.h"

TLevel::~TLevel() {
    // Tiles and chips may outlive the level in effects or a stale selection;
    // they must not point back into it.
    for (auto& t : tile) {
        if (!t) continue;
        t->level = nullptr;
        if (t->chip) t->chip->tile = nullptr;
    }
}

void TLevel::_InitDims() {
    width = cols * CELL;
    height = rows * CELL;
    drawX = 536 - width / 2;
    drawY = 400 - height / 2;
    for (int r = 0; r < rows; r++) {
        for (int c = 0; c < cols; c++) {
            TTile* t = At(r, c);
            t->drawX = drawX + CELL * c;
            t->drawY = drawY + CELL * r;
        }
    }
}

void TLevel::_InitTilesAtStart() {
    if (tilesAtStart == 0) tilesAtStart = CountCyanTiles();
}

void TLevel::Init() {
    _InitDims();
    _InitTilesAtStart();
}

void TLevel::_InitProperChips(const std::function<std::shared_ptr<TChip>(int)>& properChip) {
    if (!properChip) return;
    for (auto& chip : GetAllChipsList()) {
        if (chip->res < 0) continue;
        if (auto kind = properChip(chip->res)) chip->ChangeMe(*kind);
    }
    // Resource kinds move to the front as the proper kinds; plain kinds keep their order.
    std::vector<std::shared_ptr<TChip>> front, rest;
    for (auto& kind : availableChips) {
        if (kind->res < 0) {
            rest.push_back(kind);
            continue;
        }
        auto proper = properChip(kind->res);
        front.insert(front.begin(), proper ? proper : kind);
    }
    front.insert(front.end(), rest.begin(), rest.end());
    availableChips = std::move(front);
}

std::vector<std::shared_ptr<TChip>> TLevel::GetAllChipsList() const {
    std::vector<std::shared_ptr<TChip>> list;
    for (auto& t : tile)
        if (t->chip) list.push_back(t->chip);
    return list;
}

std::shared_ptr<TChip> TLevel::GetRandomChip() const {
    if (availableChips.empty()) return nullptr;
    int k = RandInt(1, static_cast<int>(availableChips.size()));
    return availableChips[static_cast<size_t>(k - 1)]->Copy();
}

void TLevel::ResetBlask() {
    blaskTime = SysMillisecs() + 4000;
    for (auto& t : tile) t->blaskTime = 0;
}

int TLevel::NoTile(int r, int c) const {
    TTile* t = At(r, c);
    return (!t || t->id == 0) ? 1 : 0;
}

int TLevel::ColumnFreeUp(int r, int c) const {
    for (int rr = r; rr >= 0; rr--) {
        TTile* t = At(rr, c);
        if (!t) return 0;  // off the board sideways: nothing can come down there
        if (t->id == 0 || t->chain != 0 || t->chest != 0) return 1;
        if (t->chip) return 0;
    }
    return 0;
}

int TLevel::CountCyanTiles() const {
    int n = 0;
    for (auto& t : tile)
        if (t->id > 1) n++;
    return n;
}

int TLevel::CountScrollChips() const {
    int n = 0;
    for (auto& t : tile)
        if (t->chip && t->chip->isSpecialChip()) n++;
    return n;
}
