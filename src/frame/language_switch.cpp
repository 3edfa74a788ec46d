#include "frame/language_switch.h"

#include <cstdio>

#include "frame/globals.h"
#include "frame/languages.h"
#include "frame/loading_steps.h"
#include "frame/names.h"
#include "platform/platform.h"

bool UseLanguage(const std::string& code) {
    const LanguageInfo* language = FindLanguage(code);
    if (!language) return false;
    lang = language->code;
    appTitle = TrimBlanks(FsLoadString(gameDir + "txt/" + lang + "/name.txt"));
    SysSetAppTitle(appTitle.empty() ? gameName : appTitle);
    std::printf("language: %s\n", lang.c_str());
    return true;
}

bool SwitchLanguage(const std::string& code) {
    if (!UseLanguage(code)) return false;
    RerunLanguageSteps();
    return true;
}
