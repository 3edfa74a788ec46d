// One panel of the land screen's offer row: an item's icon in its frame, the
// button of its offer state with a label, the hover glow and, after buying,
// the cross-fade from the green button to the grey one.
#pragma once

#include <array>
#include <string>

#include "platform/platform.h"

class TLandItem;

// What every offer panel draws with: the frame, the buttons by offer state
// (red locked, green buy, grey owned, cyan puzzle), the label fonts by state
// and the label texts.
struct TOfferRowLook {
    Image frame;
    std::array<Image, 4> button;
    std::array<Font, 4> font;
    std::string txtBuild, txtUpgrade, txtLocked, txtOwned, txtPuzzle;
};

// The panel of slot k (0..3) with the row slid in by iPer: x = 18 + 192 k,
// y = 774 - 120 iPer.
float OfferX(int k);
float OfferY(float iPer);
// The label of an offer in that state.
const std::string& OfferLabel(const TLandItem& item, int state, const TOfferRowLook& look);

// _drawLIText: a label word-wrapped in a box `width` wide whose left edge is
// x, each line centred, line pitch the font height - 4, the box centred
// vertically on y; white over a black shadow 2 px right and down.
void DrawOfferText(const std::string& text, float x, float y, float width, float alpha, const Font& font);
// draw(k, iPer): the panel at its place; every alpha times iPer and `screenAlpha`.
void DrawOffer(TLandItem& item, int k, float iPer, float screenAlpha, const TOfferRowLook& look);
// updateOver: whether the mouse is over the offer's button; never while the
// HUD is hidden or for an owned offer.
bool OfferMouseOver(TLandItem& item, bool hudShown, const TOfferRowLook& look);
// update: the hover glow follows `hovered`; the bought cross-fade runs.
void UpdateOffer(TLandItem& item, bool hovered);
// The button's rectangle (x + 95, y + 5, the red button's size).
void OfferButtonRect(const TLandItem& item, const TOfferRowLook& look, float& x, float& y, float& w,
                     float& h);
