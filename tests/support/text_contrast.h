// How well a text reads against what lies behind it, by the WCAG contrast ratio: found from two
// grabs of a screen, one with the text and one without it, so that any screen, in any language,
// can be checked through its own drawing code.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/text_watch.h"
#include "support/headless_platform.h"

// The WCAG relative luminance of an sRGB colour (0 black .. 1 white) and the contrast ratio of two
// colours (1 .. 21).
double RelativeLuminance(const Rgb& c);
double ContrastRatio(const Rgb& a, const Rgb& b);
// The least ratio a text of this pixel size needs: 3 from 24 pixels up, 4.5 below.
double RequiredContrast(float size);

struct TextContrast {
    Rgb text;             // its glyphs' cores: the pixels it changed most
    Rgb back;             // the median of its box's other pixels, in the grab without it
    double ratio = 0;     // between the two
    int glyphPixels = 0;  // pixels the text changed; 0: it shows nowhere (hidden, clipped)
};
// The contrast of the one text that makes `with` differ from `without` (two grabs of one size),
// drawn in the box (x, y, w, h): its pixels are looked for within a line's height around it.
TextContrast MeasureTextContrast(const Pixmap& with, const Pixmap& without, int x, int y, int w, int h);

struct DrawnTextContrast {
    GfxTextDrawn text;
    TextContrast contrast;
};
// Every text that `draw` (one whole frame of a screen, cleared first) shows, each measured by
// drawing the frame again without it. A text drawn again just beside itself with the same words,
// or a half-clear black text with another starting just beside it, is a shadow and is not
// measured on its own: it lies behind the face it serves.
std::vector<DrawnTextContrast> MeasureScreenTexts(const std::function<void()>& draw);

// Fails the test for every text `draw` shows below the contrast its size needs (and when it shows
// none), naming the screen, the text and the figures; prints the screen's lowest ratio as a line
// "contrast | screen | ratio | text |" for the table in docs/contrast.md (tools/contrast_table.sh).
void ExpectTextsReadable(const std::string& screen, const std::function<void()>& draw);

// The same over several moments of one screen (the subtitles of a story, one after the other):
// each moment is checked as it comes, and the screen's one line gives the lowest of them all
// when the tally ends.
class TextContrastTally {
public:
    explicit TextContrastTally(std::string screen) : screen(std::move(screen)) {}
    ~TextContrastTally();
    TextContrastTally(const TextContrastTally&) = delete;
    TextContrastTally& operator=(const TextContrastTally&) = delete;
    // Checks the texts one frame shows; `moment` names it in a failure.
    void ExpectReadable(const std::string& moment, const std::function<void()>& draw);

private:
    std::string screen;
    bool seen = false;
    DrawnTextContrast lowest;
};
