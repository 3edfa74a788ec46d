// The start-up sequence: data folder, random seed, settings and display,
// side frames, then every set-up step of the game.
#pragma once

struct StartOptions {
    bool seedGiven = false;
    int seed = 0;
    int displayMode = -1;  // -1 from the settings, 0 window, 1 full screen
    bool showSplash = true;
};

void StartGame(const StartOptions& opts);
