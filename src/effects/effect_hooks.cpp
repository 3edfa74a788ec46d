#include "effects/effect_hooks.h"

TEffectHooks& EffectHooks() {
    static TEffectHooks hooks;
    return hooks;
}

void EffectSound(const std::string& name) {
    if (EffectHooks().playSound) EffectHooks().playSound(name);
}

void EffectSound1(const std::string& name) {
    if (EffectHooks().playSound1) EffectHooks().playSound1(name);
}
