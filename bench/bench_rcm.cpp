// RCM data files: reading and writing a file of about 100 KB, and look-ups.
#include <benchmark/benchmark.h>

#include <string>

#include "frame/rcm.h"

namespace {

// A profile-like file: groups of items with number lists and strings.
std::string MakeFile(size_t bytes) {
    std::string text;
    for (int i = 0; text.size() < bytes; ++i) {
        const std::string n = std::to_string(i);
        text += "item" + n + " {\n";
        text += "\tname = \"Building number " + n + "\"\n";
        text += "\tprice = " + n + ", 250, 0.5, -3\n";
        text += "\tstage = " + std::to_string(i % 5) + "\n";
        text += "\tpos {\n\t\tx = 120.5\n\t\ty = " + n + "\n\t}\n\n}\n\n";
    }
    return text;
}

const std::string& File100K() {
    static const std::string text = MakeFile(100 * 1024);
    return text;
}

void BM_RcmParse100K(benchmark::State& state) {
    const std::string& text = File100K();
    for (auto _ : state) {
        TRCMFile file;
        file.LoadFromText(text);
        benchmark::DoNotOptimize(file._grupa.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_RcmParse100K)->Unit(benchmark::kMicrosecond);

void BM_RcmWrite100K(benchmark::State& state) {
    TRCMFile file;
    file.LoadFromText(File100K());
    size_t bytes = 0;
    for (auto _ : state) {
        std::string out = file.saveText();
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_RcmWrite100K)->Unit(benchmark::kMicrosecond);

void BM_RcmLookup(benchmark::State& state) {
    TRCMFile file;
    file.LoadFromText(File100K());
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.getFloat("ITEM900::pos::y"));
    }
}
BENCHMARK(BM_RcmLookup);

}  // namespace

BENCHMARK_MAIN();
