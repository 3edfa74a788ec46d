#include "effects/emitters.h"

#include "effects/particles.h"
#include "platform/platform.h"

void CreateSparkle(float x, float y) {
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    const int tx = ix + RandInt(-15, 15);
    const int ty = iy + RandInt(-15, 15);
    const int cx = ix + (tx - ix) / 2;
    const int cy = iy + (ty - iy) / 2;
    const TRGB rgb = RandInt(0, 1) == 0 ? NewRGB(static_cast<float>(RandInt(0, 60)), 255, 255)
                                        : NewRGB(255, static_cast<float>(RandInt(0, 60)), 255);
    auto p = CreateParticle(2, static_cast<float>(ix), static_cast<float>(iy), static_cast<float>(tx),
                            static_cast<float>(ty), static_cast<float>(cx), static_cast<float>(cy), rgb, 0, 0,
                            0.5f, 0.7f, 0, 0, GFX_BLEND_LIGHT, RandInt(0, 2000), 2000);
    if (p) p->deadAlpha = 1;
}

void CreateChainPiece(int n, float x, float y, int direction, int flip) {
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    int tx = ix;
    if (direction < 0) {
        tx = ix - RandInt(15, 30);
    } else if (direction == 0) {
        tx = ix + RandInt(-10, 10);
    } else {
        tx = ix + RandInt(15, 30);
    }
    const int ty = iy + RandInt(50, 80);
    const float startRot = flip != 0 ? -45.0f : 45.0f;
    const float endRot = static_cast<float>(RandInt(-100, 100));
    CreateParticle(n, static_cast<float>(ix), static_cast<float>(iy), static_cast<float>(tx),
                   static_cast<float>(ty), static_cast<float>(tx), static_cast<float>(iy),
                   NewRGB(255, 255, 255), 1, 0, 1, 1, startRot, endRot, GFX_BLEND_ALPHA, RandInt(0, 250),
                   1000);
}

void CreateFlyerTrail(float ax, float ay, float bx, float by, int res) {
    static const TRGB kColours[4] = {{0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {255, 0, 255}};
    if (res < 0 || res > 3) return;
    const TRGB& rgb = kColours[res];
    constexpr int kCount = 12;
    for (int i = 1; i <= kCount; ++i) {
        const float t0 = static_cast<float>(i - 1) / kCount;
        const float t1 = static_cast<float>(i) / kCount;
        const float sx = bx + t0 * (ax - bx), sy = by + t0 * (ay - by);
        const float ex = bx + t1 * (ax - bx), ey = by + t1 * (ay - by);
        const int delay = static_cast<int>(t1 * 20);
        CreateParticle(4, sx, sy, ex, ey, ex, sy, rgb, 1, 0, 0.5f, 0.5f, 0, 360, GFX_BLEND_LIGHT, delay, 150);
    }
}
