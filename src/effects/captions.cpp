#include "effects/captions.h"

#include "effects/effect_math.h"
#include "frame/globals.h"
#include "frame/text_file.h"

SafeList<TCaption> captionList;
std::array<Image, 6> captionImages;

// ---------------------------------------------------------------------------
// Steps
// ---------------------------------------------------------------------------
void TCaption::_moveOnPath() {
    x = QuadPath(x1, mx, x2, per);
    y = QuadPath(y1, my, y2, per);
}

void TCaption::_popScale() {
    sx = 0.75f * per + 0.25f * SinDeg(720 * per);
    sy = 0.8f * per + 0.2f * SinDeg(720 * per);
}

// Get ready: swings in along a curve while turning upright...
void TCaption::_update_Caption_Get_Ready_1() {
    AdvanceProgress(p, 0.025f);
    per = SinDeg(90 * p);
    _moveOnPath();
    a = p;
    sx = sy = 1;
    rot = -90 * (1 - per);
    if (p >= 1) {
        myStep = 1;
        p = 0;
        x1 = x2;
        y1 = y2;
        mx = x2;
        my = y2 + 50;
        y2 = y2 + 100;
    }
}

// ...sinks 100 pixels...
void TCaption::_update_Caption_Get_Ready_2() {
    AdvanceProgress(p, 0.05f);
    per = p;
    _moveOnPath();
    if (p >= 1) {
        myStep = 2;
        p = 0;
        x1 = x2;
        y1 = y2;
        mx = x1;
        my = 250;
        x2 = 1000;
        y2 = 250;
    }
}

// ...and swings out to the right, fading.
void TCaption::_update_Caption_Get_Ready_3() {
    AdvanceProgress(p, 0.025f);
    per = SinDeg(90 * p);
    _moveOnPath();
    a = 1 - per;
    rot = 90 * per;
    if (p >= 1) destroy();
}

void TCaption::_update_Caption_Get_Ready() {
    switch (myStep) {
        case 0:
            _update_Caption_Get_Ready_1();
            break;
        case 1:
            _update_Caption_Get_Ready_2();
            break;
        default:
            _update_Caption_Get_Ready_3();
            break;
    }
}

void TCaption::_update_Caption_Go_1() {
    AdvanceProgress(p, 0.02f);
    per = SinDeg(90 * p);
    _popScale();
    a = per;
    if (p >= 1) {
        x1 = sx;  // the reached scale, kept for the next step
        y1 = sy;
        myStep = 1;
        p = 0;
    }
}

void TCaption::_update_Caption_Go_2() {
    AdvanceProgress(p, 0.02f);
    per = SinDeg(90 * p);
    sx = x1 + 0.25f * SinDeg(720 * per);
    sy = y1 + 0.2f * SinDeg(720 * per);
    a = 1 - p;
    if (a <= 0) destroy();
}

void TCaption::_update_Caption_Go() {
    if (myStep == 0) {
        _update_Caption_Go_1();
    } else {
        _update_Caption_Go_2();
    }
}

void TCaption::_update_Caption_Level_Completed_1() {
    AdvanceProgress(p, 0.02f);
    per = SinDeg(90 * p);
    _popScale();
    a = per;
    rot = 360 * SinDeg(90 * per);
    if (p >= 1) {
        myStep = 1;
        p = 0;
    }
}

void TCaption::_update_Caption_Level_Completed_2() {
    AdvanceProgress(p, 0.01f);
    per = SinDeg(90 * p);
    sx = 0.75f + 0.25f * SinDeg(360 * per);
    sy = 0.8f + 0.2f * SinDeg(360 * per);
    if (p >= 1) {
        myStep = 2;
        p = 0;
    }
}

void TCaption::_update_Caption_Level_Completed_3() {
    AdvanceProgress(p, 0.02f);
    per = 1 - SinDeg(90 * p);
    _popScale();
    rot = 360 * SinDeg(90 * per);
    a = per;
    if (p >= 1) destroy();
}

void TCaption::_update_Caption_Level_Completed() {
    switch (myStep) {
        case 0:
            _update_Caption_Level_Completed_1();
            break;
        case 1:
            _update_Caption_Level_Completed_2();
            break;
        default:
            _update_Caption_Level_Completed_3();
            break;
    }
}

void TCaption::_update_Caption_No_Moves() {
    AdvanceProgress(p, 0.005f);
    // Fades in over the first fifth and out over the last fifth. (Exactly 0.2
    // counts as fully shown.)
    if (p < 0.2f) {
        a = p / 0.2f;
    } else if (p <= 0.8f) {
        a = 1;
    } else {
        a = 1 - (p - 0.8f) / 0.2f;
    }
    sx = sy = 1;
    y += 1 * frameDelta;
    if (p >= 1) destroy();
}

void TCaption::_update_Caption_UnlockInfo() {
    if (infoState == 0) {
        // Drops in from above, then slides on slowly.
        AdvanceProgress(p, 0.025f);
        sx = sy = 1;
        a = 1;
        rot = 0;
        per = SinDeg(90 * p);
        _moveOnPath();
        if (p >= 1) {
            y += slideDownY;
            slideDownY += 0.2f * frameDelta;
            if (slideDownY > 30) {
                infoState = 1;
                p = 0;
                x1 = x;
                y1 = y;
                y2 = 100;
            }
        }
    } else {
        // Spins, shrinks and rises away.
        AdvanceProgress(p, 0.05f);
        a = 1;
        per = SinDeg(90 * p);
        rot = -180 * per;
        sx = sy = 1 - per;
        _moveOnPath();
        if (p >= 1) destroy();
    }
}

void TCaption::update() {
    if (SysMillisecs() < startTime) return;
    switch (n) {
        case CAPTION_GET_READY:
            _update_Caption_Get_Ready();
            break;
        case CAPTION_GO:
            _update_Caption_Go();
            break;
        case CAPTION_LEVEL_COMPLETED:
            _update_Caption_Level_Completed();
            break;
        case CAPTION_NO_MOVES:
            _update_Caption_No_Moves();
            break;
        case CAPTION_UNLOCKED_BUILDING:
        case CAPTION_UNLOCKED_UPGRADE:
            _update_Caption_UnlockInfo();
            break;
        default:
            destroy();
            break;  // an unknown kind has no animation
    }
}

void TCaption::draw() {
    if (SysMillisecs() < startTime) return;
    if (n < 0 || n >= static_cast<int>(captionImages.size())) return;
    GfxSetColor(255, 255, 255);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetRotation(rot);
    GfxSetScale(sx, sy);
    GfxSetAlpha(a);
    GfxDrawImage(captionImages[static_cast<std::size_t>(n)], x, y, 0);
}

void TCaption::destroy() { captionList.remove(node); }

// ---------------------------------------------------------------------------
// Creation and the list
// ---------------------------------------------------------------------------
namespace {

std::shared_ptr<TCaption> NewCaption(int kind, int delay, float x, float y) {
    auto c = std::make_shared<TCaption>();
    c->n = kind;
    c->startTime = SysMillisecs() + delay;
    c->x = x;
    c->y = y;
    c->node = captionList.append(c);
    return c;
}

void SetPath(TCaption& c, float x1, float y1, float mx, float my, float x2, float y2) {
    c.x1 = x1;
    c.y1 = y1;
    c.mx = mx;
    c.my = my;
    c.x2 = x2;
    c.y2 = y2;
}

}  // namespace

std::shared_ptr<TCaption> CreateCaptionGetReady(int delay) {
    auto c = NewCaption(CAPTION_GET_READY, delay, 0, 0);
    SetPath(*c, 0, 250, 600, 0, 600, 384);
    return c;
}

std::shared_ptr<TCaption> CreateCaptionGo(int delay) { return NewCaption(CAPTION_GO, delay, 512, 384); }

std::shared_ptr<TCaption> CreateCaptionLevelCompleted(int delay) {
    return NewCaption(CAPTION_LEVEL_COMPLETED, delay, 512, 384);
}

std::shared_ptr<TCaption> CreateCaptionNoMoves() { return NewCaption(CAPTION_NO_MOVES, 200, 512, 250); }

std::shared_ptr<TCaption> CreateCaptionUnlockInfo(int kind, int delay) {
    auto c = NewCaption(kind, delay, 512, -200);
    SetPath(*c, 512, -200, 512, 200, 512, 200);
    return c;
}

void UpdateCaptions() {
    captionList.forEach([](TCaption& c) { c.update(); });
}

void DrawCaptions() {
    captionList.forEach([](TCaption& c) { c.draw(); });
}

void ClearCaptions() { captionList.clear(); }

void LoadCaptionImages() {
    static const char* const kFiles[6] = {"/get-ready.png",         "/go.png",
                                          "/level-completed.png",   "/noMoves.png",
                                          "/unlocked_building.png", "/unlocked_upgrade.png"};
    for (std::size_t i = 0; i < captionImages.size(); ++i) {
        Image img = GfxLoadImage(LocalisedFile(gameDir + "gfx/captions/#LANG#" + kFiles[i]),
                                 GFX_IMAGE_FILTERED | GFX_IMAGE_MIPMAPPED);
        if (img) GfxMidHandle(img);
        captionImages[i] = img;
    }
    if (captionImages[0]) GfxSetHandle(captionImages[0], 256, 144);
}
