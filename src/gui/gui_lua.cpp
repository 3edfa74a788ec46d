#include "gui/gui_lua.h"

#include <lua.hpp>

#include "gui/gui_util.h"

namespace {
constexpr const char* INSTANCE_KEY = "brambleton.gui.instance";

// Everything below runs through lua_cpcall, so that any failing allocation,
// metamethod or script error comes back as an error message instead of a panic.
// Lua errors unwind with longjmp: these functions hold no C++ objects with
// destructors; the job owns every string they use.
struct Job {
    const std::string* source = nullptr;
    const std::string* name = nullptr;
    std::string chunkName;  // "@" + name
    const char* method = nullptr;
    bool called = false;
};

// Compiles the source, runs it, checks that it returned a table (the class)
// and stores a new instance: setmetatable({}, {__index = class}).
int MakeInstance(lua_State* L) {
    const Job* job = static_cast<const Job*>(lua_touserdata(L, 1));
    lua_pushnil(L);
    lua_setfield(L, LUA_REGISTRYINDEX, INSTANCE_KEY);  // the earlier instance goes
    // The loader takes anything starting with ESC for compiled code, which it
    // does not verify: only source text is accepted.
    if (!job->source->empty() && (*job->source)[0] == LUA_SIGNATURE[0]) {
        return luaL_error(L, "%s: precompiled chunks are not accepted, only Lua source", job->name->c_str());
    }
    if (luaL_loadbuffer(L, job->source->data(), job->source->size(), job->chunkName.c_str()) != 0) {
        return lua_error(L);
    }
    lua_call(L, 0, 1);
    if (!lua_istable(L, -1)) return luaL_error(L, "%s does not return a class table", job->name->c_str());
    lua_newtable(L);  // class, instance
    lua_newtable(L);  // class, instance, meta
    lua_pushvalue(L, -3);
    lua_setfield(L, -2, "__index");
    lua_setmetatable(L, -2);
    lua_setfield(L, LUA_REGISTRYINDEX, INSTANCE_KEY);
    return 0;
}

// Calls instance:method() when the instance has such a method.
int CallMethod(lua_State* L) {
    Job* job = static_cast<Job*>(lua_touserdata(L, 1));
    lua_getfield(L, LUA_REGISTRYINDEX, INSTANCE_KEY);
    if (!lua_istable(L, -1)) return 0;
    lua_getfield(L, -1, job->method);
    if (!lua_isfunction(L, -1)) return 0;
    lua_pushvalue(L, -2);
    lua_call(L, 1, 0);
    job->called = true;
    return 0;
}
}  // namespace

TGuiLua::TGuiLua(const Limits& limits) {
    budget_.limits = limits;
    L_ = NewSandboxState(budget_);
    if (!L_) {
        PrintError("Lua: cannot create a state!");
        return;
    }
    if (!run(OpenSandbox, nullptr)) {
        lua_close(L_);
        L_ = nullptr;
    }
}

TGuiLua::~TGuiLua() {
    if (L_) lua_close(L_);
}

bool TGuiLua::run(lua_CFunction fn, void* job) {
    StartBudget(L_);
    const int status = lua_cpcall(L_, fn, job);
    if (status == 0) return true;
    const char* msg = lua_tostring(L_, -1);
    std::string text = msg ? msg : "unknown error";
    // Errors raised by library functions carry no position: name the script.
    if (!name_.empty() && text.compare(0, name_.size(), name_) != 0) text = name_ + ": " + text;
    PrintError("Lua: " + text);
    lua_pop(L_, 1);
    if (budget_.stopped) {
        hasInstance_ = false;
        lua_pushnil(L_);
        lua_setfield(L_, LUA_REGISTRYINDEX, INSTANCE_KEY);
    }
    return false;
}

bool TGuiLua::loadClass(const std::string& source, const std::string& name) {
    if (!L_) return false;
    hasInstance_ = false;
    name_ = name;
    Job job;
    job.source = &source;
    job.name = &name;
    job.chunkName = "@" + name;
    if (!run(MakeInstance, &job)) return false;
    hasInstance_ = true;
    callMethod("start");
    return true;
}

bool TGuiLua::callMethod(const char* method) {
    if (!L_ || !hasInstance_) return false;
    Job job;
    job.method = method;
    return run(CallMethod, &job) && job.called;
}
