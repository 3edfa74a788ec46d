// Pictures let go and taken again: a released picture keeps its size and handle, holds no
// pixels, and draws exactly as before; its file can be decoded on the side ahead of the draw,
// and what was decoded and never drawn can be dropped.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/gfx_prefetch.h"
#include "platform/platform_internal.h"
#include "support/headless_platform.h"
#include "test_files_helper.h"

namespace {

// A picture of 64 x 48 in stripes of three colours (no black, so masking leaves it whole).
std::string WriteStripes(const ScratchDir& dir, const std::string& name) {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const int band = (x / 8) % 3;
            rgb.insert(rgb.end(), {static_cast<std::uint8_t>(band == 0 ? 220 : 20),
                                   static_cast<std::uint8_t>(band == 1 ? 200 : 30),
                                   static_cast<std::uint8_t>(band == 2 ? 180 : 40)});
        }
    }
    const std::string path = dir / name;
    EXPECT_TRUE(WriteRgbPng(path, 64, 48, rgb));
    return path;
}

bool WaitUntilCached(int count) {
    for (int i = 0; i < 10000; ++i) {
        const PrefetchSnapshot s = PrefetchSnapshotForTest();
        if (s.cached == count && s.queued == 0 && s.decoding.empty()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

std::vector<Rgb> Row(int y) {
    std::vector<Rgb> row;
    for (int x = 0; x < 64; x += 4) row.push_back(PixelAt(x, y));
    return row;
}

bool SameRow(const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].r != b[i].r || a[i].g != b[i].g || a[i].b != b[i].b) return false;
    }
    return true;
}

class ImageRelease : public HeadlessPlatformTest {
protected:
    ScratchDir dir;
    void TearDown() override {
        GfxStopPrefetch();
        HeadlessPlatformTest::TearDown();
    }
};

}  // namespace

TEST_F(ImageRelease, AReleasedPictureHoldsNothingAndDrawsAsBefore) {
    const long long before = GfxResidentImageBytes();
    Image img = GfxLoadImage(WriteStripes(dir, "a.png"), GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(img);
    GfxSetHandle(img, 3, 5);
    EXPECT_EQ(GfxResidentImageBytes() - before, 64 * 48 * 4);  // decoded pixels
    GfxDrawImage(img, 3, 5);
    EXPECT_EQ(GfxResidentImageBytes() - before, 64 * 48 * 4);  // now the texture's
    const std::vector<Rgb> drawn = Row(20);

    GfxReleaseImage(img);
    EXPECT_EQ(GfxResidentImageBytes(), before);
    EXPECT_TRUE(img->rgba.empty());
    EXPECT_EQ(img->tex, nullptr);
    EXPECT_EQ(GfxImageWidth(img), 64);
    EXPECT_EQ(GfxImageHeight(img), 48);
    EXPECT_FLOAT_EQ(GfxImageHandleX(img), 3);
    EXPECT_FLOAT_EQ(GfxImageHandleY(img), 5);

    GfxCls();
    GfxDrawImage(img, 3, 5);
    EXPECT_TRUE(SameRow(Row(20), drawn));
    EXPECT_EQ(GfxResidentImageBytes() - before, 64 * 48 * 4);
}

TEST_F(ImageRelease, AMadePictureKeepsItsPixels) {
    const std::vector<std::uint8_t> rgba(8 * 8 * 4, 200);
    Image made = GfxCreateImage(8, 8, rgba.data(), GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(made);
    GfxReleaseImage(made);
    EXPECT_EQ(made->rgba.size(), rgba.size());
    GfxReleaseImage(nullptr);  // nothing to let go
}

TEST_F(ImageRelease, ReleasedPicturesAreDecodedAheadAndTakenByTheDraw) {
    Image a = GfxLoadImage(WriteStripes(dir, "a.png"), GFX_IMAGE_DEFAULT);
    Image b = GfxLoadImage(WriteStripes(dir, "b.png"), GFX_IMAGE_DEFAULT);
    Image held = GfxLoadImage(WriteStripes(dir, "c.png"), GFX_IMAGE_DEFAULT);
    GfxReleaseImage(a);
    GfxReleaseImage(b);
    // Only pictures that were let go are queued: the held one has its pixels.
    GfxPrefetchReleasedImages({a, b, held, nullptr});
    ASSERT_TRUE(WaitUntilCached(2));
    GfxDrawImage(a, 0, 0);
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 1);  // a's pixels came from the cache
    EXPECT_EQ(PixelAt(1, 1).r, 220);
    // b was never drawn: what was decoded for it goes.
    GfxForgetPrefetchedImages({a, b});
    EXPECT_EQ(PrefetchSnapshotForTest().cached, 0);
    EXPECT_TRUE(b->rgba.empty());
}

TEST(ImageReleaseNull, TheNullRendererDecodesNothingAhead) {
    ASSERT_TRUE(StartHeadlessPlatform(RendererKind::Null));
    ScratchDir dir;
    Image img = GfxLoadImage(WriteStripes(dir, "a.png"), GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(img);
    GfxReleaseImage(img);
    GfxPrefetchReleasedImages({img});
    const PrefetchSnapshot s = PrefetchSnapshotForTest();
    EXPECT_EQ(s.queued + s.cached, 0);
    EXPECT_TRUE(s.decoding.empty());
    EXPECT_EQ(GfxImageWidth(img), 64);
    GfxStopPrefetch();
    StopHeadlessPlatform();
}
