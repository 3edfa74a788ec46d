#include "devtools/quest_log.h"

#include <algorithm>
#include <cstdio>

TLevelRecord& TQuestLog::record(int level) {
    for (auto& r : levels)
        if (r.level == level) return r;
    levels.push_back(TLevelRecord{});
    levels.back().level = level;
    return levels.back();
}

int TQuestLog::lost(int level, int clockUsed, int clock) {
    TLevelRecord& r = record(level);
    r.attempts++;
    r.clockUsed = clockUsed;
    r.clock = clock;
    return r.attempts;
}

const TLevelRecord& TQuestLog::won(const TLevelRecord& win) {
    TLevelRecord& r = record(win.level);
    const int triesBefore = r.attempts;
    r = win;
    r.won = true;
    r.attempts = triesBefore + 1;
    return r;
}

void TQuestLog::bought(const TPurchaseRecord& purchase) { purchases.push_back(purchase); }

const TLevelRecord* TQuestLog::find(int level) const {
    for (auto& r : levels)
        if (r.level == level) return &r;
    return nullptr;
}

int TQuestLog::itemsBought() const {
    return static_cast<int>(std::count_if(purchases.begin(), purchases.end(),
                                          [](const TPurchaseRecord& p) { return !p.research; }));
}

int TQuestLog::researches() const { return static_cast<int>(purchases.size()) - itemsBought(); }

int TQuestLog::levelOfItem(int items) const {
    int seen = 0;
    for (auto& p : purchases)
        if (!p.research && ++seen == items) return p.level;
    return 0;
}

std::string ResourceText(const ResourceCounts& res) {
    char text[96];
    std::snprintf(text, sizeof text, "wood %d food %d gold %d rock %d", res[0], res[1], res[2], res[3]);
    return text;
}

std::string LevelLine(const TLevelRecord& r) {
    char text[128];
    std::snprintf(text, sizeof text, "quest level %d: %s, attempts %d, clock used %d of %d s, earned ",
                  r.level, r.won ? "won" : "lost", r.attempts, r.clockUsed, r.clock);
    return text + ResourceText(r.earned);
}

std::string PurchaseLine(const TPurchaseRecord& p) {
    const char* what = p.research ? "researched power-up" : "bought item";
    return std::string(what) + " " + std::to_string(p.itemId) + " (" + p.name + ") at level " +
           std::to_string(p.level) + " for " + ResourceText(p.price);
}

std::string QuestSummaryLine(const TQuestLog& log, int allItems) {
    int won = 0, attempts = 0;
    for (auto& r : log.levels) {
        won += r.won ? 1 : 0;
        attempts += r.attempts;
    }
    const int items = log.ownedBefore + log.itemsBought();
    const bool completeBefore = log.ownedBefore >= allItems;
    const int completeAt = completeBefore ? 0 : log.levelOfItem(allItems - log.ownedBefore);
    std::string line = "quest summary: levels won " + std::to_string(won) + " of " +
                       std::to_string(log.levels.size()) + ", attempts " + std::to_string(attempts) +
                       ", items owned " + std::to_string(items) + " of " + std::to_string(allItems) + ", ";
    if (completeBefore) line += "village complete before this run";
    else if (completeAt > 0) line += "village complete at level " + std::to_string(completeAt);
    else line += "village not complete";
    return line + ", researches " + std::to_string(log.researches());
}
