// The bounded pattern functions of GUI scripts give the same results as
// Lua's own string library on ordinary patterns, errors included.
#include <gtest/gtest.h>

#include <lua.hpp>

#include <string>

#include "gui/gui_lua.h"

namespace {
// Every result of the expression, or the error, as one text.
std::string Eval(lua_State* L, const std::string& expr) {
    const std::string chunk = "local r = {pcall(function() return " + expr +
                              " end)} for i = 1, #r do r[i] = type(r[i]) .. ':' .. tostring(r[i]) end "
                              "return table.concat(r, ' ')";
    if (luaL_loadstring(L, chunk.c_str()) != 0 || lua_pcall(L, 0, 1, 0) != 0) return lua_tostring(L, -1);
    std::string out = lua_tostring(L, -1);
    lua_pop(L, 1);
    return out;
}

class LuaPatterns : public testing::Test {
protected:
    void SetUp() override {
        real = luaL_newstate();
        luaL_openlibs(real);
    }
    void TearDown() override { lua_close(real); }
    void ExpectSame(const std::string& expr) {
        EXPECT_EQ(Eval(ours.state(), expr), Eval(real, expr)) << expr;
    }

    lua_State* real = nullptr;
    TGuiLua ours;
};
}  // namespace

TEST_F(LuaPatterns, FindAndMatchAgreeWithLua) {
    const char* cases[] = {
        "string.find('hello world', 'wor')",
        "string.find('hello world', 'o', 6)",
        "string.find('hello', 'l', -2)",
        "string.find('hello', '', 10)",
        "string.find('hello', '', -10)",
        "string.find('a.b', '.', 1, true)",
        "string.find('a+b', '+', 1, true)",
        "string.find('abc', 'x')",
        "string.find('  key = value', '(%w+)%s*=%s*(%w+)')",
        "string.find('abc', '()b()')",
        "string.match('2024-05-17', '(%d+)-(%d+)-(%d+)')",
        "string.match('hello', '^h')",
        "string.match('hello', '^e')",
        "string.match('hello', 'o$')",
        "string.match('a$b', '$b')",
        "string.match('THE (quick) fox', '%((%a+)%)')",
        "string.match('f(a(b)c)d', '%b()')",
        "string.match('aaab', 'a-b')",
        "string.match('aaab', 'a*')",
        "string.match('aaab', 'a+b')",
        "string.match('b', 'a?b')",
        "string.match('x = 10', '[%w_]+')",
        "string.match('abc]', '[]]')",
        "string.match('a-z', '[a%-z]+')",
        "string.match('hello', '[^aeiou]+')",
        "string.match('0x1F', '%x+$')",
        "string.match('THE END', '%u+')",
        "string.match('the end', '%l+%s%l+')",
        "string.match('a,b;c', '%p')",
        "string.match('tab\\there', '%c')",
        "string.match('x\\0y', '%z')",
        "string.match('abab', '(ab)%1')",
        "string.match('THE (quick) fox', '%f[%a]%a+')",
        "string.match('hello', '.-(l+)(.*)')",
        "string.match('key=val', '(%w+)=(%w*)')",
        "string.match('[x]', '^%[(.*)%]$')",
        "string.match('hello', '()ll()')",
        "string.match(12345, '3(4)')",
        "string.match('abc', 'b', -1)",
        "string.match('abc', '%')",
        "string.match('abc', '[a')",
        "string.match('abc', '(a')",
        "string.match('abc', 'a)')",
        "string.match('abc', '%1')",
        "string.match('abc', '%b')",
        "string.match('abc', '%f')",
        "string.find('abc', '[%')",
        "string.match('abc', '%ga')",
        "('x'):rep(3):match('x+')",
    };
    for (const char* c : cases) ExpectSame(c);
}

TEST_F(LuaPatterns, GmatchAndGsubAgreeWithLua) {
    const char* cases[] = {
        "(function() local t = {} for w in string.gmatch('one two  three', '%a+') do t[#t+1] = w end "
        "return table.concat(t, '|') end)()",
        "(function() local t = {} for k, v in string.gmatch('a=1, b=2', '(%w+)=(%w+)') do t[#t+1] = k .. v "
        "end "
        "return table.concat(t, '|') end)()",
        "(function() local n = 0 for _ in string.gmatch('abc', '') do n = n + 1 end return n end)()",
        "(function() local t = {} for w in string.gmatch('^a^b', '^%a') do t[#t+1] = w end "
        "return table.concat(t, '|') end)()",
        "string.gsub('hello world', 'o', '0')",
        "string.gsub('hello world', 'o', '0', 1)",
        "string.gsub('hello', '', '-')",
        "string.gsub('hello world', '(%w+)', '<%1>')",
        "string.gsub('hello', 'l+', '%0%0')",
        "string.gsub('abc', '%w', '%%')",
        "string.gsub('abc', 'b', '%x')",
        "string.gsub('hello world', '%w+', {hello = 'HI', world = false})",
        "string.gsub('a b c', '%a', function(c) if c ~= 'b' then return c:upper() end end)",
        "string.gsub('abc', '^a', 'X')",
        "string.gsub('aaa', '^a', 'X')",
        "string.gsub('abc', '$', '!')",
        "string.gsub('x = 1', '(%w+) = (%w+)', '%2 = %1')",
        "string.gsub('abc', '(b)', '%2')",
        "string.gsub('abc', 'b', function() return {} end)",
        "string.gsub('abc', 'b', true)",
        "string.gsub('abc', '()', '%1')",
        "string.gsub(123, 2, 9)",
        "string.gsub('abc', 'b', 5)",
    };
    for (const char* c : cases) ExpectSame(c);
}
