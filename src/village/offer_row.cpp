#include "village/offer_row.h"

#include <algorithm>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/screen.h"
#include "frame/text_layout.h"
#include "quest/land_catalogue.h"

namespace {
// The button's size when its picture is missing, so the offer still works.
constexpr float BUTTON_W = 95, BUTTON_H = 80;
// The label box: its left edge and width beside the icon.
constexpr float LABEL_DX = 106, LABEL_W = 75;
// Line pitch of a two-line label: the font height less 4 (less 10 made the
// lines of "NEED MORE" overlap in our font).
constexpr int LABEL_SPACING = -4;

void DrawAt(const Image& img, float x, float y, float alpha) {
    if (!img || alpha <= 0) return;
    GfxSetAlpha(alpha);
    GfxDrawImage(img, x, y);
}
}  // namespace

float OfferX(int k) { return 18 + 192 * static_cast<float>(k); }

float OfferY(float iPer) { return 774 - 120 * iPer; }

const std::string& OfferLabel(const TLandItem& item, int state, const TOfferRowLook& look) {
    switch (state) {
        case OFFER_BUY:
            return item.toUpgrade ? look.txtUpgrade : look.txtBuild;
        case OFFER_OWNED:
            return look.txtOwned;
        case OFFER_PUZZLE:
            return look.txtPuzzle;
        default:
            return look.txtLocked;
    }
}

void DrawOfferText(const std::string& text, float x, float y, float width, float alpha, const Font& font) {
    const float h = TextBoxHeight(text, 0, 0, width, "CENTER", 0, font, LABEL_SPACING);
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y - h / 2);
    GfxResetDrawState();
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(0.5f * alpha);
    DrawTextBox(text, left + 2, top + 2, width, "CENTER", 0, font, LABEL_SPACING);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(alpha);
    DrawTextBox(text, left, top, width, "CENTER", 0, font, LABEL_SPACING);
    GfxResetDrawState();
}

void OfferButtonRect(const TLandItem& item, const TOfferRowLook& look, float& x, float& y, float& w,
                     float& h) {
    const Image& red = look.button[OFFER_LOCKED];
    x = item.x + 95;
    y = item.y + 5;
    w = red ? static_cast<float>(GfxImageWidth(red)) : BUTTON_W;
    h = red ? static_cast<float>(GfxImageHeight(red)) : BUTTON_H;
}

void DrawOffer(TLandItem& item, int k, float iPer, float screenAlpha, const TOfferRowLook& look) {
    item.x = OfferX(k);
    item.y = OfferY(iPer);
    const float a = std::clamp(iPer * screenAlpha, 0.0f, 1.0f);
    if (a <= 0) return;
    const int state = item.getProperButtonInd();
    const float bx = item.x + 95, by = item.y + 5;
    GfxResetDrawState();
    const Image& button = item.Hidding ? look.button[OFFER_BUY] : look.button[state & 3];
    DrawAt(button, bx, by, a);
    if (item.Hidding) DrawAt(look.button[OFFER_OWNED], bx, by, a * item.hide);
    if (item.overA > 0 && button) {
        GfxStateScope scope;
        GfxSetBlend(GFX_BLEND_LIGHT);
        DrawAt(button, bx, by, a * 0.15f * item.overA);
    }
    GfxResetDrawState();
    DrawAt(item.icon, item.x, item.y, a);
    DrawAt(look.frame, item.x - 5, item.y - 10, a);
    // A bought offer reads "owned" as soon as it is paid for.
    const int labelState = item.Hidding ? OFFER_OWNED : state;
    const float cy = item.y + (labelState == OFFER_BUY && !item.toUpgrade ? 50 : 44);
    DrawOfferText(OfferLabel(item, labelState, look), item.x + LABEL_DX, cy, LABEL_W, a,
                  look.font[labelState & 3]);
}

bool OfferMouseOver(TLandItem& item, bool hudShown, const TOfferRowLook& look) {
    if (!hudShown || item.getProperButtonInd() == OFFER_OWNED) return false;
    float x = 0, y = 0, w = 0, h = 0;
    OfferButtonRect(item, look, x, y, w, h);
    return mouse.inRect(x, y, w, h);
}

void UpdateOffer(TLandItem& item, bool hovered) {
    item.dOverA = hovered ? 1.0f : 0.0f;
    ApproachInPlace(item.overA, item.dOverA, 0.05f);
    if (!item.Hidding) return;
    item.hide += 0.05f * frameDelta;
    if (item.hide < 1) return;
    // The building tells of its own completion at its first finished frame;
    // telling it here too would bring its animals twice.
    item.hide = 1;
    item.Hidding = 0;
}
