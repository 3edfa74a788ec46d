// The walls around a GUI script's Lua state: a memory cap, a work budget per
// call that the script cannot catch (pcall, xpcall and coroutine.resume give
// a stop back to their caller), a wall-clock bound, and only the libraries a
// layout script needs.
#pragma once

#include <chrono>
#include <cstddef>

struct lua_State;

struct LuaLimits {
    long instructions = 10'000'000;  // per call into the script, pattern steps included
    size_t memory = 32u << 20;       // bytes per state
    long milliseconds = 2000;        // per call into the script
};

// Book-keeping the allocator, the count hook and the library guards reach
// through the state's allocator data.
struct LuaBudget {
    LuaLimits limits;
    size_t used = 0;
    long instructions = 0;
    std::chrono::steady_clock::time_point started;
    bool stopped = false;
    char reason[64] = "";  // why the call was stopped
};

// A new state whose allocator and hook use the budget; nullptr when it cannot be made.
lua_State* NewSandboxState(LuaBudget& budget);
// Opens base, string, table, math and coroutine without their ways out and
// with the guarded functions in place. Runs protected (a lua_CFunction).
int OpenSandbox(lua_State* L);
// A fresh budget for the next call into the script.
void StartBudget(lua_State* L);

LuaBudget& BudgetOf(lua_State* L);
// Steps the running call may still spend (at least 0).
long StepsLeft(lua_State* L);
// Charges work done by C code; stops the call when it goes over the budget.
void SpendSteps(lua_State* L, long steps);
// Marks the call stopped and raises the stop as a Lua error. Every further
// instruction, and every pcall, xpcall or resume it passes, raises it again.
int StopScript(lua_State* L);
