// The land screen's drawing, back to front.
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/text_layout.h"
#include "gui/gui.h"
#include "quest/profile.h"
#include "village/land_screen.h"

void TLandScreen::_drawBack() {
    GfxResetDrawState();
    GfxDrawImage(back, 0, 0);
    DrawParticlesBatched(&waterParticles);
}

void TLandScreen::_drawBuildings() {
    for (auto& b : buildings)
        b->draw(buildingClouds, overResearch != 0 && b->id == RESEARCH_BUILDING_ID, overHall);
    GfxResetDrawState();
}

void TLandScreen::_drawAnims() {
    UpdateAndDrawAnims(anims, SysMillisecs(), frameDelta);
    GfxResetDrawState();
}

void TLandScreen::_drawResources() {
    for (auto& panel : res) panel->draw(alpha * hudShade_);
    GfxResetDrawState();
}

void TLandScreen::_drawItems() {
    for (int k = 0; k < 4; k++)
        if (items[k]) DrawOffer(*items[k], k, iPer, alpha * hudShade_, look);
    GfxResetDrawState();
}

// The hint to bring the tools back, while they are hidden.
void TLandScreen::_drawHudInfo() {
    const float a = 1 - alpha;
    if (a <= 0) return;
    GfxResetDrawState();
    GfxSetImageFont(infoFont);
    DrawShadowedText(txtClick, 512, 720, textColourLight, a);
    GfxResetDrawState();
}

void TLandScreen::drawBehind() {
    hudShade_ = BEHIND_HUD_ALPHA;
    draw();
    hudShade_ = 1;
}

// Like the main menu: only what moved is drawn again.
void TLandScreen::draw() {
    const TStillDrawing still;
    _drawBack();
    _drawBuildings();
    _drawAnims();
    DrawParticlesBatched(&rainParticles);
    DrawParticlesBatched(&buildingClouds);
    DrawParticlesBatched(&smokeParticles);
    DrawParticlesBatched(&cloudParticles);
    _drawResources();
    _drawItems();
    if (gui && hudShade_ != 1) {
        gui->setGuiAlpha(alpha * hudShade_);
        _drawGui();
        gui->setGuiAlpha(alpha);
    } else {
        _drawGui();
    }
    _drawHudInfo();
    if (hooks.drawTip) hooks.drawTip();
    _drawFade();
}
