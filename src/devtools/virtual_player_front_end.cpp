#include "devtools/virtual_player_front_end.h"

#include <cstdio>

#include "devtools/virtual_player_dialogs.h"
#include "gui/gui.h"
#include "menus/main_menu.h"
#include "menus/splash.h"
#include "quest/continue_quest.h"
#include "quest/profile.h"
#include "quest/profile_list.h"

std::string TFrontEndHand::seenScreen() {
    if (continueQuest.running) return "continue dialog";
    if (splash.running) return "start-up card";
    if (mainMenu.running) return "main menu";
    return "";
}

bool TFrontEndHand::onlyTheFirstProfile() const {
    return actProfile && profileManager.profiles.size() == 1 &&
           actProfile->name == profileManager.txtPlayer && actProfile->CanContinue() == 0;
}

void TFrontEndHand::useMainMenu() {
    // The buttons are there once they have faded in.
    if (mainMenu.alpha < 1 || mainMenu.dFade == 1) return;
    if (leaveNow && leaveNow()) {
        std::printf("virtual player: leaves through the main menu's exit\n");
        AddClickOnObject(gesture, mainMenu, "Exit");
        return;
    }
    if (dialogs && !askedForProfile && onlyTheFirstProfile()) {
        askedForProfile = true;
        dialogs->makeProfile = true;
        // The welcome line under the logo opens the profile manager.
        AddClickAt(gesture, 512 + static_cast<float>(RandInt(-20, 20)), 232);
        return;
    }
    AddClickOnObject(gesture, mainMenu, "play");
}

bool TFrontEndHand::frame() {
    const std::string seen = seenScreen();
    if (seen != lastSeen) {
        if (!seen.empty()) std::printf("virtual player: %s\n", seen.c_str());
        lastSeen = seen;
        gesture.clear();
        waited = 0;
    }
    if (seen.empty()) return false;
    if (!gesture.empty()) {
        InPushEvent(gesture.front());
        gesture.pop_front();
        return true;
    }
    if (++waited < lookFrames) return true;
    waited = 0;
    if (seen == "start-up card") AddClickAt(gesture, 512, 384);
    else if (seen == "main menu") useMainMenu();
    else if (seen == "continue dialog" && continueQuest.showPer >= 1)
        AddClickOnObject(gesture, continueQuest, "RESUME");
    return true;
}
