// The adviser's tutorial tips on the match-3, land and puzzle screens: when a
// tip fires, how it fades in and ends, and the single active tip. The tips
// themselves are the catalogue of quest/tutorial_catalogue.h; the current
// profile keeps those not yet dismissed.
#pragma once

#include <functional>
#include <memory>

class TEkran;
class TTutorialTip;

// What the tips need to know of screens above the village.
struct TTutorialHooks {
    // The puzzle's type 1..4 when `screen` is the puzzle screen, else 0.
    // Empty: no screen is the puzzle screen.
    std::function<int(const TEkran* screen)> puzzleType;
};
TTutorialHooks& TutorialHooks();

// --- The screens' calls ----------------------------------------------------
// With no active tip: `screen` becomes the tip screen and the first of the
// profile's tips whose condition holds becomes active (and is reset).
void CheckTutorialTips(const TEkran* screen);
// Unless "noTutorial.txt" exists: `screen` becomes the tip screen and the
// active tip moves (fades, reads the click that ends it).
void UpdateTutorialTip(const TEkran* screen);
void DrawTutorialTip();   // the active tip, over the screen's GUI
void ClearTutorialTip();  // no tip active; it stays pending in the profile
void HideTutorialTip();   // the active tip fades out (and is then dismissed)

std::shared_ptr<TTutorialTip> ActiveTutorialTip();  // null when none
const TEkran* TutorialTipScreen();                  // the screen that last asked
// The active tip is fully shown and waits for the click that ends it.
bool TutorialTipWaitsForClick();

// --- One tip -------------------------------------------------------------------
// Activation: hidden, fading in from now (or after its delay), clicks dropped.
void TipReset(TTutorialTip& tip);
// One frame: nothing before its wait time; the appearance sound once, the
// fade, the ending click. May end the tip (and start the next of a dialogue).
void TipUpdate(TTutorialTip& tip);
// 2 when a click ends a chained tip, 1 when it fades a tip out, else 0.
int TipCheckIfKill(TTutorialTip& tip);
// No tip active; the tip leaves the current profile's list for good.
void TipKill(TTutorialTip& tip);
void TipHide(TTutorialTip& tip);  // fade out
// Whether the tip's trigger condition holds now (1) or not (0).
int TipCheck(const TTutorialTip& tip);

// The trigger conditions, read against the tip screen and the current profile.
int CHECK_Tip_Start();
int CHECK_Tip_Chain();
int CHECK_Tip_CyanTiles();
int CHECK_Tip_ChainDouble();
int CHECK_Tip_Chests();
int CHECK_Start_Dialog();
int CHECK_Tip_PuzzleStart();
int CHECK_Tip_PuzzleType(int type);
int CHECK_Tip_PowerUpHammer();
int CHECK_Tip_PowerUpHourglass();
int CHECK_Tip_PowerUpPickaxe();
int CHECK_Tip_PowerUpDynamite();
int CHECK_Tip_PowerUpBomb();
int CHECK_Tip_PowerUpRockets();
int CHECK_Tip_Smithy();
int CHECK_Tip_Townhall();
int CHECK_Tip_RainTalks();
