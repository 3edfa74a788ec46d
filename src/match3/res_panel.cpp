#include "match3/res_panel.h"

#include <algorithm>
#include <string>

#include "effects/effect_math.h"
#include "frame/globals.h"

TResPanelImages resPanelImages;

void LoadResPanelImages() {
    static const char* names[4] = {"wood", "food", "gold", "rock"};
    for (int k = 0; k < 4; k++)
        resPanelImages.res[k] = GfxLoadImage(gameDir + "gfx/gui/res_" + names[k] + ".png", GFX_IMAGE_DEFAULT);
    resPanelImages.counter = GfxLoadImage(gameDir + "gfx/gui/res_counter.png", GFX_IMAGE_DEFAULT);
    resPanelImages.font = GfxLoadFont(gameDir + "gfx/fonts/arial.ttf", 16, GFX_FONT_SMOOTH);
}

std::shared_ptr<TResPanel> TResPanel::CreateNew(float x, int n, int showingProfileRes) {
    auto p = std::make_shared<TResPanel>();
    p->x = x;
    p->n = n;
    p->showingProfileRes = showingProfileRes;
    return p;
}

void TResPanel::Add(int amount) {
    dv += amount;
    donp = 1;
}

void TResPanel::Show(int delay) {
    time = SysMillisecs() + delay;
    per = 0;
    alpha = 0;
    y1 = -50;
    my = 70;
    y2 = 5;
    state = 1;
}

void TResPanel::Hide(int delay) {
    time = SysMillisecs() + delay;
    per = 0;
    alpha = 1;
    y1 = 5;
    my = 70;
    y2 = -50;
    state = 2;
}

void TResPanel::_slide(float a) {
    AdvanceProgress(per, 0.025f);  // 40 frames at fd = 1, not 41 by float rounding
    alpha = a < 0 ? 1 - SinDeg(90 * per) : SinDeg(90 * per);
    y = QuadPath(y1, my, y2, per);
}

void TResPanel::_update_show() { _slide(1); }

void TResPanel::_update_Hide() { _slide(-1); }

void TResPanel::_update_Count() {
    if (counter) {
        if (showingProfileRes) dv = *counter;
        else *counter = dv;
    }
    const int now = SysMillisecs();
    if (now < timer) return;
    timer = now + 10;
    if (v == dv) return;
    const int step = RandInt(10, 50);
    v = v < dv ? std::min(v + step, dv) : std::max(v - step, dv);
}

void TResPanel::update() {
    if (onp > donp) {
        onp = std::max(onp - 0.05f * frameDelta, donp);
    } else if (onp < donp) {
        onp += 0.1f * frameDelta;
        // Ten steps of 0.1 may fall a hair short of 1 in floats.
        if (onp >= donp - 1e-4f) {
            onp = donp;
            donp = 0;
        }
    }
    if (SysMillisecs() < time) return;
    if (state == 1) _update_show();
    if (state == 2) _update_Hide();
    _update_Count();
}

void TResPanel::draw(float a) {
    if (state == 0) return;
    GfxResetDrawState();
    GfxSetAlpha(alpha * a);
    GfxDrawImage(resPanelImages.res[n & 3], x, y);
    GfxDrawImage(resPanelImages.counter, x - 14, y + 50);
    if (!resPanelImages.font) return;
    GfxSetColor(textColourInk.r, textColourInk.g, textColourInk.b);  // on the panel's parchment strip
    GfxSetImageFont(resPanelImages.font);
    const std::string text = std::to_string(v);
    const float tx = x + 38 - static_cast<float>(GfxTextWidth(text) / 2);
    GfxDrawText(text, tx, y + 84);
    if (onp != 0) {
        GfxSetBlend(GFX_BLEND_LIGHT);
        GfxSetAlpha(onp);
        GfxDrawText(text, tx, y + 84);
        GfxSetBlend(GFX_BLEND_ALPHA);
    }
    GfxSetColor(255, 255, 255);
}
