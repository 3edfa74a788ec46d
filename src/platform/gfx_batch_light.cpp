// Many additive sprites on the software renderer: each copy costs the renderer far more than
// its few pixels, and light adds up the same in any order (a sum that stops at white). So the
// sprites are added up here, in 32-pixel tiles of the target, with the renderer's own arithmetic,
// and each tile touched is laid on with one additive copy: the pixels of the sprites drawn one by
// one.
#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/gfx_batch_stretch.h"

namespace {
constexpr int kTile = 32;
constexpr Uint32 kNoLight = 0xFF000000u;       // opaque, so the copy adds the colour as it is
constexpr std::size_t kLightPixels = 1 << 18;  // the tinted lights one picture keeps

struct Tiles {
    int w = 0, h = 0;            // the target in real pixels
    int across = 0, down = 0;    // tiles
    std::vector<int> slot;       // per tile: its place in `pixels`, or -1
    std::vector<int> touched;    // tiles with light, in the order first touched
    std::vector<Uint32> pixels;  // kTile * kTile per touched tile
    SDL_Texture* tex = nullptr;  // one tile, uploaded and copied in turn
    unsigned generation = 0;
} tiles;

// x * y / 255 as the renderer's blitter rounds it.
inline int Scale255(int x, int y) { return x * y / 255; }

bool Prepare(int w, int h) {
    const GfxState& g = GfxS();
    if (tiles.tex == nullptr || tiles.generation != g.generation) {
        tiles.tex = SDL_CreateTexture(g.renderer, g.textureFormat, SDL_TEXTUREACCESS_STREAMING, kTile, kTile);
        if (tiles.tex == nullptr) return false;
        SDL_SetTextureBlendMode(tiles.tex, SDL_BLENDMODE_ADD);
        tiles.generation = g.generation;
    }
    if (tiles.w != w || tiles.h != h) {
        tiles.w = w;
        tiles.h = h;
        tiles.across = (w + kTile - 1) / kTile;
        tiles.down = (h + kTile - 1) / kTile;
        tiles.slot.assign(static_cast<size_t>(tiles.across) * tiles.down, -1);
        tiles.touched.clear();
        tiles.pixels.clear();
    }
    return true;
}

// The first of up to kTile pixels of a tile's row, from (x, y) on.
Uint32* TileRow(int x, int y) {
    const int t = (y / kTile) * tiles.across + x / kTile;
    int& s = tiles.slot[static_cast<size_t>(t)];
    if (s < 0) {
        s = static_cast<int>(tiles.touched.size());
        tiles.touched.push_back(t);
        tiles.pixels.resize(tiles.touched.size() * kTile * kTile, kNoLight);
    }
    return &tiles.pixels[static_cast<size_t>(s) * kTile * kTile + (y % kTile) * kTile + x % kTile];
}

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

// The picture's light in one tint, made once: sparkles come in a few dozen tints.
const std::vector<Uint32>& LightPicture(GfxStretched& s, SDL_Color c) {
    const Uint32 key =
        static_cast<Uint32>(c.r) << 24 | static_cast<Uint32>(c.g) << 16 | static_cast<Uint32>(c.b) << 8 | c.a;
    auto found = s.lights.find(key);
    if (found != s.lights.end()) return found->second;
    // Tints without end (or a large picture) start again rather than grow: a megabyte at most.
    if ((s.lights.size() + 1) * s.pixels.size() > kLightPixels) s.lights.clear();
    std::vector<Uint32>& light = s.lights[key];
    light.resize(s.pixels.size());
    for (size_t i = 0; i < light.size(); ++i) light[i] = LightOf(s.pixels[i], c);
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

// Adds one sprite's light with its picture's top left at (x, y), row by row, tile by tile.
void AddLight(GfxStretched& s, int x, int y, SDL_Color c) {
    const std::vector<Uint32>& light = LightPicture(s, c);
    const int left = std::max(x, 0), right = std::min(x + s.w, tiles.w);
    if (left >= right) return;
    for (int row = 0; row < s.h; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= tiles.h) continue;
        const Uint32* from = &light[static_cast<size_t>(row) * s.w];
        for (int tx = left; tx < right;) {
            const int n = std::min(right, (tx / kTile + 1) * kTile) - tx;
            AddRow(TileRow(tx, ty), from + (tx - x), n);
            tx += n;
        }
    }
}

// Lays every touched tile on the target and empties it again.
void LayTiles(SDL_Renderer* r) {
    for (size_t i = 0; i < tiles.touched.size(); ++i) {
        const int t = tiles.touched[i];
        const int x = (t % tiles.across) * kTile, y = (t / tiles.across) * kTile;
        const SDL_Rect part{0, 0, std::min(kTile, tiles.w - x), std::min(kTile, tiles.h - y)};
        const SDL_Rect to{x, y, part.w, part.h};
        Uint32* px = &tiles.pixels[i * kTile * kTile];
        SDL_UpdateTexture(tiles.tex, nullptr, px, kTile * 4);
        SDL_RenderCopy(r, tiles.tex, &part, &to);
        std::fill(px, px + kTile * kTile, kNoLight);
        tiles.slot[static_cast<size_t>(t)] = -1;
    }
    tiles.touched.clear();
}
}  // namespace

std::size_t GfxDrawLightSums(const Image& img, SDL_Texture* src, const SDL_Vertex* quads, std::size_t count) {
    SDL_Renderer* r = GfxS().renderer;
    // Real pixels are logical ones and the target is a picture: otherwise the copies do it.
    float scaleX = 1, scaleY = 1;
    SDL_RenderGetScale(r, &scaleX, &scaleY);
    SDL_Rect viewport;
    SDL_RenderGetViewport(r, &viewport);
    SDL_Texture* target = SDL_GetRenderTarget(r);
    int w = 0, h = 0;
    if (scaleX != 1 || scaleY != 1 || viewport.x != 0 || viewport.y != 0 || target == nullptr ||
        SDL_QueryTexture(target, nullptr, nullptr, &w, &h) != 0 || !Prepare(w, h)) {
        return 0;
    }
    // Sprite by sprite, so a picture that cannot be kept leaves only the rest to the copies.
    std::size_t done = 0;
    for (; done < count; ++done) {
        const SDL_Vertex* v = &quads[done * 4];
        const float bw = v[2].position.x - v[0].position.x, bh = v[2].position.y - v[0].position.y;
        if (!(bw > 0 && bh > 0)) break;
        GfxStretched* s = GfxStretchedOf(img, src, static_cast<int>(bw), static_cast<int>(bh));
        if (s == nullptr) break;
        if (v[0].color.a == 0) continue;
        AddLight(*s, static_cast<int>(v[0].position.x), static_cast<int>(v[0].position.y), v[0].color);
    }
    LayTiles(r);
    return done;
}
