// Start-up of the layer, the window or off-screen buffer, the back buffer of
// virtual size, presenting with frame pacing, and reading pixels back.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "platform/frame_pacing.h"
#include "platform/gfx_prefetch.h"
#include "platform/platform_internal.h"
#include "platform/renderer_choice.h"
#include "platform/renderer_probe.h"

namespace {
bool gInitialised = false;
bool gVideoReady = false;
FramePacer gPacer;
// How long the window waits for the child trying the accelerated renderer; a
// driver that takes longer is not one to play on.
constexpr int kProbeWaitMs = 3000;
// The file that remembers the child's last answer, and whether the running child's answer is
// still to be put there.
std::string gRendererMemory;
bool gAnswerToRemember = false;

void RememberRendererAnswer(const AcceleratedProbe& probe) {
    const std::string text = FormatProbeAnswer(probe);
    if (!gRendererMemory.empty() && FsLoadString(gRendererMemory) != text) FsSaveBytes(text, gRendererMemory);
}

// The accelerated renderer as found at an earlier start, when the child runs to check it again
// (its fresh answer is remembered for the next start): the window need not wait for it.
bool RememberedRendererAnswer(AcceleratedProbe& probe) {
    AcceleratedProbe running;
    if (gRendererMemory.empty() || CheckRendererProbe(running) != ProbeCheck::Running) return false;
    return ParseProbeAnswer(FsLoadString(gRendererMemory), probe);
}

// Once the child has answered, its answer is remembered; one look per frame until then.
void KeepFreshRendererAnswer() {
    if (!gAnswerToRemember) return;
    AcceleratedProbe fresh;
    const ProbeCheck check = CheckRendererProbe(fresh);
    if (check == ProbeCheck::Running) return;
    if (check == ProbeCheck::Answered) RememberRendererAnswer(fresh);
    gAnswerToRemember = false;
}

bool EnvSet(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
}

void SetHints(const std::string& appName) {
    SDL_SetHint(SDL_HINT_APP_NAME, appName.c_str());
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, appName.c_str());
    SDL_SetHint("SDL_VIDEO_X11_WMCLASS", appName.c_str());
    setenv("SDL_VIDEO_X11_WMCLASS", appName.c_str(), 0);
    // The back buffer is scaled smoothly into windows of any size.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
}

void PickTextureFormat(GfxState& g) {
    g.textureFormat = SDL_PIXELFORMAT_ARGB8888;
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(g.renderer, &info) == 0) {
        // SDL's software renderer may report vsync it cannot keep: the timer paces it.
        g.softwareRenderer = std::strcmp(info.name, "software") == 0;
        g.vsyncGranted = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 && !g.softwareRenderer;
        g.maxTextureW = info.max_texture_width;
        g.maxTextureH = info.max_texture_height;
        for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
            const Uint32 f = info.texture_formats[i];
            if (SDL_BITSPERPIXEL(f) == 32 && SDL_ISPIXELFORMAT_ALPHA(f)) {
                g.textureFormat = f;
                break;
            }
        }
    }
}

bool OpenHeadless(GfxState& g, int w, int h) {
    if (g.renderer == nullptr) {
        g.headlessSurface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
        if (g.headlessSurface == nullptr) {
            std::printf("Cannot create the off-screen buffer: %s\n", SDL_GetError());
            return false;
        }
        g.renderer = SDL_CreateSoftwareRenderer(g.headlessSurface);
        if (g.renderer == nullptr) {
            std::printf("Cannot create the software renderer: %s\n", SDL_GetError());
            return false;
        }
        ++g.generation;
        PickTextureFormat(g);
        g.vsyncGranted = false;
    }
    return GfxEnsureBackBuffer();
}

// The window's renderer, chosen once per window (see renderer_choice.h). The
// software path writes into the window's own framebuffer, never through a
// texture of another renderer. When the accelerated renderer is given up the
// window is made anew (`makeWindow`), free of its OpenGL context.
SDL_Renderer* CreateWindowRenderer(SDL_Window*& window, RendererKind kind,
                                   const std::function<SDL_Window*()>& makeWindow) {
    AcceleratedProbe probe;
    SDL_Renderer* r = nullptr;
    // A child's answer spares the game the accelerated renderer's libraries when it is not kept.
    bool told = false;
    if (kind == RendererKind::Auto) {
        gAnswerToRemember = told = RememberedRendererAnswer(probe);
        if (!told && FinishRendererProbe(probe, kProbeWaitMs)) {
            told = true;
            RememberRendererAnswer(probe);
        }
    }
    if (!told && kind != RendererKind::Software) {
        r = GfxCreateAccelerated(window, probe);
    }
    const WindowRenderer chosen = ChooseWindowRenderer(kind, probe);
    std::printf("%s\n", DescribeRendererChoice(kind, probe, chosen).c_str());
    if (chosen == WindowRenderer::Accelerated) {
        if (r == nullptr) {
            AcceleratedProbe here;
            r = GfxCreateAccelerated(window, here);
        }
        if (r != nullptr) return r;
        std::printf("Renderer: software (the accelerated renderer could not be made here).\n");
    }
    if (r != nullptr) {
        SDL_DestroyRenderer(r);
        SDL_DestroyWindow(window);
        window = makeWindow();
        if (window == nullptr) {
            return nullptr;
        }
    }
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
}

// A window that fits on the desktop, keeping the asked shape.
void FitWindowSize(int& w, int& h) {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0) {
        return;
    }
    if (w <= usable.w && h <= usable.h) {
        return;
    }
    const double f = std::min(static_cast<double>(usable.w) / w, static_cast<double>(usable.h) / h);
    w = static_cast<int>(w * f);
    h = static_cast<int>(h * f);
}

bool OpenWindow(GfxState& g, int w, int h, bool fullScreen) {
    const Uint32 fsFlag = fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    int ww = w, wh = h;
    FitWindowSize(ww, wh);
    if (g.window == nullptr) {
        auto makeWindow = [&] {
            // High-DPI: the renderer's output is the drawable in real pixels.
            return SDL_CreateWindow(g.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, ww, wh,
                                    SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | fsFlag);
        };
        g.window = makeWindow();
        if (g.window == nullptr) {
            std::printf("Cannot open a window of %d x %d: %s\n", w, h, SDL_GetError());
            return false;
        }
        g.renderer = CreateWindowRenderer(g.window, PlatformConfigRef().renderer, makeWindow);
        if (g.renderer == nullptr) {
            std::printf("Cannot create a renderer: %s\n", SDL_GetError());
            if (g.window != nullptr) SDL_DestroyWindow(g.window);
            g.window = nullptr;
            return false;
        }
        ++g.generation;
        PickTextureFormat(g);
        gPacer.Reset(g.renderer, g.vsyncGranted);
        SysSetWindowIcon();
        SDL_StartTextInput();
    } else {
        SDL_SetRenderTarget(g.renderer, nullptr);
        g.presentDamage.MarkWhole();
        if (SDL_SetWindowFullscreen(g.window, fsFlag) != 0) {
            std::printf("Cannot switch the display mode: %s\n", SDL_GetError());
            GfxUseBackBuffer();
            return false;
        }
        if (!fullScreen) {
            SDL_SetWindowSize(g.window, ww, wh);
            SDL_SetWindowPosition(g.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
        SDL_RenderSetLogicalSize(g.renderer, g.virtualW, g.virtualH);
        GfxUseBackBuffer();
    }
    return GfxEnsureBackBuffer();
}
}  // namespace

GfxState& GfxS() {
    static GfxState* state = new GfxState;
    return *state;
}

PlatformConfig& PlatformConfigRef() {
    static PlatformConfig* config = new PlatformConfig;
    return *config;
}

bool PlatformVideoReady() { return gVideoReady; }

const PlatformConfig& PlatformGetConfig() { return PlatformConfigRef(); }

bool PlatformHasWindow() { return GfxS().window != nullptr; }

void PlatformRememberRendererIn(const std::string& path) { gRendererMemory = path; }

bool PlatformInit(const PlatformConfig& config) {
    if (gInitialised) {
        PlatformShutdown();
    }
    PlatformConfigRef() = config;
    SetHints(config.appName);
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        std::printf("Cannot start SDL: %s\n", SDL_GetError());
        return false;
    }
    // The null renderer never opens a window, so it needs no display.
    if (!config.headless && config.renderer != RendererKind::Null) {
        const bool displayNamed = EnvSet("SDL_VIDEODRIVER") || EnvSet("DISPLAY") || EnvSet("WAYLAND_DISPLAY");
        if (!displayNamed || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            std::printf("No display available (%s). Run with --headless to play without a window.\n",
                        displayNamed ? SDL_GetError() : "neither DISPLAY nor WAYLAND_DISPLAY is set");
            SDL_Quit();
            return false;
        }
        gVideoReady = true;
        if (config.renderer == RendererKind::Auto && !config.rendererProbeProgram.empty()) {
            StartRendererProbe(config.rendererProbeProgram);  // answers while the game starts
        }
    }
    GfxState& g = GfxS();
    g.title = config.appName;
    g.nullRenderer = config.renderer == RendererKind::Null;
    gInitialised = true;
    SysResetState();
    InResetState();
    SndOpenDevice(!config.headless && config.audio);
    return true;
}

void PlatformShutdown() {
    if (!gInitialised) {
        return;
    }
    SndCloseDevice();
    AcceleratedProbe unused;
    FinishRendererProbe(unused, 0);  // a probe never asked for is stopped
    gAnswerToRemember = false;
    GfxStopPrefetch();
    GfxShutdown();
    SDL_Quit();
    gVideoReady = false;
    gInitialised = false;
}

void GfxShutdown() {
    GfxState& g = GfxS();
    if (g.target != nullptr) {
        SDL_DestroyTexture(g.target);
        g.target = nullptr;
    }
    if (g.renderer != nullptr) {
        SDL_DestroyRenderer(g.renderer);  // takes every texture with it
        g.renderer = nullptr;
        ++g.generation;
    }
    if (g.window != nullptr) {
        SDL_DestroyWindow(g.window);
        g.window = nullptr;
    }
    if (g.headlessSurface != nullptr) {
        SDL_FreeSurface(g.headlessSurface);
        g.headlessSurface = nullptr;
    }
    const unsigned generation = g.generation;
    g = GfxState();
    g.generation = generation;
}

bool GfxOpen(int w, int h, int depth, int hz, int flags) {
    GfxState& g = GfxS();
    if (!gInitialised || w <= 0 || h <= 0) {
        std::printf("Cannot open a display of %d x %d.\n", w, h);
        return false;
    }
    if (!g.virtualSet) {
        g.virtualW = w;
        g.virtualH = h;
    }
    const PlatformConfig& cfg = PlatformConfigRef();
    bool ok = true;
    if (cfg.renderer != RendererKind::Null) {
        ok = cfg.headless ? OpenHeadless(g, w, h) : OpenWindow(g, w, h, depth == 32);
    }
    g.opened = g.opened || ok;
    return ok;
}

void GfxSetVirtualResolution(int w, int h) {
    if (w <= 0 || h <= 0) {
        return;
    }
    GfxState& g = GfxS();
    g.virtualW = w;
    g.virtualH = h;
    g.virtualSet = true;
    if (g.renderer != nullptr) {
        if (g.window != nullptr) {
            SDL_SetRenderTarget(g.renderer, nullptr);
            SDL_RenderSetLogicalSize(g.renderer, w, h);
            GfxUseBackBuffer();
        }
        GfxEnsureBackBuffer();
    }
    GfxApplyClip();
}

int GfxVirtualWidth() { return GfxS().virtualW; }
int GfxVirtualHeight() { return GfxS().virtualH; }

void GfxUseWindowTarget(bool window) {
    GfxState& g = GfxS();
    if (g.renderer == nullptr || g.window == nullptr) {
        return;
    }
    if (window) {
        SDL_SetRenderTarget(g.renderer, nullptr);
    } else {
        GfxUseBackBuffer();
    }
}

void GfxCls() {
    if (!GfxCanDraw()) {
        return;
    }
    GfxState& g = GfxS();
    g.clearPending = true;
    g.drawnSinceClear = false;
}

void GfxSettleClear() {
    GfxState& g = GfxS();
    if (!g.clearPending) {
        return;
    }
    g.clearPending = false;
    if (GfxCanDraw()) {
        SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
        SDL_RenderClear(g.renderer);
        g.bufferLayer = nullptr;
        g.presentDamage.MarkWhole();
    }
}

namespace {
// Shows the back buffer in the window: only the changed spots when the window's framebuffer
// still shows the last frame one to one (SDL's software renderer, no scaling); else whole.
void Present(GfxState& g, bool pace) {
    SDL_SetRenderTarget(g.renderer, nullptr);
    int ow = 0, oh = 0;
    const bool sameSize =
        SDL_GetRendererOutputSize(g.renderer, &ow, &oh) == 0 && ow == g.bufferW && oh == g.bufferH;
    SDL_Surface* shown = g.softwareRenderer ? SDL_GetWindowSurface(g.window) : nullptr;
    const bool partial = shown != nullptr && shown == g.presentedSurface && sameSize &&
                         g.bufferW == g.virtualW && g.bufferH == g.virtualH && !g.presentDamage.Whole();
    if (!partial) {
        if (!sameSize) {  // the letterbox bars
            SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
            SDL_RenderClear(g.renderer);
        }
        SDL_RenderCopy(g.renderer, g.target, nullptr, nullptr);
        if (pace) gPacer.BeforePresent();
        SDL_RenderPresent(g.renderer);
        if (pace) gPacer.AfterPresent();
        g.presentedSurface = shown;
        g.presentedArea = static_cast<long>(g.virtualW) * g.virtualH;
        return;
    }
    const std::vector<SDL_Rect> rects = g.presentDamage.Rects(g.virtualW, g.virtualH);
    g.presentedArea = 0;
    for (const SDL_Rect& r : rects) {
        SDL_RenderCopy(g.renderer, g.target, &r, &r);
        g.presentedArea += static_cast<long>(r.w) * r.h;
    }
    SDL_RenderFlush(g.renderer);
    if (pace) gPacer.BeforePresent();
    if (!rects.empty()) SDL_UpdateWindowSurfaceRects(g.window, rects.data(), static_cast<int>(rects.size()));
    if (pace) gPacer.AfterPresent();
}
}  // namespace

void GfxFlip(int sync) {
    GfxSettleClear();
    GfxState& g = GfxS();
    if (g.keepLastFrame && g.opened) {
        GfxKeepFrameNow();
    }
    const PlatformConfig& cfg = PlatformConfigRef();
    if (g.window != nullptr && GfxCanDraw()) {
        Present(g, sync != 0 && !cfg.fixedStep);
        // A resized window, full screen or another display may want another pixel scale.
        GfxEnsureBackBuffer();
        GfxUseBackBuffer();
    } else if (GfxCanDraw()) {
        SDL_RenderFlush(g.renderer);  // nothing presents: finish the frame's queued drawing here
    }
    g.presentDamage.Clear(g.virtualW, g.virtualH);
    KeepFreshRendererAnswer();
    // Headless and null runs never wait: they go as fast as they can.
    SysOnFlip();
}
