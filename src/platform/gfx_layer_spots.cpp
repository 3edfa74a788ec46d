#include "platform/gfx_layer_spots.h"

#include <algorithm>

namespace {
constexpr int kGrid = GfxDamage::kGrid;

// The grid squares a box touches, cut to the grid: [x0, x1] x [y0, y1]; false when none.
bool Squares(const SDL_Rect& box, int across, int down, int& x0, int& y0, int& x1, int& y1) {
    if (box.w <= 0 || box.h <= 0) return false;
    x0 = std::max(0, box.x / kGrid);
    y0 = std::max(0, box.y / kGrid);
    x1 = std::min(across - 1, (box.x + box.w - 1) / kGrid);
    y1 = std::min(down - 1, (box.y + box.h - 1) / kGrid);
    if (box.x + box.w <= 0 || box.y + box.h <= 0) return false;
    return x0 <= x1 && y0 <= y1;
}
}  // namespace

void LayerSpots::Index(const std::vector<SDL_Rect>& spots, int w, int h) {
    spots_ = &spots;
    across_ = std::max(1, (w + kGrid - 1) / kGrid);
    down_ = std::max(1, (h + kGrid - 1) / kGrid);
    first_.assign(static_cast<std::size_t>(across_) * down_, -1);
    entries_.clear();
    for (std::size_t k = 0; k < spots.size(); ++k) {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        if (!Squares(spots[k], across_, down_, x0, y0, x1, y1)) continue;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                int& head = first_[static_cast<std::size_t>(y) * across_ + x];
                entries_.push_back(Entry{static_cast<int>(k), head});
                head = static_cast<int>(entries_.size()) - 1;
            }
        }
    }
    std::fill(sorted_.begin(), sorted_.end(), 0);
}

const std::vector<GfxSprite>& LayerSpots::SpritesIn(std::size_t n, const LayerCall& call, std::size_t k) {
    if (sorted_.size() <= n) {
        sorted_.resize(n + 1, 0);
        sprites_.resize(n + 1);
    }
    if (!sorted_[n]) {
        Sort(call, sprites_[n]);
        sorted_[n] = 1;
    }
    return sprites_[n][k];
}

void LayerSpots::Sort(const LayerCall& call, std::vector<std::vector<GfxSprite>>& perSpot) {
    const std::vector<SDL_Rect>& spots = *spots_;
    if (perSpot.size() < spots.size()) perSpot.resize(spots.size());
    for (std::size_t k = 0; k < spots.size(); ++k) perSpot[k].clear();
    lastSprite_.assign(spots.size(), -1);
    for (std::size_t i = 0; i < call.sprites.size(); ++i) {
        const SDL_Rect& box = call.spriteBoxes[i];
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        if (!Squares(box, across_, down_, x0, y0, x1, y1)) continue;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                for (int e = first_[static_cast<std::size_t>(y) * across_ + x]; e >= 0;
                     e = entries_[e].next) {
                    const int k = entries_[e].spot;
                    if (lastSprite_[k] == static_cast<long>(i) || !LayerRectsMeet(box, spots[k])) continue;
                    lastSprite_[k] = static_cast<long>(i);
                    perSpot[k].push_back(call.sprites[i]);
                }
            }
        }
    }
}
