#include "quest/continue_quest.h"

#include <cstdio>

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "gui/gui.h"
#include "quest/level_end_dialog.h"

TContinueQuest continueQuest;

void TContinueQuest::setup() {
    panel = shownOnly(GfxLoadImage(gameDir + "gfx/gui/continueQuest/panel.png", GFX_IMAGE_DEFAULT));
    if (panel) GfxSetHandle(panel, static_cast<float>(GfxImageWidth(panel)) / 2, 600);
    const std::string font = gameDir + "gfx/fonts/font1.ttf";
    font1 = GetFont(font, 42);
    font2 = GetFont(font, 32);
    auto txt = LoadTxtFile(gameDir + "txt/#LANG#/resume.txt");
    txtTitle = TxtLine(txt, 4);
    txtInfo = TxtLine(txt, 5);
    info = CreateFormatedText(txtInfo, font2, 400, 0);
    gui = LoadGui(gameDir + "gfx/gui/continueQuest/#LANG#/continueQuest.gui");
}

void TContinueQuest::prepare() { startShowing(); }

void TContinueQuest::update() {
    CommonUpdate(this);
    _updateShow();
    _updateGui();
    _updateFade();
    slideGui();
}

void TContinueQuest::_drawMyText(const std::string& text, float x, float y, float r, float g, float b) {
    DrawShadowedText(text, x, y, NewRGB(r, g, b), alpha);
}

// The info text is laid out in set-up but the board shows only its title.
void TContinueQuest::_drawInfo() {}

void TContinueQuest::draw() {
    _drawBack();
    GfxResetDrawState(alpha);
    GfxDrawImage(panel, 512, 768 + CountY());
    GfxSetImageFont(font2);
    _drawMyText(txtTitle, 512, 182 + CountY(), 255, 255, 255);
    _drawInfo();
    GfxResetDrawState();
    _drawGui();
    _drawFade();
}

void TContinueQuest::goNew() {
    if (askRestart && !askRestart()) return;
    answer("NEW");
}

void TContinueQuest::goResume() { answer("CONTINUE"); }

void TContinueQuest::goMenu() {
    gdzie.clear();
    dShowPer = 0;
    dStripeA = 0;
}

void TContinueQuest::_checkButtons() {
    // Read every frame, so that a press during the slide-out is not left
    // over for the menu.
    const bool escape = InKeyHit(KEY_ESCAPE) > 0;
    // Once the player has chosen, the board only leaves.
    if (dFade == 1 || dShowPer == 0) return;
    if (gui && gui->clickedItem("NEW")) goNew();
    else if (gui && gui->clickedItem("RESUME")) goResume();
    else if ((gui && gui->clickedItem("MENU")) || escape) goMenu();
}

bool TContinueQuest::finished() const { return fadedOut() || (showPer == 0 && dShowPer == 0); }

std::string TContinueQuest::mainloop(TEkran* callerScreen) {
    return runOver(callerScreen, "continue dialog");
}
