// Turned pictures in the software renderer: a turned copy made in one bilinear pass, kept, and
// blended unscaled (see gfx_turned.h).
#include "platform/gfx_turned.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/angles.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// Enough for every sparkle of a busy board frame; the pixels bound the memory (4 MiB).
constexpr std::size_t kMaxCopies = 256;
constexpr long kMaxPixels = 1L << 20;
// A caption turned as it swings in needs a new copy every frame and a copy that large is seldom
// drawn again: large copies share a quarter of the bound, so one caption holds one copy at a time.
constexpr long kLargeCopy = 1L << 16;
constexpr long kMaxLargePixels = kMaxPixels / 4;
constexpr float kMaxSide = 4096;

// A picture's pixels as 0xAARRGGBB with a transparent border of one texel, kept while it is
// drawn turned: sampling next to an edge then needs no test.
struct Source {
    std::weak_ptr<GfxImageData> img;
    int w = 0, h = 0;  // the picture's size; the rows hold w + 2 texels
    std::vector<std::uint32_t> argb;
};

// Spots within a pixel a copy is made for: a quarter pixel apart, so that copies of one turn
// serve sparkles at many spots (a trail, a picture at rest), at most an eighth of a pixel off.
constexpr float kSpotSteps = 4;

// Everything a turned copy depends on: the picture, its drawn size, the handle in drawn pixels,
// where within a pixel the handle lands (in kSpotSteps) and the angle.
struct Key {
    const GfxImageData* img = nullptr;
    float dw = 0, dh = 0, cx = 0, cy = 0, px = 0, py = 0, angle = 0;
    std::uint32_t tint = 0;  // colour and alpha, 0xAARRGGBB, baked into the copy
    bool operator==(const Key& o) const {
        return img == o.img && dw == o.dw && dh == o.dh && cx == o.cx && cy == o.cy && px == o.px &&
               py == o.py && angle == o.angle && tint == o.tint;
    }
};

struct KeyHash {
    std::size_t operator()(const Key& k) const {
        std::size_t h = std::hash<const void*>()(k.img);
        for (float f : {k.dw, k.dh, k.cx, k.cy, k.px, k.py, k.angle}) {
            h = h * 1000003u ^ std::hash<float>()(f);
        }
        return h * 1000003u ^ k.tint;
    }
};

struct Copy {
    Key key;
    std::weak_ptr<GfxImageData> img;  // the key's picture: another may come at its address
    SDL_Texture* tex = nullptr;
    int texW = 0, texH = 0;
    SDL_Rect box{0, 0, 0, 0};  // where it lands, from the whole pixel the handle lands in
    GfxTexMods mods;
    long lastUse = 0;
};

struct Cache {
    unsigned generation = 0;
    std::unordered_map<const GfxImageData*, Source> sources;
    std::vector<Copy> copies;
    std::unordered_map<Key, std::size_t, KeyHash> index;
    long clock = 0;
    long pixels = 0;       // of every copy's texture
    long largePixels = 0;  // of the large ones among them
    // One texture for turns drawn once and not kept (GfxDrawTurnedOnce), turned anew each time.
    SDL_Texture* once = nullptr;
    int onceW = 0, onceH = 0;
};

long TexturePixels(const Copy& copy) { return static_cast<long>(copy.texW) * copy.texH; }
bool IsLarge(long pixels) { return pixels >= kLargeCopy; }

// Books a copy's texture in or out of the bounds (`sign` +1 or -1).
void Count(Cache& c, const Copy& copy, int sign) {
    const long pixels = TexturePixels(copy);
    c.pixels += sign * pixels;
    if (IsLarge(pixels)) c.largePixels += sign * pixels;
}

Cache& TheCache() {
    static Cache cache;
    return cache;
}

void DestroyTextures(Cache& c) {
    const GfxState& g = GfxS();
    const bool ours = c.generation == g.generation && g.renderer != nullptr;
    for (Copy& copy : c.copies) {
        if (copy.tex != nullptr && ours) SDL_DestroyTexture(copy.tex);
    }
    if (c.once != nullptr && ours) SDL_DestroyTexture(c.once);
    c.once = nullptr;
    c.onceW = c.onceH = 0;
}

// Drops every copy; their textures are destroyed unless they went with their renderer.
void Reset(Cache& c) {
    DestroyTextures(c);
    c.copies.clear();
    c.index.clear();
    c.sources.clear();
    c.pixels = c.largePixels = 0;
    c.generation = GfxS().generation;
}

// The cache, emptied first when the renderer changed since its copies were made.
Cache& CurrentCache() {
    Cache& c = TheCache();
    if (c.generation != GfxS().generation) Reset(c);
    return c;
}

const Source* SourceOf(Cache& c, const Image& img) {
    auto it = c.sources.find(img.get());
    if (it != c.sources.end() && it->second.img.lock() == img && it->second.w == img->w &&
        it->second.h == img->h) {
        return &it->second;
    }
    std::vector<std::uint8_t> rgba;
    if (!GfxImagePixels(*img, rgba)) return nullptr;
    const int w = img->w, h = img->h;
    if (rgba.size() != static_cast<std::size_t>(w) * h * 4) return nullptr;
    Source s{img, w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w + 2) * (h + 2), 0)};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * w + x) * 4];
            s.argb[static_cast<std::size_t>(y + 1) * (w + 2) + x + 1] =
                static_cast<std::uint32_t>(p[3]) << 24 | static_cast<std::uint32_t>(p[0]) << 16 |
                static_cast<std::uint32_t>(p[1]) << 8 | p[2];
        }
    }
    // Pictures gone since are forgotten as new ones come.
    std::erase_if(c.sources, [](const auto& kv) { return kv.second.img.expired(); });
    return &(c.sources[img.get()] = std::move(s));
}

// The four texels at `t` (two of this row, two of the next, `stride` apart) mixed across by `fx`,
// then down by `fy`, each channel rounded down at each step; then the tint's colour and alpha
// multiplied in as SDL's modulation does (each channel times the tint's, over 255, rounded down),
// so that the copy is blended without modulation: SDL's much faster plain blend.
#if defined(__SSE2__)
// Four channels at once in 16-bit lanes: every product and sum stays below 65536, so each channel
// comes out exactly as one worked out alone (x / 255 is (x + 1 + (x >> 8)) >> 8 up to 255 * 255).
inline __m128i Weights(std::uint32_t f) {
    const auto near = static_cast<short>(256 - f), far = static_cast<short>(f);
    return _mm_set_epi16(far, far, far, far, near, near, near, near);
}

inline std::uint32_t Mix(const std::uint32_t* t, int stride, std::uint32_t fx, std::uint32_t fy,
                         std::uint32_t tint) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i across = Weights(fx);
    // Each row's two texels weighted, then the halves added: the top row mixed in the low four
    // lanes, the bottom one in the high four.
    const __m128i top = _mm_mullo_epi16(
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(t)), zero), across);
    const __m128i bottom = _mm_mullo_epi16(
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(t + stride)), zero), across);
    const __m128i rows =
        _mm_srli_epi16(_mm_add_epi16(_mm_unpacklo_epi64(top, bottom), _mm_unpackhi_epi64(top, bottom)), 8);
    const __m128i weighted = _mm_mullo_epi16(rows, Weights(fy));
    const __m128i mixed = _mm_srli_epi16(_mm_add_epi16(weighted, _mm_unpackhi_epi64(weighted, weighted)), 8);
    const __m128i tinted =
        _mm_mullo_epi16(mixed, _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(tint)), zero));
    const __m128i over255 =
        _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(tinted, _mm_set1_epi16(1)), _mm_srli_epi16(tinted, 8)), 8);
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(over255, zero)));
}
#else
// Two texels mixed, `f` in 1/256ths toward `b`: red and blue, then alpha and green, in pairs.
inline std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t f) {
    const std::uint32_t rb = ((a & 0xFF00FFu) * (256 - f) + (b & 0xFF00FFu) * f) >> 8 & 0xFF00FFu;
    const std::uint32_t ag = ((a >> 8 & 0xFF00FFu) * (256 - f) + (b >> 8 & 0xFF00FFu) * f) >> 8 & 0xFF00FFu;
    return rb | ag << 8;
}

inline std::uint32_t Mix(const std::uint32_t* t, int stride, std::uint32_t fx, std::uint32_t fy,
                         std::uint32_t tint) {
    const std::uint32_t p = Lerp(Lerp(t[0], t[1], fx), Lerp(t[stride], t[stride + 1], fx), fy);
    const std::uint32_t a = (p >> 24) * (tint >> 24) / 255, r = (p >> 16 & 255) * (tint >> 16 & 255) / 255,
                        g = (p >> 8 & 255) * (tint >> 8 & 255) / 255, b = (p & 255) * (tint & 255) / 255;
    return a << 24 | r << 16 | g << 8 | b;
}
#endif

// First and last step i of u0 + i * du that lies strictly inside (lo, hi); empty when first > last.
void Inside(double u0, double du, double lo, double hi, int& first, int& last) {
    if (du == 0) {
        if (!(u0 > lo && u0 < hi)) last = -1;
        return;
    }
    double a = (lo - u0) / du, b = (hi - u0) / du;
    if (a > b) std::swap(a, b);
    // Kept within the row before turning into whole steps: a nearly straight turn steps very
    // little and puts the ends far off.
    a = std::clamp(std::floor(a) + 1, -1.0, static_cast<double>(last) + 1);
    b = std::clamp(std::ceil(b) - 1, -1.0, static_cast<double>(last) + 1);
    first = std::max(first, static_cast<int>(a));
    last = std::min(last, static_cast<int>(b));
}

// The picture turned into `out` (box.w x box.h, rows `pitch` pixels apart): each pixel centre
// traced back into the picture and sampled between its four nearest texels (the border makes
// outside transparent).
void Turn(const Source& src, const Key& k, const SDL_Rect& box, std::uint32_t* out, int pitch) {
    const double rad = DegToRad(k.angle);
    const double cs = std::cos(rad), sn = std::sin(rad);
    // Texels per drawn pixel, and the steps of the traced point along a row of the box.
    const double ux = src.w / static_cast<double>(k.dw), uy = src.h / static_cast<double>(k.dh);
    const double du = cs * ux, dv = -sn * uy;
    const int stride = src.w + 2;
    for (int j = 0; j < box.h; ++j) {
        const double ex = box.x + 0.5 - k.px, ey = box.y + j + 0.5 - k.py;
        // At the row's first pixel, in texels of the bordered picture (centres at .5).
        const double u0 = (ex * cs + ey * sn + k.cx) * ux + 0.5, v0 = (-ex * sn + ey * cs + k.cy) * uy + 0.5;
        int first = 0, last = box.w - 1;
        Inside(u0, du, 0, src.w + 1, first, last);
        Inside(v0, dv, 0, src.h + 1, first, last);
        std::uint32_t* row = out + static_cast<std::ptrdiff_t>(j) * pitch;
        std::fill(row, row + box.w, 0u);
        // 16.16 fixed point from here on.
        auto u = static_cast<std::int64_t>((u0 + first * du) * 65536),
             v = static_cast<std::int64_t>((v0 + first * dv) * 65536);
        const auto stepU = static_cast<std::int64_t>(du * 65536),
                   stepV = static_cast<std::int64_t>(dv * 65536);
        for (int i = first; i <= last; ++i, u += stepU, v += stepV) {
            const auto tx = static_cast<int>(std::clamp<std::int64_t>(u >> 16, 0, src.w));
            const auto ty = static_cast<int>(std::clamp<std::int64_t>(v >> 16, 0, src.h));
            const std::uint32_t* t = &src.argb[static_cast<std::size_t>(ty) * stride + tx];
            const auto fx = static_cast<std::uint32_t>(u >> 8 & 255),
                       fy = static_cast<std::uint32_t>(v >> 8 & 255);
            if ((t[0] | t[1] | t[stride] | t[stride + 1]) == 0) continue;
            row[i] = Mix(t, stride, fx, fy, k.tint);
        }
    }
}

// The screen box the turned picture may touch, in whole pixels.
SDL_Rect TurnedBox(const Key& k) {
    const double rad = DegToRad(k.angle);
    const double cs = std::cos(rad), sn = std::sin(rad);
    const double xs[2] = {-k.cx, k.dw - k.cx}, ys[2] = {-k.cy, k.dh - k.cy};
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (double x : xs) {
        for (double y : ys) {
            const double sx = k.px + x * cs - y * sn, sy = k.py + x * sn + y * cs;
            x0 = std::min(x0, sx);
            x1 = std::max(x1, sx);
            y0 = std::min(y0, sy);
            y1 = std::max(y1, sy);
        }
    }
    const int bx = static_cast<int>(std::floor(x0)), by = static_cast<int>(std::floor(y0));
    return SDL_Rect{bx, by, static_cast<int>(std::ceil(x1)) - bx, static_cast<int>(std::ceil(y1)) - by};
}

// Lets a copy's texture go; the slot stays, empty.
void Drop(Cache& c, Copy& copy) {
    const GfxState& g = GfxS();
    if (copy.tex != nullptr && c.generation == g.generation && g.renderer != nullptr)
        SDL_DestroyTexture(copy.tex);
    Count(c, copy, -1);
    copy.tex = nullptr;
    copy.texW = copy.texH = 0;
    c.index.erase(copy.key);
    copy.key = Key();
    copy.lastUse = 0;
}

// The least recently used copy holding a texture (a large one when `large`); null when none.
Copy* Oldest(Cache& c, bool large) {
    Copy* oldest = nullptr;
    for (Copy& copy : c.copies) {
        if (copy.tex == nullptr || (large && !IsLarge(TexturePixels(copy)))) continue;
        if (oldest == nullptr || copy.lastUse < oldest->lastUse) oldest = &copy;
    }
    return oldest;
}

// A slot for a new copy of `pixels`: the least recently used copies go until it fits under the
// bounds; then a new slot while there are fewer than the most, else the least recently used.
Copy& FreeSlot(Cache& c, long pixels) {
    const auto byAge = [](const Copy& a, const Copy& b) { return a.lastUse < b.lastUse; };
    while (IsLarge(pixels) && c.largePixels + pixels > kMaxLargePixels) {
        Copy* oldest = Oldest(c, true);
        if (oldest == nullptr) break;
        Drop(c, *oldest);
    }
    while (c.pixels + pixels > kMaxPixels) {
        Copy* oldest = Oldest(c, false);
        if (oldest == nullptr) break;
        Drop(c, *oldest);
    }
    if (c.copies.size() < kMaxCopies) {
        c.copies.emplace_back();
        return c.copies.back();
    }
    auto oldest = std::min_element(c.copies.begin(), c.copies.end(), byAge);
    c.index.erase(oldest->key);
    return *oldest;
}

bool Make(Cache& c, Copy& copy, const Source& src, const Key& key, const SDL_Rect& box) {
    const GfxState& g = GfxS();
    const bool tooSmall = copy.texW < box.w || copy.texH < box.h;
    const bool tooBig = copy.texW * copy.texH > 4 * (box.w + 8) * (box.h + 8);
    if (copy.tex == nullptr || tooSmall || tooBig) {
        if (copy.tex != nullptr) SDL_DestroyTexture(copy.tex);
        Count(c, copy, -1);
        // A little room, so that a sparkle growing by a pixel keeps its texture.
        copy.texW = box.w + 8;
        copy.texH = box.h + 8;
        // Streaming: the turn is written straight into the texture's pixels, with no copy of
        // them on the side.
        copy.tex = SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                     copy.texW, copy.texH);
        copy.mods = GfxTexMods();
        if (copy.tex == nullptr) {
            copy.texW = copy.texH = 0;
            return false;
        }
        Count(c, copy, +1);
        SDL_SetTextureBlendMode(copy.tex, SDL_BLENDMODE_BLEND);
    }
    const SDL_Rect part{0, 0, box.w, box.h};
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(copy.tex, &part, &pixels, &pitch) != 0) return false;
    Turn(src, key, box, static_cast<std::uint32_t*>(pixels), pitch / 4);
    SDL_UnlockTexture(copy.tex);
    copy.key = key;
    copy.box = box;
    return true;
}

void ApplyBlend(Copy& copy) {
    const GfxState& s = GfxS();
    if (copy.mods.blend != s.sdlBlend) {
        SDL_SetTextureBlendMode(copy.tex, s.sdlBlend);
        copy.mods.blend = s.sdlBlend;
    }
}

bool copiesAllowed = true;

// Whether turns of this size, angle and blend are drawn here rather than by SDL.
bool ThisPathTurns(float sx, float sy, float angle, SDL_BlendMode blend) {
    const GfxState& s = GfxS();
    if (!copiesAllowed || !s.softwareRenderer || s.pixelScaleX != 1.0f || s.pixelScaleY != 1.0f) return false;
    // Quarter turns are exact pixel moves in SDL already.
    if (angle == 0 || std::fmod(angle, 90.0f) == 0) return false;
    if (!(sx > 0) || !(sy > 0)) return false;
    return blend == SDL_BLENDMODE_BLEND || blend == SDL_BLENDMODE_ADD;
}

bool ThisPathDraws(const GfxImageData& img) {
    const GfxState& s = GfxS();
    // An opaque picture at full opacity is copied, not blended (gfx_state.cpp).
    const bool copied = img.opaque && s.colA == 255 && s.sdlBlend == SDL_BLENDMODE_BLEND;
    return !copied && ThisPathTurns(s.scaleX, s.scaleY, s.rotation, s.sdlBlend);
}

// A turn of `img` with its handle on (x, y) (origin included): its key, and the whole pixel the
// handle lands in. False when it is too small to turn, or too large for a copy (SDL cuts those to
// the screen itself).
bool KeyFor(const Image& img, float x, float y, float sx, float sy, float angle, std::uint32_t tint, Key& key,
            float& wholeX, float& wholeY, SDL_Rect& box) {
    key.img = img.get();
    key.dw = img->w * sx;
    key.dh = img->h * sy;
    key.cx = img->hx * sx;
    key.cy = img->hy * sy;
    wholeX = std::floor(x);
    wholeY = std::floor(y);
    key.px = std::round((x - wholeX) * kSpotSteps) / kSpotSteps;
    key.py = std::round((y - wholeY) * kSpotSteps) / kSpotSteps;
    key.angle = angle;
    key.tint = tint;
    if (!(key.dw >= 1) || !(key.dh >= 1) || key.dw > kMaxSide || key.dh > kMaxSide) return false;
    box = TurnedBox(key);
    return box.w > 0 && box.h > 0 && static_cast<long>(box.w) * box.h <= kMaxPixels / 2;
}

std::uint32_t TintOf(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
           static_cast<std::uint32_t>(g) << 8 | b;
}
}  // namespace

bool GfxDrawTurnedOnce(const Image& img, float x, float y, float sx, float sy, float angle, SDL_Color tint,
                       SDL_BlendMode blend) {
    if (!img || img->w <= 0 || img->h <= 0 || !ThisPathTurns(sx, sy, angle, blend)) return false;
    const GfxState& s = GfxS();
    Cache& c = CurrentCache();
    Key key;
    float wholeX = 0, wholeY = 0;
    SDL_Rect box{0, 0, 0, 0};
    if (!KeyFor(img, x, y, sx, sy, angle, TintOf(tint.r, tint.g, tint.b, tint.a), key, wholeX, wholeY, box))
        return false;
    if (tint.a == 0) return true;  // draws nothing
    const Source* src = SourceOf(c, img);
    if (src == nullptr) return false;
    if (c.once == nullptr || c.onceW < box.w || c.onceH < box.h) {
        if (c.once != nullptr) SDL_DestroyTexture(c.once);
        c.onceW = std::max(c.onceW, box.w + 8);
        c.onceH = std::max(c.onceH, box.h + 8);
        c.once = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, c.onceW,
                                   c.onceH);
        if (c.once == nullptr) {
            c.onceW = c.onceH = 0;
            return false;
        }
    }
    // Locking waits for the draws of the last turn still queued.
    const SDL_Rect part{0, 0, box.w, box.h};
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(c.once, &part, &pixels, &pitch) != 0) return false;
    Turn(*src, key, box, static_cast<std::uint32_t*>(pixels), pitch / 4);
    SDL_UnlockTexture(c.once);
    SDL_SetTextureBlendMode(c.once, blend);
    const SDL_Rect at{box.x + static_cast<int>(wholeX), box.y + static_cast<int>(wholeY), box.w, box.h};
    SDL_RenderCopy(s.renderer, c.once, &part, &at);
    return true;
}

bool GfxDrawTurnedCopy(const Image& img, float x, float y) {
    if (!img || img->w <= 0 || img->h <= 0 || !ThisPathDraws(*img)) return false;
    const GfxState& s = GfxS();
    Cache& c = CurrentCache();
    Key key;
    float wholeX = 0, wholeY = 0;
    SDL_Rect box{0, 0, 0, 0};
    if (!KeyFor(img, x + s.originX, y + s.originY, s.scaleX, s.scaleY, s.rotation,
                TintOf(s.colR, s.colG, s.colB, s.colA), key, wholeX, wholeY, box))
        return false;
    const long pixels = static_cast<long>(box.w) * box.h;

    Copy* copy = nullptr;
    auto found = c.index.find(key);
    if (found != c.index.end() && c.copies[found->second].img.lock() != img) {
        c.copies[found->second].key = Key();  // made from a picture gone since
        c.index.erase(found);
        found = c.index.end();
    }
    if (found != c.index.end()) {
        copy = &c.copies[found->second];
    } else {
        const Source* src = SourceOf(c, img);
        if (src == nullptr) return false;
        Copy& slot = FreeSlot(c, pixels + 64L * (box.w + box.h));
        if (!Make(c, slot, *src, key, box)) {
            c.index.erase(slot.key);
            slot.key = Key();
            return false;
        }
        slot.img = img;
        copy = &slot;
        c.index[key] = static_cast<std::size_t>(copy - c.copies.data());
    }
    copy->lastUse = ++c.clock;
    ApplyBlend(*copy);
    const SDL_Rect part{0, 0, copy->box.w, copy->box.h};
    const SDL_Rect at{copy->box.x + static_cast<int>(wholeX), copy->box.y + static_cast<int>(wholeY),
                      copy->box.w, copy->box.h};
    SDL_RenderCopy(s.renderer, copy->tex, &part, &at);
    return true;
}

bool GfxTurnedCopyNeedsPixels(const GfxImageData& img) {
    if (!copiesAllowed || !GfxS().softwareRenderer) return false;
    const Cache& c = TheCache();
    const auto it = c.sources.find(&img);
    return c.generation != GfxS().generation || it == c.sources.end() || it->second.img.expired() ||
           it->second.w != img.w || it->second.h != img.h;
}

void GfxPrefetchTurnedPixels(const std::vector<Image>& images) {
    std::vector<std::string> paths;
    for (const Image& img : images) {
        if (!img || img->source.empty() || !GfxTurnedCopyNeedsPixels(*img)) continue;
        if (img->rgba.empty()) {
            paths.push_back(img->source);
            continue;
        }
        // Not drawn yet, its pixels still here: kept for its turns before the texture takes them.
        SourceOf(CurrentCache(), img);
    }
    if (!paths.empty()) GfxPrefetchImages(paths);
}

void GfxLetTurnedCopiesGo() {
    Cache& c = TheCache();
    DestroyTextures(c);
    c.copies.clear();
    c.index.clear();
    c.pixels = c.largePixels = 0;
}

void GfxSetTurnedCopies(bool allowed) { copiesAllowed = allowed; }

long GfxTurnedCopyPixels() { return TheCache().pixels; }

std::size_t GfxTurnedCopiesHeld() { return TheCache().copies.size(); }

void GfxDropTurnedCopies() { Reset(TheCache()); }
