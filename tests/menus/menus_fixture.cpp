#include "menus_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/options.h"
#include "frame/user_dir.h"
#include "quest/profile.h"
#include "quest/profile_list.h"

namespace {
std::function<void(int)> currentScript;
int scriptFrame = 0;

void InstallScriptHook() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    AddAfterFrameHook([] {
        ++scriptFrame;
        if (currentScript) currentScript(scriptFrame);
        if (scriptFrame > 3000) {
            InPushEvent(KeyEvent(true, KEY_ESCAPE));
            InPushEvent(KeyEvent(false, KEY_ESCAPE));
        }
    });
}
}  // namespace

void MenusTest::SetUp() {
    ASSERT_TRUE(StartHeadlessPlatform());
    std::string tmpl = (std::filesystem::temp_directory_path() / "brambleton-menus-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    root = tmpl;
    SetUserDirOverride(root + "/user");
    SetupUserDir();
    options = TOptions();
    options.fullscreen = 0;
    mouse.isCustom = 0;
    actProfile = nullptr;
    profileManager.profiles.clear();
    profileManager.heldFiles.clear();
    profileManager.loadedOnce = 1;
    InstallScriptHook();
    currentScript = nullptr;
    scriptFrame = 0;
    // The clock starts again with the platform: the frame timer must not
    // take the last test's time for this one's first frame.
    UpdateDelta();
    frameDelta = 1;
    InFlushKeys();
    InFlushMouse();
}

void MenusTest::TearDown() {
    currentScript = nullptr;
    actProfile = nullptr;
    profileManager.profiles.clear();
    SetUserDirOverride("");
    std::filesystem::remove_all(root);
    StopHeadlessPlatform();
}

void MenusTest::Script(std::function<void(int)> script) {
    scriptFrame = 0;
    currentScript = std::move(script);
}

void MenusTest::Press(int key) {
    InPushEvent(KeyEvent(true, key));
    InPushEvent(KeyEvent(false, key));
}

void MenusTest::Type(int code) { InPushEvent(CharEvent(code)); }

void MenusTest::ClickAt(float x, float y) {
    InPushEvent(MouseMoveEvent(x + static_cast<float>(sideOffset), y));
    InPushEvent(MouseButtonEvent(true, 1));
    InPushEvent(MouseButtonEvent(false, 1));
}

bool MenusTest::Exists(const std::string& path) { return std::filesystem::exists(path); }
