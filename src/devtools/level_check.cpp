#include "devtools/level_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "frame/control.h"
#include "match3/level.h"
#include "platform/platform.h"
#include "platform/process.h"

namespace {

// A folder of its own for each game the check starts: its settings and
// profiles never meet the designer's or another seed's.
std::string MakeScratchFolder() {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "brambleton-check-XXXXXX").string();
    if (ec || mkdtemp(pattern.data()) == nullptr) return "";
    return pattern;
}

// A path the game's --level takes as a file: digits alone would name a
// quest level.
std::string AsFileArgument(const std::string& path) {
    const bool digits = !path.empty() &&
                        std::all_of(path.begin(), path.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    return digits ? "./" + path : path;
}

LevelRunResult PlayOneSeed(const LevelCheckOptions& options, int seed) {
    const std::string scratch = MakeScratchFolder();
    if (scratch.empty()) return {};
    std::vector<std::string> args = {options.program,
                                     "--level",
                                     AsFileArgument(options.path),
                                     "--autoplay",
                                     "--headless",
                                     "--renderer",
                                     "null",
                                     "--fixed-step",
                                     "--seed",
                                     std::to_string(seed),
                                     "--user-dir",
                                     scratch};
    if (!options.dataDir.empty()) {
        args.push_back("--data-dir");
        args.push_back(options.dataDir);
    }
    std::string output;
    SysRunProgram(args, output);
    std::error_code ec;
    std::filesystem::remove_all(scratch, ec);
    return ParseLevelRunOutput(output);
}

void PrintMessages(const std::string& messages) {
    if (messages.empty()) {
        std::printf("Loader: no messages\n");
        return;
    }
    std::printf("Loader messages:\n");
    std::istringstream lines(messages);
    for (std::string line; std::getline(lines, line);) std::printf("  %s\n", line.c_str());
}

}  // namespace

LevelRunResult ParseLevelRunOutput(const std::string& output) {
    LevelRunResult result;
    std::istringstream lines(output);
    bool clockRead = false;
    for (std::string line; std::getline(lines, line);) {
        int code = 0, left = 0, full = 0;
        if (!result.finished && std::sscanf(line.c_str(), "level result = %d", &code) == 1) {
            result.finished = true;
            result.won = code == QUEST_NEXT_LEVEL;
        } else if (!clockRead &&
                   std::sscanf(line.c_str(), "level clock left = %d of %d s", &left, &full) == 2) {
            clockRead = true;
            result.clockLeft = std::max(0, left);
        }
    }
    // A result without its clock says nothing about the time it took.
    if (!clockRead) result.finished = false;
    return result;
}

int RunLevelCheck(const LevelCheckOptions& options) {
    const std::string& path = options.path;
    if (FsFileType(path) != 1) {
        std::printf("No level file %s\n", path.c_str());
        return 1;
    }
    std::shared_ptr<TLevel> level;
    const std::string messages = SysCaptureOutput([&] { level = LoadLevel(path); });
    std::printf("Level file %s\n", path.c_str());
    PrintMessages(messages);
    if (!level || !level->IsPresent()) {
        std::printf("The file holds no playable level; it is not played.\n");
        return 1;
    }
    const int clock = level->time;
    std::printf("Board %d x %d, clock %d s; the virtual player plays seeds 1 to %d:\n", level->rows,
                level->cols, clock, options.seeds);
    std::fflush(stdout);
    if (options.program.empty()) {
        std::printf("The game's own program cannot be found to play the level.\n");
        return 1;
    }
    int wins = 0, worst = 0;
    for (int seed = 1; seed <= options.seeds; seed++) {
        const LevelRunResult run = PlayOneSeed(options, seed);
        if (!run.finished) {
            std::printf("seed %d: no result (the game ended without finishing the level)\n", seed);
            worst = clock;
        } else {
            const int used = std::clamp(clock - run.clockLeft, 0, clock);
            worst = std::max(worst, used);
            if (run.won) wins++;
            std::printf("seed %d: %s, clock used %d s of %d s\n", seed, run.won ? "won" : "lost", used,
                        clock);
        }
        std::fflush(stdout);
    }
    const int margin = clock - worst;
    std::printf("Summary: won %d of %d, worst clock used %d s of %d s, margin %d s\n", wins, options.seeds,
                worst, clock, margin);
    const int messageCount = static_cast<int>(std::count(messages.begin(), messages.end(), '\n'));
    std::string faults;
    if (messageCount > 0) faults += "the loader gave " + std::to_string(messageCount) + " message(s)";
    if (wins < options.seeds) {
        faults += faults.empty() ? "" : "; ";
        faults += std::to_string(options.seeds - wins) + " seed(s) not won";
    }
    if (faults.empty()) std::printf("The level is fit.\n");
    else std::printf("The level needs work: %s.\n", faults.c_str());
    return faults.empty() ? 0 : 1;
}
