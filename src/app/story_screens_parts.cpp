#include "app/story_screens_parts.h"

#include "app/command_line.h"
#include "app/screen_flags.h"
#include "devtools/virtual_player_story.h"
#include "frame/control.h"
#include "frame/loading_steps.h"
#include "menus/credits.h"
#include "quest/profile.h"
#include "story/intro.h"
#include "story/outro.h"
#include "story/story_text.h"

namespace {
void RegisterLoadingSteps() {
    // Step numbers follow the loading order: the scenes' pictures are spread
    // over the loading so that no frame of the bar stalls.
    AddLoadingStep(3, "intro scene 1 set-up", [] { intro.SetupScene_1(); });
    AddLoadingStep(7, "intro scene 2 set-up", [] { intro.SetupScene_2(); });
    AddLoadingStep(10, "intro scene 3 set-up", [] { intro.SetupScene_3(); });
    AddLoadingStep(14, "intro scene 4 set-up", [] { intro.SetupScene_4(); });
    AddLoadingStep(19, "intro scene 5 set-up", [] { intro.SetupScene_5(); });
    AddLoadingStep(28, "intro scene 6 set-up", [] { intro.SetupScene_6(); });
    AddLoadingStep(33, "intro scene 7 set-up", [] { intro.SetupScene_7(); });
    AddLoadingStep(38, "LoadStoryFont", LoadStoryFont);
    AddLoadingStep(44, "outro setup", [] { outro.setup(); });
}

// A profile that never started its quest comes out of the story at level 1.
void StartQuestIfNone() {
    if (actProfile && actProfile->questLevelId < 1) actProfile->questLevelId = 1;
}
}  // namespace

void RegisterStoryScreens(const CommandLine& cl) {
    RegisterLoadingSteps();
    RegisterScreen(SCREEN_INTRO, [] { return intro.mainloop(); });
    RegisterScreen(SCREEN_OUTRO, [] { return outro.mainloop(); });
    outro.hooks.runCredits = [](TEkran& behind) { credits.mainLoop(&behind); };
    AddScreenFlag("intro", [] {
        StartQuestIfNone();
        return SCREEN_INTRO;
    });
    AddScreenFlag("outro", [] { return SCREEN_OUTRO; });
    if (cl.autoplay) StartStoryHand(cl.skipStory);
}
