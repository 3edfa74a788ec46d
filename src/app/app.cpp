#include "app/app.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/front_end_parts.h"
#include "app/game_parts.h"
#include "app/level_tools_parts.h"
#include "app/puzzle_parts.h"
#include "app/quest_run_parts.h"
#include "app/screen_flags.h"
#include "devtools/frame_stats.h"
#include "devtools/input_recording.h"
#include "devtools/virtual_player.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/languages.h"
#include "frame/names.h"
#include "frame/resource_dir.h"
#include "frame/start_game.h"
#include "frame/user_dir.h"
#include "match3/main_game.h"
#include "platform/platform.h"
#include "platform/process.h"
#include "platform/renderer_probe.h"

namespace {
PlatformConfig MakePlatformConfig(const CommandLine& cl) {
    PlatformConfig cfg;
    cfg.headless = cl.headless;
    cfg.fixedStep = cl.fixedStep;
    cfg.audio = !cl.headless;
    if (cl.rendererGiven) cfg.renderer = cl.renderer;
    else cfg.renderer = cl.headless ? RendererKind::Software : RendererKind::Auto;
    if (cfg.renderer == RendererKind::Auto) cfg.rendererProbeProgram = SysProgramPath();
    // The level sheet draws boards off screen and reads their pixels back.
    if (!cl.levelSheet.empty()) {
        cfg.headless = true;
        cfg.audio = false;
        cfg.renderer = RendererKind::Software;
    }
    return cfg;
}

void InstallRunTools(const CommandLine& cl) {
    if (!cl.screenshot.empty()) {
        GfxKeepLastFrame(true);
        const std::string path = cl.screenshot;
        AddExitHook([path] {
            const Pixmap last = GfxLastFrame();
            if (last.w == 0 || !GfxSavePng(last, path, 5))
                std::printf("Could not write the screenshot %s\n", path.c_str());
        });
    }
    if (!cl.frameStats.empty()) StartFrameStats(cl.frameStats);
    if (!cl.record.empty()) StartRecording(cl.record);
    if (!cl.replay.empty() && !StartReplay(cl.replay)) EndProgram(1);
    if (cl.frames > 0) {
        const long limit = cl.frames;
        AddAfterAnyFrameHook([limit] {
            if (FrameCount() >= limit) EndProgram(0);
        });
    }
}
}  // namespace

int RunGame(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == kRendererProbeArg) return RunRendererProbe();
    CommandLine cl;
    std::string error;
    if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), cl, error)) {
        std::fprintf(stderr, "brambleton: %s\n\n%s", error.c_str(), CommandLineHelp().c_str());
        return 2;
    }
    if (cl.help) {
        std::printf("%s", CommandLineHelp().c_str());
        return 0;
    }
    if (cl.version) {
        std::printf("%s", VersionText().c_str());
        return 0;
    }
    std::string lookedIn;
    if (!LocateResourceDir(ProgramResourceSearch(cl.dataDir), lookedIn)) {
        std::fprintf(stderr, "brambleton: %s", lookedIn.c_str());
        return 1;
    }
    if (!cl.checkLevel.empty()) return RunLevelCheckMode(cl);
    if (!PlatformInit(MakePlatformConfig(cl))) {
        std::fprintf(stderr,
                     "brambleton: no display to open a window on. Start it on a desktop, under an X "
                     "server (for example xvfb-run), or with --headless.\n");
        return 1;
    }

    ReadMarkerFiles();
    // The title of the language in use is set once the settings are read (StartGame).
    SysSetAppTitle(gameName);
    if (!cl.userDir.empty()) SetUserDirOverride(cl.userDir);

    RegisterGameParts(cl);
    if (!cl.screen.empty() && !KnownScreenFlag(cl.screen)) {
        std::fprintf(stderr, "brambleton: --screen takes %s, not '%s'\n", ScreenFlagNames().c_str(),
                     cl.screen.c_str());
        EndProgram(2);
    }
    InstallRunTools(cl);

    StartOptions start;
    start.seedGiven = cl.seedGiven;
    start.seed = cl.seed;
    start.displayMode = cl.displayMode;
    if (!cl.language.empty()) {
        if (FindLanguage(cl.language)) start.language = FindLanguage(cl.language)->code;
        else
            std::printf(
                "brambleton: the game does not speak '%s' (it speaks %s); the usual language is used\n",
                cl.language.c_str(), LanguageCodes().c_str());
    }
    // A plain start shows the cards, the loading screen and the main menu; a
    // run of one level, puzzle, screen or GUI script loads unseen and starts there.
    if (cl.level.empty() && cl.puzzle.empty() && cl.gui.empty() && cl.screen.empty() &&
        cl.levelSheet.empty()) {
        start.showLoading = FrontEndLoading();
        // The virtual player starts with the cards, so it plays the whole game.
        if (cl.autoplay) StartWholeGameRun(cl);
    }
    StartGame(start);

    if (!cl.gui.empty()) return RunGuiPreviewMode(cl.gui);
    if (!cl.levelSheet.empty()) EndProgram(RunLevelSheetMode(cl));
    if (!cl.level.empty()) where = PrepareLevelRun(cl);
    else if (!cl.puzzle.empty()) where = PreparePuzzleRun(cl);
    else if (!cl.screen.empty()) where = PrepareScreenRun(cl.screen, cl.autoplay);
    Control::mainloop();
}
