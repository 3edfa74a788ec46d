#include "menus/loading_screen.h"

#include "audio/global_snd.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/loading_steps.h"
#include "frame/mouse.h"
#include "frame/text_file.h"
#include "frame/timing.h"

TLoadingScreen loadingScreen;

namespace {
// Set-up slots shown behind the bar (slot 0 runs before the first picture).
constexpr int kLoadingSlots = 46;

Image LoadLoadingPicture(const std::string& path) { return GfxLoadImage(gameDir + path, GFX_IMAGE_DEFAULT); }

float HalfWidth(const Image& img) { return static_cast<float>(GfxImageWidth(img) / 2); }
}  // namespace

void TLoadingScreen::Setup() {
    RunLoadingSlot(0);  // the suspend text and font
    background = LoadLoadingPicture("gfx/gui/loading/back.jpg");
    bar0 = LoadLoadingPicture("gfx/gui/loading/bar1.png");
    img = LoadLoadingPicture("gfx/gui/loading/bar0.png");
    logo = GfxLoadImage(LocalisedFile(gameDir + "gfx/gui/mainMenu/#LANG#/logo.png"), GFX_IMAGE_DEFAULT);
    nakladka = LoadLoadingPicture("gfx/gui/loading/barCover.png");
    maxProgress = 40;
    p = 0;
    fSpeed = 0.01f;
}

void TLoadingScreen::FreeMe() {
    background = Image();
    bar0 = Image();
    img = Image();
    logo = Image();
}

void TLoadingScreen::drawProgress(float a) {
    if (!img) return;
    float fraction = static_cast<float>(p) / static_cast<float>(maxProgress);
    if (fraction > 1) fraction = 1;
    const float w = fraction * static_cast<float>(GfxImageWidth(img));
    const float h = static_cast<float>(GfxImageHeight(img));
    GfxSetAlpha(a);
    if (w > 0) GfxDrawImageRect(img, 512 - HalfWidth(bar0), 601, w, h, 0, 0, w, h, 0, 0);
}

void TLoadingScreen::draw2(float a) {
    GfxResetDrawState(a);
    if (background) GfxDrawImage(background, 0, 0);
    if (logo) GfxDrawImage(logo, 512 - HalfWidth(logo), 0);
    if (bar0) GfxDrawImage(bar0, 512 - HalfWidth(bar0), 601);
    drawProgress(a);
    GfxSetAlpha(a);
    if (nakladka) GfxDrawImage(nakladka, 512 - HalfWidth(nakladka), 588);
    GfxResetDrawState();
}

void TLoadingScreen::draw() {
    GfxCls();
    draw2(1);
    FinishFrame();
    p++;
}

void TLoadingScreen::simpleDraw() {
    GfxCls();
    draw2(1);
}

void TLoadingScreen::Mainloop() {
    for (int slot = 1; slot <= kLoadingSlots; slot++) {
        UpdateDelta();
        draw();
        RunLoadingSlot(slot);
        // The bar is full: the next screen's pictures are decoded on the side meanwhile, and
        // its textures made before the cross-fade.
        if (slot == maxProgress && hooks.prefetchNext) hooks.prefetchNext();
        if (slot == kLoadingSlots - 1 && hooks.drawNextUnseen) hooks.drawNextUnseen();
    }
    RunRemainingLoadingSteps();
    draw();
    _prepareDelta();
    fadeMeDown();
    FreeMe();
}

void TLoadingScreen::fadeMeDown() {
    if (hooks.prepareNext) hooks.prepareNext();
    globalSnd.stopMusic();
    InSetCursorVisible(mouse.isCustom == 0);
    fade = 1;
    dFade = 0;
    while (fade > 0) {
        GfxCls();
        UpdateDelta();
        _updateFade();
        if (hooks.updateNext) hooks.updateNext();
        if (hooks.drawNext) hooks.drawNext();
        draw2(fade);
        FinishFrame();
    }
}
