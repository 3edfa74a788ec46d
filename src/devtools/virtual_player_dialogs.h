// The virtual player's hand on the level-end dialogs: it answers the level
// summary with "continue" once the totals have counted up, and the lose
// dialog with "replay" once its panel is in, by clicking the centre of the
// button's rectangle through the platform's input queue.
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

private:
    Gesture gesture;
    int waited = 0;

    void click(float x, float y);
};
