// What the three level-end dialogs (summary, lose, continue) share: the
// calling screen drawn behind them, dimmed; the panel's slide from below;
// shadowed, centred text; and their modal frame loop.
#pragma once

#include <functional>
#include <string>

#include "frame/screen.h"
#include "gui/value_types.h"

// Opacity of the black veil over the calling screen when the stripes are in.
constexpr float DIALOG_DIM = 0.45f;

// The calling screen (if any), then a black veil and the stripes, both
// following the dialog's stripeA. Leaves the drawing state plain.
void DrawDialogBackground(TEkran* caller, TEkran& dialog);
// White, alpha `a`, alpha blending, scale 1, no rotation.
void ResetDrawState(float a = 1);

// sin(90 deg x per): how far a sliding panel has come in.
float SlideIn(float per);
// How far below its resting place a panel of height h is: h - h x SlideIn.
float SlideOffset(float h, float per);
// Moves a dialog's GUI with its panel: at per 0 it is h below its place.
void SlideGui(TEkran& dialog, float h, float per);

// Text in the current font: first black at half of `a`, 2 px right and down,
// then in its colour; horizontally centred on cx.
void DrawShadowedText(const std::string& text, float cx, float y, const TRGB& colour, float a);
// The same without the shadow.
void DrawCentredText(const std::string& text, float cx, float y, const TRGB& colour, float a);

// A dialog's modal loop inside the caller's frame: one ScreenFrame of the
// dialog, then `afterFrame` (the buttons), until `done` says so.
void RunDialogLoop(TEkran& dialog, const std::function<void()>& afterFrame,
                   const std::function<bool()>& done);

// The screen codes the dialogs' answers lead to. Summary: "RESTART" 105,
// anything else 102 (next level). Lose: "MAIN-MENU" 1, anything else 105.
// Continue: "NEW" 101, "CONTINUE" 104, anything else 1 (the menu stays).
int SummaryAnswerCode(const std::string& answer);
int LoseAnswerCode(const std::string& answer);
int ContinueAnswerCode(const std::string& answer);
