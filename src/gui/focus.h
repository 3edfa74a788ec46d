// The keyboard focus of a GUI layout: which of its controls Enter or Space
// would press. Tab and Shift+Tab step through the controls in reading order,
// the arrows go to the nearest control in their direction, and a press is the
// same click the mouse makes. A mouse move or click hides the focus and puts
// it on the control under the mouse; the next key shows it again, where it
// stands, so the hover and the focus never name two different controls.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "frame/value_types.h"

class TGui;
class TGuiObject;

enum class FocusDirection { Left, Right, Up, Down };

// The rectangles' indices in reading order: rows from the top (a rectangle
// whose centre lies within half the row's first height of it joins that row),
// each row from the left. Centres are read from cx and cy.
std::vector<int> FocusReadingOrder(const std::vector<TDim>& rects);
// The index of the rectangle nearest to `from` in the direction, or `from`
// when none lies that way. Distance along the direction counts once, the
// sideways offset twice, so a control straight ahead wins over a nearer one
// off to the side.
int FocusNearestInDirection(const std::vector<TDim>& rects, int from, FocusDirection direction);

class TGuiFocus {
public:
    // The control the focus starts on (case does not matter); the first one in
    // reading order when the layout has none of that name.
    std::string defaultName;
    // Left and Right are left to the screen while this answers true for the
    // focused control (nullptr: the focus is hidden): a slider or a row that
    // steps with them. Empty: the arrows always move the focus.
    std::function<bool(const TGuiObject* focused)> keepsSideKeys;

    explicit TGuiFocus(std::string defaultControl) : defaultName(std::move(defaultControl)) {}

    // Before the layout's objects update: follows the mouse, reads the keys,
    // and tells each object whether it is pointed at by the focus.
    void beforeObjects(TGui& gui);
    // After: the control Enter or Space pressed this frame, or nullptr.
    TGuiObject* pressed() const { return pressedNow; }
    bool shown() const { return isShown; }
    const TGuiObject* focused() const { return current; }
    // Puts the focus on the named control (hidden or not as it was).
    void focusOn(TGui& gui, const std::string& name);
    // The layout forgot its objects: the focus starts again from the default.
    void forgetControls() { current = pressedNow = nullptr; }
    // The ring around the focused control, when shown.
    void draw() const;

private:
    std::vector<TGuiObject*> _controls(const TGui& gui) const;
    void _settle(const TGui& gui, const std::vector<TGuiObject*>& controls);
    void _move(const std::vector<TGuiObject*>& controls, int key, bool backwards);

    TGuiObject* current = nullptr;
    TGuiObject* pressedNow = nullptr;
    float lastCX = 0, lastCY = 0;  // where the focused control was, to find its stand-in
    float lastMouseX = 0, lastMouseY = 0;
    bool mouseSeen = false;
    bool isShown = false;
};

// The ring drawn around a control's drawing rectangle, at the opacity given.
void DrawFocusRing(const TDim& around, float alpha);
