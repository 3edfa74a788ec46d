// Reading and writing a profile file of growing size: the time must grow
// linearly with the number of entries (a player's log and lists grow long).
#include <benchmark/benchmark.h>

#include <string>

#include "frame/rcm.h"
#include "quest/profile.h"

namespace {

// A profile file with `lines` log lines and as many items.
std::string MakeProfile(int lines) {
    std::string text = "profile {\n\tdata {\n\t\tname = \"ANN\"\n\t\tlevel = 3\n\t}\n\n\tlog {\n";
    text += "\t\ti = " + std::to_string(lines) + "\n";
    for (int n = 1; n <= lines; n++)
        text += "\t\tlog" + std::to_string(n) + " = " + std::to_string(n) + ", 10, 20, 30, 40, 55\n";
    text += "\t}\n\n\titems {\n\t\ti = " + std::to_string(lines) + "\n";
    for (int n = 1; n <= lines; n++)
        text += "\t\titem" + std::to_string(n) + " = " + std::to_string(n) + "\n";
    return text + "\t}\n\n}\n";
}

// Parse the text and read its groups the way the profile does.
void BM_ProfileRead(benchmark::State& state) {
    const std::string text = MakeProfile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TRCMFile file;
        file.LoadFromText(text);
        TProfile profile;
        profile._loadData(file);
        profile._loadLevelDatas(file);
        profile._loadBuildings(file);
        benchmark::DoNotOptimize(profile.levels.data());
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ProfileRead)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// Building the file of the same log (every entry set by its path) and its text.
void BM_ProfileWrite(benchmark::State& state) {
    TRCMFile source;
    source.LoadFromText(MakeProfile(static_cast<int>(state.range(0))));
    TProfile profile;
    profile._loadLevelDatas(source);
    for (auto _ : state) {
        TRCMFile file;
        profile._saveData(file);
        profile._saveLevelDatas(file);
        benchmark::DoNotOptimize(file.saveText().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ProfileWrite)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
