// What the menu dialogs share: the calling screen dimmed behind them, and
// labels drawn over a soft shadow.
#pragma once

#include <string>

#include "frame/value_types.h"
#include "quest/level_end_dialog.h"

// The caller (if any) under a black veil at `veil` x the dialog's stripeA and the stripes
// (DimCaller). A still caller is drawn once and copied afterwards; a live one (the village keeps
// moving behind the options) is drawn every frame.
void DrawCallerBehind(TEkran* caller, TEkran& dialog, TCallerPicture& picture, float veil, bool live = false);

// One line in the current font with its top-left at (x, y), over a black
// shadow 2 px right and down at half of `a`.
void DrawShadowedTextAt(const std::string& text, float x, float y, const TRGB& colour, float a);

// The height of a panel picture, or `fallback` when it is missing, so that
// the layout still slides without its picture.
float PanelHeight(const Image& panel, float fallback);
