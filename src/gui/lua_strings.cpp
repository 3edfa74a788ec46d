#include "gui/lua_strings.h"

#include <lua.hpp>

#include <cctype>
#include <cstddef>

#include "gui/lua_pattern.h"
#include "gui/lua_sandbox.h"

// These functions are called by Lua and raise Lua errors (longjmp): they hold
// no objects with destructors, only the plain MatchState.
namespace {
using luapattern::Fault;
using luapattern::MatchState;

// Lua's relative string position: negative counts from the end.
ptrdiff_t RelativePosition(ptrdiff_t pos, size_t len) {
    if (pos < 0) pos += static_cast<ptrdiff_t>(len) + 1;
    return pos >= 0 ? pos : 0;
}

void Start(lua_State* L, MatchState& ms, const char* s, size_t ls, const char* p, size_t lp) {
    luapattern::Begin(ms, s, ls, p, lp, StepsLeft(L));
}

// Charges the steps spent so far and raises the fault, if any; then the
// state may go on with what is left of the budget.
void Settle(lua_State* L, MatchState& ms) {
    const long spent = StepsLeft(L) - (ms.stepsLeft > 0 ? ms.stepsLeft : 0);
    if (ms.fault == Fault::Budget) StopScript(L);
    if (ms.fault == Fault::Pattern) luaL_error(L, "%s", ms.message);
    SpendSteps(L, spent);
    ms.stepsLeft = StepsLeft(L);
}

void PushCapture(lua_State* L, const MatchState& ms, int i, const char* s, const char* e) {
    if (i >= ms.level) {
        if (i != 0) luaL_error(L, "invalid capture index");
        lua_pushlstring(L, s, static_cast<size_t>(e - s));  // the whole match
        return;
    }
    const long len = ms.capture[i].len;
    if (len == luapattern::CAP_UNFINISHED) luaL_error(L, "unfinished capture");
    if (len == luapattern::CAP_POSITION) {
        lua_pushinteger(L, ms.capture[i].init - ms.srcInit + 1);
    } else {
        lua_pushlstring(L, ms.capture[i].init, static_cast<size_t>(len));
    }
}

// The captures, or the whole match [s, e) when there are none (s given).
int PushCaptures(lua_State* L, const MatchState& ms, const char* s, const char* e) {
    const int n = (ms.level == 0 && s) ? 1 : ms.level;
    luaL_checkstack(L, n, "too many captures");
    for (int i = 0; i < n; i++) PushCapture(L, ms, i, s, e);
    return n;
}

int FindOrMatch(lua_State* L, bool find) {
    size_t ls, lp;
    const char* s = luaL_checklstring(L, 1, &ls);
    const char* p = luaL_checklstring(L, 2, &lp);
    ptrdiff_t init = RelativePosition(luaL_optinteger(L, 3, 1), ls) - 1;
    if (init < 0) init = 0;
    if (static_cast<size_t>(init) > ls) init = static_cast<ptrdiff_t>(ls);
    MatchState ms;
    Start(L, ms, s, ls, p, lp);
    if (find && (lua_toboolean(L, 4) || luapattern::IsPlain(p, lp))) {
        const char* hit = luapattern::FindPlain(ms, s + init, ls - static_cast<size_t>(init), p, lp);
        Settle(L, ms);
        if (!hit) {
            lua_pushnil(L);
            return 1;
        }
        lua_pushinteger(L, hit - s + 1);
        lua_pushinteger(L, static_cast<lua_Integer>(hit - s + static_cast<ptrdiff_t>(lp)));
        return 2;
    }
    const bool anchor = lp > 0 && *p == '^';
    if (anchor) p++;
    const char* s1 = s + init;
    do {
        const char* e = luapattern::MatchAt(ms, s1, p);
        if (e) {
            Settle(L, ms);
            if (!find) return PushCaptures(L, ms, s1, e);
            lua_pushinteger(L, s1 - s + 1);
            lua_pushinteger(L, e - s);
            return PushCaptures(L, ms, nullptr, nullptr) + 2;
        }
        if (ms.fault != Fault::None) break;
    } while (s1++ < ms.srcEnd && !anchor);
    Settle(L, ms);
    lua_pushnil(L);
    return 1;
}

int Find(lua_State* L) { return FindOrMatch(L, true); }
int MatchFn(lua_State* L) { return FindOrMatch(L, false); }

// The iterator of gmatch: upvalues subject, pattern, next position.
int GmatchStep(lua_State* L) {
    size_t ls, lp;
    const char* s = lua_tolstring(L, lua_upvalueindex(1), &ls);
    const char* p = lua_tolstring(L, lua_upvalueindex(2), &lp);
    MatchState ms;
    Start(L, ms, s, ls, p, lp);
    for (const char* src = s + lua_tointeger(L, lua_upvalueindex(3)); src <= ms.srcEnd; src++) {
        const char* e = luapattern::MatchAt(ms, src, p);
        if (e) {
            Settle(L, ms);
            lua_Integer next = e - s;
            if (e == src) next++;  // an empty match: go on one further
            lua_pushinteger(L, next);
            lua_replace(L, lua_upvalueindex(3));
            return PushCaptures(L, ms, src, e);
        }
        if (ms.fault != Fault::None) break;
    }
    Settle(L, ms);
    return 0;
}

int Gmatch(lua_State* L) {
    luaL_checkstring(L, 1);
    luaL_checkstring(L, 2);
    lua_settop(L, 2);
    lua_pushinteger(L, 0);
    lua_pushcclosure(L, GmatchStep, 3);
    return 1;
}

// A replacement string: %0 .. %9 are captures, "%" before anything else is
// that character.
void AddStringValue(lua_State* L, luaL_Buffer* b, const MatchState& ms, const char* s, const char* e) {
    size_t l;
    const char* news = lua_tolstring(L, 3, &l);
    for (size_t i = 0; i < l; i++) {
        if (news[i] != '%') {
            luaL_addchar(b, news[i]);
            continue;
        }
        i++;  // news[l] is the string's terminating zero, as in Lua
        if (!std::isdigit(static_cast<unsigned char>(news[i]))) {
            luaL_addchar(b, news[i]);
        } else if (news[i] == '0') {
            luaL_addlstring(b, s, static_cast<size_t>(e - s));
        } else {
            PushCapture(L, ms, news[i] - '1', s, e);
            luaL_addvalue(b);
        }
    }
}

void AddValue(lua_State* L, luaL_Buffer* b, const MatchState& ms, const char* s, const char* e) {
    switch (lua_type(L, 3)) {
        case LUA_TNUMBER:
        case LUA_TSTRING:
            AddStringValue(L, b, ms, s, e);
            return;
        case LUA_TFUNCTION: {
            lua_pushvalue(L, 3);
            const int n = PushCaptures(L, ms, s, e);
            lua_call(L, n, 1);
            break;
        }
        default:  // a table
            PushCapture(L, ms, 0, s, e);
            lua_gettable(L, 3);
            break;
    }
    if (!lua_toboolean(L, -1)) {  // nil or false: keep the original text
        lua_pop(L, 1);
        lua_pushlstring(L, s, static_cast<size_t>(e - s));
    } else if (!lua_isstring(L, -1)) {
        luaL_error(L, "invalid replacement value (a %s)", luaL_typename(L, -1));
    }
    luaL_addvalue(b);
}

int Gsub(lua_State* L) {
    size_t ls, lp;
    const char* src = luaL_checklstring(L, 1, &ls);
    const char* p = luaL_checklstring(L, 2, &lp);
    const int tr = lua_type(L, 3);
    const lua_Integer maxN = luaL_optinteger(L, 4, static_cast<lua_Integer>(ls) + 1);
    luaL_argcheck(L, tr == LUA_TNUMBER || tr == LUA_TSTRING || tr == LUA_TFUNCTION || tr == LUA_TTABLE, 3,
                  "string/function/table expected");
    const bool anchor = lp > 0 && *p == '^';
    if (anchor) {
        p++;
        lp--;
    }
    MatchState ms;
    Start(L, ms, src, ls, p, lp);
    luaL_Buffer b;
    luaL_buffinit(L, &b);
    lua_Integer n = 0;
    while (n < maxN) {
        const char* e = luapattern::MatchAt(ms, src, p);
        Settle(L, ms);
        if (e) {
            n++;
            AddValue(L, &b, ms, src, e);
            ms.stepsLeft = StepsLeft(L);  // the replacement may have run script code
        }
        if (e && e > src) {
            src = e;
        } else if (src < ms.srcEnd) {
            luaL_addchar(&b, *src++);
        } else {
            break;
        }
        if (anchor) break;
    }
    luaL_addlstring(&b, src, static_cast<size_t>(ms.srcEnd - src));
    luaL_pushresult(&b);
    lua_pushinteger(L, n);
    return 2;
}

}  // namespace

void RegisterBoundedStrings(lua_State* L) {
    const luaL_Reg fns[] = {
        {"find", Find}, {"match", MatchFn}, {"gmatch", Gmatch}, {"gsub", Gsub}, {nullptr, nullptr}};
    lua_pushcfunction(L, Gmatch);
    lua_setfield(L, -2, "gfind");  // the old name of gmatch
    for (const luaL_Reg* f = fns; f->name; f++) {
        lua_pushcfunction(L, f->func);
        lua_setfield(L, -2, f->name);
    }
}
