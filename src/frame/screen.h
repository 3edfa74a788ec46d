// The base of every screen: fade to and from black, the opacity of the
// screen's content, the stripes overlay behind dialogs, and the GUI hooks.
#pragma once

#include <memory>

#include "platform/platform.h"

class TGui;

class TEkran {
public:
    std::shared_ptr<TGui> gui;  // may be absent
    float alpha = 1;
    float dAlpha = 1;
    float aSpeed = 0.05f;
    float fade = 0;
    float dFade = 0;
    float fSpeed = 0.05f;
    int wynik = 0;  // the screen code the main loop returns
    int _exit = 0;  // free flag for subclasses
    float stripeA = 0;
    float dStripeA = 0;

    virtual ~TEkran() = default;

    virtual void setup() {}
    virtual void _drawFade();
    virtual void _drawStripes();
    virtual void _drawGui();  // defined with the GUI: gui/screen_gui.cpp
    virtual void draw() {}
    virtual void _updateAlpha();
    virtual void _updateFade();
    virtual void _updateGui();
    virtual void _updateControl() {}
    virtual void update() {}
    virtual void _prepareDelta();

    // True once the screen has faded out completely (its main loop ends).
    bool fadedOut() const { return fade >= 1 && dFade >= 1; }
    // Screens the suspend loop leaves running (the intro and the outro).
    virtual bool keepsRunningWhenSuspended() const { return false; }
};

// For the rest of its scope a screen's drawing goes through the still layer (platform/gfx_layer.h)
// that every screen shares, as only one screen draws the whole frame at a time (a screen drawn
// under a dialog or over another picture is drawn directly): frames where little moves redraw
// only the spots that changed.
class TStillDrawing {
public:
    TStillDrawing();
    ~TStillDrawing();
    TStillDrawing(const TStillDrawing&) = delete;
    TStillDrawing& operator=(const TStillDrawing&) = delete;
};

// The "gfx/stripes.png" overlay, loaded during loading.
extern Image stripesImage;

// Approach rule: moves value toward target by speed x frame delta and stops
// at the target.
float Approach(float value, float target, float speed);
void ApproachInPlace(float& value, float target, float speed);
