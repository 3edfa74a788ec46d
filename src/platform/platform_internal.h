// Shared internals of the platform layer: the state each area keeps and the
// hooks one area calls in another. Only src/platform includes this header.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx_damage.h"
#include "platform/image_codecs.h"
#include "platform/platform.h"

// Texture colour, alpha and blend as last given to SDL, so that draw calls only
// talk to SDL when a value changes.
struct GfxTexMods {
    Uint8 r = 255, g = 255, b = 255, a = 255;
    SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
};

struct GfxImageData {
    int w = 0;
    int h = 0;
    float hx = 0;
    float hy = 0;
    int flags = 0;
    bool opaque = false;  // every pixel fully opaque: drawn without blending when it can be
    // Pixels until the texture exists. A picture read from a file lets them go then and reads
    // the file again should a renderer change need them; a made one keeps them.
    PixelBytes rgba;
    std::string source;  // the file it was read from; empty for a made picture
    SDL_Texture* tex = nullptr;
    unsigned texGeneration = 0;  // renderer generation the texture belongs to
    GfxTexMods mods;
    ~GfxImageData();
};

// Everything the graphics files share. Lives on the heap for the whole run so
// that images released during static destruction still find it.
struct GfxLayerData;
// The back buffer's geometry: its logical and real sizes and the real pixels per logical one.
struct BackBufferShape {
    int virtualW = 0, virtualH = 0;
    int bufferW = 0, bufferH = 0;
    float scaleX = 1, scaleY = 1;
};
struct GfxState {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Surface* headlessSurface = nullptr;
    SDL_Texture* target = nullptr;  // the back buffer: virtual size times the pixel scale
    int bufferW = 0;                // its size in real pixels
    int bufferH = 0;
    float pixelScaleX = 1;  // real pixels per logical unit in the back buffer
    float pixelScaleY = 1;
    bool softwareRenderer = false;
    int maxTextureW = 0;  // the renderer's limit; 0 when it has none
    int maxTextureH = 0;
    unsigned generation = 1;  // bumped whenever a renderer comes or goes
    Uint32 textureFormat = SDL_PIXELFORMAT_ARGB8888;
    bool opened = false;
    bool nullRenderer = false;
    bool vsyncGranted = false;
    int virtualW = 0;
    int virtualH = 0;
    bool virtualSet = false;

    // Drawing state as the game set it, plus the bytes handed to SDL.
    float r = 255, g = 255, b = 255, alpha = 1;
    int blend = GFX_BLEND_ALPHA;
    Uint8 colR = 255, colG = 255, colB = 255, colA = 255;
    SDL_BlendMode sdlBlend = SDL_BLENDMODE_BLEND;
    float scaleX = 1, scaleY = 1, rotation = 0, originX = 0, originY = 0;
    SDL_Rect viewport{0, 0, 0, 0};
    bool viewportSet = false;
    Font font;

    bool keepLastFrame = false;
    std::vector<std::uint8_t> lastFrameReal;  // the last presented frame, real RGBA pixels
    BackBufferShape lastFrameShape;           // its geometry; zero while none is kept
    bool layerRecording = false;              // a still layer notes the draw calls instead (gfx_layer.h)
    bool drawnSinceClear = false;             // the back buffer holds more than the clear's black
    bool clearPending = false;                // GfxCls was asked; the clear waits for the first drawing
    // What changed, so that only that is copied and shown again (gfx_layer.cpp, GfxFlip).
    GfxLayerData* bufferLayer = nullptr;      // the layer whose picture the back buffer holds, spots
                                              // of `overLayer` aside; null when unknown
    GfxDamage overLayer;                      // spots drawn over that picture since it was copied
    GfxDamage presentDamage;                  // spots of the back buffer changed since the last present
    bool drawingThrough = false;              // a call being drawn whose spot is noted (or needs none)
    SDL_Surface* presentedSurface = nullptr;  // the window's framebuffer shown last
    long presentedArea = 0;                   // logical pixels the last present showed again
    std::string title = "Brambleton";
};

GfxState& GfxS();

// True when draw calls should reach a renderer.
inline bool GfxCanDraw() {
    const GfxState& g = GfxS();
    return g.renderer != nullptr && g.target != nullptr;
}

// A texture to draw from, with its size and the modulation last given to it.
struct GfxTexRef {
    SDL_Texture* tex;
    int w;
    int h;
    GfxTexMods* mods;
    bool opaque = false;
};

// Draws `src` (whole texture when null) into a box of dw x dh logical pixels
// whose point (hx, hy) lands on (x, y), with the current tint, alpha, blend,
// scale, rotation and origin.
void GfxDrawTexture(const GfxTexRef& t, const SDL_Rect* src, float x, float y, float dw, float dh, float hx,
                    float hy);
// The image's texture for the current renderer, made on first use; null when it has no pixels.
SDL_Texture* GfxTextureOf(GfxImageData& img);
// A texture of the renderer's preferred format from RGBA bytes; null on failure.
SDL_Texture* GfxMakeTexture(int w, int h, const std::uint8_t* rgba, bool filtered);
// Re-applies the clip rectangle (SDL forgets it when the target changes).
void GfxApplyClip();
// Points the renderer at the window (true) or back at the back buffer (false).
void GfxUseWindowTarget(bool window);
// (Re)makes the back buffer for the virtual size and the drawable's pixel scale; false when
// no buffer could be made. Points the renderer at it when it was made anew.
bool GfxEnsureBackBuffer();
// Points the renderer at the back buffer, logical units scaled onto its real pixels.
void GfxUseBackBuffer();
void GfxShutdown();

// Clears the back buffer now if GfxCls asked for it. A clear waits for the first drawing, the
// first read or the present: a still layer that covers the whole buffer makes it unneeded.
void GfxSettleClear();
// Still layers (gfx_layer.cpp). Every draw entry point asks first: true when a layer notes the
// call, which must then not draw; otherwise the back buffer counts as drawn on.
// Over a layer's copy in the back buffer a call is noted too, for its spot, and then drawn.
inline bool GfxLayerTakesCall() {
    GfxState& g = GfxS();
    if (g.layerRecording || (g.bufferLayer != nullptr && !g.drawingThrough)) return true;
    GfxSettleClear();
    g.drawnSinceClear = true;
    if (!g.drawingThrough) g.presentDamage.MarkWhole();  // drawn where nobody noted
    return false;
}
// A read of the back buffer while a still layer notes calls: the calls noted so far and the rest
// of the frame's are drawn directly (the layer is drawn whole next time).
void GfxDrawLayerNow();
struct GfxSprite;
void GfxNoteImage(const Image& img, float x, float y);
void GfxNoteImageRect(const Image& img, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, float hx, float hy);
void GfxNoteRect(float x, float y, float w, float h);
void GfxNoteLine(float x1, float y1, float x2, float y2);
void GfxNoteText(const std::string& text, float x, float y);
struct GfxLightThrough;
void GfxNoteBatch(const Image& img, int blend, const GfxSprite* sprites, std::size_t count,
                  const std::shared_ptr<const GfxLightThrough>& through);

// Graphics helpers used by several files.
// Logical pixels of the back buffer; at a pixel scale above 1 each is the mean of its real pixels.
Pixmap GfxReadBackBuffer(int x, int y, int w, int h);
// The whole back buffer in its real pixels (bufferW x bufferH).
Pixmap GfxReadRealBackBuffer();
// Keeps the frame just drawn for GfxLastFrame (the --screenshot flag).
void GfxKeepFrameNow();
// Copies a w x h rectangle of the back buffer into rows from `top` on of `tex`, made opaque,
// without converting the pixels twice; false (nothing copied) unless the buffer's pixels are
// logical ones, `tex` has the buffer's format and the rectangle lies inside the buffer.
bool GfxCopyBackBufferRows(SDL_Texture* tex, int top, int x, int y, int w, int h);
// Tests: the back buffer as if the drawable had `scale` real pixels per logical one (headless
// runs too); 0 goes back to the measured scale. Kept across restarts of the platform.
void GfxForceBackBufferScale(float scale);
SDL_Surface* GfxMakeIconSurface();

// Input: applies one event to the input state (SysPoll calls it).
void InApplyEvent(const InputEvent& e);
void InResetState();
// Pumps SDL and queued events into the input state.
void InPollEvents();

// System: frame step of the clock, focus and close state.
void SysOnFlip();
void SysSetSuspended(bool suspended);
void SysRequestClose();
void SysResetState();

// Sound device lifetime.
void SndOpenDevice(bool wantDevice);
void SndCloseDevice();

// Files: the whole file into `out`; false when missing or unreadable.
bool FsReadAll(const std::string& path, std::string& out);

// The configuration given to PlatformInit.
PlatformConfig& PlatformConfigRef();
bool PlatformVideoReady();
