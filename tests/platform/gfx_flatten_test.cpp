// Flattened scenes: the picture holds the parts drawn one by one, and a light drawn over it through
// the share the parts let through looks like the light drawn between the parts, in both ways a
// batch lays light (summed in tiles, or sprite by sprite), directly and through a still layer.
#include "platform/gfx_flatten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/gfx_batch.h"
#include "platform/gfx_layer.h"
#include "support/headless_platform.h"
#include "support/pixel_compare.h"

namespace {
// Opaque ground with colour in every pixel.
Image Ground() {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const int v = (x * 37 + y * 91) % 256;
            px.insert(px.end(), {static_cast<std::uint8_t>(v / 2), static_cast<std::uint8_t>(60 + v / 3),
                                 static_cast<std::uint8_t>(90 + v / 4), 255});
        }
    }
    return GfxCreateImage(1024, 768, px.data(), 0);
}

// A see-through veil whose opacity changes slowly from left to right (as a vignette does), with
// a solid block in it (as a house on the water).
Image Veil(int w, int h) {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool block = x >= w / 3 && x < w / 2 && y >= h / 3 && y < h / 2;
            const int a = block ? 255 : 60 + (x * 120) / w;
            px.insert(px.end(), {static_cast<std::uint8_t>(20 + y % 50), 40,
                                 static_cast<std::uint8_t>(x % 200), static_cast<std::uint8_t>(a)});
        }
    }
    return GfxCreateImage(w, h, px.data(), 0);
}

// A small soft sparkle.
Image Sparkle() {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const int d = std::abs(2 * x - 7) + std::abs(2 * y - 7);
            px.insert(px.end(), {255, 250, 230, static_cast<std::uint8_t>(d >= 14 ? 0 : 255 - d * 18)});
        }
    }
    return GfxCreateImage(8, 8, px.data(), 0);
}

std::vector<GfxSprite> FlattenSparkles(int count, int shift) {
    std::vector<GfxSprite> out;
    for (int i = 0; i < count; ++i) {
        GfxSprite s;
        s.x = static_cast<float>(100 + (i * 37 + shift) % 800);
        s.y = static_cast<float>(80 + (i * 53) % 600);
        s.r = 230;
        s.g = i % 3 == 0 ? 0.0f : 230;
        s.b = 250;
        s.a = 0.3f;
        out.push_back(s);
    }
    return out;
}

Pixmap Grab() { return GfxGrabPixmap(0, 0, 1024, 768); }

class GfxFlattenTest : public HeadlessPlatformTest {
protected:
    // Made once the renderer runs, as the game makes its pictures.
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        ground = Ground();
        veil = Veil(600, 500);
        house = Veil(200, 120);
        sparkle = Sparkle();
        parts = {{ground, 0, 0}, {veil, 150, 100}, {house, 500, 300}};
    }
    Image ground, veil, house, sparkle;
    std::vector<GfxPlacedImage> parts;

    // The light drawn between the ground and the rest, one by one.
    void DrawInTurn(const std::vector<GfxSprite>& light) {
        GfxResetDrawState();
        GfxDrawImage(ground, 0, 0);
        GfxDrawImageBatch(sparkle, GFX_BLEND_LIGHT, light.data(), light.size());
        GfxDrawImage(veil, 150, 100);
        GfxDrawImage(house, 500, 300);
    }
    void DrawFlat(const GfxFlatPicture& flat, const std::vector<GfxSprite>& light) {
        GfxResetDrawState();
        GfxDrawImage(flat.picture, 0, 0);
        GfxDrawImageBatch(sparkle, GFX_BLEND_LIGHT, light.data(), light.size(), flat.through);
    }
};
}  // namespace

TEST_F(GfxFlattenTest, ThePictureHoldsThePartsAndTheShareWhatTheyLetThrough) {
    GfxCls();
    DrawInTurn({});
    const Pixmap inTurn = Grab();
    const GfxFlatPicture flat = GfxFlattenImages(1024, 768, parts);
    ASSERT_TRUE(flat.picture && flat.through);
    GfxCls();
    GfxDrawImage(flat.picture, 0, 0);
    ExpectPixelsClose(Grab(), inTurn, 0);

    const GfxLightThrough& t = *flat.through;
    ASSERT_EQ(t.share.size(), 1024u * 768u);
    EXPECT_EQ(t.share[10 * 1024 + 10], 255);         // only the ground
    EXPECT_EQ(t.share[350 * 1024 + 580], 0);         // under the house's solid block
    const int veilOnly = t.share[120 * 1024 + 160];  // the veil's left edge: opacity 60
    EXPECT_NEAR(veilOnly, 255 - 60, 2);
    // Under the house's edge and the veil both: what each lets through, in turn.
    const int both = t.share[310 * 1024 + 505];
    EXPECT_NEAR(both, (255 - 60 - (355 * 120) / 600) * (255 - 60 - (5 * 120) / 200) / 255, 3);
}

TEST_F(GfxFlattenTest, LightOverTheFlatPictureLooksAsDrawnBetweenItsParts) {
    const GfxFlatPicture flat = GfxFlattenImages(1024, 768, parts);
    ASSERT_TRUE(flat.picture);
    // Many sparkles are summed in tiles and finished over the picture; a few go one by one, each
    // dimmed by the share at its handle.
    for (const int count : {400, 20}) {
        const std::vector<GfxSprite> light = FlattenSparkles(count, 0);
        GfxCls();
        DrawInTurn(light);
        const Pixmap inTurn = Grab();
        GfxCls();
        DrawFlat(flat, light);
        SCOPED_TRACE(count);
        ExpectPixelsClose(Grab(), inTurn, count >= 64 ? 3 : 12);
    }
}

TEST_F(GfxFlattenTest, AStillLayerRedrawsTheLightWhenItsShareChanges) {
    const GfxFlatPicture flat = GfxFlattenImages(1024, 768, parts);
    ASSERT_TRUE(flat.picture);
    // The same picture, with the light let through everywhere.
    auto open = std::make_shared<GfxLightThrough>(*flat.through);
    std::fill(open->share.begin(), open->share.end(), 255);
    const std::vector<GfxSprite> light = FlattenSparkles(300, 0);
    const GfxLayer layer = GfxCreateLayer();
    for (int step = 0; step < 3; ++step) {
        // The picture stays, the sparkles stay, only the share differs in the last frame.
        GfxFlatPicture now = flat;
        if (step == 2) now.through = open;
        GfxCls();
        GfxBeginLayer(layer);
        DrawFlat(now, light);
        GfxEndLayer(layer);
        const Pixmap layered = Grab();
        GfxCls();
        DrawFlat(now, light);
        SCOPED_TRACE(step);
        ExpectPixelsClose(layered, Grab(), 0);
    }
}

TEST_F(GfxFlattenTest, NothingIsFlattenedWithoutPartsOrASize) {
    EXPECT_FALSE(GfxFlattenImages(1024, 768, {}).picture);
    EXPECT_FALSE(GfxFlattenImages(0, 768, parts).picture);
    // A part without a picture is left out.
    std::vector<GfxPlacedImage> gap = parts;
    gap.push_back({nullptr, 5, 5});
    EXPECT_TRUE(GfxFlattenImages(1024, 768, gap).picture);
}
