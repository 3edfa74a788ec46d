// Spots of the screen that changed, on a grid of 32-pixel squares: what a still layer must
// redraw, what must be copied from its picture again, and what the window must be shown again.
#pragma once

#include <SDL.h>

#include <vector>

class GfxDamage {
public:
    // Side of a grid square in logical pixels: small enough that a rocking chip or a sparkle
    // counts for little around it, large enough that a frame's rectangles stay few.
    static constexpr int kGrid = 32;

    // Marks the squares `box` touches on a screen of w x h logical pixels; a screen of another
    // size than the marks so far makes the whole screen changed.
    void Mark(const SDL_Rect& box, int w, int h);
    void MarkWhole() { whole_ = true; }
    // Nothing changed on a screen of w x h logical pixels.
    void Clear(int w, int h);
    bool Whole() const { return whole_; }
    bool Empty() const { return !whole_ && !any_; }
    // The marked squares as few rectangles (runs along each row, stacked while rows repeat
    // them), cut to the screen; the whole screen when Whole().
    std::vector<SDL_Rect> Rects(int w, int h) const;

private:
    bool Fits(int w, int h) const { return w_ == w && h_ == h; }
    bool whole_ = true;
    bool any_ = false;
    int w_ = 0, h_ = 0, gridW_ = 0, gridH_ = 0;
    std::vector<unsigned char> cells_;
};
