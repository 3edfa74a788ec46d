// The start-up sequence: data folder, random seed, settings and display,
// side frames, then every set-up step of the game.
#pragma once

#include <functional>
#include <string>

struct StartOptions {
    bool seedGiven = false;
    int seed = 0;
    int displayMode = -1;    // -1 from the settings, 0 window, 1 full screen
    std::string language;    // a language for this run only ("": the settings' choice)
    bool showSplash = true;  // false: no splash, whatever the marker files say
    // Shows the loading screen (after the splash when `splash` is true) while
    // it runs every set-up step. Empty: the steps run at once, unseen (runs of
    // one level or one screen, tests).
    std::function<void(bool splash)> showLoading;
};

void StartGame(const StartOptions& opts);
