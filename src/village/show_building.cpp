#include "village/show_building.h"

#include <algorithm>
#include <cstdio>

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/names.h"
#include "frame/text_layout.h"
#include "gui/gui.h"
#include "match3/res_panel.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"

TShowBuilding showBuilding;

namespace {
// Sizes used when a picture is missing, so the layout still slides.
constexpr float PANEL_H = 560, PODKLAD_H = 250;
// Widest a building picture may be: the backing's width for one picture,
// the room beside the arrows for each of an upgrade's two.
constexpr float ONE_PICTURE_W = 514, UPGRADE_PICTURE_W = 180;

Image LoadShowImage(const std::string& name) {
    return GfxLoadImage(gameDir + "gfx/gui/showBuilding/" + name, GFX_IMAGE_DEFAULT);
}

float HeightOf(const Image& img, float otherwise) {
    return img ? static_cast<float>(GfxImageHeight(img)) : otherwise;
}

// Ink on the panel's parchment: a shadow would only blur it.
void DrawInkBox(const std::string& text, float x, float y, float width, const TRGB& colour, float a,
                const Font& font) {
    GfxResetDrawState();
    GfxSetColor(colour.r, colour.g, colour.b);
    GfxSetAlpha(a);
    DrawTextBox(text, static_cast<int>(x), static_cast<int>(y), width, "LEFT", 0, font, 1);
    GfxResetDrawState();
}
}  // namespace

void TShowBuilding::setup() {
    panel = shownOnly(LoadShowImage("panel.png"));
    podklad = shownOnly(LoadShowImage("podklad.jpg"));
    arrow = shownOnly(LoadShowImage("arrow.png"));
    GfxMidHandle(arrow);
    const std::string font1 = gameDir + "gfx/fonts/font1.ttf";
    titleFont = GetFont(font1, 32);
    opisFont = GetFont(font1, 20);
    resFont = GetFont(font1, 20);
    gui = LoadGui(gameDir + "gfx/gui/showBuilding/#LANG#/showBuilding.gui");
}

float TShowBuilding::CountY() const { return SlideOffset(HeightOf(panel, PANEL_H), showPer); }

void TShowBuilding::_drawBack() { DrawDialogBackground(caller, *this, callerPicture, PREVIEW_VEIL); }

void TShowBuilding::_drawPanel() {
    const float hp = HeightOf(panel, PANEL_H);
    const float s = SlideIn(showPer);
    const float w = panel ? static_cast<float>(GfxImageWidth(panel)) : 0;
    GfxResetDrawState(alpha);
    GfxDrawImage(panel, 512 - w / 2, static_cast<float>(AddPanelY) + hp + 130 - hp * s);
    GfxDrawImage(podklad, 250, 9 + static_cast<float>(AddPanelY) + 710 - hp * s);
}

void TShowBuilding::_drawTitle() {
    if (!item) return;
    GfxResetDrawState();
    GfxSetImageFont(titleFont);
    DrawShadowedText(UpperCase(item->name), 512, 157 + CountY() + static_cast<float>(AddPanelY),
                     textColourLight, alpha);
}

void TShowBuilding::_drawOpis() {
    if (!item) return;
    const float x = 450;
    const float y = 450 + item->opisStartY + CountY() + static_cast<float>(AddPanelY) + 16;
    const float h = TextBoxHeight(item->opis, 0, 0, opisW, "LEFT", 0, opisFont, 1);
    DrawInkBox(item->opis, x, y, opisW, textColourInk, alpha, opisFont);
    DrawInkBox(item->action, x, y + h + 20, opisW, textColourInkAccent, alpha, opisFont);
}

TShowBuilding::Placement TShowBuilding::place(const Image& img, float cx, float maxW) const {
    const float hb = HeightOf(podklad, PODKLAD_H);
    Placement p;
    p.cx = cx;
    p.cy = 9 + static_cast<float>(AddPanelY) + hb / 2 + 710 - HeightOf(panel, PANEL_H) * SlideIn(showPer);
    if (!img) return p;
    const float w = static_cast<float>(GfxImageWidth(img));
    const float h = static_cast<float>(GfxImageHeight(img));
    if (h > hb - 10) p.scale = (hb - 10) / h;
    if (w * p.scale > maxW) p.scale = maxW / w;
    return p;
}

void TShowBuilding::_drawItem() {
    if (!item || !item->obj) return;
    auto drawCentred = [this](const Image& img, float cx, float maxW) {
        if (!img) return;
        const Placement p = place(img, cx, maxW);
        const float w = static_cast<float>(GfxImageWidth(img)) * p.scale;
        const float h = static_cast<float>(GfxImageHeight(img)) * p.scale;
        GfxResetDrawState(alpha);
        GfxSetScale(p.scale, p.scale);
        GfxDrawImage(img, p.cx - w / 2, p.cy - h / 2);
        GfxResetDrawState();
    };
    const TBuilding& b = *item->obj;
    if (!item->toUpgrade) {
        drawCentred(b.img, 512, ONE_PICTURE_W);
        return;
    }
    drawCentred(b.img, 360, UPGRADE_PICTURE_W);
    drawCentred(b.upgraded, 664, UPGRADE_PICTURE_W);
    const float y = place(arrow, 512, ONE_PICTURE_W).cy;
    GfxResetDrawState(alpha);
    for (float x : {462.0f, 512.0f, 562.0f}) GfxDrawImage(arrow, x, y);
}

// The price: four counters in two rows below the picture, left of the text;
// red where the stock is short.
void TShowBuilding::_drawRes() {
    if (!item) return;
    const float top = 440 + CountY() + static_cast<float>(AddPanelY);
    for (int r = 0; r < 4; r++) {
        const float x = 262 + 92 * static_cast<float>(r % 2);
        const float y = top + 52 * static_cast<float>(r / 2);
        GfxResetDrawState(alpha);
        GfxSetScale(0.5f, 0.5f);
        GfxDrawImage(resPanelImages.res[r], x, y);
        GfxResetDrawState();
        const bool shortOf = actProfile && actProfile->res[r] < item->res[r];
        const TRGB colour = shortOf ? textColourInkShort : textColourInkEnough;
        const std::string text = std::to_string(item->res[r]);
        GfxSetImageFont(resFont);
        GfxSetAlpha(alpha);
        GfxSetColor(colour.r, colour.g, colour.b);
        GfxDrawText(text, x + 42, y + 6);
    }
    GfxResetDrawState();
}

void TShowBuilding::draw() {
    _drawBack();
    _drawPanel();
    _drawItem();
    _drawTitle();
    _drawOpis();
    _drawRes();
    GfxResetDrawState();
    _drawGui();
}

void TShowBuilding::_updateShow() { ApproachInPlace(showPer, dShowPer, 0.05f); }

void TShowBuilding::update() {
    CommonUpdate(this);
    _updateAlpha();
    if (gui) gui->VectorMe(0, HeightOf(panel, PANEL_H), SlideIn(showPer));
    _updateGui();
    _updateFade();
    _updateShow();
}

void TShowBuilding::prepare() {
    fade = dFade = 0;
    alpha = 0;
    dAlpha = 1;
    stripeA = 0;
    dStripeA = 1;
    showPer = 0;
    dShowPer = 1;
    wynik = 0;
    callerPicture.forget();
    const bool canBuy = item && actProfile && actProfile->CanAfford(item.get());
    if (auto buy = gui ? gui->GetObject("buy") : nullptr) buy->SetState(canBuy ? 1 : 0, canBuy ? 1 : 0);
    draw();
    _prepareDelta();
}

void TShowBuilding::goBuy() {
    wynik = 1;
    dShowPer = 0;
    dStripeA = 0;
}

void TShowBuilding::goCancel() {
    wynik = 0;
    dAlpha = 0;
    dShowPer = 0;
    dStripeA = 0;
}

void TShowBuilding::_checkButtons() {
    const bool escape = InKeyHit(KEY_ESCAPE) > 0;
    // Answered: the panel only leaves.
    if (dStripeA == 0) return;
    if (gui && gui->clickedItem("BUY")) goBuy();
    else if ((gui && gui->clickedItem("CANCEL")) || escape) goCancel();
}

int TShowBuilding::mainloop(const std::shared_ptr<TLandItem>& offer, TEkran* callerScreen) {
    item = offer;
    caller = callerScreen;
    prepare();
    running = true;
    RunDialogLoop(
        *this, [this] { _checkButtons(); }, [this] { return finished(); });
    running = false;
    std::printf("building preview: %s\n", wynik == 1 ? "BUY" : "CANCEL");
    return wynik;
}
