// Lua 5.1 patterns (find, match, gmatch and gsub of GUI scripts) with a
// bound on recursion and on work, so that no pattern can overflow the C stack
// or keep the game busy. Pure C++: the Lua side is in lua_strings.cpp.
//
// The state is a plain struct on purpose: Lua errors unwind with longjmp,
// which skips destructors, so nothing here may own memory.
#pragma once

#include <cstddef>

namespace luapattern {

constexpr int MAX_CAPTURES = 32;
constexpr int MAX_DEPTH = 200;       // nested pattern items, as later Lua versions allow
constexpr long CAP_UNFINISHED = -1;  // "(" seen, ")" not yet
constexpr long CAP_POSITION = -2;    // "()"

struct Capture {
    const char* init;
    long len;
};

enum class Fault { None, Pattern, Budget };

struct MatchState {
    const char* srcInit;
    const char* srcEnd;
    const char* patEnd;
    int level;       // captures open or closed so far
    int depth;       // current recursion depth
    long stepsLeft;  // characters and pattern items still allowed
    Fault fault;
    const char* message;  // the pattern fault, a static text
    Capture capture[MAX_CAPTURES];
};

// Prepares a match of pattern [p, p + lp) in subject [s, s + ls) with a work budget.
void Begin(MatchState& ms, const char* s, size_t ls, const char* p, size_t lp, long steps);
// Where a match of the pattern at p, starting at subject position s, ends;
// nullptr when it does not match or ms.fault is set. Resets the captures.
const char* MatchAt(MatchState& ms, const char* s, const char* p);
// True when the pattern has none of the special characters, so a plain search
// gives the same result.
bool IsPlain(const char* p, size_t lp);
// Plain search of [p, p + lp) in [s, s + ls): the first hit or nullptr. Each
// candidate costs the bytes compared; running out sets ms.fault.
const char* FindPlain(MatchState& ms, const char* s, size_t ls, const char* p, size_t lp);

}  // namespace luapattern
