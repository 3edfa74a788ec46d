#include "platform/gfx_target_tiles.h"

#include <algorithm>
#include <cstdio>

bool GfxTargetTiles::Prepare(int w, int h) {
    const GfxState& g = GfxS();
    if (tex_ == nullptr || generation_ != g.generation) {
        tex_ = SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kSide,
                                 kSide);
        if (tex_ == nullptr) return false;
        SDL_SetTextureBlendMode(tex_, SDL_BLENDMODE_NONE);
        mode_ = SDL_BLENDMODE_NONE;
        generation_ = g.generation;
    }
    if (w_ != w || h_ != h) {
        w_ = w;
        h_ = h;
        across_ = (w + kSide - 1) / kSide;
        down_ = (h + kSide - 1) / kSide;
        slot_.assign(static_cast<std::size_t>(across_) * down_, -1);
        touched_.clear();
        pixels_.clear();
    }
    return true;
}

void GfxTargetTiles::ReadBack(Uint32* px, int x, int y, int w, int h) {
    const SDL_Rect rect{x, y, w, h};
    if (SDL_RenderReadPixels(GfxS().renderer, &rect, SDL_PIXELFORMAT_ARGB8888, px, kSide * 4) != 0) {
        // Drawn over black rather than over what is not there.
        for (int row = 0; row < h; ++row) std::fill(px + row * kSide, px + row * kSide + w, 0xFF000000u);
    }
}

void GfxTargetTiles::Lay(const std::function<SDL_BlendMode(Uint32*, int, int, int, int)>& finish) {
    SDL_Renderer* r = GfxS().renderer;
    for (std::size_t i = 0; i < touched_.size(); ++i) {
        const int t = touched_[i];
        const int x = (t % across_) * kSide, y = (t / across_) * kSide;
        const SDL_Rect part{0, 0, std::min(kSide, w_ - x), std::min(kSide, h_ - y)};
        const SDL_Rect to{x, y, part.w, part.h};
        Uint32* px = &pixels_[i * kSide * kSide];
        const SDL_BlendMode mode = finish(px, x, y, part.w, part.h);
        if (mode != mode_) {
            SDL_SetTextureBlendMode(tex_, mode);
            mode_ = mode;
        }
        SDL_UpdateTexture(tex_, nullptr, px, kSide * 4);
        SDL_RenderCopy(r, tex_, &part, &to);
        slot_[static_cast<std::size_t>(t)] = -1;
    }
    touched_.clear();
}

GfxTargetTiles& GfxTiles() {
    static GfxTargetTiles tiles;
    return tiles;
}

bool GfxTilesArea(int& w, int& h, SDL_Rect& area) {
    SDL_Renderer* r = GfxS().renderer;
    float scaleX = 1, scaleY = 1;
    SDL_RenderGetScale(r, &scaleX, &scaleY);
    SDL_Rect viewport;
    SDL_RenderGetViewport(r, &viewport);
    SDL_Texture* target = SDL_GetRenderTarget(r);
    if (scaleX != 1 || scaleY != 1 || viewport.x != 0 || viewport.y != 0 || target == nullptr ||
        SDL_QueryTexture(target, nullptr, nullptr, &w, &h) != 0) {
        return false;
    }
    // Beyond the clip, pixels would be worked out only to be cut away.
    area = SDL_Rect{0, 0, w, h};
    if (SDL_RenderIsClipEnabled(r)) {
        SDL_Rect clip;
        SDL_RenderGetClipRect(r, &clip);
        if (!SDL_IntersectRect(&area, &clip, &area)) area = SDL_Rect{0, 0, 0, 0};
    }
    return true;
}
