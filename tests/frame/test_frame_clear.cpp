// Every frame starts from black with one clear per frame: the picture of the
// previous frame, or of a dialog run from the update, is gone before drawing.
#include <gtest/gtest.h>

#include "frame/frame_loop.h"
#include "frame/screen.h"
#include "platform/platform.h"
#include "support/headless_platform.h"

namespace {

// Paints a white square in its draw; its update notes what the back buffer
// held when the frame began.
class PaintingScreen : public TEkran {
public:
    bool paint = true;
    Rgb seenAtUpdate{-1, -1, -1};
    void update() override { seenAtUpdate = PixelAt(20, 20); }
    void draw() override {
        if (!paint) return;
        GfxResetDrawState();
        GfxDrawRect(10, 10, 30, 30);
    }
};

class CallerOfPaintingDialog : public TEkran {
public:
    PaintingScreen dialog;
    Rgb seenAfterDialog{-1, -1, -1};
    void update() override {
        int frames = 0;
        RunDialogLoop(
            dialog, [&frames] { ++frames; }, [&frames] { return frames >= 2; });
        seenAfterDialog = PixelAt(20, 20);
    }
};

using FrameClear = HeadlessPlatformTest;

}  // namespace

TEST_F(FrameClear, TheNextFrameDoesNotSeeThePreviousOne) {
    PaintingScreen screen;
    ScreenFrame(screen);
    EXPECT_EQ(PixelAt(20, 20).r, 0);  // cleared once presented
    screen.paint = false;
    ScreenFrame(screen);
    EXPECT_EQ(screen.seenAtUpdate.r, 0);
    EXPECT_EQ(screen.seenAtUpdate.g, 0);
}

TEST_F(FrameClear, ACallerDrawsFromBlackAfterItsDialogsLoop) {
    CallerOfPaintingDialog caller;
    ScreenFrame(caller);
    EXPECT_EQ(caller.dialog.seenAtUpdate.r, 0);  // the dialog's second frame
    EXPECT_EQ(caller.seenAfterDialog.r, 0);
}
