// Input through the event queue, the fixed-step clock and random numbers.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "support/headless_platform.h"

namespace {
void Push(InputEvent::Kind kind, int code, float x = 0, float y = 0) { InPushEvent({kind, x, y, code}); }

using Input = HeadlessPlatformTest;
}  // namespace

TEST_F(Input, PushedEventsActAtTheNextPollAndHitsResetWhenRead) {
    Push(InputEvent::MouseMove, 0, 120, 340);
    Push(InputEvent::MouseDown, 1);
    EXPECT_EQ(InMouseHit(1), 0);  // not yet polled
    SysPoll();
    EXPECT_EQ(InMouseX(), 120);
    EXPECT_EQ(InMouseY(), 340);
    EXPECT_EQ(InMouseDown(1), 1);
    EXPECT_EQ(InMouseHit(1), 1);
    EXPECT_EQ(InMouseHit(1), 0);
    EXPECT_EQ(InMouseHit(2), 0);
    Push(InputEvent::MouseUp, 1);
    Push(InputEvent::MouseDown, 2);
    Push(InputEvent::MouseUp, 2);
    Push(InputEvent::MouseDown, 2);
    Push(InputEvent::Wheel, 0, 0, -2);
    SysPoll();
    EXPECT_EQ(InMouseDown(1), 0);
    EXPECT_EQ(InMouseHit(2), 2);
    EXPECT_EQ(InMouseZ(), -2);
    Push(InputEvent::MouseDown, 3);
    SysPoll();
    InFlushMouse();
    EXPECT_EQ(InMouseHit(3), 0);
    EXPECT_EQ(InMouseDown(3), 1);
}

TEST_F(Input, KeysCountPressesAndHold) {
    Push(InputEvent::KeyDown, 'A');
    Push(InputEvent::KeyUp, 'A');
    Push(InputEvent::KeyDown, 'A');
    Push(InputEvent::KeyDown, KEY_LALT);
    SysPoll();
    EXPECT_EQ(InKeyHit('A'), 2);
    EXPECT_EQ(InKeyHit('A'), 0);
    EXPECT_EQ(InKeyDown('A'), 1);
    EXPECT_EQ(InKeyDown(KEY_LALT), 1);
    EXPECT_EQ(InKeyDown(18), 1);  // either Alt counts as Alt
    Push(InputEvent::KeyUp, KEY_LALT);
    Push(InputEvent::KeyDown, KEY_F1);
    SysPoll();
    EXPECT_EQ(InKeyDown(18), 0);
    EXPECT_EQ(InKeyHit(KEY_F1), 1);
    Push(InputEvent::KeyDown, KEY_ESCAPE);
    SysPoll();
    InFlushKeys();
    EXPECT_EQ(InKeyHit(KEY_ESCAPE), 0);
    EXPECT_EQ(InGetChar(), 0);
    EXPECT_EQ(InKeyHit(-5), 0);
    EXPECT_EQ(InKeyDown(1000), 0);
}

TEST_F(Input, TypedCharactersComeOutInOrder) {
    Push(InputEvent::Char, 'h');
    Push(InputEvent::Char, 0x17C);  // ż
    Push(InputEvent::KeyDown, KEY_BACKSPACE);
    Push(InputEvent::KeyDown, KEY_ENTER);
    Push(InputEvent::KeyDown, 'Q');  // letters come as characters, not as keys
    SysPoll();
    EXPECT_EQ(InGetChar(), 'h');
    EXPECT_EQ(InGetChar(), 0x17C);
    EXPECT_EQ(InGetChar(), KEY_BACKSPACE);
    EXPECT_EQ(InGetChar(), KEY_ENTER);
    EXPECT_EQ(InGetChar(), 0);
    EXPECT_EQ(InKeyHit(KEY_ENTER), 1);
}

TEST_F(Input, ObserverSeesAppliedEventsAndFocusAndCloseAct) {
    std::vector<InputEvent> seen;
    InSetEventObserver([&](const InputEvent& e) { seen.push_back(e); });
    Push(InputEvent::KeyDown, 'B');
    Push(InputEvent::Focus, 0);
    SysPoll();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].kind, InputEvent::KeyDown);
    EXPECT_EQ(seen[0].code, 'B');
    EXPECT_TRUE(SysAppSuspended());
    EXPECT_EQ(InKeyDown('B'), 0);  // released when the window lost focus
    Push(InputEvent::Focus, 1);
    Push(InputEvent::Close, 0);
    SysPoll();
    EXPECT_FALSE(SysAppSuspended());
    EXPECT_TRUE(SysAppTerminate());
    EXPECT_FALSE(SysAppTerminate());  // reported once
    InSetEventObserver(nullptr);
    InIgnoreSystemInput(true);
    Push(InputEvent::MouseDown, 1);  // fed events still act
    SysPoll();
    EXPECT_EQ(InMouseHit(1), 1);
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(Input, FixedStepClockAdvancesOneSixtiethPerFlip) {
    const int start = SysMillisecs();
    GfxFlip(-1);
    EXPECT_EQ(SysMillisecs() - start, 16);
    GfxFlip(-1);
    GfxFlip(0);
    EXPECT_EQ(SysMillisecs() - start, 50);
    for (int i = 3; i < 60; ++i) {
        GfxFlip(-1);
    }
    EXPECT_EQ(SysMillisecs() - start, 1000);
    for (int i = 0; i < 60 * 59; ++i) {
        GfxFlip(-1);
    }
    EXPECT_EQ(SysMillisecs() - start, 60000);
}

TEST(Random, IntIncludesBothEndsAndSeedsRepeat) {
    RandSeed(7);
    bool low = false, high = false;
    for (int i = 0; i < 2000; ++i) {
        const int r = RandInt(1, 3);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 3);
        low = low || r == 1;
        high = high || r == 3;
    }
    EXPECT_TRUE(low && high);
    EXPECT_EQ(RandInt(5, 5), 5);
    const int wide = RandInt(INT_MIN, INT_MAX);
    (void)wide;
    const int swapped = RandInt(10, 8);
    EXPECT_TRUE(swapped >= 8 && swapped <= 10);

    std::vector<float> first, second;
    RandSeed(42);
    for (int i = 0; i < 20; ++i) {
        first.push_back(static_cast<float>(RandInt(0, 1000)) + RandFloat(0, 1));
    }
    RandSeed(42);
    for (int i = 0; i < 20; ++i) {
        second.push_back(static_cast<float>(RandInt(0, 1000)) + RandFloat(0, 1));
    }
    EXPECT_EQ(first, second);
    for (int i = 0; i < 1000; ++i) {
        const float f = RandFloat(2, 3);
        ASSERT_GE(f, 2.0f);
        ASSERT_LT(f, 3.0f);
    }
}
