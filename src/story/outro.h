// The outro (screen code 9): four pictures pan and zoom slowly under the
// letterbox bars with timed subtitles, then a black step; the credits follow
// and the quest ends. Clicks are not read.
#pragma once

#include <array>
#include <functional>

#include "frame/screen.h"

struct TOutroHooks {
    // Runs the credits over the outro; empty: no credits.
    std::function<void(TEkran&)> runCredits;
};

class TOutro : public TEkran {
public:
    std::array<Image, 4> sceneImg;  // centred handles
    std::array<int, 5> sceneTime{28000, 20000, 18000, 7000, 7000};
    std::array<float, 5> scaleAd{0.0002f, 0.00025f, 0.0001f, 0.0001f, 0};
    int lastImg = -1;  // the step underneath, -1 for none
    std::array<float, 5> adx{0.5f, -0.1f, 0, 0, 0};
    std::array<float, 5> ady{-0.02f, 0, 0.05f, 0, 0};
    float lastAdX = 0, lastAdY = 0;
    float actAdX = 0, actAdY = 0;
    int actImg = 0;  // 0..4; step 4 is a black screen
    float lastScale = 0;
    float actAlpha = 0;
    float actScale = 1;
    int nextTime = 0;

    TOutroHooks hooks;
    bool running = false;    // its pictures run (the virtual player reads it)
    bool inCredits = false;  // the credits run over it (the virtual player reads it)

    void setup() override;
    virtual void _drawScene();
    virtual void _drawBars();
    virtual void _updateScene();
    virtual void prepare();
    // Plays the outro, then the credits; ends the quest and returns the main menu's code.
    virtual int mainloop();
    void draw() override;
    void update() override;
    bool keepsRunningWhenSuspended() const override { return true; }
};

extern TOutro outro;
