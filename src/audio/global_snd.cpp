#include "audio/global_snd.h"

#include <algorithm>
#include <cstdio>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "gui/gui.h"
#include "gui/gui_util.h"

TGlobalSnd globalSnd;

void TGlobalSnd::_drop(Channel& ch) {
    if (ch != 0) ChnStop(ch);
    ch = 0;
}

std::shared_ptr<TMusicData> TGlobalSnd::getMusicData(const std::string& name) const {
    for (const auto& m : musics)
        if (EqualNoCase(m->id, name)) return m;
    return nullptr;
}

std::shared_ptr<TSoundData> TGlobalSnd::getSoundData(const std::string& name) const {
    for (const auto& s : sounds)
        if (EqualNoCase(s->id, name)) return s;
    return nullptr;
}

void TGlobalSnd::click() {
    if (noSounds) return;
    int now = clock();
    if (now - lastClick > 99) {
        lastClick = now;
        playMySound("click");
    }
}

void TGlobalSnd::winLevel() { playMyMusic("win"); }

void TGlobalSnd::PlayRain() {
    if (!rainTried) loadPendingSounds(0);  // asked for before the loading reached it
    if (!rainSnd) return;
    _drop(rainCHN);  // a rain channel never plays on unheard
    // Starts at the level the rain has reached, so that it fades in from there.
    rainCHN = StartSound(rainSnd, SoundVolumeFactor() * rainP);
    dRainP = 1;
}

void TGlobalSnd::StopRain() { dRainP = 0; }

void TGlobalSnd::playMySound(const std::string& name) {
    if (noSounds || SoundVolumeFactor() <= 0) return;
    playMySound(getSoundData(name));
}

void TGlobalSnd::playMySound(const std::shared_ptr<TSoundData>& data) {
    if (noSounds || SoundVolumeFactor() <= 0 || !data) return;
    data->playMe();
}

void TGlobalSnd::playMySound1(const std::string& name) {
    if (noSounds || SoundVolumeFactor() <= 0) return;
    playMySound1(getSoundData(name));
}

void TGlobalSnd::playMySound1(const std::shared_ptr<TSoundData>& data) {
    if (noSounds || SoundVolumeFactor() <= 0 || !data) return;
    data->playMe1();
}

void TGlobalSnd::playLevelMusic() {
    if (noSounds) return;
    musicNumber += 1;
    playMyMusic("game-" + std::to_string(musicNumber));
    if (musicNumber > 5) musicNumber = 0;
}

void TGlobalSnd::playMyMusic(const std::string& name) {
    if (noSounds) return;
    playMyMusic(getMusicData(name));
}

void TGlobalSnd::playMyMusic(const std::shared_ptr<TMusicData>& data) {
    if (noSounds || !data) return;
    if (!data->snd) data->loadMe();
    if (!mustPlayNewMusic()) {
        // Cross-fade: the playing track fades out from the level it has now.
        _drop(oldMusicCHN);
        oldMusicCHN = newMusicCHN;
        oldMusicData = newMusicData;
        oldPer = newPer;
        ChnSetVolume(oldMusicCHN, MusicVolumeFactor() * oldPer * musicSpecVol);
    } else {
        _drop(newMusicCHN);  // paused or finished: it will not be heard again
    }
    newPer = 0;
    newMusicData = data;
    newMusicCHN = StartSound(data->snd, 0);
}

void TGlobalSnd::setMusicVol(float v) {
    if (musicVol == 0 && v > 0) {
        playMyMusic(newMusicData);
    } else {
        if (oldMusicCHN) ChnSetVolume(oldMusicCHN, v * oldPer * musicSpecVol);
        if (newMusicCHN) ChnSetVolume(newMusicCHN, v * newPer * musicSpecVol);
    }
    if (v == 0) {
        _drop(oldMusicCHN);
        _drop(newMusicCHN);
    }
    musicVol = v;
}

bool TGlobalSnd::mustPlayNewMusic() const { return newMusicCHN == 0 || !ChnPlaying(newMusicCHN); }

void TGlobalSnd::hideMusic() {
    _drop(oldMusicCHN);
    oldPer = newPer;
    oldMusicCHN = newMusicCHN;
    oldMusicData = newMusicData;
    newMusicCHN = 0;
}

void TGlobalSnd::stopMusic() {
    if (oldMusicCHN && ChnPlaying(oldMusicCHN)) ChnStop(oldMusicCHN);
    if (newMusicCHN && ChnPlaying(newMusicCHN)) ChnStop(newMusicCHN);
}

void TGlobalSnd::stopAllMusic() {
    if (oldMusicCHN && ChnPlaying(oldMusicCHN)) ChnPause(oldMusicCHN);
    if (newMusicCHN && ChnPlaying(newMusicCHN)) ChnPause(newMusicCHN);
}

void TGlobalSnd::playMusicBack() {
    if (!newMusicData) return;
    if (newMusicCHN == 0 || !ChnPlaying(newMusicCHN)) playMyMusic(newMusicData);
    else ChnResume(newMusicCHN);
}

void TGlobalSnd::stopAllSpecialSounds() {
    for (const auto& s : sounds)
        for (Channel& c : s->chn) _drop(c);
}

void TGlobalSnd::pauseSounds() {
    for (Channel c : {oldMusicCHN, newMusicCHN, rainCHN})
        if (c) ChnPause(c);
}

void TGlobalSnd::resumeSounds() {
    for (Channel c : {oldMusicCHN, newMusicCHN, rainCHN})
        if (c) ChnResume(c);
}

void TGlobalSnd::Pause() { pauseSounds(); }
void TGlobalSnd::UnPause() { resumeSounds(); }

void TGlobalSnd::update() {
    newPer = std::min(1.0f, newPer + 0.03f * frameDelta);
    oldPer = std::max(0.0f, oldPer - 0.03f * frameDelta);

    ApproachInPlace(rainP, dRainP, 0.05f);
    if (rainP == 0 && dRainP == 0) _drop(rainCHN);
    if (rainCHN) ChnSetVolume(rainCHN, SoundVolumeFactor() * rainP);

    if (oldMusicCHN && ChnPlaying(oldMusicCHN)) {
        if (oldPer == 0) _drop(oldMusicCHN);
        else ChnSetVolume(oldMusicCHN, MusicVolumeFactor() * oldPer * musicSpecVol);
    }
    if (newMusicCHN && ChnPlaying(newMusicCHN))
        ChnSetVolume(newMusicCHN, MusicVolumeFactor() * newPer * musicSpecVol);

    for (const auto& s : sounds) s->update();
}

void InstallSoundHooks() {
    TFrameHooks& hooks = FrameHooks();
    hooks.soundUpdate = [] { globalSnd.update(); };
    hooks.soundPause = [] { globalSnd.Pause(); };
    hooks.soundResume = [] { globalSnd.UnPause(); };
    hooks.setMusicVol = [](float v) { globalSnd.setMusicVol(v); };
    GuiHooks().clickSound = [] { globalSnd.click(); };
}
