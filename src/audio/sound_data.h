// One sound effect and one music track of the sound list.
#pragma once

#include <array>
#include <string>

#include "platform/platform.h"

// The volume factors chosen in the options, 0..1 (the options' volume / 10).
float SoundVolumeFactor();
float MusicVolumeFactor();

class TSoundData {
public:
    static constexpr int kInstances = 6;

    std::string id;   // the name screens ask for
    std::string url;  // gameDir + file
    Sound snd;
    std::array<Channel, kInstances> chn{};  // instances now playing, 0 = free slot
    float vol = 1;                          // own volume factor
    bool loadTried = false;                 // its file was read (or found unreadable)

    virtual ~TSoundData() = default;
    // Starts the effect in the first free or finished slot at the sound
    // factor x vol; when all six instances still play, nothing happens.
    // Decodes the file once; says so when it cannot. True when loaded.
    bool loadMe();
    virtual void playMe();
    // Starts the effect on a channel outside the slots, every time.
    virtual Channel playMe1();
    // Forgets the channels of slots that have stopped.
    virtual void update();

    int playingCount() const;
};

class TMusicData {
public:
    std::string id;
    std::string url;
    Sound snd;               // null until loaded
    int loop = 1;            // 1: the track loops
    bool loadTried = false;  // its file was read (or found unreadable)

    virtual ~TMusicData() = default;
    // Loads url with the loop flag, once: a streamed track's file is read and its stream opened,
    // ready for the first play. False when it does not load (a missing or damaged file is not
    // read again at every play).
    virtual bool loadMe();
};

// Starts a sound on a new channel at the given volume; 0 for a null sound.
Channel StartSound(const Sound& snd, float volume);
