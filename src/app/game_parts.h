// Wires every part of the game into the frame: screens into the screen
// table, set-up steps into the loading order, sound into the frame hooks.
#pragma once

#include <string>

struct CommandLine;

void RegisterGameParts(const CommandLine& cl);
// --gui: shows one GUI script until the program ends.
[[noreturn]] int RunGuiPreviewMode(const std::string& path);
// --level: prepares the run of one level and returns the screen code to
// start with.
int PrepareLevelRun(const CommandLine& cl);
