// The Lua side of a GUI script: one sandboxed Lua state per layout holding
// one instance of the script's class. The chunk returns a table (the class);
// the instance is a new table whose metatable has __index = class, and its
// "start" method runs once. Scripts see only base (without file loading),
// string, table and math; runaway scripts and memory hogs are stopped.
#pragma once

#include <cstddef>
#include <string>

struct lua_State;
using lua_CFunction = int (*)(lua_State*);

class TGuiLua {
public:
    static constexpr long MAX_INSTRUCTIONS = 10'000'000;  // per call into the script
    static constexpr size_t MAX_MEMORY = 32u << 20;       // bytes per state

    TGuiLua();
    TGuiLua(const TGuiLua&) = delete;
    TGuiLua& operator=(const TGuiLua&) = delete;
    ~TGuiLua();

    // Compiles the source as a class, makes an instance (replacing an earlier
    // one) and calls its "start". False, with a printed message, on any error.
    bool loadClass(const std::string& source, const std::string& name);
    // Calls instance:method() when the instance has it. False on error or
    // when there is no such method.
    bool callMethod(const char* method);
    bool hasInstance() const { return hasInstance_; }
    lua_State* state() const { return L_; }

    // Book-keeping the allocator and the count hook reach through the state.
    struct Budget {
        size_t used = 0;
        long instructions = 0;
    };

private:
    // Runs fn(job) protected with a fresh instruction budget; prints any error.
    bool run(lua_CFunction fn, void* job);

    Budget budget_;
    lua_State* L_ = nullptr;
    bool hasInstance_ = false;
};
