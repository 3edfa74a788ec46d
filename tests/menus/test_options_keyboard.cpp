// The options dialog by keyboard alone: the focus walks to a check box, Enter
// ticks it as a click does (applied and saved at once) and the focus stays on
// it; the arrows move the focus, not the language, once it stands elsewhere;
// Escape closes the dialog.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "frame/options.h"
#include "gui/gui.h"
#include "menus/options_dialog.h"
#include "menus_fixture.h"

namespace {

class OptionsKeyboard : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        options.relaxed = 0;
        options.SaveSettings();
        optionsDialog.setup();
    }
    void TearDown() override {
        options = TOptions();
        MenusTest::TearDown();
    }
    static std::string Focused() { return optionsDialog.gui->focus->focused(); }
};

}  // namespace

TEST_F(OptionsKeyboard, EnterTicksTheFocusedCheckBoxAsAClickDoesAndSavesIt) {
    const std::string langBefore = lang;
    std::vector<std::string> seen;
    int savedRelaxed = -1, savedAgain = -1;
    Script([&](int frame) {
        // Shown on OK, up past credits and the language row to the display, right to Relaxed.
        const std::vector<int> keys = {KEY_TAB, KEY_UP, KEY_UP, KEY_UP, KEY_RIGHT, KEY_ENTER, 0, KEY_ENTER};
        const int step = (frame - 30) / 5;
        if (frame >= 30 && (frame - 30) % 5 == 0 && step < static_cast<int>(keys.size())) {
            if (step > 0) seen.push_back(Focused());
            if (keys[static_cast<size_t>(step)] != 0) Press(keys[static_cast<size_t>(step)]);
        }
        if (frame == 60) {
            TOptions fresh;
            fresh.LoadSettings();
            savedRelaxed = fresh.relaxed;
        }
        if (frame == 70) {
            TOptions fresh;
            fresh.LoadSettings();
            savedAgain = fresh.relaxed;
        }
        if (frame == 75) Press(KEY_ESCAPE);
    });
    EXPECT_EQ(optionsDialog.mainloop(nullptr, OptionsCaller::MainMenu), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"OK", "CREDITS", "LANG_PREV", "FULLSCREEN_ON", "RELAXED_OFF",
                                              "RELAXED_ON", "RELAXED_ON"}));
    EXPECT_EQ(savedRelaxed, 1);   // ticked and saved at once
    EXPECT_EQ(savedAgain, 0);     // the second Enter, on the ticked box, unticks it
    EXPECT_EQ(lang, langBefore);  // Right moved the focus, not the language
}

// Tab reaches every control of the dialog over the main menu, the sliders too, and comes round;
// Left and Right on a focused slider move it a tenth, saved at once.
TEST_F(OptionsKeyboard, TabReachesEveryControlAndTheArrowsMoveAFocusedSlider) {
    options.musicVol = 5;
    options.soundVol = 5;
    options.SaveSettings();
    std::vector<std::string> tabbed;
    Script([&](int frame) {
        // One Tab shows the focus on OK, eleven go round the eleven controls, one more to the music.
        if (frame >= 30 && frame <= 30 + 5 * 12 && (frame - 30) % 5 == 0) {
            if (frame > 30) tabbed.push_back(Focused());
            Press(KEY_TAB);
        }
        const std::vector<int> keys = {KEY_RIGHT, KEY_RIGHT, KEY_DOWN, KEY_LEFT};
        const int step = (frame - 100) / 5;
        if (frame >= 100 && (frame - 100) % 5 == 0 && step < static_cast<int>(keys.size()))
            Press(keys[static_cast<size_t>(step)]);
        if (frame == 130) Press(KEY_ESCAPE);
    });
    EXPECT_EQ(optionsDialog.mainloop(nullptr, OptionsCaller::MainMenu), 0);
    EXPECT_EQ(tabbed, (std::vector<std::string>{"OK", "music_slider", "sound_slider", "RATIO1_ON",
                                                "RATIO2_OFF", "CUSTOM_OFF", "FULLSCREEN_ON", "RELAXED_OFF",
                                                "LANG_PREV", "LANG_NEXT", "CREDITS", "OK"}));
    TOptions fresh;
    fresh.LoadSettings();
    EXPECT_EQ(fresh.musicVol, 7);
    EXPECT_EQ(fresh.soundVol, 4);
}
