// The Lua side of a GUI script: one sandboxed Lua state per layout holding
// one instance of the script's class. The chunk returns a table (the class);
// the instance is a new table whose metatable has __index = class, and its
// "start" method runs once. Scripts see only base (without file loading),
// string, table, math and coroutine; only source text is compiled; runaway
// scripts, pathological patterns and memory hogs are stopped (lua_sandbox.h).
#pragma once

#include <cstddef>
#include <string>

#include "gui/lua_sandbox.h"

using lua_CFunction = int (*)(lua_State*);

class TGuiLua {
public:
    using Limits = LuaLimits;

    explicit TGuiLua(const Limits& limits = Limits());
    TGuiLua(const TGuiLua&) = delete;
    TGuiLua& operator=(const TGuiLua&) = delete;
    ~TGuiLua();

    // Compiles the source as a class, makes an instance (replacing an earlier
    // one) and calls its "start". False, with a printed message, on any error
    // before the instance exists.
    bool loadClass(const std::string& source, const std::string& name);
    // Calls instance:method() when the instance has it. False on error or
    // when there is no such method. A call stopped for running away drops
    // the instance: it is not called again.
    bool callMethod(const char* method);
    bool hasInstance() const { return hasInstance_; }
    lua_State* state() const { return L_; }

private:
    // Runs fn(job) protected with a fresh budget; prints any error as one
    // message naming the script.
    bool run(lua_CFunction fn, void* job);

    LuaBudget budget_;
    lua_State* L_ = nullptr;
    std::string name_;
    bool hasInstance_ = false;
};
