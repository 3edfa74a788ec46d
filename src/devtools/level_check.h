// --check-level: what a level designer asks of a level file before it ships:
// every message the loader gives for it, and whether the virtual player wins
// it on ten seeds, with the clock each game used.
#pragma once

#include <string>

// What one `--level PATH --autoplay` run of the game printed.
struct LevelRunResult {
    bool finished = false;  // it printed the level's result
    bool won = false;       // the result was "next level"
    int clockLeft = 0;      // seconds left on the level's clock when it ended
};
LevelRunResult ParseLevelRunOutput(const std::string& output);

struct LevelCheckOptions {
    std::string path;     // the level file
    std::string program;  // the game's executable, started once per seed
    std::string dataDir;  // handed on as --data-dir; "" none
    int seeds = 10;       // seeds 1 .. seeds
};

// Prints the report: the loader's messages (or "no messages"), one line per
// seed and a summary. Returns the exit status: 0 when the loader was silent
// and every seed was won, 1 otherwise (a missing or unplayable file too).
int RunLevelCheck(const LevelCheckOptions& options);
