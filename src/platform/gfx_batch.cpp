#include "platform/gfx_batch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/angles.h"
#include "platform/gfx_batch_stretch.h"
#include "platform/gfx_flatten.h"
#include "platform/gfx_turned.h"
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

bool copiesAllowed = true;
// From this many additive sprites on they are summed in tiles rather than copied one by one.
constexpr std::size_t kLightSumsFrom = 64;

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
    GfxStretched* s = GfxStretchedOf(img, src, w, h);
    if (s == nullptr) return false;
    const SDL_Color c = v[0].color;
    GfxSetTexMods(s->tex, s->mods, c.r, c.g, c.b, c.a, mode);
    SDL_RenderCopyF(r, s->tex, nullptr, &box);
    return true;
}

bool Upright(const GfxSprite& s) { return s.rotation == 0 && s.sx > 0 && s.sy > 0; }
bool Turned(const GfxSprite& s) { return s.rotation != 0 && s.sx > 0 && s.sy > 0; }

// The run of turned sprites from `sprites` on, blended in tiles of the target; how many of the
// first it drew (none when the tiles cannot serve here).
std::size_t DrawTurnedRun(const Image& img, const GfxSprite* sprites, std::size_t count, float ox, float oy) {
    static std::vector<GfxTurnedSprite> run;  // kept, so that a frame's batches allocate nothing
    run.clear();
    for (std::size_t i = 0; i < count && Turned(sprites[i]); ++i) {
        const GfxSprite& s = sprites[i];
        run.push_back(
            GfxTurnedSprite{s.x + ox, s.y + oy, s.sx, s.sy, s.rotation,
                            SDL_Color{ColourByte(s.r), ColourByte(s.g), ColourByte(s.b), AlphaByte(s.a)}});
    }
    return GfxDrawTurnedTiles(img, run.data(), run.size());
}

// Sprites drawn one by one take the share of light at their handle: a sparkle is a few pixels.
const GfxSprite* DimmedBy(const GfxLightThrough& through, const GfxSprite* sprites, std::size_t count) {
    if (static_cast<std::size_t>(through.w) * through.h != through.share.size()) return sprites;
    static std::vector<GfxSprite> dimmed;
    dimmed.assign(sprites, sprites + count);
    for (GfxSprite& s : dimmed) {
        const int x = static_cast<int>(std::floor(s.x)) - through.x;
        const int y = static_cast<int>(std::floor(s.y)) - through.y;
        if (x < 0 || y < 0 || x >= through.w || y >= through.h) continue;
        const float share = through.share[static_cast<std::size_t>(y) * through.w + x] / 255.0f;
        s.r *= share;
        s.g *= share;
        s.b *= share;
    }
    return dimmed.data();
}

}  // namespace

void GfxSetBatchCopies(bool allowed) { copiesAllowed = allowed; }

std::size_t GfxBatchPicturesHeld() {
    GfxSweepStretched();
    return GfxStretchedCount();
}

void GfxDrawImageBatch(const Image& img, int blend, const GfxSprite* sprites, std::size_t count,
                       const std::shared_ptr<const GfxLightThrough>& through) {
    if (!img || sprites == nullptr || count == 0) return;
    if (GfxLayerTakesCall()) {
        GfxNoteBatch(img, blend, sprites, count, through);
        return;
    }
    if (!GfxCanDraw()) return;
    SDL_Texture* tex = GfxTextureOf(*img);
    if (tex == nullptr) return;
    const GfxState& g = GfxS();
    const SDL_BlendMode mode = blend == GFX_BLEND_LIGHT ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND;
    const bool copies = copiesAllowed && g.softwareRenderer;
    if (copies) GfxSweepStretched();
    vertices.resize(count * 4);
    indices.resize(count * 6);
    const auto w = static_cast<float>(img->w);
    const auto h = static_cast<float>(img->h);
    // Light adds up in any order: many additive sprites are summed first.
    std::size_t first = 0;
    if (copies && mode == SDL_BLENDMODE_ADD && count >= kLightSumsFrom &&
        std::all_of(sprites, sprites + count, Upright)) {
        for (std::size_t i = 0; i < count; ++i)
            Quad(sprites[i], w, h, img->hx, img->hy, g.originX, g.originY, &vertices[i * 4]);
        first = GfxDrawLightSums(img, tex, vertices.data(), count, through.get(), g.originX, g.originY);
    }
    if (first < count && through != nullptr && mode == SDL_BLENDMODE_ADD) {
        sprites = DimmedBy(*through, sprites, count);
    }
    // Runs of sprites that need geometry are drawn in one call each, between the copies, so the
    // order of drawing stays the order of the sprites.
    std::size_t quads = 0;
    auto flush = [&] {
        if (quads == 0) return;
        GfxSetTexMods(tex, img->mods, 255, 255, 255, 255, mode);  // the vertices carry colour and alpha
        SDL_RenderGeometry(g.renderer, tex, vertices.data(), static_cast<int>(quads * 4), indices.data(),
                           static_cast<int>(quads * 6));
        // The software renderer draws upright quads as copies and leaves the last one's colour
        // and alpha on the texture: what it holds is read back, so later draws set their own.
        SDL_GetTextureColorMod(tex, &img->mods.r, &img->mods.g, &img->mods.b);
        SDL_GetTextureAlphaMod(tex, &img->mods.a);
        quads = 0;
    };
    for (std::size_t i = first; i < count; ++i) {
        if (copies && mode == SDL_BLENDMODE_BLEND && Turned(sprites[i])) {
            flush();
            const std::size_t drawn = DrawTurnedRun(img, sprites + i, count - i, g.originX, g.originY);
            i += drawn;
            if (i == count) break;
        }
        const GfxSprite& s = sprites[i];
        SDL_Vertex q[4];
        Quad(s, w, h, img->hx, img->hy, g.originX, g.originY, q);
        if (copies && Upright(s)) {
            if (q[0].color.a == 0) continue;  // draws nothing
            flush();
            if (DrawAsCopy(img, tex, q, mode)) continue;
        } else if (copies && !Upright(s) && s.sx > 0 && s.sy > 0) {
            flush();
            if (GfxDrawTurnedOnce(img, s.x + g.originX, s.y + g.originY, s.sx, s.sy, s.rotation, q[0].color,
                                  mode))
                continue;
        }
        std::copy(q, q + 4, &vertices[quads * 4]);
        const int base = static_cast<int>(quads * 4);
        const int quad[6] = {base, base + 1, base + 2, base, base + 2, base + 3};
        std::copy(quad, quad + 6, &indices[quads * 6]);
        ++quads;
    }
    flush();
}
