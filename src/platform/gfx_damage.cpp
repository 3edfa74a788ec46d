#include "platform/gfx_damage.h"

#include <algorithm>

void GfxDamage::Mark(const SDL_Rect& box, int w, int h) {
    if (whole_) return;
    if (!Fits(w, h)) {
        whole_ = true;
        return;
    }
    SDL_Rect part;
    const SDL_Rect screen{0, 0, w, h};
    if (!SDL_IntersectRect(&box, &screen, &part)) return;
    for (int gy = part.y / kGrid; gy <= (part.y + part.h - 1) / kGrid; ++gy) {
        unsigned char* row = &cells_[static_cast<size_t>(gy) * gridW_];
        std::fill(row + part.x / kGrid, row + (part.x + part.w - 1) / kGrid + 1, 1);
    }
    any_ = true;
}

void GfxDamage::Clear(int w, int h) {
    whole_ = false;
    any_ = false;
    w_ = std::max(0, w);
    h_ = std::max(0, h);
    gridW_ = (w_ + kGrid - 1) / kGrid;
    gridH_ = (h_ + kGrid - 1) / kGrid;
    cells_.assign(static_cast<size_t>(gridW_) * gridH_, 0);
}

std::vector<SDL_Rect> GfxDamage::Rects(int w, int h) const {
    if (whole_) return {SDL_Rect{0, 0, w, h}};
    std::vector<SDL_Rect> rects;  // in grid squares while built
    if (!any_ || !Fits(w, h)) return rects;
    for (int gy = 0; gy < gridH_; ++gy) {
        const unsigned char* row = &cells_[static_cast<size_t>(gy) * gridW_];
        for (int gx = 0; gx < gridW_;) {
            if (!row[gx]) {
                ++gx;
                continue;
            }
            int end = gx;
            while (end < gridW_ && row[end]) ++end;
            auto above = std::find_if(rects.begin(), rects.end(), [&](const SDL_Rect& r) {
                return r.x == gx && r.w == end - gx && r.y + r.h == gy;
            });
            if (above != rects.end()) {
                above->h++;
            } else {
                rects.push_back(SDL_Rect{gx, gy, end - gx, 1});
            }
            gx = end;
        }
    }
    const SDL_Rect screen{0, 0, w, h};
    for (SDL_Rect& r : rects) {
        r = SDL_Rect{r.x * kGrid, r.y * kGrid, r.w * kGrid, r.h * kGrid};
        SDL_IntersectRect(&r, &screen, &r);
    }
    return rects;
}
