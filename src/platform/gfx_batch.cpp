#include "platform/gfx_batch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/angles.h"
#include "platform/platform_internal.h"

namespace {
// As the drawing state turns colours into bytes: truncated, clamped, NaN as 0.
Uint8 ColourByte(float v) { return v > 0 ? static_cast<Uint8>(std::min(v, 255.0f)) : 0; }
Uint8 AlphaByte(float a) { return ColourByte(std::round(a * 255.0f)); }

// Kept between calls so that a frame of batches allocates nothing.
std::vector<SDL_Vertex> vertices;
std::vector<int> indices;

void Quad(const GfxSprite& s, float w, float h, float hx, float hy, float ox, float oy, SDL_Vertex* v) {
    const float rad = DegToRad(s.rotation);
    const float c = s.rotation == 0 ? 1.0f : std::cos(rad);
    const float sn = s.rotation == 0 ? 0.0f : std::sin(rad);
    const SDL_Color colour{ColourByte(s.r), ColourByte(s.g), ColourByte(s.b), AlphaByte(s.a)};
    // Corners around the handle, scaled (a negative scale mirrors about the
    // handle, as a single draw does), turned clockwise on screen, y down.
    const float corners[4][2] = {{-hx, -hy}, {w - hx, -hy}, {w - hx, h - hy}, {-hx, h - hy}};
    const float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; ++i) {
        const float px = corners[i][0] * s.sx;
        const float py = corners[i][1] * s.sy;
        v[i].position = SDL_FPoint{s.x + ox + px * c - py * sn, s.y + oy + px * sn + py * c};
        v[i].color = colour;
        v[i].tex_coord = SDL_FPoint{uv[i][0], uv[i][1]};
    }
}

// Texture colour, alpha and blend, told to SDL only when they change.
void SetMods(SDL_Texture* tex, GfxTexMods& mods, Uint8 r, Uint8 g, Uint8 b, Uint8 a, SDL_BlendMode mode) {
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

// The software renderer draws an upright quad as a scaled copy, and a scaled copy with blending
// through a temporary picture stretched for that one draw: for thousands of small sparkles that
// costs far more than their pixels. Such a sprite is drawn instead from a picture of the image
// already stretched to its size in real pixels, made once by the same stretch and kept per image
// and size, as an unscaled copy: the same pixels for a fraction of the work.
bool copiesAllowed = true;

struct Stretched {
    std::weak_ptr<GfxImageData> image;
    const SDL_Texture* source = nullptr;  // the image's texture it was stretched from
    unsigned generation = 0;              // the renderer both belong to
    int w = 0, h = 0;
    SDL_Texture* tex = nullptr;
    GfxTexMods mods;
    std::uint64_t lastUse = 0;
};
std::vector<Stretched> stretched;
std::uint64_t useCount = 0;
// What the kept pictures may hold: pixels of small sprites, not copies of whole screens.
constexpr long kStretchedPixelBudget = 1L << 20;
constexpr long kLargestStretched = kStretchedPixelBudget / 16;

bool Current(const Stretched& s) {
    const GfxState& g = GfxS();
    const Image img = s.image.lock();
    return img && img->tex == s.source && img->texGeneration == g.generation && s.generation == g.generation;
}

void Drop(Stretched& s) {
    if (s.tex != nullptr && s.generation == GfxS().generation && GfxS().renderer != nullptr)
        SDL_DestroyTexture(s.tex);
    s.tex = nullptr;
}

// Lets go the pictures of images that are gone or let go, and of a renderer that is gone.
void SweepStretched() {
    std::erase_if(stretched, [](Stretched& s) {
        if (Current(s)) return false;
        Drop(s);
        return true;
    });
}

long StretchedPixels() {
    long sum = 0;
    for (const Stretched& s : stretched) sum += static_cast<long>(s.w) * s.h;
    return sum;
}

// `src` stretched to w x h real pixels by the renderer itself, drawn with no blending into a
// picture of its own; the target, viewport, scale and clip of the drawing in progress are kept.
SDL_Texture* Stretch(SDL_Texture* src, GfxTexMods& srcMods, int w, int h) {
    SDL_Renderer* r = GfxS().renderer;
    SDL_Texture* tex = SDL_CreateTexture(r, GfxS().textureFormat, SDL_TEXTUREACCESS_TARGET, w, h);
    if (tex == nullptr) return nullptr;
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

    SDL_SetRenderTarget(r, tex);
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 0);
    SDL_RenderClear(r);
    SetMods(src, srcMods, 255, 255, 255, 255, SDL_BLENDMODE_NONE);
    SDL_RenderCopy(r, src, nullptr, nullptr);

    SDL_SetRenderTarget(r, target);
    SDL_RenderSetScale(r, scaleX, scaleY);
    SDL_RenderSetViewport(r, &viewport);
    SDL_RenderSetClipRect(r, clipped ? &clip : nullptr);
    SDL_SetRenderDrawColor(r, cr, cg, cb, ca);
    SDL_SetRenderDrawBlendMode(r, drawBlend);
    SDL_SetTextureBlendMode(tex, GfxTexMods().blend);  // a target starts unblended; now as noted
    return tex;
}

// The image stretched to w x h real pixels, made on first use; null when it cannot be kept.
bool SameImage(const std::weak_ptr<GfxImageData>& a, const Image& b) {
    return !a.owner_before(b) && !b.owner_before(a);
}

Stretched* StretchedOf(const Image& img, SDL_Texture* src, int w, int h) {
    ++useCount;
    // Sparkles come in runs of one size: the last picture found is asked first.
    static std::size_t last = 0;
    for (std::size_t n = 0; n < stretched.size(); ++n) {
        Stretched& s = stretched[(last + n) % stretched.size()];
        if (s.w == w && s.h == h && s.source == src && SameImage(s.image, img)) {
            s.lastUse = useCount;
            last = (last + n) % stretched.size();
            return &s;
        }
    }
    const long pixels = static_cast<long>(w) * h;
    if (w <= 0 || h <= 0 || pixels > kLargestStretched) return nullptr;
    // Over the budget the longest unused go first.
    long held = StretchedPixels();
    while (held + pixels > kStretchedPixelBudget && !stretched.empty()) {
        auto oldest =
            std::min_element(stretched.begin(), stretched.end(),
                             [](const Stretched& a, const Stretched& b) { return a.lastUse < b.lastUse; });
        held -= static_cast<long>(oldest->w) * oldest->h;
        Drop(*oldest);
        stretched.erase(oldest);
    }
    Stretched s;
    s.tex = Stretch(src, img->mods, w, h);
    if (s.tex == nullptr) return nullptr;
    s.image = img;
    s.source = src;
    s.generation = GfxS().generation;
    s.w = w;
    s.h = h;
    s.lastUse = useCount;
    stretched.push_back(s);
    return &stretched.back();
}

// Draws the sprite as an unscaled copy of a stretched picture when it can (upright, not
// mirrored, on the software renderer); false when it must be drawn as geometry.
bool DrawAsCopy(const Image& img, SDL_Texture* src, const SDL_Vertex* v, SDL_BlendMode mode) {
    SDL_Renderer* r = GfxS().renderer;
    // The box exactly as the renderer takes it from the quad, and its size in real pixels.
    const SDL_FRect box{v[0].position.x, v[0].position.y, v[2].position.x - v[0].position.x,
                        v[2].position.y - v[0].position.y};
    if (!(box.w > 0 && box.h > 0)) return false;
    float scaleX = 1, scaleY = 1;
    SDL_RenderGetScale(r, &scaleX, &scaleY);
    const int w = static_cast<int>(box.w * scaleX);
    const int h = static_cast<int>(box.h * scaleY);
    Stretched* s = StretchedOf(img, src, w, h);
    if (s == nullptr) return false;
    const SDL_Color c = v[0].color;
    SetMods(s->tex, s->mods, c.r, c.g, c.b, c.a, mode);
    SDL_RenderCopyF(r, s->tex, nullptr, &box);
    return true;
}

bool Upright(const GfxSprite& s) { return s.rotation == 0 && s.sx > 0 && s.sy > 0; }

}  // namespace

void GfxSetBatchCopies(bool allowed) { copiesAllowed = allowed; }

std::size_t GfxBatchPicturesHeld() {
    SweepStretched();
    return stretched.size();
}

void GfxDrawImageBatch(const Image& img, int blend, const GfxSprite* sprites, std::size_t count) {
    if (!img || sprites == nullptr || count == 0) return;
    if (GfxLayerTakesCall()) {
        GfxNoteBatch(img, blend, sprites, count);
        return;
    }
    if (!GfxCanDraw()) return;
    SDL_Texture* tex = GfxTextureOf(*img);
    if (tex == nullptr) return;
    const GfxState& g = GfxS();
    const SDL_BlendMode mode = blend == GFX_BLEND_LIGHT ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND;
    const bool copies = copiesAllowed && g.softwareRenderer;
    if (copies) SweepStretched();
    vertices.resize(count * 4);
    indices.resize(count * 6);
    const auto w = static_cast<float>(img->w);
    const auto h = static_cast<float>(img->h);
    // Runs of sprites that need geometry are drawn in one call each, between the copies, so the
    // order of drawing stays the order of the sprites.
    std::size_t quads = 0;
    auto flush = [&] {
        if (quads == 0) return;
        SetMods(tex, img->mods, 255, 255, 255, 255, mode);  // the vertices carry colour and alpha
        SDL_RenderGeometry(g.renderer, tex, vertices.data(), static_cast<int>(quads * 4), indices.data(),
                           static_cast<int>(quads * 6));
        // The software renderer draws upright quads as copies and leaves the last one's colour
        // and alpha on the texture: what it holds is read back, so later draws set their own.
        SDL_GetTextureColorMod(tex, &img->mods.r, &img->mods.g, &img->mods.b);
        SDL_GetTextureAlphaMod(tex, &img->mods.a);
        quads = 0;
    };
    for (std::size_t i = 0; i < count; ++i) {
        SDL_Vertex q[4];
        Quad(sprites[i], w, h, img->hx, img->hy, g.originX, g.originY, q);
        if (copies && Upright(sprites[i])) {
            if (q[0].color.a == 0) continue;  // draws nothing
            flush();
            if (DrawAsCopy(img, tex, q, mode)) continue;
        }
        std::copy(q, q + 4, &vertices[quads * 4]);
        const int base = static_cast<int>(quads * 4);
        const int quad[6] = {base, base + 1, base + 2, base, base + 2, base + 3};
        std::copy(quad, quad + 6, &indices[quads * 6]);
        ++quads;
    }
    flush();
}
