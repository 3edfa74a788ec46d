// Inside of the still layers (gfx_layer.h): the noted calls and what a layer keeps. Only the
// layer files include this header.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx_batch.h"
#include "platform/gfx_damage.h"
#include "platform/gfx_layer.h"
#include "platform/platform_internal.h"

// One noted draw call with the drawing state it would have been drawn with.
struct LayerCall {
    enum class Kind : unsigned char { Image, ImageRect, Rect, Line, Text, Batch };
    Kind kind = Kind::Image;
    Image img;
    Font font;
    std::string text;
    std::vector<GfxSprite> sprites;
    std::vector<SDL_Rect> spriteBoxes;  // what each sprite may touch, as LayerSpriteBox says
    float args[10] = {};                // the call's own arguments, in order
    float hx = 0, hy = 0;               // the image's handle at the time
    int batchBlend = 0;
    std::shared_ptr<const GfxLightThrough> through;  // a batch's light dimmed by still pictures
    float r = 0, g = 0, b = 0, alpha = 0, scaleX = 0, scaleY = 0, rotation = 0, originX = 0, originY = 0;
    int blend = 0;
    bool viewportSet = false;
    SDL_Rect viewport{0, 0, 0, 0};
    SDL_Rect box{0, 0, 0, 0};  // logical pixels it may touch (a little more)
};

struct GfxLayerData {
    std::vector<LayerCall> calls, previous;
    std::size_t used = 0, previousUsed = 0;  // the vectors keep their strings and sprites
    SDL_Texture* tex = nullptr;
    unsigned generation = 0;
    int bufferW = 0, bufferH = 0, virtualW = 0, virtualH = 0;
    bool direct = false;     // this frame's calls are drawn directly
    bool drawWhole = false;  // its picture no longer matches its last calls
    long redrawn = 0;
    GfxDamage dirty;  // spots to redraw
    ~GfxLayerData();
};

// While one lives, draw calls reach the renderer as they are: a layer's calls replayed, or a call
// over the back buffer whose spot is already noted.
class DrawingThrough {
public:
    DrawingThrough() : before_(GfxS().drawingThrough) { GfxS().drawingThrough = true; }
    ~DrawingThrough() { GfxS().drawingThrough = before_; }
    DrawingThrough(const DrawingThrough&) = delete;
    DrawingThrough& operator=(const DrawingThrough&) = delete;

private:
    bool before_;
};

// Draws a call made over the back buffer's copy of a layer, noting its spot as changed.
void GfxDrawOverLayer(const LayerCall& call);

// The layer noting calls now; null when none.
GfxLayerData*& GfxRecordingLayer();
// Same call and state but for a batch's sprites.
bool SameLayerState(const LayerCall& a, const LayerCall& b);
// Same call, same state, same sprites: it draws the same pixels.
bool SameLayerCall(const LayerCall& a, const LayerCall& b);
bool SameLayerSprite(const GfxSprite& a, const GfxSprite& b);
// The logical pixels one sprite of a batch call may touch.
SDL_Rect LayerSpriteBox(const LayerCall& call, const GfxSprite& s);
// SDL_HasIntersection, inlined: a frame asks it for every call and sprite box against every spot
// redrawn, tens of thousands of times.
inline bool LayerRectsMeet(const SDL_Rect& a, const SDL_Rect& b) {
    return a.w > 0 && a.h > 0 && b.w > 0 && b.h > 0 && a.x < b.x + b.w && b.x < a.x + a.w &&
           a.y < b.y + b.h && b.y < a.y + a.h;
}

// Whether the call paints every pixel of `rect` and lets nothing under it show (an opaque
// picture copied unscaled at a whole pixel).
bool LayerCallCovers(const LayerCall& call, const SDL_Rect& rect);
// A scaled copy: clipped, the software renderer samples it differently, so a redrawn spot must
// hold it whole.
bool LayerCallMustBeWhole(const LayerCall& call);
