// The folk band: melodic voices and soft percussion built from the synth.
#pragma once

#include "sound/synth.h"

namespace synth {

// One note: frequency, held length in seconds, velocity 0..1. The result may
// ring on after the held length.
using Voice = Mono (*)(double hz, double seconds, double vel, Rng& rng);

Mono Guitar(double hz, double seconds, double vel, Rng& rng);     // nylon-string pluck
Mono Mandolin(double hz, double seconds, double vel, Rng& rng);   // bright pluck, slight double course
Mono Accordion(double hz, double seconds, double vel, Rng& rng);  // two detuned reeds
Mono Flute(double hz, double seconds, double vel, Rng& rng);      // breathy wooden flute
Mono Bass(double hz, double seconds, double vel, Rng& rng);       // round plucked bass
Mono Marimba(double hz, double seconds, double vel, Rng& rng);    // struck wooden bar
Mono Bell(double hz, double seconds, double vel, Rng& rng);       // small glassy bell
Mono Pad(double hz, double seconds, double vel, Rng& rng);        // soft sustained reed organ

// Percussion hits; the length is fixed by the instrument.
enum class Drum { Frame, Brush, Shaker, Tap, Tambourine };
Mono Hit(Drum drum, double vel, Rng& rng);

}  // namespace synth
