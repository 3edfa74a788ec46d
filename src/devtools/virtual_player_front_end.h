// The virtual player's hand on the front end: it clicks a start-up card away
// after a look, presses "play" in the main menu and answers the continue
// dialog with "RESUME", through the platform's input queue like a person,
// and says once which screen it has come to.
#pragma once

#include <string>

#include "devtools/gesture.h"

class TEkran;

class TFrontEndHand {
public:
    // One decision after a presented frame; true while a front-end screen or
    // dialog is up (nothing else is to be played then).
    bool frame();
    // Frames the player looks before each click.
    int lookFrames = 30;

    // The front-end screen it sees now: "start-up card", "main menu",
    // "continue dialog" or "" (none of them).
    static std::string seenScreen();

private:
    Gesture gesture;
    int waited = 0;
    std::string lastSeen;

    bool clickObject(const TEkran& screen, const std::string& name);
    void useMainMenu();
};
