// Small maths every effect shares: the quadratic path and the capped
// progress counter (sine and cosine in degrees come from platform/angles.h).
#pragma once

#include <cmath>

#include "frame/globals.h"
#include "platform/angles.h"

// One coordinate of the quadratic Bezier path from a1 through the control
// point m to a2, at t in 0..1. With m == a1 the motion accelerates along a
// straight line; with m halfway it is uniform.
inline float QuadPath(float a1, float m, float a2, float t) {
    return (a2 - 2 * m + a1) * t * t + 2 * (m - a1) * t + a1;
}

// Moves a progress value p by rate x frame delta and caps it at 1. Values a
// hair below 1 count as 1, so that 200 steps of 0.005 end on frame 200 as
// intended instead of losing a frame to float rounding.
inline void AdvanceProgress(float& p, float rate) {
    p += rate * frameDelta;
    if (p > 0.9999f) p = 1;
}
