// The software renderer draws an upright quad as a scaled copy, and a scaled copy with blending
// through a temporary picture stretched for that one draw: for thousands of small sparkles that
// costs far more than their pixels. The stretch is made here once per image and size instead,
// by the renderer itself, so that copies of it give exactly the pixels of the geometry.
#include "platform/gfx_batch_stretch.h"

#include <algorithm>

namespace {
std::vector<std::unique_ptr<GfxStretched>> stretched;  // pointers stay put as it grows
std::uint64_t useCount = 0;
// What the kept pictures may hold: pixels of small sprites, not copies of whole screens.
constexpr long kStretchedPixelBudget = 1L << 20;
constexpr long kLargestStretched = kStretchedPixelBudget / 16;

bool Current(const GfxStretched& s) {
    const GfxState& g = GfxS();
    const Image img = s.image.lock();
    return img && img->tex == s.source && img->texGeneration == g.generation && s.generation == g.generation;
}

void DropStretched(GfxStretched& s) {
    if (s.tex != nullptr && s.generation == GfxS().generation && GfxS().renderer != nullptr)
        SDL_DestroyTexture(s.tex);
    s.tex = nullptr;
}

long StretchedPixels() {
    long sum = 0;
    for (const auto& s : stretched) sum += static_cast<long>(s->w) * s->h;
    return sum;
}

bool SameImage(const std::weak_ptr<GfxImageData>& a, const Image& b) {
    return !a.owner_before(b) && !b.owner_before(a);
}

// `src` stretched into `s`, drawn with no blending into a picture of its own and read back; the
// target, viewport, scale, clip and draw colour of the drawing in progress are kept.
bool Stretch(GfxStretched& s, SDL_Texture* src, GfxTexMods& srcMods) {
    SDL_Renderer* r = GfxS().renderer;
    s.tex = SDL_CreateTexture(r, GfxS().textureFormat, SDL_TEXTUREACCESS_TARGET, s.w, s.h);
    if (s.tex == nullptr) return false;
    SDL_Texture* target = SDL_GetRenderTarget(r);
    SDL_Rect viewport, clip;
    float scaleX = 1, scaleY = 1;
    SDL_RenderGetScale(r, &scaleX, &scaleY);
    SDL_RenderGetViewport(r, &viewport);
    const bool clipped = SDL_RenderIsClipEnabled(r) == SDL_TRUE;
    SDL_RenderGetClipRect(r, &clip);
    Uint8 cr, cg, cb, ca;
    SDL_GetRenderDrawColor(r, &cr, &cg, &cb, &ca);
    SDL_BlendMode drawBlend;
    SDL_GetRenderDrawBlendMode(r, &drawBlend);

    SDL_SetRenderTarget(r, s.tex);
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 0);
    SDL_RenderClear(r);
    GfxSetTexMods(src, srcMods, 255, 255, 255, 255, SDL_BLENDMODE_NONE);
    SDL_RenderCopy(r, src, nullptr, nullptr);
    s.pixels.resize(static_cast<size_t>(s.w) * s.h);
    SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, s.pixels.data(), s.w * 4);

    SDL_SetRenderTarget(r, target);
    SDL_RenderSetScale(r, scaleX, scaleY);
    SDL_RenderSetViewport(r, &viewport);
    SDL_RenderSetClipRect(r, clipped ? &clip : nullptr);
    SDL_SetRenderDrawColor(r, cr, cg, cb, ca);
    SDL_SetRenderDrawBlendMode(r, drawBlend);
    SDL_SetTextureBlendMode(s.tex, s.mods.blend);  // a target starts unblended; now as noted
    return true;
}
}  // namespace

void GfxSetTexMods(SDL_Texture* tex, GfxTexMods& mods, Uint8 r, Uint8 g, Uint8 b, Uint8 a,
                   SDL_BlendMode mode) {
    if (mods.r != r || mods.g != g || mods.b != b) {
        SDL_SetTextureColorMod(tex, r, g, b);
        mods.r = r;
        mods.g = g;
        mods.b = b;
    }
    if (mods.a != a) {
        SDL_SetTextureAlphaMod(tex, a);
        mods.a = a;
    }
    if (mods.blend != mode) {
        SDL_SetTextureBlendMode(tex, mode);
        mods.blend = mode;
    }
}

void GfxSweepStretched() {
    std::erase_if(stretched, [](const std::unique_ptr<GfxStretched>& s) {
        if (Current(*s)) return false;
        DropStretched(*s);
        return true;
    });
}

std::size_t GfxStretchedCount() { return stretched.size(); }

GfxStretched* GfxStretchedOf(const Image& img, SDL_Texture* src, int w, int h) {
    ++useCount;
    // Sparkles come in runs of one size: the last picture found is asked first.
    static std::size_t last = 0;
    for (std::size_t n = 0; n < stretched.size(); ++n) {
        const std::size_t i = (last + n) % stretched.size();
        GfxStretched& s = *stretched[i];
        if (s.w == w && s.h == h && s.source == src && SameImage(s.image, img)) {
            s.lastUse = useCount;
            last = i;
            return &s;
        }
    }
    const long pixels = static_cast<long>(w) * h;
    if (w <= 0 || h <= 0 || pixels > kLargestStretched) return nullptr;
    // Over the budget the longest unused go first.
    long held = StretchedPixels();
    while (held + pixels > kStretchedPixelBudget && !stretched.empty()) {
        auto oldest = std::min_element(stretched.begin(), stretched.end(),
                                       [](const auto& a, const auto& b) { return a->lastUse < b->lastUse; });
        held -= static_cast<long>((*oldest)->w) * (*oldest)->h;
        DropStretched(**oldest);
        stretched.erase(oldest);
    }
    auto s = std::make_unique<GfxStretched>();
    s->w = w;
    s->h = h;
    if (!Stretch(*s, src, img->mods)) return nullptr;
    s->image = img;
    s->source = src;
    s->generation = GfxS().generation;
    s->lastUse = useCount;
    stretched.push_back(std::move(s));
    return stretched.back().get();
}
