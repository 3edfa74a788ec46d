#include "audio/game_sound.h"

#include "audio/global_snd.h"

TSoundHooks& SoundHooks() {
    static TSoundHooks hooks;
    return hooks;
}

void PlayGameSound(const std::string& name) {
    if (SoundHooks().play) SoundHooks().play(name);
    else globalSnd.playMySound(name);
}

void PlayGameSound1(const std::string& name) {
    if (SoundHooks().play1) SoundHooks().play1(name);
    else globalSnd.playMySound1(name);
}
