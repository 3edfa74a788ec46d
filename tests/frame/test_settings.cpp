// The settings file: first start, round trip, truncated volumes, atomic save.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/options.h"
#include "frame/rcm.h"
#include "frame/user_dir.h"
#include "platform/process.h"
#include "support/headless_platform.h"

namespace fs = std::filesystem;

class SettingsTest : public HeadlessPlatformTest {
protected:
    fs::path dir;
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        char pattern[] = "/tmp/brambleton-settings-XXXXXX";
        dir = mkdtemp(pattern);
        SetUserDirOverride(dir.string());
        SetupUserDir();
        options = TOptions();
        mouse.isCustom = 0;
    }
    void TearDown() override {
        RestoreLocale();
        SetUserDirOverride("");
        fs::remove_all(dir);
        HeadlessPlatformTest::TearDown();
    }
    std::string SettingsText() { return FsLoadString(userDir + "/Data/settings.txt"); }
    // The locale the system reports (LANG; LC_ALL and LC_MESSAGES unset), until the test ends.
    void SystemLocaleIs(const char* locale) {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* value = std::getenv(name);
            if (value && !localeChanged) savedLocale.emplace_back(name, value);
            unsetenv(name);
        }
        localeChanged = true;
        setenv("LANG", locale, 1);
    }
    bool localeChanged = false;
    std::vector<std::pair<std::string, std::string>> savedLocale;
    void RestoreLocale() {
        if (!localeChanged) return;
        unsetenv("LANG");
        for (const auto& [name, value] : savedLocale) setenv(name.c_str(), value.c_str(), 1);
    }
};

TEST_F(SettingsTest, SetupCreatesTheDataAndProfileFolders) {
    EXPECT_EQ(FsFileType(userDir + "/Data"), 2);
    EXPECT_EQ(FsFileType(userDir + "/Profiles"), 2);
    // Addressed as "data", created as "Data": one folder.
    EXPECT_EQ(FsFileType(userDir + "/data"), 2);
}

TEST_F(SettingsTest, FirstStartWritesTheDefaults) {
    SystemLocaleIs("C");
    options.LoadSettings();
    EXPECT_EQ(SettingsText(),
              "settings {\n\tfullscreen = 1\n\tcustomMouse = 0\n\tratio = 1\n\tsoundVolume = "
              "5\n\tmusicVolume = 5\n\trelaxed = 0\n\tlanguage = \"en\"\n}\n\n");
    EXPECT_EQ(options.relaxed, 0);
    EXPECT_EQ(options.language, "en");
    EXPECT_EQ(options.fullscreen, 1);
    EXPECT_EQ(options.ratio, 1);
    EXPECT_FLOAT_EQ(options.soundVol, 5);
    EXPECT_FLOAT_EQ(options.musicVol, 5);
    EXPECT_EQ(mouse.isCustom, 0);
}

TEST_F(SettingsTest, AVolumeOfSevenPointNineIsReadAsItIsAndWrittenAsSeven) {
    ASSERT_TRUE(
        FsSaveText("settings {\n\tfullscreen = 0\n\tcustomMouse = 1\n\tratio = 0\n\tsoundVolume = 7.9\n"
                   "\tmusicVolume = 2\n}\n",
                   userDir + "/data/settings.txt"));
    options.LoadSettings();
    EXPECT_FLOAT_EQ(options.soundVol, 7.9f);
    EXPECT_NEAR(options.CountSoundVol(), 0.79f, 1e-6);
    EXPECT_NEAR(options.CountMusicVol(), 0.2f, 1e-6);
    EXPECT_EQ(options.fullscreen, 0);
    EXPECT_EQ(options.ratio, 0);
    EXPECT_EQ(mouse.isCustom, 1);
    ASSERT_TRUE(options.SaveSettings());
    auto file = LoadRCM(userDir + "/data/settings.txt");
    EXPECT_FLOAT_EQ(file->getFloat("settings::soundVolume"), 7);
    EXPECT_FLOAT_EQ(file->getFloat("settings::customMouse"), 1);
    mouse.isCustom = 0;
}

TEST_F(SettingsTest, AGarbledFileGivesTheDefaultsAndIsKeptAside) {
    const std::string garbled = "settings {{{ fullscreen = yes\n";
    ASSERT_TRUE(FsSaveText(garbled, userDir + "/data/settings.txt"));
    const std::string log = SysCaptureOutput([] { options.LoadSettings(); });
    EXPECT_EQ(options.fullscreen, 1);
    EXPECT_EQ(options.ratio, 1);
    EXPECT_FLOAT_EQ(options.soundVol, 5);
    EXPECT_FLOAT_EQ(options.musicVol, 5);
    EXPECT_EQ(FsLoadString(userDir + "/data/settings.txt.bad"), garbled);
    EXPECT_NE(log.find("settings.txt.bad"), std::string::npos) << log;
}

TEST_F(SettingsTest, OnlyTheDamagedSettingsAreDefaulted) {
    // Each line as a hand edit or a torn write may leave it.
    struct Case {
        const char* text;
        int fullscreen, customMouse, ratio;
        float sound, music;
        int relaxed;
        bool damaged;
    };
    const Case cases[] = {
        // Written before the relaxed mode: nothing is damaged, and the clock runs.
        {"settings {\n\tfullscreen = 0\n\tcustomMouse = 1\n\tratio = 0\n\tsoundVolume = 2\n"
         "\tmusicVolume = 3\n}\n",
         0, 1, 0, 2, 3, 0, false},
        {"settings {\n\tfullscreen = 0\n\tcustomMouse = 1\n\tratio = 0\n\tsoundVolume = 2\n"
         "\tmusicVolume = 3\n\trelaxed = 1\n}\n",
         0, 1, 0, 2, 3, 1, false},
        {"settings {\n\tfullscreen = 0\n\tcustomMouse = 1\n\tratio = 0\n\tsoundVolume = 2\n"
         "\tmusicVolume = 3\n\trelaxed = yes\n}\n",
         0, 1, 0, 2, 3, 0, true},
        {"settings {\n\tfullscreen = 0\n\tcustomMouse = 1\n\tratio = zero\n\tsoundVolume = 2\n"
         "\tmusicVolume = 3\n}\n",
         0, 1, 1, 2, 3, 0, true},
        {"settings {\n\tfullscreen = 0\n\tcustomMouse = 1\n\tsoundVolume = 2x\n\tmusicVolume = 3\n}\n", 0, 1,
         1, 5, 3, 0, true},
        // Cut short inside the group: the braces no longer match, the lines still read.
        {"settings {\n\tfullscreen = 0\n\tcustomMouse = 1\n\tratio = 0\n\tsoundVol", 0, 1, 0, 5, 5, 0, true},
        {"settings {\n\trelaxed = 1\n\tfullscreen = 0\n\tcustomMouse = 1\n\tratio = 0\n\tsoundVol", 0, 1, 0,
         5, 5, 1, true},
        {"", 1, 0, 1, 5, 5, 0, true},
    };
    for (const Case& c : cases) {
        FsDeleteFile(userDir + "/data/settings.txt.bad");
        ASSERT_TRUE(FsSaveText(c.text, userDir + "/data/settings.txt"));
        const std::string log = SysCaptureOutput([] { options.LoadSettings(); });
        EXPECT_EQ(options.fullscreen, c.fullscreen) << c.text;
        EXPECT_EQ(mouse.isCustom, c.customMouse) << c.text;
        EXPECT_EQ(options.ratio, c.ratio) << c.text;
        EXPECT_FLOAT_EQ(options.soundVol, c.sound) << c.text;
        EXPECT_FLOAT_EQ(options.musicVol, c.music) << c.text;
        EXPECT_EQ(options.relaxed, c.relaxed) << c.text;
        EXPECT_EQ(FsFileType(userDir + "/data/settings.txt.bad"), c.damaged ? 1 : 0) << c.text;
        // Said once.
        size_t said = 0;
        for (size_t at = log.find("was damaged"); at != std::string::npos;
             at = log.find("was damaged", at + 1))
            ++said;
        EXPECT_EQ(said, c.damaged ? 1u : 0u) << log;
    }
    // What was kept is written back whole.
    ASSERT_TRUE(options.SaveSettings());
    EXPECT_EQ(LoadRCM(userDir + "/data/settings.txt")->getInt("settings::ratio"), 1);
    mouse.isCustom = 0;
}

TEST_F(SettingsTest, TheRelaxedModeIsSavedAndReadBack) {
    options.LoadSettings();
    EXPECT_EQ(options.relaxed, 0);
    options.relaxed = 1;
    ASSERT_TRUE(options.SaveSettings());
    EXPECT_FLOAT_EQ(LoadRCM(userDir + "/data/settings.txt")->getFloat("settings::relaxed"), 1);
    TOptions fresh;
    fresh.LoadSettings();
    EXPECT_EQ(fresh.relaxed, 1);
    fresh.relaxed = 0;
    ASSERT_TRUE(fresh.SaveSettings());
    options.LoadSettings();
    EXPECT_EQ(options.relaxed, 0);
}

TEST_F(SettingsTest, LeftoversOfAKilledSaveAreSweptAtStart) {
    options.LoadSettings();
    ASSERT_TRUE(FsSaveText("settings {\n", userDir + "/Data/settings.txt.tmpAb12Cd"));
    ASSERT_TRUE(FsSaveText("kept", userDir + "/Data/settings.txt.tmp-notes"));
    options.LoadSettings();
    EXPECT_EQ(FsFileType(userDir + "/Data/settings.txt.tmpAb12Cd"), 0);
    EXPECT_EQ(FsFileType(userDir + "/Data/settings.txt.tmp-notes"), 1);
    EXPECT_EQ(FsFileType(userDir + "/Data/settings.txt"), 1);
}

TEST_F(SettingsTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
    options.LoadSettings();
    const std::string before = SettingsText();
    // The data folder becomes a file: nothing can be written below it.
    fs::remove_all(dir / "Data");
    ASSERT_TRUE(FsSaveText("not a folder", userDir + "/Data"));
    options.soundVol = 9;
    EXPECT_FALSE(options.SaveSettings());
    EXPECT_EQ(FsLoadString(userDir + "/Data"), "not a folder");
    (void)before;
}

TEST_F(SettingsTest, SwitchingTheDisplaySavesTheSetting) {
    options.LoadSettings();
    options.ratio = 0;
    options.fullscreen = 0;
    options.initScreen();
    EXPECT_EQ(sideOffset, 0);
    EXPECT_EQ(GfxVirtualWidth(), 1024);
    options.SwitchScreen();
    EXPECT_EQ(options.fullscreen, 1);
    auto file = LoadRCM(userDir + "/data/settings.txt");
    EXPECT_FLOAT_EQ(file->getFloat("settings::fullscreen"), 1);
    options.ratio = 1;
    options.OpenScreen();
    EXPECT_EQ(sideOffset, 171);
    EXPECT_EQ(GfxVirtualWidth(), 1366);
    sideOffset = 0;
}

TEST_F(SettingsTest, NumbersBeyondAnyRangeAreClampedNotOverflowed) {
    ASSERT_TRUE(
        FsSaveText("settings {\n\tfullscreen = 1e20\n\tcustomMouse = -1e20\n\tratio = 3e9\n"
                   "\tsoundVolume = 1e20\n\tmusicVolume = -4.5\n}\n",
                   userDir + "/data/settings.txt"));
    options.LoadSettings();
    // Anything but 0 means "on"; a huge number must not wrap to a negative one.
    EXPECT_GT(options.fullscreen, 0);
    EXPECT_GT(options.ratio, 0);
    EXPECT_LT(mouse.isCustom, 0);
    // The volumes stay on the slider's 0..10.
    EXPECT_FLOAT_EQ(options.CountSoundVol(), 1.0f);
    EXPECT_FLOAT_EQ(options.CountMusicVol(), 0.0f);
    ASSERT_TRUE(options.SaveSettings());
    auto file = LoadRCM(userDir + "/data/settings.txt");
    EXPECT_FLOAT_EQ(file->getFloat("settings::soundVolume"), 10);
    EXPECT_FLOAT_EQ(file->getFloat("settings::musicVolume"), 0);
    mouse.isCustom = 0;
}

TEST_F(SettingsTest, AFirstStartTakesTheLanguageOfTheSystemsLocaleAndSavesIt) {
    SystemLocaleIs("de_AT.UTF-8");
    options.LoadSettings();
    EXPECT_EQ(options.language, "de");
    EXPECT_EQ(LoadRCM(userDir + "/data/settings.txt")->getString("settings::language"), "de");
}

TEST_F(SettingsTest, TheChosenLanguageIsSavedAndReadBackWhateverTheLocaleSays) {
    SystemLocaleIs("de_DE.UTF-8");
    options.LoadSettings();
    options.language = "pl";
    ASSERT_TRUE(options.SaveSettings());
    TOptions fresh;
    fresh.LoadSettings();
    EXPECT_EQ(fresh.language, "pl");
    // A language for one run is used but never written.
    fresh.forcedLanguage = "fr";
    EXPECT_EQ(fresh.EffectiveLanguage(), "fr");
    ASSERT_TRUE(fresh.SaveSettings());
    EXPECT_EQ(LoadRCM(userDir + "/data/settings.txt")->getString("settings::language"), "pl");
}

TEST_F(SettingsTest, AFileWithoutTheLanguageOrWithAnUnknownOneLeavesItToTheLocale) {
    const std::string older =
        "settings {\n\tfullscreen = 0\n\tcustomMouse = 0\n\tratio = 0\n\tsoundVolume = 3\n"
        "\tmusicVolume = 4\n}\n";
    ASSERT_TRUE(FsSaveText(older, userDir + "/data/settings.txt"));
    SystemLocaleIs("C");
    options.LoadSettings();
    EXPECT_EQ(options.language, "en");  // as before there were languages
    EXPECT_FLOAT_EQ(options.soundVol, 3);
    SystemLocaleIs("es_MX.UTF-8");
    options.LoadSettings();
    EXPECT_EQ(options.language, "es");
    ASSERT_TRUE(FsSaveText("settings {\n\tlanguage = \"xx\"\n}\n", userDir + "/data/settings.txt"));
    options.LoadSettings();
    EXPECT_EQ(options.language, "es");
}
