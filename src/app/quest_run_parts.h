// The whole-game run: --autoplay from the main menu.
#pragma once

#include <memory>

struct CommandLine;
class TVirtualPlayer;

// Starts the virtual player on the match-3 screen as the command line asks:
// its model (--player), its thinking time (--move-every, over the model's).
std::shared_ptr<TVirtualPlayer> StartCommandLinePlayer(const CommandLine& cl);

// Starts the virtual player for the whole game and its referee: the level
// results reach the quest log through the level-end hooks, and after the
// outro the player leaves through the main menu's exit.
void StartWholeGameRun(const CommandLine& cl);
