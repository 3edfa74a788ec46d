#include "quest/summary.h"

#include <algorithm>
#include <cstdio>

#include "effects/captions.h"
#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/text_file.h"
#include "gui/gui.h"
#include "gui/gui_fallback.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "quest/level_end_dialog.h"
#include "quest/profile.h"

std::array<Image, 4> summaryResImages;
TLevelSummary levelSummary;

namespace {
constexpr float MAX_TOTAL = 1e9f;

// Rounds to single precision here and now, so that no fused multiply-add or
// wider register changes what the player is credited.
float Single(float v) {
    volatile float r = v;
    return r;
}

int TruncKept(float v) {
    if (!(v > 0)) return 0;  // also NaN
    return static_cast<int>(std::min(v, MAX_TOTAL));
}

Image LoadSummaryImage(const std::string& name) {
    return GfxLoadImage(gameDir + "gfx/gui/levelSummary/" + name, GFX_IMAGE_DEFAULT);
}
}  // namespace

int SummaryTimeBonus(int time, int maxTime, const int res[4]) {
    if (maxTime <= 0 || time <= 0) return 0;
    int m = 0;
    for (int i = 0; i < 4; i++) m = std::max(m, res[i]);
    const float share = Single(static_cast<float>(time) / static_cast<float>(maxTime));
    const float scaled = Single(share * static_cast<float>(m));
    return TruncKept(Single(scaled * 0.3f));
}

int SummaryTotal(int bonus, int count, float multiplier) {
    const float gained = Single(static_cast<float>(std::max(count, 0)) * multiplier);
    return TruncKept(Single(static_cast<float>(bonus) + gained));
}

namespace {
// The summary's two answers as the shipped script places them, for a script that lost them.
const char* const kBuiltInSummaryGui = R"(
OBJECT origin {
    POSITION = "0 0"
}
OBJECT replay {
    GFX = ../../buttons.png|blue
    TXT = [../../../../txt/#LANG#/summary.txt|2]
    FONT = ../../../fonts/font1.ttf|30
    TEXTRGB = "255 255 255"
    POSITION = "282 580"
    PINTO = origin
}
OBJECT continue {
    GFX = ../../buttons.png|green
    TXT = [../../../../txt/#LANG#/summary.txt|1]
    FONT = ../../../fonts/font1.ttf|30
    TEXTRGB = "255 255 255"
    POSITION = "522 580"
    PINTO = origin
}
)";
}  // namespace

void TLevelSummary::setup() {
    panel = shownOnly(LoadSummaryImage("panel.png"));
    GfxMidHandle(panel);
    circle = shownOnly(LoadSummaryImage("circle.png"));
    circle2 = shownOnly(LoadSummaryImage("circle2.png"));
    point = shownOnly(LoadSummaryImage("point.png"));
    const char* names[4] = {"res_wood.png", "res_food.png", "res_gold.png", "res_rock.png"};
    for (int i = 0; i < 4; i++) summaryResImages[i] = LoadSummaryImage(names[i]);

    auto txt = LoadTxtFile(gameDir + "txt/#LANG#/summary.txt");
    txtTimeBonus = TxtLine(txt, 6);
    txtMultiplier = TxtLine(txt, 7);
    txtTotal = TxtLine(txt, 8);

    const std::string font1 = gameDir + "gfx/fonts/font1.ttf";
    infoFont = GetFont(font1, 32);
    numberFOnt = GetFont(font1, 48);
    numberFOnt2 = GetFont(gameDir + "gfx/fonts/Tahoma.ttf", 16);
    infoFOnt2 = GetFont(font1, 24);
    bigNumberFont = GetFont(font1, 36);
    infoBigFont = GetFont(font1, 42);

    gui = LoadGuiOrBuiltIn(gameDir + "gfx/gui/levelSummary/#LANG#/summary.gui", {"continue", "replay"},
                           kBuiltInSummaryGui);
}

int TLevelSummary::levelCount(int n) const {
    if (!level || n < 0 || n > 3) return 0;
    return std::max(level->res[n], 0);
}

int TLevelSummary::CountTimeBonus() const {
    if (!level) return 0;
    const int counts[4] = {levelCount(0), levelCount(1), levelCount(2), levelCount(3)};
    return SummaryTimeBonus(level->time, level->maxTime, counts);
}

void TLevelSummary::_prepareSelf() {
    alpha = dAlpha = 1;
    startShowing();
    bonusA = dBonusA = totalA = dTotalA = 0;
    countingTIme = 0;
}

void TLevelSummary::_prepareScore() {
    bonusAdd = CountTimeBonus();
    const float multiplier = actProfile ? actProfile->CountMultiplier() : 1.0f;
    for (int i = 0; i < 4; i++) {
        resTotal[i] = 0;
        resTotalInfo[i] = SummaryTotal(bonusAdd, levelCount(i), multiplier);
    }
    if (actProfile) {
        // Credited now: leaving through "replay" keeps them.
        actProfile->QUEST_UpdateLevelData(resTotalInfo[0], resTotalInfo[1], resTotalInfo[2], resTotalInfo[3],
                                          level ? level->time : 0);
        actProfile->AddResources(resTotalInfo);
        // The quest's own level is saved from now on as the step after it,
        // so it is never continued and paid again.
        if (level && level == actProfile->questLevel) actProfile->QUEST_LevelWon();
    }
    flyingRes.clear();
    const int now = SysMillisecs();
    for (int i = 0; i < 4; i++) {
        auto ef = std::make_shared<TFlyResEf>();
        ef->owner = this;
        ef->n = i;
        ef->x1 = ef->x2 = ef->mx = i < 2 ? 249.0f + 90.0f * i : 600.0f + 90.0f * (i - 2);
        ef->x = ef->x1;
        ef->y1 = ef->my = 127;
        ef->y = ef->y1;
        ef->y2 = 227;
        ef->a = 0;
        ef->time = now + 100 * i;
        flyingRes.push_back(ef);
    }
}

void TLevelSummary::prepare() {
    _prepareSelf();
    _prepareScore();
}

void TLevelSummary::_updateBonus() { ApproachInPlace(bonusA, dBonusA, 0.02f); }

void TLevelSummary::_updateTotal() {
    ApproachInPlace(totalA, dTotalA, 0.02f);
    if (totalA != 1 || dTotalA != 1) return;
    const int now = SysMillisecs();
    if (now < countingTIme) return;
    countingTIme = now + 10;
    for (int i = 0; i < 4; i++)
        if (resTotal[i] < resTotalInfo[i])
            resTotal[i] = std::min(resTotal[i] + RandInt(0, 5), resTotalInfo[i]);
}

void TLevelSummary::update() {
    CommonUpdate(this);
    _updateFade();
    _updateShow();
    _updateBonus();
    _updateTotal();
    slideGui();
    _updateGui();
}

bool TLevelSummary::animationDone() const {
    for (auto& ef : flyingRes)
        if (ef->myStep < FLY_DONE) return false;
    for (int i = 0; i < 4; i++)
        if (resTotal[i] < resTotalInfo[i]) return false;
    return true;
}

void TLevelSummary::goContinue() { answer("NEXT"); }

void TLevelSummary::goReplay() { answer("RESTART"); }

void TLevelSummary::_checkButtons() {
    // Once the player has chosen, the summary only fades out.
    if (!gui || dFade == 1) return;
    if (gui->clickedItem("continue")) goContinue();
    if (gui->clickedItem("replay")) goReplay();
}

std::string TLevelSummary::mainloop(TEkran* callerScreen, std::shared_ptr<TLevel> wonLevel) {
    level = std::move(wonLevel);
    // Over the won board: its background, the captions of the level's start and end (shown
    // again only at the next level) and the stripes stay under the summary's picture of them
    // until the player answers, and the board is set up anew after the answer.
    if (callerScreen == &mainGame) {
        callerPictures = {mainGame.background};
        for (int n : {CAPTION_GET_READY, CAPTION_GO, CAPTION_LEVEL_COMPLETED})
            callerPictures.push_back(captionImages[static_cast<std::size_t>(n)]);
        backingPictures = {stripesImage};
    }
    return runOver(callerScreen, "level summary");
}
