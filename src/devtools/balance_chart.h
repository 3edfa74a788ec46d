// The chart of the balance report, drawn with the game's own drawing layer on
// a headless software display: above, the village's stock of each resource
// after every level won and the items owned (right-hand scale); below, the
// clock each level used, a bar against the full clock. Axes, level numbers,
// scales and a legend make it readable at a glance.
#pragma once

#include "devtools/quest_log.h"
#include "platform/platform.h"

constexpr int CHART_W = 1200;
constexpr int CHART_H = 800;

// A plotting area of the chart, in its pixels.
struct ChartArea {
    float x = 0, y = 0, w = 0, h = 0;
};
ChartArea StockArea();  // the stock lines and the items owned
ChartArea ClockArea();  // the clock bars
// The middle of the column of the `index`-th of `count` levels.
float LevelColumnX(const ChartArea& area, int index, int count);

// The colours of the four resources (wood, food, gold, rock) and of the items line.
struct ChartColour {
    int r, g, b;
};
ChartColour ResourceColour(int res);
ChartColour ItemsColour();
ChartColour ClockBarColour(const TLevelRecord& level);

// Draws the chart on the back buffer, which must be CHART_W x CHART_H.
// Without fonts the texts are left out.
void DrawBalanceChart(const TQuestLog& log, const Font& font, const Font& titleFont);
// Restarts the platform on a headless software display of the chart's size,
// draws the chart and reads it back; an empty pixmap when no display opens.
Pixmap RenderBalanceChart(const TQuestLog& log);
