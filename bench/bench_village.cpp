// The village scene, the busiest of the game: the complete village in rain
// (every building upgraded, water glitter on the river and the bottom water,
// rain, smoke from all six chimneys, clouds), emitted, updated and drawn
// headless with the software renderer (the renderer of test and replay runs).
// The scene runs four seconds of game time first, so the lists hold their
// steady number of live particles (about 2,300 sparkles, 450 streaks, 140
// puffs). A second scene adds the dust of one building going up.
//
// Uses the game's pictures and data/buildings.txt when they have been
// generated (run from the repository root), else stand-ins of their sizes.
// Counters: p50_ms and p99_ms of one frame in the thread's CPU time (other
// programs on the machine do not count), live = particles alive at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <memory>
#include <vector>

#include "effects/particles.h"
#include "frame/globals.h"
#include "platform/platform.h"
#include "quest/land_catalogue.h"
#include "village/village_ambience.h"

namespace {

bool Start(RendererKind renderer) {
    PlatformConfig config;
    config.headless = true;
    config.renderer = renderer;
    config.fixedStep = true;
    config.audio = false;
    if (!PlatformInit(config)) return false;
    GfxSetVirtualResolution(1024, 768);
    return GfxOpen(1024, 768, 0, 60, 0);
}

Image Solid(int w, int h, std::uint8_t alpha) {
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w * h * 4), 255);
    for (std::size_t i = 3; i < rgba.size(); i += 4) rgba[i] = alpha;
    Image img = GfxCreateImage(w, h, rgba.data(), GFX_IMAGE_FILTERED);
    GfxMidHandle(img);
    return img;
}

// The game's particle pictures when they have been generated, else stand-ins of their sizes.
void LoadParticleImages() {
    TParticle::setup();
    const struct {
        int slot, w, h;
    } sizes[] = {{0, 32, 32}, {11, 64, 64}, {12, 64, 64}, {14, 6, 30}, {15, 64, 64}, {16, 64, 64}};
    for (const auto& s : sizes) {
        auto& img = particleImages[static_cast<std::size_t>(s.slot)];
        if (!img) img = Solid(s.w, s.h, 160);
    }
}

struct VillageScene {
    TParticleList water, rain, smoke, clouds, dust;
    int waterNext = 0, rainNext = 0, cloudNext = 0;
    ChimneyTimers smokeNext{};
    TBuilding rising;  // one building under construction, when `building`
    bool building = false;
    Image back;
    std::vector<std::shared_ptr<TZBuf>> village;

    explicit VillageScene(bool withConstruction) : building(withConstruction) {
        back = GfxLoadImage(gameDir + "gfx/gui/landScreen/back.jpg", GFX_IMAGE_DEFAULT);
        if (!back) back = Solid(1024, 768, 255);
        LoadLandCatalogues();
        for (const auto& b : landBuildings) {
            const bool up = b->upgraded != nullptr;
            village.push_back(
                NewZBuf(up ? b->upgraded : b->img, up ? b->upgradeX : b->x, up ? b->upgradeY : b->y, 1));
        }
        for (int i = static_cast<int>(village.size()); i < 15; ++i)
            village.push_back(NewZBuf(Solid(180, 160, 200), 60 * i, 30 * i, 1));
        rising.x = 400;
        rising.y = 300;
        rising.img = Solid(180, 160, 255);
    }
    ~VillageScene() {
        landItems.clear();
        landBuildings.clear();
    }
    void emit(int now) {
        UpdateWater(now, waterNext, water);
        UpdateRain(now, rainNext, rain);
        UpdateSmoke(now, smokeNext, ChimneysLitBy(nullptr), smoke);
        UpdateClouds(now, cloudNext, true, clouds);
        if (building) rising.updateGenerating(dust, now);
    }
    void update(int now) {
        for (TParticleList* l : {&water, &rain, &dust, &smoke, &clouds}) l->update(now);
    }
    // The land screen's order: back, water, (buildings, animals), rain, dust, smoke, clouds.
    void draw(int now, bool batched) {
        GfxResetDrawState();
        GfxDrawImage(back, 0, 0);
        for (const auto& z : village) z->draw();
        for (TParticleList* l : {&water, &rain, &dust, &smoke, &clouds}) {
            if (batched) {
                l->updateAndDrawBatched(now);
            } else {
                l->updateAndDraw(now);
            }
        }
        GfxResetDrawState();
    }
    std::size_t live() const {
        return water.size() + rain.size() + smoke.size() + clouds.size() + dust.size();
    }
};

int FrameTime(int frame) { return frame * 1000 / 60; }

double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void Report(benchmark::State& state, std::vector<double>& ms, const VillageScene& scene) {
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    state.counters["p50_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    state.counters["live"] = static_cast<double>(scene.live());
}

template <class Frame>
void RunScene(benchmark::State& state, RendererKind renderer, bool construction, Frame frame) {
    if (!Start(renderer)) {
        state.SkipWithError("platform did not start");
        return;
    }
    LoadParticleImages();
    {
        VillageScene scene(construction);
        int f = 0;
        for (; f < 240; ++f) {  // four seconds to fill the lists
            scene.emit(FrameTime(f));
            scene.update(FrameTime(f));
        }
        std::vector<double> ms;
        for (auto _ : state) {
            const double t0 = ThreadMs();
            frame(scene, FrameTime(f++));
            ms.push_back(ThreadMs() - t0);
        }
        Report(state, ms, scene);
    }
    particleImages = {};
    PlatformShutdown();
}

// Emit and update only: the game thread's share without drawing.
void BM_VillageUpdate(benchmark::State& state) {
    RunScene(state, RendererKind::Null, false, [](VillageScene& s, int now) {
        s.emit(now);
        s.update(now);
    });
}

// Emit, update and draw, then wait for the renderer to finish the frame:
// one draw call per particle, or one per run of a picture and blend mode.
void SoftwareFrame(benchmark::State& state, bool batched, bool construction = false) {
    RunScene(state, RendererKind::Software, construction, [batched](VillageScene& s, int now) {
        s.emit(now);
        s.draw(now, batched);
        benchmark::DoNotOptimize(GfxGrabPixmap(0, 0, 1, 1));
        GfxFlip(0);
    });
}
void BM_VillageFrameSoftware(benchmark::State& state) { SoftwareFrame(state, false); }
void BM_VillageFrameSoftwareBatched(benchmark::State& state) { SoftwareFrame(state, true); }
void BM_VillageBuildingSoftware(benchmark::State& state) { SoftwareFrame(state, false, true); }
void BM_VillageBuildingSoftwareBatched(benchmark::State& state) { SoftwareFrame(state, true, true); }

// The batched frame into the null renderer: the game thread's cost of the calls.
void BM_VillageFrameNullBatched(benchmark::State& state) {
    RunScene(state, RendererKind::Null, false, [](VillageScene& s, int now) {
        s.emit(now);
        s.draw(now, true);
        GfxFlip(0);
    });
}

}  // namespace

BENCHMARK(BM_VillageUpdate)->Unit(benchmark::kMillisecond)->Iterations(2000);
BENCHMARK(BM_VillageFrameSoftware)->Unit(benchmark::kMillisecond)->Iterations(120);
BENCHMARK(BM_VillageFrameSoftwareBatched)->Unit(benchmark::kMillisecond)->Iterations(300);
BENCHMARK(BM_VillageBuildingSoftware)->Unit(benchmark::kMillisecond)->Iterations(60);
BENCHMARK(BM_VillageBuildingSoftwareBatched)->Unit(benchmark::kMillisecond)->Iterations(120);
BENCHMARK(BM_VillageFrameNullBatched)->Unit(benchmark::kMillisecond)->Iterations(1000);

BENCHMARK_MAIN();
