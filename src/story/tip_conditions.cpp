// When each tip fires: the screen that last asked for tips and the current
// profile's quest level, items, power-ups, and the weather of the village.
#include "match3/main_game.h"
#include "quest/profile.h"
#include "quest/tutorial_catalogue.h"
#include "story/tutorial_tips.h"
#include "village/land_screen.h"

namespace {
int Level() { return actProfile ? actProfile->questLevelId : 0; }

bool OnMatch3() { return TutorialTipScreen() == &mainGame; }
bool OnLand() { return TutorialTipScreen() == &landScreen; }

int PuzzleTypeShown() {
    const auto& puzzleType = TutorialHooks().puzzleType;
    return puzzleType ? puzzleType(TutorialTipScreen()) : 0;
}

int Match3AtLevel(int level) { return OnMatch3() && Level() == level; }

int Unlocked(int slot) { return OnMatch3() && actProfile && actProfile->isPowerUpUnlocked(slot); }

int Owned(int item) { return OnLand() && actProfile && actProfile->HaveItem(item); }
}  // namespace

int CHECK_Tip_Start() { return Match3AtLevel(1); }
int CHECK_Tip_Chain() { return Match3AtLevel(3); }
int CHECK_Tip_CyanTiles() { return Match3AtLevel(6); }
int CHECK_Tip_ChainDouble() { return Match3AtLevel(7); }
int CHECK_Tip_Chests() { return Match3AtLevel(8); }
int CHECK_Start_Dialog() { return OnLand() && Level() == 1; }
int CHECK_Tip_PuzzleStart() { return PuzzleTypeShown() != 0; }
int CHECK_Tip_PuzzleType(int type) { return PuzzleTypeShown() == type; }
int CHECK_Tip_PowerUpHammer() { return Unlocked(0); }
int CHECK_Tip_PowerUpHourglass() { return Unlocked(1); }
int CHECK_Tip_PowerUpPickaxe() { return Unlocked(2); }
int CHECK_Tip_PowerUpDynamite() { return Unlocked(3); }
int CHECK_Tip_PowerUpBomb() { return Unlocked(4); }
int CHECK_Tip_PowerUpRockets() { return Unlocked(5); }
int CHECK_Tip_Smithy() { return Owned(3); }
int CHECK_Tip_Townhall() { return Owned(4); }
int CHECK_Tip_RainTalks() { return OnLand() && landScreen.isRaining; }

int TipCheck(const TTutorialTip& tip) {
    switch (tip.typ) {
        case 101:
            return CHECK_Start_Dialog();
        case 1:
            return CHECK_Tip_Start();
        case 2:
            return CHECK_Tip_Chain();
        case 3:
            return CHECK_Tip_CyanTiles();
        case 4:
            return CHECK_Tip_ChainDouble();
        case 5:
            return CHECK_Tip_Chests();
        case 10:
            return CHECK_Tip_PuzzleStart();
        case 11:
        case 12:
        case 13:
        case 14:
            return CHECK_Tip_PuzzleType(tip.typ - 10);
        case 21:
            return CHECK_Tip_PowerUpHammer();
        case 22:
            return CHECK_Tip_PowerUpHourglass();
        case 23:
            return CHECK_Tip_PowerUpPickaxe();
        case 24:
            return CHECK_Tip_PowerUpDynamite();
        case 25:
            return CHECK_Tip_PowerUpBomb();
        case 26:
            return CHECK_Tip_PowerUpRockets();
        case 31:
            return CHECK_Tip_Smithy();
        case 32:
            return CHECK_Tip_Townhall();
        case 33:
            return CHECK_Tip_RainTalks();
        default:
            return 0;
    }
}
