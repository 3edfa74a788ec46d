#include "quest/level_end_dialog.h"

#include <cstdio>

#include "effects/effect_math.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "gui/gui.h"
#include "platform/platform.h"

namespace {

// What the frame holds under the dialog's 1024 x 768 screen, as a picture held only as a
// texture; in `reuse`'s texture when given (the dimmed picture replaces the plain one in place,
// so the two never take memory at once).
Image GrabScreen(const Image& reuse = nullptr) {
    float ox = 0, oy = 0;
    GfxGetOrigin(ox, oy);
    return GfxGrabImage(static_cast<int>(ox), static_cast<int>(oy), 1024, 768, reuse);
}

void DrawCallerPicture(const Image& picture) {
    GfxResetDrawState();
    GfxDrawImage(picture, 0, 0);
}

}  // namespace

void DimCaller(const TEkran* caller, TEkran& dialog, float veil) {
    if (caller && caller->dimsItsCaller()) {
        dialog._moveStripes();
        return;
    }
    GfxResetDrawState();
    // The stripes approach their target inside _drawStripes; the veil follows
    // the value they had at the start of this frame, which is invisible.
    if (veil > 0 && dialog.stripeA > 0) {
        GfxSetColor(0, 0, 0);
        GfxSetAlpha(veil * dialog.stripeA);
        GfxDrawRect(0, 0, 1024, 768);
    }
    dialog._drawStripes();
    GfxResetDrawState();
}

void DrawDialogBackground(TEkran* caller, TEkran& dialog, TCallerPicture& picture, float veil,
                          const std::vector<Image>& letGo) {
    // A renderer change takes grabbed pictures with it: the caller is drawn and grabbed again.
    if (picture.of != caller || GfxImageLost(picture.plain) || GfxImageLost(picture.dimmed)) picture.forget();
    const bool steady = dialog.stripeA == dialog.dStripeA;
    if (picture.dimmed && steady && picture.dimmedAt == dialog.stripeA) {
        DrawCallerPicture(picture.dimmed);
        return;
    }
    if (picture.plain) {
        DrawCallerPicture(picture.plain);
    } else {
        // Without a plain picture (first frame, or the stripes moving again)
        // the caller is drawn once more and kept.
        picture.dimmed = nullptr;
        // The level's end freed much (the board's flights and particles): handed back before
        // the grab and the dialog's pictures take their memory.
        SysReturnFreedMemory();
        if (caller) caller->draw();
        picture.plain = GrabScreen();
        picture.of = caller;
    }
    if (picture.plain) {
        for (const Image& img : letGo) GfxReleaseImage(img);
    }
    DimCaller(caller, dialog, veil);
    const bool dimmedOnce = caller && caller->dimsItsCaller();
    if (steady && dialog.stripeA == dialog.dStripeA && (dimmedOnce || GfxImageDrawsNow(stripesImage))) {
        // Veil and stripes at rest (and drawn): the whole background becomes one picture.
        picture.dimmed = GrabScreen(picture.plain);
        picture.dimmedAt = dialog.stripeA;
        picture.plain = nullptr;
    }
}

float SlideIn(float per) { return SinDeg(90.0f * per); }

float SlideOffset(float h, float per) { return h - h * SlideIn(per); }

void TLevelEndDialog::_drawBack() {
    const TCallerPicture& p = callerPicture;
    const bool current = p.of == caller && !GfxImageLost(p.plain) && !GfxImageLost(p.dimmed);
    const bool fromDimmed = current && p.dimmed && stripeA == dStripeA && p.dimmedAt == stripeA;
    // What is about to be drawn again is decoded on the side first. The stripes not before the
    // caller's picture is taken: decoded while the frame grabs it, they would be held as pixels
    // at the same time as the grab and the caller's own pictures.
    if (!fromDimmed && current && p.plain) GfxPrefetchReleasedImages(backingPictures);
    if (!fromDimmed && !(current && p.plain)) GfxPrefetchReleasedImages(callerPictures);
    DrawDialogBackground(caller, *this, callerPicture, veil(), callerPictures);
    // The dimmed picture holds the caller and the stripes: neither is drawn again while it rests.
    if (p.dimmed) {
        for (const Image& img : callerPictures) GfxReleaseImage(img);
        for (const Image& img : backingPictures) GfxReleaseImage(img);
    }
}

float TLevelEndDialog::panelHeight() const {
    return panel ? static_cast<float>(GfxImageHeight(panel)) : panelHeight_;
}

void TLevelEndDialog::_updateShow() { ApproachInPlace(showPer, dShowPer, 0.05f); }

void TLevelEndDialog::startShowing() {
    fade = dFade = 0;
    showPer = 0;
    dShowPer = 1;
    stripeA = 0;
    dStripeA = 1;
    gdzie.clear();
    callerPicture.forget();
}

void TLevelEndDialog::answer(const std::string& choice) {
    gdzie = choice;
    dFade = 1;
    // The caller draws once more as the loop ends (under its own fade): its pictures let go are
    // decoded on the side while the dialog fades out.
    GfxPrefetchReleasedImages(callerPictures);
}

float TLevelEndDialog::CountY() const { return SlideOffset(panelHeight(), showPer); }

void TLevelEndDialog::slideGui() {
    if (gui) gui->VectorMe(0, panelHeight(), SlideIn(showPer));
}

std::string TLevelEndDialog::runOver(TEkran* callerScreen, const std::string& name) {
    caller = callerScreen;
    prepare();
    // A caller covered by its picture draws no turned copies: they go before the dialog's first
    // frames, where its memory peaks.
    if (!callerPictures.empty()) GfxLetTurnedCopiesGo();
    running = true;
    RunDialogLoop(
        *this, [this] { _checkButtons(); }, [this] { return finished(); });
    running = false;
    callerPictures.clear();
    backingPictures.clear();
    std::printf("%s: %s\n", name.c_str(), gdzie.c_str());
    return gdzie;
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
