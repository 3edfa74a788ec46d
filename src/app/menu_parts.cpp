#include "app/menu_parts.h"

#include "app/screen_flags.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/loading_steps.h"
#include "frame/names.h"
#include "frame/text_file.h"
#include "match3/main_game.h"
#include "menus/credits.h"
#include "menus/enter_text.h"
#include "menus/main_menu.h"
#include "menus/options_dialog.h"
#include "menus/pop_up.h"
#include "menus/profile_manager_dialog.h"
#include "menus/save_notice_dialog.h"
#include "platform/platform.h"
#include "quest/continue_quest.h"
#include "quest/profile_list.h"
#include "village/land_screen.h"

namespace {

// The question before a new quest replaces the one in progress.
std::string restartQuestion;

// The main menu at rest (logo down, buttons in), for dialogs opened over it
// directly from the command line.
TEkran* MenuAtRest() {
    mainMenu._prepareAnims();
    mainMenu.prepare();
    mainMenu.fade = mainMenu.dFade = 0;
    mainMenu.per = mainMenu.dPer = 1;
    mainMenu.alpha = mainMenu.dAlpha = 1;
    return &mainMenu;
}

void RegisterSetUp() {
    // Slots of the loading order.
    AddLoadingStep(13, "options", [] { optionsDialog.setup(); });
    AddLoadingStep(17, "profile manager", [] { profileManagerDialog.setup(); });
    AddLoadingStep(22, "text entry", [] { enterText.setup(); });
    AddLoadingStep(23, "pop-up", [] {
        popUp.setup();
        restartQuestion = TrimBlanks(TxtLine(LoadTxtFile(gameDir + "txt/#LANG#/mainMenu.txt"), 11));
        saveNoticeDialog.setup();
    });
    AddLoadingStep(24, "credits", [] { credits.setup(); });
    AddLanguageStep("menus", [] {
        optionsDialog.setup();
        profileManager._setupTexts();
        profileManagerDialog.setup();
        enterText.setup();
        popUp.setup();
        restartQuestion = TrimBlanks(TxtLine(LoadTxtFile(gameDir + "txt/#LANG#/mainMenu.txt"), 11));
        saveNoticeDialog.setup();
        credits.setup();
    });
}

void RegisterOpeners() {
    credits.menuScreen = &mainMenu;
    optionsDialog.runCredits = [](TEkran* over) { credits.mainLoop(over); };
    mainGame.hooks.runOptions = [] {
        optionsDialog.updateCaller = nullptr;
        return optionsDialog.mainloop(&mainGame, OptionsCaller::Game);
    };
    landScreen.hooks.runOptions = [] {
        // The village keeps moving behind the dialog.
        optionsDialog.updateCaller = [] { landScreen._updateWorld(); };
        const int answer = optionsDialog.mainloop(&landScreen, OptionsCaller::Village);
        optionsDialog.updateCaller = nullptr;
        return answer;
    };
    continueQuest.askRestart = [] { return AskPopUp(&continueQuest, restartQuestion); };
    FrameHooks().showSaveNotice = [](TEkran* screen, SaveNotice notice) {
        return saveNoticeDialog.Show(screen, notice);
    };
    TMainMenu::Hooks& menu = mainMenu.hooks;
    menu.askYesNo = [](const std::string& question) { return AskPopUp(&mainMenu, question) == 1; };
    menu.runOptions = [](TEkran* caller) {
        optionsDialog.updateCaller = nullptr;
        optionsDialog.mainloop(caller, OptionsCaller::MainMenu);
    };
    menu.runManager = [](TEkran* caller) { profileManagerDialog.mainloop(caller); };
    // The developer's play-log export asks where to write.
    menu.requestFile = [](const std::string& title) {
        return SysRequestFile(title, "Text Files:txt;All Files:*", true, "");
    };
}

void RegisterScreenFlags() {
    // Each dialog over the main menu at rest; closing it leaves the menu.
    AddScreenFlag("options", [] {
        optionsDialog.mainloop(MenuAtRest(), OptionsCaller::MainMenu);
        return SCREEN_MAIN_MENU;
    });
    AddScreenFlag("manager", [] {
        profileManagerDialog.mainloop(MenuAtRest());
        return SCREEN_MAIN_MENU;
    });
    AddScreenFlag("credits", [] {
        credits.mainLoop(MenuAtRest());
        return SCREEN_MAIN_MENU;
    });
}

}  // namespace

void RegisterMenus() {
    RegisterSetUp();
    RegisterOpeners();
    RegisterScreenFlags();
}
