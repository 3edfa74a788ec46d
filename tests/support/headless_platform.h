// Starts the platform for a test: headless, software renderer, 1024 x 768,
// fixed-step clock, no sound device. Shut down again at the end.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "platform/platform.h"

// Starts the platform and opens the off-screen display; false when it failed.
bool StartHeadlessPlatform(RendererKind renderer = RendererKind::Software, int w = 1024, int h = 768);
// Restores the drawing state and input settings a test may have changed, then
// shuts the platform down.
void StopHeadlessPlatform();

// Fixture: every test runs on a freshly started headless platform.
class HeadlessPlatformTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StartHeadlessPlatform()); }
    void TearDown() override { StopHeadlessPlatform(); }
};

// A player's click at (x, y) as a screen meets it: the pointer moves there, the button goes down,
// then up, and `frame` runs after each of the three.
void ClickOverFrames(float x, float y, const std::function<void()>& frame);

// The colour of one back-buffer pixel (logical coordinates).
struct Rgb {
    int r = 0, g = 0, b = 0;
};
Rgb PixelAt(int x, int y);
