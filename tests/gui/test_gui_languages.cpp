// GUI scripts of the languages: a screen names its script through "#LANG#"; a language with no
// script of its own for it shows the base language's layout with its own texts (the script's
// references to "txt/en/" read "txt/<lang>/"), and a script of its own, where one exists, wins.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "gui/gui.h"
#include "gui_test_util.h"

namespace {

class GuiLanguages : public ::testing::Test {
protected:
    guitest::ScratchDir dir;
    std::string savedLang = lang;
    void SetUp() override {
        dir.write("txt/en/menu.txt", "Play\nExit\n");
        dir.write("txt/de/menu.txt", "Spielen\nBeenden\n");
        dir.write("gfx/menu/en/menu.gui",
                  "OBJECT play {\n TXT = [../../../txt/en/menu.txt|1]\n}\n"
                  "OBJECT note {\n TXT = [../../../atxt/en/menu.txt|2]\n}\n");
    }
    void TearDown() override { lang = savedLang; }
    std::string Text(const TGui& gui, const std::string& object) {
        auto obj = gui.GetObject(object);
        return obj ? obj->standardProps->txt : "(no object)";
    }
};

}  // namespace

TEST_F(GuiLanguages, ALanguageWithoutItsOwnScriptShowsTheBaseLayoutWithItsTexts) {
    lang = "de";
    const auto gui = LoadGui(dir.path + "gfx/menu/#LANG#/menu.gui");
    EXPECT_EQ(gui->myPath, dir.path + "gfx/menu/en/menu.gui");
    EXPECT_EQ(Text(*gui, "play"), "Spielen");
    // Only a whole "txt" folder is the language's: "atxt/en/" is some other folder.
    EXPECT_EQ(Text(*gui, "note"), "(BEYOND TEXT ARRAY LENGTH!)");
    lang = "en";
    EXPECT_EQ(Text(*LoadGui(dir.path + "gfx/menu/#LANG#/menu.gui"), "play"), "Play");
}

TEST_F(GuiLanguages, ALanguagesOwnScriptWins) {
    dir.write("gfx/menu/de/menu.gui", "OBJECT play {\n TXT = [../../../txt/de/menu.txt|2]\n}\n");
    lang = "de";
    const auto gui = LoadGui(dir.path + "gfx/menu/#LANG#/menu.gui");
    EXPECT_EQ(gui->myPath, dir.path + "gfx/menu/de/menu.gui");
    EXPECT_EQ(Text(*gui, "play"), "Beenden");
    EXPECT_FALSE(gui->GetObject("note"));
}

TEST_F(GuiLanguages, ALanguageWithoutItsTextsShowsWhatAMissingLineShows) {
    lang = "pl";
    EXPECT_EQ(Text(*LoadGui(dir.path + "gfx/menu/#LANG#/menu.gui"), "play"), "(BEYOND TEXT ARRAY LENGTH!)");
}
