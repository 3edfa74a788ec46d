// Small value types shared by every screen: colour, rectangle with a drawing
// centre, opacity, scale and text shadow. All fields are floats.
#pragma once

struct TRGB {
    float r = 255, g = 255, b = 255;
    // A copy with each component moved by a random integer in -range..range,
    // clamped to 0..255.
    TRGB GetClose(int range) const;
};

struct TDim {
    float x = 0, y = 0, w = 0, h = 0;
    float cx = 0, cy = 0;  // drawing centre
    void ModifyBy(float dx, float dy) {
        x += dx;
        y += dy;
    }
};

struct TAlpha {
    float a = 1;
};

struct TScale {
    float sx = 1, sy = 1;
};

struct TShadow {
    float x = 0, y = 0, a = 0;
};

TRGB NewRGB(float r, float g, float b);
TDim NewDim(float x, float y);
TDim NewDimRect(float x, float y, float w, float h);
// Sets the drawing colour, each component truncated toward zero.
void SetColorRGB(const TRGB& c);
