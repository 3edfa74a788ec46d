// Arbitrary bytes as the Lua class of a GUI script: loading, starting and
// updating it must never crash, hang or leak, whatever the chunk does. The
// budgets are small so that every input ends quickly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "gui/gui_lua.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGuiLua::Limits limits;
    limits.instructions = 200'000;
    limits.memory = 4u << 20;
    limits.milliseconds = 500;
    TGuiLua lua(limits);
    const std::string source(reinterpret_cast<const char*>(data), size);
    if (lua.loadClass(source, "fuzz.lua")) {
        for (int i = 0; i < 3; ++i) lua.callMethod("update");
    }
    return 0;
}
