// The Enter key and the common frame update: Alt+Enter switches the display
// and is neither an Enter hit nor a typed Enter, a plain Enter is left for the
// screen (a dialog answers with it), and an Enter nobody read does not switch
// the display when Alt goes down later.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/options.h"
#include "frame/user_dir.h"
#include "support/headless_platform.h"

namespace fs = std::filesystem;

namespace {

class EnterKey : public HeadlessPlatformTest {
protected:
    fs::path dir;
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        char pattern[] = "/tmp/brambleton-enter-XXXXXX";
        dir = mkdtemp(pattern);
        SetUserDirOverride(dir.string());
        SetupUserDir();
        options = TOptions();
        options.fullscreen = 0;
        options.ratio = 0;  // the display it reopens keeps the 4:3 play area
        InFlushKeys();
    }
    void TearDown() override {
        options = TOptions();
        sideOffset = 0;
        SetUserDirOverride("");
        fs::remove_all(dir);
        HeadlessPlatformTest::TearDown();
    }
    static void Press(int key) {
        InPushEvent(KeyEvent(true, key));
        InPushEvent(KeyEvent(false, key));
    }
};

}  // namespace

TEST_F(EnterKey, APlainEnterIsLeftForTheScreen) {
    Press(KEY_ENTER);
    CommonUpdate(nullptr);
    EXPECT_EQ(InKeyHit(KEY_ENTER), 1);
    EXPECT_EQ(options.fullscreen, 0);
}

TEST_F(EnterKey, AltEnterSwitchesTheDisplayAndIsNotSeenAsEnter) {
    InPushEvent(KeyEvent(true, KEY_LALT));
    Press(KEY_ENTER);
    CommonUpdate(nullptr);
    EXPECT_EQ(options.fullscreen, 1);
    EXPECT_EQ(InKeyHit(KEY_ENTER), 0);
    EXPECT_NE(FsLoadString(userDir + "/Data/settings.txt").find("fullscreen = 1"), std::string::npos);
}

TEST_F(EnterKey, AltEnterIsNoTypedEnterEvenWhenAltIsLetGoInTheSameFrame) {
    InPushEvent(KeyEvent(true, KEY_RALT));
    Press(KEY_ENTER);
    InPushEvent(CharEvent(KEY_ENTER));
    InPushEvent(KeyEvent(false, KEY_RALT));
    CommonUpdate(nullptr);
    EXPECT_EQ(options.fullscreen, 1);
    EXPECT_EQ(InKeyHit(KEY_ENTER), 0);
    EXPECT_EQ(InGetChar(), 0) << "a dialog would take it as its answer";
    // Without Alt, Enter is a key and a typed character again.
    Press(KEY_ENTER);
    CommonUpdate(nullptr);
    EXPECT_EQ(options.fullscreen, 1);
    EXPECT_EQ(InKeyHit(KEY_ENTER), 1);
    EXPECT_EQ(InGetChar(), KEY_ENTER);
}

TEST_F(EnterKey, AnEnterNobodyReadDoesNotSwitchWhenAltGoesDownLater) {
    Press(KEY_ENTER);
    CommonUpdate(nullptr);  // the screen of this frame ignores Enter
    InPushEvent(KeyEvent(true, KEY_LALT));
    CommonUpdate(nullptr);
    EXPECT_EQ(options.fullscreen, 0);
}
