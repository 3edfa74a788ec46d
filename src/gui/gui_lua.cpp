#include "gui/gui_lua.h"

#include <lua.hpp>

#include <cstdlib>

#include "gui/gui_util.h"

namespace {
constexpr int HOOK_STEP = 1000;
constexpr const char* INSTANCE_KEY = "brambleton.gui.instance";

void* LimitedAlloc(void* ud, void* ptr, size_t osize, size_t nsize) {
    auto* budget = static_cast<TGuiLua::Budget*>(ud);
    if (nsize == 0) {
        budget->used -= osize;
        std::free(ptr);
        return nullptr;
    }
    if (nsize > osize && budget->used + (nsize - osize) > TGuiLua::MAX_MEMORY) return nullptr;
    void* p = std::realloc(ptr, nsize);
    if (p) budget->used = budget->used - osize + nsize;
    return p;
}

void CountHook(lua_State* L, lua_Debug*) {
    void* ud = nullptr;
    lua_getallocf(L, &ud);
    auto* budget = static_cast<TGuiLua::Budget*>(ud);
    budget->instructions += HOOK_STEP;
    if (budget->instructions > TGuiLua::MAX_INSTRUCTIONS) {
        luaL_error(L, "script stopped after %d instructions", static_cast<int>(TGuiLua::MAX_INSTRUCTIONS));
    }
}

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

int OpenSandbox(lua_State* L) {
    const std::pair<lua_CFunction, const char*> libs[] = {{luaopen_base, ""},
                                                          {luaopen_string, LUA_STRLIBNAME},
                                                          {luaopen_table, LUA_TABLIBNAME},
                                                          {luaopen_math, LUA_MATHLIBNAME}};
    for (const auto& [open, name] : libs) {
        lua_pushcfunction(L, open);
        lua_pushstring(L, name);
        lua_call(L, 1, 0);
    }
    // Nothing that reaches files, the system or other chunks.
    for (const char* name : {"dofile", "loadfile", "load", "loadstring", "require", "module", "getfenv",
                             "setfenv", "newproxy", "collectgarbage"}) {
        lua_pushnil(L);
        lua_setglobal(L, name);
    }
    lua_getglobal(L, LUA_STRLIBNAME);
    lua_pushnil(L);
    lua_setfield(L, -2, "dump");
    return 0;
}

// Compiles the source, runs it, checks that it returned a table (the class)
// and stores a new instance: setmetatable({}, {__index = class}).
int MakeInstance(lua_State* L) {
    const Job* job = static_cast<const Job*>(lua_touserdata(L, 1));
    lua_pushnil(L);
    lua_setfield(L, LUA_REGISTRYINDEX, INSTANCE_KEY);  // the earlier instance goes
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

TGuiLua::TGuiLua() {
    L_ = lua_newstate(LimitedAlloc, &budget_);
    if (!L_) {
        PrintError("Lua: cannot create a state!");
        return;
    }
    if (!run(OpenSandbox, nullptr)) {
        lua_close(L_);
        L_ = nullptr;
        return;
    }
    lua_sethook(L_, CountHook, LUA_MASKCOUNT, HOOK_STEP);
}

TGuiLua::~TGuiLua() {
    if (L_) lua_close(L_);
}

bool TGuiLua::run(lua_CFunction fn, void* job) {
    budget_.instructions = 0;
    const int status = lua_cpcall(L_, fn, job);
    if (status != 0) {
        const char* msg = lua_tostring(L_, -1);
        PrintError(std::string("Lua: ") + (msg ? msg : "unknown error"));
        lua_pop(L_, 1);
        return false;
    }
    return true;
}

bool TGuiLua::loadClass(const std::string& source, const std::string& name) {
    if (!L_) return false;
    hasInstance_ = false;
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
