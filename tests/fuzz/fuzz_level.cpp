// Arbitrary level files: the reader must never crash; a level it accepts must
// survive a few hundred frames of play with random swaps, and save and load
// back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "effects/bombs.h"
#include "effects/captions.h"
#include "effects/fireworks.h"
#include "effects/flyers.h"
#include "effects/flying_objects.h"
#include "effects/odpadek.h"
#include "effects/particles.h"
#include "frame/globals.h"
#include "match3/board.h"
#include "match3/fantom.h"
#include "match3/flying.h"

namespace {

std::shared_ptr<TChip> Proto(int id, int res) {
    auto c = std::make_shared<TChip>();
    c->id = id;
    c->res = res;
    c->resQ = 1;
    return c;
}

void Setup() {
    static bool done = false;
    if (done) return;
    done = true;
    chipCatalogue = {Proto(1, 0),  Proto(2, 1),  Proto(3, 2),    Proto(4, 3),
                     Proto(5, -1), Proto(6, -1), Proto(101, -1), Proto(201, -1)};
    frameDelta = 1;
    // The reader's messages would flood the fuzzer's output.
    std::freopen("/dev/null", "w", stdout);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Setup();
    std::string text(reinterpret_cast<const char*>(data), size);
    auto level = LoadLevelFromText(text);
    if (!level->IsPresent()) return 0;  // refused: nothing more to check
    if (static_cast<int>(level->tile.size()) != level->rows * level->cols) __builtin_trap();

    std::string saved = level->SaveText();
    if (LoadLevelFromText(saved)->SaveText() != saved) __builtin_trap();

    TBoard board;
    board.SetLevel(level);
    RandSeed(static_cast<int>(size));
    for (int frame = 0; frame < 300; frame++) {
        if (frame % 10 == 0) {
            TTile* a = level->At(RandInt(0, level->rows - 1), RandInt(0, level->cols - 1));
            static const int dirs[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
            const int* d = dirs[RandInt(0, 3)];
            TTile* b = board.GetTileByVector(a, d[0], d[1]);
            board.SwapTiles(a, b);
        }
        if (frame % 50 == 25) {
            if (TMove m = board.FindAnyMove()) board.SwapTiles(m.tile1, m.tile2);
        }
        board.update();
        if (board.isCalm()) board.RemoveRestingLines();
    }
    board.SetLevel(nullptr);
    // Every effect the play started goes with it: memory kept from one input to the next makes
    // libFuzzer look for leaks after each input, which took three quarters of its time.
    ClearFlyingChips();
    ClearFlyingChests();
    ClearFantoms();
    ClearParticles();
    ClearCaptions();
    ClearFlyers();
    ClearBombs();
    ClearFireWorks();
    ClearOdpadeks();
    ClearSimpleFlyingObjects();
    return 0;
}
