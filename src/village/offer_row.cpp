#include "village/offer_row.h"

#include <algorithm>
#include <map>
#include <utility>

#include "frame/font_cache.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/screen.h"
#include "frame/text_fit.h"
#include "frame/text_layout.h"
#include "quest/land_catalogue.h"

namespace {
// The button's size when its picture is missing, so the offer still works.
constexpr float BUTTON_W = 95, BUTTON_H = 80;
// The frame's opening over the button (frame.png's hole at (104, 20), 79 x 69,
// corners of radius 28, the frame drawn at (x - 5, y - 10)), and the margin
// that keeps a label off its rounded corners.
constexpr float OPENING_DX = 99, OPENING_DY = 10, OPENING_W = 79, OPENING_H = 69, LABEL_MARGIN = 4;

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

TDim OfferLabelBox(float x, float y) {
    return NewDimRect(x + OPENING_DX + LABEL_MARGIN, y + OPENING_DY + LABEL_MARGIN,
                      OPENING_W - 2 * LABEL_MARGIN, OPENING_H - 2 * LABEL_MARGIN);
}

Font OfferLabelFont(const std::string& text, int state, const TOfferRowLook& look) {
    const Font& designed = look.font[static_cast<size_t>(state & 3)];
    const int size = look.fontSize[static_cast<size_t>(state & 3)];
    if (look.fontPath.empty() || size <= 0) return designed;
    const TDim box = OfferLabelBox(0, 0);
    // The texts and sizes are few and fixed: each is measured once.
    static std::map<std::pair<std::string, int>, int> fitted;
    const auto key = std::make_pair(look.fontPath + '\n' + text, size);
    auto it = fitted.find(key);
    if (it == fitted.end()) {
        const int fit = FittingFontSize(text, look.fontPath, size, OFFER_LABEL_MIN_SIZE, box.w, box.h,
                                        OFFER_LABEL_SPACING);
        it = fitted.emplace(key, fit).first;
    }
    return it->second == size ? designed : GetFont(look.fontPath, it->second);
}

void DrawOfferText(const std::string& text, float x, float y, float width, float alpha, const Font& font) {
    // The drawn lines are centred: the last one needs the font's whole height, not its pitch.
    const float h = TextBoxHeight(text, 0, 0, width, "CENTER", 0, font, OFFER_LABEL_SPACING) -
                    static_cast<float>(OFFER_LABEL_SPACING);
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y - h / 2);
    GfxResetDrawState();
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(0.5f * alpha);
    DrawTextBox(text, left + 2, top + 2, width, "CENTER", 0, font, OFFER_LABEL_SPACING);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(alpha);
    DrawTextBox(text, left, top, width, "CENTER", 0, font, OFFER_LABEL_SPACING);
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
    // A bought offer reads "owned" as soon as it is paid for. Every label is
    // centred in the button's face, the construction's too (lower, it sat on the rim).
    const int labelState = item.Hidding ? OFFER_OWNED : state;
    const std::string& label = OfferLabel(item, labelState, look);
    const TDim box = OfferLabelBox(item.x, item.y);
    DrawOfferText(label, box.x, box.y + box.h / 2, box.w, a, OfferLabelFont(label, labelState, look));
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
