// The profiles' place in the frame: saving, quest screen codes, loading.
#include "quest/profile_hooks.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/loading_steps.h"
#include "quest/profile_files.h"
#include "quest/profile_list.h"

namespace {

// Runs a quest operation of the current profile; without one the menu follows.
ScreenRunner QuestRunner(int (TProfile::*operation)()) {
    return [operation]() {
        if (!actProfile) {
            ProfileMessage("No current profile for the quest");
            return SCREEN_MAIN_MENU;
        }
        return ((*actProfile).*operation)();
    };
}

}  // namespace

void InstallProfileHooks() {
    FrameHooks().saveProfiles = [] { return profileManager.saveProfiles(); };
    RegisterScreen(QUEST_START_NEW, QuestRunner(&TProfile::QUEST_StartNew));
    RegisterScreen(QUEST_NEXT_LEVEL, QuestRunner(&TProfile::QUEST_NextLevel));
    RegisterScreen(QUEST_CONTINUE, QuestRunner(&TProfile::QUEST_Continue));
    RegisterScreen(QUEST_RESTART_LEVEL, QuestRunner(&TProfile::QUEST_RestartLevel));
    AddLoadingStep(46, "profiles", [] {
        if (profileManager.txtPlayer.empty()) profileManager._setupTexts();
        profileManager.loadBasicProfiles();
        profileManager.loadProfiles();
    });
}
