// Arbitrary bytes as a GUI script: reading, laying out, updating and drawing
// must never crash or leak. Files the script names are looked up in the seed
// folder, which holds a small atlas description and a Lua class.
#include <cstddef>
#include <cstdint>
#include <string>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "gui/gui.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TGui gui;
    gui.LoadFromString(text, "tests/fuzz/corpus/fuzz_gui/");
    frameDelta = 1;
    mouse.x = 100;
    mouse.y = 100;
    mouse.leftHolded = static_cast<int>(size & 1);
    for (int i = 0; i < 3; ++i) {
        gui.update();
        gui.draw();
    }
    gui.VectorMe(0, 300, 0.5f);
    gui.setGuiAlpha(0.5f);
    gui.draw();
    (void)gui.clickedItem("play");
    (void)gui.overItem("PLAY");
    return 0;
}
