// The balance report of a whole-game run: balance.md with the table of
// levels (tries, clock used, earnings, stock after) and the table of
// purchases, and balance.png, the chart of the same run. A hand-written part
// above the marker line of an existing balance.md is kept, so the report in
// docs/ can be brought up to date by a new run.
#pragma once

#include <string>

#include "devtools/quest_log.h"

// The line under which the run writes its tables.
extern const char* const BALANCE_TABLES_MARKER;

// The two tables as Markdown, the marker line first.
std::string BalanceTables(const TQuestLog& log);
// `existing` up to its marker line (or the whole text and a blank line when it
// has none), then the tables.
std::string MergeBalanceReport(const std::string& existing, const std::string& tables);
// Writes dir/balance.md and dir/balance.png (the folder is made when missing);
// false with the reason when a file could not be written.
bool WriteBalanceReport(const TQuestLog& log, const std::string& dir, std::string& error);
