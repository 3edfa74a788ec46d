// Text layout of a 500-word text with a real font in the null renderer, and
// cutting a large text file into lines.
#include <benchmark/benchmark.h>

#include <string>

#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "platform/platform.h"

namespace {

const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::string MakeWords(int count) {
    static const char* words[] = {"the",    "village", "needs", "wood", "and",    "stone",
                                  "before", "winter",  "comes", "so",   "gather", "quickly",
                                  "match",  "three",   "or",    "more"};
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += (i ? " " : "") + std::string(words[(i * 7 + i / 3) % 16]);
    }
    return text;
}

Font StartFont() {
    static Font font = [] {
        PlatformConfig config;
        config.headless = true;
        config.renderer = RendererKind::Null;
        config.fixedStep = true;
        config.audio = false;
        if (!PlatformInit(config) || !GfxOpen(1024, 768, 0, 60, 0)) {
            return Font();
        }
        return GfxLoadFont(kFontPath, 18, GFX_FONT_SMOOTH);
    }();
    return font;
}

void BM_CreateFormatedText500Words(benchmark::State& state) {
    Font font = StartFont();
    if (!font) {
        state.SkipWithError("no font");
        return;
    }
    const std::string text = MakeWords(500);
    for (auto _ : state) {
        auto f = CreateFormatedText(text, font, 400, 2);
        benchmark::DoNotOptimize(f->lines);
    }
}
BENCHMARK(BM_CreateFormatedText500Words)->Unit(benchmark::kMicrosecond);

void BM_TextBoxHeight500Words(benchmark::State& state) {
    Font font = StartFont();
    if (!font) {
        state.SkipWithError("no font");
        return;
    }
    const std::string text = MakeWords(500);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextBoxHeight(text, 0, 0, 400, "CENTER", 0, font, 2));
    }
}
BENCHMARK(BM_TextBoxHeight500Words)->Unit(benchmark::kMicrosecond);

void BM_TxtLines100K(benchmark::State& state) {
    std::string text;
    while (text.size() < 100 * 1024) {
        text += MakeWords(12) + "\r\n";
    }
    for (auto _ : state) {
        auto file = TxtFileFromText(text);
        benchmark::DoNotOptimize(file->lines());
    }
}
BENCHMARK(BM_TxtLines100K)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
