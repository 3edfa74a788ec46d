#include "app/game_parts.h"

#include <cstdio>

#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/loading_steps.h"
#include "frame/mouse.h"
#include "frame/screen.h"
#include "frame/suspend.h"
#include "gui/gui_preview.h"
#include "tools/command_line.h"

namespace {
void RegisterFrameSteps() {
    // Step numbers follow the loading order of the loading screen.
    AddLoadingStep(0, "suspend text and font", LoadSuspendResources);
    AddLoadingStep(9, "cursor", [] {
        mouse.cur = GfxLoadImage(gameDir + "gfx/cursor.png", GFX_IMAGE_DEFAULT);
        GfxSetHandle(mouse.cur, 2, 2);
    });
    AddLoadingStep(36, "stripes", [] { stripesImage = GfxLoadImage(gameDir + "gfx/stripes.png", GFX_IMAGE_DEFAULT); });
}
}  // namespace

void RegisterGameParts(const CommandLine& cl) {
    (void)cl;
    RegisterFrameSteps();
}

int RunGuiPreviewMode(const std::string& path) { RunGuiPreview(path); }

int PrepareLevelRun(const CommandLine& cl) {
    std::printf("Level runs are not available in this build: %s\n", cl.level.c_str());
    EndProgram(1);
}
