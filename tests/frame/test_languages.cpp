// The language the game speaks: which a locale names (the system's choice on a first start),
// the order the options row steps through, and the title of the window that follows it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "frame/globals.h"
#include "frame/language_switch.h"
#include "frame/languages.h"

TEST(Languages, ALocaleNamesTheLanguageItsFirstPartNames) {
    EXPECT_EQ(LanguageOfLocale("de_AT.UTF-8"), "de");
    EXPECT_EQ(LanguageOfLocale("pl_PL"), "pl");
    EXPECT_EQ(LanguageOfLocale("fr"), "fr");
    EXPECT_EQ(LanguageOfLocale("es_ES@euro"), "es");
    EXPECT_EQ(LanguageOfLocale("EN_gb.utf8"), "en");
    // No language the game speaks.
    EXPECT_EQ(LanguageOfLocale("C"), "");
    EXPECT_EQ(LanguageOfLocale("POSIX"), "");
    EXPECT_EQ(LanguageOfLocale(""), "");
    EXPECT_EQ(LanguageOfLocale("tlh_KX.UTF-8"), "");
    EXPECT_EQ(LanguageOfLocale("d"), "");
    EXPECT_EQ(LanguageOfLocale("deu_DE"), "");
}

class SystemLocale : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
    }
};

TEST_F(SystemLocale, TheFirstOfLcAllLcMessagesAndLangThatIsSetDecides) {
    EXPECT_EQ(SystemLanguage(), "en");  // none set
    setenv("LANG", "pl_PL.UTF-8", 1);
    EXPECT_EQ(SystemLanguage(), "pl");
    setenv("LC_MESSAGES", "fr_FR.UTF-8", 1);
    EXPECT_EQ(SystemLanguage(), "fr");
    setenv("LC_ALL", "de_AT.UTF-8", 1);
    EXPECT_EQ(SystemLanguage(), "de");
    // An empty one counts as not set.
    setenv("LC_ALL", "", 1);
    EXPECT_EQ(SystemLanguage(), "fr");
    // The first that is set wins even when the game does not speak it: English.
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(SystemLanguage(), "en");
    setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(SystemLanguage(), "en");
}

TEST(Languages, TheListStartsWithEnglishAndStepsRoundBothWays) {
    ASSERT_GE(kLanguageCount, 5);
    EXPECT_STREQ(kBaseLanguage, "en");
    EXPECT_EQ(NextLanguage("en", 1), kLanguages[1].code);
    EXPECT_EQ(NextLanguage("en", -1), kLanguages[kLanguageCount - 1].code);
    EXPECT_EQ(NextLanguage(kLanguages[kLanguageCount - 1].code, 1), "en");
    EXPECT_EQ(NextLanguage("xx", 1), kLanguages[1].code);  // an unknown one counts as the first
    ASSERT_TRUE(FindLanguage("DE"));
    EXPECT_STREQ(FindLanguage("DE")->name, "Deutsch");
    EXPECT_EQ(FindLanguage("xx"), nullptr);
    EXPECT_EQ(LanguageCodes().substr(0, 8), "en, de, ");
}

TEST(Languages, UsingALanguageSetsItsCodeAndKeepsTheCodeForAnUnknownOne) {
    const std::string saved = lang;
    EXPECT_TRUE(UseLanguage("DE"));
    EXPECT_EQ(lang, "de");
    EXPECT_EQ(appTitle, "Brambleton");  // txt/de/name.txt, read from the repository's game/
    EXPECT_FALSE(UseLanguage("xx"));
    EXPECT_EQ(lang, "de");
    UseLanguage(saved);
}
