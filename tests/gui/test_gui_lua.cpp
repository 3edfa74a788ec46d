// The Lua class of a GUI script: started once, sandboxed, stopped when it
// runs away, and never able to break the layout.
#include "gui/gui_lua.h"
#include "gui_test_util.h"

using guitest::Output;

namespace {
class GuiLua : public testing::Test {
protected:
    // Loads a layout with one object and the given Lua source; returns the output.
    std::string Run(const std::string& lua, std::shared_ptr<TGui>* keep = nullptr) {
        dir.write("code/script.lua", lua);
        dir.write("layout.gui", "OBJECT a { TXT = t POSITION = \"0 0\" }\nLUASCRIPT code/script.lua");
        return Output([&] {
            auto gui = LoadGui(dir.path + "layout.gui");
            EXPECT_EQ(gui->objects.size(), 1u);  // the layout stays usable whatever the script does
            guitest::Frame(*gui, 5, 5);
            gui->draw();
            if (keep) *keep = gui;
        });
    }
    guitest::ScratchDir dir;
};
}  // namespace

TEST_F(GuiLua, ClassIsInstantiatedAndStarted) {
    const std::string out = Run(R"(
        local Menu = {}
        Menu.greeting = "hello"
        function Menu:start()
            self.count = (self.count or 0) + 1
            print(self.greeting .. " " .. self.count .. " " .. tostring(rawget(self, "greeting")))
        end
        return Menu)");
    EXPECT_EQ(out, "hello 1 nil\n");
}

TEST_F(GuiLua, ErrorsArePrintedAndTheLayoutGoesOn) {
    EXPECT_NE(Run("return {start = function(self) error('boom') end}").find("ERROR: Lua: "),
              std::string::npos);
    EXPECT_NE(Run("return {start = function(self) error('boom') end}").find("boom"), std::string::npos);
    EXPECT_NE(Run("this is not lua").find("ERROR: Lua: "), std::string::npos);
    EXPECT_NE(Run("return 42").find("does not return a class table"), std::string::npos);
    EXPECT_NE(Run("error({})").find("ERROR: Lua: "), std::string::npos);
    // No start method: nothing to call, nothing printed.
    EXPECT_EQ(Run("return {}"), "");
}

TEST_F(GuiLua, NoFilesSystemOrLoaders) {
    const std::string out = Run(R"(
        local C = {}
        function C:start()
            print(type(os), type(io), type(package), type(debug), type(require), type(dofile),
                  type(loadfile), type(load), type(loadstring), type(string.dump), type(math.sin))
            local ok = pcall(function() os.execute("touch /tmp/should-not-exist") end)
            print(ok)
            ok = pcall(function() return io.open("/etc/passwd") end)
            print(ok)
        end
        return C)");
    EXPECT_EQ(out, "nil\tnil\tnil\tnil\tnil\tnil\tnil\tnil\tnil\tnil\tfunction\nfalse\nfalse\n");
    // Called without pcall, the same attempt is an ordinary script error.
    EXPECT_NE(Run("return {start = function() os.execute('true') end}").find("ERROR: Lua: "),
              std::string::npos);
}

TEST_F(GuiLua, RunawayScriptsAreStopped) {
    std::string out = Run("return {start = function() while true do end end}");
    EXPECT_NE(out.find("stopped after 10000000 instructions"), std::string::npos) << out;
    // Loops at load time and in coroutines are counted too.
    out = Run("while true do end");
    EXPECT_NE(out.find("stopped after"), std::string::npos) << out;
    out = Run("return {start = function() coroutine.wrap(function() while true do end end)() end}");
    EXPECT_NE(out.find("stopped after"), std::string::npos) << out;
    // Memory is bounded as well.
    out = Run(
        "return {start = function() local t = {} for i = 1, 1e8 do t[i] = string.rep('x', 64) .. i end end}");
    EXPECT_NE(out.find("ERROR: Lua: "), std::string::npos) << out;
    out = Run("return {start = function() local s = string.rep('x', 1e9) end}");
    EXPECT_NE(out.find("not enough memory"), std::string::npos) << out;
}

TEST_F(GuiLua, InstanceLivesWithTheLayoutAndCanFollowUpdates) {
    std::shared_ptr<TGui> gui;
    Run(R"(
        local C = {}
        function C:start() self.n = 0 end
        function C:update() self.n = self.n + 1; print("update " .. self.n) end
        return C)",
        &gui);
    ASSERT_TRUE(gui && gui->luaObject && gui->luaObject->hasInstance());
    EXPECT_EQ(Output([&] { gui->update(); }), "");  // off by default
    gui->setLuaUpdate(1);
    EXPECT_EQ(Output([&] {
                  gui->update();
                  gui->update();
              }),
              "update 1\nupdate 2\n");
    gui->clear();
    EXPECT_FALSE(gui->luaObject);
}

TEST_F(GuiLua, MissingScriptAndScriptAsLastStatement) {
    dir.write("layout.gui", "OBJECT a { TXT = t }\nLUASCRIPT nothing.lua");
    const std::string out = Output([&] { EXPECT_EQ(LoadGui(dir.path + "layout.gui")->objects.size(), 1u); });
    EXPECT_EQ(out, "ERROR: Couldn't find Lua script '" + dir.path + "nothing.lua'!\n");
}
