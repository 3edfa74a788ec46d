// Many copies of one picture in one draw call: for particle effects, where
// thousands of small sprites of the same picture and blend mode would each
// cost a call (and, rotated, a temporary surface in the software renderer).
#pragma once

#include <cstddef>
#include <memory>

#include "platform/platform.h"

struct GfxLightThrough;

// One copy: its handle lands on (x, y); scale (negative mirrors), rotation in
// degrees clockwise, colour 0..255 and alpha 0..1 as GfxSetColor and
// GfxSetAlpha take them.
struct GfxSprite {
    float x = 0, y = 0;
    float sx = 1, sy = 1;
    float rotation = 0;
    float r = 255, g = 255, b = 255;
    float a = 1;
};

// Draws `count` sprites of `img` with the blend mode (GFX_BLEND_ALPHA or
// GFX_BLEND_LIGHT), in order, as one geometry call. The current origin
// applies; the current colour, alpha, scale, rotation and blend do not, and
// are left as they were.
// With `through` (additive sprites only) each sprite's light is dimmed by the share the still
// pictures drawn over that spot let through (gfx_flatten.h): light drawn beneath a flattened scene.
void GfxDrawImageBatch(const Image& img, int blend, const GfxSprite* sprites, std::size_t count,
                       const std::shared_ptr<const GfxLightThrough>& through = nullptr);

// On the software renderer an upright sprite is drawn as an unscaled copy of the image stretched
// to its size (kept per image and size), and many additive ones are summed in tiles first: the
// pixels of the geometry, much cheaper. Tests and benchmarks turn it off to compare.
void GfxSetBatchCopies(bool allowed);
// The stretched pictures kept for the copies (tests).
std::size_t GfxBatchPicturesHeld();
