// The land screen's frame: the HUD, the world's weather and ambience, the
// research building under the mouse, the offer row, picking and buying.
#include <algorithm>
#include <cstdio>

#include "audio/game_sound.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "gui/gui.h"
#include "match3/powerup.h"
#include "quest/profile.h"
#include "village/land_screen.h"
#include "village/research_screen.h"
#include "village/show_building.h"

void TLandScreen::_updateShowHud() { ApproachInPlace(showHud, dShowHud, 0.02f); }

void TLandScreen::_updateWater() { UpdateWater(SysMillisecs(), waterPart, waterParticles); }

void TLandScreen::_updateClouds() { UpdateClouds(SysMillisecs(), cloudTime, isRaining != 0, cloudParticles); }

void TLandScreen::_updateRain() {
    if (isRaining) UpdateRain(SysMillisecs(), rainTime, rainParticles);
}

void TLandScreen::_updateSmoke() {
    UpdateSmoke(SysMillisecs(), smokePart, ChimneysLitBy(actProfile.get()), smokeParticles);
}

void TLandScreen::_updateWorld() {
    _updateRain();
    _updateClouds();
    _updateWater();
    _updateSmoke();
}

TBuilding* TLandScreen::researchBuilding() const {
    for (auto& b : buildings)
        if (b->id == RESEARCH_BUILDING_ID) return b.get();
    return nullptr;
}

void TLandScreen::_updateOverResearch() {
    overResearch = 0;
    if (dShowHud != 0) return;
    const TBuilding* b = researchBuilding();
    // Clickable once it stands: a tower still rising has nothing inside yet.
    if (!b || (b->show == 0 && b->alpha < 1)) return;
    const bool fading = b->show && b->dAlphaUpgrade != 0 && b->upgraded;
    const bool upgradedNow = b->show && b->upgraded;
    const Image& img = fading || upgradedNow ? b->upgraded : b->img;
    const float x = static_cast<float>(upgradedNow ? b->upgradeX : b->x);
    const float y = static_cast<float>(upgradedNow ? b->upgradeY : b->y);
    if (!img) return;
    overResearch =
        mouse.inRect(x, y, static_cast<float>(GfxImageWidth(img)), static_cast<float>(GfxImageHeight(img)))
            ? 1
            : 0;
    if (overResearch && mouse.leftPressed && dFade == 0) goResearch();
}

void TLandScreen::_updateRes() {
    for (auto& panel : res) panel->update();
}

void TLandScreen::_updateItems() {
    ApproachInPlace(iPer, diPer, 0.025f);
    if (iPer == 0 && diPer == 0) SendNextItems();
    overItem = nullptr;
    if (iPer != 1) return;
    for (auto& item : items)
        if (item && OfferMouseOver(*item, dShowHud == 0, look)) overItem = item;
    for (auto& item : items)
        if (item) UpdateOffer(*item, item == overItem);
    if (overItem && mouse.leftPressed && dFade == 0) {
        PlayGameSound("click");
        PickItem(overItem);
    }
    if (AllItemsBought()) diPer = 0;
}

void TLandScreen::update() {
    CommonUpdate(this);
    if (hooks.checkTips) hooks.checkTips();
    // A tip waiting for a click would take the click on "Continue" (two clicks to play): the tip
    // sits out the frame of a click on the screen's own buttons.
    if (hooks.updateTip && !clickOnOwnButton()) hooks.updateTip();
    _updateShowHud();
    _updateFade();
    _updateAlpha();
    _updateGui();
    _updateWorld();
    _updateOverResearch();
    _updateRes();
    _updateItems();
}

bool TLandScreen::clickOnOwnButton() const {
    if (!gui || dShowHud != 0 || dFade != 0) return false;
    return gui->pressedOn("continue") || gui->pressedOn("options") || gui->pressedOn("show");
}

int TLandScreen::AllItemsBought() const {
    for (auto& item : items) {
        if (!item) continue;
        if (item->Hidding || item->getProperButtonInd() != OFFER_OWNED) return 0;
    }
    return 1;
}

void TLandScreen::SendNextItems() {
    if (actProfile) actProfile->stage += 1;
    _prepareItems();
}

void TLandScreen::PickItem(const std::shared_ptr<TLandItem>& item) {
    if (!item || !actProfile) return;
    const int state = item->getProperButtonInd();
    if (state == OFFER_OWNED) return;
    if (state == OFFER_PUZZLE) {
        actProfile->actPuzzleLevel = item->puzzleId;
        if (cheats && InKeyDown('D')) {
            // Developer: the puzzle counts as won at once.
            for (auto& candidate : landItems)
                if (candidate->puzzleId == actProfile->actPuzzleLevel &&
                    !actProfile->HaveBluePrint(candidate->id))
                    actProfile->bluePrints.push_back(candidate);
            return;
        }
        if (hooks.runPuzzle) hooks.runPuzzle(item->puzzleId);
        else std::printf("The puzzle screen is not built yet: puzzle %d\n", item->puzzleId);
        return;
    }
    if (showBuilding.mainloop(item, this) == 1) {
        BuyItem(item);
        SaveAll();
    }
}

void TLandScreen::BuyItem(const std::shared_ptr<TLandItem>& item) {
    if (!item || !actProfile || actProfile->HaveItem(item->id)) return;
    actProfile->items.push_back(item);
    for (int r = 0; r < 4; r++) actProfile->res[r] -= item->res[r];
    if (item->obj) {
        if (item->toUpgrade == 0) {
            // Joins the drawn buildings and starts rising; the others, even
            // those still rising, go on as they were.
            item->obj->Reset();
            item->obj->show = 0;
            if (std::find(buildings.begin(), buildings.end(), item->obj) == buildings.end())
                buildings.push_back(item->obj);
            std::stable_sort(buildings.begin(), buildings.end(), SortBuilding);
            if (item->obj->id == 10) actProfile->GainSmithyHammer();
        } else {
            item->obj->ResetUpgrade();
        }
    }
    PlayGameSound("constr-" + std::to_string(RandInt(1, 2)));
    item->Hidding = 1;
    item->hide = 0;
}

void TLandScreen::goResearch() { researchScreen.mainloop(this); }
