// The virtual player's eyes on the adviser: when a tip comes up it stops
// what it was doing, reads the speech (longer speeches take longer) and
// clicks on the bubble to go on, as a person would. Tips that end only when
// the screen hides them do not hold it up.
#pragma once

#include "devtools/gesture.h"

class TTipHand {
public:
    int lookFrames = 45;  // frames before reading starts
    int charFrames = 1;   // frames of reading per character of the speech

    // One decision after a presented frame; true while it attends to a tip
    // (the screen below is not to be played then).
    bool frame();
    int tipsRead() const { return read; }

private:
    Gesture gesture;
    int waited = 0;
    int read = 0;
    int lastTipId = -1;
};
