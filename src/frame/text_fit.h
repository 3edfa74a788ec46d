// Whether a text fits the box it is drawn in: how far it runs over, and the
// largest font size at which it fits. Labels that shrink to their box and the
// texts' fit checks share these measures.
#pragma once

#include <string>

#include "platform/platform.h"

struct TTextOverflow {
    int x = 0;  // pixels beyond the box's width, 0 when it fits
    int y = 0;  // pixels beyond its height
    bool Fits() const { return x == 0 && y == 0; }
};

// A word-wrapped box as DrawTextBox lays it out: its widest line against `w`, its lines (pitch
// the font height + spacing, the last one whole) against `h`.
TTextOverflow TextBoxOverflow(const std::string& text, float w, float h, const Font& font, int spacing);
// One line, never wrapped, at the text scale `scale`.
TTextOverflow TextLineOverflow(const std::string& text, float w, float h, const Font& font, float scale = 1);

// The largest size from `size` down to `minSize` at which the box fits the text (`minSize` when
// none does: the text is never cut).
int FittingFontSize(const std::string& text, const std::string& fontPath, int size, int minSize, float w,
                    float h, int spacing);
// The font of that size (from the font cache): `designed` itself when the text fits at `size`.
Font FittingFont(const std::string& text, const std::string& fontPath, const Font& designed, int size,
                 int minSize, float w, float h, int spacing);
