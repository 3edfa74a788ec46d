#include "frame/value_types.h"

#include <algorithm>

#include "platform/platform.h"

namespace {
float MoveClamped(float v, int range) {
    return std::clamp(v + static_cast<float>(RandInt(-range, range)), 0.0f, 255.0f);
}
}  // namespace

TRGB TRGB::GetClose(int range) const {
    return TRGB{MoveClamped(r, range), MoveClamped(g, range), MoveClamped(b, range)};
}

TRGB NewRGB(float r, float g, float b) { return TRGB{r, g, b}; }

TDim NewDim(float x, float y) {
    TDim d;
    d.x = x;
    d.y = y;
    return d;
}

TDim NewDimRect(float x, float y, float w, float h) {
    TDim d;
    d.x = x;
    d.y = y;
    d.w = w;
    d.h = h;
    return d;
}

void SetColorRGB(const TRGB& c) {
    GfxSetColor(static_cast<float>(static_cast<int>(c.r)), static_cast<float>(static_cast<int>(c.g)),
                static_cast<float>(static_cast<int>(c.b)));
}
