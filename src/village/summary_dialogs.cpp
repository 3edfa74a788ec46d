#include "village/summary_dialogs.h"

#include "effects/effect_math.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "gui/gui.h"
#include "platform/platform.h"

void ResetDrawState(float a) {
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(a);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetScale(1, 1);
    GfxSetRotation(0);
}

void DrawDialogBackground(TEkran* caller, TEkran& dialog) {
    if (caller) caller->draw();
    ResetDrawState(1);
    // The stripes approach their target inside _drawStripes; the veil follows
    // the value they had at the start of this frame, which is invisible.
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(DIALOG_DIM * dialog.stripeA);
    GfxDrawRect(0, 0, 1024, 768);
    dialog._drawStripes();
    ResetDrawState(1);
}

float SlideIn(float per) { return SinDeg(90.0f * per); }

float SlideOffset(float h, float per) { return h - h * SlideIn(per); }

void SlideGui(TEkran& dialog, float h, float per) {
    if (dialog.gui) dialog.gui->VectorMe(0, h, SlideIn(per));
}

void DrawCentredText(const std::string& text, float cx, float y, const TRGB& colour, float a) {
    const float x = cx - static_cast<float>(GfxTextWidth(text)) / 2;
    GfxSetColor(colour.r, colour.g, colour.b);
    GfxSetAlpha(a);
    GfxDrawText(text, x, y);
}

void DrawShadowedText(const std::string& text, float cx, float y, const TRGB& colour, float a) {
    const float x = cx - static_cast<float>(GfxTextWidth(text)) / 2;
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(a * 0.5f);
    GfxDrawText(text, x + 2, y + 2);
    GfxSetColor(colour.r, colour.g, colour.b);
    GfxSetAlpha(a);
    GfxDrawText(text, x, y);
}

void RunDialogLoop(TEkran& dialog, const std::function<void()>& afterFrame,
                   const std::function<bool()>& done) {
    while (!done()) {
        ScreenFrame(dialog);
        if (afterFrame) afterFrame();
    }
}

int SummaryAnswerCode(const std::string& answer) {
    return answer == "RESTART" ? QUEST_RESTART_LEVEL : QUEST_NEXT_LEVEL;
}

int LoseAnswerCode(const std::string& answer) {
    return answer == "MAIN-MENU" ? SCREEN_MAIN_MENU : QUEST_RESTART_LEVEL;
}

int ContinueAnswerCode(const std::string& answer) {
    if (answer == "NEW") return QUEST_START_NEW;
    if (answer == "CONTINUE") return QUEST_CONTINUE;
    return SCREEN_MAIN_MENU;
}
