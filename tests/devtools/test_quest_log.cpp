// The whole-game run's log, its printed lines and the tables of the balance
// report, from a log filled by hand.
#include <gtest/gtest.h>

#include "devtools/balance_report.h"
#include "devtools/quest_log.h"

namespace {
TLevelRecord Win(int level, int used, int clock, ResourceCounts earned, ResourceCounts stock, int items) {
    TLevelRecord r;
    r.level = level;
    r.clockUsed = used;
    r.clock = clock;
    r.earned = earned;
    r.stock = stock;
    r.itemsOwned = items;
    return r;
}

TPurchaseRecord Item(int level, int id, const std::string& name, int stage, ResourceCounts price) {
    TPurchaseRecord p;
    p.level = level;
    p.itemId = id;
    p.name = name;
    p.stage = stage;
    p.price = price;
    return p;
}

// Two levels, the second won at its second try, a purchase and a research.
TQuestLog SmallQuest() {
    TQuestLog log;
    log.won(Win(1, 120, 300, {40, 30, 0, 20}, {40, 30, 0, 20}, 0));
    log.lost(2, 300, 300);
    log.won(Win(2, 250, 300, {60, 50, 10, 30}, {100, 80, 10, 50}, 0));
    log.bought(Item(3, 2, "Woodcutter", 1, {90, 60, 0, 40}));
    TPurchaseRecord research;
    research.level = 3;
    research.itemId = 2;
    research.research = true;
    research.name = "hourglass";
    research.price = {5, 6, 7, 8};
    log.bought(research);
    return log;
}
}  // namespace

TEST(QuestLog, CountsTheTriesOfALevelUntilItIsWon) {
    TQuestLog log;
    EXPECT_EQ(log.lost(4, 420, 420), 1);
    EXPECT_EQ(log.lost(4, 420, 420), 2);
    const TLevelRecord& r = log.won(Win(4, 300, 420, {1, 2, 3, 4}, {5, 6, 7, 8}, 3));
    EXPECT_TRUE(r.won);
    EXPECT_EQ(r.attempts, 3);
    EXPECT_EQ(r.clockUsed, 300);
    ASSERT_EQ(log.levels.size(), 1u);  // one record per level, however many tries
    EXPECT_EQ(log.find(4), &log.levels[0]);
    EXPECT_EQ(log.find(5), nullptr);
}

TEST(QuestLog, PrintsOneLinePerLevelAndPerPurchase) {
    const TQuestLog log = SmallQuest();
    EXPECT_EQ(
        LevelLine(log.levels[1]),
        "quest level 2: won, attempts 2, clock used 250 of 300 s, earned wood 60 food 50 gold 10 rock 30");
    EXPECT_EQ(PurchaseLine(log.purchases[0]),
              "bought item 2 (Woodcutter) at level 3 for wood 90 food 60 gold 0 rock 40");
    EXPECT_EQ(PurchaseLine(log.purchases[1]),
              "researched power-up 2 (hourglass) at level 3 for wood 5 food 6 gold 7 rock 8");
    TQuestLog lost;
    lost.lost(9, 480, 480);
    EXPECT_EQ(LevelLine(lost.levels[0]),
              "quest level 9: lost, attempts 1, clock used 480 of 480 s, earned wood 0 food 0 gold 0 rock 0");
}

TEST(QuestLog, SummaryNamesTheLevelThatCompletedTheVillage) {
    TQuestLog log = SmallQuest();
    EXPECT_EQ(QuestSummaryLine(log, 2),
              "quest summary: levels won 2 of 2, attempts 3, items owned 1 of 2, village not complete, "
              "researches 1");
    log.bought(Item(7, 5, "Farm", 1, {1, 1, 1, 1}));
    EXPECT_EQ(log.levelOfItem(2), 7);
    EXPECT_EQ(
        QuestSummaryLine(log, 2),
        "quest summary: levels won 2 of 2, attempts 3, items owned 2 of 2, village complete at level 7, "
        "researches 1");
}

TEST(QuestLog, ASummaryOfAResumedQuestCountsWhatTheProfileOwnedBefore) {
    TQuestLog log = SmallQuest();  // one item bought in this run, at level 3
    log.ownedBefore = 1;
    EXPECT_EQ(
        QuestSummaryLine(log, 2),
        "quest summary: levels won 2 of 2, attempts 3, items owned 2 of 2, village complete at level 3, "
        "researches 1");
    TQuestLog complete;
    complete.ownedBefore = 2;
    EXPECT_EQ(
        QuestSummaryLine(complete, 2),
        "quest summary: levels won 0 of 0, attempts 0, items owned 2 of 2, village complete before this "
        "run, researches 0");
}

TEST(BalanceReport, TablesHoldOneRowPerLevelAndPerPurchase) {
    const std::string md = BalanceTables(SmallQuest());
    EXPECT_EQ(md.rfind(BALANCE_TABLES_MARKER, 0), 0u);
    EXPECT_NE(md.find("| 1 | 1 | 120 / 300 s | 40 | 30 | 0 | 20 | x 1 | 40 | 30 | 0 | 20 | 0 |\n"),
              std::string::npos)
        << md;
    EXPECT_NE(md.find("| 2 | 2 | 250 / 300 s | 60 | 50 | 10 | 30 | x 1 | 100 | 80 | 10 | 50 | 0 |\n"),
              std::string::npos)
        << md;
    EXPECT_NE(md.find("| 3 | item 2 | Woodcutter | 1 | 90 | 60 | 0 | 40 |\n"), std::string::npos) << md;
    EXPECT_NE(md.find("| 3 | research 2 | hourglass |  | 5 | 6 | 7 | 8 |\n"), std::string::npos) << md;
    TQuestLog unfinished;
    unfinished.lost(6, 400, 400);
    EXPECT_NE(BalanceTables(unfinished).find("| 6 (lost) | 1 | 400 / 400 s |"), std::string::npos);
}

TEST(BalanceReport, ANewRunKeepsTheHandWrittenPartAndReplacesTheTables) {
    const std::string tables = BalanceTables(SmallQuest());
    const std::string first = MergeBalanceReport("# Balance\n\nWhy the prices are as they are.\n", tables);
    EXPECT_EQ(first, "# Balance\n\nWhy the prices are as they are.\n\n" + tables);
    TQuestLog other;
    other.won(Win(1, 10, 300, {1, 1, 1, 1}, {1, 1, 1, 1}, 0));
    const std::string second = MergeBalanceReport(first, BalanceTables(other));
    EXPECT_EQ(second, "# Balance\n\nWhy the prices are as they are.\n\n" + BalanceTables(other));
    EXPECT_EQ(second.find("Woodcutter"), std::string::npos);
    EXPECT_EQ(MergeBalanceReport("", tables), "# Balance report\n\n" + tables);
}
