#include "frame/languages.h"

#include <cstdlib>

#include "frame/names.h"

const LanguageInfo* FindLanguage(const std::string& code) {
    for (const LanguageInfo& language : kLanguages)
        if (EqualNoCase(code, language.code)) return &language;
    return nullptr;
}

std::string LanguageOfLocale(const std::string& locale) {
    // language[_territory][.codeset][@modifier]
    const std::string code = locale.substr(0, locale.find_first_of("_.@"));
    const LanguageInfo* language = FindLanguage(code);
    return language ? language->code : "";
}

std::string SystemLanguage() {
    // As the C library reads them: the first that is set wins, even if the game does not
    // speak its language (LC_ALL=C means English, whatever LANG says).
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            const std::string code = LanguageOfLocale(value);
            return code.empty() ? kBaseLanguage : code;
        }
    }
    return kBaseLanguage;
}

std::string NextLanguage(const std::string& code, int step) {
    int at = 0;
    for (int i = 0; i < kLanguageCount; ++i)
        if (EqualNoCase(code, kLanguages[i].code)) at = i;
    const int next = ((at + step) % kLanguageCount + kLanguageCount) % kLanguageCount;
    return kLanguages[next].code;
}

std::string LanguageCodes() {
    std::string codes;
    for (const LanguageInfo& language : kLanguages)
        codes += (codes.empty() ? "" : ", ") + std::string(language.code);
    return codes;
}
