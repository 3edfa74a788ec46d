// Many additive sprites on the software renderer: each copy costs the renderer far more than
// its few pixels, and light adds up the same in any order (a sum that stops at white). So the
// sprites are added up here, in 32-pixel tiles of the target, with the renderer's own arithmetic,
// and each tile touched is laid on with one additive copy: the pixels of the sprites drawn one by
// one.
#include <algorithm>
#include <cmath>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/gfx_batch_stretch.h"
#include "platform/gfx_flatten.h"
#include "platform/gfx_target_tiles.h"

namespace {
constexpr int kTile = GfxTargetTiles::kSide;
constexpr Uint32 kNoLight = 0xFF000000u;       // opaque, so the copy adds the colour as it is
constexpr std::size_t kLightPixels = 1 << 18;  // the tinted lights one picture keeps
constexpr std::size_t kSeenTints = 4096;       // tints and opacities remembered as used once

// x * y / 255 as the renderer's blitter rounds it.
inline int Scale255(int x, int y) { return x * y / 255; }

// A tile's first touch: no light yet.
void Dark(Uint32* px, int, int, int, int) { std::fill(px, px + kTile * kTile, kNoLight); }

// The light one pixel of the picture adds, tinted and faded as the blitter does it.
Uint32 LightOf(Uint32 p, SDL_Color c) {
    int a = static_cast<int>(p >> 24);
    if (a == 0) return 0;
    int r = static_cast<int>((p >> 16) & 255), g = static_cast<int>((p >> 8) & 255),
        b = static_cast<int>(p & 255);
    if (c.r != 255) r = Scale255(r, c.r);
    if (c.g != 255) g = Scale255(g, c.g);
    if (c.b != 255) b = Scale255(b, c.b);
    if (c.a != 255) a = Scale255(a, c.a);
    if (a < 255) {
        r = Scale255(r, a);
        g = Scale255(g, a);
        b = Scale255(b, a);
    }
    return static_cast<Uint32>(r << 16 | g << 8 | b);
}

#if defined(__SSE2__)
// x / 255 rounded down, for x up to 255 * 255, in each 16-bit lane.
inline __m128i Div255(__m128i x) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, _mm_set1_epi16(1)), _mm_srli_epi16(x, 8)), 8);
}

// LightOf for two pixels in 16-bit lanes (B, G, R, A each): Scale255 by the tint and the
// opacity is the identity at 255, so every step can be taken for every pixel.
inline __m128i LightOfTwo(__m128i px, __m128i tint) {
    const __m128i tinted = Div255(_mm_mullo_epi16(px, tint));
    constexpr int kAlpha = _MM_SHUFFLE(3, 3, 3, 3);
    const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(tinted, kAlpha), kAlpha);
    return Div255(_mm_mullo_epi16(tinted, alpha));
}
#endif

// The light of `n` pixels of the picture, tinted and faded as the blitter does it (LightOf).
void LightOfAll(const Uint32* px, std::size_t n, SDL_Color c, Uint32* out) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i tint = _mm_set_epi16(c.a, c.r, c.g, c.b, c.a, c.r, c.g, c.b);
    const __m128i noAlpha = _mm_set1_epi32(0x00FFFFFF);
    for (; i + 4 <= n; i += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(px + i));
        const __m128i lo = LightOfTwo(_mm_unpacklo_epi8(four, zero), tint);
        const __m128i hi = LightOfTwo(_mm_unpackhi_epi8(four, zero), tint);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_and_si128(_mm_packus_epi16(lo, hi), noAlpha));
    }
#endif
    for (; i < n; ++i) out[i] = LightOf(px[i], c);
}

// The picture's light in one tint and opacity, kept from its second use on: water sparkles come
// in a few dozen tints, while a sparkle that fades has a new opacity every frame, whose light is
// worked out each time in one buffer rather than kept.
const std::vector<Uint32>& LightPicture(GfxStretched& s, SDL_Color c) {
    const Uint32 key =
        static_cast<Uint32>(c.r) << 24 | static_cast<Uint32>(c.g) << 16 | static_cast<Uint32>(c.b) << 8 | c.a;
    auto found = s.lights.find(key);
    if (found != s.lights.end()) return found->second;
    if (s.seenOnce.insert(key).second) {
        if (s.seenOnce.size() > kSeenTints) s.seenOnce.clear();
        static std::vector<Uint32> once;
        once.resize(s.pixels.size());
        LightOfAll(s.pixels.data(), once.size(), c, once.data());
        return once;
    }
    // Tints without end (or a large picture) start again rather than grow: a megabyte at most.
    if ((s.lights.size() + 1) * s.pixels.size() > kLightPixels) s.lights.clear();
    std::vector<Uint32>& light = s.lights[key];
    light.resize(s.pixels.size());
    LightOfAll(s.pixels.data(), light.size(), c, light.data());
    return light;
}

// Adds `n` pixels of light, each channel stopping at 255 (the tile's alpha byte stays 255).
void AddRow(Uint32* to, const Uint32* light, int n) {
    int i = 0;
#if defined(__SSE2__)
    for (; i + 4 <= n; i += 4) {
        const __m128i sum = _mm_adds_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(to + i)),
                                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(light + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), sum);
    }
#endif
    for (; i < n; ++i) {
        const Uint32 q = to[i], p = light[i];
        const Uint32 r = std::min<Uint32>(255, ((q >> 16) & 255) + ((p >> 16) & 255));
        const Uint32 g = std::min<Uint32>(255, ((q >> 8) & 255) + ((p >> 8) & 255));
        const Uint32 b = std::min<Uint32>(255, (q & 255) + (p & 255));
        to[i] = kNoLight | r << 16 | g << 8 | b;
    }
}

// Adds one sprite's light with its picture's top left at (x, y), row by row, tile by tile, where
// it falls inside `area` (the target's clip).
void AddLight(GfxStretched& s, int x, int y, SDL_Color c, const SDL_Rect& area) {
    const int left = std::max(x, area.x), right = std::min(x + s.w, area.x + area.w);
    const int top = std::max(y, area.y), bottom = std::min(y + s.h, area.y + area.h);
    if (left >= right || top >= bottom) return;
    const std::vector<Uint32>& light = LightPicture(s, c);
    GfxTargetTiles& tiles = GfxTiles();
    // Tile by tile: each tile's rows lie kTile pixels apart, so it is looked up once.
    for (int ty = top; ty < bottom;) {
        const int rows = std::min(bottom, (ty / kTile + 1) * kTile) - ty;
        for (int tx = left; tx < right;) {
            const int n = std::min(right, (tx / kTile + 1) * kTile) - tx;
            Uint32* to = tiles.At(tx, ty, Dark);
            const Uint32* from = &light[static_cast<size_t>(ty - y) * s.w + (tx - x)];
            for (int row = 0; row < rows; ++row, to += kTile, from += s.w) AddRow(to, from, n);
            tx += n;
        }
        ty += rows;
    }
}

// Where a light is seen through still pictures: their share per pixel, placed on the target.
struct Dimming {
    const GfxLightThrough* through = nullptr;
    int left = 0, top = 0;  // the share's top left on the target
};

// The light of one pixel, dimmed to a share k of 255.
inline Uint32 DimmedLight(Uint32 p, int k) {
    if (k == 255) return p;
    const int r = Scale255(static_cast<int>((p >> 16) & 255), k);
    const int g = Scale255(static_cast<int>((p >> 8) & 255), k);
    const int b = Scale255(static_cast<int>(p & 255), k);
    return kNoLight | static_cast<Uint32>(r << 16 | g << 8 | b);
}

// Dims a tile's light (its top left at (x, y) on the target) by the share let through.
void Dim(Uint32* px, int x, int y, int w, int h, const Dimming& dim) {
    const GfxLightThrough& t = *dim.through;
    for (int row = 0; row < h; ++row) {
        const int sy = y + row - dim.top;
        if (sy < 0 || sy >= t.h) continue;
        Uint32* line = px + row * kTile;
        const std::uint8_t* share = &t.share[static_cast<std::size_t>(sy) * t.w];
        for (int col = 0; col < w; ++col) {
            const int sx = x + col - dim.left;
            if (sx >= 0 && sx < t.w) line[col] = DimmedLight(line[col], share[sx]);
        }
    }
}

// True when the tile lies wholly on the picture the light is drawn right after.
bool OnBase(int x, int y, int w, int h, const Dimming& dim) {
    if (dim.through == nullptr || !dim.through->base) return false;
    const GfxImageData& base = *dim.through->base;
    const GfxLightThrough& t = *dim.through;
    return base.w == t.w && base.h == t.h && base.rgba.size() == static_cast<std::size_t>(t.w) * t.h * 4 &&
           x >= dim.left && y >= dim.top && x + w <= dim.left + t.w && y + h <= dim.top + t.h;
}

#if defined(__SSE2__)
// Four finished pixels: the light dimmed to its shares and added to the RGBA pixels under it.
inline void FinishFour(Uint32* light, const std::uint8_t* share, const std::uint8_t* under) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(light));
    const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i*>(under));
    std::uint32_t four = 0;
    std::memcpy(&four, share, 4);
    __m128i k = _mm_cvtsi32_si128(static_cast<int>(four));
    k = _mm_unpacklo_epi16(_mm_unpacklo_epi8(k, k), _mm_unpacklo_epi8(k, k));  // each share 4 times
    const __m128i lLo = Div255(_mm_mullo_epi16(_mm_unpacklo_epi8(l, zero), _mm_unpacklo_epi8(k, zero)));
    const __m128i lHi = Div255(_mm_mullo_epi16(_mm_unpackhi_epi8(l, zero), _mm_unpackhi_epi8(k, zero)));
    // The picture's R, G, B, A in the light's order (B, G, R, A in memory).
    constexpr int kSwap = _MM_SHUFFLE(3, 0, 1, 2);
    __m128i uLo = _mm_unpacklo_epi8(u, zero), uHi = _mm_unpackhi_epi8(u, zero);
    uLo = _mm_shufflehi_epi16(_mm_shufflelo_epi16(uLo, kSwap), kSwap);
    uHi = _mm_shufflehi_epi16(_mm_shufflelo_epi16(uHi, kSwap), kSwap);
    const __m128i sum = _mm_packus_epi16(_mm_add_epi16(uLo, lLo), _mm_add_epi16(uHi, lHi));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(light),
                     _mm_or_si128(sum, _mm_set1_epi32(static_cast<int>(kNoLight))));
}
#endif

// The tile's finished pixels: the picture under it with the dimmed light added, as the additive
// copy would leave them.
void Finish(Uint32* px, int x, int y, int w, int h, const Dimming& dim) {
    const GfxLightThrough& t = *dim.through;
    const std::uint8_t* rgba = dim.through->base->rgba.data();
    for (int row = 0; row < h; ++row) {
        const std::size_t at = static_cast<std::size_t>(y + row - dim.top) * t.w + (x - dim.left);
        const std::uint8_t* share = &t.share[at];
        const std::uint8_t* under = rgba + at * 4;
        Uint32* line = px + row * kTile;
        int col = 0;
#if defined(__SSE2__)
        for (; col + 4 <= w; col += 4) FinishFour(line + col, share + col, under + col * 4);
#endif
        for (; col < w; ++col) {
            const Uint32 light = DimmedLight(line[col], share[col]);
            const std::uint8_t* u = under + col * 4;
            const Uint32 r = std::min<Uint32>(255, u[0] + ((light >> 16) & 255));
            const Uint32 g = std::min<Uint32>(255, u[1] + ((light >> 8) & 255));
            const Uint32 b = std::min<Uint32>(255, u[2] + (light & 255));
            line[col] = kNoLight | r << 16 | g << 8 | b;
        }
    }
}

// A tile's light made ready to lay: finished on the picture under it when it lies wholly on it (a
// plain copy costs the renderer a fraction of an additive one), else dimmed and added.
SDL_BlendMode Ready(Uint32* px, int x, int y, int w, int h, const Dimming& dim) {
    if (OnBase(x, y, w, h, dim)) {
        Finish(px, x, y, w, h, dim);
        return SDL_BLENDMODE_NONE;
    }
    if (dim.through != nullptr) Dim(px, x, y, w, h, dim);
    return SDL_BLENDMODE_ADD;
}
}  // namespace

std::size_t GfxDrawLightSums(const Image& img, SDL_Texture* src, const SDL_Vertex* quads, std::size_t count,
                             const GfxLightThrough* through, float originX, float originY) {
    int w = 0, h = 0;
    SDL_Rect area;
    if (!GfxTilesArea(w, h, area) || !GfxTiles().Prepare(w, h)) return 0;
    // Sprite by sprite, so a picture that cannot be kept leaves only the rest to the copies.
    std::size_t done = 0;
    for (; done < count; ++done) {
        const SDL_Vertex* v = &quads[done * 4];
        const float bw = v[2].position.x - v[0].position.x, bh = v[2].position.y - v[0].position.y;
        if (!(bw > 0 && bh > 0)) break;
        GfxStretched* s = GfxStretchedOf(img, src, static_cast<int>(bw), static_cast<int>(bh));
        if (s == nullptr) break;
        if (v[0].color.a == 0) continue;
        AddLight(*s, static_cast<int>(v[0].position.x), static_cast<int>(v[0].position.y), v[0].color, area);
    }
    Dimming dim;
    if (through != nullptr && static_cast<std::size_t>(through->w) * through->h == through->share.size()) {
        dim.through = through;
        dim.left = static_cast<int>(std::floor(originX)) + through->x;
        dim.top = static_cast<int>(std::floor(originY)) + through->y;
    }
    GfxTiles().Lay([&dim](Uint32* px, int x, int y, int tw, int th) { return Ready(px, x, y, tw, th, dim); });
    return done;
}
