// The options dialog: each switch applied at once, saved and read back as a
// new start would; the slider limits; the buttons each caller shows; the
// answers of the buttons and Escape; Alt+Enter while it is open.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/front_end_parts.h"
#include "app/menu_parts.h"
#include "frame/control.h"
#include "frame/globals.h"
#include "frame/language_switch.h"
#include "frame/mouse.h"
#include "frame/options.h"
#include "gui/gui.h"
#include "menus/main_menu.h"
#include "menus/options_dialog.h"
#include "menus_fixture.h"

namespace {

class OptionsDialog : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        options.ratio = 0;
        options.SaveSettings();
        optionsDialog.setup();
    }
    void TearDown() override {
        options = TOptions();
        sideOffset = 0;
        mouse.isCustom = 0;
        optionsDialog.runCredits = nullptr;
        MenusTest::TearDown();
    }
    static void ClickObject(const std::string& name) {
        auto obj = optionsDialog.gui->GetObject(name);
        ASSERT_TRUE(obj && obj->visible) << name;
        ClickAt(obj->dim.x + obj->dim.w / 2, obj->dim.y + obj->dim.h / 2);
    }
    // Opens the dialog, clicks each object in turn once the panel is in,
    // then closes it with Escape; returns the dialog's answer.
    int Run(OptionsCaller from, std::vector<std::string> clicks, bool escape = true) {
        Script([clicks, escape](int frame) {
            const int k = (frame - 30) / 5;
            if (frame >= 30 && (frame - 30) % 5 == 0 && k < static_cast<int>(clicks.size()))
                ClickObject(clicks[static_cast<size_t>(k)]);
            if (escape && frame == 30 + 5 * static_cast<int>(clicks.size()) + 5) Press(KEY_ESCAPE);
        });
        return optionsDialog.mainloop(nullptr, from);
    }
    // The settings as a new start reads them.
    static TOptions ReadBack() {
        TOptions fresh;
        fresh.LoadSettings();
        return fresh;
    }
    static bool Shown(const std::string& name) {
        auto obj = optionsDialog.gui->GetObject(name);
        return obj && obj->visible && obj->active;
    }
};

}  // namespace

TEST_F(OptionsDialog, EachSwitchIsAppliedAtOnceSavedAndReadBack) {
    ASSERT_TRUE(optionsDialog.gui);
    EXPECT_EQ(Run(OptionsCaller::Game, {"FULLSCREEN_ON", "custom_off", "ratio1_off", "relaxed_off"}), 0);
    EXPECT_EQ(options.fullscreen, 1);
    EXPECT_EQ(options.relaxed, 1);
    EXPECT_EQ(mouse.isCustom, 1);
    EXPECT_EQ(options.ratio, 1);
    EXPECT_EQ(sideOffset, 171);  // the wide picture is open
    mouse.isCustom = 0;
    const TOptions back = ReadBack();
    EXPECT_EQ(back.fullscreen, 1);
    EXPECT_EQ(back.ratio, 1);
    EXPECT_EQ(back.relaxed, 1);
    EXPECT_EQ(mouse.isCustom, 1);

    // And back again, each the other way.
    EXPECT_EQ(Run(OptionsCaller::Game, {"FULLSCREEN_OFF", "custom_on", "ratio2_off", "relaxed_on"}), 0);
    EXPECT_EQ(sideOffset, 0);
    EXPECT_EQ(options.relaxed, 0);
    const TOptions again = ReadBack();
    EXPECT_EQ(again.relaxed, 0);
    EXPECT_EQ(again.fullscreen, 0);
    EXPECT_EQ(again.ratio, 0);
    EXPECT_EQ(mouse.isCustom, 0);
}

TEST_F(OptionsDialog, EachSwitchShowsTheCurrentChoice) {
    Run(OptionsCaller::Game, {});
    EXPECT_TRUE(Shown("FULLSCREEN_ON"));  // in a window: the box to tick
    EXPECT_FALSE(Shown("FULLSCREEN_OFF"));
    EXPECT_TRUE(Shown("CUSTOM_OFF"));
    EXPECT_FALSE(Shown("CUSTOM_ON"));
    EXPECT_TRUE(Shown("RATIO2_ON"));
    EXPECT_TRUE(Shown("RATIO1_OFF"));
    EXPECT_FALSE(Shown("RATIO1_ON"));
    EXPECT_FALSE(Shown("RATIO2_OFF"));
    EXPECT_TRUE(Shown("RELAXED_OFF"));
    EXPECT_FALSE(Shown("RELAXED_ON"));
}

// The relaxed mode may be switched wherever the dialog opens, over a level too.
TEST_F(OptionsDialog, TheRelaxedBoxIsOfferedOverEveryCaller) {
    for (OptionsCaller from : {OptionsCaller::MainMenu, OptionsCaller::Village, OptionsCaller::Game}) {
        options.relaxed = from == OptionsCaller::Village ? 1 : 0;
        Run(from, {});
        EXPECT_EQ(Shown("RELAXED_ON"), options.relaxed == 1);
        EXPECT_EQ(Shown("RELAXED_OFF"), options.relaxed == 0);
    }
}

TEST_F(OptionsDialog, SliderLimits) {
    const int lo = optionsDialog.minBarX, hi = optionsDialog.maxBarX;
    EXPECT_FLOAT_EQ(SliderVolume(-500, lo, hi), 0);
    EXPECT_FLOAT_EQ(SliderVolume(lo + 25, lo, hi), 0);
    EXPECT_FLOAT_EQ(SliderVolume(hi + 25, lo, hi), 10);
    EXPECT_FLOAT_EQ(SliderVolume(5000, lo, hi), 10);
    EXPECT_NEAR(SliderVolume((lo + hi) / 2.0f + 25, lo, hi), 5, 0.01);
}

TEST_F(OptionsDialog, DraggingTheKnobsSetsTheVolumesAtOnceAndSavesThem) {
    std::vector<float> musicWhileHeld;
    Script([&musicWhileHeld](int frame) {
        if (frame == 30) {
            InPushEvent(MouseMoveEvent(600, MUSIC_SLIDER_Y + 10));
            InPushEvent(MouseButtonEvent(true));
        }
        if (frame == 32) InPushEvent(MouseMoveEvent(-300, MUSIC_SLIDER_Y + 10));  // far left
        if (frame == 34) musicWhileHeld.push_back(options.musicVol);
        if (frame == 35) InPushEvent(MouseMoveEvent(3000, 500));  // far right, off the track
        if (frame == 37) musicWhileHeld.push_back(options.musicVol);
        if (frame == 38) InPushEvent(MouseButtonEvent(false));
        if (frame == 40) {
            InPushEvent(MouseMoveEvent(20, SOUND_SLIDER_Y + 10));  // left of the track: no knob
            InPushEvent(MouseButtonEvent(true));
        }
        if (frame == 42) InPushEvent(MouseButtonEvent(false));
        if (frame == 44) {
            InPushEvent(MouseMoveEvent(SLIDER_X + 5, SOUND_SLIDER_Y + 5));
            InPushEvent(MouseButtonEvent(true));
        }
        if (frame == 46) InPushEvent(MouseButtonEvent(false));
        if (frame == 50) Press(KEY_ESCAPE);
    });
    optionsDialog.mainloop(nullptr, OptionsCaller::MainMenu);
    ASSERT_EQ(musicWhileHeld.size(), 2u);
    EXPECT_FLOAT_EQ(musicWhileHeld[0], 0);
    EXPECT_FLOAT_EQ(musicWhileHeld[1], 10);
    EXPECT_FLOAT_EQ(options.musicVol, 10);
    EXPECT_FLOAT_EQ(options.soundVol, 0);  // pressed at its left end
    const TOptions back = ReadBack();
    EXPECT_FLOAT_EQ(back.musicVol, 10);
    EXPECT_FLOAT_EQ(back.soundVol, 0);
}

TEST_F(OptionsDialog, TheButtonsShownDependOnTheCaller) {
    Run(OptionsCaller::MainMenu, {});
    EXPECT_TRUE(Shown("credits"));
    EXPECT_FALSE(Shown("MENU"));
    EXPECT_FALSE(Shown("map"));
    EXPECT_FALSE(Shown("Restart"));
    Run(OptionsCaller::Village, {});
    EXPECT_TRUE(Shown("MENU"));
    EXPECT_FALSE(Shown("map"));
    EXPECT_FALSE(Shown("Restart"));
    EXPECT_FALSE(Shown("credits"));
    Run(OptionsCaller::Game, {});
    EXPECT_TRUE(Shown("MENU"));
    EXPECT_TRUE(Shown("map"));
    EXPECT_TRUE(Shown("Restart"));
    EXPECT_FALSE(Shown("credits"));
}

TEST_F(OptionsDialog, TheButtonsAnswerWithTheirScreenCodes) {
    EXPECT_EQ(Run(OptionsCaller::Game, {"MENU"}, false), SCREEN_MAIN_MENU);
    EXPECT_EQ(Run(OptionsCaller::Game, {"map"}, false), SCREEN_LAND);
    EXPECT_EQ(Run(OptionsCaller::Game, {"REstart"}, false), QUEST_RESTART_LEVEL);
    EXPECT_EQ(Run(OptionsCaller::Game, {"OK"}, false), 0);
    EXPECT_EQ(Run(OptionsCaller::Village, {}), 0);  // Escape
    int creditsOver = 0;
    optionsDialog.runCredits = [&creditsOver](TEkran* over) { creditsOver += over == &optionsDialog; };
    EXPECT_EQ(Run(OptionsCaller::MainMenu, {"credits"}), 0);
    EXPECT_EQ(creditsOver, 1);
}

TEST_F(OptionsDialog, AltEnterWhileOpenSwitchesTheDisplayAndSavesAtOnce) {
    bool savedWhileOpen = false;
    Script([&savedWhileOpen](int frame) {
        if (frame == 30) {
            InPushEvent(KeyEvent(true, KEY_LALT));
            Press(KEY_ENTER);
        }
        if (frame == 31) InPushEvent(KeyEvent(false, KEY_LALT));
        if (frame == 33) savedWhileOpen = ReadBack().fullscreen == 1;
        if (frame == 35) Press(KEY_ESCAPE);
    });
    EXPECT_EQ(optionsDialog.mainloop(nullptr, OptionsCaller::Game), 0);
    EXPECT_TRUE(savedWhileOpen);
    EXPECT_EQ(options.fullscreen, 1);
}

// The language row, offered from the main menu only: its arrows (and the left and right keys)
// step through the list; every screen reads its texts again at once, as the game's own wiring
// has it, and the choice is saved for the next start.
TEST_F(OptionsDialog, TheLanguageRowChangesTheMainMenusTextsAtOnceAndSavesTheChoice) {
    static bool wired = false;
    if (!wired) {
        RegisterMenus();
        RegisterFrontEnd();
        wired = true;
    }
    const std::string savedLang = lang;
    options.language = "en";
    UseLanguage("en");
    optionsDialog.setup();
    mainMenu.setup();
    ASSERT_EQ(mainMenu.gui->GetObject("play")->standardProps->txt, "Play");

    EXPECT_EQ(Run(OptionsCaller::Game, {}), 0);
    EXPECT_FALSE(Shown("lang_next"));
    EXPECT_FALSE(Shown("lang_prev"));

    EXPECT_EQ(Run(OptionsCaller::MainMenu, {"lang_next"}), 0);
    EXPECT_EQ(lang, "de");
    EXPECT_EQ(mainMenu.gui->GetObject("play")->standardProps->txt, "Spielen");
    EXPECT_EQ(mainMenu.txtAreYouSureYouWantToExit, "Möchtest du Brambleton wirklich verlassen?");
    EXPECT_EQ(optionsDialog.txtLanguage, "Sprache");
    EXPECT_EQ(ReadBack().language, "de");

    // The left key steps back, and a language for one run gives way to the one chosen.
    options.forcedLanguage = "de";
    Script([](int frame) {
        if (frame == 30) Press(KEY_LEFT);
        if (frame == 40) Press(KEY_ESCAPE);
    });
    EXPECT_EQ(optionsDialog.mainloop(nullptr, OptionsCaller::MainMenu), 0);
    EXPECT_EQ(lang, "en");
    EXPECT_TRUE(options.forcedLanguage.empty());
    EXPECT_EQ(mainMenu.gui->GetObject("play")->standardProps->txt, "Play");
    EXPECT_EQ(ReadBack().language, "en");
    UseLanguage(savedLang);
}

// A language of the list whose texts are not installed is stepped over, not chosen.
TEST_F(OptionsDialog, TheLanguageRowStepsOverALanguageWithoutItsTexts) {
    namespace fs = std::filesystem;
    const std::string savedLang = lang, savedGameDir = gameDir;
    const fs::path game = fs::absolute(gameDir), two = fs::path(root) / "two-languages";
    fs::create_directories(two / "txt");
    for (const char* folder : {"gfx", "data"}) fs::create_directory_symlink(game / folder, two / folder);
    for (const char* code : {"en", "de"})
        fs::create_directory_symlink(game / "txt" / code, two / "txt" / code);
    gameDir = two.string() + "/";
    options.language = "en";
    UseLanguage("en");
    optionsDialog.setup();
    // Left of English lie the other languages of the list, then German: only German is there.
    Script([](int frame) {
        if (frame == 30) Press(KEY_LEFT);
        if (frame == 40) Press(KEY_ESCAPE);
    });
    EXPECT_EQ(optionsDialog.mainloop(nullptr, OptionsCaller::MainMenu), 0);
    EXPECT_EQ(lang, "de");
    gameDir = savedGameDir;
    UseLanguage(savedLang);
    optionsDialog.setup();
}
