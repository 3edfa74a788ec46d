#include "devtools/gesture.h"

#include "frame/globals.h"

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
