#include "sound/sequencer.h"

#include <cmath>

namespace synth {

Stereo Render(const Arrangement& song, Rng& rng) {
    const double spb = 60.0 / song.bpm;
    const size_t frames = Frames(song.beats * spb);
    Stereo mix;
    mix.resize(frames);
    for (const Track& track : song.tracks) {
        for (const NoteEvent& n : track.notes) {
            Mono note = track.voice(MidiHz(n.midi), n.beats * spb, n.vel * (0.92 + 0.08 * rng.uni()), rng);
            double at = std::max(0.0, n.beat * spb + 0.006 * rng.bi());
            Mix(mix, note, at, track.gain, track.pan);
        }
    }
    for (const DrumEvent& d : song.drums) {
        Mono hit = Hit(d.drum, d.vel * (0.9 + 0.1 * rng.uni()), rng);
        double pan = d.drum == Drum::Shaker ? 0.35 : d.drum == Drum::Tambourine ? -0.3 : 0.0;
        Mix(mix, hit, std::max(0.0, d.beat * spb + 0.004 * rng.bi()), song.drumGain, pan);
    }
    Stereo wet = Reverb(mix, song.room, 0.45, song.wet);
    WrapTail(wet, frames);
    return wet;
}

}  // namespace synth
