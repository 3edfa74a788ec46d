#include "devtools/virtual_player_story.h"

#include <cstdio>
#include <memory>

#include "frame/frame_loop.h"
#include "story/intro.h"
#include "story/outro.h"

std::string TStoryHand::seenScreen() {
    if (intro.running) return "intro";
    if (outro.running) return "outro";
    if (outro.inCredits) return "credits";
    return "";
}

bool TStoryHand::frame() {
    const std::string seen = seenScreen();
    if (seen != lastSeen) {
        lastSeen = seen;
        waited = 0;
        gesture.clear();
        if (!seen.empty()) std::printf("virtual player: %s\n", seen.c_str());
    }
    if (seen.empty()) return false;
    if (!gesture.empty()) {
        InPushEvent(gesture.front());
        gesture.pop_front();
        return true;
    }
    ++waited;
    const bool leaveCredits = seen == "credits" && waited == readFrames;
    const bool skipIntro = seen == "intro" && skip && waited == lookFrames;
    if (leaveCredits || skipIntro) AddClickAt(gesture, 512, 384);
    return true;
}

void StartStoryHand(bool skip) {
    auto hand = std::make_shared<TStoryHand>();
    hand->skip = skip;
    AddAfterFrameHook([hand] { hand->frame(); });
}
