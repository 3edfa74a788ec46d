// Every text of the menus reads against what lies behind it (4.5:1, or 3:1 from 24 pixels up):
// the main menu over its village, the question, the options, the name entry, the profile manager
// and the credits.
#include <gtest/gtest.h>

#include <memory>

#include "frame/globals.h"
#include "frame/screen.h"
#include "menus/credits.h"
#include "menus/enter_text.h"
#include "menus/main_menu.h"
#include "menus/name_rules.h"
#include "menus/options_dialog.h"
#include "menus/pop_up.h"
#include "menus/profile_manager_dialog.h"
#include "menus_fixture.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "quest/profile_list.h"
#include "support/text_contrast.h"

namespace {

class MenusTextContrast : public MenusTest {
protected:
    void TearDown() override {
        GfxSetTextWatcher(nullptr);
        MenusTest::TearDown();
    }
};

// A dialog at rest: panel in, stripes in.
template <class Dialog>
void AtRest(Dialog& dialog) {
    dialog.showPer = 1;
    dialog.alpha = dialog.dAlpha = 1;
}

}  // namespace

// The whole village as the menu shows it, its buildings and stripes, with the buttons and the
// welcome line come in; the longest name a player may choose in its widest letters.
TEST_F(MenusTextContrast, TheMainMenuReads) {
    LoadLandCatalogues();
    LoadStripesImage();
    actProfile = std::make_shared<TProfile>();
    actProfile->name = std::string(MAX_NAME_LETTERS, 'W');
    mainMenu.setup();
    mainMenu.hooks = {};
    mainMenu.prepare();
    mainMenu.fade = mainMenu.dFade = 0;
    mainMenu.per = mainMenu.dPer = 1;
    mainMenu.alpha = mainMenu.dAlpha = 1;
    ExpectTextsReadable("main menu", [] {
        GfxCls();
        mainMenu.draw();
    });
    mainMenu.flatParts.clear();
    mainMenu.flatVillage = {};
    landBuildings.clear();
    landItems.clear();
    actProfile = nullptr;
}

TEST_F(MenusTextContrast, TheQuestionReads) {
    popUp.setup();
    popUp.text = "Leave the village for the menu?";
    popUp.CountTextSizes();
    popUp.prepare();
    popUp.ekran = nullptr;  // over nothing: a test before may have left its own caller
    AtRest(popUp);
    ExpectTextsReadable("pop-up", [] {
        GfxCls();
        popUp.draw();
    });
}

TEST_F(MenusTextContrast, TheOptionsRead) {
    optionsDialog.setup();
    optionsDialog.prepare();
    AtRest(optionsDialog);
    ExpectTextsReadable("options", [] {
        GfxCls();
        optionsDialog.draw();
    });
}

TEST_F(MenusTextContrast, TheNameEntryReads) {
    enterText.setup();
    enterText.prepare(nullptr, "ANN");
    enterText.alpha = 1;
    enterText.cursorOn = 0;
    ExpectTextsReadable("name entry", [] {
        GfxCls();
        enterText.draw();
    });
}

TEST_F(MenusTextContrast, TheProfileManagerReads) {
    for (const char* name : {"Ann", "Bo"}) {
        auto p = std::make_shared<TProfile>();
        p->name = name;
        profileManager.profiles.push_back(p);
    }
    actProfile = profileManager.profiles.front();
    profileManagerDialog.setup();
    profileManagerDialog.prepare();
    AtRest(profileManagerDialog);
    ExpectTextsReadable("profile manager", [] {
        GfxCls();
        profileManagerDialog.draw();
    });
    actProfile = nullptr;
}

TEST_F(MenusTextContrast, TheCreditsRead) {
    credits.setup();
    credits.prepare(nullptr);
    credits.ekr = nullptr;
    credits.alpha = 1;
    credits.y = 300;
    ExpectTextsReadable("credits", [] {
        GfxCls();
        credits.draw();
    });
}
