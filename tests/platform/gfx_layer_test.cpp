// Still layers: whatever changes between frames, the back buffer after a layer holds exactly
// the pixels of the same calls drawn directly, and a frame where little changed redraws little.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/gfx_batch.h"
#include "platform/gfx_layer.h"
#include "support/headless_platform.h"
#include "support/pixel_compare.h"

namespace {
// A picture with a pattern in every pixel, so that any shift or resampling shows.
Image Pattern(int w, int h, int seed, bool seeThrough = false) {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int v = (x * 37 + y * 91 + seed * 53) % 256;
            const int a = seeThrough ? (x * 255) / std::max(1, w - 1) : 255;
            px.insert(px.end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(255 - v),
                                 static_cast<std::uint8_t>((v * 7) % 256), static_cast<std::uint8_t>(a)});
        }
    }
    return GfxCreateImage(w, h, px.data(), GFX_IMAGE_FILTERED);
}

// A frame's drawing, changed by `step`; the fixture draws it with and without a layer.
using Scene = std::function<void(int step)>;

Pixmap DrawDirect(const Scene& scene, int step) {
    GfxCls();
    scene(step);
    return GfxGrabPixmap(0, 0, 1024, 768);
}

Pixmap DrawLayered(const GfxLayer& layer, const Scene& scene, int step) {
    GfxCls();
    GfxBeginLayer(layer);
    scene(step);
    GfxEndLayer(layer);
    return GfxGrabPixmap(0, 0, 1024, 768);
}

// Draws every step through the layer and directly; the first differing pixel, if any.
void ExpectSameAsDirect(const Scene& scene, int steps) {
    GfxLayer layer = GfxCreateLayer();
    for (int step = 0; step < steps; ++step) {
        const Pixmap layered = DrawLayered(layer, scene, step);
        ExpectPixelsClose(layered, DrawDirect(scene, step), 0, "step " + std::to_string(step));
    }
}

using GfxLayerTest = HeadlessPlatformTest;
}  // namespace

TEST_F(GfxLayerTest, MovedAddedAndRemovedPicturesMatchTheDirectDrawing) {
    Image back = Pattern(1024, 768, 1);
    Image chip = Pattern(48, 48, 2, true);
    GfxMidHandle(chip);
    Image tile = Pattern(48, 48, 3);
    GfxMidHandle(tile);
    ExpectSameAsDirect(
        [&](int step) {
            GfxResetDrawState();
            GfxDrawImage(back, 0, 0);
            for (int i = 0; i < 20; ++i) GfxDrawImage(tile, 200 + 48 * (i % 5), 200 + 48 * (i / 5));
            // One chip falls a few pixels each frame, one rests, one comes and goes.
            GfxDrawImage(chip, 248, 150 + 7 * step);
            GfxDrawImage(chip, 296, 296);
            if (step % 3 == 1) GfxDrawImage(chip, 344, 248);
            // A tint and a light that change, over the resting chip.
            GfxSetColor(255, 128 + 10 * step, 0);
            GfxSetBlend(GFX_BLEND_LIGHT);
            GfxSetAlpha(0.1f * (step % 4));
            GfxDrawImage(tile, 296, 296);
            GfxResetDrawState();
        },
        8);
}

TEST_F(GfxLayerTest, TurnedScaledAndCutPicturesMatchTheDirectDrawing) {
    Image back = Pattern(1024, 768, 4);
    Image chip = Pattern(40, 30, 5, true);
    GfxMidHandle(chip);
    ExpectSameAsDirect(
        [&](int step) {
            GfxResetDrawState();
            GfxDrawImage(back, 0, 0);
            // A still, scaled picture that a small change next to it would cut in two.
            GfxSetScale(1.7f, 1.3f);
            GfxDrawImage(chip, 500, 400);
            GfxSetScale(1, 1);
            // A part of a picture stretched, and a rocking, shrinking picture beside it.
            GfxDrawImageRect(chip, 560, 380, 60, 20, 5, 5, 17, 9, 0, 0);
            GfxSetRotation(10.0f * step);
            GfxSetScale(1 - 0.05f * step, 1 - 0.05f * step);
            GfxDrawImage(chip, 530 + step, 420);
            GfxResetDrawState();
            // A rectangle, turned and not, and a line.
            GfxSetColor(0, 0, 255);
            GfxSetAlpha(0.5f);
            GfxDrawRect(100, 100 + step, 50, 20);
            GfxSetRotation(30);
            GfxDrawRect(700, 600, 40, 10 + step);
            GfxResetDrawState();
            GfxDrawLine(10, 700, 300 + 10 * step, 720);
        },
        6);
}

TEST_F(GfxLayerTest, SparklesOfABatchMatchTheDirectDrawing) {
    Image back = Pattern(1024, 768, 6);
    Image spark = Pattern(16, 16, 7, true);
    GfxMidHandle(spark);
    ExpectSameAsDirect(
        [&](int step) {
            GfxResetDrawState();
            GfxDrawImage(back, 0, 0);
            std::vector<GfxSprite> sparks;
            for (int i = 0; i < 200; ++i) {
                GfxSprite s;
                s.x = static_cast<float>((i * 97) % 1000) + (i % 7 == 0 ? 3.0f * step : 0.0f);
                s.y = static_cast<float>((i * 61) % 760);
                s.sx = s.sy = 0.25f + 0.01f * (i % 5);
                s.rotation = i % 3 == 0 ? 15.0f * step : 0.0f;
                s.a = 0.15f;
                sparks.push_back(s);
            }
            if (step == 3) sparks.resize(150);  // a batch of another length
            GfxDrawImageBatch(spark, GFX_BLEND_LIGHT, sparks.data(), sparks.size());
        },
        6);
}

TEST_F(GfxLayerTest, TurnedPuffsOfABatchMatchTheDirectDrawing) {
    // Smoke: alpha-blended, turned, growing puffs that overlap each other and many spots at once,
    // some drawn whole, some cut by the screen's edge; a few stand still between frames.
    Image back = Pattern(1024, 768, 13);
    Image puff = Pattern(64, 64, 14, true);
    Image block = Pattern(40, 40, 19);
    GfxMidHandle(puff);
    GfxMidHandle(block);
    ExpectSameAsDirect(
        [&](int step) {
            GfxResetDrawState();
            GfxDrawImage(back, 0, 0);
            std::vector<GfxSprite> puffs;
            for (int i = 0; i < 120; ++i) {
                GfxSprite s;
                const bool moving = i % 4 != 0;
                s.x = static_cast<float>((i * 131) % 1060) - 20 + (moving ? 0.6f * step : 0.0f);
                s.y = static_cast<float>((i * 47) % 700) + (moving ? -1.3f * step : 0.0f);
                s.sx = s.sy = 0.1f + 0.004f * static_cast<float>(i) + (moving ? 0.02f * step : 0.0f);
                s.rotation = 7.0f + 11.0f * static_cast<float>(i) + (moving ? 2.0f * step : 0.0f);
                s.r = s.g = s.b = static_cast<float>(150 + i % 50);
                s.a = i % 10 == 0 ? 1.0f : 0.2f + 0.006f * static_cast<float>(i);
                puffs.push_back(s);
            }
            if (step == 2) puffs.erase(puffs.begin() + 30, puffs.begin() + 40);  // puffs gone mid-list
            GfxDrawImageBatch(puff, GFX_BLEND_ALPHA, puffs.data(), puffs.size());
            // Opaque ones at full opacity: their inner pixels replace what lies under them.
            for (GfxSprite& s : puffs) s.a = 1;
            puffs.resize(12);
            GfxDrawImageBatch(block, GFX_BLEND_ALPHA, puffs.data(), puffs.size());
        },
        5);
}

TEST_F(GfxLayerTest, ASeeThroughOrUnevenFirstPictureStillStartsFromBlack) {
    // A spot is cleared before it is drawn again unless the first picture there hides all of it:
    // a see-through picture, one off by a fraction of a pixel or one that does not reach the
    // screen's edge must not leave the spot's old pixels showing.
    Image glass = Pattern(1024, 768, 15, true);
    Image back = Pattern(1024, 768, 16);
    Image small = Pattern(600, 500, 17);
    Image chip = Pattern(48, 48, 18);
    for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(kind);
        ExpectSameAsDirect(
            [&](int step) {
                GfxResetDrawState();
                if (kind == 0) GfxDrawImage(glass, 0, 0);
                if (kind == 1) GfxDrawImage(back, 0.5f, 0);
                if (kind == 2) GfxDrawImage(small, 20, 10);
                GfxDrawImage(chip, 560.0f + 40 * step, 300);
            },
            4);
    }
}

TEST_F(GfxLayerTest, TextAndViewportsMatchTheDirectDrawing) {
    Font font = GfxLoadFont("game/gfx/fonts/font1.ttf", 24, GFX_FONT_SMOOTH);
    Image back = Pattern(1024, 768, 8);
    ExpectSameAsDirect(
        [&](int step) {
            GfxResetDrawState();
            GfxDrawImage(back, 0, 0);
            GfxSetViewport(100, 100, 200, 200);
            GfxDrawImage(back, -step * 5.0f, 0);
            GfxSetViewport(0, 0, 1024, 768);
            GfxSetImageFont(font);
            GfxDrawText(step % 2 ? "Brambleton" : "Bramble", 400, 300);
        },
        4);
}

TEST_F(GfxLayerTest, AStillFrameRedrawsNothingAndOneMovingChipLittle) {
    Image back = Pattern(1024, 768, 9);
    Image chip = Pattern(48, 48, 10, true);
    GfxMidHandle(chip);
    GfxLayer layer = GfxCreateLayer();
    auto frame = [&](float chipX) {
        GfxCls();
        GfxBeginLayer(layer);
        GfxDrawImage(back, 0, 0);
        for (int i = 0; i < 81; ++i) GfxDrawImage(chip, 300 + 48 * (i % 9), 200 + 48 * (i / 9));
        GfxDrawImage(chip, chipX, 100);
        GfxEndLayer(layer);
    };
    frame(500);
    EXPECT_EQ(GfxLayerRedrawnArea(layer), 1024L * 768);
    frame(500);
    EXPECT_EQ(GfxLayerRedrawnArea(layer), 0);
    frame(503);
    EXPECT_GT(GfxLayerRedrawnArea(layer), 0);
    EXPECT_LE(GfxLayerRedrawnArea(layer), 3L * 32 * 3 * 32);
}

TEST_F(GfxLayerTest, OverOtherDrawingTheCallsAreDrawnDirectly) {
    Image back = Pattern(64, 64, 11, true);
    GfxLayer layer = GfxCreateLayer();
    GfxCls();
    GfxDrawImage(back, 0, 0);  // something under the layer: a copy would wipe it
    GfxBeginLayer(layer);
    GfxDrawImage(back, 32, 0);
    GfxEndLayer(layer);
    EXPECT_EQ(GfxLayerRedrawnArea(layer), -1);
    const Pixmap layered = GfxGrabPixmap(0, 0, 128, 64);
    GfxCls();
    GfxDrawImage(back, 0, 0);
    GfxDrawImage(back, 32, 0);
    EXPECT_EQ(layered.rgba, GfxGrabPixmap(0, 0, 128, 64).rgba);
}

TEST_F(GfxLayerTest, ANewRendererDrawsTheLayerWhole) {
    Image back = Pattern(1024, 768, 12);
    GfxLayer layer = GfxCreateLayer();
    auto frame = [&] {
        GfxCls();
        GfxBeginLayer(layer);
        GfxDrawImage(back, 0, 0);
        GfxEndLayer(layer);
    };
    frame();
    frame();
    EXPECT_EQ(GfxLayerRedrawnArea(layer), 0);
    StopHeadlessPlatform();
    ASSERT_TRUE(StartHeadlessPlatform());
    frame();
    EXPECT_EQ(GfxLayerRedrawnArea(layer), 1024L * 768);
    EXPECT_EQ(GfxGrabPixmap(0, 0, 1024, 768).rgba,
              DrawDirect([&](int) { GfxDrawImage(back, 0, 0); }, 0).rgba);
}
