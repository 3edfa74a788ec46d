// The whole-game run: --autoplay from the main menu.
#pragma once

struct CommandLine;

// Starts the virtual player for the whole game and its referee: the level
// results reach the quest log through the level-end hooks, and after the
// outro the player leaves through the main menu's exit.
void StartWholeGameRun(const CommandLine& cl);
