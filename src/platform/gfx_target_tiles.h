// The render target's pixels held in memory in 32-pixel tiles, for batches of sprites on the
// software renderer that are cheaper worked out here than drawn one by one: summed light
// (gfx_batch_light.cpp) and turned sprites blended in place (gfx_turned_tiles.cpp). A tile is
// filled when first touched and laid on the target with one copy at the end. Only src/platform
// includes this header. The pixels are ARGB8888, as the back buffer and the layers' pictures are.
#pragma once

#include <functional>
#include <vector>

#include "platform/platform_internal.h"

class GfxTargetTiles {
public:
    static constexpr int kSide = 32;

    // For the current target of w x h real pixels; false when the tile texture cannot be made.
    bool Prepare(int w, int h);

    // The pixel (x, y) in its tile, which holds the rest of the row up to the tile's right edge;
    // the tile is first filled by `fill(pixels, x, y, w, h)` (its top left, its size on the target,
    // rows kSide pixels apart) when this is its first touch since the last Lay.
    template <class Fill>
    Uint32* At(int x, int y, Fill&& fill) {
        const int t = (y / kSide) * across_ + x / kSide;
        int& s = slot_[static_cast<std::size_t>(t)];
        if (s < 0) s = Touch(t, fill);
        return &pixels_[static_cast<std::size_t>(s) * kSide * kSide + (y % kSide) * kSide + x % kSide];
    }

    // The pixels of the target under a tile, read back (a fill for At).
    static void ReadBack(Uint32* px, int x, int y, int w, int h);

    // Lays every touched tile on the target and forgets them: `finish(pixels, x, y, w, h)` may
    // change a tile's pixels first and gives the blend mode it is copied with.
    void Lay(const std::function<SDL_BlendMode(Uint32*, int, int, int, int)>& finish);

private:
    template <class Fill>
    int Touch(int t, Fill& fill) {
        const int s = static_cast<int>(touched_.size());
        touched_.push_back(t);
        // Grown only: every tile is filled when touched, so the pixels need no clearing.
        if (pixels_.size() < touched_.size() * kSide * kSide) pixels_.resize(touched_.size() * kSide * kSide);
        const int x = (t % across_) * kSide, y = (t / across_) * kSide;
        fill(&pixels_[static_cast<std::size_t>(s) * kSide * kSide], x, y, std::min(kSide, w_ - x),
             std::min(kSide, h_ - y));
        return s;
    }

    int w_ = 0, h_ = 0;           // the target in real pixels
    int across_ = 0, down_ = 0;   // tiles
    std::vector<int> slot_;       // per tile: its place in `pixels_`, or -1
    std::vector<int> touched_;    // tiles touched, in the order first touched
    std::vector<Uint32> pixels_;  // kSide * kSide per touched tile (and room for more)
    SDL_Texture* tex_ = nullptr;  // one tile, uploaded and copied in turn
    SDL_BlendMode mode_ = SDL_BLENDMODE_NONE;
    unsigned generation_ = 0;
};

// The one set of tiles the batches share: each fills and lays them within one draw call.
GfxTargetTiles& GfxTiles();

// The current target's size in real pixels and the area a batch may draw in (the clip), when
// the target is a picture drawn at one real pixel per logical one with no viewport offset: the
// case the tiles serve. False otherwise.
bool GfxTilesArea(int& w, int& h, SDL_Rect& area);
