// Arbitrary bytes as one of the game's small tables, chosen by the first byte: the chip table,
// the power-up table or the sound list. Reading must never crash, and every number the game sums
// or counts with stays in its bounds.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "audio/global_snd.h"
#include "frame/globals.h"
#include "fuzz_folder.h"
#include "fuzz_platform.h"
#include "match3/chip.h"
#include "match3/powerup.h"
#include "platform/platform.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// A resource folder of the run (gameDir).
const std::string& Folder() {
    static const std::string folder = [] {
        std::filesystem::create_directories(FuzzFolder("fuzz-tables") + "/data");
        return FuzzFolder("fuzz-tables") + "/";
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!OpenFuzzPlatform()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    gameDir = Folder();
    switch (data[0] % 3) {
        case 0:
            FsSaveBytes(text, Folder() + "data/chips.txt");
            LoadChipCatalogue(Folder() + "data/chips.txt");
            for (const auto& chip : chipCatalogue)
                if (chip) Check(chip->resQ >= 0 && chip->resQ <= CHIP_MAX_RES_QUANTITY);
            chipCatalogue.clear();
            break;
        case 1:
            FsSaveBytes(text, Folder() + "data/powerups.txt");
            LoadPowerUpData(Folder() + "data/powerups.txt");
            for (int need : powerUpNeeded) Check(need >= 0);
            break;
        default:
            FsSaveBytes(text, Folder() + "data/sounds.txt");
            globalSnd._setupMusic();
            globalSnd._listSounds();
            globalSnd.playMySound("click");
            globalSnd.update();
            break;
    }
    return 0;
}
