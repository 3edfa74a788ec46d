#include "frame/save_notice.h"

#include <cstdio>

#include "frame/globals.h"

namespace {
SaveNotice pending = SaveNotice::None;
bool failureShown = false;     // the player was told once that saving failed
bool savedAgainShown = false;  // and once that it works again
bool failing = false;          // the last save failed
}  // namespace

void NoteSaveResult(bool saved) {
    if (!saved) {
        if (!failing) std::printf("Progress could not be saved to %s\n", userDir.c_str());
        failing = true;
        if (!failureShown) pending = SaveNotice::Failed;
        return;
    }
    if (!failing) return;
    failing = false;
    std::printf("Progress saved again to %s\n", userDir.c_str());
    if (pending == SaveNotice::Failed) {
        // Never shown, and nothing is lost any more: no need to alarm the player.
        pending = SaveNotice::None;
    } else if (failureShown && !savedAgainShown) {
        pending = SaveNotice::SavedAgain;
    }
}

SaveNotice PendingSaveNotice() { return pending; }

void TakeSaveNotice() {
    if (pending == SaveNotice::Failed) failureShown = true;
    if (pending == SaveNotice::SavedAgain) savedAgainShown = true;
    pending = SaveNotice::None;
}

void ResetSaveNotices() {
    pending = SaveNotice::None;
    failureShown = savedAgainShown = failing = false;
}
