// The front end: the start-up cards, the loading screen and the main menu.
#pragma once

#include <functional>

// The main menu's screen code and set-up step, the loading screen's fade into
// the menu, and the new-quest code that leads to the village while the game
// has no intro.
void RegisterFrontEnd();
// What StartGame runs to show the loading (after the cards when asked).
std::function<void(bool splash)> FrontEndLoading();
