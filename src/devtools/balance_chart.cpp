#include "devtools/balance_chart.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "frame/globals.h"

namespace {
constexpr int ALL_ITEMS = 24;

void SetColour(const ChartColour& c) {
    GfxSetColor(static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b));
}

// A round step of the scale, so that `top` takes at most about five of them.
int ScaleStep(int top) {
    int step = 1;
    for (int tenth = 1; step * 5 < top; tenth *= 10)
        for (int m : {1, 2, 5})
            if (step * 5 < top) step = m * tenth;
    return step;
}

void Text(const std::string& text, float x, float y) { GfxDrawText(text, std::floor(x), std::floor(y)); }
void TextRight(const std::string& text, float x, float y) {
    Text(text, x - static_cast<float>(GfxTextWidth(text)), y);
}
void TextCentred(const std::string& text, float x, float y) {
    Text(text, x - static_cast<float>(GfxTextWidth(text)) / 2, y);
}

// A line three pixels thick.
void ThickLine(float x1, float y1, float x2, float y2) {
    for (float d = -1; d <= 1; d++) {
        GfxDrawLine(x1, y1 + d, x2, y2 + d);
        GfxDrawLine(x1 + d, y1, x2 + d, y2);
    }
}

void Frame(const ChartArea& a) {
    GfxSetColor(250, 250, 246);
    GfxDrawRect(a.x, a.y, a.w, a.h);
    GfxSetColor(60, 60, 60);
    GfxDrawLine(a.x, a.y + a.h, a.x + a.w, a.y + a.h);
    GfxDrawLine(a.x, a.y, a.x, a.y + a.h);
}

// Level numbers under the area, at a round spacing.
void LevelAxis(const TQuestLog& log, const ChartArea& a, bool font) {
    const int n = static_cast<int>(log.levels.size());
    const int every = n <= 15 ? 1 : n <= 40 ? 5 : 10;
    for (int i = 0; i < n; i++) {
        const int level = log.levels[static_cast<size_t>(i)].level;
        if (level % every != 0 && i != 0) continue;
        const float x = LevelColumnX(a, i, n);
        GfxSetColor(60, 60, 60);
        GfxDrawLine(x, a.y + a.h, x, a.y + a.h + 5);
        if (font) TextCentred(std::to_string(level), x, a.y + a.h + 7);
    }
}

// Horizontal grid lines with their values at the left: 0, step, ... up to top.
void ValueGrid(const ChartArea& a, int top, int step, const std::string& unit, bool font) {
    for (int v = 0; v <= top; v += step) {
        const float y = a.y + a.h - a.h * static_cast<float>(v) / static_cast<float>(top);
        GfxSetColor(222, 222, 214);
        if (v > 0) GfxDrawLine(a.x + 1, y, a.x + a.w, y);
        GfxSetColor(60, 60, 60);
        if (font) TextRight(std::to_string(v) + unit, a.x - 6, y - 8);
    }
}

void LegendEntry(const ChartColour& c, const std::string& name, float& x, float y, bool font) {
    SetColour(c);
    GfxDrawRect(x, y + 4, 22, 8);
    GfxSetColor(40, 40, 40);
    if (font) Text(name, x + 28, y - 2);
    x += 40 + (font ? static_cast<float>(GfxTextWidth(name)) : 60);
}

void DrawStock(const TQuestLog& log, bool font) {
    const ChartArea a = StockArea();
    const int n = static_cast<int>(log.levels.size());
    int most = 1;
    for (auto& r : log.levels)
        for (int v : r.stock) most = std::max(most, v);
    const int step = ScaleStep(most);
    const int top = (most + step - 1) / step * step;
    Frame(a);
    ValueGrid(a, top, step, "", font);
    LevelAxis(log, a, font);
    // Items owned on the right-hand scale, 0 to 24.
    GfxSetColor(60, 60, 60);
    GfxDrawLine(a.x + a.w, a.y, a.x + a.w, a.y + a.h);
    for (int v = 0; v <= ALL_ITEMS; v += 6)
        if (font)
            Text(std::to_string(v), a.x + a.w + 6, a.y + a.h - a.h * static_cast<float>(v) / ALL_ITEMS - 8);
    auto itemsY = [&a](int items) { return a.y + a.h - a.h * static_cast<float>(items) / ALL_ITEMS; };
    SetColour(ItemsColour());
    for (int i = 1; i < n; i++) {
        const auto& before = log.levels[static_cast<size_t>(i - 1)];
        const auto& now = log.levels[static_cast<size_t>(i)];
        const float x0 = LevelColumnX(a, i - 1, n), x1 = LevelColumnX(a, i, n);
        GfxDrawLine(x0, itemsY(before.itemsOwned), x1, itemsY(before.itemsOwned));
        GfxDrawLine(x1, itemsY(before.itemsOwned), x1, itemsY(now.itemsOwned));
    }
    auto stockY = [&a, top](int v) {
        return a.y + a.h - a.h * static_cast<float>(v) / static_cast<float>(top);
    };
    for (int res = 0; res < 4; res++) {
        SetColour(ResourceColour(res));
        for (int i = 0; i < n; i++) {
            const float x = LevelColumnX(a, i, n);
            const float y = stockY(log.levels[static_cast<size_t>(i)].stock[static_cast<size_t>(res)]);
            if (i > 0) {
                const float y0 =
                    stockY(log.levels[static_cast<size_t>(i - 1)].stock[static_cast<size_t>(res)]);
                ThickLine(LevelColumnX(a, i - 1, n), y0, x, y);
            } else {
                GfxDrawRect(x - 2, y - 2, 5, 5);
            }
        }
    }
    GfxSetColor(40, 40, 40);
    if (font) {
        Text("stock after each level won", a.x, a.y - 24);
        TextRight("items owned", a.x + a.w + 40, a.y - 24);
    }
    float x = a.x + 260;
    static const char* const names[4] = {"wood", "food", "gold", "rock"};
    for (int res = 0; res < 4; res++) LegendEntry(ResourceColour(res), names[res], x, a.y - 24, font);
    LegendEntry(ItemsColour(), "items owned", x, a.y - 24, font);
}

void DrawClock(const TQuestLog& log, bool font) {
    const ChartArea a = ClockArea();
    const int n = static_cast<int>(log.levels.size());
    Frame(a);
    ValueGrid(a, 100, 25, "%", font);
    LevelAxis(log, a, font);
    const float column = n > 0 ? a.w / static_cast<float>(n) : a.w;
    const float barW = std::max(1.0f, std::floor(column * 0.7f));
    for (int i = 0; i < n; i++) {
        const auto& r = log.levels[static_cast<size_t>(i)];
        const float x = std::floor(LevelColumnX(a, i, n) - barW / 2);
        const float share =
            r.clock > 0 ? std::clamp(static_cast<float>(r.clockUsed) / r.clock, 0.0f, 1.0f) : 0;
        // The full clock, pale, and the part used over it.
        GfxSetColor(228, 228, 220);
        GfxDrawRect(x, a.y, barW, a.h);
        SetColour(ClockBarColour(r));
        const float h = std::round(a.h * share);
        GfxDrawRect(x, a.y + a.h - h, barW, h);
    }
    GfxSetColor(40, 40, 40);
    if (font) {
        Text("clock used per level (share of its clock)", a.x, a.y - 24);
        TextCentred("quest level", a.x + a.w / 2, a.y + a.h + 26);
    }
    float x = a.x + 420;
    TLevelRecord sample;
    sample.won = true;
    sample.attempts = 1;
    LegendEntry(ClockBarColour(sample), "won at the first try", x, a.y - 24, font);
    sample.attempts = 2;
    LegendEntry(ClockBarColour(sample), "won after losing", x, a.y - 24, font);
    sample.won = false;
    LegendEntry(ClockBarColour(sample), "never won", x, a.y - 24, font);
}
}  // namespace

ChartArea StockArea() { return {90, 80, 1030, 390}; }
ChartArea ClockArea() { return {90, 560, 1030, 180}; }

float LevelColumnX(const ChartArea& area, int index, int count) {
    const float column = count > 0 ? area.w / static_cast<float>(count) : area.w;
    return area.x + column * (static_cast<float>(index) + 0.5f);
}

ChartColour ResourceColour(int res) {
    static const ChartColour colours[4] = {{150, 90, 30}, {40, 150, 60}, {225, 170, 0}, {90, 100, 150}};
    return colours[std::clamp(res, 0, 3)];
}

ChartColour ItemsColour() { return {170, 40, 170}; }

ChartColour ClockBarColour(const TLevelRecord& level) {
    if (!level.won) return {210, 50, 40};
    return level.attempts > 1 ? ChartColour{235, 140, 30} : ChartColour{70, 130, 190};
}

void DrawBalanceChart(const TQuestLog& log, const Font& font, const Font& titleFont) {
    GfxResetDrawState();
    GfxSetOrigin(0, 0);
    GfxSetColor(255, 255, 255);
    GfxDrawRect(0, 0, CHART_W, CHART_H);
    if (titleFont) {
        GfxSetImageFont(titleFont);
        GfxSetColor(30, 30, 30);
        Text("The quest's balance: " + std::to_string(log.levels.size()) + " levels, " +
                 std::to_string(log.itemsBought()) + " items bought",
             90, 14);
    }
    GfxSetImageFont(font);
    DrawStock(log, font != nullptr);
    DrawClock(log, font != nullptr);
    GfxSetImageFont(nullptr);
    GfxResetDrawState();
}

Pixmap RenderBalanceChart(const TQuestLog& log) {
    PlatformConfig config;
    config.headless = true;
    config.renderer = RendererKind::Software;
    config.fixedStep = true;
    config.audio = false;
    if (!PlatformInit(config)) return {};
    GfxSetVirtualResolution(CHART_W, CHART_H);
    if (!GfxOpen(CHART_W, CHART_H, 0, 60, 0)) return {};
    Pixmap pix;
    {
        const Font font = GfxLoadFont(gameDir + "gfx/fonts/Tahoma.ttf", 15, GFX_FONT_SMOOTH);
        const Font title = GfxLoadFont(gameDir + "gfx/fonts/Tahoma.ttf", 22, GFX_FONT_SMOOTH);
        DrawBalanceChart(log, font, title);
        pix = GfxGrabPixmap(0, 0, CHART_W, CHART_H);
    }
    return pix;
}
