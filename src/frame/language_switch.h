// Switching the language the game speaks: `lang`, the window title, and every text already
// loaded.
#pragma once

#include <string>

// Sets `lang` (a code of the language list; anything else keeps it) and the window title from
// txt/<lang>/name.txt. Returns false when the code is no language of the list.
bool UseLanguage(const std::string& code);
// UseLanguage, then every screen's texts and GUI scripts read again (`RerunLanguageSteps`).
bool SwitchLanguage(const std::string& code);
