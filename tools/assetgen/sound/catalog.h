// Every sound file the game names, with the recipe that makes it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/audio_ogg.h"

struct SoundAsset {
    std::string file;  // relative to the game folder, e.g. "sfx/click.ogg"
    bool music = false;
    std::function<audio::Pcm()> make;  // raw render, not yet levelled
};

std::vector<SoundAsset> EffectAssets();
std::vector<SoundAsset> MusicAssets();
