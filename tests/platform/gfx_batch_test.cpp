// Batches of sprites on the software renderer: upright sprites drawn as copies of the image
// stretched once to their size give the pixels of the same sprites drawn as geometry, in order,
// at any pixel scale; the stretched pictures go with their image.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "platform/gfx_batch.h"
#include "platform/gfx_turned.h"
#include "platform/platform_internal.h"
#include "support/headless_platform.h"
#include "support/pixel_compare.h"

namespace {
// A soft round spark with colour in every pixel, so that any shift or other resampling shows.
std::vector<std::uint8_t> SparkPixels(int side) {
    std::vector<std::uint8_t> px;
    const float mid = (side - 1) / 2.0f;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const float d = std::abs(x - mid) + std::abs(y - mid);
            const int a = d >= mid ? 0 : static_cast<int>(255 * (1 - d / mid));
            px.insert(px.end(),
                      {static_cast<std::uint8_t>(40 + x * 9), static_cast<std::uint8_t>(200 - y * 5),
                       static_cast<std::uint8_t>((x * y) % 256), static_cast<std::uint8_t>(a)});
        }
    }
    return px;
}

Image Spark(int side) { return GfxCreateImage(side, side, SparkPixels(side).data(), GFX_IMAGE_FILTERED); }

Image Backdrop() {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const int v = (x * 37 + y * 91) % 256;
            px.insert(px.end(), {static_cast<std::uint8_t>(v / 2), static_cast<std::uint8_t>(v / 3),
                                 static_cast<std::uint8_t>(60 + v / 4), 255});
        }
    }
    return GfxCreateImage(1024, 768, px.data(), 0);
}

// Sparkles as the water and the board throw them: fractional places, several sizes, tints and
// alphas; every `turnEvery`-th one turned or mirrored (mirrored ones stay geometry).
std::vector<GfxSprite> Sparkles(int count, int turnEvery, float margin) {
    std::vector<GfxSprite> out;
    for (int i = 0; i < count; ++i) {
        GfxSprite s;
        s.x = margin + static_cast<float>((i * 97) % static_cast<int>(1024 - 2 * margin)) + 0.37f * (i % 3);
        s.y = margin + static_cast<float>((i * 61) % static_cast<int>(768 - 2 * margin)) + 0.61f * (i % 2);
        const float scales[] = {0.25f, 0.3f, 0.5f, 1.0f, 1.7f};
        s.sx = s.sy = scales[i % 5];
        if (i % 7 == 3) s.sy *= 1.5f;
        s.r = static_cast<float>(200 + i % 50);
        s.g = i % 3 == 0 ? 0.0f : s.r;
        s.b = i % 3 == 1 ? s.r / 2 : s.r;
        s.a = 0.15f + 0.1f * static_cast<float>(i % 8);
        if (turnEvery > 0 && i % turnEvery == 0) s.rotation = 30.0f;
        if (turnEvery > 0 && i % turnEvery == 1) s.sx = -s.sx;
        out.push_back(s);
    }
    return out;
}

Pixmap Draw(bool copies, const Image& back, const Image& spark, int blend, const std::vector<GfxSprite>& s) {
    GfxSetBatchCopies(copies);
    GfxCls();
    GfxResetDrawState();
    GfxDrawImage(back, 0, 0);
    GfxDrawImageBatch(spark, blend, s.data(), s.size());
    GfxSetBatchCopies(true);
    return GfxGrabPixmap(0, 0, 1024, 768);
}

class GfxBatchTest : public HeadlessPlatformTest {
protected:
    void TearDown() override {
        GfxForceBackBufferScale(0);
        HeadlessPlatformTest::TearDown();
    }
};
}  // namespace

TEST_F(GfxBatchTest, CopiesGiveThePixelsOfTheGeometryInBothBlends) {
    const Image back = Backdrop();
    const Image spark = Spark(24);
    GfxMidHandle(spark);
    const std::vector<GfxSprite> sprites = Sparkles(600, 0, 30);
    for (int blend : {GFX_BLEND_LIGHT, GFX_BLEND_ALPHA}) {
        SCOPED_TRACE(blend);
        ExpectPixelsClose(Draw(true, back, spark, blend, sprites), Draw(false, back, spark, blend, sprites),
                          0);
    }
}

TEST_F(GfxBatchTest, SummedLightMatchesWhetherItsTintsAreNewKeptOrFading) {
    // The first frame works each tint's light out once, the second keeps it, the third finds it
    // kept; a fading sparkle has a new opacity each frame and is never kept.
    const Image back = Backdrop();
    const Image spark = Spark(24);
    std::vector<GfxSprite> sprites = Sparkles(600, 0, 30);
    const Pixmap geometry = Draw(false, back, spark, GFX_BLEND_LIGHT, sprites);
    for (int frame = 0; frame < 3; ++frame) {
        SCOPED_TRACE(frame);
        ExpectPixelsClose(Draw(true, back, spark, GFX_BLEND_LIGHT, sprites), geometry, 0);
    }
    for (int frame = 0; frame < 3; ++frame) {
        for (size_t i = 0; i < sprites.size(); i += 5)
            sprites[i].a = 0.2f + 0.05f * static_cast<float>(frame);
        SCOPED_TRACE(frame);
        ExpectPixelsClose(Draw(true, back, spark, GFX_BLEND_LIGHT, sprites),
                          Draw(false, back, spark, GFX_BLEND_LIGHT, sprites), 0);
    }
}

TEST_F(GfxBatchTest, TurnedAndMirroredSpritesKeepTheirPlaceInTheOrder) {
    // Overlapping sprites in alpha blending: any change of order changes the pixels. A turned
    // sprite of a batch gives the pixels of the same sprite drawn alone (a turned copy); the
    // others, those of geometry.
    const Image back = Backdrop();
    const Image spark = Spark(32);
    GfxSetHandle(spark, 11, 20);
    const std::vector<GfxSprite> sprites = Sparkles(900, 4, 30);
    for (int blend : {GFX_BLEND_ALPHA, GFX_BLEND_LIGHT}) {
        SCOPED_TRACE(blend);
        GfxCls();
        GfxResetDrawState();
        GfxDrawImage(back, 0, 0);
        for (const GfxSprite& s : sprites) {
            if (s.rotation == 0) {
                GfxSetBatchCopies(false);
                GfxDrawImageBatch(spark, blend, &s, 1);
                GfxSetBatchCopies(true);
                continue;
            }
            GfxResetDrawState();
            GfxSetColor(s.r, s.g, s.b);
            GfxSetAlpha(s.a);
            GfxSetScale(s.sx, s.sy);
            GfxSetRotation(s.rotation);
            GfxSetBlend(blend);
            GfxDrawImage(spark, s.x, s.y);
        }
        GfxResetDrawState();
        const Pixmap oneByOne = GfxGrabPixmap(0, 0, 1024, 768);
        ExpectPixelsClose(Draw(true, back, spark, blend, sprites), oneByOne, 0);
    }
}

TEST_F(GfxBatchTest, TurnedSpritesOfEveryOpacityMatchThemDrawnOneByOne) {
    // Blended in place, a turned sprite must give the pixels of its turn blended by the renderer,
    // at every opacity: the opaque inside of a solid picture at full opacity, its soft edge, faint
    // and invisible ones, and ones cut by the screen's edge.
    const Image back = Backdrop();
    std::vector<std::uint8_t> solid(40 * 40 * 4);
    for (std::size_t i = 0; i < solid.size(); ++i)
        solid[i] = static_cast<std::uint8_t>(i % 4 == 3 ? 255 : i * 7);
    const Image block = GfxCreateImage(40, 40, solid.data(), GFX_IMAGE_FILTERED);
    GfxMidHandle(block);
    std::vector<GfxSprite> sprites;
    for (int i = 0; i < 60; ++i) {
        GfxSprite s;
        s.x = static_cast<float>((i * 173) % 1044) - 10 + 0.3f * (i % 4);
        s.y = static_cast<float>((i * 89) % 788) - 10;
        s.sx = s.sy = 0.5f + 0.05f * (i % 9);
        s.rotation = 7.5f + 13.0f * static_cast<float>(i);
        s.g = static_cast<float>(100 + i);
        s.a = i % 3 == 0 ? 1.0f : (i % 3 == 1 ? 0.5f : 0.0f);
        sprites.push_back(s);
    }
    // Each turned into a texture of its own and blended by the renderer.
    GfxCls();
    GfxResetDrawState();
    GfxDrawImage(back, 0, 0);
    for (const GfxSprite& s : sprites) {
        const SDL_Color tint{255, static_cast<Uint8>(s.g), 255, static_cast<Uint8>(std::lround(s.a * 255))};
        ASSERT_TRUE(GfxDrawTurnedOnce(block, s.x, s.y, s.sx, s.sy, s.rotation, tint, SDL_BLENDMODE_BLEND));
    }
    const Pixmap oneByOne = GfxGrabPixmap(0, 0, 1024, 768);
    ExpectPixelsClose(Draw(true, back, block, GFX_BLEND_ALPHA, sprites), oneByOne, 0);
}

TEST_F(GfxBatchTest, TurnedSpritesWithNoPlaceOrFarAwayLeaveThePictureAsItWas) {
    // Particles fed a broken path: a place or an angle that is no number or infinite, a place far
    // off any screen.
    const Image back = Backdrop();
    const Image spark = Spark(24);
    const float nan = std::nanf("");
    const float inf = std::numeric_limits<float>::infinity();
    std::vector<GfxSprite> sprites;
    for (float bad : {nan, inf, -inf, 3e9f, -3e9f}) {
        for (int axis = 0; axis < 3; ++axis) {
            if (axis == 2 && std::isfinite(bad)) continue;  // any finite angle is an angle
            GfxSprite s;
            s.x = axis == 0 ? bad : 500;
            s.y = axis == 1 ? bad : 400;
            s.rotation = axis == 2 ? bad : 33;
            s.sx = s.sy = 0.5f;
            s.a = 0.8f;
            sprites.push_back(s);
        }
    }
    GfxCls();
    GfxResetDrawState();
    GfxDrawImage(back, 0, 0);
    const Pixmap plain = GfxGrabPixmap(0, 0, 1024, 768);
    for (int blend : {GFX_BLEND_ALPHA, GFX_BLEND_LIGHT}) {
        SCOPED_TRACE(blend);
        ExpectPixelsClose(Draw(true, back, spark, blend, sprites), plain, 0);
    }
}

TEST_F(GfxBatchTest, SparklesCutByTheEdgesMatchToo) {
    const Image back = Backdrop();
    const Image spark = Spark(24);
    GfxMidHandle(spark);
    std::vector<GfxSprite> sprites;
    for (int i = 0; i < 200; ++i) {
        GfxSprite s;
        s.x = i % 2 == 0 ? -3.0f + 0.3f * static_cast<float>(i % 9)
                         : 1021.0f + 0.3f * static_cast<float>(i % 9);
        s.y = static_cast<float>(i) * 3.7f - 4;
        s.sx = s.sy = i % 3 == 0 ? 0.25f : 1.0f;
        s.a = 0.5f;
        sprites.push_back(s);
    }
    ExpectPixelsClose(Draw(true, back, spark, GFX_BLEND_LIGHT, sprites),
                      Draw(false, back, spark, GFX_BLEND_LIGHT, sprites), 0);
}

TEST_F(GfxBatchTest, LightInsideAClipIsTheWholeBatchsLightThereAndNothingElse) {
    // A still layer redraws its changed spots with the clip set to each in turn: light summed
    // only inside the clip gives there the pixels of the whole batch, and changes nothing beyond.
    const Image back = Backdrop();
    const Image spark = Spark(24);
    GfxMidHandle(spark);
    const std::vector<GfxSprite> sprites = Sparkles(600, 0, 30);
    const Pixmap whole = Draw(true, back, spark, GFX_BLEND_LIGHT, sprites);
    GfxCls();
    GfxResetDrawState();
    GfxDrawImage(back, 0, 0);
    const Pixmap plain = GfxGrabPixmap(0, 0, 1024, 768);
    GfxSetViewport(96, 64, 160, 96);
    GfxDrawImageBatch(spark, GFX_BLEND_LIGHT, sprites.data(), sprites.size());
    GfxSetViewport(0, 0, 1024, 768);
    const Pixmap clipped = GfxGrabPixmap(0, 0, 1024, 768);
    int wrong = 0, lit = 0;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const size_t at = (static_cast<size_t>(y) * 1024 + x) * 4;
            const bool inside = x >= 96 && x < 256 && y >= 64 && y < 160;
            const Pixmap& want = inside ? whole : plain;
            for (size_t c = 0; c < 3; ++c) wrong += clipped.rgba[at + c] != want.rgba[at + c] ? 1 : 0;
            lit += inside && clipped.rgba[at] != plain.rgba[at] ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(lit, 1000);
}

TEST_F(GfxBatchTest, APlainDrawAfterABatchShowsTheImagesOwnColours) {
    // The renderer leaves the last sprite's tint and alpha on the image's texture.
    std::vector<std::uint8_t> px;
    for (int i = 0; i < 64; ++i) px.insert(px.end(), {200, 100, 50, 255});
    const Image img = GfxCreateImage(8, 8, px.data(), GFX_IMAGE_FILTERED);
    GfxSprite s;
    s.x = s.y = 10;
    s.r = 128;
    s.a = 0.5f;
    GfxSetBatchCopies(false);
    GfxDrawImageBatch(img, GFX_BLEND_LIGHT, &s, 1);
    GfxSetBatchCopies(true);
    GfxCls();
    GfxResetDrawState();
    GfxDrawImage(img, 10, 10);
    const Rgb drawn = PixelAt(12, 12);
    EXPECT_EQ(drawn.r, 200);
    EXPECT_EQ(drawn.g, 100);
    EXPECT_EQ(drawn.b, 50);
}

TEST_F(GfxBatchTest, CopiesMatchAtTwoRealPixelsPerLogicalOne) {
    GfxForceBackBufferScale(2);
    const Image back = Backdrop();
    const Image spark = Spark(24);
    GfxMidHandle(spark);
    const std::vector<GfxSprite> sprites = Sparkles(600, 0, 30);
    ExpectPixelsClose(Draw(true, back, spark, GFX_BLEND_LIGHT, sprites),
                      Draw(false, back, spark, GFX_BLEND_LIGHT, sprites), 0);
}

TEST_F(GfxBatchTest, StretchedPicturesGoWithTheirImage) {
    const Image back = Backdrop();
    const std::vector<GfxSprite> sprites = Sparkles(50, 0, 30);
    std::size_t perImage = 0;
    {
        const Image spark = Spark(24);
        GfxDrawImageBatch(spark, GFX_BLEND_LIGHT, sprites.data(), sprites.size());
        perImage = GfxBatchPicturesHeld();  // one per size
        EXPECT_GE(perImage, 5u);
    }
    EXPECT_EQ(GfxBatchPicturesHeld(), 0u);
    // A second image of the same look gets pictures of its own, which draw the same.
    const Image spark = Spark(24);
    const Pixmap first = Draw(true, back, spark, GFX_BLEND_LIGHT, sprites);
    EXPECT_EQ(GfxBatchPicturesHeld(), perImage);
    ExpectPixelsClose(Draw(true, back, spark, GFX_BLEND_LIGHT, sprites), first, 0);
    EXPECT_EQ(GfxBatchPicturesHeld(), perImage);
}

TEST_F(GfxBatchTest, APictureLetGoTakesItsStretchesAlongAndDrawsAsBeforeAfter) {
    const Image back = Backdrop();
    const std::vector<GfxSprite> sprites = Sparkles(50, 0, 30);
    const std::string path = (std::filesystem::temp_directory_path() / "batch_spark_test.png").string();
    ASSERT_TRUE(GfxSavePng(Pixmap{24, 24, SparkPixels(24)}, path, 1));
    const Image spark = GfxLoadImage(path, GFX_IMAGE_FILTERED);
    ASSERT_TRUE(spark);
    const Pixmap before = Draw(true, back, spark, GFX_BLEND_LIGHT, sprites);
    EXPECT_GE(GfxBatchPicturesHeld(), 5u);
    GfxReleaseImage(spark);
    EXPECT_EQ(GfxBatchPicturesHeld(), 0u);
    ExpectPixelsClose(Draw(true, back, spark, GFX_BLEND_LIGHT, sprites), before, 0);
    std::filesystem::remove(path);
}

TEST_F(GfxBatchTest, ALightBatchWithPicturesTooLargeToKeepEndsInCopiesAndGeometry) {
    // Many sparkles are summed in tiles; from the first sprite whose stretch is too large to keep
    // on, the rest are drawn one by one, and light adds up the same either way.
    const Image back = Backdrop();
    const Image spark = Spark(24);
    std::vector<GfxSprite> sprites = Sparkles(300, 0, 30);
    for (int i = 0; i < 4; ++i) {
        GfxSprite big;
        big.x = 100.0f + 150.0f * static_cast<float>(i);
        big.y = 200;
        big.sx = big.sy = 12;  // 288 x 288: over what is kept
        big.a = 0.3f;
        sprites.insert(sprites.begin() + 100 + 50 * i, big);
    }
    ExpectPixelsClose(Draw(true, back, spark, GFX_BLEND_LIGHT, sprites),
                      Draw(false, back, spark, GFX_BLEND_LIGHT, sprites), 0);
}
