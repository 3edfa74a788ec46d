// The options dialog: a panel slides up over the calling screen with the
// music and sound sliders, switches for full screen, the wide picture and
// the custom cursor (each applied at once and saved), and buttons back, to
// the main menu, to the village, to restart the level or to the credits,
// shown by the screen that opened it. The settings themselves live in
// `options` (frame/options.h).
#pragma once

#include <functional>
#include <string>

#include "frame/screen.h"
#include "quest/level_end_dialog.h"

// Which screen opened the dialog: it decides the buttons shown.
enum class OptionsCaller { MainMenu, Village, Game };

// The panel's height when its picture is missing.
constexpr float OPTIONS_PANEL_H = 680;
// The black veil over the caller once the stripes are in.
constexpr float OPTIONS_VEIL = 0.5f;
// The sliders' hit rectangles (x, y, w, h) before the slide offset.
constexpr float MUSIC_SLIDER_Y = 206, SOUND_SLIDER_Y = 270;
constexpr float SLIDER_X = 445, SLIDER_W = 300, SLIDER_H = 22;
// The language row under the switches: its wells' top left, the label's place and the centre
// of the language's name between the two arrows.
constexpr float LANGUAGE_ROW_X = 226, LANGUAGE_ROW_Y = 555;
constexpr float LANGUAGE_LABEL_X = 240, LANGUAGE_TEXT_Y = 558, LANGUAGE_NAME_CX = 616;
constexpr float LANGUAGE_NAME_W = 196;  // the name's well, inside its rim
// The relaxed mode's label, in its well right of the full screen switch; its check box (at x 730)
// ends where the rule under the switches ends.
constexpr float RELAXED_LABEL_X = 540, RELAXED_TEXT_Y = 488;
constexpr float RELAXED_WELL_X = 526, RELAXED_WELL_W = 196;

// The volume (0..10) a knob dragged with the mouse at `mouseX` gives.
float SliderVolume(float mouseX, int minBarX, int maxBarX);

class TOptionsDialog : public TEkran {
public:
    TEkran* ekran = nullptr;  // the screen that opened the dialog
    OptionsCaller from = OptionsCaller::Game;
    // Keeps the caller moving behind the dialog (the village); may be empty.
    std::function<void()> updateCaller;
    Image panel, pasek, bar;  // panel, slider track, knob
    Font font1;
    std::string txtOptions, txtMusic, txtSound, txtDisplay, txtCustom, txtWindow, txtRatio1, txtRatio2;
    std::string txtLanguage;  // the language row's label (shown from the main menu)
    std::string txtRelaxed;   // the relaxed mode's label: the level's clock stands still
    Image languageRow;        // the row's wells: the label's and the language name's
    int minBarX = 445;
    int maxBarX = 745;
    float showPer = 0, dShowPer = 0;
    int holded = 0;        // knob being dragged: 0 none, 1 music, 2 sound
    float odl = 0;         // distance of the dragged knob from the right end
    bool running = false;  // true while the dialog is up (the virtual player reads it)
    // Opens the credits over the dialog; empty: nothing happens.
    std::function<void(TEkran* over)> runCredits;
    TCallerPicture callerPicture;

    void setup() override;
    virtual void _drawBack();
    bool dimsItsCaller() const override { return true; }
    virtual void _drawMyText(const std::string& text, float x, float y);
    virtual void _drawPanel();
    virtual void _drawSettings();
    virtual void _drawLanguageRow();
    virtual void _updateShow();
    virtual float CountY() const;
    virtual void _updateSoundsSettings();
    virtual void prepare();
    // Runs the dialog over `caller`; returns 0 (closed), 1 (main menu),
    // 6 (village) or 105 (restart the level).
    virtual int mainloop(TEkran* caller, OptionsCaller opener);
    virtual void goCredits();
    virtual void goMenu();
    virtual void goMap();
    void draw() override;
    void update() override;
    // The buttons and Escape after one frame.
    void _checkButtons();
    // The volume sliders as keyboard controls: their places for the focus, and Left and Right
    // stepping the focused one by a tenth (saved at once).
    void _placeSliders();
    void _stepSliderByKeys();
    // The loop is over.
    bool finished() const;
    // Speaks the language `step` places after the one in use (-1: before), saves the choice
    // and reads every screen's texts again.
    void changeLanguage(int step);
    bool showsLanguageRow() const { return from == OptionsCaller::MainMenu; }

private:
    void _showByCaller();
    void _showSwitches();
};

extern TOptionsDialog optionsDialog;
