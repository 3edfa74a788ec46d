// Drawing cost in the headless software renderer (the renderer of test and
// replay runs) and the per-call overhead seen through the null renderer.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/gfx_batch.h"
#include "platform/platform.h"

namespace {
constexpr int kSprites = 2000;

bool Start(RendererKind renderer) {
    PlatformConfig config;
    config.headless = true;
    config.renderer = renderer;
    config.fixedStep = true;
    config.audio = false;
    if (!PlatformInit(config)) {
        return false;
    }
    GfxSetVirtualResolution(1024, 768);
    return GfxOpen(1024, 768, 0, 60, 0);
}

// A soft round 32 x 32 particle.
Image Particle() {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const float d = std::hypot(x - 15.5f, y - 15.5f) / 16.0f;
            const auto a = static_cast<std::uint8_t>(d >= 1 ? 0 : 255 * (1 - d));
            px.insert(px.end(), {255, 240, 200, a});
        }
    }
    Image img = GfxCreateImage(32, 32, px.data(), GFX_IMAGE_FILTERED);
    GfxMidHandle(img);
    return img;
}

// Waits for the renderer to finish the frame (reading a pixel flushes it).
void Finish() { benchmark::DoNotOptimize(GfxGrabPixmap(0, 0, 1, 1)); }

void DrawSprites(benchmark::State& state, RendererKind renderer, bool rotated, bool light) {
    if (!Start(renderer)) {
        state.SkipWithError("platform did not start");
        return;
    }
    Image img = Particle();
    for (auto _ : state) {
        GfxCls();
        GfxSetBlend(light ? GFX_BLEND_LIGHT : GFX_BLEND_ALPHA);
        for (int i = 0; i < kSprites; ++i) {
            if (rotated) {
                GfxSetRotation(static_cast<float>(i * 7 % 360));
                GfxSetColor(static_cast<float>(i % 256), 200, static_cast<float>(255 - i % 256));
                GfxSetAlpha(0.4f + 0.6f * static_cast<float>(i % 10) / 10.0f);
            }
            GfxDrawImage(img, static_cast<float>(i * 37 % 1024), static_cast<float>(i * 53 % 768));
        }
        Finish();
        GfxFlip(-1);
    }
    state.counters["sprites/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kSprites, benchmark::Counter::kIsRate);
    img.reset();
    PlatformShutdown();
}

void BM_SoftwareRotatedTintedLight(benchmark::State& state) {
    DrawSprites(state, RendererKind::Software, true, true);
}
void BM_SoftwarePlainAlpha(benchmark::State& state) {
    DrawSprites(state, RendererKind::Software, false, false);
}
void BM_NullRotatedTintedLight(benchmark::State& state) {
    DrawSprites(state, RendererKind::Null, true, true);
}

void BM_SoftwareText(benchmark::State& state) {
    if (!Start(RendererKind::Software)) {
        state.SkipWithError("platform did not start");
        return;
    }
    Font font = GfxLoadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 20, GFX_FONT_SMOOTH);
    if (!font) {
        state.SkipWithError("no DejaVu font");
        PlatformShutdown();
        return;
    }
    GfxSetImageFont(font);
    for (auto _ : state) {
        GfxCls();
        for (int line = 0; line < 30; ++line) {
            GfxDrawText("The village needs wood, food, gold and rock.", 20, static_cast<float>(line * 25));
        }
        Finish();
    }
    GfxSetImageFont(nullptr);
    font.reset();
    PlatformShutdown();
}
}  // namespace

// The main menu's water: 2,400 sparkles of a 32-pixel picture at a quarter size, additive, in one
// batch; range 0 draws them as geometry, 1 as copies of the picture stretched once.
void BM_SoftwareBatchSparkles(benchmark::State& state) {
    if (!Start(RendererKind::Software)) {
        state.SkipWithError("platform did not start");
        return;
    }
    Image img = Particle();
    std::vector<GfxSprite> sparkles;
    for (int i = 0; i < 2400; ++i) {
        GfxSprite s;
        s.x = static_cast<float>(i * 37 % 500) + 0.3f;
        s.y = static_cast<float>(i * 13 % 180) + 0.6f;
        s.sx = s.sy = 0.25f;
        s.r = s.g = s.b = static_cast<float>(200 + i % 50);
        s.a = 0.15f;
        sparkles.push_back(s);
    }
    GfxSetBatchCopies(state.range(0) == 1);
    for (auto _ : state) {
        GfxCls();
        GfxDrawImageBatch(img, GFX_BLEND_LIGHT, sparkles.data(), sparkles.size());
        Finish();
    }
    GfxSetBatchCopies(true);
    img.reset();
    PlatformShutdown();
}

BENCHMARK(BM_SoftwareRotatedTintedLight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoftwarePlainAlpha)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NullRotatedTintedLight)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SoftwareText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoftwareBatchSparkles)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
