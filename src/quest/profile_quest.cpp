// The quest: which level is played, what follows a start, continue, restart
// or finished level, and the per-level log.
#include "frame/control.h"
#include "frame/globals.h"
#include "match3/chip.h"
#include "match3/level.h"
#include "match3/powerup.h"
#include "quest/profile.h"
#include "quest/profile_files.h"
#include "quest/profile_lookups.h"

namespace {
std::string QuestLevelPath(int levelId) {
    return gameDir + "data/levels/level-" + std::to_string(levelId) + ".txt";
}

int NextBackground(int n) { return n + 1 > 6 ? 0 : n + 1; }

void HandLevelToGame(const std::shared_ptr<TLevel>& level) {
    auto& hook = ProfileHooks().setGameLevel;
    if (level && hook) hook(level);
}
}  // namespace

int TProfile::QUEST_End() {
    levelWon = false;
    actScreen = 0;
    return 0;
}

int TProfile::QUEST_UpdateLevelData(int wood, int food, int gold, int rock, int time) {
    auto line = GetProfileLevelData(questLevelId);
    line->res[0] = wood;
    line->res[1] = food;
    line->res[2] = gold;
    line->res[3] = rock;
    line->time = time;
    return 0;
}

std::shared_ptr<TChip> TProfile::QUEST_GetProperChipByRes(int resource) const {
    switch (resource) {
        case 0:
            return ProperWoodChip();
        case 1:
            return ProperFoodChip();
        case 2:
            return ProperGoldChip();
        case 3:
            return ProperRockChip();
        default:
            return nullptr;
    }
}

int TProfile::QUEST_UnlockPowerUp(int slot) {
    if (slot < 0 || slot >= POWERUP_SLOTS) return 0;
    const auto& p = powerUp[static_cast<size_t>(slot)];
    if (p && !p->unlocked) p->UnlockMe();
    return 0;
}

void TProfile::GainSmithyHammer() {
    const auto& hammer = powerUp[POWERUP_HAMMER];
    if (!hammer) return;
    hammer->researched = 1;
    QUEST_UnlockPowerUp(POWERUP_HAMMER);
}

int TProfile::QUEST_LoadActPuzzle() {
    const std::string path = gameDir + "data/puzzles/puzzle-" + std::to_string(actPuzzleLevel) + ".txt";
    if (auto& hook = ProfileHooks().loadPuzzle) hook(path, actPuzzleLevel);
    return 0;
}

int TProfile::QUEST_LoadActLevel() {
    levelWon = false;
    nextQuestLevel = nullptr;
    questLevel = LoadLevel(QuestLevelPath(questLevelId));
    if (!questLevel || !questLevel->IsPresent()) {
        questLevel = nullptr;
        return 0;
    }
    questLevel->_InitProperChips([this](int resource) { return QUEST_GetProperChipByRes(resource); });
    HandLevelToGame(questLevel);
    return 1;
}

int TProfile::QUEST_Continue() {
    // Code 0 would stop the program and an unknown code would too: nothing
    // to continue goes back to the menu, a damaged screen code to the village.
    if (actScreen == 0) return SCREEN_MAIN_MENU;
    if (actScreen != SCREEN_MATCH3 && actScreen != SCREEN_LAND && actScreen != SCREEN_PUZZLE) {
        ProfileMessage("Unknown quest screen " + std::to_string(actScreen) + ": continuing in the village");
        actScreen = SCREEN_LAND;
    }
    if (questLevel) {
        HandLevelToGame(questLevel);
    } else if (!QUEST_LoadActLevel() && actScreen == SCREEN_MATCH3) {
        // The saved level is gone and the quest has no level file of that
        // number: the match-3 screen cannot run without a level.
        ProfileMessage("No level " + std::to_string(questLevelId) + " to continue: the quest ends");
        return SCREEN_OUTRO;
    }
    if (actScreen == SCREEN_PUZZLE) QUEST_LoadActPuzzle();
    return actScreen;
}

int TProfile::QUEST_StartNew() {
    questLevelId = 1;
    highestLevel = 1;
    actScreen = 0;
    backGroundN = 0;
    cash = 0;
    stage = 1;
    tips = AllTutorialTips();
    bluePrints.clear();
    items.clear();
    unlockedItems.clear();
    unknownIds = {};
    QUEST_LoadActLevel();
    ResetPowerUps();
    for (int& r : res) r = 0;
    if (auto& hook = ProfileHooks().resetResourcePanels) hook();
    return SCREEN_INTRO;
}

int TProfile::QUEST_NextLevel() {
    questLevelId += 1;
    backGroundN = NextBackground(backGroundN);
    QUEST_LoadActLevel();
    return questLevel ? SCREEN_LAND : SCREEN_OUTRO;
}

int TProfile::QUEST_LevelWon() {
    levelWon = true;
    nextQuestLevel = LoadLevel(QuestLevelPath(questLevelId + 1));
    if (nextQuestLevel && !nextQuestLevel->IsPresent()) nextQuestLevel = nullptr;
    return 0;
}

TProfile::QuestStep TProfile::_stepToSave() const {
    if (!levelWon) return {questLevelId, backGroundN, actScreen, questLevel};
    // Where QUEST_NextLevel leads: the village before the next level, or, at
    // the end of the quest, no quest in progress.
    return {questLevelId + 1, NextBackground(backGroundN), nextQuestLevel ? SCREEN_LAND : 0, nextQuestLevel};
}

int TProfile::QUEST_RestartLevel() {
    if (QUEST_LoadActLevel()) return SCREEN_MATCH3;
    ProfileMessage("No level " + std::to_string(questLevelId) + " to restart: the quest ends");
    return SCREEN_OUTRO;
}
