// Shared set-up of the level-end dialog tests: a headless platform with the
// software renderer, the real GUI scripts, texts and (when generated) art of
// game/, a fresh in-memory profile and a won level to summarise.
#pragma once

#include <memory>
#include <string>

#include "frame/screen.h"
#include "match3/level.h"
#include "support/headless_platform.h"

class TGui;

class LevelEndTest : public HeadlessPlatformTest {
protected:
    std::shared_ptr<TLevel> level;

    void SetUp() override;
    void TearDown() override;

    // A level left with `time` of `maxTime` seconds and these counts.
    std::shared_ptr<TLevel> WonLevel(int time, int maxTime, int wood, int food, int gold, int rock);

    // One frame of a dialog as its loop runs it (update, draw, present; the
    // clock moves on 1000/60 ms).
    static void Frame(TEkran& dialog);
    // Queues a click (move, press, release) on the centre of a GUI object's
    // hit rectangle; false when the layout has no such object.
    static bool ClickObject(const TGui& gui, const std::string& name);
    static void PressKey(int code);
};
