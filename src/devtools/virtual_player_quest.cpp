#include "devtools/virtual_player_quest.h"

#include <cstdio>

#include "devtools/balance_report.h"
#include "frame/frame_loop.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/powerup.h"
#include "menus/main_menu.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "quest/summary.h"
#include "story/outro.h"

namespace {
constexpr int QUEST_ITEM_COUNT = 24;
const char* const POWERUP_NAMES[6] = {"hammer", "hourglass", "pickaxe", "dynamite", "bomb", "colour"};

int QuestLevelId() { return actProfile ? actProfile->questLevelId : 0; }
}  // namespace

void TQuestRun::watchProfile(const TProfile& profile) {
    const bool first = watched != &profile;
    watched = &profile;
    if (first) {
        log.ownedBefore = 0;
        for (auto& item : profile.items)
            if (item) ++log.ownedBefore;
    }
    // What a profile owned before the run watched it was not bought in this run.
    for (auto& item : profile.items) {
        if (!item || !itemsSeen.insert(item->id).second || first) continue;
        TPurchaseRecord p;
        p.level = profile.questLevelId;
        p.itemId = item->id;
        p.name = item->name;
        p.stage = item->stage;
        for (int r = 0; r < 4; r++) p.price[static_cast<size_t>(r)] = item->res[r];
        log.bought(p);
        std::printf("%s\n", PurchaseLine(p).c_str());
    }
    for (size_t s = 0; s < researchedSeen.size(); s++) {
        const auto& slot = profile.powerUp[s];
        const bool researched = slot && slot->researched;
        if (!researched || researchedSeen[s]) {
            researchedSeen[s] = researched;
            continue;
        }
        researchedSeen[s] = true;
        if (first) continue;
        TPurchaseRecord p;
        p.level = profile.questLevelId;
        p.itemId = static_cast<int>(s) + 1;
        p.research = true;
        p.name = POWERUP_NAMES[s];
        // The hammer comes with its building, paid with the building.
        if (s != 0) p.price = powerUpCost[s];
        log.bought(p);
        std::printf("%s\n", PurchaseLine(p).c_str());
    }
}

void TQuestRun::frame() {
    if (actProfile) watchProfile(*actProfile);
    if (outro.running && !outroSeen) {
        outroSeen = true;
        std::printf("%s\n", QuestSummaryLine(log, QUEST_ITEM_COUNT).c_str());
    }
    if (outroSeen && mainMenu.running && !menuChecked) {
        menuChecked = true;
        // A run that joined the quest on its way (a profile continued) cannot
        // answer for the village.
        const bool wholeQuest = log.find(1) != nullptr;
        if (wholeQuest && (!actProfile || !actProfile->HaveAllItems()))
            fail("the quest ended with the village unfinished (" + std::to_string(log.itemsBought()) +
                 " of " + std::to_string(QUEST_ITEM_COUNT) + " items)");
        std::printf("whole-game run: the quest is over, leaving through the main menu\n");
    }
}

void TQuestRun::levelWon() {
    const TLevel* level = mainGame.level();
    TLevelRecord r;
    r.level = QuestLevelId();
    if (level) {
        r.clock = level->maxTime;
        r.clockUsed = level->maxTime - level->time;
    }
    for (size_t i = 0; i < 4; i++) {
        r.earned[i] = levelSummary.resTotalInfo[i];
        r.stock[i] = actProfile ? actProfile->res[i] : 0;
    }
    r.itemsOwned = actProfile ? static_cast<int>(actProfile->items.size()) : 0;
    r.multiplier = actProfile ? actProfile->CountMultiplier() : 1;
    std::printf("%s\n", LevelLine(log.won(r)).c_str());
}

void TQuestRun::levelLost() {
    const TLevel* level = mainGame.level();
    const int clock = level ? level->maxTime : 0;
    const int id = QuestLevelId();
    const int tries = log.lost(id, clock - (level ? level->time : 0), clock);
    if (tries < maxAttempts) {
        std::printf("quest level %d: lost attempt %d of %d, replaying\n", id, tries, maxAttempts);
        return;
    }
    std::printf("%s\n", LevelLine(*log.find(id)).c_str());
    fail("quest level " + std::to_string(id) + " was not won in " + std::to_string(maxAttempts) +
         " attempts");
}

void TQuestRun::fail(const std::string& why) {
    std::printf("whole-game run FAILED: %s\n", why.c_str());
    EndProgram(1);
}

void TQuestRun::writeReport() const {
    if (reportDir.empty()) return;
    std::string error;
    if (WriteBalanceReport(log, reportDir, error))
        std::printf("balance report written to %s/balance.md and balance.png\n", reportDir.c_str());
    else std::printf("Could not write the balance report: %s\n", error.c_str());
}

std::shared_ptr<TQuestRun> StartQuestRun(const std::string& reportDir) {
    auto run = std::make_shared<TQuestRun>();
    run->reportDir = reportDir;
    AddAfterFrameHook([run] { run->frame(); });
    AddExitHook([run] { run->writeReport(); });
    return run;
}
