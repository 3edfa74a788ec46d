#include "platform/gfx_batch.h"

#include <algorithm>
#include <cmath>
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
}  // namespace

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
    // The vertices carry colour and alpha: the texture itself draws plain.
    GfxTexMods& mods = img->mods;
    const SDL_BlendMode mode = blend == GFX_BLEND_LIGHT ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND;
    if (mods.r != 255 || mods.g != 255 || mods.b != 255) {
        SDL_SetTextureColorMod(tex, 255, 255, 255);
        mods.r = mods.g = mods.b = 255;
    }
    if (mods.a != 255) {
        SDL_SetTextureAlphaMod(tex, 255);
        mods.a = 255;
    }
    if (mods.blend != mode) {
        SDL_SetTextureBlendMode(tex, mode);
        mods.blend = mode;
    }
    vertices.resize(count * 4);
    indices.resize(count * 6);
    const auto w = static_cast<float>(img->w);
    const auto h = static_cast<float>(img->h);
    for (std::size_t i = 0; i < count; ++i) {
        Quad(sprites[i], w, h, img->hx, img->hy, g.originX, g.originY, &vertices[i * 4]);
        const int base = static_cast<int>(i * 4);
        const int quad[6] = {base, base + 1, base + 2, base, base + 2, base + 3};
        std::copy(quad, quad + 6, &indices[i * 6]);
    }
    SDL_RenderGeometry(g.renderer, tex, vertices.data(), static_cast<int>(vertices.size()), indices.data(),
                       static_cast<int>(indices.size()));
}
