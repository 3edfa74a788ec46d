// The sound and music manager: the effects and tracks of "data/sounds.txt",
// the current music with a cross-fade to the next one, and the rain loop.
// Screens ask for sounds by name:
//   globalSnd.playMySound("match");     an effect, at most six instances at once
//   globalSnd.playMySound1("boom");     an effect outside the six slots
//   globalSnd.playMyMusic("title");     cross-fades to a track
//   globalSnd.playLevelMusic();         the next of "game-1" ... "game-6"
//   globalSnd.hideMusic();              fades the music out
//   globalSnd.PlayRain(); StopRain();   the rain loop fades in and out
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio/sound_data.h"
#include "frame/screen.h"

class TGlobalSnd : public TEkran {
public:
    std::vector<std::shared_ptr<TMusicData>> musics;  // file order
    std::vector<std::shared_ptr<TSoundData>> sounds;  // file order
    Channel newMusicCHN = 0;                          // the current music
    Channel oldMusicCHN = 0;                          // the previous music while it fades out
    Channel rainCHN = 0;
    Sound rainSnd;           // "sfx/raining.ogg", looping
    bool rainTried = false;  // rainSnd was loaded or found missing
    std::shared_ptr<TMusicData> oldMusicData;
    std::shared_ptr<TMusicData> newMusicData;
    float musicSpecVol = 0.5f;  // extra factor on every music volume
    float newPer = 0;           // fade-in level of the current music
    float oldPer = 0;           // fade-out level of the previous music
    float musicVol = 0;         // last volume given to setMusicVol
    int lastClick = -1000000;   // time of the last click sound, ms
    float rainP = 0;
    float dRainP = 0;
    int musicNumber = 0;  // counter of the level music, 0..6

    // The millisecond clock of the click limiter; tests fix it.
    std::function<int()> clock = SysMillisecs;

    void setup() override;
    void update() override;

    virtual void _setupMusic();
    virtual void _setupSounds();
    // The loading screen's way, so that no frame waits for every effect at
    // once: setupListed reads the lists (effects not yet decoded), then
    // loadPendingSounds decodes effects until budgetMs has passed (all of
    // them when negative); true once every effect has been loaded or tried.
    // An effect played before its turn is decoded then.
    virtual void setupListed();
    virtual void _listSounds();
    virtual bool loadPendingSounds(double budgetMs);
    virtual void _setupExctMusic(int n);
    virtual void _setupExactMusic(int n);
    virtual void click();
    virtual void over() {}
    virtual void winLevel();
    virtual void PlayRain();
    virtual void StopRain();
    virtual void playMySound(const std::string& name);
    virtual void playMySound(const std::shared_ptr<TSoundData>& data);
    virtual void playMySound1(const std::string& name);
    virtual void playMySound1(const std::shared_ptr<TSoundData>& data);
    virtual void playLevelMusic();
    virtual void stopAllMusic();
    virtual void playMusicBack();
    virtual void playMyMusic(const std::string& name);
    virtual void playMyMusic(const std::shared_ptr<TMusicData>& data);
    virtual void setSoundVol(float) {}
    virtual void setMusicVol(float v);
    virtual std::shared_ptr<TMusicData> getMusicData(const std::string& name) const;
    virtual std::shared_ptr<TSoundData> getSoundData(const std::string& name) const;
    virtual bool mustPlayNewMusic() const;
    virtual void pauseSounds();
    virtual void Pause();
    virtual void UnPause();
    virtual void resumeSounds();
    virtual void stopMusic();
    virtual void stopAllSpecialSounds();
    virtual void hideMusic();

private:
    // Stops a channel whose reference is about to be replaced.
    static void _drop(Channel& ch);
};

extern TGlobalSnd globalSnd;

// Sets the frame hooks (update, pause, resume, music volume from the
// options) and the GUI click sound to the global manager. Called once at
// start-up, before the settings are read.
void InstallSoundHooks();
