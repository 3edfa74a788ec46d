// One panel of the land screen's offer row: an item's icon in its frame, the
// button of its offer state with a label, the hover glow and, after buying,
// the cross-fade from the green button to the grey one.
#pragma once

#include <array>
#include <string>

#include "frame/value_types.h"
#include "platform/platform.h"

class TLandItem;

// What every offer panel draws with: the frame, the buttons by offer state
// (red locked, green buy, grey owned, cyan puzzle), the label fonts by state
// (the designed sizes of `fontPath`; a label too wide for its box gets a
// smaller size) and the label texts.
struct TOfferRowLook {
    Image frame;
    std::array<Image, 4> button;
    std::array<Font, 4> font;
    std::string fontPath;
    std::array<int, 4> fontSize{};
    std::string txtBuild, txtUpgrade, txtLocked, txtOwned, txtPuzzle;
};

// The label's box on a panel at (x, y): the button's face seen through the
// frame's opening, less a margin for its rounded corners.
TDim OfferLabelBox(float x, float y);
// The smallest size a label shrinks to; below it the words wrap instead.
constexpr int OFFER_LABEL_MIN_SIZE = 12;
// Line pitch of a two-line label: the font height less 4 (less 10 made the
// lines of "NEED MORE" overlap in our font).
constexpr int OFFER_LABEL_SPACING = -4;
// The font a label is drawn in for that state: the state's font, or the
// largest smaller size of its file that fits the label box.
Font OfferLabelFont(const std::string& text, int state, const TOfferRowLook& look);

// The panel of slot k (0..3) with the row slid in by iPer: x = 18 + 192 k,
// y = 774 - 120 iPer.
float OfferX(int k);
float OfferY(float iPer);
// The label of an offer in that state.
const std::string& OfferLabel(const TLandItem& item, int state, const TOfferRowLook& look);

// _drawLIText: a label word-wrapped in a box `width` wide whose left edge is
// x, each line centred, line pitch the font height - 4, the lines centred
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
