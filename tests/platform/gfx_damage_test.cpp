// Only what changed is copied and shown: frames drawn over a kept layer hold exactly the pixels
// of direct drawing, and a window shown in parts holds exactly the back buffer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx_batch.h"
#include "platform/gfx_layer.h"
#include "platform/platform_internal.h"
#include "support/headless_platform.h"
#include "support/pixel_compare.h"

namespace {
Image DamagePattern(int w, int h, int seed, bool seeThrough = false) {
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

// A frame as a screen draws it: a still part (in the layer when there is one), then what
// moves drawn over it. `step` moves some things and leaves others.
class DamageScene {
public:
    DamageScene()
        : back_(DamagePattern(1024, 768, 1)),
          chip_(DamagePattern(48, 48, 2, true)),
          spark_(DamagePattern(16, 16, 3, true)) {
        GfxMidHandle(chip_);
        GfxMidHandle(spark_);
    }

    void Draw(const GfxLayer& layer, int step) {
        GfxCls();
        if (layer) GfxBeginLayer(layer);
        GfxResetDrawState();
        GfxDrawImage(back_, 0, 0);
        for (int i = 0; i < 12; ++i) GfxDrawImage(chip_, 200 + 48 * (i % 4), 200 + 48 * (i / 4));
        GfxDrawImage(chip_, 600, step < 3 ? 100.0f : 140.0f);  // the still part changes once
        if (layer) GfxEndLayer(layer);
        // Over it: a cursor that moves except between steps 4 and 5, sparkles that jump and
        // thin out, a caption that changes, a dimming bar that comes and goes.
        GfxDrawImage(chip_, 100.0f + 9 * std::min(step, 4), 500);
        std::vector<GfxSprite> sparks;
        for (int i = 0; i < 60 - 5 * step; ++i) {
            GfxSprite s;
            s.x = static_cast<float>((i * 97) % 900) + 40.0f * step;
            s.y = static_cast<float>((i * 61) % 700);
            s.sx = s.sy = 0.5f;
            s.a = 0.4f;
            sparks.push_back(s);
        }
        GfxDrawImageBatch(spark_, GFX_BLEND_LIGHT, sparks.data(), sparks.size());
        if (step % 3 == 1) {
            GfxSetColor(0, 0, 0);
            GfxSetAlpha(0.5f);
            GfxDrawRect(300, 600, 400, 60);
            GfxResetDrawState();
        }
    }

private:
    Image back_, chip_, spark_;
};

constexpr int kSteps = 7;

// The window's own pixels, as the player sees them.
Pixmap WindowPixels() {
    SDL_Surface* shown = SDL_GetWindowSurface(GfxS().window);
    Pixmap px;
    if (shown == nullptr || SDL_LockSurface(shown) != 0) return px;
    px.w = shown->w;
    px.h = shown->h;
    px.rgba.resize(static_cast<size_t>(px.w) * px.h * 4);
    for (int y = 0; y < px.h; ++y) {
        for (int x = 0; x < px.w; ++x) {
            const auto* row =
                static_cast<const Uint8*>(shown->pixels) + static_cast<ptrdiff_t>(y) * shown->pitch;
            const Uint32 v = *reinterpret_cast<const Uint32*>(row + x * 4);
            Uint8* out = &px.rgba[(static_cast<size_t>(y) * px.w + x) * 4];
            SDL_GetRGB(v, shown->format, &out[0], &out[1], &out[2]);
            out[3] = 255;
        }
    }
    SDL_UnlockSurface(shown);
    return px;
}

using GfxDamageTest = HeadlessPlatformTest;
}  // namespace

TEST_F(GfxDamageTest, FramesDrawnOverAKeptLayerMatchTheDirectDrawing) {
    DamageScene scene;
    GfxLayer layer = GfxCreateLayer();
    std::vector<Pixmap> layered;
    for (int step = 0; step < kSteps; ++step) {
        scene.Draw(layer, step);
        layered.push_back(GfxGrabPixmap(0, 0, 1024, 768));
        GfxFlip(-1);
    }
    for (int step = 0; step < kSteps; ++step) {
        scene.Draw(nullptr, step);
        ExpectPixelsClose(layered[step], GfxGrabPixmap(0, 0, 1024, 768), 0, "step " + std::to_string(step));
        GfxFlip(-1);
    }
}

TEST_F(GfxDamageTest, ACopyIsRedoneWholeAfterTheBufferWasDrawnElsewhere) {
    DamageScene scene;
    GfxLayer layer = GfxCreateLayer();
    scene.Draw(layer, 0);
    GfxFlip(-1);
    // A frame without the layer (a dialog drawn on its own) leaves other pixels behind.
    GfxCls();
    GfxDrawImage(DamagePattern(300, 300, 9), 0, 0);
    GfxFlip(-1);
    scene.Draw(layer, 0);
    const Pixmap layered = GfxGrabPixmap(0, 0, 1024, 768);
    GfxFlip(-1);
    scene.Draw(nullptr, 0);
    ExpectPixelsClose(layered, GfxGrabPixmap(0, 0, 1024, 768), 0, "after another frame");
}

TEST(GfxDamageWindow, AWindowShownInPartsHoldsTheBackBuffer) {
    const char* old = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = old != nullptr ? old : "";
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    PlatformConfig config;
    config.renderer = RendererKind::Software;
    config.fixedStep = true;
    config.audio = false;
    ASSERT_TRUE(PlatformInit(config));
    ASSERT_TRUE(GfxOpen(1024, 768, 0, 60, 0));
    {
        DamageScene scene;
        GfxLayer layer = GfxCreateLayer();
        for (int step = 0; step < kSteps; ++step) {
            scene.Draw(layer, step);
            const Pixmap drawn = GfxGrabPixmap(0, 0, 1024, 768);
            GfxFlip(-1);
            ExpectPixelsClose(WindowPixels(), drawn, 0, "window at step " + std::to_string(step));
            if (step == 0) {
                EXPECT_EQ(GfxS().presentedArea, 1024L * 768) << "the first frame is shown whole";
            }
            if (step == 5) {
                // Only the sparkles and the bar moved, the still part and the cursor did not.
                EXPECT_GT(GfxS().presentedArea, 0);
                EXPECT_LT(GfxS().presentedArea, 1024L * 768 / 2);
            }
        }
    }
    PlatformShutdown();
    if (old != nullptr) {
        setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_VIDEODRIVER");
    }
}

TEST_F(GfxDamageTest, AReadInTheMiddleOfALayerSeesWhatItNotedSoFar) {
    Image back = DamagePattern(1024, 768, 5);
    Image chip = DamagePattern(48, 48, 6, true);
    GfxLayer layer = GfxCreateLayer();
    // A dialog that grabs the screen under it halfway through its frame, as the level's end does.
    auto frame = [&](bool layered, int step) {
        GfxCls();
        if (layered) GfxBeginLayer(layer);
        GfxResetDrawState();
        GfxDrawImage(back, 0, 0);
        GfxDrawImage(chip, 100.0f + 10 * step, 100);
        const Pixmap under = GfxGrabPixmap(0, 0, 1024, 768);
        GfxDrawImage(chip, 300, 300.0f + 10 * step);
        if (layered) GfxEndLayer(layer);
        return std::make_pair(under, GfxGrabPixmap(0, 0, 1024, 768));
    };
    for (int step = 0; step < 3; ++step) {
        const auto layered = frame(true, step);
        GfxFlip(-1);
        const auto direct = frame(false, step);
        GfxFlip(-1);
        ExpectPixelsClose(layered.first, direct.first, 0, "the grab at step " + std::to_string(step));
        ExpectPixelsClose(layered.second, direct.second, 0, "the frame at step " + std::to_string(step));
    }
    // The next frame without a grab is drawn through the layer again, whole, and right.
    GfxCls();
    GfxBeginLayer(layer);
    GfxDrawImage(back, 0, 0);
    GfxEndLayer(layer);
    EXPECT_EQ(GfxLayerRedrawnArea(layer), 1024L * 768);
    const Pixmap layered = GfxGrabPixmap(0, 0, 1024, 768);
    GfxCls();
    GfxDrawImage(back, 0, 0);
    ExpectPixelsClose(layered, GfxGrabPixmap(0, 0, 1024, 768), 0, "after the grabs");
}
