// Drawing a tutorial tip: the adviser with the name above, the speech bubble
// rising from the bottom edge, the speech, and the bobbing arrows.
#pragma once

#include <array>
#include <string>

#include "frame/value_types.h"
#include "platform/platform.h"

class TArrow;
class TTutorialTip;

// The bubble's handle: the tip of its tail, at the adviser's mouth.
constexpr float TIP_BUBBLE_HANDLE_X = 14, TIP_BUBBLE_HANDLE_Y = 171;

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

// Where the adviser's picture and the bubble lie once the tip is fully shown: in the bottom
// corner of its side, moved by the tip's place ("::position": x right, y down; the arrows keep
// their own points).
TDim TipAdviserRect(const TTutorialTip& tip);
TDim TipBubbleRect(const TTutorialTip& tip);
// The room the speech has in the bubble's body: its lines, at most TIP_SPEECH_WIDTH wide, are
// centred on this box's middle.
constexpr int TIP_SPEECH_WIDTH = 294;
TDim TipSpeechBox(const TTutorialTip& tip);

// The whole tip at its alpha; moves the arrows' bobbing one frame on.
void DrawTip(TTutorialTip& tip);

// The bobbing phase one frame on: toward its target, which flips on arrival.
void UpdateArrow(TArrow& arrow);
// The arrow at its phase: a brown shadow at half of `a`, then the arrow at `a`.
void DrawArrow(const TArrow& arrow, float a);
