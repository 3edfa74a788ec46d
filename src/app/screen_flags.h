// --screen NAME: the screens a run may open directly, with the current
// profile, for designers and tests. Each part registers its own names.
#pragma once

#include <functional>
#include <string>

// `open` prepares the run and returns the screen code to start with.
void AddScreenFlag(const std::string& name, std::function<int()> open);
// Whether a part registered that name (compared without case).
bool KnownScreenFlag(const std::string& name);
// The names registered, comma separated, in the order added.
std::string ScreenFlagNames();
// The screen code the run starts with (the virtual player plays it with
// `autoplay`); an unknown name ends the program with a message naming the
// known ones.
int PrepareScreenRun(const std::string& name, bool autoplay);
