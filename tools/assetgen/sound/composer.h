// Writes little folk tunes: a melody built from repeated motifs over a chord
// progression, with a harmony voice, accompaniment, bass and hand drums.
#pragma once

#include <string>
#include <vector>

#include "sound/sequencer.h"

namespace synth {

enum class Scale { Major, Minor, Dorian, Mixolydian };
enum class Feel { Waltz, Reel, Jig, Ballad };  // 3/4, 4/4, 6/8 (beat = eighth), slow 4/4

struct Tune {
    std::uint32_t seed = 1;
    int tonic = 62;  // key note of the melody's octave (MIDI)
    Scale scale = Scale::Major;
    Feel feel = Feel::Reel;
    double bpm = 100;
    std::vector<int> chordsA;  // one scale degree (0..6) per bar, eight bars
    std::vector<int> chordsB;
    std::string form = "AABA";
    Voice lead = nullptr;    // melody of the A sections
    Voice second = nullptr;  // harmony in A, melody in B
    Voice comp = nullptr;    // chords / arpeggios
    bool drums = true;
    double room = 0.55;
    double wet = 0.22;
};

Arrangement Compose(const Tune& tune);
double TuneSeconds(const Tune& tune);

}  // namespace synth
