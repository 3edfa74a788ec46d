// The menus' wiring: the main menu's developer key S, pressed as a player
// presses it, writes the current profile's play log where the file dialog
// says, and does nothing without the developer marker.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/menu_parts.h"
#include "effects/particles.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "menus/main_menu.h"
#include "quest/profile.h"
#include "support/headless_platform.h"

namespace {

class MenuWiring : public HeadlessPlatformTest {
protected:
    std::string dir;
    int savedCheats = 0;

    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        std::string tmpl = (std::filesystem::temp_directory_path() / "brambleton-menus-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
        savedCheats = cheats;
        RegisterMenus();
        TParticle::setup();
        actProfile = std::make_shared<TProfile>();
        actProfile->name = "Ann";
        actProfile->questLevelId = 3;
        actProfile->QUEST_UpdateLevelData(10, 20, 30, 40, 55);
        mainMenu.setup();
        mainMenu.prepare();
        mainMenu.fade = mainMenu.dFade = 0;
    }
    void TearDown() override {
        SysSetHeadlessFileAnswer("");
        cheats = savedCheats;
        mainMenu.hooks = {};
        mainMenu.smokeParticles.clear();
        mainMenu.waterParticles.clear();
        actProfile = nullptr;
        particleImages = {};
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
        HeadlessPlatformTest::TearDown();
    }
    // The S key through the input queue, one menu frame and its buttons.
    static void PressS() {
        InPushEvent(KeyEvent(true, 'S'));
        InPushEvent(KeyEvent(false, 'S'));
        ScreenFrame(mainMenu);
        mainMenu._checkButtons();
    }
};

}  // namespace

TEST_F(MenuWiring, TheDevelopersKeyExportsThePlayLogWhereTheDialogSays) {
    const std::string path = dir + "/play-log.txt";
    SysSetHeadlessFileAnswer(path);
    cheats = 0;
    PressS();
    EXPECT_FALSE(std::filesystem::exists(path)) << "only with the developer marker";
    cheats = 1;
    PressS();
    EXPECT_EQ(FsLoadString(path), "Ann\n3|10|20|30|40|55\n");
}
