// The languages the game speaks: the one list every part reads (the options row, the
// settings, the command line, the art tool, the checks). Adding a language means one line
// here and its files under game/txt/<code>/ (docs/languages.md).
#pragma once

#include <string>

struct LanguageInfo {
    const char* code;  // the folder name under txt/ and gfx/.../<code>/
    const char* name;  // the language's own name, as the options row shows it
};

// The first language is the base: its files are complete, and a GUI script a language lacks
// is taken from the base's folder.
inline constexpr LanguageInfo kLanguages[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}, {"pl", "Polski"},
};
inline constexpr int kLanguageCount = static_cast<int>(sizeof(kLanguages) / sizeof(kLanguages[0]));
inline constexpr const char* kBaseLanguage = kLanguages[0].code;

// The language of a code, or nullptr when the game does not speak it (codes compared without case).
const LanguageInfo* FindLanguage(const std::string& code);
// The language a locale names ("de_AT.UTF-8" gives "de"); "" for "C", "POSIX", an empty one
// or a language the game does not speak.
std::string LanguageOfLocale(const std::string& locale);
// The language of the system's locale: the first of LC_ALL, LC_MESSAGES and LANG that is set
// and not empty decides; the base language when it names none the game speaks.
std::string SystemLanguage();
// The codes of the list, in order, joined by ", " (messages, --help).
std::string LanguageCodes();
// The language `step` places after `code` in the list, going round (step -1: the one before).
std::string NextLanguage(const std::string& code, int step);
