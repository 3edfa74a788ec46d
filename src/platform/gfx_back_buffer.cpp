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

// RGBA bytes of a rectangle of the back buffer in real pixels; empty on failure.
std::vector<std::uint8_t> ReadReal(const SDL_Rect& real) {
    std::vector<std::uint8_t> buf(static_cast<size_t>(real.w) * real.h * 4);
    if (SDL_RenderReadPixels(GfxS().renderer, &real, SDL_PIXELFORMAT_RGBA32, buf.data(), real.w * 4) != 0) {
        std::printf("Cannot read the back buffer: %s\n", SDL_GetError());
        buf.clear();
    }
    return buf;
}

// Logical pixel (lx, ly) as the mean of the real pixels it covers in `buf`, which starts at the
// real pixel (rx, ry) and is `rw` wide.
void MeanOfCell(const std::vector<std::uint8_t>& buf, int rx, int ry, int rw, int lx, int ly,
                std::uint8_t* out) {
    const GfxState& g = GfxS();
    const int x0 = RealEdge(lx, g.pixelScaleX);
    const int y0 = RealEdge(ly, g.pixelScaleY);
    const int x1 = std::max(x0 + 1, std::min(RealEdge(lx + 1, g.pixelScaleX), g.bufferW));
    const int y1 = std::max(y0 + 1, std::min(RealEdge(ly + 1, g.pixelScaleY), g.bufferH));
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
}  // namespace

Pixmap GfxReadBackBuffer(int x, int y, int w, int h) {
    GfxDrawLayerNow();  // a read in the middle of a still layer sees what it noted so far
    GfxSettleClear();
    Pixmap pix;
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384) {
        return pix;
    }
    pix.w = w;
    pix.h = h;
    pix.rgba.assign(static_cast<size_t>(w) * h * 4, 0);
    for (size_t i = 3; i < pix.rgba.size(); i += 4) {
        pix.rgba[i] = 255;
    }
    const GfxState& g = GfxS();
    if (!GfxCanDraw()) {
        return pix;
    }
    SDL_Rect want{x, y, w, h};
    SDL_Rect whole{0, 0, g.virtualW, g.virtualH};
    SDL_Rect part;
    if (!SDL_IntersectRect(&want, &whole, &part)) {
        return pix;
    }
    const int rx = RealEdge(part.x, g.pixelScaleX);
    const int ry = RealEdge(part.y, g.pixelScaleY);
    const SDL_Rect real{rx, ry, std::min(RealEdge(part.x + part.w, g.pixelScaleX), g.bufferW) - rx,
                        std::min(RealEdge(part.y + part.h, g.pixelScaleY), g.bufferH) - ry};
    const std::vector<std::uint8_t> buf = ReadReal(real);
    if (buf.empty()) {
        return pix;
    }
    const bool oneToOne = real.w == part.w && real.h == part.h;
    for (int row = 0; row < part.h; ++row) {
        std::uint8_t* dst = &pix.rgba[(static_cast<size_t>(part.y - y + row) * w + (part.x - x)) * 4];
        if (oneToOne) {
            std::memcpy(dst, &buf[static_cast<size_t>(row) * part.w * 4], static_cast<size_t>(part.w) * 4);
        }
        for (int i = 0; i < part.w; ++i) {
            if (!oneToOne) {
                MeanOfCell(buf, rx, ry, real.w, part.x + i, part.y + row, dst + i * 4);
            }
            dst[i * 4 + 3] = 255;  // the back buffer is opaque
        }
    }
    return pix;
}

Pixmap GfxReadRealBackBuffer() {
    GfxDrawLayerNow();
    GfxSettleClear();
    const GfxState& g = GfxS();
    Pixmap pix;
    if (!GfxCanDraw()) {
        return pix;
    }
    pix.rgba = ReadReal(SDL_Rect{0, 0, g.bufferW, g.bufferH});
    if (!pix.rgba.empty()) {
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
    if (!keep) {
        g.lastFrame = Pixmap();
    }
}

Pixmap GfxLastFrame() { return GfxS().lastFrame; }
