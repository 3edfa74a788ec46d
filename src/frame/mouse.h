// The mouse in play-area coordinates, click counts per frame and the custom
// cursor.
#pragma once

#include "frame/value_types.h"
#include "platform/platform.h"

class TMouse {
public:
    Image cur;
    int leftPressed = 0, rightPressed = 0, midPressed = 0;
    int leftHolded = 0, rightHolded = 0, midHolded = 0;
    int isCustom = 0;
    float x = 0, y = 0;
    float vx = 0, vy = 0;
    float z = 0, vz = 0;

    virtual ~TMouse() = default;
    virtual void clear();
    virtual void Custom();
    virtual void Normal();
    virtual void update();
    virtual void draw();
    virtual int GetX() const { return static_cast<int>(x); }
    virtual int GetY() const { return static_cast<int>(y); }
    virtual bool inDim(const TDim& d) const { return inRect(d.x, d.y, d.w, d.h); }
    virtual bool inRect(float rx, float ry, float rw, float rh) const;
};

extern TMouse mouse;
