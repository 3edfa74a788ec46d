// The base of every screen: fade to and from black, the opacity of the
// screen's content, the stripes overlay behind dialogs, and the GUI hooks.
#pragma once

#include <memory>
#include <vector>

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

    virtual ~TEkran();

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
    // The stripes' opacity one frame on toward dStripeA (what _drawStripes does before drawing).
    void _moveStripes();

    // A dialog, drawing its caller dimmed behind itself: a dialog opened over it draws it as it
    // stands, so that the screen is never darkened twice.
    virtual bool dimsItsCaller() const { return false; }

    // True once the screen has faded out completely (its main loop ends).
    bool fadedOut() const { return fade >= 1 && dFade >= 1; }
    // Screens the suspend loop leaves running (the intro and the outro).
    virtual bool keepsRunningWhenSuspended() const { return false; }

    // Big pictures (backgrounds, panels) are held only while the screen is shown: loaded at
    // set-up for their sizes and handles and let go at once, decoded on the side again each time
    // the screen is entered, let go when it is left unless another screen shown holds them too.
    // Returns `img`.
    Image shownOnly(const Image& img);
    bool holds(const Image& img) const;
    // Queues the decoding of its let-go pictures ahead of an entry (a screen faded in by another).
    void prefetchShown();
    // Entry and leave (TScreenShown calls them; nested entries count).
    void enterShown();
    void leaveShown();
    bool shown() const { return shownDepth > 0; }

private:
    std::vector<Image> shownPictures;
    int shownDepth = 0;
};

// For the rest of its scope the screen is shown: a main loop or a dialog's loop.
class TScreenShown {
public:
    explicit TScreenShown(TEkran& screen) : screen_(screen) { screen_.enterShown(); }
    ~TScreenShown() { screen_.leaveShown(); }
    TScreenShown(const TScreenShown&) = delete;
    TScreenShown& operator=(const TScreenShown&) = delete;

private:
    TEkran& screen_;
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

// Lets the still layer's picture go between screens: the next screen draws its own whole.
void ReleaseStillDrawing();

// The "gfx/stripes.png" overlay, loaded during loading.
extern Image stripesImage;
// Loads it as a picture of the dialogs' backing: held only while a dialog runs.
void LoadStripesImage();
// What every dialog shows behind itself (the stripes): shown for each RunDialogLoop.
TEkran& DialogBacking();

// Approach rule: moves value toward target by speed x frame delta and stops
// at the target.
float Approach(float value, float target, float speed);
void ApproachInPlace(float& value, float target, float speed);
