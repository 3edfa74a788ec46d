// The play-area mouse: click counting, rectangles, the side offset.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "support/headless_platform.h"

class MouseTest : public HeadlessPlatformTest {
protected:
    void Push(InputEvent::Kind kind, float x, float y, int code) { InPushEvent({kind, x, y, code}); }
    void TearDown() override {
        sideOffset = 0;
        HeadlessPlatformTest::TearDown();
    }
};

TEST_F(MouseTest, AClickBetweenTwoUpdatesIsCountedOnceThenReset) {
    TMouse m;
    Push(InputEvent::MouseMove, 100, 50, 0);
    Push(InputEvent::MouseDown, 100, 50, 1);
    Push(InputEvent::MouseUp, 100, 50, 1);
    SysPoll();
    m.update();
    EXPECT_EQ(m.leftPressed, 1);
    EXPECT_EQ(m.leftHolded, 0);
    EXPECT_FLOAT_EQ(m.x, 100);
    EXPECT_FLOAT_EQ(m.y, 50);
    SysPoll();
    m.update();
    EXPECT_EQ(m.leftPressed, 0);
}

TEST_F(MouseTest, HeldButtonsAndMovementSinceTheLastUpdate) {
    TMouse m;
    Push(InputEvent::MouseMove, 10, 10, 0);
    SysPoll();
    m.update();
    Push(InputEvent::MouseMove, 40, 30, 0);
    Push(InputEvent::MouseDown, 40, 30, 2);
    SysPoll();
    m.update();
    EXPECT_EQ(m.rightHolded, 1);
    EXPECT_EQ(m.rightPressed, 1);
    EXPECT_FLOAT_EQ(m.vx, 30);
    EXPECT_FLOAT_EQ(m.vy, 20);
}

TEST_F(MouseTest, TheWidePictureShiftsThePlayAreaBy171) {
    TMouse m;
    sideOffset = 171;
    Push(InputEvent::MouseMove, 100, 20, 0);
    SysPoll();
    m.update();
    EXPECT_FLOAT_EQ(m.x, -71);  // over the left side frame
    Push(InputEvent::MouseMove, 171, 20, 0);
    SysPoll();
    m.update();
    EXPECT_FLOAT_EQ(m.x, 0);
}

TEST(MouseRect, EdgesAreInsideAndClearHidesEverything) {
    TMouse m;
    m.x = 10;
    m.y = 20;
    EXPECT_TRUE(m.inRect(10, 20, 5, 5));
    EXPECT_TRUE(m.inRect(5, 15, 5, 5));
    EXPECT_FALSE(m.inRect(10.5f, 20, 5, 5));
    EXPECT_FALSE(m.inRect(0, 0, 9.9f, 100));
    TDim d = NewDimRect(0, 0, 10, 20);
    EXPECT_TRUE(m.inDim(d));
    m.leftPressed = 3;
    m.clear();
    EXPECT_EQ(m.leftPressed, 0);
    EXPECT_FALSE(m.inRect(0, 0, 1024, 768));
    EXPECT_EQ(m.GetX(), -1000);
}
