// The lose dialog: shown over the board when the level clock ran out. It
// offers the main menu ("main" answers "MAIN-MENU") or another try
// ("replay" answers "RESTART").
#pragma once

#include <string>

#include "quest/level_end_dialog.h"

// The panel's height when its picture is missing, so the layout still slides.
constexpr float LOSE_PANEL_H = 380;

// gdzie: "MAIN-MENU" or "RESTART"; the caller is the match-3 screen.
class TLoseLevel : public TLevelEndDialog {
public:
    std::string txtLose;
    Font font;

    TLoseLevel() : TLevelEndDialog(LOSE_PANEL_H) {}
    void setup() override;
    virtual void _drawPanel();
    void draw() override;
    void update() override;
    virtual void _prepareSelf();
    void prepare() override;
    // Runs frames over `caller` until the player has chosen; returns gdzie.
    virtual std::string mainloop(TEkran* caller);
    virtual void goMainMenu();
    virtual void goReplay();

    void _checkButtons() override;
};

extern TLoseLevel loseLevel;
