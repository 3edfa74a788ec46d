// Filled rectangles and lines in the current colour, alpha and blend.
#include <cmath>

#include "platform/angles.h"
#include "platform/platform_internal.h"

namespace {
void UseDrawState(SDL_Renderer* r) {
    const GfxState& g = GfxS();
    SDL_SetRenderDrawColor(r, g.colR, g.colG, g.colB, g.colA);
    SDL_SetRenderDrawBlendMode(r, g.sdlBlend);
}
}  // namespace

// The rectangle hangs from its top-left corner: scale grows it from there and
// rotation turns it around that corner, like an image with its handle at 0,0.
void GfxDrawRect(float x, float y, float w, float h) {
    if (GfxLayerTakesCall()) {
        GfxNoteRect(x, y, w, h);
        return;
    }
    if (!GfxCanDraw()) {
        return;
    }
    const GfxState& g = GfxS();
    const float px = x + g.originX;
    const float py = y + g.originY;
    const float sw = w * g.scaleX;
    const float sh = h * g.scaleY;
    if (g.rotation == 0.0f) {
        SDL_FRect rect{std::fmin(px, px + sw), std::fmin(py, py + sh), std::fabs(sw), std::fabs(sh)};
        UseDrawState(g.renderer);
        SDL_RenderFillRectF(g.renderer, &rect);
        return;
    }
    const float rad = DegToRad(g.rotation);
    const float c = std::cos(rad);
    const float s = std::sin(rad);
    const SDL_Color colour{g.colR, g.colG, g.colB, g.colA};
    SDL_Vertex v[4];
    const float corners[4][2] = {{0, 0}, {sw, 0}, {sw, sh}, {0, sh}};
    for (int i = 0; i < 4; ++i) {
        // Clockwise on screen, y pointing down.
        v[i].position = SDL_FPoint{px + corners[i][0] * c - corners[i][1] * s,
                                   py + corners[i][0] * s + corners[i][1] * c};
        v[i].color = colour;
        v[i].tex_coord = SDL_FPoint{0, 0};
    }
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    UseDrawState(g.renderer);
    SDL_RenderGeometry(g.renderer, nullptr, v, 4, indices, 6);
}

void GfxDrawLine(float x1, float y1, float x2, float y2) {
    if (GfxLayerTakesCall()) {
        GfxNoteLine(x1, y1, x2, y2);
        return;
    }
    if (!GfxCanDraw()) {
        return;
    }
    const GfxState& g = GfxS();
    UseDrawState(g.renderer);
    SDL_RenderDrawLineF(g.renderer, x1 + g.originX, y1 + g.originY, x2 + g.originX, y2 + g.originY);
}
