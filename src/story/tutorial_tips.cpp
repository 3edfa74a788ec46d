#include "story/tutorial_tips.h"

#include <algorithm>
#include <climits>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/text_layout.h"
#include "platform/platform.h"
#include "quest/profile.h"
#include "quest/tutorial_catalogue.h"
#include "story/tip_draw.h"

namespace {
std::shared_ptr<TTutorialTip> activeTip;
const TEkran* tipScreen = nullptr;
}  // namespace

TTutorialHooks& TutorialHooks() {
    static TTutorialHooks hooks;
    return hooks;
}

void CheckTutorialTips(const TEkran* screen) {
    if (activeTip || !actProfile) return;
    tipScreen = screen;
    for (const auto& tip : actProfile->tips) {
        if (tip && TipCheck(*tip)) {
            activeTip = tip;
            TipReset(*tip);
            return;
        }
    }
}

void UpdateTutorialTip(const TEkran* screen) {
    if (noTutorial) return;
    tipScreen = screen;
    // Hold the tip: its update may end it and start the next one.
    if (auto tip = activeTip) TipUpdate(*tip);
}

void DrawTutorialTip() {
    if (auto tip = activeTip) DrawTip(*tip);
}

void ClearTutorialTip() { activeTip = nullptr; }

void HideTutorialTip() {
    if (activeTip) TipHide(*activeTip);
}

std::shared_ptr<TTutorialTip> ActiveTutorialTip() { return activeTip; }

const TEkran* TutorialTipScreen() { return tipScreen; }

bool TutorialTipWaitsForClick() {
    if (!activeTip || noTutorial) return false;
    const int exit = activeTip->typExit;
    return (exit == TIP_EXIT_CHAINED || exit == TIP_EXIT_CLICK) && activeTip->a == 1 && activeTip->da == 1;
}

void TipReset(TTutorialTip& tip) {
    tip.byloShow = 0;
    tip.a = 0;
    tip.da = 1;
    tip.TextHeightHalf = tip.txt ? static_cast<float>(tip.txt->CountHeight() / 2) : 0;
    InFlushMouse();
    if (tip.timeDelay != 0) {
        // A delay read from a file may be anything: the wait ends at the latest clock there is.
        const long long until = static_cast<long long>(SysMillisecs()) + tip.timeDelay;
        tip.waitTime = static_cast<int>(std::clamp<long long>(until, INT_MIN, INT_MAX));
    }
    if (tip.isAlphaStart) tip.a = 1;
}

void TipUpdate(TTutorialTip& tip) {
    if (SysMillisecs() < tip.waitTime) return;
    if (!tip.byloShow) {
        PlayGameSound("show-char");
        tip.byloShow = 1;
    }
    const float step = 0.05f * frameDelta;
    tip.a = tip.a < tip.da ? std::min(tip.da, tip.a + step) : std::max(tip.da, tip.a - step);
    const int kill = TipCheckIfKill(tip);
    if (kill == 2) {
        TipKill(tip);
        CheckTutorialTips(tipScreen);
        return;
    }
    if (kill == 1) tip.da = 0;
    if (tip.a == 0 && tip.da == 0) TipKill(tip);
}

int TipCheckIfKill(TTutorialTip& tip) {
    if (tip.typExit != TIP_EXIT_CHAINED && tip.typExit != TIP_EXIT_CLICK) return 0;
    if (!mouse.leftPressed || tip.a != 1) return 0;
    // The click is the tip's: the screen below must not act on it too.
    mouse.clear();
    InFlushMouse();
    return tip.typExit == TIP_EXIT_CHAINED ? 2 : 1;
}

void TipKill(TTutorialTip& tip) {
    if (activeTip.get() == &tip) activeTip = nullptr;
    if (!actProfile) return;
    auto& tips = actProfile->tips;
    tips.erase(std::remove_if(tips.begin(), tips.end(), [&tip](const auto& t) { return t.get() == &tip; }),
               tips.end());
}

void TipHide(TTutorialTip& tip) { tip.da = 0; }
