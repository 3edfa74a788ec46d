#include "village/land_screen.h"

#include <algorithm>
#include <cstdio>

#include "audio/global_snd.h"
#include "frame/control.h"
#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/text_file.h"
#include "gui/gui.h"
#include "match3/main_game.h"
#include "quest/profile.h"

TLandScreen landScreen;

namespace {
Image LoadLandImage(const std::string& name) {
    return GfxLoadImage(gameDir + "gfx/gui/landScreen/" + name, GFX_IMAGE_DEFAULT);
}
}  // namespace

TLandScreen::TLandScreen() {
    for (int k = 0; k < 4; k++) res[k] = TResPanel::CreateNew(50 + 100 * static_cast<float>(k), k, 1);
}

void TLandScreen::_setupGUI() { gui = LoadGui(gameDir + "gfx/gui/landScreen/#LANG#/landScreen.gui"); }

// The pictures of the buildings come with the catalogue (LoadLandCatalogues);
// the screen adds the research building's glow.
void TLandScreen::_setupBuildings() {
    back = shownOnly(LoadLandImage("back.jpg"));
    overHall[0] = shownOnly(LoadLandImage("over-hall.png"));
    GfxSetHandle(overHall[0], 9, 11);
    overHall[1] = shownOnly(LoadLandImage("over-hall-2.png"));
    GfxSetHandle(overHall[1], 14, 13);
    for (const auto& b : landBuildings) {
        shownOnly(b->img);
        shownOnly(b->upgraded);
        for (const Image& stage : b->buildStateImg) shownOnly(stage);
    }
}

void TLandScreen::_setupLandItems() {
    look.frame = shownOnly(LoadLandImage("frame.png"));
    for (const auto& item : landItems) shownOnly(item->icon);
    const char* names[4] = {"button_red.png", "button_green.png", "button_grey.png", "button_cyan.png"};
    for (int k = 0; k < 4; k++) look.button[k] = shownOnly(LoadLandImage(names[k]));
    look.fontPath = gameDir + "gfx/fonts/font1.ttf";
    look.fontSize = {20, 30, 24, 20};
    for (size_t k = 0; k < 4; k++) look.font[k] = GetFont(look.fontPath, look.fontSize[k]);
}

void TLandScreen::_setupTexts() {
    auto txt = LoadTxtFile(gameDir + "txt/#LANG#/landScreen.txt");
    look.txtBuild = TxtLine(txt, 1);
    look.txtUpgrade = TxtLine(txt, 2);
    look.txtLocked = TxtLine(txt, 3);
    look.txtOwned = TxtLine(txt, 4);
    look.txtPuzzle = TxtLine(txt, 7);
    txtClick = TxtLine(txt, 8);
}

void TLandScreen::setup() {
    _setupGUI();
    _setupBuildings();
    _setupLandItems();
    _setupTexts();
    infoFont = GetFont(gameDir + "gfx/fonts/font1.ttf", 32);
}

// ---------------------------------------------------------------------------
// Preparing an entry
// ---------------------------------------------------------------------------
void TLandScreen::_prepareSelf() {
    fade = 1;
    dFade = 0;
    alpha = dAlpha = 1;
    isRaining = 0;
    showHud = dShowHud = 0;
    toExit = 0;
    overItem = nullptr;
    overResearch = 0;
    wynik = 0;
}

void TLandScreen::_prepareResources() {
    for (int k = 0; k < 4; k++) {
        res[k]->counter = actProfile ? &actProfile->res[k] : nullptr;
        if (actProfile) res[k]->v = res[k]->dv = actProfile->res[k];
        res[k]->Show(500 + 100 * k);
    }
}

bool TLandScreen::SortBuilding(const std::shared_ptr<TBuilding>& a, const std::shared_ptr<TBuilding>& b) {
    return a->sortN - b->sortN < 0;
}

void TLandScreen::_prepareBuildings() {
    buildings.clear();
    if (!actProfile) return;
    for (auto& item : actProfile->items) {
        if (!item || !item->obj) continue;
        if (item->toUpgrade) {
            item->obj->show = 1;
            continue;
        }
        if (std::find(buildings.begin(), buildings.end(), item->obj) == buildings.end())
            buildings.push_back(item->obj);
        // Standing when the screen opens: not a completion to celebrate.
        item->obj->MarkBuilt();
        item->obj->show = 0;
    }
    std::stable_sort(buildings.begin(), buildings.end(), SortBuilding);
}

void TLandScreen::_prepareItems() {
    const int stage = actProfile ? actProfile->stage : 0;
    for (int k = 0; k < 4; k++) {
        items[k] = FindStageItem(stage, k);
        if (!items[k]) continue;
        items[k]->x = OfferX(k);
        items[k]->y = OfferY(0);
        items[k]->overA = items[k]->dOverA = 0;
    }
    iPer = 0;
    diPer = 1;
}

void TLandScreen::_prepareCleans() {
    if (hooks.clearTip) hooks.clearTip();
    rainParticles.clear();
    isRaining = actProfile && IsRainyLevel(actProfile->questLevelId) ? 1 : 0;
}

void TLandScreen::_prepareChickenAnims() { PrepareChickenAnims(anims, SysMillisecs()); }
void TLandScreen::_preparePigAnims() { PreparePigAnims(anims, SysMillisecs()); }
void TLandScreen::_prepareSheepAnims() { PrepareSheepAnims(anims, SysMillisecs()); }
void TLandScreen::_prepareMoleAnims() { PrepareMoleAnims(anims, SysMillisecs()); }
void TLandScreen::_prepareAnims() { anims = PrepareVillageAnims(actProfile.get(), SysMillisecs()); }
void TLandScreen::MoveBirds() { ::MoveBirds(anims); }

void TLandScreen::buildingFinished(int buildingId) { AddAnimsOfBuilding(anims, buildingId, SysMillisecs()); }

void TLandScreen::_prepareMusic() { globalSnd.playMyMusic("land"); }

void TLandScreen::prepare() {
    _prepareSelf();
    _prepareResources();
    _prepareBuildings();
    _prepareAnims();
    _prepareItems();
    _prepareCleans();
    if (actProfile) actProfile->actScreen = SCREEN_LAND;
    SaveAll();
    _prepareMusic();
    _prepareDelta();
    if (isRaining) globalSnd.PlayRain();
}

// ---------------------------------------------------------------------------
// The main loop and its ways out
// ---------------------------------------------------------------------------
int TLandScreen::mainloop() {
    const TScreenShown shownHere(*this);
    prepare();
    running = true;
    std::printf("village: stage %d, buildings standing: %d\n", actProfile ? actProfile->stage : 0,
                static_cast<int>(buildings.size()));
    do {
        ScreenFrame(*this);
        _afterFrame();
    } while (!fadedOut() && toExit == 0);
    running = false;
    toExit = 0;
    buildingClouds.clear();
    return wynik;
}

void TLandScreen::_afterFrame() {
    const bool escape = InKeyHit(KEY_ESCAPE) > 0;
    if (dFade != 0) return;  // on its way out: nothing more to press
    if (dShowHud == 0) {
        if (gui && gui->clickedItem("continue")) goPlay();
        else if ((gui && gui->clickedItem("options")) || escape) goOptions();
        else if (gui && gui->clickedItem("show")) goHideHud();
    } else if (mouse.leftPressed) {
        dAlpha = 1;
        dShowHud = 0;
    }
    if (cheats && actProfile) {
        const int add = InKeyHit('C') ? 5000 : InKeyHit('V') ? 50 : 0;
        const int amount[4] = {add, add, add, add};
        if (add) actProfile->AddResources(amount);
    }
}

void TLandScreen::goPlay() {
    dFade = 1;
    if (actProfile) {
        if (!actProfile->questLevel) actProfile->QUEST_LoadActLevel();
        else mainGame.SetData(actProfile->questLevel);
    }
    wynik = SCREEN_MATCH3;
    for (int k = 0; k < 4; k++) res[k]->Hide(100 * k);
    if (isRaining) globalSnd.StopRain();
}

void TLandScreen::goOptions() {
    // Until the options dialog is wired in, the way out is the main menu's.
    const int answer = hooks.runOptions ? hooks.runOptions() : SCREEN_MAIN_MENU;
    if (answer == SCREEN_MAIN_MENU) goMainMenu();
}

void TLandScreen::goMainMenu() {
    wynik = SCREEN_MAIN_MENU;
    dFade = 1;
    if (isRaining) globalSnd.StopRain();
}

void TLandScreen::goHideHud() {
    dShowHud = 1;
    dAlpha = 0;
}
