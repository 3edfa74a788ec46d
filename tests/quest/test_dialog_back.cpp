// The screen behind a level-end dialog: drawn once per showing and copied
// afterwards, dimmed as if it were drawn every frame, and taken again for
// another caller or another showing.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "frame/screen.h"
#include "platform/platform.h"
#include "quest/level_end_dialog.h"
#include "support/headless_platform.h"

namespace {

// A caller painting the whole screen in one grey, counting its draws.
class GreyCaller : public TEkran {
public:
    int grey = 200;
    int draws = 0;
    void draw() override {
        ++draws;
        GfxResetDrawState();
        GfxSetColor(static_cast<float>(grey), static_cast<float>(grey), static_cast<float>(grey));
        GfxDrawRect(0, 0, 1024, 768);
        GfxResetDrawState();
    }
};

class BareDialog : public TLevelEndDialog {
public:
    BareDialog() : TLevelEndDialog(100) {}
    void prepare() override { startShowing(); }
    void _checkButtons() override {}
    void draw() override { _drawBack(); }
};

class DialogBack : public HeadlessPlatformTest {
protected:
    GreyCaller board;
    BareDialog dialog;
    float savedDelta = frameDelta;
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        frameDelta = 1;  // the stripes come in over 20 frames
        dialog.caller = &board;
        dialog.prepare();
    }
    void TearDown() override {
        frameDelta = savedDelta;
        HeadlessPlatformTest::TearDown();
    }
    // One frame of the dialog from a black screen; the grey it shows.
    int Frame() {
        GfxCls();
        dialog.draw();
        return PixelAt(500, 400).r;
    }
    // The grey of `grey` under the veil at the stripes' opacity `a`.
    static int Dimmed(int grey, float a) { return static_cast<int>(grey * (1 - DIALOG_DIM * a) + 0.5f); }
};

}  // namespace

TEST_F(DialogBack, TheCallerIsDrawnOnceAndDimmedAsTheStripesComeIn) {
    for (int frame = 0; frame < 40; frame++) {
        const float veilAt = dialog.stripeA;
        EXPECT_NEAR(Frame(), Dimmed(200, veilAt), 1) << "frame " << frame;
    }
    EXPECT_FLOAT_EQ(dialog.stripeA, 1);
    EXPECT_EQ(board.draws, 1);
    EXPECT_NEAR(Frame(), Dimmed(200, 1), 1);
}

TEST_F(DialogBack, ANewShowingTakesTheCallerAgain) {
    for (int frame = 0; frame < 5; frame++) Frame();  // shown again while coming in
    board.grey = 150;
    dialog.prepare();
    EXPECT_EQ(Frame(), 150);  // veil and stripes start clear
    for (int frame = 0; frame < 30; frame++) Frame();
    board.grey = 100;  // the board changed between two showings
    dialog.prepare();
    EXPECT_EQ(Frame(), 100);
    for (int frame = 0; frame < 30; frame++) Frame();
    EXPECT_NEAR(Frame(), Dimmed(100, 1), 1);
    EXPECT_EQ(board.draws, 3);
}

TEST_F(DialogBack, AnotherCallerIsTakenAtOnce) {
    for (int frame = 0; frame < 30; frame++) Frame();
    GreyCaller other;
    other.grey = 60;
    dialog.caller = &other;
    EXPECT_NEAR(Frame(), Dimmed(60, 1), 1);
    EXPECT_EQ(other.draws, 1);
}

TEST_F(DialogBack, StripesMovingAgainRedrawTheCallerUnderTheRightVeil) {
    for (int frame = 0; frame < 30; frame++) Frame();
    dialog.dStripeA = 0;  // the stripes leave
    board.grey = 120;
    for (int frame = 0; frame < 30; frame++) {
        const float veilAt = dialog.stripeA;
        EXPECT_NEAR(Frame(), Dimmed(120, veilAt), 1) << "frame " << frame;
    }
    EXPECT_EQ(Frame(), 120);
}
