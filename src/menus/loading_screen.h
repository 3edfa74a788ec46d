// The loading screen: the village-gate picture with the logo and a progress
// bar, shown while every screen and table of the game is set up, one set-up
// step per frame; it then cross-fades into the main menu.
#pragma once

#include <functional>

#include "frame/screen.h"

class TLoadingScreen : public TEkran {
public:
    Image background;  // "gfx/gui/loading/back.jpg"
    Image bar0;        // the bar frame
    Image img;         // the bar filling
    Image logo;
    Image nakladka;  // the bar cover
    int p = 0;       // frames drawn so far
    int maxProgress = 40;
    // The screen the loading picture fades into; empty: the fade only shows
    // the loading picture going dark (tests, runs without a main menu).
    struct Hooks {
        std::function<void()> prefetchNext;    // the main menu's pictures decoded on the side
        std::function<void()> drawNextUnseen;  // its textures made a few frames later
        std::function<void()> prepareNext;     // the main menu's prepare and animals
        std::function<void()> updateNext;      // its world (smoke, water) for one frame
        std::function<void()> drawNext;        // its picture
    } hooks;

    void Setup();
    void FreeMe();
    void drawProgress(float a);
    void draw2(float a);
    void draw() override;
    void simpleDraw();
    // Runs every set-up step behind the bar, then fadeMeDown.
    void Mainloop();
    void fadeMeDown();
};

extern TLoadingScreen loadingScreen;
