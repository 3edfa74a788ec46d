// The drawing state: colour, alpha, blend, scale, rotation, origin, viewport.
// Values are turned into SDL's bytes once here, not in every draw call.
#include <algorithm>
#include <cmath>

#include "platform/platform_internal.h"

namespace {
Uint8 ToByte(float v) {
    if (!(v > 0)) {
        return 0;  // also NaN
    }
    return static_cast<Uint8>(std::min(v, 255.0f));
}
}  // namespace

void GfxSetColor(float r, float g, float b) {
    GfxState& s = GfxS();
    s.r = r;
    s.g = g;
    s.b = b;
    s.colR = ToByte(r);
    s.colG = ToByte(g);
    s.colB = ToByte(b);
}

void GfxGetColor(float& r, float& g, float& b) {
    const GfxState& s = GfxS();
    r = s.r;
    g = s.g;
    b = s.b;
}

void GfxSetAlpha(float a) {
    GfxState& s = GfxS();
    s.alpha = a;
    s.colA = ToByte(std::round(a * 255.0f));
}

float GfxGetAlpha() { return GfxS().alpha; }

void GfxSetBlend(int mode) {
    GfxState& s = GfxS();
    s.blend = mode;
    s.sdlBlend = mode == GFX_BLEND_LIGHT ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND;
}

int GfxGetBlend() { return GfxS().blend; }

void GfxSetScale(float sx, float sy) {
    GfxState& s = GfxS();
    s.scaleX = sx;
    s.scaleY = sy;
}

void GfxGetScale(float& sx, float& sy) {
    sx = GfxS().scaleX;
    sy = GfxS().scaleY;
}

void GfxSetRotation(float degrees) { GfxS().rotation = std::isfinite(degrees) ? degrees : 0.0f; }

float GfxGetRotation() { return GfxS().rotation; }

void GfxSetOrigin(float x, float y) {
    GfxState& s = GfxS();
    s.originX = x;
    s.originY = y;
}

void GfxGetOrigin(float& x, float& y) {
    x = GfxS().originX;
    y = GfxS().originY;
}

void GfxSetViewport(int x, int y, int w, int h) {
    GfxState& s = GfxS();
    s.viewport = SDL_Rect{x, y, std::max(w, 0), std::max(h, 0)};
    s.viewportSet = true;
    GfxApplyClip();
}

void GfxApplyClip() {
    GfxState& s = GfxS();
    if (s.renderer == nullptr || s.target == nullptr) {
        return;
    }
    const SDL_Rect whole{0, 0, s.virtualW, s.virtualH};
    SDL_Rect clip;
    const bool covers =
        !s.viewportSet || (s.viewport.x <= 0 && s.viewport.y <= 0 && s.viewport.x + s.viewport.w >= whole.w &&
                           s.viewport.y + s.viewport.h >= whole.h);
    if (covers) {
        SDL_RenderSetClipRect(s.renderer, nullptr);
    } else if (SDL_IntersectRect(&s.viewport, &whole, &clip)) {
        SDL_RenderSetClipRect(s.renderer, &clip);
    } else {
        // Nothing visible: SDL treats an empty rectangle as "no clipping", so
        // clip to a spot outside the buffer instead.
        const SDL_Rect outside{whole.w, whole.h, 1, 1};
        SDL_RenderSetClipRect(s.renderer, &outside);
    }
}

namespace {
// Gives the texture the current tint, alpha and blend: only what changed since
// it last saw them, so drawing one picture many times costs no SDL calls.
void ApplyMods(SDL_Texture* tex, GfxTexMods& cache, bool opaque) {
    const GfxState& s = GfxS();
    const Uint8 r = s.colR, g = s.colG, b = s.colB, a = s.colA;
    // An opaque picture at full opacity looks the same copied as blended, and
    // copying is much cheaper in the software renderer (backgrounds).
    const bool copy = opaque && a == 255 && s.sdlBlend == SDL_BLENDMODE_BLEND;
    const SDL_BlendMode blend = copy ? SDL_BLENDMODE_NONE : s.sdlBlend;
    if (cache.r != r || cache.g != g || cache.b != b) {
        SDL_SetTextureColorMod(tex, r, g, b);
        cache.r = r;
        cache.g = g;
        cache.b = b;
    }
    if (cache.a != a) {
        SDL_SetTextureAlphaMod(tex, a);
        cache.a = a;
    }
    if (cache.blend != blend) {
        SDL_SetTextureBlendMode(tex, blend);
        cache.blend = blend;
    }
}
}  // namespace

void GfxDrawTexture(const GfxTexRef& t, const SDL_Rect* src, float x, float y, float dw, float dh, float hx,
                    float hy) {
    const GfxState& s = GfxS();
    ApplyMods(t.tex, *t.mods, t.opaque);
    const float ax = std::fabs(s.scaleX);
    const float ay = std::fabs(s.scaleY);
    int flip = SDL_FLIP_NONE;
    float cx = hx * ax;
    float cy = hy * ay;
    // A mirrored box keeps its handle on the mirrored spot.
    if (s.scaleX < 0) {
        flip |= SDL_FLIP_HORIZONTAL;
        cx = (dw - hx) * ax;
    }
    if (s.scaleY < 0) {
        flip |= SDL_FLIP_VERTICAL;
        cy = (dh - hy) * ay;
    }
    const SDL_FRect dst{x + s.originX - cx, y + s.originY - cy, dw * ax, dh * ay};
    if (flip == SDL_FLIP_NONE && s.rotation == 0.0f) {
        SDL_RenderCopyF(s.renderer, t.tex, src, &dst);
        return;
    }
    // A turned or mirrored copy is made whole before it is cut to the screen: one of an absurd
    // size (a runaway scale) would ask for memory no machine has, and shows nothing sensible.
    constexpr double kMostTurnedPixels = 64.0 * 1024 * 1024;
    if (!(static_cast<double>(dst.w) * dst.h <= kMostTurnedPixels)) return;
    const SDL_FPoint centre{cx, cy};
    SDL_RenderCopyExF(s.renderer, t.tex, src, &dst, s.rotation, &centre, static_cast<SDL_RendererFlip>(flip));
}
