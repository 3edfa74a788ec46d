// The black "paused" screen shown while the game's window is inactive.
#pragma once

#include <string>

#include "platform/platform.h"

extern std::string suspendText;  // line 1 of txt/<lang>/game.txt
extern Font suspendFont;         // font1 at 72 px

void LoadSuspendResources();
// Pauses the sound and shows the suspend text until the window is active
// again; a close request ends the program.
void SuspendLoop();
