// The continue dialog: a signboard over the main menu when the player
// presses play while a quest is in progress. "NEW" (after a yes to the
// restart question) answers "NEW", "RESUME" answers "CONTINUE", "MENU" or
// Escape slide the board away and answer "".
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "quest/level_end_dialog.h"

class TFormatedText;

// The board's height when its picture is missing, so the layout still slides.
constexpr float CONTINUE_PANEL_H = 600;

// gdzie: "NEW", "CONTINUE" or ""; the caller is the main menu.
class TContinueQuest : public TLevelEndDialog {
public:
    Font font1, font2;
    std::shared_ptr<TFormatedText> info;  // txtInfo laid out 400 px wide
    std::string txtInfo, txtTitle;
    // The yes/no question before a new quest replaces the one in progress
    // (the main menu wires its pop-up and text here); without it the answer
    // is yes.
    std::function<int()> askRestart;

    TContinueQuest() : TLevelEndDialog(CONTINUE_PANEL_H) {}
    void setup() override;
    virtual void _drawMyText(const std::string& text, float x, float y, float r, float g, float b);
    virtual void _drawInfo();
    void draw() override;
    void update() override;
    void prepare() override;
    // Runs frames over `caller` until the player has chosen; returns gdzie.
    virtual std::string mainloop(TEkran* caller);
    virtual void goNew();
    virtual void goResume();
    virtual void goMenu();

    // The buttons and Escape after one frame of the loop.
    void _checkButtons() override;
    // The loop is over: faded out, or slid away.
    bool finished() const override;
};

extern TContinueQuest continueQuest;
