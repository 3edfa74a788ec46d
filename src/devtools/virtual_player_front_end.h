// The virtual player's hand on the front end: it clicks a start-up card away
// after a look; in the main menu it first makes itself a profile when the
// game has only the first, unnamed one (the welcome line opens the profile
// manager, whose hand types the name), then presses "play" (or, once its
// whole-game run is over, "Exit"); it answers the continue dialog with "RESUME". It acts through the
// platform's input queue like a person and says once which screen it has come to.
#pragma once

#include <functional>
#include <string>

#include "devtools/gesture.h"

class TDialogHand;

class TFrontEndHand {
public:
    // One decision after a presented frame; true while a front-end screen or
    // dialog is up (nothing else is to be played then).
    bool frame();
    // Frames the player looks before each click.
    int lookFrames = 30;
    // The hand on the menu dialogs: asked to make a new profile when the
    // game starts with only the first, unnamed one.
    TDialogHand* dialogs = nullptr;
    // Asked at the main menu: when it says yes, the hand leaves the game
    // through the menu's exit (answering its question) instead of playing.
    std::function<bool()> leaveNow;

    // The front-end screen it sees now: "start-up card", "main menu",
    // "continue dialog" or "" (none of them).
    static std::string seenScreen();

private:
    Gesture gesture;
    int waited = 0;
    std::string lastSeen;
    bool askedForProfile = false;  // once a run

    void useMainMenu();
    bool onlyTheFirstProfile() const;
};
