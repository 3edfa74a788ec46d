#include "devtools/virtual_player_dialogs.h"

#include <cstdio>

#include "frame/globals.h"
#include "gui/gui.h"
#include "menus/credits.h"
#include "menus/enter_text.h"
#include "menus/options_dialog.h"
#include "menus/pop_up.h"
#include "menus/profile_manager_dialog.h"
#include "quest/lose_level.h"
#include "quest/summary.h"

namespace {
TEkran* OpenDialog() {
    if (levelSummary.running) return &levelSummary;
    if (loseLevel.running) return &loseLevel;
    return nullptr;
}
}  // namespace

bool TDialogHand::levelEndDialogUp() { return OpenDialog() != nullptr; }

std::string TDialogHand::choice() const {
    if (levelSummary.running) return levelSummary.animationDone() ? "continue" : "";
    if (loseLevel.running) return loseLevel.showPer >= 1 ? "replay" : "";
    return "";
}

void TDialogHand::click(float x, float y) { AddClickAt(gesture, x, y); }

bool TDialogHand::frame() {
    TEkran* dialog = OpenDialog();
    if (!dialog) {
        gesture.clear();
        waited = 0;
        return false;
    }
    if (!gesture.empty()) {
        InPushEvent(gesture.front());
        gesture.pop_front();
        return true;
    }
    // Answered: the dialog is fading out.
    if (dialog->dFade != 0) return true;
    const std::string button = choice();
    auto obj = dialog->gui && !button.empty() ? dialog->gui->GetObject(button) : nullptr;
    if (!obj) {
        waited = 0;
        return true;
    }
    // A look at the dialog first; a click that went astray is tried again.
    if (++waited < lookFrames) return true;
    waited = 0;
    // Somewhere on the button, not always its very centre.
    const float x = obj->dim.x + obj->dim.w / 2 + static_cast<float>(RandInt(-20, 20));
    const float y = obj->dim.y + obj->dim.h / 2 + static_cast<float>(RandInt(-6, 6));
    click(x, y);
    return true;
}

namespace {
// The menu dialog that is up, innermost first: a question or the name entry
// can be over the profile manager, the credits over the options.
std::string MenuDialogUp() {
    if (popUp.running) return "question";
    if (enterText.running) return "name entry";
    if (credits.running) return "credits";
    if (profileManagerDialog.running) return "profile manager";
    if (optionsDialog.running) return "options";
    return "";
}
}  // namespace

void TDialogHand::typeName() {
    // A name of another player is taken: one more letter makes it new.
    if (enterText.exists) {
        menuGesture.push_back(CharEvent('A' + RandInt(0, 25)));
    } else if (enterText.entry.empty()) {
        for (char c : name) menuGesture.push_back(CharEvent(static_cast<unsigned char>(c)));
    } else {
        menuGesture.push_back(KeyEvent(true, KEY_ENTER));
        menuGesture.push_back(KeyEvent(false, KEY_ENTER));
    }
}

bool TDialogHand::menuFrame() {
    const std::string seen = MenuDialogUp();
    if (seen != menuSeen) {
        if (!seen.empty()) std::printf("virtual player: %s\n", seen.c_str());
        menuSeen = seen;
        menuGesture.clear();
        menuWaited = 0;
    }
    if (seen.empty()) return false;
    if (!menuGesture.empty()) {
        InPushEvent(menuGesture.front());
        menuGesture.pop_front();
        return true;
    }
    if (++menuWaited < lookFrames) return true;
    menuWaited = 0;
    if (seen == "question" && popUp.showPer >= 1) AddClickOnObject(menuGesture, popUp, "OK");
    else if (seen == "name entry" && enterText.alpha >= 1) typeName();
    else if (seen == "credits" && credits.alpha >= 1) AddClickAt(menuGesture, 512, 384);
    else if (seen == "profile manager" && profileManagerDialog.showPer >= 1) {
        if (makeProfile && AddClickOnObject(menuGesture, profileManagerDialog, "NEW")) makeProfile = false;
        else AddClickOnObject(menuGesture, profileManagerDialog, "OK");
    } else if (seen == "options" && optionsDialog.showPer >= 1)
        AddClickOnObject(menuGesture, optionsDialog, "OK");
    return true;
}
