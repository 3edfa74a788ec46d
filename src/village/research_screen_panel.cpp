// One research panel: the power-up's icon, name and description, its price
// from the research cost table and the button that researches it.
#include <string>

#include "audio/game_sound.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/text_layout.h"
#include "match3/powerup.h"
#include "match3/res_panel.h"
#include "quest/profile.h"
#include "village/research_screen.h"

namespace {
// The slot of a panel, or null for an id that names none.
TPowerUp* SlotOf(const TResearchPanel& panel) {
    const int s = panel.slot();
    if (!actProfile || s < 0 || s >= POWERUP_COUNT) return nullptr;
    return actProfile->powerUp[static_cast<size_t>(s)].get();
}

const std::array<int, 4>* CostOf(const TResearchPanel& panel) {
    const int s = panel.slot();
    if (s < 0 || s >= POWERUP_COUNT) return nullptr;
    return &powerUpCost[static_cast<size_t>(s)];
}

bool CanPay(const std::array<int, 4>& c) {
    return actProfile && actProfile->CanAffordToPay(c[0], c[1], c[2], c[3]);
}

float ImageW(const Image& img, float otherwise) {
    return img ? static_cast<float>(GfxImageWidth(img)) : otherwise;
}

float ImageH(const Image& img, float otherwise) {
    return img ? static_cast<float>(GfxImageHeight(img)) : otherwise;
}

constexpr float PANEL_BUTTON_W = 150, PANEL_BUTTON_H = 48;
}  // namespace

int TResearchPanel::buttonState() const {
    const TPowerUp* p = SlotOf(*this);
    const auto* c = CostOf(*this);
    if (!p || !c) return RESEARCH_LOCKED;
    if (p->researched) return RESEARCH_DONE;
    if (!p->researchable) return RESEARCH_LOCKED;
    if (!CanPay(*c)) return RESEARCH_TOO_DEAR;
    return RESEARCH_READY;
}

float TResearchPanel::buttonX() const { return static_cast<float>(x) + 238; }

float TResearchPanel::buttonY() const { return static_cast<float>(y) - 20 + researchScreen.CountY(); }

void TResearchPanel::_drawPanel(float a) {
    GfxResetDrawState(a);
    const float top = static_cast<float>(y) + researchScreen.CountY();
    GfxDrawImage(researchScreen.panelImg, static_cast<float>(x), top);
    GfxDrawImage(icon, static_cast<float>(x) + 16, top + 20);
}

void TResearchPanel::_drawTexts(float a) {
    const float top = static_cast<float>(y) + researchScreen.CountY();
    const int tx = x + 130;
    GfxResetDrawState();
    // Ink on the panel's parchment: a shadow would only blur it.
    GfxSetAlpha(a);
    GfxSetImageFont(researchScreen.titleFont);
    GfxSetColor(textColourInkAccent.r, textColourInkAccent.g, textColourInkAccent.b);
    GfxDrawText(name, static_cast<float>(tx), top + 26);
    const int ty = static_cast<int>(top) + 60;
    GfxSetColor(textColourInk.r, textColourInk.g, textColourInk.b);
    DrawTextBox(descr, tx, ty, 240, "LEFT", 0, researchScreen.opisFont, 0);
    GfxResetDrawState();
}

void TResearchPanel::_drawButtonText(const std::string& text, float tx, float ty, float a) {
    GfxResetDrawState();
    GfxSetImageFont(researchScreen.buttonTextFont(text));
    const float w = ImageW(researchScreen.buttonImg[0], PANEL_BUTTON_W);
    const float h = ImageH(researchScreen.buttonImg[0], PANEL_BUTTON_H);
    const float textY = ty + h / 2 - static_cast<float>(GfxTextHeight(text)) / 2;
    DrawShadowedText(text, tx + w / 2, textY, NewRGB(255, 255, 255), a);
    GfxResetDrawState();
}

void TResearchPanel::_drawButton(float a) {
    const float bx = buttonX(), by = buttonY();
    const auto& img = researchScreen.buttonImg;
    GfxResetDrawState(a);
    switch (buttonState()) {
        case RESEARCH_DONE:
            GfxDrawImage(img[0], bx, by);
            _drawButtonText(researchScreen.txtResearched, bx, by, a);
            return;
        case RESEARCH_LOCKED:
            GfxDrawImage(img[2], bx, by);
            _drawButtonText(researchScreen.txtLocked, bx, by, a);
            return;
        case RESEARCH_TOO_DEAR:
            GfxDrawImage(img[2], bx, by);
            _drawButtonText(researchScreen.txtCantAfford, bx, by, a);
            return;
        default:
            GfxDrawImage(img[1], bx, by);
            if (isOver) {
                GfxStateScope scope;
                GfxSetBlend(GFX_BLEND_LIGHT);
                GfxSetAlpha(0.25f * a);
                GfxDrawImage(img[2], bx, by);
            }
            _drawButtonText(researchScreen.txtResearch, bx, by, a);
    }
}

// The four costs along the panel's foot, each beside its resource's icon;
// red where the stock is short.
void TResearchPanel::_drawPrices(float a) {
    const auto* c = CostOf(*this);
    if (!c) return;
    const float top = static_cast<float>(y) + researchScreen.CountY();
    GfxSetImageFont(researchScreen.countFont);
    for (int r = 0; r < 4; r++) {
        const float px = static_cast<float>(x) + 24 + 98.0f * static_cast<float>(r);
        const float py = top + 144;
        GfxResetDrawState(a);
        GfxSetScale(0.4f, 0.4f);
        GfxDrawImage(resPanelImages.res[r], px, py);
        GfxResetDrawState();
        const int cost = (*c)[static_cast<size_t>(r)];
        const bool shortOf = actProfile && actProfile->res[r] < cost;
        const TRGB colour = shortOf ? textColourInkShort : textColourInk;
        GfxSetImageFont(researchScreen.countFont);
        GfxSetAlpha(a);
        const std::string text = std::to_string(cost);
        GfxSetColor(colour.r, colour.g, colour.b);
        GfxDrawText(text, px + 33, py + 2);
    }
    GfxResetDrawState();
}

void TResearchPanel::draw(float a) {
    _drawPanel(a);
    _drawTexts(a);
    _drawButton(a);
    _drawPrices(a);
}

void TResearchPanel::update() {
    isOver = 0;
    if (buttonState() != RESEARCH_READY) return;
    const float w = ImageW(researchScreen.buttonImg[0], PANEL_BUTTON_W);
    const float h = ImageH(researchScreen.buttonImg[0], PANEL_BUTTON_H);
    isOver = mouse.inRect(buttonX(), buttonY(), w, h) ? 1 : 0;
    if (isOver && mouse.leftPressed) ResearchMe();
}

void TResearchPanel::ResearchMe() {
    TPowerUp* p = SlotOf(*this);
    const auto* c = CostOf(*this);
    if (!p || !c) return;
    p->researched = 1;
    for (int r = 0; r < 4; r++) actProfile->res[r] -= (*c)[static_cast<size_t>(r)];
    PlayGameSound("coins");
    // Saved at once, as a purchase is: a player who quits from the village
    // keeps the research and has paid for it.
    SaveAll();
}
