// One resource of the level summary coming alive: its icon drops in, the
// count circle under it fades in, the icon pulses, and a point of light
// travels to the bonus in the middle of the panel and down to the totals
// row, trailing particles of the resource's colour.
#pragma once

#include "frame/value_types.h"

class TLevelSummary;

// Steps of the effect; each waits until the clock reaches `time`.
enum : int {
    FLY_DROP = 0,      // the icon falls into place
    FLY_CIRCLE = 1,    // the count circle fades in
    FLY_PULSE = 2,     // a glow pulse of the icon
    FLY_TO_BONUS = 3,  // the point travels to the bonus
    FLY_TO_TOTAL = 4,  // and down to the totals row
    FLY_REST = 5,      // the point rests on the total
    FLY_DONE = 6,
};

class TFlyResEf {
public:
    int myStep = FLY_DROP;
    int time = 0;                                          // ms; the current step waits until then
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;  // the current quadratic path
    float p = 0;                                           // progress of the step 0..1
    float x = 0, y = 0;                                    // icon (top left)
    float a = 0;                                           // icon alpha
    int n = 0;                                             // resource index
    float dp = 0;                                          // target of p in the pulse
    float ta = 0;                                          // alpha of the count circle
    float ca = 0;                                          // alpha of the travelling point
    float per = 0;                                         // eased progress
    int partTime = 0;                                      // ms of the next particle burst
    float pomX1 = 0, pomY1 = 0, pomX2 = 0, pomY2 = 0, pomMX = 0, pomMY = 0;  // particle being made
    TRGB _rgb;
    float px = 0, py = 0;  // travelling point

    // The summary that owns the effect: its icons, fonts, level counts and
    // the hooks the effect starts (bonus, totals).
    TLevelSummary* owner = nullptr;

    virtual ~TFlyResEf() = default;

    // Updates, then draws.
    virtual void draw();
    virtual void _update_STEP_0();
    virtual void _update_STEP_1();
    virtual void _update_STEP_2();
    virtual void _update_STEP_3();
    virtual void _update_STEP_4();
    virtual void _update_STEP_5();
    // Runs the step named by myStep; finished effects do nothing.
    virtual void update();
    // A burst of five particles around (cx, cy), at most every 25 ms.
    virtual void GenerateFly(float cx, float cy);

private:
    // p grows by rate x frame delta, capped at 1; per follows it eased.
    void _advance(float rate);
    // The position on the current path at per.
    float _pathX() const;
    float _pathY() const;
    // The end of a step: the "fly-" sound, then the next step.
    void _nextStep(bool withSound);
};
