#include "frame/mouse.h"

#include "frame/globals.h"

TMouse mouse;

void TMouse::clear() {
    leftPressed = rightPressed = midPressed = 0;
    leftHolded = rightHolded = midHolded = 0;
    x = -1000;
    y = -1000;
}

void TMouse::Custom() {
    isCustom = 1;
    InSetCursorVisible(false);
}

void TMouse::Normal() {
    isCustom = 0;
    InSetCursorVisible(true);
}

void TMouse::update() {
    const float oldX = x;
    const float oldY = y;
    const float oldZ = z;
    // The logical screen has no offsets of its own; only the side frames of
    // the wide picture shift the play area.
    x = InMouseX() - static_cast<float>(sideOffset);
    y = InMouseY();
    leftPressed = InMouseHit(1);
    rightPressed = InMouseHit(2);
    midPressed = InMouseHit(3);
    leftHolded = InMouseDown(1);
    rightHolded = InMouseDown(2);
    midHolded = InMouseDown(3);
    z = InMouseZ();
    vx = x - oldX;
    vy = y - oldY;
    vz = z - oldZ;
}

void TMouse::draw() {
    GfxResetDrawState();
    if (isCustom && cur) GfxDrawImage(cur, x, y);
}

bool TMouse::inRect(float rx, float ry, float rw, float rh) const {
    return rx <= x && x <= rx + rw && ry <= y && y <= ry + rh;
}
