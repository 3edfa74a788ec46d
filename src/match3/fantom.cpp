#include "match3/fantom.h"

#include <algorithm>
#include <cmath>

#include "effects/effect_math.h"
#include "match3/tile.h"

SafeList<TFantom> fantomList;

namespace {

std::shared_ptr<TFantom> Attach(const std::shared_ptr<TFantom>& f, TTile* tile, int delay) {
    f->tile = tile;
    f->time = SysMillisecs() + delay;
    if (tile) tile->_fantom = f;
    fantomList.append(f);
    return f;
}

void DrawCentred(const Image& img, float x, float y) {
    if (img) GfxDrawImage(img, x, y);
}

}  // namespace

std::shared_ptr<TFantom> CreateFantomAppear(TTile* tile, int delay) {
    auto f = std::make_shared<TFantom>();
    f->typ = FANTOM_APPEAR;
    f->x1 = f->x = FANTOM_CENTRE_X;
    f->y1 = f->y = FANTOM_CENTRE_Y;
    f->x2 = tile ? static_cast<float>(tile->drawX) : FANTOM_CENTRE_X;
    f->y2 = tile ? static_cast<float>(tile->drawY) : FANTOM_CENTRE_Y;
    f->mx = (f->x1 + f->x2) / 2;
    f->my = (f->y1 + f->y2) / 2;
    return Attach(f, tile, delay);
}

std::shared_ptr<TFantom> CreateFantomFlyAway(TTile* tile, int delay) {
    auto f = std::make_shared<TFantom>();
    f->typ = FANTOM_FLY_AWAY;
    f->x1 = f->x = tile ? static_cast<float>(tile->drawX) : FANTOM_CENTRE_X;
    f->y1 = f->y = tile ? static_cast<float>(tile->drawY) : FANTOM_CENTRE_Y;
    const float a = std::atan2(FANTOM_CENTRE_Y - f->y1, FANTOM_CENTRE_X - f->x1) * 57.29577951308232f;
    f->x2 = FANTOM_CENTRE_X + FANTOM_CENTRE_X * CosDeg(a);
    f->y2 = FANTOM_CENTRE_Y + FANTOM_CENTRE_Y * SinDeg(a);
    const float b = static_cast<float>(RandInt(0, 360));
    const float dx = static_cast<float>(RandInt(50, 100));
    const float dy = static_cast<float>(RandInt(50, 100));
    f->mx = (f->x1 + f->x2) / 2 + CosDeg(b) * dx;
    f->my = (f->y1 + f->y2) / 2 + SinDeg(b) * dy;
    f->scale = f->alpha = 1;
    f->rotation = 0;
    return Attach(f, tile, delay);
}

void TFantom::_moveOnPath() {
    x = QuadPath(x1, mx, x2, per);
    y = QuadPath(y1, my, y2, per);
}

void TFantom::_update_STATE_Begin() {
    _moveOnPath();
    if (SysMillisecs() < time) return;
    _update_STATE_Begin2();
}

void TFantom::_update_STATE_Begin2() {
    AdvanceProgress(per, 0.05f);
    const float k = SinDeg(90 * per);
    scale = alpha = k;
    rotation = 360 * k;
    if (per >= 1) {
        _moveOnPath();
        Destroy();
    }
}

void TFantom::_update_STATE_END() {
    _moveOnPath();
    if (SysMillisecs() < time) return;
    _update_STATE_END1();
}

void TFantom::_update_STATE_END1() {
    AdvanceProgress(per, 0.01f);
    const float k = SinDeg(90 * per);
    alpha = 1 - k;
    rotation = 1 - 360 * k;
    ady = 150 * k;
    // The cell stays hidden: its _fantom keeps pointing here.
    if (per >= 1) fantomList.remove(this);
}

void TFantom::update() {
    if (typ == FANTOM_APPEAR) _update_STATE_Begin();
    else _update_STATE_END();
}

void TFantom::Destroy() {
    auto self = fantomList.remove(this);  // keeps this alive while the tile lets go
    if (tile && tile->_fantom.get() == this) tile->_fantom.reset();
}

void TFantom::drawBorder() {
    GfxSetScale(scale, scale);
    GfxSetAlpha(alpha);
    GfxSetRotation(rotation);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetColor(255, 255, 255);
}

void TFantom::draw() {
    if (!tile) return;
    if (typ == FANTOM_APPEAR && SysMillisecs() < time) return;
    if (alpha <= 0) return;  // nothing to see; saves the blits of a finished fly-away
    drawBorder();
    const float dy = y + ady;
    if (tile->id > 0 && tile->id <= 3) DrawCentred(tileImages.tile[tile->id - 1], x, dy);
    if (tile->chip) DrawCentred(tile->chip->img, x, dy);
    if (tile->chest) DrawCentred(tileImages.chest, x, dy);
    if (tile->chain) DrawCentred(tileImages.chain[tile->chain >= 2 ? 1 : 0], x, dy);
}

void UpdateFantoms() {
    fantomList.forEach([](TFantom& f) { f.update(); });
}

void DrawFantoms() {
    fantomList.forEach([](TFantom& f) { f.draw(); });
    GfxSetScale(1, 1);
    GfxSetRotation(0);
    GfxSetAlpha(1);
}

int FantomsFinished() {
    return fantomList.findIf([](const TFantom& f) { return f.per != 1; }) ? 0 : 1;
}

int FantomsLastStart() {
    int last = 0;
    fantomList.forEach([&last](const TFantom& f) {
        if (f.per != 1) last = std::max(last, f.time);
    });
    return last;
}

void ClearFantoms() { fantomList.clear(); }
