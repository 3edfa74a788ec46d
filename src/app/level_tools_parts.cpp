#include "app/level_tools_parts.h"

#include <cstdio>

#include "app/command_line.h"
#include "devtools/level_check.h"
#include "devtools/level_sheet.h"
#include "frame/globals.h"
#include "match3/chip.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "platform/platform.h"
#include "platform/process.h"

namespace {
constexpr int KEY_F5 = KEY_F1 + 4;
}  // namespace

bool ReloadLevelFile(TMainGame& game, const std::string& path) {
    if (FsFileType(path) != 1) {
        std::printf("No level file %s; the level in play goes on\n", path.c_str());
        return false;
    }
    auto level = LoadLevel(path);
    if (!level->IsPresent()) {
        std::printf("The level file %s holds no playable level; the level in play goes on\n", path.c_str());
        return false;
    }
    game.SetData(level);
    game.prepare();
    std::printf("Reloaded the level file %s\n", path.c_str());
    std::fflush(stdout);
    return true;
}

void InstallLevelReloadKey(const std::string& path) {
    mainGame.hooks.designerKeys = [path] {
        if (InKeyHit(KEY_F5)) ReloadLevelFile(mainGame, path);
    };
}

int RunLevelCheckMode(const CommandLine& cl) {
    PlatformConfig config;
    config.headless = true;
    config.renderer = RendererKind::Null;
    config.fixedStep = true;
    config.audio = false;
    PlatformInit(config);
    // Chip ids in the file are looked up in the catalogue.
    LoadChipCatalogue();
    LevelCheckOptions options;
    options.path = cl.checkLevel;
    options.program = SysProgramPath();
    options.dataDir = cl.dataDir;
    const int status = RunLevelCheck(options);
    std::fflush(stdout);
    PlatformShutdown();
    return status;
}

int RunLevelSheetMode(const CommandLine& cl) {
    return RunLevelSheet(cl.levelSheet, cl.levelsDir.empty() ? gameDir + "data/levels" : cl.levelsDir);
}
