// The spots a still layer redraws in one frame, and which sprites of a batch fall in each: found
// through the grid squares a sprite's box touches, rather than by testing every sprite of every
// batch against every spot (a menu's water throws two thousand sparkles over thirty spots). Only
// the layer files include this header.
#pragma once

#include <vector>

#include "platform/gfx_layer_calls.h"

class LayerSpots {
public:
    // For the spots of this frame on a screen of w x h logical pixels.
    void Index(const std::vector<SDL_Rect>& spots, int w, int h);

    // The sprites of batch call number `n` (of this frame's calls) whose boxes overlap spot k, in
    // the batch's order; each batch is sorted into all the spots at its first question.
    const std::vector<GfxSprite>& SpritesIn(std::size_t n, const LayerCall& call, std::size_t k);

private:
    struct Entry {
        int spot = 0, next = -1;  // the next entry of the same square, or -1
    };
    const std::vector<SDL_Rect>* spots_ = nullptr;
    int across_ = 0, down_ = 0;
    std::vector<int> first_;      // per grid square: its first entry, or -1
    std::vector<Entry> entries_;  // the spots each square lies in
    void Sort(const LayerCall& call, std::vector<std::vector<GfxSprite>>& perSpot);

    // Per call number: whether sorted this frame, and its sprites per spot (kept between frames,
    // so that a frame allocates nothing).
    std::vector<char> sorted_;
    std::vector<std::vector<std::vector<GfxSprite>>> sprites_;
    std::vector<long> lastSprite_;  // per spot: the last sprite put there (no sprite twice)
};
