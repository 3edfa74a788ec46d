#include "effects/effect_hooks.h"

TEffectHooks& EffectHooks() {
    static TEffectHooks hooks;
    return hooks;
}
