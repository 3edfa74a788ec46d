// Angles are in degrees everywhere in the game (rotation, sine and cosine).
#pragma once

#include <cmath>

constexpr float DegToRad(float degrees) { return degrees * 0.017453292519943295f; }
inline float SinDeg(float degrees) { return std::sin(DegToRad(degrees)); }
inline float CosDeg(float degrees) { return std::cos(DegToRad(degrees)); }
