// The hand of the virtual player: a gesture is the queue of input events it
// feeds, one per frame, through the platform's queue like a person's mouse.
// Points are in play-area pixels; the side picture's offset is added here.
#pragma once

#include <deque>
#include <string>

#include "platform/platform.h"

class TEkran;

using Gesture = std::deque<InputEvent>;

void AddMoveTo(Gesture& gesture, float x, float y);
void AddPress(Gesture& gesture);
void AddRelease(Gesture& gesture);
// Move there, press and release the left button.
void AddClickAt(Gesture& gesture, float x, float y);
// A click a few pixels off the centre of the screen's GUI object of that name;
// false (nothing added) when it is missing, hidden or inactive.
bool AddClickOnObject(Gesture& gesture, const TEkran& screen, const std::string& name);
