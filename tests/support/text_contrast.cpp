#include "support/text_contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "frame/screen.h"

namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Rgb At(const Pixmap& p, int i) {
    const std::size_t o = static_cast<std::size_t>(i) * 4;
    return {p.rgba[o], p.rgba[o + 1], p.rgba[o + 2]};
}

int Difference(const Pixmap& a, const Pixmap& b, int i) {
    const std::size_t o = static_cast<std::size_t>(i) * 4;
    return std::abs(a.rgba[o] - b.rgba[o]) + std::abs(a.rgba[o + 1] - b.rgba[o + 1]) +
           std::abs(a.rgba[o + 2] - b.rgba[o + 2]);
}

// The colour of middle luminance: a median that is one of the colours, not a mix of channels.
Rgb Median(std::vector<Rgb> colours) {
    if (colours.empty()) return {};
    auto mid = colours.begin() + static_cast<std::ptrdiff_t>(colours.size() / 2);
    std::nth_element(colours.begin(), mid, colours.end(),
                     [](const Rgb& a, const Rgb& b) { return RelativeLuminance(a) < RelativeLuminance(b); });
    return *mid;
}

// A pixel differing by less (the three channels summed) is smoothing or noise, not the text.
constexpr int GLYPH_DIFFERENCE = 24;
// Cores: the pixels the text changed at least this share of the most it changed one.
constexpr double CORE_SHARE = 0.6;
// The background is looked for this far around the text's box and glyphs.
constexpr int MARGIN = 3;

Pixmap GrabScreen() { return GfxGrabPixmap(0, 0, GfxVirtualWidth(), GfxVirtualHeight()); }

// How far around a text's box its pixels are looked for: a line's height, at least 8.
int SearchReach(int h) { return std::max(h, 8); }

// The screen drawn again without one text, read back only where MeasureTextContrast looks for
// it (its box, the reach, the margin); elsewhere it is `with`. Reading back the whole screen for
// each text took most of a contrast check's time.
Pixmap GrabAroundText(const Pixmap& with, int x, int y, int w, int h) {
    Pixmap without = with;
    if (with.w <= 0) return without;
    const int height = static_cast<int>(with.rgba.size() / 4) / with.w;
    const int reach = SearchReach(h) + MARGIN;
    const int x0 = std::max(0, x - reach), y0 = std::max(0, y - reach);
    const int x1 = std::min(with.w, x + w + reach), y1 = std::min(height, y + h + reach);
    if (x1 <= x0 || y1 <= y0) return without;
    const Pixmap part = GfxGrabPixmap(x0, y0, x1 - x0, y1 - y0);
    if (part.w != x1 - x0 || part.h != y1 - y0) return GrabScreen();
    for (int row = 0; row < part.h; ++row) {
        std::copy_n(&part.rgba[static_cast<std::size_t>(row) * part.w * 4],
                    static_cast<std::size_t>(part.w) * 4,
                    &without.rgba[(static_cast<std::size_t>(y0 + row) * with.w + x0) * 4]);
    }
    return without;
}

// Each frame drawn whole: a still layer kept from the last would show a text left out again.
void DrawWhole(const std::function<void()>& draw) {
    ReleaseStillDrawing();
    draw();
}

}  // namespace

double RelativeLuminance(const Rgb& c) {
    return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

double ContrastRatio(const Rgb& a, const Rgb& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double RequiredContrast(float size) { return size >= 24 ? 3.0 : 4.5; }

TextContrast MeasureTextContrast(const Pixmap& with, const Pixmap& without, int x, int y, int w, int h) {
    TextContrast out;
    if (with.w != without.w || with.rgba.size() != without.rgba.size() || with.w <= 0) return out;
    const int width = with.w, height = static_cast<int>(with.rgba.size() / 4) / width;
    // The text's pixels are looked for within a line's height around its box (a scaled or turned
    // text leaves its line); the box then grows to hold every pixel it changed.
    const int reach = SearchReach(h);
    const int sx0 = std::max(0, x - reach), sy0 = std::max(0, y - reach);
    const int sx1 = std::min(width, x + w + reach), sy1 = std::min(height, y + h + reach);
    int x0 = std::max(0, x), y0 = std::max(0, y), x1 = std::min(width, x + w), y1 = std::min(height, y + h);
    int most = 0;
    for (int py = sy0; py < sy1; ++py)
        for (int px = sx0; px < sx1; ++px) {
            const int d = Difference(with, without, py * width + px);
            if (d < GLYPH_DIFFERENCE) continue;
            out.glyphPixels++;
            most = std::max(most, d);
            x0 = std::min(x0, px), x1 = std::max(x1, px + 1);
            y0 = std::min(y0, py), y1 = std::max(y1, py + 1);
        }
    if (out.glyphPixels == 0) return out;
    x0 = std::max(0, x0 - MARGIN), y0 = std::max(0, y0 - MARGIN);
    x1 = std::min(width, x1 + MARGIN), y1 = std::min(height, y1 + MARGIN);
    std::vector<Rgb> cores, around;
    for (int py = y0; py < y1; ++py)
        for (int px = x0; px < x1; ++px) {
            const int i = py * width + px, d = Difference(with, without, i);
            if (d < GLYPH_DIFFERENCE) around.push_back(At(without, i));
            else if (d >= most * CORE_SHARE) cores.push_back(At(with, i));
        }
    out.text = Median(cores);
    out.back = Median(around);
    out.ratio = ContrastRatio(out.text, out.back);
    return out;
}

std::vector<DrawnTextContrast> MeasureScreenTexts(const std::function<void()>& draw) {
    std::vector<GfxTextDrawn> texts;
    int hidden = -1, call = 0;
    GfxSetTextWatcher([&](const GfxTextDrawn& t) {
        if (hidden < 0) texts.push_back(t);
        return call++ != hidden;
    });
    DrawWhole(draw);
    const Pixmap with = GrabScreen();
    std::vector<DrawnTextContrast> out;
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        const GfxTextDrawn& t = texts[static_cast<std::size_t>(i)];
        const bool shadow = std::any_of(texts.begin() + i + 1, texts.end(), [&](const GfxTextDrawn& face) {
            // The same words, or a face lettered piece by piece over a half-clear black shadow.
            const bool blackVeil = t.r == 0 && t.g == 0 && t.b == 0 && t.alpha < 1;
            return (face.text == t.text || blackVeil) && std::abs(face.x - t.x) <= 4 &&
                   std::abs(face.y - t.y) <= 4;
        });
        if (shadow) continue;
        hidden = i;
        call = 0;
        DrawWhole(draw);
        const int x = static_cast<int>(t.x), y = static_cast<int>(t.y);
        const int w = static_cast<int>(std::ceil(t.w)), h = static_cast<int>(std::ceil(t.h));
        const TextContrast c = MeasureTextContrast(with, GrabAroundText(with, x, y, w, h), x, y, w, h);
        if (c.glyphPixels > 0) out.push_back({t, c});
    }
    GfxSetTextWatcher(nullptr);
    return out;
}

void ExpectTextsReadable(const std::string& screen, const std::function<void()>& draw) {
    TextContrastTally(screen).ExpectReadable("", draw);
}

void TextContrastTally::ExpectReadable(const std::string& moment, const std::function<void()>& draw) {
    const std::string where = moment.empty() ? screen : screen + ", " + moment;
    const auto texts = MeasureScreenTexts(draw);
    EXPECT_FALSE(texts.empty()) << where << " shows no text";
    // The text nearest its own threshold.
    const auto margin = [](const DrawnTextContrast& t) {
        return t.contrast.ratio / RequiredContrast(t.text.size);
    };
    for (const auto& t : texts) {
        const TextContrast& c = t.contrast;
        EXPECT_GE(c.ratio, RequiredContrast(t.text.size))
            << where << ": \"" << t.text.text << "\" (" << t.text.size << " px) reads at " << c.ratio
            << ":1, its colour " << c.text.r << "," << c.text.g << "," << c.text.b << " on " << c.back.r
            << "," << c.back.g << "," << c.back.b;
        if (!seen || margin(t) < margin(lowest)) lowest = t;
        seen = true;
    }
}

TextContrastTally::~TextContrastTally() {
    if (seen)
        std::printf("contrast | %s | %.2f (needs %.1f) | %s |\n", screen.c_str(), lowest.contrast.ratio,
                    RequiredContrast(lowest.text.size), lowest.text.text.c_str());
}
