#include "devtools/virtual_player_tips.h"

#include <algorithm>
#include <cstdio>

#include "frame/text_layout.h"
#include "platform/platform.h"
#include "quest/tutorial_catalogue.h"
#include "story/tip_draw.h"
#include "story/tutorial_tips.h"

namespace {
// The reading time of a speech, in characters.
int SpeechLength(const TTutorialTip& tip) {
    int length = 0;
    if (tip.txt)
        for (const auto& line : tip.txt->texts) length += static_cast<int>(line.size()) + 1;
    return length;
}

// The middle of the bubble, where a reader's click lands (wherever the tip is placed).
void SpeechCentre(const TTutorialTip& tip, float& x, float& y) {
    const TDim bubble = TipBubbleRect(tip);
    x = bubble.x + bubble.w / 2;
    y = std::min(bubble.y + bubble.h / 2, 740.0f);
}
}  // namespace

bool TTipHand::frame() {
    if (!gesture.empty()) {
        InPushEvent(gesture.front());
        gesture.pop_front();
        return true;
    }
    const auto tip = ActiveTutorialTip();
    const bool needsClick = tip && (tip->typExit == TIP_EXIT_CLICK || tip->typExit == TIP_EXIT_CHAINED);
    // Nothing to read yet (or a tip the screen ends by itself): play on.
    if (!needsClick || tip->a <= 0) {
        waited = 0;
        return false;
    }
    if (tip->id != lastTipId) {
        lastTipId = tip->id;
        waited = 0;
        std::printf("virtual player: reads tip %d\n", tip->id);
    }
    if (!TutorialTipWaitsForClick()) return true;  // fading: watch it
    if (++waited < lookFrames + charFrames * SpeechLength(*tip)) return true;
    waited = 0;
    ++read;
    float x = 0, y = 0;
    SpeechCentre(*tip, x, y);
    AddClickAt(gesture, x + static_cast<float>(RandInt(-20, 20)), y + static_cast<float>(RandInt(-8, 8)));
    return true;
}
