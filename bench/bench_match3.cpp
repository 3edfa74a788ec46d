// Line search over a full 9 x 9 board: CheckMatch through every cell (the
// work of a landing cascade), and the whole move search of the hint.
#include <benchmark/benchmark.h>

#include <string>

#include "match3/board.h"

namespace {

std::shared_ptr<TLevel> FullBoard(bool withLines) {
    chipCatalogue.clear();
    for (int id = 1; id <= 6; id++) {
        auto c = std::make_shared<TChip>();
        c->id = id;
        c->res = -1;
        chipCatalogue.push_back(c);
    }
    std::string text =
        "level {\n\tdata {\n\t\tavailableChips = \"1 2 3 4 5 6\"\n"
        "\t\tsize = 9, 9\n\t}\n\n\ttile {\n";
    for (int r = 0; r < 9; r++) text += "\t\trow" + std::to_string(r) + " = 1, 1, 1, 1, 1, 1, 1, 1, 1\n";
    text += "\t}\n\n\tchips {\n";
    for (int r = 0; r < 9; r++) {
        text += "\t\trow" + std::to_string(r) + " = ";
        for (int c = 0; c < 9; c++) {
            // A pattern without lines, or with a long line in every row.
            int plain = 1 + (r * 2 + (c % 2) + (c / 2) * 3) % 6;
            int id = withLines ? (c < 5 ? 1 + r % 6 : 1 + (r + c) % 6) : plain;
            text += std::to_string(id) + (c < 8 ? ", " : "\n");
        }
    }
    text += "\t}\n\n}\n";
    return LoadLevelFromText(text);
}

void BM_CheckMatchEveryCell(benchmark::State& state) {
    auto level = FullBoard(state.range(0) != 0);
    size_t found = 0;
    for (auto _ : state) {
        for (auto& t : level->tile) found += CheckMatch(t.get()).size();
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * 81);
}
BENCHMARK(BM_CheckMatchEveryCell)->Arg(0)->Arg(1);

void BM_FindAnyMove(benchmark::State& state) {
    TBoard board;
    board.SetLevel(FullBoard(false));
    for (auto _ : state) benchmark::DoNotOptimize(board.FindAnyMove());
}
BENCHMARK(BM_FindAnyMove);

}  // namespace

BENCHMARK_MAIN();
