// Drawing of the level summary, back to front: the board behind, the panel,
// the "Total" label, the bonus block, the totals row, the flying resources,
// their particles, the buttons and the fade.
#include <string>

#include "effects/particles.h"
#include "frame/globals.h"
#include "frame/text_layout.h"
#include "quest/level_end_dialog.h"
#include "quest/profile.h"
#include "quest/summary.h"

namespace {
const TRGB kTotalNumber = NewRGB(199, 175, 90);

float TotalCircleX(int i) { return i < 2 ? 260.0f + 90.0f * i : 523.0f + 90.0f * (i - 1); }
}  // namespace

void TLevelSummary::_drawPanel() {
    GfxResetDrawState(alpha);
    GfxDrawImage(panel, 512, 386 + CountY());
}

void TLevelSummary::_drawInfo() {
    GfxSetImageFont(infoBigFont);
    DrawShadowedText(txtTotal, 512, 480 + CountY(), textColourGold, alpha);
}

void TLevelSummary::_drawFlyingResEf() {
    for (auto& ef : flyingRes) ef->draw();
}

void TLevelSummary::_drawBonus() {
    if (bonusA == 0) return;
    const float s = SlideIn(bonusA);
    const float a = s * alpha;
    const std::string multiplier = actProfile ? actProfile->CountMultiplierString() : "x 1";
    GfxSetImageFont(infoFOnt2);
    DrawShadowedText(txtTimeBonus, 512, 205 - 30 * s, textColourGold, a);
    GfxSetImageFont(numberFOnt);
    DrawShadowedText("+ " + std::to_string(bonusAdd), 512, 235 - 30 * s, textColourLight, a);
    GfxSetImageFont(infoFOnt2);
    DrawShadowedText(txtMultiplier, 512, 390 - 30 * s, textColourGold, a);
    GfxSetImageFont(numberFOnt);
    DrawShadowedText(multiplier, 512, 420 - 30 * s, textColourLight, a);
}

void TLevelSummary::_drawTotal() {
    if (totalA == 0) return;
    const float s = SlideIn(totalA);
    const float y = 444 + 30 * s;
    for (int i = 0; i < 4; i++) {
        const float x = TotalCircleX(i);
        GfxResetDrawState(s * alpha);
        GfxDrawImage(circle2, x, y);
        GfxSetImageFont(numberFOnt2);
        DrawCentredText(std::to_string(resTotal[i]), x + 28, y + 17, kTotalNumber, s * alpha);
    }
}

void TLevelSummary::draw() {
    _drawBack();
    _drawPanel();
    _drawInfo();
    _drawBonus();
    _drawTotal();
    _drawFlyingResEf();
    DrawParticles();
    GfxResetDrawState();
    _drawGui();
    _drawFade();
}
