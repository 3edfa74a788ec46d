// The match-3 screen's hint, shuffle and power-up steps: the screen calls
// them at their places in the frame; the work is done by the hint code
// (hint.h) and the power-up bar (powerup_bar.h).
#include "match3/hint.h"
#include "match3/main_game.h"
#include "match3/powerup_bar.h"

void TMainGame::_updateHint() { Hints::_updateHint(*this); }
void TMainGame::ResetHint() { Hints::ResetHint(*this); }
void TMainGame::HideHint() { Hints::HideHint(*this); }
void TMainGame::CHECK_MOVES() { Hints::CHECK_MOVES(*this); }
void TMainGame::_dropHintsOnMotion() { Hints::DropHintsOnMotion(*this); }
void TMainGame::_fadeHintOnClick() { Hints::FadeHintOnClick(*this); }
void TMainGame::_drawHint() { Hints::_drawHint(*this); }
void TMainGame::Shuffle() { Hints::Shuffle(*this); }
void TMainGame::_update_STATE_Shuffle() { Hints::_update_STATE_Shuffle(*this); }

void TMainGame::_setupPowerUps() { PowerUps::_setupPowerUps(*this); }
void TMainGame::_preparePowerUps() { PowerUps::_preparePowerUps(*this); }
void TMainGame::_updatePowerUps() { PowerUps::_updatePowerUps(*this); }
void TMainGame::_drawPowerUps() { PowerUps::_drawPowerUps(*this); }
void TMainGame::DropActPowerUp() { PowerUps::DropActPowerUp(*this); }
void TMainGame::_update_STATE_Hammer() { PowerUps::_update_STATE_Hammer(*this); }
void TMainGame::_update_STATE_PickAxe() { PowerUps::_update_STATE_PickAxe(*this); }
void TMainGame::_update_STATE_Dynamite() { PowerUps::_update_STATE_Dynamite(*this); }
void TMainGame::_update_STATE_Color() { PowerUps::_update_STATE_Color(*this); }
void TMainGame::_update_STATE_WaitSimpleObject() { PowerUps::_update_STATE_WaitSimpleObject(*this); }
void TMainGame::_update_STATE_Hourglass() { PowerUps::_update_STATE_Hourglass(*this); }
void TMainGame::_devUnlockPowerUp(int slot) { PowerUps::DevUnlockPowerUp(*this, slot); }

float TMainGame::CountHourglassPer() const {
    const int left = hourGlassTime - SysMillisecs();
    return left > 0 ? static_cast<float>(left) / 22000.0f : 0.0f;
}

TDim TMainGame::GetPowerUpDim(int slot) { return NewDim(static_cast<float>(130 * slot + 69), 720); }
