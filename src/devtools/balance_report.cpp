#include "devtools/balance_report.h"

#include <cstdio>

#include "devtools/balance_chart.h"
#include "platform/platform.h"

const char* const BALANCE_TABLES_MARKER = "<!-- Written by the whole-game run (--balance-report): -->";

namespace {
std::string Cells(const ResourceCounts& res) {
    std::string text;
    for (int v : res) text += " " + std::to_string(v) + " |";
    return text;
}

std::string MultiplierText(float m) {
    char text[16];
    std::snprintf(text, sizeof text, "x %g", static_cast<double>(m));
    return text;
}
}  // namespace

std::string BalanceTables(const TQuestLog& log) {
    std::string md = std::string(BALANCE_TABLES_MARKER) + "\n\n## Levels\n\n";
    md +=
        "| Level | Tries | Clock used | Wood | Food | Gold | Rock | Multiplier "
        "| Stock wood | Stock food | Stock gold | Stock rock | Items |\n";
    md += "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (auto& r : log.levels) {
        md += "| " + std::to_string(r.level) + (r.won ? "" : " (lost)") + " | " + std::to_string(r.attempts) +
              " | " + std::to_string(r.clockUsed) + " / " + std::to_string(r.clock) + " s |" +
              Cells(r.earned) + " " + MultiplierText(r.multiplier) + " |" + Cells(r.stock) + " " +
              std::to_string(r.itemsOwned) + " |\n";
    }
    md += "\n## Purchases\n\n| Level | Item | Name | Stage | Wood | Food | Gold | Rock |\n";
    md += "|---:|---|---|---:|---:|---:|---:|---:|\n";
    for (auto& p : log.purchases) {
        const std::string what = (p.research ? "research " : "item ") + std::to_string(p.itemId);
        md += "| " + std::to_string(p.level) + " | " + what + " | " + p.name + " | " +
              (p.research ? "" : std::to_string(p.stage)) + " |" + Cells(p.price) + "\n";
    }
    return md;
}

std::string MergeBalanceReport(const std::string& existing, const std::string& tables) {
    const size_t at = existing.find(BALANCE_TABLES_MARKER);
    if (at != std::string::npos) return existing.substr(0, at) + tables;
    if (existing.empty()) return "# Balance report\n\n" + tables;
    return existing + (existing.back() == '\n' ? "\n" : "\n\n") + tables;
}

bool WriteBalanceReport(const TQuestLog& log, const std::string& dir, std::string& error) {
    if (FsFileType(dir) != 2 && !FsCreateDir(dir)) {
        error = "cannot make the folder " + dir;
        return false;
    }
    const std::string mdPath = dir + "/balance.md";
    const std::string existing = FsFileType(mdPath) == 1 ? FsLoadText(mdPath) : "";
    if (!FsSaveBytes(MergeBalanceReport(existing, BalanceTables(log)), mdPath)) {
        error = "cannot write " + mdPath;
        return false;
    }
    const Pixmap chart = RenderBalanceChart(log);
    if (chart.w == 0 || !GfxSavePng(chart, dir + "/balance.png", 6)) {
        error = "cannot draw or write " + dir + "/balance.png";
        return false;
    }
    return true;
}
