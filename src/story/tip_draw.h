// Drawing a tutorial tip: the adviser with the name above, the speech bubble
// rising from the bottom edge, the speech, and the bobbing arrows.
#pragma once

#include <array>
#include <string>

#include "platform/platform.h"

class TArrow;
class TTutorialTip;

// The pictures, names and fonts every tip shares (loaded once).
struct TTipArt {
    std::array<Image, 2> adviser;            // "gfx/gui/tutorial/advisor0.png", "...1.png"
    std::array<std::string, 2> adviserName;  // lines 8 and 9 of the tutorial texts
    Image bubble;                            // handle at the tail's tip (14, 171)
    Image arrow;                             // handle at its centre, pointing down
    std::array<Font, 4> speechFont;          // font1 at 28, 24, 20, 16 px
    Font nameFont;                           // font1 at 32 px
};
TTipArt& TipArt();

// The speech font of a tip (fontN outside 0..3 reads as the nearest).
Font TipSpeechFont(int fontN);

// The whole tip at its alpha; moves the arrows' bobbing one frame on.
void DrawTip(TTutorialTip& tip);

// The bobbing phase one frame on: toward its target, which flips on arrival.
void UpdateArrow(TArrow& arrow);
// The arrow at its phase: a brown shadow at half of `a`, then the arrow at `a`.
void DrawArrow(const TArrow& arrow, float a);
