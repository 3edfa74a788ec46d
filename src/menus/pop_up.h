// The yes/no question over the screen that asks it: a panel slides up with
// the question and two buttons. "OK" or Enter answer 1, "CANCEL" or Escape 0.
#pragma once

#include <string>

#include "frame/screen.h"
#include "frame/value_types.h"
#include "quest/level_end_dialog.h"

// The panel's height when its picture is missing.
constexpr float POPUP_PANEL_H = 336;
// The question is laid out this wide, centred on the panel's dark board (at rest).
constexpr float POPUP_TEXT_WIDTH = 340;
TDim PopUpQuestionBoard();

class TPopUp : public TEkran {
public:
    TEkran* ekran = nullptr;  // the calling screen, drawn behind; may be null
    Image panel;
    float showPer = 0, dShowPer = 0;
    std::string text;  // the question
    int drawY = 0;     // top of the question before the slide offset
    Font font;
    int odpowiedz = 1;     // the answer: 1 yes, 0 no
    bool running = false;  // true while the question is up (the virtual player reads it)
    TCallerPicture callerPicture;

    void setup() override;
    // Lays the question out POPUP_TEXT_WIDTH wide and centres it on the board.
    virtual void CountTextSizes();
    // The caller under the stripes alone, without a veil.
    virtual void _drawBack();
    bool dimsItsCaller() const override { return true; }
    virtual void _drawPanel();
    void draw() override;
    virtual void _updateShow();
    void update() override;
    virtual void prepare();
    // Runs frames until the panel has slid away; returns odpowiedz.
    virtual int mainloop();
    virtual void goOk();
    virtual void goCancel();
    // How far below its resting place the panel is.
    virtual float CountY() const;
    // The buttons, Enter and Escape after one frame.
    void _checkAnswer();
};

extern TPopUp popUp;

// Asks `question` over `screen`; 1 for yes, 0 for no.
int AskPopUp(TEkran* screen, const std::string& question);
