// The building preview: a panel that slides up over the village showing one
// offer (its building's picture, or the building before and after an
// upgrade with arrows between), its name, description, what owning it does
// and its price. "BUY" (only while the stock covers the price) answers 1,
// "CANCEL" or Escape answer 0. The preview changes nothing: the village buys.
#pragma once

#include <memory>

#include "frame/screen.h"
#include "quest/level_end_dialog.h"

class TLandItem;

// The black veil over the village once the stripes are in.
constexpr float PREVIEW_VEIL = 0.5f;

class TShowBuilding : public TEkran {
public:
    Image panel, podklad, arrow;
    std::shared_ptr<TLandItem> item;
    Font titleFont, opisFont, resFont;
    float opisW = 340;
    int AddPanelY = 5;
    float showPer = 0, dShowPer = 0;

    // The screen drawn behind it (the village); tests may set it.
    TEkran* caller = nullptr;
    TCallerPicture callerPicture;
    bool running = false;  // its loop runs (the virtual player reads it)

    void setup() override;
    // The village under a black veil (PREVIEW_VEIL) and the stripes.
    virtual void _drawBack();
    bool dimsItsCaller() const override { return true; }
    virtual void _drawPanel();
    virtual void _drawTitle();
    virtual void _drawOpis();
    virtual void _drawItem();
    virtual void _drawRes();
    void draw() override;
    virtual void _updateShow();
    void update() override;
    virtual void prepare();
    // Shows `offer` over `callerScreen` until answered: 1 buy, 0 cancel.
    virtual int mainloop(const std::shared_ptr<TLandItem>& offer, TEkran* callerScreen);
    virtual void goBuy();
    virtual void goCancel();
    float CountY() const;

    // The buttons and Escape after one frame of the loop.
    void _checkButtons();
    bool finished() const { return stripeA == 0 && dStripeA == 0; }
    // Where the picture, scaled to fit, goes: its centre x and the most it
    // may take (the preview's layout; tests read it).
    struct Placement {
        float cx = 0, cy = 0, scale = 1;
    };
    Placement place(const Image& img, float cx, float maxW) const;
};

extern TShowBuilding showBuilding;
