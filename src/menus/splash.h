// The start-up cards shown before the loading screen: up to five pictures
// "gfx/branding/splash0" .. "splash4" (.png, else .jpg; a language's own in
// "gfx/branding/<code>/" first), each faded in from
// black, held three seconds and faded out; a click fades the current one out
// at once.
#pragma once

#include <vector>

#include "frame/screen.h"

class TSplash : public TEkran {
public:
    std::vector<Image> images;  // the pictures found, in number order
    int actN = 0;               // the picture shown
    int timeFrame = 3000;       // ms a picture stays before it fades out
    int nextFrame = 0;          // when the current picture starts to fade out
    bool running = false;       // its main loop runs (the virtual player reads it)

    void setup() override;
    void draw() override;
    void update() override;
    // Shows every picture; returns at once when none was found.
    void mainloop();
};

extern TSplash splash;
