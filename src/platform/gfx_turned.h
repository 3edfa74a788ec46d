// Turned pictures in the software renderer (internal to the platform layer). SDL turns a picture
// for every call through temporary surfaces (stretched, then turned, then blended), and a still
// layer that redraws a turned sparkle in two spots pays that twice. Here a turned copy is made in
// one pass (bilinear, like SDL's smoothed turn), kept, and blended as a plain unscaled copy; the
// same turn at the same spot (the layer's second spot, a picture at rest) reuses it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/platform_internal.h"

// Draws `img` with its handle on (x, y) and the current state, when the
// state is one this path draws: software renderer at one real pixel per logical one, turned by an
// angle that is not a whole quarter turn, scaled up or down but not mirrored, alpha blended or
// added but not copied. False when it did not draw (the caller draws through SDL).
bool GfxDrawTurnedCopy(const Image& img, float x, float y);

// Draws `img` with its handle on (x, y) (real pixels: the origin already added), scaled, turned,
// tinted and blended as given, turned anew for this draw and not kept: for batches of sprites that
// each turn differently every frame (smoke), where SDL's geometry costs several times more. The
// pixels are those of GfxDrawTurnedCopy. False when this path does not draw it.
bool GfxDrawTurnedOnce(const Image& img, float x, float y, float sx, float sy, float angle, SDL_Color tint,
                       SDL_BlendMode blend);

// A turned sprite of a batch: its handle on (x, y) in real pixels (the origin already added).
struct GfxTurnedSprite {
    float x = 0, y = 0, sx = 1, sy = 1, angle = 0;
    SDL_Color tint{255, 255, 255, 255};
};

// Alpha-blended turned sprites blended straight into tiles of the target (gfx_turned_tiles.cpp),
// in order, with the pixels GfxDrawTurnedOnce gives: for smoke, where a turn drawn through a
// texture of its own costs a lock, a queued copy and the renderer's blend for every puff. How many
// of the first sprites it drew; the rest are left to the caller.
std::size_t GfxDrawTurnedTiles(const Image& img, const GfxTurnedSprite* sprites, std::size_t count);

// Whether this path turns sprites of this size, angle and blend (the software renderer at one
// real pixel per logical one, not a quarter turn, not mirrored, alpha blended or added).
bool GfxTurnsHere(float sx, float sy, float angle, SDL_BlendMode blend);

// The picture's pixels kept for turning; null when it has none (gfx_turn_sampling.h).
struct TurnSource;
const TurnSource* GfxTurnSourceOf(const Image& img);

// The picture's RGBA pixels (its own, or its file's read again); false when it has none
// (gfx_image.cpp).
bool GfxImagePixels(const GfxImageData& img, std::vector<std::uint8_t>& out);

// Whether turned draws of `img` need its pixels here: the software renderer draws turned copies,
// and none has read the picture's pixels yet (they are kept once read).
bool GfxTurnedCopyNeedsPixels(const GfxImageData& img);

// Tests and benchmarks turn the copies off to compare with SDL's own turn.
void GfxSetTurnedCopies(bool allowed);
// The turned copies held (tests), and dropping them all.
std::size_t GfxTurnedCopiesHeld();
// The pixels of the textures they hold (at most 1 Mi: 4 MiB; large copies a quarter of that).
long GfxTurnedCopyPixels();
void GfxDropTurnedCopies();
