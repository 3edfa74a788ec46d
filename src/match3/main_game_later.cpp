// The match-3 screen's hint, shuffle and power-up steps in their simplest
// form: the screen calls them at their places in the frame, and the hint
// and power-up code replaces this file with the full behaviour.
#include "effects/captions.h"
#include "match3/flying.h"
#include "match3/main_game.h"

void TMainGame::_updateHint() {}
void TMainGame::ResetHint() { hintTime = SysMillisecs() + 5000; }
void TMainGame::HideHint() {
    hint.reset();
    tempHint.reset();
    movesChecked = 0;
}
// Once per calm period: a board without any move is dealt anew.
void TMainGame::CHECK_MOVES() {
    if (movesChecked) return;
    movesChecked = 1;
    if (!board.FindAnyMove()) Shuffle();
}
void TMainGame::_dropHintsOnMotion() { HideHint(); }
void TMainGame::_fadeHintOnClick() {}
void TMainGame::_drawHint() {}

void TMainGame::Shuffle() {
    CreateCaptionNoMoves();
    for (auto& t : level()->tile) {
        if (auto chip = t->chip) chip->FlyOut();
    }
    shuffleTime = SysMillisecs() + 2000;
    state = M3_SHUFFLING;
}

void TMainGame::_update_STATE_Shuffle() {
    if (SysMillisecs() <= shuffleTime) return;
    state = M3_PLAYING;
    for (auto& t : level()->tile) {
        if (t->id == 0) continue;
        auto chip = level()->GetRandomChip();
        if (!chip) continue;
        t->PutChip(chip);
        chip->CreateMe();
    }
}

void TMainGame::_setupPowerUps() {}
void TMainGame::_preparePowerUps() {}
void TMainGame::_updatePowerUps() { overPowerUp = -1; }

void TMainGame::_drawPowerUps() {
    GfxSetColor(255, 255, 255);
    GfxSetRotation(0);
    GfxSetScale(1, 1);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetAlpha(1);
    GfxDrawImage(powerUpBack, 29, 680);
}

void TMainGame::DropActPowerUp() { state = M3_PLAYING; }
void TMainGame::_update_STATE_Hammer() { _update_STANDARD(); }
void TMainGame::_update_STATE_PickAxe() { _update_STANDARD(); }
void TMainGame::_update_STATE_Dynamite() { _update_STANDARD(); }
void TMainGame::_update_STATE_Color() { _update_STANDARD(); }
void TMainGame::_update_STATE_WaitSimpleObject() {
    _update_STANDARD();
    state = M3_PLAYING;
}

void TMainGame::_update_STATE_Hourglass() {
    _update_STATE_Normal(0);
    if (state == M3_HOURGLASS && CountHourglassPer() == 0) state = M3_PLAYING;
}

void TMainGame::_devUnlockPowerUp(int) {}

float TMainGame::CountHourglassPer() const {
    const int left = hourGlassTime - SysMillisecs();
    return left > 0 ? static_cast<float>(left) / 22000.0f : 0.0f;
}

TDim TMainGame::GetPowerUpDim(int slot) { return NewDim(static_cast<float>(130 * slot + 69), 720); }
