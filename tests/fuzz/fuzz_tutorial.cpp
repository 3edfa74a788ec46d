// Arbitrary bytes as the tutorial: the same text is read as "data/tutorial.txt"
// and as its speeches, then every tip read is activated, run for a few frames
// (clicked away) and drawn on both sides. Nothing may crash, hang or leak.
#include <cstddef>
#include <cstdint>
#include <string>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "quest/tutorial_catalogue.h"
#include "story/tip_draw.h"
#include "story/tip_loading.h"
#include "story/tutorial_tips.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TRCMFile file;
    file.LoadFromText(text);
    const auto texts = TxtFileFromText(text);
    const auto tips = ReadTutorialTips(file, texts.get());
    frameDelta = 1;
    for (const auto& tip : tips) {
        (void)TipCheck(*tip);
        TipReset(*tip);
        tip->waitTime = 0;
        for (int frame = 0; frame < 25; ++frame) {
            mouse.leftPressed = frame == 22 ? 1 : 0;
            TipUpdate(*tip);
            DrawTip(*tip);
        }
        ClearTutorialTip();
    }
    return 0;
}
