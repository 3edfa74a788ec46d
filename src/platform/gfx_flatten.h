// A still scene flattened into one picture: many pictures laid over one another once, drawn
// afterwards as a single copy, and how much of a light drawn beneath them shows through.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/platform.h"

// A picture with its handle on (x, y), drawn untinted, unscaled and alpha blended.
struct GfxPlacedImage {
    Image img;
    float x = 0, y = 0;
};

// Per logical pixel of a w x h area whose top left is (x, y): of a light added there, the share
// (0..255) that the pictures drawn over it let through.
struct GfxLightThrough {
    int x = 0, y = 0, w = 0, h = 0;
    std::vector<std::uint8_t> share;
    // The flattened picture itself, when the light is always drawn right after it (nothing drawn
    // between): the light's spots are then finished in memory and copied without blending.
    Image base;
};

struct GfxFlatPicture {
    Image picture;                                   // every part over black, w x h, opaque
    std::shared_ptr<const GfxLightThrough> through;  // for a light between the first part and the rest
};

// Lays `parts` over one another in order on a black w x h picture, exactly as drawing them in
// turn would, with the current renderer; empty (null members) without a renderer that draws.
GfxFlatPicture GfxFlattenImages(int w, int h, const std::vector<GfxPlacedImage>& parts);
