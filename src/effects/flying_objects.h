// Simple flying objects: a picture flying along a curve, for instance a
// power-up tool going back to its slot when the player drops it.
#pragma once

#include <memory>

#include "frame/safe_list.h"
#include "platform/platform.h"

class TSimpleFlyingObject {
public:
    Image img;
    float x = 0, y = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
    float per = 0;
    int bylo = 0;               // has reached the end once
    float p = 0;                // progress
    int isGoingToPowerUp = -1;  // power-up slot it flies to, -1 for none

    virtual ~TSimpleFlyingObject() = default;
    virtual void draw();
    virtual void update();
    virtual void Destroy();
    virtual void DestroyAsPowerUp();

    SafeList<TSimpleFlyingObject>::Handle node;
};

extern SafeList<TSimpleFlyingObject> simpleFlyingObjectList;

std::shared_ptr<TSimpleFlyingObject> CreateSimpleFlyingObject(const Image& img, int x1, int y1, int x2,
                                                              int y2, int powerUp);
// 1 when an object of the list flies to power-up slot powerUp, else 0.
int IsFlyingToPowerUp(int powerUp);
// Update then draw of every object.
void DrawSimpleFlyingObjects();
void ClearSimpleFlyingObjects();
