// The virtual player's hand on the story: it watches the intro to its end,
// or, told to skip it (--skip-story), clicks once after a short look; it lets
// the outro play and, after reading the credits for a while, clicks them away.
// It says once which of them it has come to.
#pragma once

#include <string>

#include "devtools/gesture.h"

class TStoryHand {
public:
    bool skip = false;     // click the intro away
    int lookFrames = 90;   // frames it watches the intro before skipping it
    int readFrames = 300;  // frames it reads the credits before leaving them

    // One decision after a presented frame; true while the intro, the
    // outro or the credits after it are up.
    bool frame();
    // "intro", "outro", "credits" or "".
    static std::string seenScreen();

private:
    Gesture gesture;
    int waited = 0;
    std::string lastSeen;
};

// Starts the hand: one decision after every frame.
void StartStoryHand(bool skip);
