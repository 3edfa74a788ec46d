#include "audio/sound_data.h"

#include <algorithm>
#include <cstdio>

#include "frame/options.h"

float SoundVolumeFactor() { return std::clamp(options.CountSoundVol(), 0.0f, 1.0f); }
float MusicVolumeFactor() { return std::clamp(options.CountMusicVol(), 0.0f, 1.0f); }

Channel StartSound(const Sound& snd, float volume) {
    Channel ch = SndCue(snd);
    if (ch != 0) {
        ChnSetVolume(ch, volume);
        ChnResume(ch);
    }
    return ch;
}

bool TSoundData::loadMe() {
    if (snd || loadTried) return snd != nullptr;
    loadTried = true;
    snd = SndLoad(url, 0);
    if (!snd) std::printf("NO SOUND: %s  FILETYPE: %d\n", url.c_str(), FsFileType(url));
    return snd != nullptr;
}

void TSoundData::playMe() {
    loadMe();
    for (Channel& slot : chn) {
        if (slot == 0 || !ChnPlaying(slot)) {
            slot = StartSound(snd, SoundVolumeFactor() * vol);
            return;
        }
    }
}

Channel TSoundData::playMe1() {
    loadMe();
    return StartSound(snd, SoundVolumeFactor() * vol);
}

void TSoundData::update() {
    for (Channel& slot : chn) {
        if (slot != 0 && !ChnPlaying(slot)) slot = 0;
    }
}

int TSoundData::playingCount() const {
    return static_cast<int>(
        std::count_if(chn.begin(), chn.end(), [](Channel c) { return c != 0 && ChnPlaying(c); }));
}

bool TMusicData::loadMe() {
    if (snd || loadTried) return snd != nullptr;
    loadTried = true;
    snd = SndLoad(url, loop == 1 ? SND_LOOP : 0);
    return snd != nullptr;
}
