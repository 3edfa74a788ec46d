// Arbitrary puzzle files: the reader must never crash or hang; a puzzle it
// accepts must survive its opening and a few hundred frames of random clicks.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/rcm.h"
#include "fuzz_platform.h"
#include "platform/platform.h"
#include "puzzles/puzzle_level.h"

namespace {
void Setup() {
    static bool done = false;
    if (done) return;
    done = true;
    OpenFuzzPlatform();
    // The pictures the corpus names: 120 x 60, which grids of 1..6 rows and of 1..6, 8, 10, 12
    // columns divide; any other grid up to 60 x 120 leaves a strip and is played too.
    char pattern[] = "/tmp/fuzz-puzzle-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    Pixmap pix;
    pix.w = 120;
    pix.h = 60;
    pix.rgba.assign(120 * 60 * 4, 160);
    GfxSavePng(pix, dir + "/pic.png", 1);
    gameDir = dir + "/";
    frameDelta = 1;
    // The reader's messages would flood the fuzzer's output.
    std::freopen("/dev/null", "w", stdout);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Setup();
    TRCMFile file;
    file.LoadFromText(std::string(reinterpret_cast<const char*>(data), size));
    auto level = LoadPuzzleLevelFrom(file, "fuzz");
    if (!level) return 0;
    level->Begin();
    for (int i = 0; i < 300 && !level->isBeginFinished(); i++) SysAdvanceFixedClock(17);
    unsigned seed = static_cast<unsigned>(size);
    for (int frame = 0; frame < 300; frame++) {
        seed = seed * 1103515245u + 12345u;
        mouse.x = static_cast<float>(PUZZLE_DRAW_X + static_cast<int>(seed >> 8) % 130);
        mouse.y = static_cast<float>(PUZZLE_DRAW_Y + static_cast<int>(seed >> 20) % 70);
        mouse.leftPressed = frame % 3 == 0 ? 1 : 0;
        SysAdvanceFixedClock(17);
        level->update();
        level->draw();
        level->drawMoving();
    }
    return 0;
}
