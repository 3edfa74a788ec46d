// Where a picture's pixels live: a picture read from a file lets them go once
// its texture exists and reads its file again when a new renderer needs them;
// a picture made from bytes keeps them.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "platform/platform_internal.h"
#include "support/headless_platform.h"
#include "test_files_helper.h"

namespace {

// A 4 x 4 PNG in one colour (no black, so masking leaves it whole).
std::string WriteSolidPng(const ScratchDir& dir, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < 16; ++i) rgb.insert(rgb.end(), {r, g, b});
    const std::string path = dir / "solid.png";
    EXPECT_TRUE(WriteRgbPng(path, 4, 4, rgb));
    return path;
}

class ImagePixels : public HeadlessPlatformTest {
protected:
    ScratchDir dir;
};

}  // namespace

TEST_F(ImagePixels, AFilePictureLetsItsPixelsGoOnceDrawn) {
    Image img = GfxLoadImage(WriteSolidPng(dir, 30, 160, 220), GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(img);
    EXPECT_FALSE(img->rgba.empty());  // no texture yet
    GfxDrawImage(img, 10, 10);
    EXPECT_TRUE(img->rgba.empty());
    EXPECT_EQ(img->rgba.capacity(), 0u);
    const Rgb p = PixelAt(11, 11);
    EXPECT_EQ(p.r, 30);
    EXPECT_EQ(p.g, 160);
    EXPECT_EQ(p.b, 220);
}

TEST_F(ImagePixels, AMadePictureKeepsItsPixels) {
    std::vector<std::uint8_t> px(4 * 4 * 4, 200);
    Image img = GfxCreateImage(4, 4, px.data(), GFX_IMAGE_DEFAULT);
    GfxDrawImage(img, 0, 0);
    EXPECT_EQ(img->rgba.size(), px.size());  // nothing to read them again from
}

TEST_F(ImagePixels, AFilePictureIsReadAgainForANewRenderer) {
    Image img = GfxLoadImage(WriteSolidPng(dir, 30, 160, 220), GFX_IMAGE_DEFAULT);
    GfxDrawImage(img, 0, 0);
    StopHeadlessPlatform();
    ASSERT_TRUE(StartHeadlessPlatform());
    GfxDrawImage(img, 20, 20);
    EXPECT_EQ(PixelAt(21, 21).g, 160);
    EXPECT_TRUE(img->rgba.empty());
}

TEST_F(ImagePixels, APictureWhoseFileWentAwayDrawsNothingAfterARestart) {
    const std::string path = WriteSolidPng(dir, 30, 160, 220);
    Image img = GfxLoadImage(path, GFX_IMAGE_DEFAULT);
    GfxDrawImage(img, 0, 0);
    std::remove(path.c_str());
    StopHeadlessPlatform();
    ASSERT_TRUE(StartHeadlessPlatform());
    GfxDrawImage(img, 20, 20);
    EXPECT_EQ(PixelAt(21, 21).g, 0);
    EXPECT_EQ(GfxImageWidth(img), 4);  // still measures
    EXPECT_FALSE(GfxMakeShadowImage(img, 0.5f));
}

TEST_F(ImagePixels, AShadowIsMadeFromTheFileOnceThePixelsAreGone) {
    Image img = GfxLoadImage(WriteSolidPng(dir, 30, 160, 220), GFX_IMAGE_DEFAULT);
    GfxMidHandle(img);
    GfxDrawImage(img, 50, 50);
    ASSERT_TRUE(img->rgba.empty());
    Image shadow = GfxMakeShadowImage(img, 0.5f);
    ASSERT_TRUE(shadow);
    EXPECT_FLOAT_EQ(GfxImageHandleX(shadow), 2);
    GfxResetDrawState();
    GfxSetColor(200, 200, 200);
    GfxDrawRect(0, 0, 40, 40);
    GfxResetDrawState();
    GfxDrawImage(shadow, 20, 20);  // covers 18..21
    EXPECT_NEAR(PixelAt(19, 19).r, 100, 1);
    EXPECT_EQ(PixelAt(23, 23).r, 200);
}
