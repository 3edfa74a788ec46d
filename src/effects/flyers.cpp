#include "effects/flyers.h"

#include "audio/game_sound.h"
#include "effects/effect_hooks.h"
#include "effects/effect_math.h"
#include "effects/emitters.h"
#include "frame/globals.h"
#include "platform/platform.h"

SafeList<TFlyer> flyerList;

int FlyerBonusItem(int res) {
    // Rock shares the wood bonus item.
    static const int kItems[4] = {22, 23, 24, 22};
    return res >= 0 && res < 4 ? kItems[res] : -1;
}

void TFlyer::update() {
    per += 0.025f * frameDelta;
    if (per > 1) {
        if (bylo) {
            destroy();
            return;
        }
        bylo = 1;  // rests one frame on the panel
        per = 1;
    }
    x = QuadPath(x1, mx, x2, per);
    y = QuadPath(y1, my, y2, per);
    const int now = SysMillisecs();
    if (now > timer) {
        timer = now + 20;
        CreateFlyerTrail(lastX, lasty, x, y, res);
        lastX = x;
        lasty = y;
    }
}

void TFlyer::draw() { update(); }

void TFlyer::destroy() {
    auto keep = flyerList.remove(node);
    if (!keep) return;  // already gone: credit only once
    const TEffectHooks& h = EffectHooks();
    const int item = FlyerBonusItem(res);
    const int bonus = item >= 0 && h.haveItem && h.haveItem(item) ? 1 : 0;
    if (h.resourcePanelAdd) h.resourcePanelAdd(res, resQ + bonus);
    PlayGameSound("coins");
}

std::shared_ptr<TFlyer> CreateFlyer(int res, int resQ, int x, int y) {
    auto f = std::make_shared<TFlyer>();
    f->res = res;
    f->resQ = resQ;
    f->x1 = f->x = f->lastX = static_cast<float>(x);
    f->y1 = f->y = f->lasty = static_cast<float>(y);
    float ex = f->x1, ey = f->y1;  // without a panel the flyer ends where it started
    const TEffectHooks& h = EffectHooks();
    if (h.resourcePanelPoint && !h.resourcePanelPoint(res, ex, ey)) {
        ex = f->x1;
        ey = f->y1;
    }
    f->x2 = ex;
    f->y2 = ey;
    f->mx = static_cast<float>(x + RandInt(-250, 250));
    f->my = static_cast<float>(y + RandInt(-250, 250));
    f->node = flyerList.append(f);
    return f;
}

void DrawFlyers() {
    flyerList.forEach([](TFlyer& f) { f.draw(); });
}

void ClearFlyers() { flyerList.clear(); }
