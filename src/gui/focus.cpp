#include "gui/focus.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "frame/mouse.h"
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

std::vector<TGuiObject*> TGuiFocus::_controls(const TGui& gui) const {
    std::vector<TGuiObject*> controls;
    for (const auto& o : gui.objects) {
        if (IsFocusable(*o)) controls.push_back(o.get());
    }
    return controls;
}

void TGuiFocus::_settle(const TGui& gui, const std::vector<TGuiObject*>& controls) {
    if (controls.empty()) {
        current = nullptr;
        return;
    }
    if (std::find(controls.begin(), controls.end(), current) != controls.end()) return;
    if (current) {
        // The control went (a check box swapped for its other half): the one now
        // nearest to where it stood takes the focus.
        float best = std::numeric_limits<float>::max();
        for (TGuiObject* o : controls) {
            const float d = std::hypot(o->dim.cx - lastCX, o->dim.cy - lastCY);
            if (d < best) best = d, current = o;
        }
        return;
    }
    const auto named = gui.GetObject(defaultName);
    if (named && std::find(controls.begin(), controls.end(), named.get()) != controls.end()) {
        current = named.get();
        return;
    }
    std::vector<TDim> rects;
    for (TGuiObject* o : controls) rects.push_back(DrawnRect(*o));
    current = controls[static_cast<size_t>(FocusReadingOrder(rects).front())];
}

void TGuiFocus::_move(const std::vector<TGuiObject*>& controls, int key, bool backwards) {
    std::vector<TDim> rects;
    int at = 0;
    for (size_t i = 0; i < controls.size(); ++i) {
        rects.push_back(DrawnRect(*controls[i]));
        if (controls[i] == current) at = static_cast<int>(i);
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
    current = controls[static_cast<size_t>(next)];
}

void TGuiFocus::beforeObjects(TGui& gui) {
    pressedNow = nullptr;
    const std::vector<TGuiObject*> controls = _controls(gui);
    // The mouse in use hides the focus and hands it the control under it.
    const bool mouseUsed = mouseSeen && (mouse.x != lastMouseX || mouse.y != lastMouseY ||
                                         mouse.leftPressed || mouse.leftHolded);
    mouseSeen = true;
    lastMouseX = mouse.x;
    lastMouseY = mouse.y;
    if (mouseUsed) {
        isShown = false;
        for (TGuiObject* o : controls) {
            if (mouse.inDim(o->dim)) current = o;
        }
    }
    _settle(gui, controls);

    const bool sidesKept = keepsSideKeys && keepsSideKeys(isShown ? current : nullptr);
    int moveKey = 0;
    for (int key : {KEY_TAB, KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT}) {
        if ((key == KEY_LEFT || key == KEY_RIGHT) && sidesKept) continue;
        if (InKeyHit(key) > 0 && moveKey == 0) moveKey = key;
    }
    const bool enter = InKeyHit(KEY_ENTER) > 0;
    const bool space = InKeyHit(KEY_SPACE) > 0;
    const bool press = enter || space;
    if (current && (moveKey != 0 || press)) {
        // A hidden focus is first shown where it stands; the next key acts.
        if (!isShown) isShown = true;
        else if (moveKey != 0) _move(controls, moveKey, InKeyDown(KEY_SHIFT) > 0);
        else pressedNow = current;
    }
    if (current) {
        lastCX = current->dim.cx;
        lastCY = current->dim.cy;
    }
    for (const auto& o : gui.objects) o->pointedByFocus = isShown ? (o.get() == current ? 1 : 0) : -1;
}

void TGuiFocus::focusOn(TGui& gui, const std::string& name) {
    const auto o = gui.GetObject(name);
    if (o) current = o.get();
}

void TGuiFocus::draw() const {
    if (!isShown || !current || !current->visible) return;
    DrawFocusRing(DrawnRect(*current), current->alpha);
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
