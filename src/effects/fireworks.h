// Firework sparks: coloured lights thrown out with a velocity, pulled down by
// gravity, fading from half a second after their birth.
#pragma once

#include <array>
#include <memory>

#include "frame/safe_list.h"
#include "frame/value_types.h"
#include "platform/platform.h"

class TFireWork {
public:
    int time = 0;  // clock time from which it fades
    float x = 0, y = 0;
    float ax = 0, ay = 0;  // velocity
    float ady = 0;         // vertical acceleration (gravity)
    float adx = 0;         // horizontal acceleration
    TRGB rgb;
    float a = 1;
    int n = 0;  // firework image slot
    float rot = 0;

    virtual ~TFireWork() = default;
    virtual void draw();
    virtual void update();
    virtual void destroy();

    static void updateAll();
    static void drawAll();

    SafeList<TFireWork>::Handle node;
};

extern SafeList<TFireWork> fireWorkList;
extern std::array<Image, 4> fireWorkImages;

// A spark at (x, y) with velocity (vx, vy), added to the firework list.
std::shared_ptr<TFireWork> CreateFireWork(float x, float y, float vx, float vy, const TRGB& rgb);
// 36 sparks thrown out in a ring from (x, y) (the colour power-up).
void CreateFireWorkBurst(float x, float y);
void ClearFireWorks();
void LoadFireWorkImages();
