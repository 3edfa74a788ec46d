// Bounded replacements of string.find, match, gmatch and gsub for GUI
// scripts: the same results as Lua 5.1 on ordinary patterns, but depth and
// work are bounded (see lua_pattern.h) and charged to the call's budget.
#pragma once

struct lua_State;

// Replaces the functions in the table on top of the stack (the string library).
void RegisterBoundedStrings(lua_State* L);
