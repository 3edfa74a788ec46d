// Watching the texts drawn: for tests that find each text's pixels on a screen (drawing it with
// and without one text) and measure how well it reads.
#pragma once

#include <functional>
#include <string>

// A text about to be drawn: its box in logical pixels (the line's width and height at the current
// scale, from its top-left), the font's size at that scale and the colour it is drawn in.
struct GfxTextDrawn {
    std::string text;
    float x = 0, y = 0, w = 0, h = 0;
    float size = 0;
    float r = 255, g = 255, b = 255, alpha = 1;
};

// Called for each text drawn from now on (a still layer's texts when they are drawn); a text it
// answers false for is left undrawn. Empty: every text drawn, nothing called.
void GfxSetTextWatcher(std::function<bool(const GfxTextDrawn&)> watcher);
