#include "app/front_end_parts.h"

#include "app/screen_flags.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/loading_steps.h"
#include "frame/names.h"
#include "menus/loading_screen.h"
#include "menus/main_menu.h"
#include "menus/splash.h"
#include "platform/platform.h"
#include "quest/continue_quest.h"
#include "quest/profile.h"

namespace {
// The loading picture fades into the menu: the menu's village runs behind it
// with the logo above the screen and the buttons unseen.
void RevealMainMenuBehindLoading() {
    TLoadingScreen::Hooks& h = loadingScreen.hooks;
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

bool IsPictureName(const std::string& name) {
    const std::string upper = UpperCase(name);
    const auto endsWith = [&](const std::string& ext) {
        return upper.size() > ext.size() && upper.compare(upper.size() - ext.size(), ext.size(), ext) == 0;
    };
    return endsWith(".PNG") || endsWith(".JPG") || endsWith(".JPEG");
}

void ListPicturesUnder(const std::string& folder, std::vector<std::string>& paths) {
    for (const std::string& name : FsListDir(folder)) {
        const std::string path = folder + name;
        if (FsFileType(path) == 2) {
            ListPicturesUnder(path + "/", paths);
        } else if (IsPictureName(name)) {
            paths.push_back(path);
        }
    }
}

// The intro's scenes read a hundred pictures in a few set-up steps; decoded meanwhile on
// another thread, each step only wraps them and the loading bar keeps moving.
void PrefetchIntroPictures() {
    std::vector<std::string> paths;
    ListPicturesUnder(gameDir + "gfx/story/intro/", paths);
    GfxPrefetchImages(paths);
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
    RegisterScreen(SCREEN_MAIN_MENU, [] { return mainMenu.mainloop(); });
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
        PrefetchIntroPictures();
        loadingScreen.Setup();
        if (showSplash) {
            splash.setup();
            splash.mainloop();
        }
        loadingScreen.Mainloop();
    };
}
