#include "frame/text_fit.h"

#include <algorithm>
#include <cmath>

#include "frame/font_cache.h"
#include "frame/text_layout.h"

namespace {
int Beyond(float used, float room) { return std::max(0, static_cast<int>(std::ceil(used - room))); }
}  // namespace

TTextOverflow TextBoxOverflow(const std::string& text, float w, float h, const Font& font, int spacing) {
    const float widest = static_cast<float>(TextBoxWidestLine(text, w, font, spacing));
    // The box's height counts every line at its pitch; the last line needs the font's whole height.
    const float height = TextBoxHeight(text, 0, 0, w, "LEFT", 0, font, spacing) - static_cast<float>(spacing);
    return TTextOverflow{Beyond(widest, w), Beyond(height, h)};
}

TTextOverflow TextLineOverflow(const std::string& text, float w, float h, const Font& font, float scale) {
    if (font) GfxSetImageFont(font);
    const float width = static_cast<float>(GfxTextWidth(text)) * scale;
    const float height = static_cast<float>(GfxTextHeight(text)) * scale;
    return TTextOverflow{Beyond(width, w), Beyond(height, h)};
}

int FittingFontSize(const std::string& text, const std::string& fontPath, int size, int minSize, float w,
                    float h, int spacing) {
    for (int s = size; s > minSize; --s) {
        const Font font = GetFont(fontPath, s);
        if (!font || TextBoxOverflow(text, w, h, font, spacing).Fits()) return s;
    }
    return minSize;
}

Font FittingFont(const std::string& text, const std::string& fontPath, const Font& designed, int size,
                 int minSize, float w, float h, int spacing) {
    const int fit = FittingFontSize(text, fontPath, size, minSize, w, h, spacing);
    return fit == size ? designed : GetFont(fontPath, fit);
}
