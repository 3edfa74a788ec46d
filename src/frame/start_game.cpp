#include "frame/start_game.h"

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/language_switch.h"
#include "frame/loading_steps.h"
#include "frame/mouse.h"
#include "frame/options.h"
#include "frame/screen.h"
#include "frame/timing.h"
#include "frame/user_dir.h"
#include "platform/platform.h"

void StartGame(const StartOptions& opts) {
    SetupUserDir();
    // Without --seed every session deals different boards.
    RandSeed(opts.seedGiven ? opts.seed : RandFreshSeed());
    InSetCursorVisible(false);

    PlatformRememberRendererIn(userDir + "/data/renderer.txt");
    options.LoadSettings();
    options.forcedFullscreen = opts.displayMode;
    options.forcedLanguage = opts.language;
    UseLanguage(options.EffectiveLanguage());
    options.initScreen();

    frameLeft = GfxLoadImage(gameDir + "gfx/FrameLeft.png", GFX_IMAGE_DEFAULT);
    frameRight = GfxLoadImage(gameDir + "gfx/FrameRight.png", GFX_IMAGE_DEFAULT);
    SysSetWindowIcon();
    GfxCls();

    pointImage = GfxLoadImage(gameDir + "gfx/point.png", GFX_IMAGE_DEFAULT);
    GfxMidHandle(pointImage);

    if (opts.showLoading) {
        opts.showLoading(opts.showSplash && FsFileType("noSplash.txt") == 0);
        RunRemainingLoadingSteps();
    } else {
        RunLoadingSteps();
    }
    // The first frame after loading gets a normal frame delta.
    TEkran()._prepareDelta();
    InSetCursorVisible(mouse.isCustom == 0);
}
