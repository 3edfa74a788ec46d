// Shared set-up of the tutorial tip tests: a headless platform (software
// renderer), a temporary user folder, a fresh profile holding the tips the
// test makes, the sounds played, and a clock advanced frame by frame.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "quest/tutorial_catalogue.h"
#include "support/headless_platform.h"

class TEkran;

class TipTest : public HeadlessPlatformTest {
protected:
    std::string root, savedUserDir;
    std::vector<std::string> sounds;  // played, in order

    void SetUp() override;
    void TearDown() override;

    // A tip of the catalogue (appended) and of the current profile's list.
    std::shared_ptr<TTutorialTip> AddTip(int typ, int typExit, int timeDelay = 0, int isAlphaStart = 0);
    static void SetLevel(int level);
    // The clock moves on by whole frames of 1000/60 ms.
    static void AdvanceMs(int ms);
    // A left click this frame, as TMouse::update would have counted it.
    static void ClickNow();
    // Frames of UpdateTutorialTip on `screen` (the clock moving with them).
    static void UpdateFrames(const TEkran* screen, int frames, bool clickFirst = false);
    // Fades the active tip in on `screen` until it is fully shown.
    static void ShowFully(const TEkran* screen);
};
