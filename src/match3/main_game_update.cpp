// The match-3 screen's frame: the order of the steps, the screen states, the
// clock, the shine waves, the low-time blink and the win test.
#include "effects/effects.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/options.h"
#include "match3/board_rules.h"
#include "match3/fantom.h"
#include "match3/flying.h"
#include "match3/main_game.h"

void TMainGame::update() {
    CommonUpdate(this);
    if (hooks.updateTip) hooks.updateTip();
    _updateFade();
    _updateAlpha();
    _updateState();
    UpdateFantoms();
    _updateFrameAlpha();
    UpdateFlyingChips();
    _updateGui();
    TFireWork::updateAll();
    _updateCaptions();
    _updateRes();
}

int TMainGame::isPowerUpActive() const {
    return state == M3_HAMMER || state == M3_PICKAXE || state == M3_DYNAMITE || state == M3_COLOR;
}

void TMainGame::_updateState() {
    if (isPowerUpActive() && mouse.rightPressed) DropActPowerUp();
    switch (state) {
        case M3_PLAYING:
            _update_STATE_Normal(1);
            break;
        case M3_APPEARING:
            _update_STATE_Begin();
            break;
        case M3_WON:
            _update_STATE_Win();
            break;
        case M3_HAMMER:
            _update_STATE_Hammer();
            break;
        case M3_HOURGLASS:
            _update_STATE_Hourglass();
            break;
        case M3_PICKAXE:
            _update_STATE_PickAxe();
            break;
        case M3_DYNAMITE:
            _update_STATE_Dynamite();
            break;
        case M3_COLOR:
            _update_STATE_Color();
            break;
        case M3_TOOL_RETURNING:
            _update_STATE_WaitSimpleObject();
            break;
        case M3_SHUFFLING:
            _update_STATE_Shuffle();
            break;
        default:
            state = M3_PLAYING;
            break;
    }
    if (state != M3_PLAYING && hooks.hideTip) hooks.hideTip();
}

// States 0 and 4: the whole board with selection, hints and the win test;
// the clock runs only when `clock` is 1.
void TMainGame::_update_STATE_Normal(int clock) {
    tilesFree = 0;
    scrollsFree = 1;
    board.nothingHappens = 1;
    _updateHint();
    _updateTilesOver();
    _updateChipsFall();
    _updateChipsCreation();
    _updatePicked();
    _updatePairs();
    _updateBlask();
    _updateBlink();
    if (hooks.checkTips) hooks.checkTips();
    if (clock == 1) _updateTime();
    _updatePowerUps();
    // Two chips in a swap rest in their cells but are on the move: the move
    // search cannot see them, so the board is not calm yet.
    if (!board.isCalm()) board.nothingHappens = 0;
    // A line still lying on a calm board goes first (its chips start moving).
    if (board.nothingHappens && board.RemoveRestingLines() > 0) board.nothingHappens = 0;
    if (board.nothingHappens == 0) {
        _dropHintsOnMotion();
        ResetHint();
        return;
    }
    // A won board is never searched for moves nor thrown off. A loss may have
    // ended the level in this frame already.
    if (tilesFree && scrollsFree) {
        if (state != M3_WON && !fadedOut()) Win();
        return;
    }
    CHECK_MOVES();
}

// States 3, 5, 6, 8 and 9: the board and the clock run; hints, the picked
// pulse, the blink, the tutorial and the win test do not.
void TMainGame::_update_STANDARD() {
    _updateTilesOver();
    _updateChipsFall();
    _updateChipsCreation();
    _updatePairs();
    _updateBlask();
    _updateTime();
    _updatePowerUps();
}

void TMainGame::_update_STATE_Begin() {
    if (!fantomList.empty()) return;
    state = M3_PLAYING;
    const int now = SysMillisecs();
    level()->blaskTime = now + 500;
    level()->secondTime = now + 1000;
    dFrameA = 1;
}

void TMainGame::_update_STATE_Win() {
    if (!FantomsFinished() || fadedOut()) return;
    // Until the level summary is built, a won level goes on to the next one.
    const int answer = hooks.runSummary ? hooks.runSummary() : QUEST_NEXT_LEVEL;
    if (answer == QUEST_NEXT_LEVEL || answer == QUEST_RESTART_LEVEL) {
        dFade = fade = 1;
        wynik = answer;
    }
}

void TMainGame::_updateTilesOver() {
    board.over = nullptr;
    tilesCount = 0;
    TLevel* lv = level();
    for (auto& t : lv->tile) {
        t->isPickAxeOver = 0;
        if (t->chip && t->chip->isSpecialChip()) scrollsFree = 0;
        if (t->update()) board.over = t.get();
        if (t->isHappening()) board.nothingHappens = 0;
        if (t->id > 1) tilesCount++;
    }
    if (board.over) board.over->overAlpha = 1;
    if (tilesCount == 0) tilesFree = 1;
    _updateTilesSwap();
    if (cheats && InKeyHit(KEY_F1 + 1) && board.over) PutPowerUp(board.over);
}

void TMainGame::_updateChipsFall() { board._updateChipsFall(); }
void TMainGame::_updateChipsCreation() { board._updateChipsCreation(); }
void TMainGame::_updatePicked() { board._updatePicked(); }
void TMainGame::_updatePairs() { board._updatePairs(); }
void TMainGame::_updateBlask() { board._updateBlask(); }

void TMainGame::_updateTime() {
    TLevel* lv = level();
    const int now = SysMillisecs();
    // In the relaxed mode the clock stands still; switched off, it goes on a whole second later.
    if (options.relaxed) {
        lv->secondTime = now + 1000;
        return;
    }
    if (now <= lv->secondTime) return;
    lv->secondTime = now + 1000;
    lv->time -= 1;
    if (lv->time == 0) Lose();
}

void TMainGame::_updateBlink() {
    ApproachInPlace(blinkA, dBlinkA, 0.05f);
    if (blinkA == dBlinkA) dBlinkA = dBlinkA == 0 ? 1.0f : 0.0f;
}

void TMainGame::_updateRes() {
    for (auto& panel : res) panel->update();
}

void TMainGame::_updateCaptions() { UpdateCaptions(); }

void TMainGame::_updateFrameAlpha() { ApproachInPlace(frameA, dFrameA, 0.05f); }
