#include "story/tip_draw.h"

#include <algorithm>

#include "frame/globals.h"
#include "frame/text_layout.h"
#include "platform/angles.h"
#include "quest/tutorial_catalogue.h"

namespace {
constexpr float kSpeechR = 68, kSpeechG = 59, kSpeechB = 30;  // dark ink on the bubble
constexpr float kArrowReach = 30;                             // bobbing distance, px
constexpr float kBobSpeed = 0.05f;

float Height(const Image& img) { return static_cast<float>(GfxImageHeight(img)); }
float Width(const Image& img) { return static_cast<float>(GfxImageWidth(img)); }

void DrawName(const std::string& name, float cx, float y, float a) {
    GfxSetImageFont(TipArt().nameFont);
    DrawShadowedText(name, cx, y, NewRGB(255, 255, 255), a);
    GfxResetDrawState(a);
}

// The adviser at the left corner, the bubble's tail at its mouth; returns
// the speech's left edge.
float DrawAtLeft(const TTutorialTip& tip, float s) {
    const TTipArt& art = TipArt();
    const Image& adviser = art.adviser[tip.heroN == 1 ? 1 : 0];
    const float hh = Height(adviser);
    DrawName(art.adviserName[tip.heroN == 1 ? 1 : 0], 10 + Width(adviser) / 2, 738 - hh * s, tip.a);
    GfxDrawImage(adviser, 10, 768 - hh * s);
    GfxDrawImage(art.bubble, 140, 840 - Height(art.bubble) * s);
    return 210;
}

// The same mirrored into the right corner.
float DrawAtRight(const TTutorialTip& tip, float s) {
    const TTipArt& art = TipArt();
    const Image& adviser = art.adviser[tip.heroN == 1 ? 1 : 0];
    const float hh = Height(adviser);
    GfxSetScale(-1, 1);
    GfxDrawImage(adviser, 1014, 768 - hh * s);
    GfxSetScale(1, 1);
    DrawName(art.adviserName[tip.heroN == 1 ? 1 : 0], 1014 - Width(adviser) / 2, 738 - hh * s, tip.a);
    GfxSetScale(-1, 1);
    GfxDrawImage(art.bubble, 884, 840 - Height(art.bubble) * s);
    GfxSetScale(1, 1);
    return 516;
}

void DrawText(const TTutorialTip& tip, float originX, float s) {
    if (!tip.txt) return;
    const float bubbleTop = 840 - Height(TipArt().bubble) * s;
    const int originY = static_cast<int>(bubbleTop - 78 - tip.TextHeightHalf);
    GfxSetColor(kSpeechR, kSpeechG, kSpeechB);
    tip.txt->Draw(originX, static_cast<float>(originY - 4), 0);
}
}  // namespace

TTipArt& TipArt() {
    static TTipArt art;
    return art;
}

Font TipSpeechFont(int fontN) { return TipArt().speechFont[static_cast<size_t>(std::clamp(fontN, 0, 3))]; }

void DrawTip(TTutorialTip& tip) {
    if (tip.a <= 0) {
        // Unseen, but the arrows keep their rhythm.
        for (const auto& arrow : tip.arrows) UpdateArrow(*arrow);
        return;
    }
    GfxStateScope keep;
    GfxResetDrawState(tip.a);
    const float s = SinDeg(90 * tip.a);
    const float originX = tip.side == 1 ? DrawAtRight(tip, s) : DrawAtLeft(tip, s);
    DrawText(tip, originX, s);
    for (const auto& arrow : tip.arrows) {
        UpdateArrow(*arrow);
        DrawArrow(*arrow, tip.a);
    }
}

void UpdateArrow(TArrow& arrow) {
    const float step = kBobSpeed * frameDelta;
    arrow.per = arrow.per < arrow.dPer ? std::min(arrow.dPer, arrow.per + step)
                                       : std::max(arrow.dPer, arrow.per - step);
    if (arrow.per == arrow.dPer) arrow.dPer = arrow.dPer == 0 ? 1.0f : 0.0f;
}

void DrawArrow(const TArrow& arrow, float a) {
    const Image& img = TipArt().arrow;
    const float bob = SinDeg(90 * arrow.per);
    GfxSetScale(0.75f + 0.25f * bob, 0.75f + 0.25f * CosDeg(90 * arrow.per));
    GfxSetRotation(arrow.rot);
    const float px = static_cast<float>(arrow.x) + kArrowReach * CosDeg(arrow.rot + 90) * bob;
    const float py = static_cast<float>(arrow.y) + kArrowReach * SinDeg(arrow.rot + 90) * bob;
    GfxSetColor(kSpeechR, kSpeechG, kSpeechB);
    GfxSetAlpha(a / 2);
    GfxDrawImage(img, px + 2, py + 2);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(a);
    GfxDrawImage(img, px, py);
    GfxSetScale(1, 1);
    GfxSetRotation(0);
}
