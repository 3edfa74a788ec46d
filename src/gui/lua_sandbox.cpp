#include "gui/lua_sandbox.h"

#include <lua.hpp>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "gui/lua_strings.h"

namespace {
constexpr int HOOK_STEP = 1000;

void* LimitedAlloc(void* ud, void* ptr, size_t osize, size_t nsize) {
    auto* budget = static_cast<LuaBudget*>(ud);
    if (nsize == 0) {
        budget->used -= osize;
        std::free(ptr);
        return nullptr;
    }
    if (nsize > osize && budget->used + (nsize - osize) > budget->limits.memory) return nullptr;
    void* p = std::realloc(ptr, nsize);
    if (p) budget->used = budget->used - osize + nsize;
    return p;
}

long ElapsedMs(const LuaBudget& budget) {
    using namespace std::chrono;
    return static_cast<long>(duration_cast<milliseconds>(steady_clock::now() - budget.started).count());
}

void CountHook(lua_State* L, lua_Debug*) {
    LuaBudget& budget = BudgetOf(L);
    if (budget.stopped) {
        StopScript(L);
        return;
    }
    // A coroutine stopped in an earlier call still counts every instruction.
    if (lua_gethookcount(L) != HOOK_STEP) lua_sethook(L, CountHook, LUA_MASKCOUNT, HOOK_STEP);
    budget.instructions += HOOK_STEP;
    if (budget.instructions > budget.limits.instructions) {
        StopScript(L);
    } else if (ElapsedMs(budget) > budget.limits.milliseconds) {
        std::snprintf(budget.reason, sizeof budget.reason, "script stopped after %ld ms",
                      budget.limits.milliseconds);
        StopScript(L);
    }
}

// pcall that cannot catch a stop.
int GuardedPcall(lua_State* L) {
    luaL_checkany(L, 1);
    const int status = lua_pcall(L, lua_gettop(L) - 1, LUA_MULTRET, 0);
    if (BudgetOf(L).stopped) return StopScript(L);
    lua_pushboolean(L, status == 0);
    lua_insert(L, 1);
    return lua_gettop(L);
}

// xpcall that cannot catch a stop. The handler runs after the failed call has
// unwound, as an ordinary counted call, so a handler that loops or calls
// itself is stopped like any other code.
int GuardedXpcall(lua_State* L) {
    luaL_checkany(L, 2);
    lua_settop(L, 2);
    lua_insert(L, 1);  // handler, f
    int status = lua_pcall(L, 0, LUA_MULTRET, 0);
    if (BudgetOf(L).stopped) return StopScript(L);
    if (status == 0) {
        lua_pushboolean(L, 1);
        lua_replace(L, 1);
        return lua_gettop(L);
    }
    lua_pushvalue(L, 1);
    lua_insert(L, 2);  // handler, handler, error
    status = lua_pcall(L, 1, 1, 0);
    if (BudgetOf(L).stopped) return StopScript(L);
    if (status != 0) {
        lua_pop(L, 1);
        lua_pushliteral(L, "error in error handling");
    }
    lua_pushboolean(L, 0);
    lua_replace(L, 1);
    return 2;
}

// coroutine.resume (the library's, as upvalue) that hands a stop on.
int GuardedResume(lua_State* L) {
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    if (BudgetOf(L).stopped) return StopScript(L);
    return lua_gettop(L);
}

// table.insert (the library's, as upvalue): a position far below the table
// makes its C loop walk every index in between, unseen by the count hook.
int GuardedInsert(lua_State* L) {
    if (lua_gettop(L) == 3 && lua_istable(L, 1) && lua_isnumber(L, 2)) {
        const long size = static_cast<long>(lua_objlen(L, 1));
        const long pos = static_cast<int>(lua_tointeger(L, 2));  // as the library reads it
        if (pos < 1) SpendSteps(L, size + 1 - pos);
    }
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    return lua_gettop(L);
}

// Replaces lib[name] with fn, the old function as its upvalue. Lib on top.
void Guard(lua_State* L, const char* name, lua_CFunction fn) {
    lua_getfield(L, -1, name);
    lua_pushcclosure(L, fn, 1);
    lua_setfield(L, -2, name);
}
}  // namespace

lua_State* NewSandboxState(LuaBudget& budget) {
    lua_State* L = lua_newstate(LimitedAlloc, &budget);
    if (L) lua_sethook(L, CountHook, LUA_MASKCOUNT, HOOK_STEP);
    return L;
}

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
    lua_register(L, "pcall", GuardedPcall);
    lua_register(L, "xpcall", GuardedXpcall);
    lua_getglobal(L, LUA_COLIBNAME);
    Guard(L, "resume", GuardedResume);
    lua_getglobal(L, LUA_TABLIBNAME);
    Guard(L, "insert", GuardedInsert);
    lua_getglobal(L, LUA_STRLIBNAME);
    lua_pushnil(L);
    lua_setfield(L, -2, "dump");
    RegisterBoundedStrings(L);
    return 0;
}

void StartBudget(lua_State* L) {
    LuaBudget& budget = BudgetOf(L);
    budget.instructions = 0;
    budget.stopped = false;
    budget.reason[0] = '\0';
    budget.started = std::chrono::steady_clock::now();
    lua_sethook(L, CountHook, LUA_MASKCOUNT, HOOK_STEP);
}

LuaBudget& BudgetOf(lua_State* L) {
    void* ud = nullptr;
    lua_getallocf(L, &ud);
    return *static_cast<LuaBudget*>(ud);
}

long StepsLeft(lua_State* L) {
    const LuaBudget& budget = BudgetOf(L);
    return budget.instructions < budget.limits.instructions ? budget.limits.instructions - budget.instructions
                                                            : 0;
}

void SpendSteps(lua_State* L, long steps) {
    LuaBudget& budget = BudgetOf(L);
    if (steps > StepsLeft(L)) {
        budget.instructions = budget.limits.instructions + 1;
        StopScript(L);
    }
    budget.instructions += steps;
}

int StopScript(lua_State* L) {
    LuaBudget& budget = BudgetOf(L);
    if (!budget.stopped) {
        budget.stopped = true;
        if (budget.reason[0] == '\0') {
            std::snprintf(budget.reason, sizeof budget.reason, "script stopped after %ld instructions",
                          budget.limits.instructions);
        }
    }
    lua_sethook(L, CountHook, LUA_MASKCOUNT, 1);  // and at once again, should anything catch it
    return luaL_error(L, "%s", budget.reason);
}
