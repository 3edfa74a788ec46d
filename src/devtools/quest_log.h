// The log of a whole-game run: one record per quest level (tries, the clock
// used, what the win earned, the village's stock and items after it) and one
// per purchase or research, in the order they happened. The run's hooks feed
// it; it makes the lines the run prints and the figures of the balance
// report. It knows nothing of the screens, so a test can fill it by hand.
#pragma once

#include <array>
#include <string>
#include <vector>

using ResourceCounts = std::array<int, 4>;  // wood, food, gold, rock

struct TLevelRecord {
    int level = 0;
    bool won = false;
    int attempts = 0;         // tries, the last one included
    int clockUsed = 0;        // seconds of the clock the last try used
    int clock = 0;            // seconds of a full clock
    ResourceCounts earned{};  // credited by the win
    ResourceCounts stock{};   // the village's resources right after the win
    int itemsOwned = 0;       // village items owned when the level was won
    float multiplier = 1;     // the village's resource multiplier then
};

struct TPurchaseRecord {
    int level = 0;   // the quest level the village visit came before
    int itemId = 0;  // land item id, or power-up slot + 1 for a research
    bool research = false;
    std::string name;
    int stage = 0;  // the offer row the item belongs to (0 for a research)
    ResourceCounts price{};
};

class TQuestLog {
public:
    std::vector<TLevelRecord> levels;        // in the order they were first played
    std::vector<TPurchaseRecord> purchases;  // items and researches, in order
    int ownedBefore = 0;                     // items the profile owned when the run began (a quest resumed)

    // A try of `level` was lost: returns the tries made on it so far.
    int lost(int level, int clockUsed, int clock);
    // `level` was won; its record is complete.
    const TLevelRecord& won(const TLevelRecord& win);
    void bought(const TPurchaseRecord& purchase);

    // The record of that level, null when it was never played.
    const TLevelRecord* find(int level) const;
    int itemsBought() const;  // purchases that were not researches
    int researches() const;
    // The level whose visit bought the `items`-th item; 0 when fewer were bought.
    int levelOfItem(int items) const;

private:
    TLevelRecord& record(int level);
};

// "quest level 7: won, attempts 2, clock used 188 of 420 s, earned wood 90 food 75 gold 12 rock 30"
std::string LevelLine(const TLevelRecord& r);
// "bought item 3 (Smithy) at level 5 for wood 250 food 200 gold 100 rock 250"; a research says
// "researched power-up 2 (Hourglass) at level 12 for ...".
std::string PurchaseLine(const TPurchaseRecord& p);
// "quest summary: levels won 100 of 100, attempts 112, items owned 24 of 24, village complete at
// level 94, researches 6"; the items owned before the run count too ("village complete before
// this run" when they were all); "village not complete" when fewer than `allItems` are owned.
std::string QuestSummaryLine(const TQuestLog& log, int allItems);
// "wood 90 food 75 gold 12 rock 30"
std::string ResourceText(const ResourceCounts& res);
