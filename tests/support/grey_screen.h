// A caller for dialog tests: the whole screen painted in one grey (200, 200,
// 200), so that a veil's darkening can be read off any pixel.
#pragma once

#include "frame/screen.h"
#include "platform/platform.h"

class GreyScreen : public TEkran {
public:
    void draw() override {
        GfxResetDrawState();
        GfxSetColor(200, 200, 200);
        GfxDrawRect(0, 0, 1024, 768);
        GfxResetDrawState();
    }
};
