#include "frame/frame_loop.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/options.h"
#include "frame/screen.h"
#include "frame/suspend.h"
#include "frame/timing.h"

Image frameLeft;
Image frameRight;
Image pointImage;

namespace {
long framesPresented = 0;

std::vector<std::function<void()>>& ExitHooks() {
    static std::vector<std::function<void()>> hooks;
    return hooks;
}

struct AfterFrameHook {
    std::function<void()> hook;
    bool alsoWhilePaused = false;
};

std::vector<AfterFrameHook>& AfterFrameHooks() {
    static std::vector<AfterFrameHook> hooks;
    return hooks;
}

void RunAfterFrameHooks(bool paused) {
    for (auto& h : AfterFrameHooks()) {
        if (!paused || h.alsoWhilePaused) h.hook();
    }
}

// Right Alt + F with the developer marker: the play area as "screenshot.png".
void CheckScreenshotKey() {
    if (!cheats || !InKeyDown(KEY_RALT) || !InKeyHit('F')) return;
    GfxSavePng(GfxGrabPixmap(sideOffset, 0, 1024, 768), "screenshot.png", 5);
}
}  // namespace

TFrameHooks& FrameHooks() {
    static TFrameHooks hooks;
    return hooks;
}

long FrameCount() { return framesPresented; }

void AddAfterFrameHook(std::function<void()> hook) { AfterFrameHooks().push_back({std::move(hook), false}); }

void AddAfterAnyFrameHook(std::function<void()> hook) {
    AfterFrameHooks().push_back({std::move(hook), true});
}

void PresentPausedFrame() {
    GfxFlip(-1);
    ++framesPresented;
    RunAfterFrameHooks(true);
}

void AddExitHook(std::function<void()> hook) { ExitHooks().push_back(std::move(hook)); }

void EndProgram(int status) {
    // Hooks may end the program themselves (a frame limit reached while
    // saving); run each one once.
    auto hooks = std::move(ExitHooks());
    ExitHooks().clear();
    for (auto& hook : hooks) hook();
    std::fflush(stdout);
    PlatformShutdown();
    std::exit(status);
}

void UpdateDelta() {
    deltaTime.Update();
    // After a stall (a window being dragged, a slow disk) motion continues
    // from where it was instead of jumping a long way in one frame.
    frameDelta = std::min(deltaTime.CurrDelta(), MAX_FRAME_DELTA);
    SysPoll();
}

namespace {
// A save notice waiting since the last frame, over the screen whose frame starts. The notice's
// own frames start here too: it never shows over itself.
void ShowPendingSaveNotice(TEkran* screen) {
    static bool showing = false;
    if (showing) return;
    const SaveNotice notice = PendingSaveNotice();
    auto& show = FrameHooks().showSaveNotice;
    if (notice == SaveNotice::None || !show) return;
    showing = true;
    if (show(screen, notice)) TakeSaveNotice();
    showing = false;
}
}  // namespace

void CommonUpdate(TEkran* screen) {
    ShowPendingSaveNotice(screen);
    // An Enter hit still counted here was left unread by the last frame: it
    // is no answer to what the screen shows now.
    InKeyHit(KEY_ENTER);
    UpdateDelta();
    mouse.update();
    auto& hooks = FrameHooks();
    if (hooks.soundUpdate) hooks.soundUpdate();
    // Alt+Enter switches the display; the platform never counts it as an
    // Enter for the screen. A plain Enter of this frame is left for the
    // screen (a dialog answers with it).
    if (InAltEnterHit() > 0) options.SwitchScreen();
    if (SysAppSuspended() && !(screen && screen->keepsRunningWhenSuspended())) SuspendLoop();
    const int f4Hits = InKeyHit(KEY_F1 + 3);
    if (SysAppTerminate() || (InKeyDown(KEY_LALT) && f4Hits > 0)) EndProgram(0);
}

namespace {
long sideFramesDrawnAt = -1;  // the frame whose still layer holds the side pictures
}  // namespace

void DrawSideFrames() {
    const GfxStateScope keep;
    GfxResetDrawState();
    GfxSetOrigin(0, 0);
    GfxDrawImage(frameLeft, static_cast<float>(sideOffset - 171), 0);
    GfxDrawImage(frameRight, static_cast<float>(sideOffset + 1024), 0);
    sideFramesDrawnAt = framesPresented;
}

void FinishFrame() {
    GfxResetDrawState();
    if (sideFramesDrawnAt != framesPresented) DrawSideFrames();
    GfxSetOrigin(static_cast<float>(sideOffset), 0);
    mouse.draw();
    // Grabbed before presenting: the back buffer is undefined afterwards.
    CheckScreenshotKey();
    GfxFlip(-1);
    ++framesPresented;
    GfxCls();  // the frame's one clear: the next frame starts from black
    RunAfterFrameHooks(false);
}

bool SaveAll() {
    bool saved = options.SaveSettings();
    auto& hooks = FrameHooks();
    if (hooks.saveProfiles && !hooks.saveProfiles()) saved = false;
    NoteSaveResult(saved);
    return saved;
}

namespace {
std::function<void(double, double)>& FrameTimeObserver() {
    static std::function<void(double, double)> observer;
    return observer;
}
}  // namespace

void SetFrameTimeObserver(std::function<void(double, double)> observer) {
    FrameTimeObserver() = std::move(observer);
}

namespace {
using Clock = std::chrono::steady_clock;
// Time spent in dialog loops run inside a frame (in its update), their frames
// and what runs between them: those frames are reported on their own, not as
// the update of the frame around them.
double nestedMs = 0;

double MsBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}
}  // namespace

void ScreenFrame(TEkran& screen, bool wholeStill) {
    const double nestedBefore = nestedMs;
    // No clear here: FinishFrame clears after presenting, so every frame (and
    // the caller's, after a dialog's loop) starts from black.
    const auto start = Clock::now();
    screen.update();
    const auto updated = Clock::now();
    {
        // A dialog and the screen under it are compared with the last frame's drawing as a
        // whole: a dialog waiting for an answer redraws and shows only what changed.
        std::optional<TStillDrawing> still;
        if (wholeStill) still.emplace();
        screen.draw();
    }
    FinishFrame();
    const auto drawn = Clock::now();
    const double inner = nestedMs - nestedBefore;
    nestedMs = nestedBefore + MsBetween(start, drawn);
    if (auto& observer = FrameTimeObserver()) {
        observer(std::max(0.0, MsBetween(start, updated) - inner), MsBetween(updated, drawn));
    }
}

void RunDialogLoop(TEkran& dialog, const std::function<void()>& afterFrame,
                   const std::function<bool()>& done) {
    const auto start = Clock::now();
    const double nestedBefore = nestedMs;
    {
        const TScreenShown backing(DialogBacking());
        const TScreenShown shown(dialog);
        while (!done()) {
            ScreenFrame(dialog, true);
            if (afterFrame) afterFrame();
        }
    }
    // The whole loop, with what runs between its frames, is the dialog's own time.
    nestedMs = nestedBefore + MsBetween(start, Clock::now());
}
