// The virtual player's hand on the dialogs: it answers the level summary
// with "continue" once the totals have counted up, and the lose dialog with
// "replay" once its panel is in, by clicking the button through the
// platform's input queue. Over any screen it answers the menu dialogs the
// same way: yes to a question, a name typed letter by letter and Enter into
// the name entry, "OK" in the options and the profile manager, a click on
// the credits.
#pragma once

#include <deque>
#include <string>

#include "devtools/gesture.h"
#include "platform/platform.h"

class TEkran;

class TDialogHand {
public:
    // One decision after a presented frame; true while a level-end dialog
    // is up (the board is not to be played then).
    bool frame();
    // Frames the player looks at a finished summary before answering.
    int lookFrames = 30;

    // The button the hand would click on the dialog that is up, "" when
    // none is up or it is not time yet.
    std::string choice() const;
    // The level summary or the lose dialog is up.
    static bool levelEndDialogUp();

    // One decision after a presented frame; true while a menu dialog is up
    // (whatever is behind it is not to be played then).
    bool menuFrame();
    // The name it types into an empty name entry.
    std::string name = "VIRTUAL";
    // Set by the front-end hand: the next profile manager it meets makes a
    // new profile ("NEW", then the name) before it closes.
    bool makeProfile = false;

private:
    Gesture gesture;
    int waited = 0;
    Gesture menuGesture;
    int menuWaited = 0;
    std::string menuSeen;

    void click(float x, float y);
    void typeName();
};
