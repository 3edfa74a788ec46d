// Shared set-up of the tutorial tip tests: a headless platform (software
// renderer), a temporary user folder, a fresh profile holding the tips the
// test makes, the sounds played, and a clock advanced frame by frame.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/value_types.h"
#include "quest/tutorial_catalogue.h"
#include "support/headless_platform.h"

class TEkran;

// Whether two rectangles share a pixel.
bool RectsMeet(const TDim& a, const TDim& b);
// Whether an arrow of the tip points at the rectangle (its point lies within 64 px of the
// arrow's centre).
bool TipPointsAt(const TTutorialTip& tip, const TDim& rect);
// Expects the fully shown tip's adviser and bubble clear of `rect`, unless an arrow points at it
// and `unlessPointedAt` is set (a button the tip shows may lie under its adviser's feet; a cell it
// teaches may not).
void ExpectTipClearOf(const TTutorialTip& tip, const TDim& rect, const std::string& what,
                      bool unlessPointedAt = true);

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
