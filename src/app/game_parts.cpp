#include "app/game_parts.h"

#include <cctype>
#include <cstdio>

#include "app/command_line.h"
#include "app/front_end_parts.h"
#include "app/level_tools_parts.h"
#include "app/menu_parts.h"
#include "app/puzzle_parts.h"
#include "app/quest_run_parts.h"
#include "app/sound_parts.h"
#include "app/story_parts.h"
#include "app/story_screens_parts.h"
#include "app/village_parts.h"
#include "devtools/virtual_player.h"
#include "effects/effects.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/loading_steps.h"
#include "frame/mouse.h"
#include "frame/screen.h"
#include "frame/suspend.h"
#include "gui/gui_preview.h"
#include "match3/board_fx.h"
#include "match3/chip.h"
#include "match3/fantom.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/powerup_bar.h"
#include "match3/tile.h"
#include "quest/continue_quest.h"
#include "quest/level_end_dialog.h"
#include "quest/lose_level.h"
#include "quest/profile.h"
#include "quest/profile_hooks.h"
#include "quest/summary.h"

namespace {
void RegisterFrameSteps() {
    // Step numbers follow the loading order of the loading screen.
    AddLoadingStep(0, "suspend text and font", LoadSuspendResources);
    AddLoadingStep(9, "cursor", [] {
        mouse.cur = GfxLoadImage(gameDir + "gfx/cursor.png", GFX_IMAGE_DEFAULT);
        GfxSetHandle(mouse.cur, 2, 2);
    });
    AddLoadingStep(36, "stripes", LoadStripesImage);
    AddLanguageStep("suspend text", LoadSuspendResources);
}

void RegisterEffects() {
    AddLoadingStep(25, "firework images", LoadFireWorkImages);
    AddLoadingStep(29, "bomb images", LoadBombImages);
    AddLoadingStep(35, "caption images", LoadCaptionImages);
    AddLanguageStep("caption images", LoadCaptionImages);
    AddLoadingStep(39, "particle images", [] { TParticle::setup(); });
    TEffectHooks& fx = EffectHooks();
    fx.haveItem = [](int item) { return actProfile && actProfile->HaveItem(item); };
}

// The match-3 game: the board, its screen and the profile's part in it.
void RegisterMatch3() {
    AddLoadingStep(4, "chip catalogue", [] { LoadChipCatalogue(); });
    AddLoadingStep(8, "tile images", LoadTileImages);
    AddLoadingStep(12, "match-3 game", [] { mainGame.setup(); });
    AddLanguageStep("match-3 game", [] { mainGame.setupTexts(); });
    AddLoadingStep(15, "power-up table", [] { LoadPowerUpData(); });
    RegisterScreen(SCREEN_MATCH3, [] { return mainGame.mainLoop(); });

    TBoardHooks& board = BoardHooks();
    board.addCash = [](int amount) {
        if (actProfile) actProfile->AddCash(amount);
    };

    TEffectHooks& fx = EffectHooks();
    fx.resourcePanelPoint = [](int res, float& x, float& y) {
        if (res < 0 || res > 3) return false;
        x = mainGame.res[res]->GetPointX();
        y = mainGame.res[res]->GetPointY();
        return true;
    };
    fx.resourcePanelAdd = [](int res, int amount) {
        if (res >= 0 && res <= 3) mainGame.res[res]->Add(amount);
    };
    fx.powerUpReturned = [](int) {
        if (mainGame.state == M3_TOOL_RETURNING) mainGame.state = M3_PLAYING;
    };
    // The bar shows the current profile's slots and charges them.
    PowerUpHooks().slot = [](int slot) -> std::shared_ptr<TPowerUp> {
        if (!actProfile || slot < 0 || slot >= POWERUP_SLOTS) return nullptr;
        return actProfile->powerUp[static_cast<size_t>(slot)];
    };
    PowerUps::InstallBoardHooks();

    TMainGameHooks& game = mainGame.hooks;
    game.backgroundN = [] { return actProfile ? actProfile->backGroundN : 0; };
    game.properChip = [](int res) {
        return actProfile ? actProfile->QUEST_GetProperChipByRes(res) : nullptr;
    };
    game.levelStarted = [] {
        if (actProfile) actProfile->actScreen = SCREEN_MATCH3;
    };
    game.reloadLevel = [] {
        if (actProfile) actProfile->QUEST_LoadActLevel();
    };
    ProfileHooks().setGameLevel = [](std::shared_ptr<TLevel> level) { mainGame.SetData(level); };
}

// The profiles and the level-end dialogs: the summary credits the current
// profile, the lose dialog offers another try.
void RegisterProgression() {
    InstallProfileHooks();
    AddLoadingStep(30, "lose level", [] { loseLevel.setup(); });
    AddLoadingStep(32, "level summary", [] { levelSummary.setup(); });
    AddLoadingStep(37, "continue quest", [] { continueQuest.setup(); });
    AddLanguageStep("level-end dialogs", [] {
        loseLevel.setup();
        levelSummary.setup();
        continueQuest.setup();
    });
    TMainGameHooks& game = mainGame.hooks;
    game.runSummary = [] {
        return SummaryAnswerCode(levelSummary.mainloop(&mainGame, mainGame.board.level));
    };
    game.runLose = [] { return LoseAnswerCode(loseLevel.mainloop(&mainGame)); };
    // The summary's pictures are decoded on the side as the won board's last cell starts to fly
    // away (its flight leaves the decoding ample time), so that the summary's first frame finds
    // them ready (once for each win). Not at the win itself: held as pixels through the whole
    // flight they would only add to the memory of the level's busiest frames. The stripes are
    // asked for as the summary opens, after the board's pictures have gone.
    AddAfterFrameHook([] {
        static bool queued = false;
        if (mainGame.state != M3_WON) queued = false;
        else if (!queued && SysMillisecs() >= FantomsLastStart()) {
            queued = true;
            levelSummary.prefetchShown();
        }
    });
}

bool AllDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char ch : s)
        if (!std::isdigit(static_cast<unsigned char>(ch))) return false;
    return true;
}
}  // namespace

void RegisterGameParts(const CommandLine& cl) {
    RegisterFrameSteps();
    RegisterSound();
    RegisterEffects();
    RegisterMatch3();
    RegisterProgression();
    RegisterVillage();
    RegisterPuzzles();
    RegisterStory();
    RegisterFrontEnd();
    RegisterMenus();
    RegisterStoryScreens(cl);
}

int RunGuiPreviewMode(const std::string& path) { RunGuiPreview(path); }

int PrepareLevelRun(const CommandLine& cl) {
    const std::string path =
        AllDigits(cl.level) ? gameDir + "data/levels/level-" + cl.level + ".txt" : cl.level;
    if (FsFileType(path) != 1) {
        std::printf("No level file %s\n", path.c_str());
        EndProgram(1);
    }
    auto level = LoadLevel(path);
    if (!level->IsPresent()) {
        std::printf("The level file %s holds no playable level\n", path.c_str());
        EndProgram(1);
    }
    // A quest level by its number is played as the current profile's level:
    // its proper chips, its log line, its credit. A level file leaves the
    // profile's quest alone.
    const bool quest = actProfile && AllDigits(cl.level) && cl.level.size() < 9 &&
                       std::to_string(std::stoi(cl.level)) == cl.level;
    if (quest) actProfile->questLevelId = std::stoi(cl.level);
    auto handOver = [path, quest](std::shared_ptr<TLevel> loaded) {
        if (quest && actProfile->QUEST_LoadActLevel()) return;
        mainGame.SetData(loaded ? loaded : LoadLevel(path));
    };
    handOver(quest ? nullptr : level);
    // A designer's file is read again on F5.
    if (!quest) InstallLevelReloadKey(path);
    if (cl.unlockPowerups) PowerUps::UnlockAllNow();
    // One level, then the program ends with its result. With a frame limit
    // the level is played again and again until the limit ends the run
    // (long measurements of one level).
    const bool replay = cl.frames > 0;
    RegisterScreen(SCREEN_MATCH3, [handOver, replay] {
        const int result = mainGame.mainLoop();
        std::printf("level result = %d\n", result);
        if (const TLevel* played = mainGame.level())
            std::printf("level clock left = %d of %d s\n", played->time, played->maxTime);
        // What the summary credited stays with the profile.
        if (actProfile) SaveAll();
        if (!replay) EndProgram(0);
        std::fflush(stdout);
        handOver(nullptr);
        return SCREEN_MATCH3;
    });
    if (cl.autoplay) StartCommandLinePlayer(cl);
    return SCREEN_MATCH3;
}
