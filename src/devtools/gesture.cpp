#include "devtools/gesture.h"

#include "frame/globals.h"
#include "frame/screen.h"
#include "gui/gui.h"

void AddMoveTo(Gesture& gesture, float x, float y) {
    gesture.push_back(MouseMoveEvent(x + static_cast<float>(sideOffset), y));
}

void AddPress(Gesture& gesture) { gesture.push_back(MouseButtonEvent(true)); }

void AddRelease(Gesture& gesture) { gesture.push_back(MouseButtonEvent(false)); }

void AddClickAt(Gesture& gesture, float x, float y) {
    AddMoveTo(gesture, x, y);
    AddPress(gesture);
    AddRelease(gesture);
}

bool AddClickOnObject(Gesture& gesture, const TEkran& screen, const std::string& name) {
    auto obj = screen.gui ? screen.gui->GetObject(name) : nullptr;
    if (!obj || !obj->visible || !obj->active) return false;
    AddClickAt(gesture, obj->dim.x + obj->dim.w / 2 + static_cast<float>(RandInt(-5, 5)),
               obj->dim.y + obj->dim.h / 2 + static_cast<float>(RandInt(-5, 5)));
    return true;
}
