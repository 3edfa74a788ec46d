// Still layers: noting draw calls with their state, the pixels each may touch, and comparing
// two calls.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/angles.h"
#include "platform/gfx_layer_calls.h"

namespace {
SDL_Rect WholeScreen() { return SDL_Rect{0, 0, GfxS().virtualW, GfxS().virtualH}; }

// The box around `corners` (relative to (px, py)) turned by the call's rotation about that
// point, widened by two pixels for rounding and filtering and cut to the call's viewport; the
// whole screen when not finite.
SDL_Rect TurnedCallBox(const LayerCall& call, float px, float py, const float (*corners)[2], int n) {
    const float rad = DegToRad(call.rotation);
    const float c = call.rotation == 0 ? 1.0f : std::cos(rad);
    const float s = call.rotation == 0 ? 0.0f : std::sin(rad);
    float x0 = px, y0 = py, x1 = px, y1 = py;
    for (int i = 0; i < n; ++i) {
        const float x = px + corners[i][0] * c - corners[i][1] * s;
        const float y = py + corners[i][0] * s + corners[i][1] * c;
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    }
    if (!std::isfinite(x0 + x1 + y0 + y1) || x1 - x0 > 1e6f || y1 - y0 > 1e6f) return WholeScreen();
    SDL_Rect box{static_cast<int>(std::floor(x0)) - 2, static_cast<int>(std::floor(y0)) - 2, 0, 0};
    box.w = static_cast<int>(std::ceil(x1)) + 2 - box.x;
    box.h = static_cast<int>(std::ceil(y1)) + 2 - box.y;
    if (call.viewportSet && !SDL_IntersectRect(&box, &call.viewport, &box)) return SDL_Rect{0, 0, 0, 0};
    return box;
}

// An image's box: its drawn size around the handle, mirrored and turned as GfxDrawTexture does.
SDL_Rect ImageBox(const LayerCall& call, float dw, float dh, float hx, float hy) {
    const float ax = std::fabs(call.scaleX), ay = std::fabs(call.scaleY);
    const float cx = call.scaleX < 0 ? (dw - hx) * ax : hx * ax;
    const float cy = call.scaleY < 0 ? (dh - hy) * ay : hy * ay;
    const float corners[4][2] = {
        {-cx, -cy}, {dw * ax - cx, -cy}, {dw * ax - cx, dh * ay - cy}, {-cx, dh * ay - cy}};
    return TurnedCallBox(call, call.args[0] + call.originX, call.args[1] + call.originY, corners, 4);
}

SDL_Rect BoxOf(const LayerCall& call) {
    using Kind = LayerCall::Kind;
    const float px = call.args[0] + call.originX, py = call.args[1] + call.originY;
    switch (call.kind) {
        case Kind::Image:
            return ImageBox(call, static_cast<float>(call.img->w), static_cast<float>(call.img->h), call.hx,
                            call.hy);
        case Kind::ImageRect:
            return ImageBox(call, call.args[2], call.args[3], call.args[8], call.args[9]);
        case Kind::Rect: {
            const float w = call.args[2] * call.scaleX, h = call.args[3] * call.scaleY;
            const float corners[4][2] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
            return TurnedCallBox(call, px, py, corners, 4);
        }
        case Kind::Line: {
            LayerCall unturned = call;  // lines ignore the rotation
            unturned.rotation = 0;
            const float corners[1][2] = {{call.args[2] - call.args[0], call.args[3] - call.args[1]}};
            return TurnedCallBox(unturned, px, py, corners, 1);
        }
        case Kind::Batch: {
            SDL_Rect box{0, 0, 0, 0};
            for (const SDL_Rect& one : call.spriteBoxes) {
                if (box.w == 0 || box.h == 0) {
                    box = one;
                } else {
                    SDL_UnionRect(&box, &one, &box);
                }
            }
            return box;
        }
        case Kind::Text: {
            // The line's advance and height, with room for glyphs that reach past them.
            const float w = static_cast<float>(GfxTextWidth(call.text)) * std::fabs(call.scaleX);
            const float h = static_cast<float>(GfxTextHeight(call.text)) * std::fabs(call.scaleY);
            const float m = h * 0.5f + 2;
            const float x0 = call.scaleX < 0 ? -w - m : -m, y0 = call.scaleY < 0 ? -h - m : -m;
            const float corners[4][2] = {{x0, y0}, {w + m, y0}, {w + m, h + m}, {x0, h + m}};
            return TurnedCallBox(call, px, py, corners, 4);
        }
    }
    return WholeScreen();
}

// The next call of the recording layer, or, for a call over a layer's copy, a scratch call.
LayerCall& NewCall(LayerCall::Kind kind) {
    static LayerCall over;
    GfxLayerData* layer = GfxRecordingLayer();
    if (layer != nullptr && layer->used == layer->calls.size()) layer->calls.emplace_back();
    LayerCall& call = layer != nullptr ? layer->calls[layer->used++] : over;
    const GfxState& g = GfxS();
    call.kind = kind;
    call.img = nullptr;
    call.font = kind == LayerCall::Kind::Text ? g.font : nullptr;
    call.text.clear();
    call.sprites.clear();
    call.spriteBoxes.clear();
    std::fill(std::begin(call.args), std::end(call.args), 0.0f);
    call.hx = call.hy = 0;
    call.batchBlend = 0;
    call.through = nullptr;
    call.r = g.r;
    call.g = g.g;
    call.b = g.b;
    call.alpha = g.alpha;
    call.scaleX = g.scaleX;
    call.scaleY = g.scaleY;
    call.rotation = g.rotation;
    call.originX = g.originX;
    call.originY = g.originY;
    call.blend = g.blend;
    call.viewportSet = g.viewportSet;
    call.viewport = g.viewport;
    return call;
}

// A call over a layer's copy is drawn now; a layer's own call waits for the layer's end.
void DrawIfOver(const LayerCall& call) {
    if (GfxRecordingLayer() == nullptr) GfxDrawOverLayer(call);
}
}  // namespace

GfxLayerData*& GfxRecordingLayer() {
    static GfxLayerData* layer = nullptr;
    return layer;
}

bool SameLayerState(const LayerCall& a, const LayerCall& b) {
    const float sa[] = {a.hx,     a.hy,     a.r,        a.g,       a.b,      a.alpha,
                        a.scaleX, a.scaleY, a.rotation, a.originX, a.originY};
    const float sb[] = {b.hx,     b.hy,     b.r,        b.g,       b.b,      b.alpha,
                        b.scaleX, b.scaleY, b.rotation, b.originX, b.originY};
    return a.kind == b.kind && a.img == b.img && a.font == b.font && a.blend == b.blend &&
           a.batchBlend == b.batchBlend && a.through == b.through && a.viewportSet == b.viewportSet &&
           (!a.viewportSet || std::memcmp(&a.viewport, &b.viewport, sizeof a.viewport) == 0) &&
           std::memcmp(sa, sb, sizeof sa) == 0 && std::memcmp(a.args, b.args, sizeof a.args) == 0 &&
           a.text == b.text;
}

bool SameLayerSprite(const GfxSprite& a, const GfxSprite& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool SameLayerCall(const LayerCall& a, const LayerCall& b) {
    return SameLayerState(a, b) && a.sprites.size() == b.sprites.size() &&
           std::equal(a.sprites.begin(), a.sprites.end(), b.sprites.begin(), SameLayerSprite);
}

SDL_Rect LayerSpriteBox(const LayerCall& call, const GfxSprite& s) {
    const auto w = static_cast<float>(call.img->w), h = static_cast<float>(call.img->h);
    const float reach = std::hypot(std::max(call.hx, w - call.hx), std::max(call.hy, h - call.hy)) *
                        std::max(std::fabs(s.sx), std::fabs(s.sy));
    const float corners[2][2] = {{-reach, -reach}, {reach, reach}};
    LayerCall around;  // a square around the handle holds every turn, and batches ignore viewports
    return TurnedCallBox(around, s.x + call.originX, s.y + call.originY, corners, 2);
}

bool LayerCallMustBeWhole(const LayerCall& call) {
    using Kind = LayerCall::Kind;
    if (call.kind == Kind::Text) return call.scaleX != 1 || call.scaleY != 1;
    if (call.kind != Kind::Image && call.kind != Kind::ImageRect) return false;
    // Turned and mirrored copies are made whole in a surface of their own first.
    if (call.rotation != 0 || call.scaleX < 0 || call.scaleY < 0) return false;
    const bool resized =
        call.kind == Kind::ImageRect && (call.args[2] != call.args[6] || call.args[3] != call.args[7]);
    return resized || call.scaleX != 1 || call.scaleY != 1;
}

bool LayerCallCovers(const LayerCall& call, const SDL_Rect& rect) {
    // An opaque picture at full opacity, neither scaled nor turned, at a whole pixel: copied, it
    // leaves nothing of what was under it.
    if (call.kind != LayerCall::Kind::Image || !call.img || !call.img->opaque || call.alpha < 1 ||
        call.blend != GFX_BLEND_ALPHA || call.scaleX != 1 || call.scaleY != 1 || call.rotation != 0) {
        return false;
    }
    const float x = call.args[0] + call.originX - call.hx, y = call.args[1] + call.originY - call.hy;
    if (x != std::floor(x) || y != std::floor(y))
        return false;  // which pixel it starts on is the renderer's to say
    SDL_Rect drawn{static_cast<int>(x), static_cast<int>(y), call.img->w, call.img->h};
    if (call.viewportSet && !SDL_IntersectRect(&drawn, &call.viewport, &drawn)) return false;
    return rect.x >= drawn.x && rect.y >= drawn.y && rect.x + rect.w <= drawn.x + drawn.w &&
           rect.y + rect.h <= drawn.y + drawn.h;
}

void GfxNoteImage(const Image& img, float x, float y) {
    LayerCall& call = NewCall(LayerCall::Kind::Image);
    call.img = img;
    call.args[0] = x;
    call.args[1] = y;
    call.hx = img->hx;
    call.hy = img->hy;
    call.box = BoxOf(call);
    DrawIfOver(call);
}

void GfxNoteImageRect(const Image& img, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, float hx, float hy) {
    LayerCall& call = NewCall(LayerCall::Kind::ImageRect);
    call.img = img;
    const float args[10] = {x, y, w, h, sx, sy, sw, sh, hx, hy};
    std::copy(args, args + 10, call.args);
    call.box = BoxOf(call);
    DrawIfOver(call);
}

void GfxNoteRect(float x, float y, float w, float h) {
    LayerCall& call = NewCall(LayerCall::Kind::Rect);
    const float args[4] = {x, y, w, h};
    std::copy(args, args + 4, call.args);
    call.box = BoxOf(call);
    DrawIfOver(call);
}

void GfxNoteLine(float x1, float y1, float x2, float y2) {
    LayerCall& call = NewCall(LayerCall::Kind::Line);
    const float args[4] = {x1, y1, x2, y2};
    std::copy(args, args + 4, call.args);
    call.box = BoxOf(call);
    DrawIfOver(call);
}

void GfxNoteText(const std::string& text, float x, float y) {
    LayerCall& call = NewCall(LayerCall::Kind::Text);
    call.text = text;
    call.args[0] = x;
    call.args[1] = y;
    call.box = BoxOf(call);
    DrawIfOver(call);
}

void GfxNoteBatch(const Image& img, int blend, const GfxSprite* sprites, std::size_t count,
                  const std::shared_ptr<const GfxLightThrough>& through) {
    LayerCall& call = NewCall(LayerCall::Kind::Batch);
    call.img = img;
    call.batchBlend = blend;
    call.through = through;
    call.hx = img->hx;
    call.hy = img->hy;
    call.sprites.assign(sprites, sprites + count);
    call.spriteBoxes.resize(count);
    for (std::size_t i = 0; i < count; ++i) call.spriteBoxes[i] = LayerSpriteBox(call, sprites[i]);
    call.box = BoxOf(call);
    DrawIfOver(call);
}
