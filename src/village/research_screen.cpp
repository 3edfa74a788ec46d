#include "village/research_screen.h"

#include <cstdio>

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "gui/gui.h"
#include "match3/powerup.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"

TResearchScreen researchScreen;

namespace {
constexpr float PAGE_BUTTON_X[2] = {560, 628};
constexpr float PAGE_BUTTON_Y = 673;
// The parchment's height when its picture is missing, so the layout still slides.
constexpr float BACK_H = 738;

Image LoadResearchImage(const std::string& name) {
    return GfxLoadImage(gameDir + "gfx/gui/research/" + name, GFX_IMAGE_DEFAULT);
}

float BackHeight(const Image& back) { return back ? static_cast<float>(GfxImageHeight(back)) : BACK_H; }
}  // namespace

int ResearchSlotOfItem(int itemId) {
    switch (itemId) {
        case 3:
            return POWERUP_HAMMER;
        case 8:
            return POWERUP_HOURGLASS;
        case 4:
            return POWERUP_PICKAXE;
        case 12:
            return POWERUP_DYNAMITE;
        case 15:
            return POWERUP_BOMB;
        case 18:
            return POWERUP_COLOR;
        default:
            return -1;
    }
}

void TResearchScreen::_setupResearches(const std::string& textPath) {
    auto texts = LoadTxtFile(textPath);
    txtLocked = TxtLine(texts, 2);
    txtResearched = TxtLine(texts, 3);
    txtTitle = TxtLine(texts, 4);
    txtResearch = TxtLine(texts, 5);
    txtPick = TxtLine(texts, 19);
    txtCantAfford = TxtLine(texts, 21);
    auto file = LoadRCM(gameDir + "data/researches.txt");
    for (auto& page : zestaw) page.clear();
    for (auto& panel : ReadResearchPanels(*file, texts.get())) zestaw[panel->page].push_back(panel);
}

void TResearchScreen::setup() {
    back = shownOnly(LoadResearchImage("back.png"));
    pag = shownOnly(LoadResearchImage("pag.png"));
    pagBut[0] = shownOnly(LoadResearchImage("pagBut0.png"));
    pagBut[1] = shownOnly(LoadResearchImage("pagBut1.png"));
    powerFrame = shownOnly(LoadResearchImage("frame.png"));
    panelImg = shownOnly(LoadResearchImage("panel.png"));
    for (int k = 0; k < 3; k++)
        buttonImg[k] = shownOnly(LoadResearchImage("button" + std::to_string(k) + ".png"));
    const std::string font1 = gameDir + "gfx/fonts/font1.ttf";
    powerFont = GetFont(font1, 24);
    titleFont = GetFont(font1, 28);
    windowFont = GetFont(font1, 32);
    opisFont = GetFont(font1, 20);
    countFont = GetFont(font1, 24);
    buttonFont = GetFont(font1, 22);
    _setupResearches(gameDir + "txt/#LANG#/research.txt");
    gui = LoadGui(gameDir + "gfx/gui/research/#LANG#/research.gui");
}

float TResearchScreen::CountY() const { return SlideOffset(BackHeight(back), showPer); }

void TResearchScreen::_drawBack() { DrawDialogBackground(caller, *this, callerPicture, 0); }

// On the backing's wooden plaque.
void TResearchScreen::_drawTitle() {
    GfxResetDrawState();
    GfxSetImageFont(windowFont);
    DrawShadowedText(txtTitle, 512, 40 + CountY(), textColourLight, 1);
}

void TResearchScreen::_drawPanel() {
    GfxResetDrawState();
    GfxDrawImage(back, 31, 15 + CountY());
}

void TResearchScreen::_drawPag() {
    GfxResetDrawState();
    GfxDrawImage(pag, 524, 691 + CountY());
    for (int k = 0; k < 2; k++) {
        const float x = PAGE_BUTTON_X[k], y = PAGE_BUTTON_Y + CountY();
        if (k == actZestaw) {
            GfxDrawImage(pagBut[1], x, y);
            continue;
        }
        GfxDrawImage(pagBut[0], x, y);
        if (pagsOver == k) {
            GfxStateScope scope;
            GfxSetBlend(GFX_BLEND_LIGHT);
            GfxSetAlpha(0.25f);
            GfxDrawImage(pagBut[0], x, y);
        }
    }
}

void TResearchScreen::_drawPowerUps() {
    for (auto& panel : zestaw[actZestaw & 1]) panel->draw(1);
}

void TResearchScreen::draw() {
    _drawBack();
    _drawPanel();
    _drawTitle();
    _drawPowerUps();
    _drawPag();
    GfxResetDrawState();
    _drawGui();
}

void TResearchScreen::_updateShow() { ApproachInPlace(showPer, dShowPer, 0.05f); }

void TResearchScreen::_updatePowerUps() {
    for (auto& panel : zestaw[actZestaw & 1]) panel->update();
}

void TResearchScreen::pageButtonRect(int k, float& x, float& y, float& w, float& h) const {
    const Image& img = pagBut[0];
    x = PAGE_BUTTON_X[k & 1];
    y = PAGE_BUTTON_Y + CountY();
    w = img ? static_cast<float>(GfxImageWidth(img)) : 48;
    h = img ? static_cast<float>(GfxImageHeight(img)) : 40;
}

bool TResearchScreen::overPageButton(int k) const {
    float x = 0, y = 0, w = 0, h = 0;
    pageButtonRect(k, x, y, w, h);
    return mouse.inRect(x, y, w, h);
}

void TResearchScreen::_updatePags() {
    pagsOver = -1;
    for (int k = 0; k < 2; k++)
        if (overPageButton(k)) pagsOver = k;
    if (pagsOver >= 0 && mouse.leftPressed) actZestaw = pagsOver;
}

void TResearchScreen::update() {
    CommonUpdate(this);
    if (gui) gui->VectorMe(0, BackHeight(back), SlideIn(showPer));
    _updatePags();
    _updatePowerUps();
    _updateGui();
    _updateShow();
}

void TResearchScreen::_prepareResearchable() {
    if (!actProfile) return;
    for (auto& slot : actProfile->powerUp)
        if (slot) slot->researchable = 0;
    for (auto& item : actProfile->items) {
        const int s = item ? ResearchSlotOfItem(item->id) : -1;
        std::shared_ptr<TPowerUp> slot = s >= 0 ? actProfile->powerUp[static_cast<size_t>(s)] : nullptr;
        if (!slot) continue;
        slot->researchable = 1;
        // The smithy brings the hammer with it: nothing to pay.
        if (s == POWERUP_HAMMER) slot->researched = 1;
    }
}

void TResearchScreen::prepare() {
    fade = dFade = 0;
    stripeA = 0;
    dStripeA = alpha = dAlpha = 1;
    showPer = 0;
    dShowPer = 1;
    picked = -1;
    callerPicture.forget();
    _prepareResearchable();
    draw();
    _prepareDelta();
}

void TResearchScreen::goReturn() {
    dStripeA = 0;
    dShowPer = 0;
}

int TResearchScreen::mainloop(TEkran* callerScreen) {
    caller = callerScreen;
    prepare();
    running = true;
    RunDialogLoop(
        *this,
        [this] {
            const bool escape = InKeyHit(KEY_ESCAPE) > 0;
            if (dShowPer == 0) return;
            if ((gui && gui->clickedItem("return")) || escape) goReturn();
        },
        [this] { return finished(); });
    running = false;
    std::printf("research screen: closed\n");
    return 0;
}
