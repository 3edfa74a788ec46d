// The balance chart's pixels: the stock lines rise where the stock rises, the
// clock bars reach as high as the share of the clock used, and the report
// lands on disk as a PNG beside its tables.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "devtools/balance_chart.h"
#include "devtools/balance_report.h"
#include "platform/platform.h"

namespace {
struct Px {
    int r, g, b;
};
Px At(const Pixmap& pix, float x, float y) {
    const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(pix.w) + static_cast<size_t>(x)) * 4;
    return {pix.rgba[i], pix.rgba[i + 1], pix.rgba[i + 2]};
}
bool Is(const Px& p, const ChartColour& c) { return p.r == c.r && p.g == c.g && p.b == c.b; }

// The topmost pixel of that colour in the column x of the area; -1 when none.
int TopOf(const Pixmap& pix, const ChartArea& a, float x, const ChartColour& c) {
    for (int y = static_cast<int>(a.y); y < static_cast<int>(a.y + a.h); y++)
        if (Is(At(pix, x, static_cast<float>(y)), c)) return y;
    return -1;
}

// Ten levels: wood grows from 1000 to 10000, food stays at 3000; level 3
// used its whole clock, level 4 half of it, level 5 was lost.
TQuestLog TenLevels() {
    TQuestLog log;
    for (int i = 1; i <= 10; i++) {
        TLevelRecord r;
        r.level = i;
        r.clock = 400;
        r.clockUsed = i == 3 ? 400 : i == 4 ? 200 : 100;
        r.stock = {1000 * i, 3000, 0, 0};
        r.itemsOwned = i;
        if (i == 5) log.lost(i, 400, 400);
        else log.won(r);
    }
    return log;
}

class BalanceChart : public ::testing::Test {
protected:
    void TearDown() override { PlatformShutdown(); }
};
}  // namespace

TEST_F(BalanceChart, ARisingStockDrawsARisingLine) {
    const Pixmap pix = RenderBalanceChart(TenLevels());
    ASSERT_EQ(pix.w, CHART_W);
    ASSERT_EQ(pix.h, CHART_H);
    const ChartArea a = StockArea();
    const int n = 10;
    const int first = TopOf(pix, a, LevelColumnX(a, 0, n), ResourceColour(0));
    const int last = TopOf(pix, a, LevelColumnX(a, n - 1, n), ResourceColour(0));
    ASSERT_GT(first, 0);
    ASSERT_GT(last, 0);
    EXPECT_LT(last, first - 200);  // 10000 is near the top of the scale, 1000 near the floor
    // The food that stays put is drawn at one height from the first level to the last.
    const int foodFirst = TopOf(pix, a, LevelColumnX(a, 0, n), ResourceColour(1));
    const int foodLast = TopOf(pix, a, LevelColumnX(a, n - 1, n), ResourceColour(1));
    EXPECT_GT(foodFirst, 0);
    EXPECT_LE(std::abs(foodFirst - foodLast), 1);
}

TEST_F(BalanceChart, AClockBarIsAsHighAsTheShareOfTheClockUsed) {
    const TQuestLog log = TenLevels();
    const Pixmap pix = RenderBalanceChart(log);
    ASSERT_EQ(pix.w, CHART_W);
    const ChartArea a = ClockArea();
    const ChartColour firstTry = ClockBarColour(log.levels[0]);
    // Level 3 used all of its clock: its bar reaches the top of the area.
    const float full = LevelColumnX(a, 2, 10);
    EXPECT_TRUE(Is(At(pix, full, a.y + 1), firstTry));
    EXPECT_TRUE(Is(At(pix, full, a.y + a.h - 2), firstTry));
    // Level 4 used half: pale above the middle, coloured below it.
    const float half = LevelColumnX(a, 3, 10);
    EXPECT_FALSE(Is(At(pix, half, a.y + 1), firstTry));
    EXPECT_FALSE(Is(At(pix, half, a.y + a.h * 0.45f), firstTry));
    EXPECT_TRUE(Is(At(pix, half, a.y + a.h * 0.55f), firstTry));
    // Level 5 was never won: its bar has the colour that says so, to the top.
    EXPECT_TRUE(Is(At(pix, LevelColumnX(a, 4, 10), a.y + 1), ClockBarColour(log.levels[4])));
    EXPECT_FALSE(Is(At(pix, LevelColumnX(a, 4, 10), a.y + 1), firstTry));
}

TEST_F(BalanceChart, TheReportWritesItsTablesAndAPng) {
    const std::string dir = ::testing::TempDir() + "balance-report-test";
    FsDeleteFile(dir + "/balance.md");
    FsDeleteFile(dir + "/balance.png");
    std::string error;
    TQuestLog log = TenLevels();
    TPurchaseRecord mill;
    mill.name = "M\u00fcller's Mill";
    log.bought(mill);
    ASSERT_TRUE(WriteBalanceReport(log, dir, error)) << error;
    // Plain UTF-8 Markdown, as a reader of docs/ expects, not the game's text files' UTF-16.
    const std::string md = FsLoadString(dir + "/balance.md");
    EXPECT_EQ(md.rfind("# Balance report\n", 0), 0u);
    EXPECT_NE(md.find("| 10 | 1 | 100 / 400 s |"), std::string::npos);
    EXPECT_NE(md.find("M\u00fcller's Mill"), std::string::npos);
    const std::string png = FsLoadString(dir + "/balance.png");
    ASSERT_GT(png.size(), 1000u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    // A folder that cannot be made is reported, not a crash.
    EXPECT_FALSE(WriteBalanceReport(TenLevels(), dir + "/balance.md/inside", error));
    EXPECT_FALSE(error.empty());
}
