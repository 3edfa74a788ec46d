#include "quest/lose_level.h"

#include <cstdio>

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "gui/gui.h"
#include "quest/level_end_dialog.h"

TLoseLevel loseLevel;

void TLoseLevel::setup() {
    panel = shownOnly(GfxLoadImage(gameDir + "gfx/gui/loseLevel/panel.png", GFX_IMAGE_DEFAULT));
    GfxMidHandle(panel);
    txtLose = TxtLine(LoadTxtFile(gameDir + "txt/#LANG#/lose.txt"), 3);
    font = GetFont(gameDir + "gfx/fonts/font1.ttf", 72);
    gui = LoadGui(gameDir + "gfx/gui/loseLevel/#LANG#/lose.gui");
}

void TLoseLevel::_prepareSelf() {
    alpha = dAlpha = 1;
    startShowing();
}

void TLoseLevel::prepare() {
    _prepareSelf();
    _prepareDelta();
}

void TLoseLevel::update() {
    CommonUpdate(this);
    _updateFade();
    _updateShow();
    slideGui();
    _updateGui();
}

void TLoseLevel::_drawPanel() {
    GfxResetDrawState(alpha);
    GfxDrawImage(panel, 512, 380 + CountY());
}

void TLoseLevel::draw() {
    _drawBack();
    _drawPanel();
    GfxSetImageFont(font);
    DrawCentredText(txtLose, 512, 270 + CountY(), NewRGB(255, 255, 255), alpha);
    GfxResetDrawState();
    _drawGui();
    _drawFade();
}

void TLoseLevel::goMainMenu() { answer("MAIN-MENU"); }

void TLoseLevel::goReplay() { answer("RESTART"); }

void TLoseLevel::_checkButtons() {
    // Once the player has chosen, the dialog only fades out.
    if (!gui || dFade == 1) return;
    if (gui->clickedItem("main")) goMainMenu();
    if (gui->clickedItem("replay")) goReplay();
}

std::string TLoseLevel::mainloop(TEkran* callerScreen) { return runOver(callerScreen, "lose dialog"); }
