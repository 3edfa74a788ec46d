#include "menus/pop_up.h"

#include <cstdio>

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/text_layout.h"
#include "gui/gui.h"
#include "menus/dialog_back.h"

TPopUp popUp;

namespace {
constexpr int kTextLeft = 340;
}  // namespace

// The board drawn into the panel's picture: x 322..702, y 316..432 (three lines of 36 px).
TDim PopUpQuestionBoard() { return NewDimRect(322, 316, 380, 116); }

void TPopUp::setup() {
    panel = shownOnly(GfxLoadImage(gameDir + "gfx/gui/popup/panel.png", GFX_IMAGE_DEFAULT));
    if (panel) {
        const auto w = static_cast<float>(GfxImageWidth(panel));
        GfxSetHandle(panel, w / 2, 1.5f * static_cast<float>(GfxImageHeight(panel)));
    }
    font = GetFont(gameDir + "gfx/fonts/font1.ttf", 36);
    gui = LoadGui(gameDir + "gfx/gui/popUp/#LANG#/popUp.gui");
}

void TPopUp::CountTextSizes() {
    // One line pitch: the font's height and one pixel.
    const float h = TextBoxHeight(text, kTextLeft, 0, POPUP_TEXT_WIDTH, "center", 0, font, 1);
    const TDim board = PopUpQuestionBoard();
    drawY = static_cast<int>(board.y + board.h / 2 - h / 2);
}

float TPopUp::CountY() const { return SlideOffset(PanelHeight(panel, POPUP_PANEL_H), showPer); }

void TPopUp::prepare() {
    showPer = 0;
    dShowPer = 1;
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    stripeA = 0;
    dStripeA = 1;
    odpowiedz = 1;
    callerPicture.forget();
    // A key pressed before the question was asked is no answer to it.
    InFlushKeys();
}

void TPopUp::_updateShow() { ApproachInPlace(showPer, dShowPer, 0.05f); }

void TPopUp::update() {
    CommonUpdate(this);
    _updateAlpha();
    _updateGui();
    _updateShow();
    if (gui) gui->VectorMe(0, PanelHeight(panel, POPUP_PANEL_H), SlideIn(showPer));
}

void TPopUp::_drawBack() { DrawCallerBehind(ekran, *this, callerPicture, 0); }

void TPopUp::_drawPanel() {
    GfxResetDrawState(alpha);
    GfxDrawImage(panel, 512, 768 + CountY());
    const float y = static_cast<float>(drawY) + CountY();
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(alpha * 0.5f);
    DrawTextBox(text, kTextLeft + 2, static_cast<int>(y) + 2, POPUP_TEXT_WIDTH, "center", 0, font, 1);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(alpha);
    DrawTextBox(text, kTextLeft, static_cast<int>(y), POPUP_TEXT_WIDTH, "center", 0, font, 1);
    GfxResetDrawState();
}

void TPopUp::draw() {
    _drawBack();
    _drawPanel();
    _drawGui();
}

void TPopUp::goOk() {
    dShowPer = 0;
    dAlpha = 0;
    dStripeA = 0;
    odpowiedz = 1;
}

void TPopUp::goCancel() {
    goOk();
    odpowiedz = 0;
}

void TPopUp::_checkAnswer() {
    // Both keys are read every frame, so that a press while the panel leaves
    // is not left over for the caller.
    const bool enter = InKeyHit(KEY_ENTER) > 0;
    const bool escape = InKeyHit(KEY_ESCAPE) > 0;
    if (dShowPer == 0) return;  // answered: the panel only leaves
    if ((gui && gui->clickedItem("OK")) || enter) goOk();
    else if ((gui && gui->clickedItem("CANCEL")) || escape) goCancel();
}

int TPopUp::mainloop() {
    prepare();
    running = true;
    RunDialogLoop(
        *this, [this] { _checkAnswer(); }, [this] { return showPer == 0 && dShowPer == 0; });
    running = false;
    std::printf("pop-up: %s\n", odpowiedz ? "yes" : "no");
    return odpowiedz;
}

int AskPopUp(TEkran* screen, const std::string& question) {
    popUp.ekran = screen;
    popUp.text = question;
    popUp.CountTextSizes();
    return popUp.mainloop();
}
