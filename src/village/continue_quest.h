// The continue dialog: a signboard over the main menu when the player
// presses play while a quest is in progress. "NEW" (after a yes to the
// restart question) answers "NEW", "RESUME" answers "CONTINUE", "MENU" or
// Escape slide the board away and answer "".
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "frame/screen.h"

class TFormatedText;

class TContinueQuest : public TEkran {
public:
    Image panel;
    Font font1, font2;
    std::shared_ptr<TFormatedText> info;  // txtInfo laid out 400 px wide
    std::string txtInfo, txtTitle;
    float showPer = 0, dShowPer = 0;
    std::string gdzie;  // "NEW", "CONTINUE" or ""

    // The screen drawn behind the dialog (the main menu).
    TEkran* caller = nullptr;
    // The yes/no question before a new quest replaces the one in progress
    // (the main menu wires its pop-up and text here); without it the answer
    // is yes.
    std::function<int()> askRestart;
    bool running = false;

    void setup() override;
    virtual void _drawMyText(const std::string& text, float x, float y, float r, float g, float b);
    virtual void _drawBack();
    virtual void _drawInfo();
    void draw() override;
    virtual void _updateShow();
    void update() override;
    virtual void prepare();
    // Runs frames over `caller` until the player has chosen; returns gdzie.
    virtual std::string mainloop(TEkran* caller);
    virtual float CountY() const;
    virtual void goNew();
    virtual void goResume();
    virtual void goMenu();

    // The buttons and Escape after one frame of the loop.
    void _checkButtons();
    // The loop is over: faded out, or slid away.
    bool finished() const;
};

extern TContinueQuest continueQuest;
