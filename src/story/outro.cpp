#include "story/outro.h"

#include <algorithm>

#include "audio/global_snd.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "quest/profile.h"
#include "story/intro.h"
#include "story/story_text.h"

TOutro outro;

namespace {
constexpr int kBlackStep = 4;

void DrawStep(const Image& img, float alpha, float scale, float dx, float dy) {
    GfxStateScope state;
    GfxResetDrawState(alpha);
    GfxSetScale(scale, scale);
    GfxDrawImage(img, 512 + dx, 384 + dy);
}
}  // namespace

void TOutro::setup() {
    for (size_t i = 0; i < sceneImg.size(); i++) {
        sceneImg[i] = shownOnly(GfxLoadImage(
            gameDir + "gfx/story/outro/screen-" + std::to_string(i + 1) + ".jpg", GFX_IMAGE_DEFAULT));
        if (sceneImg[i]) GfxMidHandle(sceneImg[i]);
    }
}

void TOutro::prepare() {
    fade = 1;
    dFade = 0;
    LoadStoryTexts(StoryDataPath("Outro"), StoryTextPath("Outro"));
    globalSnd.playMyMusic("outro");
    _prepareDelta();
    ResetStoryTexts();
    nextTime = SysMillisecs() + sceneTime[0];
    actImg = 0;
    lastImg = -1;
    lastScale = 0;
    actScale = 1;
    actAlpha = 0;
    actAdX = -340;
    actAdY = 50;
}

void TOutro::_updateScene() {
    const size_t act = static_cast<size_t>(actImg);
    actAlpha = std::min(1.0f, actAlpha + 0.02f * frameDelta);
    actScale += scaleAd[act] * frameDelta;
    actAdX += adx[act] * frameDelta;
    actAdY += ady[act] * frameDelta;
    if (lastImg >= 0) {
        const size_t last = static_cast<size_t>(lastImg);
        lastScale += scaleAd[last] * frameDelta;
        lastAdX += adx[last] * frameDelta;
        lastAdY += ady[last] * frameDelta;
    }
    if (SysMillisecs() <= nextTime) return;
    if (actImg == kBlackStep) {
        dFade = 1;
        return;
    }
    nextTime = SysMillisecs() + sceneTime[act + 1];
    lastImg = actImg;
    lastScale = actScale;
    lastAdX = actAdX;
    lastAdY = actAdY;
    actImg++;
    actAlpha = 0;
    actScale = 1;
    actAdX = 0;
    actAdY = 0;
}

void TOutro::_drawScene() {
    if (lastImg >= 0 && lastImg < kBlackStep)
        DrawStep(sceneImg[static_cast<size_t>(lastImg)], 1, lastScale, lastAdX, lastAdY);
    if (actImg < kBlackStep) {
        DrawStep(sceneImg[static_cast<size_t>(actImg)], actAlpha, actScale, actAdX, actAdY);
    } else {
        GfxStateScope state;
        GfxResetDrawState(actAlpha);
        GfxSetColor(0, 0, 0);
        GfxDrawRect(0, 0, 1024, 768);
    }
}

void TOutro::_drawBars() { DrawLetterboxBars(); }

void TOutro::draw() {
    _drawScene();
    _drawBars();
    DrawStoryTexts();
    _drawFade();
}

void TOutro::update() {
    CommonUpdate(this);
    _updateFade();
    UpdateStoryTexts();
    _updateScene();
}

int TOutro::mainloop() {
    const TScreenShown shownHere(*this);  // the credits run over the last picture
    prepare();
    running = true;
    // No input is read: the outro plays to its end.
    while (!fadedOut()) ScreenFrame(*this);
    running = false;
    if (hooks.runCredits) {
        inCredits = true;
        hooks.runCredits(*this);
        inCredits = false;
    }
    if (actProfile) actProfile->QUEST_End();
    return SCREEN_MAIN_MENU;
}
