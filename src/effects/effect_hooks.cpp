#include "effects/effect_hooks.h"

#include "audio/global_snd.h"

TEffectHooks& EffectHooks() {
    static TEffectHooks hooks;
    return hooks;
}

// Sounds go to the global sound manager unless a hook takes them (tests,
// tools that must stay silent).
void EffectSound(const std::string& name) {
    if (EffectHooks().playSound) {
        EffectHooks().playSound(name);
    } else {
        globalSnd.playMySound(name);
    }
}

void EffectSound1(const std::string& name) {
    if (EffectHooks().playSound1) {
        EffectHooks().playSound1(name);
    } else {
        globalSnd.playMySound1(name);
    }
}
