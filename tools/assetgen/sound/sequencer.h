// A step sequencer: notes and drum hits placed on a beat grid, rendered
// through the instruments into a stereo mix with a room.
#pragma once

#include <vector>

#include "sound/instruments.h"

namespace synth {

struct NoteEvent {
    double beat;   // start, in beats from the top of the piece
    double beats;  // held length
    int midi;
    double vel;
};

struct DrumEvent {
    double beat;
    Drum drum;
    double vel;
};

struct Track {
    Voice voice = nullptr;
    double gain = 1;
    double pan = 0;
    std::vector<NoteEvent> notes;
};

struct Arrangement {
    double bpm = 100;
    double beats = 0;  // length of the piece; the mix loops at this point
    std::vector<Track> tracks;
    std::vector<DrumEvent> drums;
    double drumGain = 1;
    double room = 0.55;  // reverb size and amount
    double wet = 0.22;
};

// Renders every note (with a few milliseconds of human timing) and folds the
// ringing tail back onto the start so the piece loops without a seam.
Stereo Render(const Arrangement& song, Rng& rng);

}  // namespace synth
