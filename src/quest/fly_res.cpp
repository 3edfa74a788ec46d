#include "quest/fly_res.h"

#include <string>

#include "audio/global_snd.h"
#include "effects/effect_math.h"
#include "effects/particles.h"
#include "frame/screen.h"
#include "frame/text_layout.h"
#include "quest/level_end_dialog.h"
#include "quest/summary.h"

namespace {
// Where the travelling point meets the bonus in the middle of the panel and
// the row of the totals.
constexpr float BONUS_X = 490, BONUS_Y = 348;
constexpr float TOTAL_Y = 470;
// The point and the particles are drawn this far right of and below the
// position on the path.
constexpr float POINT_OFF = 32;
constexpr float ICON_CENTRE = 38;
}  // namespace

void TFlyResEf::_advance(float rate) {
    AdvanceProgress(p, rate);
    per = SinDeg(90.0f * p);
}

float TFlyResEf::_pathX() const { return QuadPath(x1, mx, x2, per); }
float TFlyResEf::_pathY() const { return QuadPath(y1, my, y2, per); }

void TFlyResEf::_nextStep(bool withSound) {
    if (withSound) globalSnd.playMySound("fly-" + std::to_string(RandInt(0, 3)));
    myStep++;
    p = 0;
    per = 0;
}

void TFlyResEf::GenerateFly(float cx, float cy) {
    const int now = SysMillisecs();
    if (now < partTime) return;
    partTime = now + 25;
    for (int k = 0; k < 5; k++) {
        pomX1 = cx + static_cast<float>(RandInt(-15, 15));
        pomY1 = cy + static_cast<float>(RandInt(-15, 15));
        pomX2 = pomX1 + static_cast<float>(RandInt(-15, 15));
        pomY2 = pomY1 + static_cast<float>(RandInt(-15, 15));
        pomMX = (pomX1 + pomX2) / 2;
        pomMY = (pomY1 + pomY2) / 2;
        const auto c = static_cast<float>(RandInt(200, 255));
        switch (n) {
            case 0:
                _rgb = NewRGB(0, c, 0);
                break;
            case 1:
                _rgb = NewRGB(0, 0, c);
                break;
            case 2:
                _rgb = NewRGB(c, static_cast<float>(RandInt(200, 255)), 0);
                break;
            default:
                _rgb = NewRGB(c, 0, 0);
                break;
        }
        CreateParticle(RandInt(0, 1), pomX1, pomY1, pomX2, pomY2, pomMX, pomMY, _rgb, 1, 0, 1, 1, 0, 0,
                       GFX_BLEND_LIGHT, 0, 750);
    }
}

void TFlyResEf::_update_STEP_0() {
    _advance(0.025f);
    x = _pathX();
    y = _pathY();
    a = per;
    GenerateFly(x + ICON_CENTRE, y + ICON_CENTRE);
    if (p < 1) return;
    time = SysMillisecs() + 500;
    _nextStep(true);
}

void TFlyResEf::_update_STEP_1() {
    _advance(0.025f);
    ta = per;
    if (p < 1) return;
    time = SysMillisecs() + 100;
    dp = 1;
    if (n == 3 && owner) owner->StartDrawingBonus();
    _nextStep(n == 3);
}

void TFlyResEf::_update_STEP_2() {
    ApproachInPlace(p, dp, 0.05f);
    per = SinDeg(90.0f * p);
    if (dp == 1 && p == 1) {
        dp = 0;
        return;
    }
    if (dp != 0 || p != 0) return;
    x1 = mx = x + POINT_OFF;
    y1 = y + POINT_OFF;
    x2 = BONUS_X;
    y2 = my = BONUS_Y;
    px = x1;
    py = y1;
    _nextStep(true);
}

void TFlyResEf::_update_STEP_3() {
    _advance(0.025f);
    ca = per;
    px = _pathX();
    py = _pathY();
    GenerateFly(px + POINT_OFF, py + POINT_OFF);
    if (p < 1) return;
    x1 = px;
    y1 = my = py;
    x2 = mx = x + 8;
    y2 = TOTAL_Y;
    _nextStep(true);
}

void TFlyResEf::_update_STEP_4() {
    _advance(0.025f);
    px = _pathX();
    py = _pathY();
    GenerateFly(px + POINT_OFF, py + POINT_OFF);
    if (p < 1) return;
    if (owner) owner->StartDrawingTotal();
    _nextStep(true);
}

void TFlyResEf::_update_STEP_5() {
    _advance(0.01f);
    // The point has delivered its load: it fades where it rests.
    ca = 1 - per;
    if (p < 1) return;
    ca = 0;
    _nextStep(true);
}

void TFlyResEf::update() {
    if (myStep >= FLY_DONE || SysMillisecs() < time) return;
    switch (myStep) {
        case FLY_DROP:
            _update_STEP_0();
            break;
        case FLY_CIRCLE:
            _update_STEP_1();
            break;
        case FLY_PULSE:
            _update_STEP_2();
            break;
        case FLY_TO_BONUS:
            _update_STEP_3();
            break;
        case FLY_TO_TOTAL:
            _update_STEP_4();
            break;
        case FLY_REST:
            _update_STEP_5();
            break;
        default:
            break;
    }
}

void TFlyResEf::draw() {
    update();
    const float screenA = owner ? owner->alpha : 1.0f;
    const Image& icon = summaryResImages[static_cast<std::size_t>(n & 3)];
    GfxResetDrawState(a * screenA);
    GfxDrawImage(icon, x, y);
    if (myStep == FLY_PULSE) {
        GfxSetBlend(GFX_BLEND_LIGHT);
        GfxSetAlpha(0.5f * p * screenA);
        GfxDrawImage(icon, x, y);
        GfxSetBlend(GFX_BLEND_ALPHA);
    }
    if (ta != 0 && owner) {
        GfxResetDrawState(ta * screenA);
        GfxDrawImage(owner->point, x + 31, y + 159);
        GfxDrawImage(owner->circle, x - 7, y + 59);
        GfxSetImageFont(owner->numberFOnt2);
        DrawCentredText(std::to_string(owner->levelCount(n)), x + 41, y + 92, NewRGB(199, 175, 94),
                        ta * screenA);
    }
    if (ca != 0) {
        // The head of the trail, in the colour of its particles.
        GfxResetDrawState(0.7f * ca * screenA);
        SetColorRGB(_rgb);
        GfxSetBlend(GFX_BLEND_LIGHT);
        GfxSetScale(1.3f, 1.3f);
        GfxDrawImage(particleImages[0], px + POINT_OFF, py + POINT_OFF);
    }
    GfxResetDrawState();
}
