// Arbitrary bytes as a localised text file and as texts to lay out: cutting
// into lines and breaking into words must never crash or leak, and must keep
// every character. Layout measures with a real font in the null renderer when
// one is found, otherwise without a font.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "fuzz_platform.h"
#include "platform/platform.h"

namespace {

Font gFont;

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (OpenFuzzPlatform()) {
        gFont = GfxLoadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 16, GFX_FONT_SMOOTH);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Lines joined by line feeds give the text back (the last line feed aside), each line cut
    // to its bound (a beginning of the line, never inside a letter's bytes).
    auto file = TxtFileFromText(text);
    std::string bounded;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool fed = end != std::string::npos;
        if (!fed) end = text.size();
        bounded += CutTextAt(text.substr(start, end - start), TXT_MAX_LINE_BYTES);
        if (fed) bounded += '\n';
        start = end + 1;
    }
    std::string joined;
    for (int n = 1; n <= file->lines(); ++n) {
        Check(TxtLine(file, n).size() <= TXT_MAX_LINE_BYTES);
        joined += TxtLine(file, n);
        if (n < file->lines() || (!text.empty() && text.back() == '\n')) {
            joined += '\n';
        }
    }
    Check(joined == bounded);
    Check(TxtLine(file, 0) == TXT_BEYOND && TxtLine(file, file->lines() + 1) == TXT_BEYOND);
    (void)ReplaceLang(text);

    // Word breaking places every word exactly once.
    const int width = size > 0 ? data[0] * 2 : 100;
    const int spacing = size > 1 ? data[1] % 16 : 0;
    const std::string laid = text.substr(0, 4096);
    auto formatted = CreateFormatedText(laid, gFont, width, spacing);
    std::string words;
    for (size_t i = 0; i < formatted->texts.size(); ++i) {
        words += (i ? " " : "") + formatted->texts[i];
    }
    Check(words == laid);
    Check(formatted->lines == static_cast<int>(formatted->texts.size()));
    formatted->Draw(10, 10, 1);
    formatted->DrawOutLined(10, 10, 255, 0, 0);

    const float height = TextBoxHeight(laid, 0, 0, static_cast<float>(width), "CENTER", 0, gFont, spacing);
    const float drawn = DrawTextBox(laid, 0, 0, static_cast<float>(width), "right", 0, gFont, spacing);
    Check(height == drawn);
    return 0;
}
