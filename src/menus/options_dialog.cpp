// The options dialog's set-up, frame and buttons; its drawing is in
// options_dialog_draw.cpp.
#include "menus/options_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "frame/control.h"
#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/language_switch.h"
#include "frame/languages.h"
#include "frame/mouse.h"
#include "frame/names.h"
#include "frame/options.h"
#include "frame/text_file.h"
#include "gui/gui.h"
#include "menus/dialog_back.h"

TOptionsDialog optionsDialog;

namespace {

void SetShown(TGui* gui, const std::string& name, bool shown) {
    if (!gui) return;
    if (auto obj = gui->GetObject(name)) obj->SetState(shown ? 1 : 0, shown ? 1 : 0);
}

// The volume sliders as the keyboard focus names them.
const std::string kMusicSlider = "music_slider";
const std::string kSoundSlider = "sound_slider";

}  // namespace

float SliderVolume(float mouseX, int minBarX, int maxBarX) {
    if (maxBarX <= minBarX) return 0;
    const float x = std::clamp(mouseX - 25, static_cast<float>(minBarX), static_cast<float>(maxBarX));
    const float odl = static_cast<float>(maxBarX) - x;
    return std::clamp((1 - odl / static_cast<float>(maxBarX - minBarX)) * 10, 0.0f, 10.0f);
}

void TOptionsDialog::setup() {
    auto txt = LoadTxtFile(gameDir + "txt/#LANG#/options.txt");
    txtOptions = TxtLine(txt, 1);
    txtSound = TxtLine(txt, 2);
    txtMusic = TxtLine(txt, 3);
    txtDisplay = TxtLine(txt, 4);
    txtCustom = TxtLine(txt, 5);
    txtWindow = TxtLine(txt, 7);
    txtRatio1 = TxtLine(txt, 8);
    txtRatio2 = TxtLine(txt, 9);
    txtLanguage = TxtLine(txt, 15);
    txtRelaxed = TxtLine(txt, 16);
    font1 = GetFont(gameDir + "gfx/fonts/font1.ttf", 36);
    panel = shownOnly(GfxLoadImage(gameDir + "gfx/gui/options/panel.png", GFX_IMAGE_DEFAULT));
    if (panel) GfxSetHandle(panel, static_cast<float>(GfxImageWidth(panel)) / 2, 680);
    pasek = shownOnly(GfxLoadImage(gameDir + "gfx/gui/options/pasek.png", GFX_IMAGE_DEFAULT));
    bar = shownOnly(GfxLoadImage(gameDir + "gfx/gui/options/bar.png", GFX_IMAGE_DEFAULT));
    languageRow = shownOnly(GfxLoadImage(gameDir + "gfx/gui/options/language.png", GFX_IMAGE_DEFAULT));
    GfxMidHandle(bar);
    gui = LoadGui(gameDir + "gfx/gui/options/#LANG#/options.gui");
    if (gui) {
        // Left and right move a focused slider, and step the languages as they always have
        // unless the focus stands on another control: there they move it.
        gui->EnableFocus("OK").keepsSideKeys = [this](const std::string& focused) {
            if (focused == kMusicSlider || focused == kSoundSlider) return true;
            return showsLanguageRow() && (focused.empty() || EqualNoCase(focused, "lang_prev") ||
                                          EqualNoCase(focused, "lang_next"));
        };
    }
    maxBarX = 745 - GfxImageWidth(bar) / 2;
}

float TOptionsDialog::CountY() const { return SlideOffset(PanelHeight(panel, OPTIONS_PANEL_H), showPer); }

void TOptionsDialog::_showByCaller() {
    TGui* g = gui.get();
    SetShown(g, "MENU", from != OptionsCaller::MainMenu);
    SetShown(g, "Restart", from == OptionsCaller::Game);
    SetShown(g, "map", from == OptionsCaller::Game);
    SetShown(g, "credits", from == OptionsCaller::MainMenu);
    SetShown(g, "lang_prev", showsLanguageRow());
    SetShown(g, "lang_next", showsLanguageRow());
}

void TOptionsDialog::prepare() {
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    showPer = 0;
    dShowPer = 1;
    stripeA = 0;
    dStripeA = 1;
    wynik = 0;
    holded = 0;
    callerPicture.forget();
    SaveAll();
    _showByCaller();
    if (gui && gui->focus) gui->focus->startAgain();
}

void TOptionsDialog::_updateShow() { ApproachInPlace(showPer, dShowPer, 0.05f); }

void TOptionsDialog::_updateSoundsSettings() {
    if (showPer < 1) return;
    if (holded == 0 && mouse.leftHolded) {
        if (mouse.inRect(SLIDER_X, MUSIC_SLIDER_Y, SLIDER_W, SLIDER_H)) holded = 1;
        else if (mouse.inRect(SLIDER_X, SOUND_SLIDER_Y, SLIDER_W, SLIDER_H)) holded = 2;
    }
    if (holded == 0) return;
    const float x = std::clamp(mouse.x - 25, static_cast<float>(minBarX), static_cast<float>(maxBarX));
    odl = static_cast<float>(maxBarX) - x;
    const float volume = SliderVolume(mouse.x, minBarX, maxBarX);
    // The sound manager reads the volumes every frame: they apply at once.
    if (holded == 1) options.musicVol = volume;
    else options.soundVol = volume;
    if (!mouse.leftHolded) {
        holded = 0;
        options.SaveSettings();
    }
}

void TOptionsDialog::_showSwitches() {
    TGui* g = gui.get();
    const bool full = options.EffectiveFullscreen() != 0;
    SetShown(g, "FULLSCREEN_ON", !full);
    SetShown(g, "FULLSCREEN_OFF", full);
    SetShown(g, "CUSTOM_OFF", mouse.isCustom == 0);
    SetShown(g, "CUSTOM_ON", mouse.isCustom != 0);
    const bool wide = options.ratio != 0;
    SetShown(g, "RATIO2_ON", !wide);
    SetShown(g, "RATIO1_OFF", !wide);
    SetShown(g, "RATIO1_ON", wide);
    SetShown(g, "RATIO2_OFF", wide);
    SetShown(g, "RELAXED_OFF", options.relaxed == 0);
    SetShown(g, "RELAXED_ON", options.relaxed != 0);
}

void TOptionsDialog::_placeSliders() {
    if (!gui || !gui->focus) return;
    // Where the tracks are drawn, with the panel's slide.
    const float cy = CountY();
    const float w = static_cast<float>(GfxImageWidth(pasek)), h = static_cast<float>(GfxImageHeight(pasek));
    auto track = [&](float y) {
        TDim d;
        d.x = 420;
        d.y = y + cy;
        d.w = w;
        d.h = h;
        d.cx = d.x + w / 2;
        d.cy = d.y + h / 2;
        return d;
    };
    gui->focus->places = {{kMusicSlider, track(210)}, {kSoundSlider, track(275)}};
}

void TOptionsDialog::_stepSliderByKeys() {
    if (!gui || !gui->focus || !gui->focus->shown()) return;
    const std::string& focused = gui->focus->focused();
    if (focused != kMusicSlider && focused != kSoundSlider) return;
    const int step = (InKeyHit(KEY_RIGHT) > 0 ? 1 : 0) - (InKeyHit(KEY_LEFT) > 0 ? 1 : 0);
    if (step == 0) return;
    float& volume = focused == kMusicSlider ? options.musicVol : options.soundVol;
    volume = std::clamp(std::round(volume) + static_cast<float>(step), 0.0f, 10.0f);
    options.SaveSettings();
}

void TOptionsDialog::update() {
    CommonUpdate(this);
    _updateFade();
    _updateAlpha();
    _placeSliders();
    _updateGui();
    _updateShow();
    _updateSoundsSettings();
    if (gui) gui->VectorMe(0, PanelHeight(panel, OPTIONS_PANEL_H), SlideIn(showPer));
    _showSwitches();
    _showByCaller();
    if (from == OptionsCaller::Village && updateCaller) updateCaller();
}

void TOptionsDialog::goCredits() {
    if (runCredits) runCredits(this);
}

void TOptionsDialog::goMenu() {
    dFade = 1;
    wynik = SCREEN_MAIN_MENU;
}

void TOptionsDialog::goMap() {
    dFade = 1;
    wynik = SCREEN_LAND;
}

void TOptionsDialog::_checkButtons() {
    // Escape is read every frame, so that a press while the panel leaves is
    // not left over for the caller.
    const bool escape = InKeyHit(KEY_ESCAPE) > 0;
    if (dShowPer == 0 || dFade == 1) return;  // closing: the panel only leaves
    if (escape || (gui && gui->clickedItem("OK"))) {
        dShowPer = dAlpha = dStripeA = 0;
        return;
    }
    if (!gui) return;
    _stepSliderByKeys();
    // A switch takes effect at once and is saved at once, so that a crash
    // or a close request later does not lose it.
    auto changed = [] {
        mouse.clear();
        options.SaveSettings();
    };
    if (showsLanguageRow()) {
        // Left and right step through the languages as the arrows do.
        const int step = (gui->clickedItem("lang_next") || InKeyHit(KEY_RIGHT) > 0)  ? 1
                         : (gui->clickedItem("lang_prev") || InKeyHit(KEY_LEFT) > 0) ? -1
                                                                                     : 0;
        if (step != 0) {
            changeLanguage(step);
            return;
        }
    }
    if (gui->clickedItem("REstart")) {
        dFade = 1;
        wynik = QUEST_RESTART_LEVEL;
    } else if (gui->clickedItem("credits")) {
        goCredits();
    } else if (gui->clickedItem("MENU")) {
        goMenu();
    } else if (gui->clickedItem("map")) {
        goMap();
    } else if (gui->clickedItem("ratio1_off")) {
        options.ratio = 1;
        options.OpenScreen();
        changed();
    } else if (gui->clickedItem("ratio2_off")) {
        options.ratio = 0;
        options.OpenScreen();
        changed();
    } else if (gui->clickedItem("custom_off")) {
        mouse.Custom();
        changed();
    } else if (gui->clickedItem("custom_on")) {
        mouse.Normal();
        changed();
    } else if (gui->clickedItem("relaxed_off") || gui->clickedItem("relaxed_on")) {
        // Offered over a level too: the clock stops, or goes on, where it stands.
        options.relaxed = options.relaxed ? 0 : 1;
        changed();
    } else if (gui->clickedItem("FULLSCREEN_ON")) {
        options.goFullscreen();
        changed();
    } else if (gui->clickedItem("FULLSCREEN_OFF")) {
        options.goWindowed();
        changed();
    }
}

void TOptionsDialog::changeLanguage(int step) {
    // A language whose texts are not installed is stepped over: choosing it would blank every
    // text of the game.
    std::string next = options.EffectiveLanguage();
    for (int tries = 0; tries < kLanguageCount; ++tries) {
        next = NextLanguage(next, step);
        if (FsFileType(gameDir + "txt/" + next) == 2) break;
    }
    options.language = next;
    options.forcedLanguage.clear();  // a choice made here outlasts a --language run
    options.SaveSettings();
    mouse.clear();
    // Every screen reads its texts and GUI script again, this dialog too: its new buttons
    // take the states and the slide of the old ones at the next update.
    SwitchLanguage(options.language);
}

bool TOptionsDialog::finished() const {
    return (alpha == 0 && dAlpha == 0) || (showPer == 0 && dShowPer == 0) || (fade == 1 && dFade == 1);
}

int TOptionsDialog::mainloop(TEkran* caller, OptionsCaller opener) {
    ekran = caller;
    from = opener;
    prepare();
    running = true;
    RunDialogLoop(
        *this, [this] { _checkButtons(); }, [this] { return finished(); });
    running = false;
    SaveAll();
    std::printf("options: %d\n", wynik);
    return wynik;
}
