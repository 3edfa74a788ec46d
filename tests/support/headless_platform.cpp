#include "support/headless_platform.h"

bool StartHeadlessPlatform(RendererKind renderer, int w, int h) {
    PlatformConfig config;
    config.headless = true;
    config.renderer = renderer;
    config.fixedStep = true;
    config.audio = false;
    if (!PlatformInit(config)) {
        return false;
    }
    GfxSetVirtualResolution(w, h);
    if (!GfxOpen(w, h, 0, 60, 0)) {
        PlatformShutdown();
        return false;
    }
    GfxCls();
    return true;
}

void StopHeadlessPlatform() {
    InSetEventObserver(nullptr);
    InIgnoreSystemInput(false);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(1);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetScale(1, 1);
    GfxSetRotation(0);
    GfxSetOrigin(0, 0);
    GfxSetImageFont(nullptr);
    PlatformShutdown();
}

Rgb PixelAt(int x, int y) {
    const Pixmap p = GfxGrabPixmap(x, y, 1, 1);
    if (p.rgba.size() < 4) {
        return {};
    }
    return {p.rgba[0], p.rgba[1], p.rgba[2]};
}

void ClickOverFrames(float x, float y, const std::function<void()>& frame) {
    InPushEvent(MouseMoveEvent(x, y));
    frame();
    InPushEvent(MouseButtonEvent(true));
    frame();
    InPushEvent(MouseButtonEvent(false));
    frame();
}
