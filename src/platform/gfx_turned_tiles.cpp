// Turned sprites blended straight into tiles of the target: each pixel worked out as a turned
// copy's and blended as the renderer blends that copy, bit for bit, with no texture between.
#include <algorithm>

#include "platform/gfx_target_tiles.h"
#include "platform/gfx_turn_sampling.h"
#include "platform/gfx_turned.h"

namespace {
constexpr int kTurnTile = GfxTargetTiles::kSide;

// The renderer's alpha blend of one pixel over another (ARGB8888 on ARGB8888): each colour
// channel s * a / 256 + d * (255 - a) / 256, each product rounded down; alpha a * 255 / 256 +
// d * (255 - a) / 256; a transparent pixel leaves the target as it was and an opaque one replaces it.
#if defined(__SSE2__)
// Without branches: at the soft edge of a puff the transparent and the faint pixels come in no
// order a processor could guess.
inline void BlendOver(Uint32* d, __m128i src) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i alpha = _mm_shufflelo_epi16(src, _MM_SHUFFLE(3, 3, 3, 3));
    const __m128i srcFactor = _mm_or_si128(_mm_and_si128(alpha, _mm_set_epi16(0, 0, 0, 0, 0, -1, -1, -1)),
                                           _mm_set_epi16(0, 0, 0, 0, 255, 0, 0, 0));
    const __m128i dstFactor = _mm_sub_epi16(_mm_set1_epi16(255), alpha);
    const __m128i dst = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(*d)), zero);
    const __m128i mixed = _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(src, srcFactor), 8),
                                        _mm_srli_epi16(_mm_mullo_epi16(dst, dstFactor), 8));
    // Transparent: the target as it was; opaque: the pixel itself.
    const __m128i clear = _mm_cmpeq_epi16(alpha, zero);
    const __m128i solid = _mm_cmpeq_epi16(alpha, _mm_set1_epi16(255));
    const __m128i blended = _mm_andnot_si128(_mm_or_si128(clear, solid), mixed);
    const __m128i out =
        _mm_or_si128(blended, _mm_or_si128(_mm_and_si128(clear, dst), _mm_and_si128(solid, src)));
    *d = static_cast<Uint32>(_mm_cvtsi128_si32(_mm_packus_epi16(out, zero)));
}

inline void BlendMixed(Uint32* d, const std::uint32_t* t, int stride, std::uint32_t fx, std::uint32_t fy,
                       __m128i tint) {
    BlendOver(d, TurnMixLanes(t, stride, fx, fy, tint));
}
#else
inline void BlendOver(Uint32* d, std::uint32_t s) {
    const std::uint32_t a = s >> 24;
    if (a == 0) return;
    if (a == 255) {
        *d = s;
        return;
    }
    std::uint32_t out = ((a * 255 >> 8) + ((*d >> 24) * (255 - a) >> 8)) << 24;
    for (int shift = 0; shift < 24; shift += 8)
        out |= (((s >> shift & 255) * a >> 8) + ((*d >> shift & 255) * (255 - a) >> 8)) << shift;
    *d = out;
}

inline void BlendMixed(Uint32* d, const std::uint32_t* t, int stride, std::uint32_t fx, std::uint32_t fy,
                       std::uint32_t tint) {
    BlendOver(d, TurnMix(t, stride, fx, fy, tint));
}
#endif

// Blends one sprite's turn into the tiles, where it falls inside `area`. False when it is not one
// this path draws.
bool BlendSprite(const Image& img, const TurnSource& src, const GfxTurnedSprite& s, const SDL_Rect& area) {
    if (!GfxTurnsHere(s.sx, s.sy, s.angle, SDL_BLENDMODE_BLEND)) return false;
    TurnKey key;
    float wholeX = 0, wholeY = 0;
    SDL_Rect box{0, 0, 0, 0};
    if (!TurnKeyFor(img, s.x, s.y, s.sx, s.sy, s.angle, TurnTint(s.tint.r, s.tint.g, s.tint.b, s.tint.a), key,
                    wholeX, wholeY, box))
        return false;
    if (s.tint.a == 0) return true;  // draws nothing
    const int left = box.x + static_cast<int>(wholeX), top = box.y + static_cast<int>(wholeY);
    const int firstRow = std::max(0, area.y - top), lastRow = std::min(box.h, area.y + area.h - top) - 1;
    if (firstRow > lastRow || left >= area.x + area.w || left + box.w <= area.x) return true;
    const TurnTracer tracer(src, key, box);
    const auto tint = TurnTintLanes(key.tint);
    const int stride = src.w + 2;
    GfxTargetTiles& tiles = GfxTiles();
    for (int j = firstRow; j <= lastRow; ++j) {
        const TurnRow row = tracer.Row(j);
        const int first = std::max(row.first, area.x - left);
        const int last = std::min(row.last, area.x + area.w - 1 - left);
        if (first > last) continue;
        const int y = top + j;
        // The tile under the pixels, found again only where a row crosses into the next.
        Uint32* tileRow = nullptr;
        int tileLeft = 0, tileEnd = -1;
        TraceRow(src, row, first, last,
                 [&](int i, const std::uint32_t* t, std::uint32_t fx, std::uint32_t fy) {
                     const int x = left + i;
                     if (x >= tileEnd) {
                         tileRow = tiles.At(x, y, GfxTargetTiles::ReadBack);
                         tileLeft = x;
                         tileEnd = (x / kTurnTile + 1) * kTurnTile;
                     }
                     BlendMixed(tileRow + (x - tileLeft), t, stride, fx, fy, tint);
                 });
    }
    return true;
}
}  // namespace

std::size_t GfxDrawTurnedTiles(const Image& img, const GfxTurnedSprite* sprites, std::size_t count) {
    int w = 0, h = 0;
    SDL_Rect area;
    if (!img || img->w <= 0 || img->h <= 0 || !GfxTilesArea(w, h, area) || !GfxTiles().Prepare(w, h))
        return 0;
    const TurnSource* src = GfxTurnSourceOf(img);
    if (src == nullptr) return 0;
    std::size_t done = 0;
    while (done < count && BlendSprite(img, *src, sprites[done], area)) ++done;
    GfxTiles().Lay([](Uint32*, int, int, int, int) { return SDL_BLENDMODE_NONE; });
    return done;
}
