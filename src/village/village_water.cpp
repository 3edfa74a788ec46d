// Glitter on the village's water: the river from the top edge to the left
// edge (zones 1-4) and the water along the bottom edge (zones 5-7).
#include "effects/particles.h"
#include "village/village_ambience.h"

namespace {
int R(int a, int b) { return RandInt(a, b); }

struct Path {
    int x1, y1, x2, y2, mx, my;
};

// Start, end and control point of one sparkle in a zone.
Path ZonePath(int zone) {
    Path p{};
    switch (zone) {
        case 1:
            p = {434 + R(0, 58), 0, 266 + R(0, 25), 66 + R(0, 23), 0, 0};
            p.mx = (p.x1 + p.x2) / 2 + R(-5, 5);
            p.my = (p.y1 + p.y2) / 2 + R(-5, 5);
            break;
        case 2:
            p = {266 + R(0, 25), 66 + R(0, 23), 0, 65 + R(0, 72), 139 + R(0, 16), 92 + R(0, 91)};
            break;
        case 3:
            p = {434 + R(0, 58), 0, 0, 65 + R(0, 72), 139 + R(0, 16), 92 + R(0, 91)};
            break;
        case 4:
            p = {180 + R(0, 16), 72 + R(0, 71), 0, 65 + R(0, 72), 0, 0};
            p.mx = (p.x1 + p.x2) / 2 + R(-10, 10);
            p.my = p.y1 + R(20, 40);
            break;
        case 5:
            p = {1024, 713 + R(0, 49), 709, 765 + R(0, 5), 0, 0};
            p.mx = (p.x1 + p.x2) / 2 + R(-5, 5);
            p.my = (p.y1 + p.y2) / 2 + R(-5, 5);
            break;
        case 6:
            p = {620, 768, 391, 754 + R(0, 14), 0, 0};
            p.mx = (p.x1 + p.x2) / 2 + R(-10, 10);
            p.my = (p.y1 + p.y2) / 2 - R(0, 20);
            break;
        default:  // 7
            p = {256, 762 + R(0, 4), 0, 700 + R(0, 50), 0, 0};
            p.mx = (p.x1 + p.x2) / 2 + R(-5, 5);
            p.my = (p.y1 + p.y2) / 2 + R(-15, 15);
            break;
    }
    return p;
}
}  // namespace

int WaterZoneLife(int zone) {
    switch (zone) {
        case 1:
        case 4:
            return 1250;
        case 3:
            return 3000;
        default:
            return 2000;  // 2 and the bottom water 5-7: as slow as the river's middle
    }
}

void EmitWaterSparkle(int zone, TParticleList& list) {
    if (zone < 1 || zone > WATER_ZONES) zone = WATER_ZONES;
    const Path p = ZonePath(zone);
    const float v = static_cast<float>(RandInt(200, 250));
    TRGB tint = NewRGB(v, v, v);
    switch (RandInt(1, 3)) {
        case 2:
            tint = NewRGB(0, v, v);
            break;
        case 3:
            tint = NewRGB(0, static_cast<float>(static_cast<int>(v) / 2), v);
            break;
        default:
            break;
    }
    CreateParticle(0, static_cast<float>(p.x1), static_cast<float>(p.y1), static_cast<float>(p.x2),
                   static_cast<float>(p.y2), static_cast<float>(p.mx), static_cast<float>(p.my), tint, 0.15f,
                   0.15f, 0.25f, 0.25f, 0, 0, GFX_BLEND_LIGHT, RandInt(0, 100), WaterZoneLife(zone), &list);
}

void UpdateWater(int now, int& next, TParticleList& list) {
    if (now < next) return;
    next = now + WATER_INTERVAL;
    for (int i = 0; i < WATER_BATCH; ++i) EmitWaterSparkle(RandInt(1, WATER_ZONES), list);
}
