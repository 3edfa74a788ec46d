// A level-end dialog's frame in the headless software renderer: the screen
// behind it copied from its picture, against drawing that screen, the veil
// and the stripes every frame as the dialog did before keeping the picture.
#include <benchmark/benchmark.h>

#include <vector>

#include "frame/globals.h"
#include "frame/screen.h"
#include "platform/platform.h"
#include "quest/level_end_dialog.h"

namespace {

bool Start() {
    PlatformConfig config;
    config.headless = true;
    config.renderer = RendererKind::Software;
    config.fixedStep = true;
    config.audio = false;
    if (!PlatformInit(config)) return false;
    GfxSetVirtualResolution(1024, 768);
    return GfxOpen(1024, 768, 0, 60, 0);
}

Image Filled(int w, int h, std::uint8_t a) {
    std::vector<std::uint8_t> px;
    for (int i = 0; i < w * h; ++i) px.insert(px.end(), {90, static_cast<std::uint8_t>(i % 200), 60, a});
    return GfxCreateImage(w, h, px.data(), GFX_IMAGE_FILTERED);
}

// A board-like screen: an opaque background and 81 blended 48 x 48 chips.
class BoardLike : public TEkran {
public:
    Image back = Filled(1024, 768, 255);
    Image chip = Filled(48, 48, 200);
    void draw() override {
        GfxResetDrawState();
        GfxDrawImage(back, 0, 0);
        for (int i = 0; i < 81; ++i) GfxDrawImage(chip, 250.0f + 50 * (i % 9), 150.0f + 50 * (i / 9));
    }
};

class BareDialog : public TLevelEndDialog {
public:
    BareDialog() : TLevelEndDialog(100) {}
    void prepare() override { startShowing(); }
    void _checkButtons() override {}
    void draw() override { _drawBack(); }
};

void Finish() { benchmark::DoNotOptimize(GfxGrabPixmap(0, 0, 1, 1)); }

void BM_DialogBackFromPicture(benchmark::State& state) {
    if (!Start()) {
        state.SkipWithError("platform did not start");
        return;
    }
    {
        frameDelta = 1;
        BoardLike board;
        BareDialog dialog;
        dialog.caller = &board;
        dialog.prepare();
        for (int i = 0; i < 30; ++i) dialog.draw();  // the stripes at rest
        for (auto _ : state) {
            GfxCls();
            dialog.draw();
            Finish();
        }
    }
    PlatformShutdown();
}

// The options' and the preview's veil, the deepest a dialog draws.
constexpr float kDeepestVeil = 0.5f;

void BM_DialogBackDrawnEveryFrame(benchmark::State& state) {
    if (!Start()) {
        state.SkipWithError("platform did not start");
        return;
    }
    {
        BoardLike board;
        BareDialog dialog;
        dialog.stripeA = dialog.dStripeA = 1;
        for (auto _ : state) {
            GfxCls();
            board.draw();
            GfxResetDrawState();
            GfxSetColor(0, 0, 0);
            GfxSetAlpha(kDeepestVeil);
            GfxDrawRect(0, 0, 1024, 768);
            dialog._drawStripes();
            Finish();
        }
    }
    PlatformShutdown();
}

}  // namespace

BENCHMARK(BM_DialogBackFromPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DialogBackDrawnEveryFrame)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
