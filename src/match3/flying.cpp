// Chips flying to a power-up slot or off the screen, and opened chest lids.
#include "match3/flying.h"

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "match3/board_fx.h"
#include "match3/tile.h"

SafeList<TFlyingChip> flyingChips;
SafeList<TFlyingChest> flyingChests;

namespace {

float Bezier(float a, float m, float b, float t) { return (b - 2 * m + a) * t * t + 2 * (m - a) * t + a; }

}  // namespace

void GetPowerUpCentre(int slot, float& x, float& y) {
    x = static_cast<float>(130 * slot + 69);
    y = 720;
}

std::shared_ptr<TFlyingChip> CreateFlyingChipToPowerUp(int slot, const std::shared_ptr<TChip>& chip, int x1,
                                                       int y1, int x2, int y2, int mx, int my, int delay) {
    auto f = std::make_shared<TFlyingChip>();
    f->chip = chip;
    f->pwrUp = slot;
    f->x1 = f->x = static_cast<float>(x1);
    f->y1 = f->y = static_cast<float>(y1);
    f->x2 = static_cast<float>(x2);
    f->y2 = static_cast<float>(y2);
    f->mx = static_cast<float>(mx);
    f->my = static_cast<float>(my);
    f->pSpeed = RandFloat(0.008f, 0.015f);
    f->time = SysMillisecs() + delay;
    flyingChips.append(f);
    return f;
}

std::shared_ptr<TFlyingChip> CreateFlyingChipOut(const std::shared_ptr<TChip>& chip) {
    auto f = std::make_shared<TFlyingChip>();
    f->chip = chip;
    chip->CountPosition();
    f->x1 = f->x = chip->drawX;
    f->y1 = f->y = chip->drawY;
    f->x2 = f->x1 + RandInt(-100, 100);
    f->y2 = 800;
    f->mx = (f->x1 + f->x2) / 2;
    f->my = f->y1 - RandInt(-50, 80);
    f->pSpeed = RandFloat(0.01f, 0.03f);
    f->time = SysMillisecs();
    f->pwrUp = 0;
    flyingChips.append(f);
    return f;
}

void TFlyingChip::update() {
    if (SysMillisecs() < time) return;
    p += pSpeed * frameDelta;
    if (p > 1) p = 1;
    float f = SinDeg(90 * p);
    if (f <= 0.3f) {
        scale = f / 0.3f;
        alpha = 1;
    } else if (f < 0.7f) {
        scale = alpha = 1;
    } else {
        scale = alpha = 1 - (f - 0.7f) / 0.3f;
    }
    x = Bezier(x1, mx, x2, f);
    y = Bezier(y1, my, y2, f);
    if (p > 0.7f && !bylSound) {
        bylSound = 1;
        PlayGameSound("fly-" + std::to_string(RandInt(0, 3)));
    }
    if (p >= 1) destroy();
}

void TFlyingChip::destroy() {
    M3ChargeSlot(pwrUp);
    flyingChips.remove(this);
}

void TFlyingChip::draw() {
    if (SysMillisecs() < time || !chip) return;
    GfxSetRotation(360 * p);
    GfxSetScale(scale, scale);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(alpha);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxDrawImage(chip->img, x, y);
    GfxSetRotation(0);
    GfxSetScale(1, 1);
    GfxSetAlpha(1);
}

void UpdateFlyingChips() {
    flyingChips.forEach([](TFlyingChip& f) { f.update(); });
}

void DrawFlyingChips() {
    flyingChips.forEach([](TFlyingChip& f) { f.draw(); });
}

void ClearFlyingChips() { flyingChips.clear(); }

void CreateFlyingChest(float x, float y) {
    auto c = std::make_shared<TFlyingChest>();
    c->x = x;
    c->y = y;
    c->vy = -5;
    c->vx = RandFloat(1, 2);
    if (RandInt(0, 1)) c->vx = -c->vx;
    flyingChests.append(c);
}

void TFlyingChest::update() {
    x += vx * frameDelta;
    y += vy * frameDelta;
    vy += 0.2f * frameDelta;
    if (vy > 5) vy = 5;
    rot += frameDelta;
    if (y > 800) flyingChests.remove(this);
}

void TFlyingChest::draw() {
    GfxResetDrawState();
    GfxSetRotation(rot);
    GfxDrawImage(tileImages.chest, x, y);
    GfxSetRotation(0);
}

void UpdateAndDrawFlyingChests() {
    flyingChests.forEach([](TFlyingChest& c) {
        c.update();
        c.draw();
    });
}

void ClearFlyingChests() { flyingChests.clear(); }
