// How a turned picture's pixels are worked out on the software renderer: each pixel centre of
// the screen box traced back into the picture and mixed from its four nearest texels (bilinear,
// like SDL's smoothed turn), with the tint multiplied in. Turned copies (gfx_turned.cpp) write
// the pixels into a texture; turned sprites in tiles (gfx_turned_tiles.cpp) blend them straight
// onto the target's pixels. Only src/platform includes this header.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/platform_internal.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// A picture's pixels as 0xAARRGGBB with a transparent border of one texel, kept while it is
// drawn turned: sampling next to an edge then needs no test.
struct TurnSource {
    std::weak_ptr<GfxImageData> img;
    int w = 0, h = 0;  // the picture's size; the rows hold w + 2 texels
    std::vector<std::uint32_t> argb;
};

// Spots within a pixel a turn is worked out for: a quarter pixel apart, so that copies of one turn
// serve sparkles at many spots (a trail, a picture at rest), at most an eighth of a pixel off.
constexpr float kTurnSpotSteps = 4;

// Everything a turn's pixels depend on: the picture, its drawn size, the handle in drawn pixels,
// where within a pixel the handle lands (in kTurnSpotSteps) and the angle.
struct TurnKey {
    const GfxImageData* img = nullptr;
    float dw = 0, dh = 0, cx = 0, cy = 0, px = 0, py = 0, angle = 0;
    std::uint32_t tint = 0;  // colour and alpha, 0xAARRGGBB
    bool operator==(const TurnKey& o) const {
        return img == o.img && dw == o.dw && dh == o.dh && cx == o.cx && cy == o.cy && px == o.px &&
               py == o.py && angle == o.angle && tint == o.tint;
    }
};

struct TurnKeyHash {
    std::size_t operator()(const TurnKey& k) const;
};

// The picture's pixels in the bordered form; empty when it has none.
TurnSource MakeTurnSource(const Image& img);

// A turn of `img` with its handle on (x, y) (real pixels): its key, the whole pixel the handle
// lands in, and the box it may touch around that pixel. False when it is too small to turn or
// too large to work out in one piece.
bool TurnKeyFor(const Image& img, float x, float y, float sx, float sy, float angle, std::uint32_t tint,
                TurnKey& key, float& wholeX, float& wholeY, SDL_Rect& box);

// A colour and alpha as a tint, 0xAARRGGBB.
inline std::uint32_t TurnTint(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
           static_cast<std::uint32_t>(g) << 8 | b;
}

// Where a row of the box meets the picture: the first and last pixel (inclusive) whose centres
// trace back inside it, and the traced point at the first one in 16.16 texels with its step.
struct TurnRow {
    int first = 0, last = -1;
    std::int64_t u = 0, v = 0, stepU = 0, stepV = 0;
};

// The traced rows of a turn, one box row at a time.
class TurnTracer {
public:
    TurnTracer(const TurnSource& src, const TurnKey& key, const SDL_Rect& box);
    TurnRow Row(int j) const;

private:
    const TurnSource& src_;
    const TurnKey& key_;
    SDL_Rect box_;
    double cs_ = 1, sn_ = 0, ux_ = 1, uy_ = 1, du_ = 0, dv_ = 0, perU_ = 0, perV_ = 0;
};

// The four texels at `t` (two of this row, two of the next, `stride` apart) mixed across by `fx`,
// then down by `fy`, each channel rounded down at each step; then the tint's colour and alpha
// multiplied in as SDL's modulation does (each channel times the tint's, over 255, rounded down).
#if defined(__SSE2__)
// Four channels at once in 16-bit lanes: every product and sum stays below 65536, so each channel
// comes out exactly as one worked out alone (x / 255 is (x + 1 + (x >> 8)) >> 8 up to 255 * 255).
inline __m128i TurnWeights(std::uint32_t f) {
    const auto near = static_cast<short>(256 - f), far = static_cast<short>(f);
    return _mm_set_epi16(far, far, far, far, near, near, near, near);
}

// The mixed pixel in the low four 16-bit lanes (B, G, R, A); `tint` as from TurnTintLanes.
inline __m128i TurnMixLanes(const std::uint32_t* t, int stride, std::uint32_t fx, std::uint32_t fy,
                            __m128i tint) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i across = TurnWeights(fx);
    // Each row's two texels weighted, then the halves added: the top row mixed in the low four
    // lanes, the bottom one in the high four.
    const __m128i top = _mm_mullo_epi16(
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(t)), zero), across);
    const __m128i bottom = _mm_mullo_epi16(
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(t + stride)), zero), across);
    const __m128i rows =
        _mm_srli_epi16(_mm_add_epi16(_mm_unpacklo_epi64(top, bottom), _mm_unpackhi_epi64(top, bottom)), 8);
    const __m128i weighted = _mm_mullo_epi16(rows, TurnWeights(fy));
    const __m128i mixed = _mm_srli_epi16(_mm_add_epi16(weighted, _mm_unpackhi_epi64(weighted, weighted)), 8);
    const __m128i tinted = _mm_mullo_epi16(mixed, tint);
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(tinted, _mm_set1_epi16(1)), _mm_srli_epi16(tinted, 8)),
                          8);
}

inline __m128i TurnTintLanes(std::uint32_t tint) {
    return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(tint)), _mm_setzero_si128());
}

inline std::uint32_t TurnMix(const std::uint32_t* t, int stride, std::uint32_t fx, std::uint32_t fy,
                             __m128i tint) {
    const __m128i lanes = TurnMixLanes(t, stride, fx, fy, tint);
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(lanes, _mm_setzero_si128())));
}
#else
inline std::uint32_t TurnTintLanes(std::uint32_t tint) { return tint; }

// Two texels mixed, `f` in 1/256ths toward `b`: red and blue, then alpha and green, in pairs.
inline std::uint32_t TurnLerp(std::uint32_t a, std::uint32_t b, std::uint32_t f) {
    const std::uint32_t rb = ((a & 0xFF00FFu) * (256 - f) + (b & 0xFF00FFu) * f) >> 8 & 0xFF00FFu;
    const std::uint32_t ag = ((a >> 8 & 0xFF00FFu) * (256 - f) + (b >> 8 & 0xFF00FFu) * f) >> 8 & 0xFF00FFu;
    return rb | ag << 8;
}

inline std::uint32_t TurnMix(const std::uint32_t* t, int stride, std::uint32_t fx, std::uint32_t fy,
                             std::uint32_t tint) {
    const std::uint32_t p = TurnLerp(TurnLerp(t[0], t[1], fx), TurnLerp(t[stride], t[stride + 1], fx), fy);
    const std::uint32_t a = (p >> 24) * (tint >> 24) / 255, r = (p >> 16 & 255) * (tint >> 16 & 255) / 255,
                        g = (p >> 8 & 255) * (tint >> 8 & 255) / 255, b = (p & 255) * (tint & 255) / 255;
    return a << 24 | r << 16 | g << 8 | b;
}
#endif

// Calls `pixel(i, texels, fx, fy)` for every pixel i of the traced row whose four texels are not
// all transparent (texels: the top left one of the four, in `src.argb`).
template <class Pixel>
inline void TraceRow(const TurnSource& src, const TurnRow& row, int first, int last, Pixel&& pixel) {
    const int stride = src.w + 2;
    std::int64_t u = row.u + (first - row.first) * row.stepU, v = row.v + (first - row.first) * row.stepV;
    for (int i = first; i <= last; ++i, u += row.stepU, v += row.stepV) {
        const auto tx = static_cast<int>(std::clamp<std::int64_t>(u >> 16, 0, src.w));
        const auto ty = static_cast<int>(std::clamp<std::int64_t>(v >> 16, 0, src.h));
        const std::uint32_t* t = &src.argb[static_cast<std::size_t>(ty) * stride + tx];
        if ((t[0] | t[1] | t[stride] | t[stride + 1]) == 0) continue;
        pixel(i, t, static_cast<std::uint32_t>(u >> 8 & 255), static_cast<std::uint32_t>(v >> 8 & 255));
    }
}
