#include "effects/bombs.h"

#include <algorithm>

#include "audio/game_sound.h"
#include "effects/effect_hooks.h"
#include "effects/effect_math.h"
#include "effects/particles.h"
#include "frame/globals.h"

SafeList<TBomb> bombList;
Image bombImage;
Image bombGlowImage;

void TBomb::_updateChipBomb() {
    if (SysMillisecs() < time) return;
    // Glow: a continuous pulse between 0 and 1.
    const float step = 0.05f * frameDelta;
    ga = ga < dga ? std::min(ga + step, dga) : std::max(ga - step, dga);
    if (ga == dga) dga = dga > 0 ? 0.0f : 1.0f;

    AdvanceProgress(per, 0.01f);
    alpha = std::min(alpha + 0.1f * frameDelta, 1.0f);

    const float s = SinDeg(90 * per);
    scale = 1 - 0.5f * s;
    rot = 360 * s;
    x = QuadPath(x1, mx, x2, per);
    y = QuadPath(y1, my, y2, per);

    generateSpecParticles();
    if (per >= 1) Destroy();
}

void TBomb::update() { _updateChipBomb(); }

void TBomb::generateSpecParticles() {
    const int now = SysMillisecs();
    if (now <= partTIme) return;
    partTIme = now + 100;
    const float dx = lastX - x, dy = lastY - y;
    for (int i = 1; i <= 9; ++i) {
        const float t0 = static_cast<float>(i) / 10, t1 = static_cast<float>(i + 1) / 10;
        const float sx = x + t0 * dx, sy = y + t0 * dy;
        const float ex = x + t1 * dx, ey = y + t1 * dy;
        const float jx = static_cast<float>(RandInt(-10, 10));
        const float jy = static_cast<float>(RandInt(-10, 10));
        const int v = RandInt(200, 255);
        TRGB rgb;
        switch (RandInt(0, 2)) {
            case 0:
                rgb = NewRGB(static_cast<float>(v), static_cast<float>(v), 0);
                break;
            case 1:
                rgb = NewRGB(static_cast<float>(v), static_cast<float>(v / 2), static_cast<float>(v / 4));
                break;
            default:
                rgb = NewRGB(static_cast<float>(v), 0, 0);
                break;
        }
        const float endRot = static_cast<float>(360 + 90 * RandInt(0, 1));
        const int delay = RandInt(0, 20);
        CreateParticle(0, sx, sy, ex + jx, ey + jy, (sx + ex) / 2, (sy + ey) / 2, rgb, 1, 0, 0.5f, 2, 0,
                       endRot, GFX_BLEND_LIGHT, delay, 500);
    }
    lastX = x;
    lastY = y;
}

void TBomb::Destroy() {
    auto keep = bombList.remove(node);
    if (!keep) return;  // strikes once
    if (strike) strike();
    PlayGameSound1("boom");
}

void TBomb::draw() {
    if (SysMillisecs() < time || !strike) return;
    GfxSetColor(255, 255, 255);
    GfxSetRotation(rot);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetScale(scale, scale);
    GfxSetAlpha(alpha);
    GfxDrawImage(bombImage, x, y, 0);
    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetAlpha((0.25f * ga + 0.25f) * alpha);
    GfxDrawImage(bombGlowImage, x, y, 0);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetAlpha(alpha);
}

std::shared_ptr<TBomb> CreateBomb(int x, int y, float targetX, float targetY, std::function<void()> strike,
                                  int delay) {
    auto b = std::make_shared<TBomb>();
    b->strike = std::move(strike);
    b->time = SysMillisecs() + delay;
    b->x1 = b->x = b->mx = b->lastX = static_cast<float>(x);
    b->y1 = b->y = b->my = b->lastY = static_cast<float>(y);
    b->x2 = targetX;
    b->y2 = targetY;
    b->ga = RandFloat(0, 1);
    b->dga = RandInt(0, 1) == 0 ? 1.0f : 0.0f;
    b->node = bombList.append(b);
    return b;
}

void DrawBombs() {
    bombList.forEach([](TBomb& b) {
        b.update();
        b.draw();
    });
}

void ClearBombs() { bombList.clear(); }

void LoadBombImages() {
    bombImage = GfxLoadImage(gameDir + "gfx/gui/mainGame/bomb.png", GFX_IMAGE_DEFAULT);
    bombGlowImage = GfxLoadImage(gameDir + "gfx/gui/mainGame/bomb-Glow.png", GFX_IMAGE_DEFAULT);
    if (bombImage) GfxMidHandle(bombImage);
    if (bombGlowImage) GfxMidHandle(bombGlowImage);
}
