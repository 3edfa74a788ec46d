#include "app/story_parts.h"

#include "frame/loading_steps.h"
#include "match3/main_game.h"
#include "puzzles/puzzle_game.h"
#include "story/tip_loading.h"
#include "story/tutorial_tips.h"
#include "village/land_screen.h"

void RegisterStory() {
    AddLoadingStep(6, "tutorial tips", LoadTutorialTips);
    AddLanguageStep("tutorial tips", ReadTutorialTipTexts);

    TMainGameHooks& game = mainGame.hooks;
    game.checkTips = [] { CheckTutorialTips(&mainGame); };
    game.updateTip = [] { UpdateTutorialTip(&mainGame); };
    game.drawTip = [] { DrawTutorialTip(); };
    game.clearTip = [] { ClearTutorialTip(); };
    game.hideTip = [] { HideTutorialTip(); };

    TLandScreenHooks& land = landScreen.hooks;
    land.checkTips = [] { CheckTutorialTips(&landScreen); };
    land.updateTip = [] { UpdateTutorialTip(&landScreen); };
    land.drawTip = [] { DrawTutorialTip(); };
    land.clearTip = [] { ClearTutorialTip(); };

    TPuzzleGameHooks& puzzle = puzzleGame.hooks;
    puzzle.checkTips = [] { CheckTutorialTips(&puzzleGame); };
    puzzle.updateTip = [] { UpdateTutorialTip(&puzzleGame); };
    puzzle.drawTip = [] { DrawTutorialTip(); };
    puzzle.clearTip = [] { ClearTutorialTip(); };
    TutorialHooks().puzzleType = [](const TEkran* screen) {
        return screen == &puzzleGame && puzzleGame.level ? puzzleGame.level->puzzleType : 0;
    };
}
