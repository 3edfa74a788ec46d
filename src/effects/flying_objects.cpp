#include "effects/flying_objects.h"

#include "audio/game_sound.h"
#include "effects/effect_hooks.h"
#include "effects/effect_math.h"

SafeList<TSimpleFlyingObject> simpleFlyingObjectList;

void TSimpleFlyingObject::update() {
    AdvanceProgress(p, 0.025f);
    per = SinDeg(90 * p);
    x = QuadPath(x1, mx, x2, per);
    y = QuadPath(y1, my, y2, per);
    if (p >= 1) {
        if (bylo) {
            Destroy();
        } else {
            bylo = 1;  // rests one frame on its end point
        }
    }
}

void TSimpleFlyingObject::draw() {
    GfxResetDrawState();
    GfxDrawImage(img, x, y, 0);
}

void TSimpleFlyingObject::DestroyAsPowerUp() {
    if (EffectHooks().powerUpReturned) EffectHooks().powerUpReturned(isGoingToPowerUp);
}

void TSimpleFlyingObject::Destroy() {
    auto keep = simpleFlyingObjectList.remove(node);
    if (!keep) return;
    if (isGoingToPowerUp >= 0) DestroyAsPowerUp();
    PlayGameSound("powerup-back");
}

std::shared_ptr<TSimpleFlyingObject> CreateSimpleFlyingObject(const Image& img, int x1, int y1, int x2,
                                                              int y2, int powerUp) {
    auto o = std::make_shared<TSimpleFlyingObject>();
    o->img = img;
    o->x1 = o->x = static_cast<float>(x1);
    o->y1 = o->y = static_cast<float>(y1);
    o->x2 = static_cast<float>(x2);
    o->y2 = static_cast<float>(y2);
    if (RandInt(0, 1) == 0) {
        o->mx = o->x2;
        o->my = o->y1;
    } else {
        o->mx = o->x1;
        o->my = o->y2;
    }
    o->isGoingToPowerUp = powerUp;
    o->node = simpleFlyingObjectList.append(o);
    return o;
}

int IsFlyingToPowerUp(int powerUp) {
    return simpleFlyingObjectList.findIf(
               [powerUp](const TSimpleFlyingObject& o) { return o.isGoingToPowerUp == powerUp; })
               ? 1
               : 0;
}

void DrawSimpleFlyingObjects() {
    simpleFlyingObjectList.forEach([](TSimpleFlyingObject& o) {
        o.update();
        o.draw();
    });
}

void ClearSimpleFlyingObjects() { simpleFlyingObjectList.clear(); }
