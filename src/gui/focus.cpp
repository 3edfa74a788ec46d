#include "gui/focus.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "frame/mouse.h"
#include "frame/names.h"
#include "gui/gui.h"
#include "platform/platform.h"

std::vector<int> FocusReadingOrder(const std::vector<TDim>& rects) {
    std::vector<int> byHeight(rects.size());
    for (size_t i = 0; i < rects.size(); ++i) byHeight[i] = static_cast<int>(i);
    std::stable_sort(byHeight.begin(), byHeight.end(),
                     [&rects](int a, int b) { return rects[a].cy < rects[b].cy; });
    std::vector<int> order;
    size_t rowStart = 0;
    while (rowStart < byHeight.size()) {
        const TDim& first = rects[byHeight[rowStart]];
        size_t rowEnd = rowStart + 1;
        while (rowEnd < byHeight.size() && rects[byHeight[rowEnd]].cy <= first.cy + first.h / 2) ++rowEnd;
        std::stable_sort(byHeight.begin() + static_cast<long>(rowStart),
                         byHeight.begin() + static_cast<long>(rowEnd),
                         [&rects](int a, int b) { return rects[a].cx < rects[b].cx; });
        order.insert(order.end(), byHeight.begin() + static_cast<long>(rowStart),
                     byHeight.begin() + static_cast<long>(rowEnd));
        rowStart = rowEnd;
    }
    return order;
}

int FocusNearestInDirection(const std::vector<TDim>& rects, int from, FocusDirection direction) {
    if (from < 0 || from >= static_cast<int>(rects.size())) return from;
    const TDim& start = rects[static_cast<size_t>(from)];
    int best = from;
    float bestScore = std::numeric_limits<float>::max();
    for (size_t i = 0; i < rects.size(); ++i) {
        const float dx = rects[i].cx - start.cx, dy = rects[i].cy - start.cy;
        float ahead = 0, aside = 0;
        switch (direction) {
            case FocusDirection::Left:
                ahead = -dx, aside = dy;
                break;
            case FocusDirection::Right:
                ahead = dx, aside = dy;
                break;
            case FocusDirection::Up:
                ahead = -dy, aside = dx;
                break;
            case FocusDirection::Down:
                ahead = dy, aside = dx;
                break;
        }
        if (ahead <= 0) continue;  // itself, beside or behind
        const float score = ahead + 2 * std::fabs(aside);
        if (score < bestScore) {
            bestScore = score;
            best = static_cast<int>(i);
        }
    }
    return best;
}

namespace {

// Where a control is drawn (the slide of a panel moves the drawing centre).
TDim DrawnRect(const TGuiObject& o) {
    TDim d = o.dim;
    d.x = d.cx - d.w / 2;
    d.y = d.cy - d.h / 2;
    return d;
}

bool IsFocusable(const TGuiObject& o) {
    // A control reacts to the mouse: it has a hover or a pressed look.
    const bool reacts =
        o.GetPropertiesByAction(TProperties::OVER) || o.GetPropertiesByAction(TProperties::CLICK);
    return o.visible && o.active && reacts && o.dim.w > 0 && o.dim.h > 0;
}

}  // namespace

std::vector<TGuiFocus::Control> TGuiFocus::_controls(const TGui& gui) const {
    std::vector<Control> controls;
    for (const auto& o : gui.objects) {
        if (IsFocusable(*o)) controls.push_back({o->id, o.get(), DrawnRect(*o), o->dim, o->alpha});
    }
    const float alpha = controls.empty() ? 1 : controls.front().alpha;
    for (const TFocusPlace& place : places)
        controls.push_back({place.name, nullptr, place.rect, place.rect, alpha});
    return controls;
}

void TGuiFocus::_settle(const std::vector<Control>& controls) {
    if (controls.empty()) {
        current.clear();
        return;
    }
    auto named = [&controls](const std::string& name) {
        return std::find_if(controls.begin(), controls.end(),
                            [&name](const Control& c) { return EqualNoCase(c.name, name); });
    };
    if (named(current) != controls.end()) return;
    if (!current.empty()) {
        // The control went (a check box swapped for its other half): the one now
        // nearest to where it stood takes the focus.
        float best = std::numeric_limits<float>::max();
        for (const Control& c : controls) {
            const float d = std::hypot(c.drawn.cx - lastCX, c.drawn.cy - lastCY);
            if (d < best) best = d, current = c.name;
        }
        return;
    }
    if (named(defaultName) != controls.end()) {
        current = named(defaultName)->name;
        return;
    }
    std::vector<TDim> rects;
    for (const Control& c : controls) rects.push_back(c.drawn);
    current = controls[static_cast<size_t>(FocusReadingOrder(rects).front())].name;
}

void TGuiFocus::_move(const std::vector<Control>& controls, int key, bool backwards) {
    std::vector<TDim> rects;
    int at = 0;
    for (size_t i = 0; i < controls.size(); ++i) {
        rects.push_back(controls[i].drawn);
        if (controls[i].name == current) at = static_cast<int>(i);
    }
    int next = at;
    if (key == KEY_TAB) {
        const std::vector<int> order = FocusReadingOrder(rects);
        const auto here = std::find(order.begin(), order.end(), at) - order.begin();
        const long n = static_cast<long>(order.size());
        next = order[static_cast<size_t>((here + (backwards ? n - 1 : 1)) % n)];
    } else {
        const FocusDirection d = key == KEY_LEFT    ? FocusDirection::Left
                                 : key == KEY_RIGHT ? FocusDirection::Right
                                 : key == KEY_UP    ? FocusDirection::Up
                                                    : FocusDirection::Down;
        next = FocusNearestInDirection(rects, at, d);
    }
    current = controls[static_cast<size_t>(next)].name;
}

void TGuiFocus::beforeObjects(TGui& gui) {
    pressedNow = nullptr;
    pressedPlaceName.clear();
    const std::vector<Control> controls = _controls(gui);
    // The mouse in use hides the focus and hands it the control under it.
    const bool mouseUsed = mouseSeen && (mouse.x != lastMouseX || mouse.y != lastMouseY ||
                                         mouse.leftPressed || mouse.leftHolded);
    mouseSeen = true;
    lastMouseX = mouse.x;
    lastMouseY = mouse.y;
    if (mouseUsed) {
        isShown = false;
        for (const Control& c : controls) {
            if (mouse.inDim(c.hit)) current = c.name;
        }
    }
    _settle(controls);

    const bool sidesKept = keepsSideKeys && keepsSideKeys(isShown ? current : std::string());
    int moveKey = 0;
    for (int key : {KEY_TAB, KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT}) {
        if ((key == KEY_LEFT || key == KEY_RIGHT) && sidesKept) continue;
        if (InKeyHit(key) > 0 && moveKey == 0) moveKey = key;
    }
    const bool enter = InKeyHit(KEY_ENTER) > 0;
    const bool space = InKeyHit(KEY_SPACE) > 0;
    const bool press = enter || space;
    if (!current.empty() && (moveKey != 0 || press)) {
        // A hidden focus is first shown where it stands; the next key acts.
        if (!isShown) {
            isShown = true;
        } else if (moveKey != 0) {
            _move(controls, moveKey, InKeyDown(KEY_SHIFT) > 0);
        } else {
            pressedNow = gui.GetObject(current).get();
            if (!pressedNow) pressedPlaceName = current;  // a place: its screen answers
        }
    }
    for (const Control& c : controls) {
        if (c.name != current) continue;
        lastCX = c.drawn.cx;
        lastCY = c.drawn.cy;
        currentDrawn = c.drawn;
        currentAlpha = c.alpha;
    }
    for (const auto& o : gui.objects) o->pointedByFocus = isShown ? (o->id == current ? 1 : 0) : -1;
}

void TGuiFocus::draw() const {
    if (!isShown || current.empty()) return;
    DrawFocusRing(currentDrawn, currentAlpha);
}

void DrawFocusRing(const TDim& around, float alpha) {
    const GfxStateScope keep;
    GfxResetDrawState(alpha);
    // Bands from the outside in: a dark brown edge that holds on parchment,
    // a gold band that holds on wood and on the village, a thin brown line.
    struct Band {
        float gap, width;
        float r, g, b;
    };
    constexpr Band kBands[] = {{10, 2, 74, 42, 16}, {8, 3, 255, 206, 72}, {5, 1, 120, 70, 20}};
    for (const Band& band : kBands) {
        GfxSetColor(band.r, band.g, band.b);
        const float x = around.x - band.gap, y = around.y - band.gap;
        const float w = around.w + 2 * band.gap, h = around.h + 2 * band.gap;
        GfxDrawRect(x, y, w, band.width);
        GfxDrawRect(x, y + h - band.width, w, band.width);
        GfxDrawRect(x, y + band.width, band.width, h - 2 * band.width);
        GfxDrawRect(x + w - band.width, y + band.width, band.width, h - 2 * band.width);
    }
}
