#include "menus/main_menu.h"

#include <cstdio>

#include "audio/global_snd.h"
#include "frame/control.h"
#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/text_file.h"
#include "gui/gui.h"
#include "platform/angles.h"
#include "quest/continue_quest.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"

TMainMenu mainMenu;

namespace {
constexpr int KEY_S = 83;  // developer key: export the play log
}

void TMainMenu::setup() {
    auto texts = LoadTxtFile(gameDir + "txt/#LANG#/mainMenu.txt");
    txtWelcome = {TxtLine(texts, 5), TxtLine(texts, 6), TxtLine(texts, 7)};
    txtAreYouSureYouWantToExit = TxtLine(texts, 8);
    txtAreYouSureYouWantToRestart = TxtLine(texts, 11);
    back = shownOnly(GfxLoadImage(gameDir + "gfx/gui/landScreen/back.jpg", GFX_IMAGE_DEFAULT));
    logo = shownOnly(
        GfxLoadImage(LocalisedFile(gameDir + "gfx/gui/mainMenu/#LANG#/logo.png"), GFX_IMAGE_DEFAULT));
    gui = LoadGui(gameDir + "gfx/gui/mainMenu/#LANG#/mainMenu.gui");
    if (gui) gui->EnableFocus("play");
    profileFont = GetFont(gameDir + "gfx/fonts/font1.ttf", 36);
    smokePart.fill(0);
}

void TMainMenu::drawUnseen() {
    draw();
    GfxCls();
}

void TMainMenu::holdSharedPictures() {
    shownOnly(stripesImage);
    for (const auto& b : landBuildings) {
        shownOnly(b->img);
        shownOnly(b->upgraded);
    }
}

void TMainMenu::_prepareSelf() {
    dFade = 0;
    fade = 1;
    alpha = 0;
    dAlpha = 0;
    per = 0;
    dPer = 1;
}

void TMainMenu::prepare() {
    _prepareSelf();
    globalSnd.playMyMusic("title");
    if (gui && gui->focus) gui->focus->startAgain();
    _prepareDelta();
}

void TMainMenu::_prepareAnims() { anims = PrepareVillageAnims(nullptr, SysMillisecs()); }

int TMainMenu::mainloop() {
    const TScreenShown shownHere(*this);
    prepare();
    if (firstContact) {
        // The loading screen has already faded the village in.
        fade = 0;
        firstContact = 0;
    } else {
        _prepareAnims();
        smokeParticles.clear();
        waterParticles.clear();
    }
    wynik = 0;
    running = true;
    while (!fadedOut()) {
        ScreenFrame(*this);
        _checkButtons();
    }
    running = false;
    // The land screen starts without the menu's puffs, and the flattened village goes with the
    // menu's other pictures.
    smokeParticles.clear();
    flatVillage = {};
    flatParts.clear();
    return wynik;
}

void TMainMenu::_checkButtons() {
    const bool escape = InKeyHit(KEY_ESCAPE) > 0;
    // Once the menu is leaving, nothing more is asked.
    if (dFade == 1) return;
    if (gui && gui->clickedItem("play")) goPlay();
    else if (gui && gui->clickedItem("Settings")) goOptions();
    else if ((gui && gui->clickedItem("Exit")) || escape) goExit();
    else if (cheats && InKeyHit(KEY_S) > 0) ExportPlayLog();
}

void TMainMenu::goPlay() {
    if (!actProfile || actProfile->CanContinue() == 0) {
        wynik = QUEST_START_NEW;
        dFade = 1;
        if (hooks.leaving) hooks.leaving(wynik);
        globalSnd.hideMusic();
        return;
    }
    const std::string answer = continueQuest.mainloop(this);
    if (answer == "NEW" || answer == "CONTINUE") {
        wynik = answer == "NEW" ? QUEST_START_NEW : QUEST_CONTINUE;
        // The dialog has darkened the screen: the menu ends at once.
        fade = 1;
        dFade = 1;
        globalSnd.hideMusic();
        if (hooks.leaving) hooks.leaving(wynik);
    }
}

void TMainMenu::goOptions() {
    if (!hooks.runOptions) return;
    hooks.runOptions(this);
}

void TMainMenu::goManager() {
    if (hooks.runManager) hooks.runManager(this);
}

void TMainMenu::goExit() {
    const bool yes = hooks.askYesNo ? hooks.askYesNo(txtAreYouSureYouWantToExit) : true;
    if (!yes) return;
    SaveAll();
    EndProgram(0);
}

std::string PlayLogText(const TProfile& profile) {
    std::string text = profile.name + "\n";
    for (const auto& line : profile.levels) {
        if (!line) continue;
        text += std::to_string(line->id);
        for (int r : line->res) text += "|" + std::to_string(r);
        text += "|" + std::to_string(line->time) + "\n";
    }
    return text;
}

void TMainMenu::ExportPlayLog() {
    if (!actProfile || !hooks.requestFile) return;
    const std::string path = hooks.requestFile("Enter path for log file");
    if (path.empty()) return;
    if (!FsSaveText(PlayLogText(*actProfile), path))
        std::printf("Could not write the play log %s\n", path.c_str());
}

std::string TMainMenu::WelcomeLine() const {
    if (!actProfile) return "";
    return txtWelcome[0] + " " + actProfile->name + txtWelcome[1];
}

float TMainMenu::WelcomeY() const {
    const float h = static_cast<float>(GfxImageHeight(logo));
    return 220 - h + h * SinDeg(90 * per);
}
