// Shared set-up of the menu dialog tests: a headless platform with the
// software renderer (pixels can be read back), a fresh user folder, an
// empty profile list, the game's own data folder, and a script of input
// events played after each presented frame.
#pragma once

#include <functional>
#include <string>

#include "support/headless_platform.h"

class MenusTest : public ::testing::Test {
protected:
    std::string root;  // the test's temporary folder (user folder inside)
    void SetUp() override;
    void TearDown() override;

    // `script(frame)` runs after every presented frame (frame counts from 1)
    // until the test ends; it feeds events as a player would. A dialog left
    // open for 3000 frames gets Escape presses, so a broken test ends.
    void Script(std::function<void(int frame)> script);
    static void Press(int key);  // key down and up
    static void Type(int code);  // one typed character
    // Moves the mouse to (x, y) of the play area and clicks there.
    static void ClickAt(float x, float y);
    static bool Exists(const std::string& path);
};
