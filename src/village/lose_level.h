// The lose dialog: shown over the board when the level clock ran out. It
// offers the main menu ("main" answers "MAIN-MENU") or another try
// ("replay" answers "RESTART").
#pragma once

#include <string>

#include "frame/screen.h"

class TLoseLevel : public TEkran {
public:
    Image panel;
    std::string gdzie;  // "MAIN-MENU" or "RESTART"
    std::string txtLose;
    Font font;
    float showPer = 0, dShowPer = 0;

    // The screen drawn behind the dialog (the match-3 screen).
    TEkran* caller = nullptr;
    // True while the dialog's own loop runs (the virtual player reads it).
    bool running = false;

    void setup() override;
    virtual void _drawBack();
    virtual void _drawPanel();
    void draw() override;
    virtual void _updateShow();
    void update() override;
    virtual void _prepareSelf();
    virtual void prepare();
    // Runs frames over `caller` until the player has chosen; returns gdzie.
    virtual std::string mainloop(TEkran* caller);
    virtual void goMainMenu();
    virtual void goReplay();
    virtual float CountY() const;

    // The buttons' answers after one frame of the loop.
    void _checkButtons();
};

extern TLoseLevel loseLevel;
