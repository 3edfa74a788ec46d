#include "gui/gui_preview.h"

#include <cstdio>

#include "frame/frame_loop.h"
#include "gui/gui.h"
#include "platform/platform.h"

namespace {
constexpr int BANDS = 48;
constexpr int KEY_RELOAD = KEY_F1 + 4;
}  // namespace

TGuiPreview::TGuiPreview(std::string scriptPath) : path(std::move(scriptPath)) {}

void TGuiPreview::prepare() {
    gui = LoadGui(path);
    alpha = dAlpha = 1;
    fade = dFade = 0;  // no fade-in: the first frame already shows the layout
}

void TGuiPreview::update() {
    CommonUpdate(this);
    _updateFade();
    _updateAlpha();
    _updateGui();
    for (const auto& o : gui->objects) {
        if (o->clicked) std::printf("clicked: %s\n", o->id.c_str());
    }
    std::fflush(stdout);
    if (InKeyHit(KEY_ESCAPE)) EndProgram(0);
    if (InKeyHit(KEY_RELOAD)) prepare();
}

void TGuiPreview::DrawBackdrop() {
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetAlpha(1);
    GfxSetScale(1, 1);
    GfxSetRotation(0);
    const float bandH = 768.0f / BANDS;
    for (int i = 0; i < BANDS; ++i) {
        const float t = static_cast<float>(i) / (BANDS - 1);
        GfxSetColor(150 - 60 * t, 162 - 56 * t, 182 - 46 * t);
        GfxDrawRect(0, bandH * static_cast<float>(i), 1024, bandH + 1);
    }
    GfxSetColor(255, 255, 255);
}

void TGuiPreview::draw() {
    DrawBackdrop();
    _drawGui();
    _drawFade();
}

int RunGuiPreview(const std::string& path) {
    TGuiPreview screen(path);
    screen.prepare();
    while (true) ScreenFrame(screen);
}
