// Files decoded on the game thread are counted (frame statistics name the frames they slowed):
// a picture never asked for ahead, one asked for but not reached yet, never one decoded on the
// side. Pictures drawn turned by the software renderer are asked for ahead with their files, and
// a grabbed screen is held once, as a texture, its next grab reusing it. Turned copies let go
// keep the pixels they are made from.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/gfx_prefetch.h"
#include "platform/gfx_turned.h"
#include "platform/load_counts.h"
#include "platform/platform_internal.h"
#include "support/headless_platform.h"
#include "test_files_helper.h"

namespace {

bool WorkerIdle() {
    for (int i = 0; i < 10000; ++i) {
        const PrefetchSnapshot s = PrefetchSnapshotForTest();
        if (s.queued == 0 && s.decoding.empty()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// A soft-edged picture in colours that are never black.
std::string WritePicture(const ScratchDir& dir, const std::string& name, int side) {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            rgb.insert(rgb.end(),
                       {static_cast<std::uint8_t>(40 + x * 3), static_cast<std::uint8_t>(200 - y * 2),
                        static_cast<std::uint8_t>(90 + (x + y) % 100)});
    const std::string path = dir / name;
    EXPECT_TRUE(WriteRgbPng(path, side, side, rgb));
    return path;
}

GameThreadLoads LoadsSince(const GameThreadLoads& before) {
    const GameThreadLoads now = GameThreadLoadCounts();
    return {now.picturesUnasked - before.picturesUnasked, now.picturesNotReady - before.picturesNotReady,
            now.sounds - before.sounds, now.streamsOpened - before.streamsOpened};
}

// Turned and blended: the software renderer draws it from a turned copy of its pixels.
void DrawTurned(const Image& img) {
    GfxResetDrawState();
    GfxSetAlpha(0.8f);
    GfxSetRotation(30);
    GfxDrawImage(img, 100, 100);
    GfxResetDrawState();
}

class GameThreadLoadsTest : public HeadlessPlatformTest {
protected:
    ScratchDir dir;
};

}  // namespace

TEST_F(GameThreadLoadsTest, OnlyPicturesDecodedHereAreCountedAndAskedOnesApart) {
    const std::string direct = WritePicture(dir, "direct.png", 32);
    const std::string ahead = WritePicture(dir, "ahead.png", 32);
    const std::string held = WritePicture(dir, "held.png", 32);
    const std::string late = WritePicture(dir, "late.png", 32);

    GameThreadLoads start = GameThreadLoadCounts();
    ASSERT_TRUE(GfxLoadImage(direct, GFX_IMAGE_DEFAULT));
    GameThreadLoads d = LoadsSince(start);
    EXPECT_EQ(d.picturesUnasked, 1);
    EXPECT_EQ(d.picturesNotReady, 0);

    start = GameThreadLoadCounts();
    GfxPrefetchImages({ahead});
    ASSERT_TRUE(WorkerIdle());
    ASSERT_TRUE(GfxLoadImage(ahead, GFX_IMAGE_DEFAULT));
    d = LoadsSince(start);
    EXPECT_EQ(d.picturesUnasked + d.picturesNotReady, 0);

    // Asked for, but the worker has not come to it: decoded here, and counted as late.
    PrefetchHoldForTest(true);
    GfxPrefetchImages({held, late});
    start = GameThreadLoadCounts();
    ASSERT_TRUE(GfxLoadImage(late, GFX_IMAGE_DEFAULT));
    d = LoadsSince(start);
    EXPECT_EQ(d.picturesUnasked, 0);
    EXPECT_EQ(d.picturesNotReady, 1);
    PrefetchHoldForTest(false);
    ASSERT_TRUE(WorkerIdle());
    GfxStopPrefetch();
}

TEST_F(GameThreadLoadsTest, ATurnedPictureAskedForAheadIsNotDecodedByItsFirstTurnedDraw) {
    const std::string path = WritePicture(dir, "chip.png", 24);
    const Image chip = GfxLoadImage(path, GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(chip);
    GfxDrawImage(chip, 10, 10);  // its texture is made: its pixels go
    ASSERT_TRUE(chip->rgba.empty());

    GfxPrefetchTurnedPixels({chip, nullptr});
    ASSERT_TRUE(WorkerIdle());
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 1);
    const GameThreadLoads start = GameThreadLoadCounts();
    DrawTurned(chip);
    const GameThreadLoads d = LoadsSince(start);
    EXPECT_EQ(d.picturesUnasked + d.picturesNotReady, 0);
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 0);

    // Its pixels are kept for its turns from now on: nothing more to ask for.
    GfxPrefetchTurnedPixels({chip});
    EXPECT_EQ(PrefetchSnapshotForTest().queued + PrefetchSnapshotForTest().cached, 0);
    EXPECT_EQ(PrefetchSnapshotForTest().decoding, "");

    // Without asking, the first turned draw of a picture decodes its file here.
    const Image other = GfxLoadImage(WritePicture(dir, "other.png", 24), GFX_IMAGE_DEFAULT);
    GfxDrawImage(other, 10, 10);
    const GameThreadLoads before = GameThreadLoadCounts();
    DrawTurned(other);
    EXPECT_EQ(LoadsSince(before).picturesUnasked, 1);
}

TEST_F(GameThreadLoadsTest, AGrabbedScreenIsHeldOnceAndItsNextGrabReusesIt) {
    GfxCls();
    GfxSetColor(200, 40, 40);
    GfxDrawRect(0, 0, 64, 64);
    GfxResetDrawState();
    const Image first = GfxGrabImage(0, 0, 64, 64);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->rgba.empty());  // no second copy of its pixels
    EXPECT_FALSE(GfxImageLost(first));

    GfxCls();
    GfxDrawImage(first, 100, 0);
    EXPECT_EQ(PixelAt(110, 10).r, 200);
    EXPECT_EQ(PixelAt(110, 10).g, 40);

    GfxCls();
    GfxSetColor(30, 180, 60);
    GfxDrawRect(0, 0, 64, 64);
    GfxResetDrawState();
    const Image second = GfxGrabImage(0, 0, 64, 64, first);
    EXPECT_EQ(second, first);
    GfxCls();
    GfxDrawImage(second, 100, 0);
    EXPECT_EQ(PixelAt(110, 10).g, 180);

    // Another size makes another picture; a grab outside the buffer makes none.
    const Image smaller = GfxGrabImage(0, 0, 32, 32, first);
    ASSERT_TRUE(smaller);
    EXPECT_NE(smaller, first);
    EXPECT_FALSE(GfxGrabImage(0, 0, 0, 32));
}

TEST_F(GameThreadLoadsTest, TurnedCopiesLetGoKeepTheirPixelsAndDrawTheSameAgain) {
    const Image chip = GfxLoadImage(WritePicture(dir, "turned.png", 24), GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(chip);
    GfxDrawImage(chip, 10, 10);  // the texture takes its pixels
    GfxCls();
    DrawTurned(chip);  // decodes the file once for the turns
    const Pixmap before = GfxGrabPixmap(80, 80, 40, 40);
    ASSERT_GT(GfxTurnedCopiesHeld(), 0u);

    GfxLetTurnedCopiesGo();
    EXPECT_EQ(GfxTurnedCopiesHeld(), 0u);
    EXPECT_EQ(GfxTurnedCopyPixels(), 0);

    const GameThreadLoads start = GameThreadLoadCounts();
    GfxCls();
    DrawTurned(chip);
    const GameThreadLoads d = LoadsSince(start);
    EXPECT_EQ(d.picturesUnasked + d.picturesNotReady, 0);  // made again from the pixels kept
    EXPECT_TRUE(GfxGrabPixmap(80, 80, 40, 40).rgba == before.rgba);
    EXPECT_EQ(GfxTurnedCopiesHeld(), 1u);
}

// A faint picture (the dialogs' stripes) is drawn only once it draws without reading its file:
// the first ask queues its file on the side, and it draws from the frame the file is decoded.
TEST_F(GameThreadLoadsTest, APictureLetGoDrawsNowOnlyOnceItsFileIsDecodedOnTheSide) {
    const Image stripes = GfxLoadImage(WritePicture(dir, "stripes.png", 48), GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(stripes);
    EXPECT_TRUE(GfxImageDrawsNow(stripes));  // its own pixels
    GfxDrawImage(stripes, 0, 0);
    EXPECT_TRUE(GfxImageDrawsNow(stripes));  // its texture
    GfxReleaseImage(stripes);

    const GameThreadLoads start = GameThreadLoadCounts();
    PrefetchHoldForTest(true);
    EXPECT_FALSE(GfxImageDrawsNow(stripes));
    EXPECT_EQ(PrefetchSnapshotForTest().queued + !PrefetchSnapshotForTest().decoding.empty(), 1);
    EXPECT_FALSE(GfxImageDrawsNow(stripes));  // asked once: still one file on the side
    EXPECT_EQ(PrefetchSnapshotForTest().queued + !PrefetchSnapshotForTest().decoding.empty(), 1);
    PrefetchHoldForTest(false);
    ASSERT_TRUE(WorkerIdle());
    EXPECT_TRUE(GfxImageDrawsNow(stripes));
    GfxCls();
    GfxDrawImage(stripes, 0, 0);
    const GameThreadLoads d = LoadsSince(start);
    EXPECT_EQ(d.picturesUnasked + d.picturesNotReady, 0);
    EXPECT_EQ(PixelAt(10, 10).r, 40 + 10 * 3);  // drawn from the pixels decoded on the side
    GfxStopPrefetch();
}
