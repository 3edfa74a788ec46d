#include "devtools/virtual_player_dialogs.h"

#include "frame/globals.h"
#include "gui/gui.h"
#include "quest/lose_level.h"
#include "quest/summary.h"

namespace {
TEkran* OpenDialog() {
    if (levelSummary.running) return &levelSummary;
    if (loseLevel.running) return &loseLevel;
    return nullptr;
}
}  // namespace

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
