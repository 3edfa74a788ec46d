// Still layers: where two frames' calls differ (on a grid of the screen), redrawing those spots
// into the layer's picture, and copying the picture into the back buffer.
#include <algorithm>
#include <vector>

#include "platform/gfx_layer_calls.h"
#include "platform/gfx_layer_spots.h"

namespace {
void Mark(GfxLayerData& layer, const SDL_Rect& box) {
    const GfxState& g = GfxS();
    layer.dirty.Mark(box, g.virtualW, g.virtualH);
}

void MarkCall(GfxLayerData& layer, const LayerCall& call) {
    if (call.kind != LayerCall::Kind::Batch) {
        Mark(layer, call.box);
        return;
    }
    for (const SDL_Rect& box : call.spriteBoxes) Mark(layer, box);
}

// Index ranges [front, n - back) and [front, m - back) of two sequences that differ; whatever
// lies outside them is equal pair by pair.
template <class T, class Same>
void DifferingMiddle(const T* a, size_t n, const T* b, size_t m, Same same, size_t& front, size_t& back) {
    front = 0;
    while (front < n && front < m && same(a[front], b[front])) ++front;
    back = 0;
    while (back < n - front && back < m - front && same(a[n - 1 - back], b[m - 1 - back])) ++back;
}

// Two batches of one picture and state: only the sprites that differ.
void MarkSprites(GfxLayerData& layer, const LayerCall& now, const LayerCall& before) {
    size_t front = 0, back = 0;
    DifferingMiddle(now.sprites.data(), now.sprites.size(), before.sprites.data(), before.sprites.size(),
                    SameLayerSprite, front, back);
    for (size_t i = front; i < now.sprites.size() - back; ++i) Mark(layer, now.spriteBoxes[i]);
    for (size_t i = front; i < before.sprites.size() - back; ++i) Mark(layer, before.spriteBoxes[i]);
}

// How far ahead a call may have moved when a few calls came or went before it (a chip that
// starts to shine, a caption that goes).
constexpr size_t kLookAhead = 8;

// Every spot where this frame's calls may draw other pixels than the previous frame's. The two
// lists are walked side by side; a spot no call left unpaired (or paired with a different one)
// touches is drawn by the same calls in the same order.
void MarkDifferences(GfxLayerData& layer) {
    size_t front = 0, back = 0;
    DifferingMiddle(layer.calls.data(), layer.used, layer.previous.data(), layer.previousUsed, SameLayerCall,
                    front, back);
    const size_t nowEnd = layer.used - back, beforeEnd = layer.previousUsed - back;
    const auto& calls = layer.calls;
    const auto& previous = layer.previous;
    size_t i = front, j = front;
    while (i < nowEnd && j < beforeEnd) {
        const LayerCall& now = calls[i];
        const LayerCall& before = previous[j];
        if (SameLayerCall(now, before)) {
            ++i, ++j;
            continue;
        }
        if (now.kind == LayerCall::Kind::Batch && SameLayerState(now, before)) {
            MarkSprites(layer, now, before);
            ++i, ++j;
            continue;
        }
        size_t added = 0, gone = 0;
        for (size_t d = 1; d <= kLookAhead && added == 0 && gone == 0; ++d) {
            if (i + d < nowEnd && SameLayerCall(calls[i + d], before)) added = d;
            else if (j + d < beforeEnd && SameLayerCall(now, previous[j + d])) gone = d;
        }
        if (added == 0 && gone == 0) {
            MarkCall(layer, now);
            MarkCall(layer, before);
            ++i, ++j;
        }
        for (; added > 0; --added) MarkCall(layer, calls[i++]);
        for (; gone > 0; --gone) MarkCall(layer, previous[j++]);
    }
    for (; i < nowEnd; ++i) MarkCall(layer, calls[i]);
    for (; j < beforeEnd; ++j) MarkCall(layer, previous[j]);
}

// Grows a rectangle until it cuts no scaled copy, which clipped would sample other pixels.
void HoldScaledCopiesWhole(const GfxLayerData& layer, SDL_Rect& rect) {
    const GfxState& g = GfxS();
    const SDL_Rect whole{0, 0, g.virtualW, g.virtualH};
    for (bool grown = true; grown;) {
        grown = false;
        for (size_t i = 0; i < layer.used; ++i) {
            const LayerCall& call = layer.calls[i];
            SDL_Rect box;
            if (!LayerCallMustBeWhole(call) || !SDL_IntersectRect(&call.box, &whole, &box) ||
                !LayerRectsMeet(box, rect)) {
                continue;
            }
            SDL_Rect both;
            SDL_UnionRect(&rect, &box, &both);
            if (both.x != rect.x || both.y != rect.y || both.w != rect.w || both.h != rect.h) {
                rect = both;
                grown = true;
            }
        }
    }
}

// Draws one noted call again, clipped to `rect`, with the state it was noted with; a batch draws
// `sprites` when given (those of its sprites that touch the rectangle), else finds them itself.
void Replay(const LayerCall& call, const SDL_Rect& rect, std::vector<GfxSprite>& scratch,
            const std::vector<GfxSprite>* sprites = nullptr) {
    GfxState& g = GfxS();
    SDL_Rect clip = rect;
    if (call.viewportSet && !SDL_IntersectRect(&clip, &call.viewport, &clip)) return;
    SDL_RenderSetClipRect(g.renderer, &clip);
    GfxSetColor(call.r, call.g, call.b);
    GfxSetAlpha(call.alpha);
    GfxSetBlend(call.blend);
    GfxSetScale(call.scaleX, call.scaleY);
    GfxSetRotation(call.rotation);
    GfxSetOrigin(call.originX, call.originY);
    const float* a = call.args;
    const float hx = call.img ? call.img->hx : 0, hy = call.img ? call.img->hy : 0;
    if (call.img) GfxSetHandle(call.img, call.hx, call.hy);
    switch (call.kind) {
        case LayerCall::Kind::Image:
            GfxDrawImage(call.img, a[0], a[1]);
            break;
        case LayerCall::Kind::ImageRect:
            GfxDrawImageRect(call.img, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]);
            break;
        case LayerCall::Kind::Rect:
            GfxDrawRect(a[0], a[1], a[2], a[3]);
            break;
        case LayerCall::Kind::Line:
            GfxDrawLine(a[0], a[1], a[2], a[3]);
            break;
        case LayerCall::Kind::Text:
            GfxSetImageFont(call.font);
            GfxDrawText(call.text, a[0], a[1]);
            break;
        case LayerCall::Kind::Batch:
            if (sprites == nullptr) {
                scratch.clear();
                for (size_t i = 0; i < call.sprites.size(); ++i) {
                    if (LayerRectsMeet(call.spriteBoxes[i], rect)) scratch.push_back(call.sprites[i]);
                }
                sprites = &scratch;
            }
            GfxDrawImageBatch(call.img, call.batchBlend, sprites->data(), sprites->size(), call.through);
            break;
    }
    if (call.img) GfxSetHandle(call.img, hx, hy);
}

// A picture like the back buffer; false when it was made anew (or could not be), so the layer
// must be drawn whole.
bool KeepTexture(GfxLayerData& layer) {
    const GfxState& g = GfxS();
    if (layer.tex != nullptr && layer.generation == g.generation && layer.bufferW == g.bufferW &&
        layer.bufferH == g.bufferH && layer.virtualW == g.virtualW && layer.virtualH == g.virtualH) {
        return true;
    }
    if (layer.tex != nullptr && layer.generation == g.generation) SDL_DestroyTexture(layer.tex);
    layer.tex = SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, g.bufferW,
                                  g.bufferH);
    if (layer.tex != nullptr) SDL_SetTextureBlendMode(layer.tex, SDL_BLENDMODE_NONE);
    layer.generation = g.generation;
    layer.bufferW = g.bufferW;
    layer.bufferH = g.bufferH;
    layer.virtualW = g.virtualW;
    layer.virtualH = g.virtualH;
    return false;
}

void PointAtLayer(const GfxLayerData& layer) {
    const GfxState& g = GfxS();
    SDL_SetRenderTarget(g.renderer, layer.tex);
    if (g.pixelScaleX != 1.0f || g.pixelScaleY != 1.0f) {
        SDL_RenderSetScale(g.renderer, g.pixelScaleX, g.pixelScaleY);
    }
}

// Redraws the marked spots into the layer's picture; the rectangles redrawn (grown to hold
// scaled copies whole).
std::vector<SDL_Rect> Redraw(GfxLayerData& layer) {
    GfxState& g = GfxS();
    const GfxStateScope keep;
    const DrawingThrough through;
    std::vector<GfxSprite> scratch;
    std::vector<SDL_Rect> rects = layer.dirty.Rects(g.virtualW, g.virtualH);
    for (SDL_Rect& rect : rects) HoldScaledCopiesWhole(layer, rect);
    static LayerSpots spots;
    spots.Index(rects, g.virtualW, g.virtualH);
    PointAtLayer(layer);
    layer.redrawn = 0;
    for (size_t k = 0; k < rects.size(); ++k) {
        const SDL_Rect& rect = rects[k];
        layer.redrawn += static_cast<long>(rect.w) * rect.h;
        // From the black of a cleared back buffer, as the calls would have been drawn; not where
        // the first call drawn there covers it all (the village under the menu's water).
        size_t first = 0;
        while (first < layer.used && !LayerRectsMeet(layer.calls[first].box, rect)) ++first;
        if (first == layer.used || !LayerCallCovers(layer.calls[first], rect)) {
            SDL_RenderSetClipRect(g.renderer, &rect);
            SDL_SetRenderDrawBlendMode(g.renderer, SDL_BLENDMODE_NONE);
            SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
            SDL_RenderFillRect(g.renderer, &rect);
        }
        for (size_t i = first; i < layer.used; ++i) {
            const LayerCall& call = layer.calls[i];
            if (!LayerRectsMeet(call.box, rect)) continue;
            if (call.kind == LayerCall::Kind::Batch)
                Replay(call, rect, scratch, &spots.SpritesIn(i, call, k));
            else Replay(call, rect, scratch);
        }
    }
    return rects;
}

// Copies the layer's picture into the back buffer: where it was redrawn and where something was
// drawn over its last copy, when the back buffer still holds that copy; else whole.
void CopyToBackBuffer(GfxLayerData& layer, bool kept, const std::vector<SDL_Rect>& redrawn) {
    GfxState& g = GfxS();
    const bool sameBuffer = kept && g.bufferLayer == &layer && g.pixelScaleX == 1.0f && g.pixelScaleY == 1.0f;
    GfxDamage& over = g.overLayer;
    if (!sameBuffer) over.MarkWhole();
    for (const SDL_Rect& r : redrawn) over.Mark(r, g.virtualW, g.virtualH);
    GfxUseBackBuffer();
    SDL_RenderSetClipRect(g.renderer, nullptr);
    for (const SDL_Rect& r : over.Rects(g.virtualW, g.virtualH)) {
        SDL_RenderCopy(g.renderer, layer.tex, &r, &r);  // one real pixel per logical one, or whole
        g.presentDamage.Mark(r, g.virtualW, g.virtualH);
    }
    if (over.Whole()) g.presentDamage.MarkWhole();
    over.Clear(g.virtualW, g.virtualH);
    g.bufferLayer = &layer;
}
}  // namespace

GfxLayerData::~GfxLayerData() {
    GfxState& g = GfxS();
    if (tex != nullptr && generation == g.generation && g.renderer != nullptr) SDL_DestroyTexture(tex);
    if (g.bufferLayer == this) g.bufferLayer = nullptr;
}

GfxLayer GfxCreateLayer() { return std::make_shared<GfxLayerData>(); }

void GfxBeginLayer(const GfxLayer& layer) {
    GfxState& g = GfxS();
    if (!layer) return;
    layer->direct = g.layerRecording || g.drawnSinceClear || !GfxCanDraw();
    if (layer->direct) return;
    std::swap(layer->calls, layer->previous);
    layer->previousUsed = layer->used;
    layer->used = 0;
    g.layerRecording = true;
    GfxRecordingLayer() = layer.get();
}

void GfxEndLayer(const GfxLayer& layer) {
    if (!layer) return;
    if (layer->direct) {
        layer->redrawn = -1;
        return;
    }
    GfxState& g = GfxS();
    g.layerRecording = false;
    GfxRecordingLayer() = nullptr;
    const bool kept = KeepTexture(*layer) && !layer->drawWhole;
    layer->drawWhole = false;
    if (layer->tex == nullptr) {
        GfxSettleClear();
        // No picture to keep: the calls go straight to the back buffer, and all again next time.
        std::vector<GfxSprite> scratch;
        const GfxStateScope keep;
        const DrawingThrough through;
        g.bufferLayer = nullptr;
        g.presentDamage.MarkWhole();
        for (size_t i = 0; i < layer->used; ++i)
            Replay(layer->calls[i], SDL_Rect{0, 0, g.virtualW, g.virtualH}, scratch);
        layer->generation = 0;
        layer->redrawn = -1;
        GfxApplyClip();
        return;
    }
    g.clearPending = false;  // the copy below covers the whole back buffer
    layer->dirty.Clear(g.virtualW, g.virtualH);
    if (kept) {
        MarkDifferences(*layer);
    } else {
        layer->dirty.MarkWhole();
    }
    CopyToBackBuffer(*layer, kept, Redraw(*layer));
    GfxApplyClip();
    g.drawnSinceClear = true;
}

long GfxLayerRedrawnArea(const GfxLayer& layer) { return layer ? layer->redrawn : -1; }

void GfxReleaseLayer(const GfxLayer& layer) {
    if (!layer) return;
    GfxState& g = GfxS();
    if (g.bufferLayer == layer.get()) g.bufferLayer = nullptr;
    if (layer->tex != nullptr && layer->generation == g.generation && g.renderer != nullptr) {
        SDL_DestroyTexture(layer->tex);
    }
    layer->tex = nullptr;
    layer->generation = 0;
    layer->calls.clear();
    layer->previous.clear();
    layer->used = layer->previousUsed = 0;
}

void GfxDrawOverLayer(const LayerCall& call) {
    GfxState& g = GfxS();
    if (call.kind == LayerCall::Kind::Batch) {
        for (const SDL_Rect& box : call.spriteBoxes) {
            g.overLayer.Mark(box, g.virtualW, g.virtualH);
            g.presentDamage.Mark(box, g.virtualW, g.virtualH);
        }
    } else {
        g.overLayer.Mark(call.box, g.virtualW, g.virtualH);
        g.presentDamage.Mark(call.box, g.virtualW, g.virtualH);
    }
    const DrawingThrough through;
    static std::vector<GfxSprite> scratch;  // kept, so that a frame's draws allocate nothing
    Replay(call, SDL_Rect{0, 0, g.virtualW, g.virtualH}, scratch);
    GfxApplyClip();
}

void GfxDrawLayerNow() {
    GfxState& g = GfxS();
    GfxLayerData* layer = GfxRecordingLayer();
    if (!g.layerRecording || layer == nullptr) return;
    g.layerRecording = false;
    GfxRecordingLayer() = nullptr;
    layer->direct = true;
    layer->drawWhole = true;
    layer->redrawn = -1;
    g.bufferLayer = nullptr;
    g.presentDamage.MarkWhole();
    GfxSettleClear();
    {
        const GfxStateScope keep;
        const DrawingThrough through;
        std::vector<GfxSprite> scratch;
        for (size_t i = 0; i < layer->used; ++i)
            Replay(layer->calls[i], SDL_Rect{0, 0, g.virtualW, g.virtualH}, scratch);
    }
    GfxApplyClip();
    g.drawnSinceClear = true;
}
