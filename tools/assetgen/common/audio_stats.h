// Level measurements of rendered sound: peak, loudness, length.
#pragma once

#include "common/audio_ogg.h"

namespace audio {

struct Levels {
    float peak = 0;       // largest absolute sample
    float activeRms = 0;  // RMS over the 10 ms blocks within 30 dB of the loudest one
    double seconds = 0;
};

Levels Measure(const Pcm& pcm);
// 20 log10(v), with a floor of -120 for silence.
float ToDb(float v);

}  // namespace audio
