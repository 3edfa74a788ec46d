// The level designer's tools: F5 in a run of a level file, --check-level and
// --level-sheet.
#pragma once

#include <string>

struct CommandLine;
class TMainGame;

// Reads the level file again and starts the level over with it. A file that
// is gone or holds no playable level leaves the level in play as it is (the
// loader's messages are printed): a bad edit never ends the session. True
// when the level was reloaded.
bool ReloadLevelFile(TMainGame& game, const std::string& path);
// F5 on the match-3 screen reloads `path` (a --level run of a file).
void InstallLevelReloadKey(const std::string& path);

// --check-level: runs without a display and returns the exit status.
int RunLevelCheckMode(const CommandLine& cl);
// --level-sheet, once the game's pictures are loaded: the exit status.
int RunLevelSheetMode(const CommandLine& cl);
