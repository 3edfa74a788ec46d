#include "app/front_end_parts.h"

#include "app/screen_flags.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/loading_steps.h"
#include "menus/loading_screen.h"
#include "menus/main_menu.h"
#include "menus/splash.h"
#include "quest/continue_quest.h"
#include "quest/profile.h"
#include "story/scene.h"

namespace {
// The loading picture fades into the menu: the menu's village runs behind it
// with the logo above the screen and the buttons unseen.
void RevealMainMenuBehindLoading() {
    TLoadingScreen::Hooks& h = loadingScreen.hooks;
    h.prefetchNext = [] { mainMenu.prefetchShown(); };
    h.drawNextUnseen = [] { mainMenu.drawUnseen(); };
    h.prepareNext = [] {
        mainMenu.prepare();
        mainMenu._prepareAnims();
        mainMenu.fade = 0;
        mainMenu.dFade = 0;
        mainMenu.dPer = 0;
        mainMenu.alpha = 0;
        mainMenu.dAlpha = 0;
        mainMenu._updateGui();
    };
    h.updateNext = [] { mainMenu._updateONLYWorld(); };
    h.drawNext = [] { mainMenu.draw(); };
}

// A new quest opens with the intro; while the game has none, in the village.
int StartNewQuest() {
    if (!actProfile) return SCREEN_MAIN_MENU;
    const int next = actProfile->QUEST_StartNew();
    if (next == SCREEN_INTRO && !IsScreenRegistered(SCREEN_INTRO)) return SCREEN_LAND;
    return next;
}
}  // namespace

void RegisterFrontEnd() {
    AddLoadingStep(2, "main menu", [] { mainMenu.setup(); });
    AddLanguageStep("main menu", [] { mainMenu.setup(); });
    // After the stripes (36) and the village's catalogue (31).
    AddLoadingStep(37, "main menu pictures", [] { mainMenu.holdSharedPictures(); });
    // A new quest opens with the intro: its first scene is decoded while the menu fades out,
    // and let go again should the menu lead anywhere else.
    mainMenu.hooks.leaving = [](int code) {
        if (code == QUEST_START_NEW) PrefetchIntroOpening();
    };
    RegisterScreen(SCREEN_MAIN_MENU, [] {
        const int next = mainMenu.mainloop();
        if (next != QUEST_START_NEW) ForgetPrefetchedIntroPictures();
        return next;
    });
    RegisterScreen(QUEST_START_NEW, StartNewQuest);
    RevealMainMenuBehindLoading();
    // The menu opened directly has no loading screen to reveal its animals.
    AddScreenFlag("menu", [] {
        mainMenu._prepareAnims();
        return SCREEN_MAIN_MENU;
    });
}

std::function<void(bool)> FrontEndLoading() {
    return [](bool showSplash) {
        loadingScreen.Setup();
        if (showSplash) {
            splash.setup();
            splash.mainloop();
        }
        loadingScreen.Mainloop();
    };
}
