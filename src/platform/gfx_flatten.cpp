// Flattening draws the parts into a picture of their own with the renderer itself, so the
// flattened picture holds the very pixels the parts drawn one by one would leave.
#include "platform/gfx_flatten.h"

#include <cmath>

#include "platform/gfx_batch_stretch.h"
#include "platform/platform_internal.h"

namespace {
// The renderer's target and its settings, put back when the flattening is done.
class KeepTarget {
public:
    explicit KeepTarget(SDL_Renderer* r) : r_(r), target_(SDL_GetRenderTarget(r)) {
        SDL_RenderGetScale(r, &sx_, &sy_);
        SDL_RenderGetViewport(r, &viewport_);
        clipped_ = SDL_RenderIsClipEnabled(r) == SDL_TRUE;
        SDL_RenderGetClipRect(r, &clip_);
    }
    ~KeepTarget() {
        SDL_SetRenderTarget(r_, target_);
        SDL_RenderSetScale(r_, sx_, sy_);
        SDL_RenderSetViewport(r_, &viewport_);
        SDL_RenderSetClipRect(r_, clipped_ ? &clip_ : nullptr);
    }
    KeepTarget(const KeepTarget&) = delete;
    KeepTarget& operator=(const KeepTarget&) = delete;

private:
    SDL_Renderer* r_;
    SDL_Texture* target_;
    float sx_ = 1, sy_ = 1;
    SDL_Rect viewport_{}, clip_{};
    bool clipped_ = false;
};

// Draws the parts from `first` on, tinted by `tint`, into `tex` cleared to `clear`; its pixels as
// ARGB8888.
bool DrawParts(SDL_Texture* tex, SDL_Color clear, Uint8 tint, const std::vector<GfxPlacedImage>& parts,
               std::size_t first, std::vector<Uint32>& out) {
    SDL_Renderer* r = GfxS().renderer;
    if (SDL_SetRenderTarget(r, tex) != 0) return false;
    SDL_RenderSetScale(r, 1, 1);
    SDL_RenderSetViewport(r, nullptr);
    SDL_RenderSetClipRect(r, nullptr);
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, clear.r, clear.g, clear.b, clear.a);
    SDL_RenderClear(r);
    for (std::size_t i = first; i < parts.size(); ++i) {
        const Image& img = parts[i].img;
        if (!img) continue;
        SDL_Texture* src = GfxTextureOf(*img);
        if (src == nullptr) continue;
        GfxSetTexMods(src, img->mods, tint, tint, tint, 255, SDL_BLENDMODE_BLEND);
        // Whole-pixel spots, as an unscaled copy lands.
        const SDL_FRect to{parts[i].x - img->hx, parts[i].y - img->hy, static_cast<float>(img->w),
                           static_cast<float>(img->h)};
        SDL_RenderCopyF(r, src, nullptr, &to);
    }
    int w = 0, h = 0;
    SDL_QueryTexture(tex, nullptr, nullptr, &w, &h);
    out.resize(static_cast<std::size_t>(w) * h);
    return SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, out.data(), w * 4) == 0;
}
}  // namespace

GfxFlatPicture GfxFlattenImages(int w, int h, const std::vector<GfxPlacedImage>& parts) {
    if (!GfxCanDraw() || w <= 0 || h <= 0 || parts.empty()) return {};
    SDL_Renderer* r = GfxS().renderer;
    const KeepTarget keep(r);
    SDL_Texture* tex = SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
    if (tex == nullptr) return {};
    SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_NONE);
    std::vector<Uint32> flat, over;
    // The light's share is what the parts, drawn black, leave of a white picture: each blend keeps
    // (1 - alpha) of what lay below.
    const bool drawn = DrawParts(tex, SDL_Color{0, 0, 0, 255}, 255, parts, 0, flat) &&
                       DrawParts(tex, SDL_Color{255, 255, 255, 255}, 0, parts, 1, over);
    SDL_DestroyTexture(tex);
    if (!drawn) return {};
    std::vector<std::uint8_t> rgba(flat.size() * 4);
    auto through = std::make_shared<GfxLightThrough>();
    through->w = w;
    through->h = h;
    through->share.resize(flat.size());
    for (std::size_t i = 0; i < flat.size(); ++i) {
        const Uint32 p = flat[i];
        rgba[i * 4] = static_cast<std::uint8_t>(p >> 16);
        rgba[i * 4 + 1] = static_cast<std::uint8_t>(p >> 8);
        rgba[i * 4 + 2] = static_cast<std::uint8_t>(p);
        rgba[i * 4 + 3] = 255;
        through->share[i] = static_cast<std::uint8_t>(over[i] & 255);
    }
    GfxFlatPicture result;
    result.picture = GfxCreateImage(w, h, rgba.data(), 0);
    if (!result.picture) return {};
    through->base = result.picture;
    result.through = std::move(through);
    return result;
}
