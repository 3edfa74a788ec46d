// Effect costs per frame: the particle update with 3,000 live particles,
// the same with drawing into the null renderer, a steady churn of particles
// born and ending, and a walk over a busy firework list.
#include <benchmark/benchmark.h>

#include <vector>

#include "effects/effects.h"
#include "frame/globals.h"
#include "platform/platform.h"

namespace {

constexpr int kLive = 3000;

// A particle that lives for the whole benchmark, spread over the play area.
TParticle LongLived(int i) {
    TParticle p;
    p.n = i % 5;
    p.x1 = static_cast<float>(i % 1024) + 1;
    p.y1 = static_cast<float>(i % 768) + 1;
    p.x2 = p.x1 + 50;
    p.y2 = p.y1 + 80;
    p.mx = p.x1 + 25;
    p.my = p.y1;
    p.startA = p.a = 1;
    p.startS = p.s = 0.5f;
    p.ds = 2;
    p.dr = 360;
    p.deadAlpha = (i % 3 == 0) ? 0.5f : 0.0f;
    p.lifeTime = 1 << 30;
    return p;
}

void Fill(TParticleList& list, int count) {
    list.clear();
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) list.add(LongLived(i));
}

void BM_ParticleUpdate(benchmark::State& state) {
    TParticleList list;
    Fill(list, static_cast<int>(state.range(0)));
    int now = 0;
    for (auto _ : state) {
        list.update(now);
        now += 16;
        benchmark::DoNotOptimize(list.at(0).x);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParticleUpdate)->Arg(kLive);

// The platform with the null renderer: draw calls run the whole drawing-state
// path of the layer but put no pixels anywhere.
class NullPlatform {
public:
    NullPlatform() {
        PlatformConfig config;
        config.headless = true;
        config.renderer = RendererKind::Null;
        config.fixedStep = true;
        config.audio = false;
        ok_ = PlatformInit(config);
        if (!ok_) return;
        GfxSetVirtualResolution(1024, 768);
        ok_ = GfxOpen(1024, 768, 0, 60, 0);
        std::vector<std::uint8_t> rgba(16 * 16 * 4, 255);
        for (int i = 0; i < 5; ++i) {
            particleImages[static_cast<std::size_t>(i)] = GfxCreateImage(16, 16, rgba.data(), 0);
            GfxMidHandle(particleImages[static_cast<std::size_t>(i)]);
        }
    }
    ~NullPlatform() {
        particleImages = {};
        PlatformShutdown();
    }
    bool ok() const { return ok_; }

private:
    bool ok_ = false;
};

void BM_ParticleUpdateAndDrawNull(benchmark::State& state) {
    NullPlatform platform;
    if (!platform.ok()) {
        state.SkipWithError("no null platform");
        return;
    }
    TParticleList list;
    Fill(list, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        DrawParticles(&list);
        GfxFlip(0);  // the fixed-step clock moves one frame
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParticleUpdateAndDrawNull)->Arg(kLive);

// 60 particles born per frame, each living 50 frames: about 3,000 alive, 60
// ending every frame, all through CreateParticle as the screens do.
void BM_ParticleChurn(benchmark::State& state) {
    NullPlatform platform;
    if (!platform.ok()) {
        state.SkipWithError("no null platform");
        return;
    }
    TParticleList list;
    list.reserve(kLive + 200);
    for (auto _ : state) {
        for (int i = 0; i < 60; ++i) {
            CreateParticle(i % 5, 100.0f + static_cast<float>(i), 200, 300, 400, 200, 200,
                           NewRGB(255, 200, 100), 1, 0, 0.5f, 1, 0, 180, GFX_BLEND_LIGHT, 0, 833, &list);
        }
        list.update(SysMillisecs());
        GfxFlip(0);
    }
    state.counters["live"] = static_cast<double>(list.size());
}
BENCHMARK(BM_ParticleChurn);

// A walk of the self-removing list kind: 1,000 firework sparks, refilled as
// they end.
void BM_FireWorkUpdate(benchmark::State& state) {
    NullPlatform platform;
    if (!platform.ok()) {
        state.SkipWithError("no null platform");
        return;
    }
    frameDelta = 1;
    for (auto _ : state) {
        while (fireWorkList.size() < 1000) CreateFireWorkBurst(512, 384);
        TFireWork::updateAll();
    }
    ClearFireWorks();
}
BENCHMARK(BM_FireWorkUpdate);

}  // namespace

BENCHMARK_MAIN();
