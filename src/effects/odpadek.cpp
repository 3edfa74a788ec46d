#include "effects/odpadek.h"

#include <algorithm>

#include "frame/globals.h"

SafeList<TOdpadek> odpadekList;

void TOdpadek::update() {
    if (SysMillisecs() < time) return;
    x += vectorX * frameDelta;
    y += vectorY * frameDelta;
    shadow = std::min(shadow + 0.2f * frameDelta, 3.0f);
    vectorX += (vectorX < 0 ? -1.0f : vectorX > 0 ? 1.0f : 0.0f) * 0.025f * frameDelta;
    vectorY = std::min(vectorY + 0.2f * frameDelta, 20.0f);
    vectorX = std::clamp(vectorX, -5.0f, 5.0f);
    if (y > 800) destroy();
}

void TOdpadek::draw() {
    if (SysMillisecs() < time) return;
    GfxSetScale(scale, scale);
    GfxSetRotation(0);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(0.5f);
    GfxDrawImage(img, x + shadow, y + shadow, 0);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(1);
    GfxDrawImage(img, x, y, 0);
}

void TOdpadek::destroy() { odpadekList.remove(node); }

std::shared_ptr<TOdpadek> CreateOdpadek(const Image& chipImage, int x, int y, int delay) {
    auto o = std::make_shared<TOdpadek>();
    o->img = chipImage;
    o->x = static_cast<float>(x);
    o->y = static_cast<float>(y);
    o->time = SysMillisecs() + delay;
    o->vectorX = RandInt(0, 1) == 0 ? -1.0f : 1.0f;
    o->vectorY = -static_cast<float>(RandInt(2, 4));
    o->node = odpadekList.append(o);
    return o;
}

void DrawOdpadeks() {
    odpadekList.forEach([](TOdpadek& o) {
        o.update();
        o.draw();
    });
}

void ClearOdpadeks() { odpadekList.clear(); }
