// Pictures over the pixel budget: a file whose header claims more than 4096 x 4096 pixels is
// refused before anything is decoded, and a picture that would take all pictures alive past
// their budget too; either is then a missing picture, with a message naming the file.
#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

#include "platform/gfx_prefetch.h"
#include "platform/gfx_turned.h"
#include "platform/image_codecs.h"
#include "platform/platform_internal.h"
#include "platform/process.h"
#include "support/headless_platform.h"
#include "test_files_helper.h"

namespace {

void PutBigEndian(std::string& bytes, size_t at, std::uint32_t value, int width) {
    for (int k = 0; k < width; ++k)
        bytes[at + static_cast<size_t>(k)] = static_cast<char>((value >> (8 * (width - 1 - k))) & 0xFF);
}

// A small PNG whose header claims w x h pixels (its CRC made right again).
std::string PngClaiming(const ScratchDir& dir, std::uint32_t w, std::uint32_t h) {
    const std::string path = dir / "claims.png";
    EXPECT_TRUE(WriteRgbPng(path, 4, 4, std::vector<std::uint8_t>(48, 90)));
    std::string bytes = ReadBytes(path);
    // Signature (8), length (4), "IHDR", then width and height.
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    PutBigEndian(bytes, 16, w, 4);
    PutBigEndian(bytes, 20, h, 4);
    const auto* chunk = reinterpret_cast<const Bytef*>(bytes.data() + 12);
    PutBigEndian(bytes, 29, static_cast<std::uint32_t>(crc32(0, chunk, 17)), 4);
    WriteBytes(path, bytes);
    return path;
}

// A small JPEG whose frame header claims w x h pixels.
std::string JpegClaiming(const ScratchDir& dir, std::uint16_t w, std::uint16_t h) {
    const std::string path = dir / "claims.jpg";
    EXPECT_TRUE(WriteJpeg(path, 8, 8, std::vector<std::uint8_t>(192, 90)));
    std::string bytes = ReadBytes(path);
    const size_t sof = bytes.find("\xFF\xC0");
    EXPECT_NE(sof, std::string::npos);
    // Marker (2), length (2), precision (1), then height and width.
    PutBigEndian(bytes, sof + 5, h, 2);
    PutBigEndian(bytes, sof + 7, w, 2);
    WriteBytes(path, bytes);
    return path;
}

class ImageBudget : public HeadlessPlatformTest {
protected:
    ScratchDir dir;
    void TearDown() override {
        GfxSetImagePixelBudget(IMAGE_PIXEL_BUDGET);
        HeadlessPlatformTest::TearDown();
    }
};

}  // namespace

TEST_F(ImageBudget, AHeaderOverTheBudgetIsRefusedBeforeDecoding) {
    for (const std::string& path : {PngClaiming(dir, 16384, 16384), JpegClaiming(dir, 16384, 16384),
                                    PngClaiming(dir, 4097, 4096), JpegClaiming(dir, 4096, 4097)}) {
        Image img;
        const std::string log = SysCaptureOutput([&] { img = GfxLoadImage(path, GFX_IMAGE_DEFAULT); });
        EXPECT_FALSE(img) << path;
        EXPECT_NE(log.find(path), std::string::npos) << log;
        EXPECT_NE(log.find("more than the"), std::string::npos) << log;
    }
    // The decoders themselves refuse it, the prefetching worker included.
    DecodedImage out;
    std::string error;
    EXPECT_FALSE(DecodePng(ReadBytes(PngClaiming(dir, 16384, 16384)), out, error));
    EXPECT_TRUE(out.rgba.empty());
}

TEST_F(ImageBudget, AtTheBudgetAPictureIsStillRead) {
    // 4096 x 1 passes the header check and decodes (a damaged body reads as an error, not a size).
    ASSERT_TRUE(WriteRgbPng(dir / "wide.png", 4096, 1, std::vector<std::uint8_t>(4096 * 3, 90)));
    EXPECT_TRUE(GfxLoadImage(dir / "wide.png", GFX_IMAGE_DEFAULT));
}

TEST_F(ImageBudget, PicturesAliveAtOnceHaveABudget) {
    ASSERT_TRUE(WriteRgbPng(dir / "a.png", 64, 64, std::vector<std::uint8_t>(64 * 64 * 3, 90)));
    // Room for what is alive now and two more of these.
    GfxSetImagePixelBudget(GfxImagePixelsAlive() + 2 * 64 * 64);
    Image first = GfxLoadImage(dir / "a.png", GFX_IMAGE_DEFAULT);
    Image second = GfxLoadImage(dir / "a.png", GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    Image third;
    const std::string log = SysCaptureOutput([&] { third = GfxLoadImage(dir / "a.png", GFX_IMAGE_DEFAULT); });
    EXPECT_FALSE(third);
    EXPECT_NE(log.find(dir / "a.png"), std::string::npos) << log;
    // A picture let go frees its share.
    first.reset();
    EXPECT_TRUE(GfxLoadImage(dir / "a.png", GFX_IMAGE_DEFAULT));
}

namespace {

// The null renderer draws nothing: a picture loaded there keeps its size, read from the header.
class NullRendererImages : public ::testing::Test {
protected:
    ScratchDir dir;
    void SetUp() override { ASSERT_TRUE(StartHeadlessPlatform(RendererKind::Null)); }
    void TearDown() override { StopHeadlessPlatform(); }
};

}  // namespace

TEST_F(NullRendererImages, APictureKeepsItsSizeAndGivesItsPixelsWhenAsked) {
    std::vector<std::uint8_t> rgb(6 * 3 * 3, 0);
    rgb[0] = 200;  // the first pixel red
    ASSERT_TRUE(WriteRgbPng(dir / "p.png", 6, 3, rgb));
    ASSERT_TRUE(WriteJpeg(dir / "p.jpg", 16, 8, std::vector<std::uint8_t>(16 * 8 * 3, 90)));
    const Image png = GfxLoadImage(dir / "p.png", GFX_IMAGE_DEFAULT);
    const Image jpg = GfxLoadImage(dir / "p.jpg", GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(png);
    ASSERT_TRUE(jpg);
    EXPECT_EQ(GfxImageWidth(png), 6);
    EXPECT_EQ(GfxImageHeight(png), 3);
    EXPECT_EQ(GfxImageWidth(jpg), 16);
    EXPECT_EQ(GfxImageHeight(jpg), 8);
    // No pixels held, none decoded ahead, even when asked...
    EXPECT_TRUE(png->rgba.empty());
    PrefetchHoldForTest(true);
    GfxPrefetchImages({dir / "p.jpg"});
    const PrefetchSnapshot ahead = PrefetchSnapshotForTest();
    PrefetchHoldForTest(false);
    EXPECT_EQ(ahead.queued, 0);
    EXPECT_EQ(ahead.decoding, "");
    // ...yet whoever asks for them gets them from the file.
    std::vector<std::uint8_t> pixels;
    ASSERT_TRUE(GfxImagePixels(*png, pixels));
    ASSERT_EQ(pixels.size(), 6u * 3 * 4);
    EXPECT_EQ(pixels[0], 200);
    EXPECT_EQ(pixels[3], 255);
}

TEST_F(NullRendererImages, HeadersOverTheBudgetOrNotPicturesAreRefusedAsWhenDrawing) {
    for (const std::string& path : {PngClaiming(dir, 16384, 16384), JpegClaiming(dir, 4096, 4097)}) {
        Image img;
        const std::string log = SysCaptureOutput([&] { img = GfxLoadImage(path, GFX_IMAGE_DEFAULT); });
        EXPECT_FALSE(img) << path;
        EXPECT_NE(log.find("more than the"), std::string::npos) << log;
    }
    WriteBytes(dir / "text.png", "not a picture at all");
    Image img;
    const std::string log =
        SysCaptureOutput([&] { img = GfxLoadImage(dir / "text.png", GFX_IMAGE_DEFAULT); });
    EXPECT_FALSE(img);
    EXPECT_NE(log.find("Cannot read image"), std::string::npos) << log;
    EXPECT_FALSE(GfxLoadImage(dir / "missing.png", GFX_IMAGE_DEFAULT));
}
