// Hostile GUI scripts: each one ends with one message naming the script, and
// the layout goes on working. None may crash the game, hang it or run code
// the compiler did not check.
#include <lua.hpp>

#include "gui/gui_lua.h"
#include "gui_test_util.h"

using guitest::Output;

namespace {
class LuaSandbox : public testing::Test {
protected:
    // Loads a layout with one object and the given Lua source; returns the output.
    std::string Run(const std::string& lua) {
        dir.write("code/hostile.lua", lua);
        dir.write("layout.gui", "OBJECT a { TXT = t POSITION = \"0 0\" }\nLUASCRIPT code/hostile.lua");
        return Output([&] {
            auto gui = LoadGui(dir.path + "layout.gui");
            EXPECT_EQ(gui->objects.size(), 1u);
            guitest::Frame(*gui, 5, 5);
            gui->draw();
        });
    }
    // One "ERROR: " line that names the script and says why it stopped.
    void ExpectOneMessage(const std::string& out, const std::string& why) {
        EXPECT_EQ(out.find("ERROR: Lua: "), 0u) << out;
        EXPECT_EQ(out.find("ERROR: ", 1), std::string::npos) << out;
        EXPECT_NE(out.find("hostile.lua"), std::string::npos) << out;
        EXPECT_NE(out.find(why), std::string::npos) << out;
    }
    guitest::ScratchDir dir;
};

// Source of a class whose start runs the body.
std::string Start(const std::string& body) {
    return "local C = {}\nfunction C:start()\n" + body + "\nend\nreturn C\n";
}

// A binary chunk of the source, as the real compiler writes it.
std::string Compile(const std::string& source) {
    lua_State* L = luaL_newstate();
    std::string out;
    EXPECT_EQ(luaL_loadstring(L, source.c_str()), 0);
    lua_dump(
        L,
        [](lua_State*, const void* p, size_t n, void* ud) {
            static_cast<std::string*>(ud)->append(static_cast<const char*>(p), n);
            return 0;
        },
        &out);
    lua_close(L);
    return out;
}
}  // namespace

TEST_F(LuaSandbox, DeepPatternsEndWithAnError) {
    ExpectOneMessage(Run(Start("string.find('', string.rep('a*', 1000000))")), "pattern too complex");
    ExpectOneMessage(Run(Start("('x'):match(string.rep('(', 100000))")), "too many captures");
    // Below the depth bound the same kind of pattern still works.
    EXPECT_EQ(Run(Start("print(string.find('aaa', string.rep('a*', 50)))")), "1\t3\n");
}

TEST_F(LuaSandbox, BacktrackingPatternsAreCounted) {
    const std::string slow = "string.rep('a', 40), string.rep('a*', 12) .. 'b'";
    for (const char* call : {"string.find(", "string.match(", "string.gsub('x', 'x', 'x') string.gsub("}) {
        const std::string extra = std::string(call).find("gsub") != std::string::npos ? ", 'x')" : ")";
        ExpectOneMessage(Run(Start(call + slow + extra)), "stopped after");
    }
    ExpectOneMessage(Run(Start("for m in string.gmatch(" + slow + ") do end")), "stopped after");
    // Plain searches count the bytes they compare.
    ExpectOneMessage(
        Run(Start("local s = string.rep('a', 4e6) string.find(s, string.rep('a', 2e6) .. 'b', 1, true)")),
        "stopped after");
}

TEST_F(LuaSandbox, StopsCannotBeCaught) {
    const char* loops[] = {
        "while true do pcall(function() while true do end end) end",
        "while true do xpcall(function() while true do end end, function(e) return e end) end",
        "xpcall(function() error('x') end, function() while true do end end)",
        "local function h(e) return h(e) end xpcall(function() error('x') end, h)",
        "while true do coroutine.resume(coroutine.create(function() while true do end end)) end",
        "while true do pcall(string.find, string.rep('a', 40), string.rep('a*', 12) .. 'b') end",
    };
    for (const char* loop : loops) ExpectOneMessage(Run(Start(loop)), "stopped after");
    // The same at load time, outside any method.
    ExpectOneMessage(Run(std::string(loops[0]) + "\nreturn {}"), "stopped after");
}

TEST_F(LuaSandbox, CaughtErrorsStillWork) {
    const std::string out = Run(Start(R"(
        print(pcall(error, 'a', 0))
        print(xpcall(function() error('b', 0) end, function(e) return 'handled ' .. e end))
        print(xpcall(function() return 1, 2 end, print))
        print(xpcall(function() error('c') end, function() error('again') end))
        print(coroutine.resume(coroutine.create(function() error('d', 0) end)))
    )"));
    EXPECT_EQ(out, "false\ta\nfalse\thandled b\ntrue\t1\t2\nfalse\terror in error handling\nfalse\td\n");
}

TEST_F(LuaSandbox, BinaryChunksAreRefused) {
    const std::string chunk = Compile("print('binary ran') return {}");
    ASSERT_EQ(chunk.rfind("\x1bLua", 0), 0u);
    ExpectOneMessage(Run(chunk), "precompiled");
    ExpectOneMessage(Run("\x1bnot really"), "precompiled");
}

TEST_F(LuaSandbox, TableInsertFarBelowTheTableIsCounted) {
    ExpectOneMessage(Run(Start("table.insert({}, -2147483647, 1)")), "stopped after");
    // The library reads the position as a C int: 2^31 wraps round to far below.
    ExpectOneMessage(Run(Start("table.insert({}, 2^31, 1)")), "stopped after");
    EXPECT_EQ(Run(Start("local t = {1, 2} table.insert(t, 1, 0) print(table.concat(t, ','))")), "0,1,2\n");
}

TEST(LuaBudget, WallClockIsASecondGuard) {
    TGuiLua::Limits limits;
    limits.instructions = 1L << 50;
    limits.milliseconds = 50;
    TGuiLua lua(limits);
    const std::string out = Output(
        [&] { EXPECT_TRUE(lua.loadClass("return {start = function() while true do end end}", "slow.lua")); });
    EXPECT_NE(out.find("slow.lua"), std::string::npos) << out;
    EXPECT_NE(out.find("stopped after 50 ms"), std::string::npos) << out;
    // A stopped script is not called again.
    EXPECT_FALSE(lua.hasInstance());
    EXPECT_FALSE(lua.callMethod("start"));
}

TEST(LuaBudget, EveryCallGetsAFreshBudget) {
    TGuiLua::Limits limits;
    limits.instructions = 200'000;
    TGuiLua lua(limits);
    const std::string out = Output([&] {
        ASSERT_TRUE(lua.loadClass("return {update = function() for i = 1, 30000 do end end}", "calls.lua"));
        for (int i = 0; i < 20; ++i) EXPECT_TRUE(lua.callMethod("update"));
    });
    EXPECT_EQ(out, "");
}
