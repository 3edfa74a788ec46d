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

// A control the screen draws itself, outside its GUI script (a slider): its
// name and where it is drawn, given again each frame as it moves.
struct TFocusPlace {
    std::string name;
    TDim rect;
};

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
    // focused control's name ("": the focus is hidden): a slider or a row that
    // steps with them. Empty: the arrows always move the focus.
    std::function<bool(const std::string& focused)> keepsSideKeys;
    // The screen's own controls, beside the script's objects.
    std::vector<TFocusPlace> places;

    explicit TGuiFocus(std::string defaultControl) : defaultName(std::move(defaultControl)) {}

    // Before the layout's objects update: follows the mouse, reads the keys,
    // and tells each object whether it is pointed at by the focus.
    void beforeObjects(TGui& gui);
    // After: the script's object Enter or Space pressed this frame, or nullptr
    // (a place is not pressed: its screen reads the keys it wants).
    TGuiObject* pressed() const { return pressedNow; }
    // The place Enter or Space pressed this frame, or "".
    const std::string& pressedPlace() const { return pressedPlaceName; }
    bool shown() const { return isShown; }
    // The focused object's id or place's name; "" when there is no control.
    const std::string& focused() const { return current; }
    // The screen opens again, or the layout forgot its objects: the focus starts
    // again from the default (shown or hidden as it was).
    void startAgain() {
        current.clear();
        pressedNow = nullptr;
        pressedPlaceName.clear();
    }
    // The ring around the focused control, when shown.
    void draw() const;

private:
    struct Control {
        std::string name;
        TGuiObject* object;  // nullptr: a place
        TDim drawn, hit;
        float alpha;
    };
    std::vector<Control> _controls(const TGui& gui) const;
    void _settle(const std::vector<Control>& controls);
    void _move(const std::vector<Control>& controls, int key, bool backwards);

    std::string current;
    TDim currentDrawn;
    float currentAlpha = 1;
    TGuiObject* pressedNow = nullptr;
    std::string pressedPlaceName;
    float lastCX = 0, lastCY = 0;  // where the focused control was, to find its stand-in
    float lastMouseX = 0, lastMouseY = 0;
    bool mouseSeen = false;
    bool isShown = false;
};

// The ring drawn around a control's drawing rectangle, at the opacity given.
void DrawFocusRing(const TDim& around, float alpha);
