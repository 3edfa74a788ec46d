// One swap: slide, exchange, check for lines, slide back when none formed.
#include "match3/pair.h"

#include <algorithm>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "match3/board.h"
#include "match3/board_fx.h"

void TM3Pair::CountVectors() {
    if (!chip1 || !chip2 || !chip1->tile || !chip2->tile) return;
    vx1 = chip2->tile->c - chip1->tile->c;
    vy1 = chip2->tile->r - chip1->tile->r;
    vx2 = -vx1;
    vy2 = -vy1;
}

float TM3Pair::GetXVector(const TChip* chip) const {
    float k = SinDeg(90 * p);
    if (chip == chip1.get()) return vx1 * k;
    if (chip == chip2.get()) return vx2 * k;
    return 0;
}

float TM3Pair::GetYVector(const TChip* chip) const {
    float k = SinDeg(90 * p);
    if (chip == chip1.get()) return vy1 * k;
    if (chip == chip2.get()) return vy2 * k;
    return 0;
}

void TM3Pair::Swap() {
    TTile* t1 = chip1->tile;
    TTile* t2 = chip2->tile;
    t1->chip = chip2;
    t2->chip = chip1;
    chip1->tile = t2;
    chip2->tile = t1;
}

void TM3Pair::Reverse() {
    CountVectors();
    PlayGameSound("bad");
    p = 0;
}

void TM3Pair::Destroy() {
    // Keep the pair alive while it takes itself off the list.
    if (chip1 && chip1->pair == this) chip1->pair = nullptr;
    if (chip2 && chip2->pair == this) chip2->pair = nullptr;
    if (board) board->RemovePair(this);
}

void TM3Pair::MatchByPowerUp() {
    auto a = chip1, b = chip2;
    Destroy();
    for (auto& chip : {a, b})
        if (chip->isPowerUp() && chip->tile) FirePowerUp(chip->id, chip->tile);
}

void TM3Pair::CheckMatch() {
    if (chip1->isPowerUp() || chip2->isPowerUp()) {
        MatchByPowerUp();
        return;
    }
    if (byloCheck == 2) {
        Destroy();
        return;
    }
    byloCheck += 1;
    ChipList l1 = ::CheckMatch(chip1->tile), l2 = ::CheckMatch(chip2->tile);
    if (l1.size() > 2 || l2.size() > 2) {
        ChipList all;
        // Five or more new chips through a swapped chip turn it into the bomb chip.
        auto append = [&all](const ChipList& line, const std::shared_ptr<TChip>& swapped) {
            size_t added = 0;
            for (auto& chip : line) {
                if (std::find(all.begin(), all.end(), chip) != all.end()) continue;
                all.push_back(chip);
                added++;
            }
            if (added > 4) {
                PutPowerUp(swapped->tile);
                all.erase(std::remove(all.begin(), all.end(), swapped), all.end());
            }
        };
        if (l1.size() > 2) append(l1, chip1);
        if (l2.size() > 2) append(l2, chip2);
        TLevel* level = chip1->tile->level;
        Destroy();
        if (level) MatchChips(*level, all);
        return;
    }
    if (byloCheck < 2) Reverse();
    else Destroy();
}

void TM3Pair::update() {
    if (!chip1 || !chip2 || !chip1->tile || !chip2->tile) {
        Destroy();  // a chip left the board during the slide
        return;
    }
    p += 0.05f * frameDelta;
    if (p < 0.9999f) return;  // (twenty steps of 0.05 may sum to a hair below 1)
    p = 1;
    Swap();
    // The slide is over: the chips now rest in their new cells.
    p = 0;
    CountVectors();
    CheckMatch();
}
