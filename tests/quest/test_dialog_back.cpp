// The screen behind a level-end dialog: drawn once per showing and copied
// afterwards, dimmed as if it were drawn every frame, and taken again for
// another caller or another showing.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "frame/globals.h"
#include "frame/screen.h"
#include "platform/gfx_prefetch.h"
#include "platform/load_counts.h"
#include "platform/platform.h"
#include "quest/level_end_dialog.h"
#include "support/headless_platform.h"

namespace {

// A caller painting the whole screen in one grey, counting its draws.
class GreyCaller : public TEkran {
public:
    int grey = 200;
    int draws = 0;
    std::function<void()> onDraw;  // tests: what the frame holds as the caller draws
    void draw() override {
        ++draws;
        if (onDraw) onDraw();
        GfxResetDrawState();
        GfxSetColor(static_cast<float>(grey), static_cast<float>(grey), static_cast<float>(grey));
        GfxDrawRect(0, 0, 1024, 768);
        GfxResetDrawState();
    }
};

// The veil the tests give the dialog: the level-end dialogs have none, but the
// picture's rules must hold for a veil too.
constexpr float kVeil = 0.45f;

class BareDialog : public TLevelEndDialog {
public:
    BareDialog() : TLevelEndDialog(100) {}
    float veil() const override { return kVeil; }
    void prepare() override { startShowing(); }
    void _checkButtons() override {}
    void draw() override { _drawBack(); }
    void _drawStripes() override {
        if (onStripes) onStripes();
        TLevelEndDialog::_drawStripes();
    }
    std::function<void()> onStripes;  // tests: what holds memory as the stripes are drawn
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
    static int Dimmed(int grey, float a) { return static_cast<int>(grey * (1 - kVeil * a) + 0.5f); }
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

namespace {
// A caller drawing a picture read from a file over its grey (a board's background).
class PictureCaller : public GreyCaller {
public:
    Image picture;
    void draw() override {
        GreyCaller::draw();
        GfxDrawImage(picture, 0, 0);
    }
};

Image WrittenPicture(int side) {
    Pixmap pix{side, side, std::vector<std::uint8_t>(static_cast<size_t>(side) * side * 4, 255)};
    for (size_t i = 0; i < pix.rgba.size(); i += 4) pix.rgba[i] = static_cast<std::uint8_t>(i % 200 + 20);
    const std::string path = ::testing::TempDir() + "covered-" + std::to_string(side) + ".png";
    if (!GfxSavePng(pix, path, 1)) return nullptr;
    return GfxLoadImage(path, GFX_IMAGE_DEFAULT);
}
}  // namespace

TEST_F(DialogBack, PicturesUnderTheGrabbedPicturesAreLetGoAndAskedForBeforeTheyAreDrawnAgain) {
    PictureCaller back;
    back.picture = WrittenPicture(256);
    const Image stripesLike = WrittenPicture(128);
    ASSERT_TRUE(back.picture && stripesLike);
    GfxDrawImage(stripesLike, 0, 0);  // its texture made, as the stripes' by the first frames
    dialog.caller = &back;
    dialog.callerPictures = {back.picture, nullptr};
    dialog.backingPictures = {stripesLike};
    long long atStripes = -1;
    dialog.onStripes = [&] {
        if (atStripes < 0) atStripes = GfxResidentImageBytes();
    };
    Frame();
    const long long grabbed = GfxResidentImageBytes();  // the board's picture went after its grab
    EXPECT_EQ(atStripes, grabbed) << "the board's picture goes before the stripes take memory";
    EXPECT_EQ(back.draws, 1);
    for (int frame = 0; frame < 30; frame++) Frame();
    ASSERT_FLOAT_EQ(dialog.stripeA, 1);
    // The plain picture took the dimmed one in place: only the backing's picture went since.
    EXPECT_EQ(GfxResidentImageBytes(), grabbed - 128 * 128 * 4);
    EXPECT_EQ(back.draws, 1);

    dialog.dStripeA = 0;  // the stripes leave: the caller is drawn again, its picture decoded ahead
    const GameThreadLoads before = GameThreadLoadCounts();
    for (int frame = 0; frame < 30; frame++) Frame();
    EXPECT_GE(back.draws, 2);
    EXPECT_EQ(GameThreadLoadCounts().picturesUnasked, before.picturesUnasked);
    EXPECT_EQ(PixelAt(10, 10).r, (10 * 256 + 10) * 4 % 200 + 20);  // drawn again as it was
}

// The stripes are asked for by the dialog's first frame, after the caller's picture is taken;
// while their file is still decoded on the side they are left out (faint at first, a frame or two
// late is unseen) rather than decoded in a frame, and the dimmed picture waits for them.
TEST_F(DialogBack, StripesStillDecodingAreLeftOutAndTheDimmedPictureWaitsForThem) {
    const Image saved = stripesImage;
    stripesImage = WrittenPicture(128);
    ASSERT_TRUE(stripesImage);
    GfxReleaseImage(stripesImage);
    const GameThreadLoads before = GameThreadLoadCounts();
    PrefetchHoldForTest(true);
    for (int frame = 0; frame < 30; frame++) Frame();
    ASSERT_FLOAT_EQ(dialog.stripeA, 1);
    EXPECT_EQ(PixelAt(10, 10).r, PixelAt(500, 400).r) << "no stripes while their file is decoded";
    EXPECT_FALSE(dialog.callerPicture.dimmed);

    PrefetchHoldForTest(false);
    for (int i = 0; i < 5000 && !GfxImageDrawsNow(stripesImage); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Frame();
    EXPECT_NE(PixelAt(10, 10).r, PixelAt(500, 400).r) << "the stripes come in once decoded";
    EXPECT_TRUE(dialog.callerPicture.dimmed);
    const GameThreadLoads after = GameThreadLoadCounts();
    EXPECT_EQ(after.picturesUnasked + after.picturesNotReady,
              before.picturesUnasked + before.picturesNotReady);
    stripesImage = saved;
}

// Asked for before the caller's picture is taken, the stripes would be decoded on the side while
// the frame grabs it: their pixels, the grab and the caller's pictures all held at once.
TEST_F(DialogBack, TheStripesAreAskedForOnlyOnceTheCallersPictureIsTaken) {
    const Image saved = stripesImage;
    stripesImage = WrittenPicture(96);
    ASSERT_TRUE(stripesImage);
    GfxReleaseImage(stripesImage);
    dialog.backingPictures = {stripesImage};
    const std::string file = ::testing::TempDir() + "covered-96.png";
    PrefetchState atCallersDraw = PrefetchState::Done;
    board.onDraw = [&] { atCallersDraw = PrefetchStateOf(file); };
    PrefetchHoldForTest(true);
    Frame();
    EXPECT_EQ(board.draws, 1);
    EXPECT_EQ(atCallersDraw, PrefetchState::Unasked);
    EXPECT_EQ(PrefetchStateOf(file), PrefetchState::Pending)
        << "asked for by the first frame, after the grab";
    PrefetchHoldForTest(false);
    for (int i = 0; i < 5000 && !GfxImageDrawsNow(stripesImage); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    stripesImage = saved;
}
