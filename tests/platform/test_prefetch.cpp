// Pictures decoded ahead on the worker thread load exactly as pictures read directly, whichever
// way the load meets the worker: done, busy with that file, or not there yet.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/gfx_prefetch.h"
#include "platform/platform_internal.h"
#include "support/headless_platform.h"
#include "test_files_helper.h"

namespace {

// Waits (at most ten seconds) until the worker's state satisfies `ready`.
template <typename Ready>
bool WaitForWorker(Ready ready) {
    for (int i = 0; i < 10000; ++i) {
        if (ready(PrefetchSnapshotForTest())) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

bool PrefetchWorkerIdle() {
    return WaitForWorker([](const PrefetchSnapshot& s) { return s.queued == 0 && s.decoding.empty(); });
}

// A picture with soft edges and a black corner: masking, alpha and colours all show.
std::vector<std::uint8_t> PrefetchPattern(int w, int h, int seed) {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool corner = x < 3 && y < 3;
            rgb.push_back(corner ? 0 : static_cast<std::uint8_t>((x * 7 + seed) & 255));
            rgb.push_back(corner ? 0 : static_cast<std::uint8_t>((y * 5 + seed) & 255));
            rgb.push_back(corner ? 0 : static_cast<std::uint8_t>((x + y + seed) | 1));
        }
    }
    return rgb;
}

std::string WriteAlphaPng(const std::string& path, int w, int h) {
    Pixmap pix{w, h, {}};
    for (int i = 0; i < w * h; ++i) {
        pix.rgba.insert(pix.rgba.end(), {static_cast<std::uint8_t>(i & 255), 90, 200,
                                         static_cast<std::uint8_t>((i * 3) & 255)});
    }
    std::string bytes;
    EXPECT_TRUE(EncodePng(pix, 6, bytes));
    WriteBytes(path, bytes);
    return path;
}

void ExpectSamePicture(const Image& direct, const Image& prefetched) {
    ASSERT_TRUE(direct);
    ASSERT_TRUE(prefetched);
    EXPECT_EQ(direct->w, prefetched->w);
    EXPECT_EQ(direct->h, prefetched->h);
    EXPECT_EQ(direct->flags, prefetched->flags);
    EXPECT_EQ(direct->opaque, prefetched->opaque);
    EXPECT_EQ(direct->source, prefetched->source);
    EXPECT_FALSE(prefetched->rgba.empty());
    EXPECT_TRUE(direct->rgba == prefetched->rgba);
}

class Prefetch : public HeadlessPlatformTest {
protected:
    ScratchDir dir;

    // `count` distinct pictures large enough that decoding them takes the worker a while.
    std::vector<std::string> WriteMany(int count) {
        std::vector<std::string> paths;
        for (int i = 0; i < count; ++i) {
            paths.push_back(dir / ("many-" + std::to_string(i) + ".png"));
            EXPECT_TRUE(WriteRgbPng(paths.back(), 256, 256, PrefetchPattern(256, 256, i)));
        }
        return paths;
    }
};

}  // namespace

TEST_F(Prefetch, DecodedPicturesMatchDirectLoadsAndLeaveTheCacheWhenTaken) {
    const std::string rgbPng = dir / "rgb.png";
    const std::string jpeg = dir / "photo.jpg";
    ASSERT_TRUE(WriteRgbPng(rgbPng, 40, 30, PrefetchPattern(40, 30, 11)));
    ASSERT_TRUE(WriteJpeg(jpeg, 48, 32, PrefetchPattern(48, 32, 50)));
    const std::string alphaPng = WriteAlphaPng(dir / "alpha.png", 20, 20);
    // Black is masked out of the PNG without alpha; the JPEG is loaded unmasked.
    const Image directRgb = GfxLoadImage(rgbPng, GFX_IMAGE_DEFAULT);
    const Image directJpeg = GfxLoadImage(jpeg, GFX_IMAGE_FILTERED);
    const Image directAlpha = GfxLoadImage(alphaPng, GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(directRgb && directJpeg && directAlpha);
    ASSERT_EQ(directRgb->rgba[3], 0);  // the black corner is see-through

    GfxPrefetchImages({rgbPng, jpeg, alphaPng});
    ASSERT_TRUE(PrefetchWorkerIdle());
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 3);
    ExpectSamePicture(directRgb, GfxLoadImage(rgbPng, GFX_IMAGE_DEFAULT));
    ExpectSamePicture(directJpeg, GfxLoadImage(jpeg, GFX_IMAGE_FILTERED));
    ExpectSamePicture(directAlpha, GfxLoadImage(alphaPng, GFX_IMAGE_DEFAULT));
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 0);

    // Drawn from the cache, the picture shows its own colours.
    const Image again = GfxLoadImage(rgbPng, GFX_IMAGE_DEFAULT);
    GfxPrefetchImages({rgbPng});
    ASSERT_TRUE(PrefetchWorkerIdle());
    const Image drawn = GfxLoadImage(rgbPng, GFX_IMAGE_DEFAULT);
    GfxDrawImage(drawn, 100, 100);
    const Rgb p = PixelAt(100 + 10, 100 + 4);
    EXPECT_EQ(p.r, again->rgba[(4 * 40 + 10) * 4]);
    EXPECT_EQ(p.g, again->rgba[(4 * 40 + 10) * 4 + 1]);
}

TEST_F(Prefetch, MissingAndDamagedFilesLoadAsNothingAsBefore) {
    const std::string missing = dir / "not-there.png";
    const std::string damaged = dir / "damaged.png";
    WriteBytes(damaged, std::string("\x89PNG\r\n\x1a\n", 8) + "garbage after the signature");
    GfxPrefetchImages({missing, damaged});
    ASSERT_TRUE(PrefetchWorkerIdle());

    testing::internal::CaptureStdout();
    EXPECT_FALSE(GfxLoadImage(missing, GFX_IMAGE_DEFAULT));
    const std::string saidOfMissing = testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(GfxLoadImage(damaged, GFX_IMAGE_DEFAULT));
    const std::string saidOfDamaged = testing::internal::GetCapturedStdout();

    EXPECT_EQ(saidOfMissing, "");  // a missing picture is the caller's to mention
    EXPECT_NE(saidOfDamaged.find("Cannot read image " + damaged), std::string::npos);
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 0);
}

TEST_F(Prefetch, APictureNotYetReachedIsDecodedByTheLoaderAndLeavesTheQueue) {
    const std::vector<std::string> paths = WriteMany(4);
    std::vector<Image> direct;
    for (const auto& path : paths) direct.push_back(GfxLoadImage(path, GFX_IMAGE_DEFAULT));

    PrefetchHoldForTest(true);  // the worker keeps the first file and goes no further
    GfxPrefetchImages(paths);
    ASSERT_TRUE(WaitForWorker([&](const PrefetchSnapshot& s) { return s.decoding == paths[0]; }));
    EXPECT_EQ(PrefetchSnapshotForTest().queued, 3);
    ExpectSamePicture(direct[2], GfxLoadImage(paths[2], GFX_IMAGE_DEFAULT));
    EXPECT_EQ(PrefetchSnapshotForTest().queued, 2);

    PrefetchHoldForTest(false);
    ASSERT_TRUE(PrefetchWorkerIdle());
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 3);  // the loaded one was not decoded twice
    for (int i : {3, 0, 1}) ExpectSamePicture(direct[i], GfxLoadImage(paths[i], GFX_IMAGE_DEFAULT));
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 0);
}

TEST_F(Prefetch, ALoaderWaitsForTheFileTheWorkerIsDecoding) {
    const std::vector<std::string> paths = WriteMany(2);
    const Image direct = GfxLoadImage(paths[0], GFX_IMAGE_DEFAULT);

    PrefetchHoldForTest(true);
    GfxPrefetchImages(paths);
    ASSERT_TRUE(WaitForWorker([&](const PrefetchSnapshot& s) { return s.decoding == paths[0]; }));
    // Released while the loader below waits on the worker's file.
    std::thread release([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        PrefetchHoldForTest(false);
    });
    const Image loaded = GfxLoadImage(paths[0], GFX_IMAGE_DEFAULT);
    release.join();
    ExpectSamePicture(direct, loaded);
    ASSERT_TRUE(PrefetchWorkerIdle());
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 1);  // the second file; the first was taken
}

TEST_F(Prefetch, ShutdownWithFilesStillQueuedStopsTheWorkerAndDropsTheCache) {
    const std::vector<std::string> paths = WriteMany(6);
    PrefetchHoldForTest(true);
    GfxPrefetchImages(paths);
    ASSERT_TRUE(WaitForWorker([&](const PrefetchSnapshot& s) { return s.decoding == paths[0]; }));
    StopHeadlessPlatform();  // must not wait for the hold, nor leave the worker running
    const PrefetchSnapshot after = PrefetchSnapshotForTest();
    EXPECT_EQ(after.queued, 0);
    EXPECT_EQ(after.cached, 0);
    EXPECT_EQ(after.decoding, "");

    // A new start prefetches afresh, the hold gone with the old worker.
    ASSERT_TRUE(StartHeadlessPlatform());
    GfxPrefetchImages({paths[5]});
    ASSERT_TRUE(PrefetchWorkerIdle());
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 1);
    EXPECT_EQ(GfxImageWidth(GfxLoadImage(paths[5], GFX_IMAGE_DEFAULT)), 256);

    // Shutting down with the worker mid-queue, unheld, ends as cleanly.
    GfxPrefetchImages(paths);
    StopHeadlessPlatform();
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 0);
    ASSERT_TRUE(StartHeadlessPlatform());  // the fixture shuts down once more
}
