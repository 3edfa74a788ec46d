#include "platform/gfx_damage.h"

#include <algorithm>

void GfxDamage::Mark(const SDL_Rect& box, int w, int h) {
    if (whole_) return;
    if (!Fits(w, h)) {
        whole_ = true;
        return;
    }
    // Cut to the screen here rather than through SDL: every sprite of every batch comes by, twice.
    const int x0 = std::max(box.x, 0), y0 = std::max(box.y, 0);
    const int x1 = std::min(box.x + box.w, w), y1 = std::min(box.y + box.h, h);
    if (box.w <= 0 || box.h <= 0 || x0 >= x1 || y0 >= y1) return;
    const int gx0 = x0 / kGrid, gx1 = (x1 - 1) / kGrid;
    for (int gy = y0 / kGrid; gy <= (y1 - 1) / kGrid; ++gy) {
        unsigned char* row = &cells_[static_cast<size_t>(gy) * gridW_];
        for (int gx = gx0; gx <= gx1; ++gx) row[gx] = 1;
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
