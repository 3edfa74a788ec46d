// Resource flyers: a collected resource chip's worth flies along a curve to
// its counter panel of the match-3 game, seen only through its trail of
// sparks, and is credited to the panel on arrival.
//
// The flyer keeps the chip's resource and amount, not the chip; the board
// passes chip->res and chip->resQ.
#pragma once

#include <memory>

#include "frame/safe_list.h"

class TFlyer {
public:
    int res = 0;   // resource 0..3 (the chip's res)
    int resQ = 0;  // amount (the chip's resQ)
    float x = 0, y = 0, lastX = 0, lasty = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
    float per = 0;
    int bylo = 0;   // has reached the end once
    int timer = 0;  // next trail time

    virtual ~TFlyer() = default;
    // Runs update; a flyer draws no picture of its own.
    virtual void draw();
    virtual void update();
    // Credits the panel (plus the village bonus), leaves the list, "coins".
    virtual void destroy();

    SafeList<TFlyer>::Handle node;
};

extern SafeList<TFlyer> flyerList;

// The village item that adds one unit to every flyer of resource res, or -1.
int FlyerBonusItem(int res);

std::shared_ptr<TFlyer> CreateFlyer(int res, int resQ, int x, int y);
void DrawFlyers();
void ClearFlyers();
