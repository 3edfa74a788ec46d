// Pictures of an image stretched to one size in real pixels, for batches on the software
// renderer (gfx_batch.cpp). Only src/platform includes this header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/platform_internal.h"

// An image stretched by the renderer itself, exactly as it stretches a scaled copy, kept per
// image and size until the image, its texture or the renderer goes.
struct GfxStretched {
    std::weak_ptr<GfxImageData> image;
    const SDL_Texture* source = nullptr;  // the image's texture it was stretched from
    unsigned generation = 0;              // the renderer both belong to
    int w = 0, h = 0;
    SDL_Texture* tex = nullptr;
    GfxTexMods mods;
    std::vector<Uint32> pixels;                              // ARGB8888, w * h, as the texture holds them
    std::unordered_map<Uint32, std::vector<Uint32>> lights;  // its light per tint (gfx_batch_light.cpp)
    std::unordered_set<Uint32> seenOnce;                     // tints asked for once, not kept yet
    std::uint64_t lastUse = 0;
};

// `img` (whose texture is `src`) stretched to w x h real pixels, made on first use; null when it
// cannot be kept. Valid until the next call.
GfxStretched* GfxStretchedOf(const Image& img, SDL_Texture* src, int w, int h);
// Lets go the pictures of images that are gone or let go, and of a renderer that is gone.
void GfxSweepStretched();
std::size_t GfxStretchedCount();
// Texture colour, alpha and blend, told to SDL only when they differ from `mods`.
void GfxSetTexMods(SDL_Texture* tex, GfxTexMods& mods, Uint8 r, Uint8 g, Uint8 b, Uint8 a,
                   SDL_BlendMode mode);

// Additive sprites summed in memory and laid on with one copy per 32-pixel tile touched (the
// same pixels as one copy per sprite): `quads` holds 4 vertices per sprite, all upright. How many
// of the first sprites it drew; the rest are left to the copies. With `through`, whose area lies
// at (originX, originY) plus its own top left, the light is dimmed pixel by pixel.
struct GfxLightThrough;
std::size_t GfxDrawLightSums(const Image& img, SDL_Texture* src, const SDL_Vertex* quads, std::size_t count,
                             const GfxLightThrough* through, float originX, float originY);
