#include "devtools/virtual_player_village.h"

#include <algorithm>
#include <cstdio>

#include "frame/screen.h"
#include "gui/gui.h"
#include "match3/main_game.h"
#include "match3/powerup.h"
#include "puzzles/puzzle_game.h"
#include "quest/land_catalogue.h"
#include "quest/lose_level.h"
#include "quest/profile.h"
#include "quest/summary.h"
#include "village/land_screen.h"
#include "village/research_screen.h"
#include "village/show_building.h"

namespace {
// A power-up the village could research now and pay for.
bool ResearchWaiting() {
    if (!actProfile) return false;
    for (auto& item : actProfile->items) {
        const int s = item ? ResearchSlotOfItem(item->id) : -1;
        if (s < 0) continue;
        const auto& slot = actProfile->powerUp[static_cast<size_t>(s)];
        const auto& c = powerUpCost[static_cast<size_t>(s)];
        if (slot && !slot->researched && actProfile->CanAffordToPay(c[0], c[1], c[2], c[3])) return true;
    }
    return false;
}
}  // namespace

std::string TVillageHand::seenScreen() {
    if (puzzleGame.running) return "puzzle";
    if (showBuilding.running) return "building preview";
    if (researchScreen.running) return "research";
    if (landScreen.running) return "village";
    if (levelSummary.running) return "level summary";
    if (loseLevel.running) return "lose dialog";
    if (mainGame.running && !mainGame.fadedOut()) return "board";
    return "";
}

void TVillageHand::click(float x, float y) { AddClickAt(gesture, x, y); }

void TVillageHand::clickRect(float x, float y, float w, float h) {
    click(x + w / 2 + static_cast<float>(RandInt(-5, 5)), y + h / 2 + static_cast<float>(RandInt(-5, 5)));
}

void TVillageHand::answerPreview() {
    if (showBuilding.showPer < 1 || showBuilding.dStripeA == 0) return;
    if (!AddClickOnObject(gesture, showBuilding, "BUY")) AddClickOnObject(gesture, showBuilding, "CANCEL");
}

void TVillageHand::useResearch() {
    TResearchScreen& r = researchScreen;
    if (r.showPer < 1 || r.dShowPer == 0) return;
    for (auto& panel : r.zestaw[r.actZestaw & 1]) {
        if (panel->buttonState() != RESEARCH_READY) continue;
        const Image& img = r.buttonImg[0];
        clickRect(panel->buttonX(), panel->buttonY(), img ? static_cast<float>(GfxImageWidth(img)) : 150,
                  img ? static_cast<float>(GfxImageHeight(img)) : 48);
        return;
    }
    const int other = 1 - (r.actZestaw & 1);
    for (auto& panel : r.zestaw[other]) {
        if (panel->buttonState() != RESEARCH_READY) continue;
        float x = 0, y = 0, w = 0, h = 0;
        r.pageButtonRect(other, x, y, w, h);
        clickRect(x, y, w, h);
        return;
    }
    AddClickOnObject(gesture, r, "return");
}

void TVillageHand::useVillage() {
    TLandScreen& v = landScreen;
    if (v.fade != 0 || v.dFade != 0) return;
    if (v.dShowHud != 0) {
        click(512, 300);
        return;
    }
    // The row is sliding: the next stage's offers are on their way. Past the
    // last stage the rows come empty for ever, and nothing is to be waited for;
    // before the first (a quest never started) an empty row is followed by stage 1.
    const bool emptyRow = std::all_of(v.items.begin(), v.items.end(), [](auto& item) { return !item; });
    const int stage = actProfile ? actProfile->stage : 0;
    const bool moreToCome = std::any_of(landItems.begin(), landItems.end(),
                                        [stage](auto& item) { return item && item->stage > stage; });
    if ((!emptyRow || moreToCome) && (v.iPer != 1 || v.diPer != 1)) return;
    for (auto& item : v.items) {
        if (!item || item->Hidding) continue;
        const int offer = item->getProperButtonInd();
        // A puzzle lost is tried again, a few times: a file that does not open
        // is not tried for ever.
        if (offer == OFFER_PUZZLE && ++puzzleTries[item->puzzleId] > MAX_PUZZLE_TRIES) continue;
        if (offer != OFFER_BUY && offer != OFFER_PUZZLE) continue;
        float x = 0, y = 0, w = 0, h = 0;
        OfferButtonRect(*item, v.look, x, y, w, h);
        clickRect(x, y, w, h);
        return;
    }
    for (auto& item : v.items)
        if (item && item->Hidding) return;  // a purchase is still settling
    const TBuilding* tower = v.researchBuilding();
    if (tower && ResearchWaiting() && (tower->show || tower->alpha >= 1)) {
        const bool up = tower->show && tower->upgraded;
        const Image& img = up ? tower->upgraded : tower->img;
        if (img) {
            clickRect(static_cast<float>(up ? tower->upgradeX : tower->x),
                      static_cast<float>(up ? tower->upgradeY : tower->y),
                      static_cast<float>(GfxImageWidth(img)), static_cast<float>(GfxImageHeight(img)));
            return;
        }
    }
    AddClickOnObject(gesture, v, "continue");
}

bool TVillageHand::frame() {
    const std::string seen = seenScreen();
    if (seen != lastSeen) {
        if (!seen.empty()) std::printf("virtual player: %s\n", seen.c_str());
        lastSeen = seen;
        gesture.clear();
        waited = 0;
    }
    if (seen == "puzzle") return puzzle.frame();
    const bool mine = seen == "village" || seen == "building preview" || seen == "research";
    if (!mine) return false;
    if (!gesture.empty()) {
        InPushEvent(gesture.front());
        gesture.pop_front();
        return true;
    }
    if (++waited < lookFrames) return true;
    waited = 0;
    if (seen == "building preview") answerPreview();
    else if (seen == "research") useResearch();
    else useVillage();
    return true;
}
