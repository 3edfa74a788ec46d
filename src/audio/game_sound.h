// The one route by which the game's parts play an effect sound: the global
// sound manager, unless a hook takes the sound (tests listening, tools that
// must stay silent).
#pragma once

#include <functional>
#include <string>

struct TSoundHooks {
    // Take the place of globalSnd.playMySound(name); empty: the manager plays it.
    std::function<void(const std::string&)> play;
    // Take the place of globalSnd.playMySound1(name); empty: the manager plays it.
    std::function<void(const std::string&)> play1;
};
TSoundHooks& SoundHooks();

// globalSnd.playMySound(name) (one of the six effect slots) through the hooks.
void PlayGameSound(const std::string& name);
// globalSnd.playMySound1(name) (outside the slots) through the hooks.
void PlayGameSound1(const std::string& name);
