// Arbitrary bytes as the settings file: reading keeps what reads, defaults the rest and keeps a
// damaged file aside; nothing may crash, and every setting ends in its range.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/options.h"
#include "frame/user_dir.h"
#include "fuzz_folder.h"
#include "platform/platform.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SetUserDirOverride(FuzzFolder("fuzz-settings"));
    SetupUserDir();
    const std::string path = userDir + "/Data/settings.txt";
    FsSaveBytes(std::string(reinterpret_cast<const char*>(data), size), path);
    options = TOptions();
    options.LoadSettings();
    Check(options.soundVol >= 0 && options.soundVol <= 10 && std::isfinite(options.soundVol));
    Check(options.musicVol >= 0 && options.musicVol <= 10 && std::isfinite(options.musicVol));
    // What was read is written whole and reads back the same.
    const int fullscreen = options.fullscreen;
    const int ratio = options.ratio;
    const int custom = mouse.isCustom;
    Check(options.SaveSettings());
    options.LoadSettings();
    Check(options.fullscreen == fullscreen && options.ratio == ratio && mouse.isCustom == custom);
    return 0;
}
