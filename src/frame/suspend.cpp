#include "frame/suspend.h"

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/text_file.h"
#include "frame/timing.h"

std::string suspendText;
Font suspendFont;

void LoadSuspendResources() {
    suspendText = TxtLine(LoadTxtFile(gameDir + "txt/#LANG#/game.txt"), 1);
    suspendFont = GetFont(gameDir + "gfx/fonts/font1.ttf", 72);
}

void SuspendLoop() {
    auto& hooks = FrameHooks();
    if (hooks.soundPause) hooks.soundPause();
    do {
        GfxCls();
        UpdateDelta();
        GfxResetDrawState();
        GfxSetImageFont(suspendFont);
        const int x = 512 - GfxTextWidth(suspendText) / 2;
        const int y = 384 - GfxTextHeight(suspendText) / 2;
        GfxDrawText(suspendText, static_cast<float>(x), static_cast<float>(y));
        // Counted as a frame, so that a replay brings the focus back at the
        // frame it came back in the recording, and --frames ends a paused run.
        PresentPausedFrame();
        if (SysAppTerminate()) EndProgram(0);
    } while (SysAppSuspended());
    if (hooks.soundResume) hooks.soundResume();
}
