// The back buffer: its size in real pixels (the virtual size times the pixel
// scale of the drawable), pointing the renderer at it, and reading it back.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/platform_internal.h"

namespace {
float gForcedScale = 0;  // tests: a pretended drawable scale; 0 measures the real one
// Beyond this the back buffer costs more memory than the sharpness is worth.
constexpr float kMaxPixelScale = 4.0f;

// Real pixels per logical unit: the letterboxed area of the window's drawable
// over the virtual size, never below 1. The software renderer takes only the
// display's density (drawable over window size), so a large window on an
// ordinary screen costs no more per frame than before.
float WantedPixelScale(const GfxState& g) {
    if (gForcedScale > 0) {
        return gForcedScale;
    }
    int ow = 0, oh = 0;
    if (g.window == nullptr || SDL_GetRendererOutputSize(g.renderer, &ow, &oh) != 0 || ow <= 0 || oh <= 0) {
        return 1;
    }
    float scale = std::min(static_cast<float>(ow) / g.virtualW, static_cast<float>(oh) / g.virtualH);
    int ww = 0, wh = 0;
    SDL_GetWindowSize(g.window, &ww, &wh);
    if (g.softwareRenderer && ww > 0) {
        scale = std::min(scale, static_cast<float>(ow) / ww);
    }
    return std::clamp(scale, 1.0f, kMaxPixelScale);
}

int BufferSide(int logical, float scale, int limit) {
    const int side = std::max(logical, static_cast<int>(std::floor(logical * scale + 1e-3f)));
    return limit > 0 ? std::min(side, std::max(limit, logical)) : side;
}

SDL_Texture* MakeBackBuffer(GfxState& g, float scale) {
    g.bufferW = BufferSide(g.virtualW, scale, g.maxTextureW);
    g.bufferH = BufferSide(g.virtualH, scale, g.maxTextureH);
    g.pixelScaleX = static_cast<float>(g.bufferW) / g.virtualW;
    g.pixelScaleY = static_cast<float>(g.bufferH) / g.virtualH;
    return SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, g.bufferW,
                             g.bufferH);
}

}  // namespace

// Points the renderer at the back buffer with the game's logical units mapped
// onto its real pixels (SDL resets the scale and clip whenever the target changes).
void GfxUseBackBuffer() {
    GfxState& g = GfxS();
    SDL_SetRenderTarget(g.renderer, g.target);
    if (g.pixelScaleX != 1.0f || g.pixelScaleY != 1.0f) {
        SDL_RenderSetScale(g.renderer, g.pixelScaleX, g.pixelScaleY);
    }
    GfxApplyClip();
}

// (Re)creates the back buffer when the virtual size or the pixel scale changed.
bool GfxEnsureBackBuffer() {
    GfxState& g = GfxS();
    const float scale = WantedPixelScale(g);
    int tw = 0, th = 0;
    if (g.target != nullptr && SDL_QueryTexture(g.target, nullptr, nullptr, &tw, &th) == 0 &&
        tw == BufferSide(g.virtualW, scale, g.maxTextureW) &&
        th == BufferSide(g.virtualH, scale, g.maxTextureH)) {
        return true;
    }
    if (g.target != nullptr) {
        SDL_SetRenderTarget(g.renderer, nullptr);
        SDL_DestroyTexture(g.target);
        g.target = nullptr;
    }
    g.target = MakeBackBuffer(g, scale);
    if (g.target == nullptr && scale > 1.0f) {
        g.target = MakeBackBuffer(g, 1.0f);  // a sharp buffer is a luxury; a blurred one still plays
    }
    if (g.target == nullptr) {
        std::printf("Cannot create the back buffer: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetTextureBlendMode(g.target, SDL_BLENDMODE_NONE);
    g.bufferLayer = nullptr;  // a new buffer holds no layer's picture, and all of it is to be shown
    g.presentDamage.MarkWhole();
    if (g.window != nullptr) {
        SDL_RenderSetLogicalSize(g.renderer, g.virtualW, g.virtualH);
    }
    GfxUseBackBuffer();
    SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
    SDL_RenderClear(g.renderer);
    return true;
}

void GfxForceBackBufferScale(float scale) {
    gForcedScale = std::isfinite(scale) ? std::clamp(scale, 0.0f, kMaxPixelScale) : 0.0f;
    const GfxState& g = GfxS();
    if (g.renderer != nullptr && g.target != nullptr) {
        GfxEnsureBackBuffer();
    }
}

namespace {
// The real pixel where logical coordinate `v` begins.
int RealEdge(int v, float scale) { return static_cast<int>(std::floor(v * scale + 1e-3f)); }

// The back buffer's geometry as it is now.
BackBufferShape ShapeNow() {
    const GfxState& g = GfxS();
    return BackBufferShape{g.virtualW, g.virtualH, g.bufferW, g.bufferH, g.pixelScaleX, g.pixelScaleY};
}

// RGBA bytes of a rectangle of the back buffer in real pixels into `buf`, which keeps its memory
// from one read to the next; false (and `buf` empty) on failure.
bool ReadReal(const SDL_Rect& real, std::vector<std::uint8_t>& buf) {
    buf.resize(static_cast<size_t>(real.w) * real.h * 4);
    if (SDL_RenderReadPixels(GfxS().renderer, &real, SDL_PIXELFORMAT_RGBA32, buf.data(), real.w * 4) != 0) {
        std::printf("Cannot read the back buffer: %s\n", SDL_GetError());
        buf.clear();
        return false;
    }
    return true;
}

// Logical pixel (lx, ly) as the mean of the real pixels it covers in `buf`, which starts at the
// real pixel (rx, ry) and is `rw` wide.
void MeanOfCell(const BackBufferShape& shape, const std::vector<std::uint8_t>& buf, int rx, int ry, int rw,
                int lx, int ly, std::uint8_t* out) {
    const int x0 = RealEdge(lx, shape.scaleX);
    const int y0 = RealEdge(ly, shape.scaleY);
    const int x1 = std::max(x0 + 1, std::min(RealEdge(lx + 1, shape.scaleX), shape.bufferW));
    const int y1 = std::max(y0 + 1, std::min(RealEdge(ly + 1, shape.scaleY), shape.bufferH));
    unsigned sum[3] = {0, 0, 0};
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* p = &buf[(static_cast<size_t>(y - ry) * rw + (x0 - rx)) * 4];
        for (int x = x0; x < x1; ++x, p += 4) {
            sum[0] += p[0];
            sum[1] += p[1];
            sum[2] += p[2];
        }
    }
    const unsigned n = static_cast<unsigned>((x1 - x0) * (y1 - y0));
    for (int c = 0; c < 3; ++c) {
        out[c] = static_cast<std::uint8_t>((sum[c] + n / 2) / n);
    }
}

// An opaque black pixmap of w x h logical pixels.
Pixmap BlackPixmap(int w, int h) {
    Pixmap pix;
    pix.w = w;
    pix.h = h;
    pix.rgba.assign(static_cast<size_t>(w) * h * 4, 0);
    for (size_t i = 3; i < pix.rgba.size(); i += 4) {
        pix.rgba[i] = 255;
    }
    return pix;
}

// The part of the logical rectangle (x, y, w, h) that lies on the screen, and the real pixels
// that cover it; false when nothing of it does.
bool RealArea(const BackBufferShape& shape, int x, int y, int w, int h, SDL_Rect& part, SDL_Rect& real) {
    const SDL_Rect want{x, y, w, h};
    const SDL_Rect whole{0, 0, shape.virtualW, shape.virtualH};
    if (!SDL_IntersectRect(&want, &whole, &part)) {
        return false;
    }
    const int rx = RealEdge(part.x, shape.scaleX);
    const int ry = RealEdge(part.y, shape.scaleY);
    real = SDL_Rect{rx, ry, std::min(RealEdge(part.x + part.w, shape.scaleX), shape.bufferW) - rx,
                    std::min(RealEdge(part.y + part.h, shape.scaleY), shape.bufferH) - ry};
    return true;
}

// Writes the real pixels `buf` (covering `real`) into `pix` (at logical (x, y)) as logical pixels.
void RealIntoLogical(const BackBufferShape& shape, const std::vector<std::uint8_t>& buf, const SDL_Rect& real,
                     const SDL_Rect& part, int x, int y, Pixmap& pix) {
    const bool oneToOne = real.w == part.w && real.h == part.h;
    for (int row = 0; row < part.h; ++row) {
        std::uint8_t* dst = &pix.rgba[(static_cast<size_t>(part.y - y + row) * pix.w + (part.x - x)) * 4];
        if (oneToOne) {
            std::memcpy(dst, &buf[static_cast<size_t>(row) * part.w * 4], static_cast<size_t>(part.w) * 4);
        }
        for (int i = 0; i < part.w; ++i) {
            if (!oneToOne) {
                MeanOfCell(shape, buf, real.x, real.y, real.w, part.x + i, part.y + row, dst + i * 4);
            }
            dst[i * 4 + 3] = 255;  // the back buffer is opaque
        }
    }
}
}  // namespace

Pixmap GfxReadBackBuffer(int x, int y, int w, int h) {
    GfxDrawLayerNow();  // a read in the middle of a still layer sees what it noted so far
    GfxSettleClear();
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384) {
        return Pixmap();
    }
    Pixmap pix = BlackPixmap(w, h);
    const BackBufferShape shape = ShapeNow();
    SDL_Rect part, real;
    std::vector<std::uint8_t> buf;
    if (GfxCanDraw() && RealArea(shape, x, y, w, h, part, real) && ReadReal(real, buf)) {
        RealIntoLogical(shape, buf, real, part, x, y, pix);
    }
    return pix;
}

// The frame just drawn, kept as real pixels in a buffer that is reused from frame to frame: a
// fresh allocation of a whole screen each frame costs more than the drawing itself.
void GfxKeepFrameNow() {
    GfxState& g = GfxS();
    g.lastFrameShape = ShapeNow();
    if (!ReadReal(SDL_Rect{0, 0, g.bufferW, g.bufferH}, g.lastFrameReal)) {
        g.lastFrameShape = BackBufferShape{};
    }
}

Pixmap GfxReadRealBackBuffer() {
    GfxDrawLayerNow();
    GfxSettleClear();
    const GfxState& g = GfxS();
    Pixmap pix;
    if (!GfxCanDraw()) {
        return pix;
    }
    if (ReadReal(SDL_Rect{0, 0, g.bufferW, g.bufferH}, pix.rgba)) {
        pix.w = g.bufferW;
        pix.h = g.bufferH;
    }
    return pix;
}

bool GfxCopyBackBufferRows(SDL_Texture* tex, int top, int x, int y, int w, int h) {
    const GfxState& g = GfxS();
    Uint32 format = 0;
    if (!GfxCanDraw() || g.pixelScaleX != 1.0f || g.pixelScaleY != 1.0f || x < 0 || y < 0 || w <= 0 ||
        h <= 0 || x + w > g.bufferW || y + h > g.bufferH ||
        SDL_QueryTexture(tex, &format, nullptr, nullptr, nullptr) != 0 ||
        format != SDL_PIXELFORMAT_ARGB8888) {
        return false;
    }
    GfxDrawLayerNow();
    GfxSettleClear();
    std::vector<Uint32> band(static_cast<size_t>(w) * h);
    const SDL_Rect area{x, y, w, h};
    if (SDL_RenderReadPixels(g.renderer, &area, format, band.data(), w * 4) != 0) {
        return false;
    }
    for (Uint32& p : band) p |= 0xFF000000u;  // the back buffer is opaque
    const SDL_Rect into{0, top, w, h};
    return SDL_UpdateTexture(tex, &into, band.data(), w * 4) == 0;
}

Pixmap GfxGrabPixmap(int x, int y, int w, int h) { return GfxReadBackBuffer(x, y, w, h); }

void GfxKeepLastFrame(bool keep) {
    GfxState& g = GfxS();
    g.keepLastFrame = keep;
    g.lastFrameShape = BackBufferShape{};
    if (!keep) {
        g.lastFrameReal = std::vector<std::uint8_t>();
    }
}

Pixmap GfxLastFrame() {
    const GfxState& g = GfxS();
    const BackBufferShape& shape = g.lastFrameShape;
    if (shape.virtualW <= 0 || shape.virtualH <= 0) {
        return Pixmap();
    }
    Pixmap pix = BlackPixmap(shape.virtualW, shape.virtualH);
    SDL_Rect part, real;
    if (RealArea(shape, 0, 0, shape.virtualW, shape.virtualH, part, real) && real.x == 0 && real.y == 0 &&
        g.lastFrameReal.size() >= static_cast<size_t>(real.w) * real.h * 4) {
        RealIntoLogical(shape, g.lastFrameReal, real, part, 0, 0, pix);
    }
    return pix;
}
