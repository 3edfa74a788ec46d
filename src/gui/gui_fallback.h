// Screens whose buttons the player needs to go on (the board's menu button, the summary's
// answers) load their script through LoadGuiOrBuiltIn: a damaged or missing script that lacks a
// usable button is replaced by a built-in minimal layout, so that nobody is left on a screen
// without a way out.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/gui.h"

// True when `name` is an object of `gui` a player can click: shown, active, of some size and on
// the play area.
bool GuiButtonUsable(const TGui& gui, const std::string& name);
// The script at `path`; when any of `needed` is not usable there, `builtIn` (a script read as if
// it were beside `path`, so its pictures and texts are found the same way) with a message.
std::shared_ptr<TGui> LoadGuiOrBuiltIn(const std::string& path, const std::vector<std::string>& needed,
                                       const std::string& builtIn);
