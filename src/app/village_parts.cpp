#include "app/village_parts.h"

#include "app/screen_flags.h"
#include "frame/control.h"
#include "frame/loading_steps.h"
#include "match3/main_game.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "village/anims.h"
#include "village/land_screen.h"
#include "village/research_screen.h"
#include "village/show_building.h"

void RegisterVillage() {
    // Step numbers follow the loading order; the catalogues come before the
    // profiles (step 46), which look their items up.
    AddLoadingStep(18, "animals", LoadAnimData);
    AddLoadingStep(21, "research screen", [] { researchScreen.setup(); });
    AddLoadingStep(27, "building preview", [] { showBuilding.setup(); });
    AddLoadingStep(31, "land screen", [] {
        LoadLandCatalogues();
        landScreen.setup();
    });
    AddLanguageStep("village", [] {
        ReadLandItemTexts();
        landScreen._setupTexts();
        landScreen._setupGUI();
        researchScreen.setup();
        showBuilding.setup();
    });
    RegisterScreen(SCREEN_LAND, [] { return landScreen.mainloop(); });

    LandHooks().buildingFinished = [](int buildingId) { landScreen.buildingFinished(buildingId); };
    // A new quest starts every counter from nothing.
    ProfileHooks().resetResourcePanels = [] {
        for (auto* panels : {&landScreen.res, &mainGame.res})
            for (auto& panel : *panels)
                if (panel) panel->v = panel->dv = 0;
    };
    // A profile that never started its quest has no next level: it starts at 1.
    AddScreenFlag("village", [] {
        if (actProfile && actProfile->questLevelId < 1) actProfile->questLevelId = 1;
        return SCREEN_LAND;
    });
}
