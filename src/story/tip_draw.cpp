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
// The corners the adviser stands in and where the bubble's tail starts, before the tip's place.
constexpr float kAdviserLeft = 10, kAdviserRight = 1014, kBubbleLeft = 140, kBubbleRight = 884;
constexpr float kAdviserBase = 768, kNameBase = 738, kBubbleBase = 840;
// The speech's left edge on either side, and how far above the shown bubble's top its middle lies.
constexpr float kSpeechLeft = 210, kSpeechRight = 516, kSpeechAboveTop = 82;
// The bubble's body inside its picture (the tail below it), and the speech's margin to its rim.
constexpr float kBodyTop = 8, kBodyBottom = 180, kSpeechMargin = 8;

float Height(const Image& img) { return static_cast<float>(GfxImageHeight(img)); }
float Width(const Image& img) { return static_cast<float>(GfxImageWidth(img)); }
float PlaceX(const TTutorialTip& tip) { return static_cast<float>(tip.x); }
float PlaceY(const TTutorialTip& tip) { return static_cast<float>(tip.y); }

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
    const float dx = PlaceX(tip), dy = PlaceY(tip);
    DrawName(art.adviserName[tip.heroN == 1 ? 1 : 0], kAdviserLeft + dx + Width(adviser) / 2,
             kNameBase + dy - hh * s, tip.a);
    GfxDrawImage(adviser, kAdviserLeft + dx, kAdviserBase + dy - hh * s);
    GfxDrawImage(art.bubble, kBubbleLeft + dx, kBubbleBase + dy - Height(art.bubble) * s);
    return kSpeechLeft + dx;
}

// The same mirrored into the right corner.
float DrawAtRight(const TTutorialTip& tip, float s) {
    const TTipArt& art = TipArt();
    const Image& adviser = art.adviser[tip.heroN == 1 ? 1 : 0];
    const float hh = Height(adviser);
    const float dx = PlaceX(tip), dy = PlaceY(tip);
    GfxSetScale(-1, 1);
    GfxDrawImage(adviser, kAdviserRight + dx, kAdviserBase + dy - hh * s);
    GfxSetScale(1, 1);
    DrawName(art.adviserName[tip.heroN == 1 ? 1 : 0], kAdviserRight + dx - Width(adviser) / 2,
             kNameBase + dy - hh * s, tip.a);
    GfxSetScale(-1, 1);
    GfxDrawImage(art.bubble, kBubbleRight + dx, kBubbleBase + dy - Height(art.bubble) * s);
    GfxSetScale(1, 1);
    return kSpeechRight + dx;
}

void DrawText(const TTutorialTip& tip, float originX, float s) {
    if (!tip.txt) return;
    const float bubbleTop = kBubbleBase + PlaceY(tip) - Height(TipArt().bubble) * s;
    const int originY = static_cast<int>(bubbleTop - kSpeechAboveTop - tip.TextHeightHalf);
    GfxSetColor(kSpeechR, kSpeechG, kSpeechB);
    tip.txt->Draw(originX, static_cast<float>(originY), 0);
}
}  // namespace

TTipArt& TipArt() {
    static TTipArt art;
    return art;
}

TDim TipAdviserRect(const TTutorialTip& tip) {
    const Image& adviser = TipArt().adviser[tip.heroN == 1 ? 1 : 0];
    const float w = Width(adviser), h = Height(adviser);
    const float left = tip.side == 1 ? kAdviserRight - w : kAdviserLeft;
    return NewDimRect(left + PlaceX(tip), kAdviserBase + PlaceY(tip) - h, w, h);
}

TDim TipBubbleRect(const TTutorialTip& tip) {
    const TTipArt& art = TipArt();
    const float w = Width(art.bubble), h = Height(art.bubble);
    // Mirrored on the right, the picture reaches from its handle leftward.
    const float left =
        tip.side == 1 ? kBubbleRight - (w - TIP_BUBBLE_HANDLE_X) : kBubbleLeft - TIP_BUBBLE_HANDLE_X;
    return NewDimRect(left + PlaceX(tip), kBubbleBase + PlaceY(tip) - h - TIP_BUBBLE_HANDLE_Y, w, h);
}

TDim TipSpeechBox(const TTutorialTip& tip) {
    const TDim bubble = TipBubbleRect(tip);
    const float middle = kBubbleBase + PlaceY(tip) - Height(TipArt().bubble) - kSpeechAboveTop;
    const float half =
        std::min(middle - (bubble.y + kBodyTop), bubble.y + kBodyBottom - middle) - kSpeechMargin;
    const float left = (tip.side == 1 ? kSpeechRight : kSpeechLeft) + PlaceX(tip);
    return NewDimRect(left, middle - half, static_cast<float>(TIP_SPEECH_WIDTH), 2 * half);
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
