#include "sound/instruments.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

// Gentle vibrato that sets in after a delay.
Curve Vibrato(double hz, double depthCents, double delay) {
    return [=](double t) {
        double amount = std::clamp((t - delay) / 0.3, 0.0, 1.0) * depthCents;
        return hz * std::pow(2.0, amount * std::sin(2 * kPi * 5.2 * t) / 1200.0);
    };
}

}  // namespace

Mono Guitar(double hz, double seconds, double vel, Rng& rng) {
    Mono m = Pluck(hz, seconds + 1.2, 0.35 + 0.3 * vel, 0.45, rng);
    Biquad(m, Filter::Peak, 220, 1.2, 3);  // body resonance
    Biquad(m, Filter::LowPass, 4200, 0.7);
    Adsr(m, 0.001, 0.0, 1.0, 0.25, seconds + 0.6);
    Gain(m, vel * 0.9);
    return m;
}

Mono Mandolin(double hz, double seconds, double vel, Rng& rng) {
    Mono a = Pluck(hz, seconds + 0.8, 0.75, 0.3, rng);
    Mono b = Pluck(hz * 1.003, seconds + 0.8, 0.7, 0.3, rng);
    Mix(a, b, 0.004, 0.8);
    Biquad(a, Filter::Peak, 900, 1.0, 3);
    Biquad(a, Filter::LowPass, 6000, 0.7);
    Adsr(a, 0.001, 0.0, 1.0, 0.2, seconds + 0.4);
    Gain(a, vel * 0.6);
    return a;
}

Mono Accordion(double hz, double seconds, double vel, Rng& rng) {
    double len = seconds + 0.12;
    Mono a = Osc(len, Wave::Saw, hz * 0.998, rng.uni());
    Mono b = Osc(len, Wave::Saw, hz * 1.003, rng.uni());
    Mono c = Osc(len, Wave::Square, hz * 0.5, rng.uni());
    Mix(a, b, 0, 1.0);
    Mix(a, c, 0, 0.35);
    Biquad(a, Filter::LowPass, std::min(2600.0, hz * 6), 0.8);
    Biquad(a, Filter::Peak, 1400, 1.5, 2.5);
    Adsr(a, 0.035, 0.08, 0.85, 0.1, seconds);
    Gain(a, vel * 0.28);
    return a;
}

Mono Flute(double hz, double seconds, double vel, Rng& rng) {
    double len = seconds + 0.15;
    Curve f = Vibrato(hz, 14, 0.25);
    Mono m = Osc(len, Wave::Sine, f);
    Mono h2 = Osc(len, Wave::Sine, [f](double t) { return 2 * f(t); });
    Mono h3 = Osc(len, Wave::Triangle, [f](double t) { return 3 * f(t); });
    Mix(m, h2, 0, 0.18);
    Mix(m, h3, 0, 0.06);
    Mono breath = WhiteNoise(len, rng);
    Biquad(breath, Filter::BandPass, hz * 2, 2.5);
    Adsr(breath, 0.02, 0.12, 0.3, 0.1, seconds);
    Mix(m, breath, 0, 0.25);
    Adsr(m, 0.06, 0.1, 0.8, 0.12, seconds);
    Gain(m, vel * 0.55);
    return m;
}

Mono Bass(double hz, double seconds, double vel, Rng& rng) {
    Mono m = Pluck(hz, seconds + 0.5, 0.2, 0.6, rng);
    Mono sub = Osc(seconds + 0.5, Wave::Sine, hz);
    Decay(sub, 0.005, 0.5);
    Mix(m, sub, 0, 0.5);
    Biquad(m, Filter::LowPass, 900, 0.7);
    Adsr(m, 0.003, 0.0, 1.0, 0.12, seconds);
    Gain(m, vel * 1.1);
    return m;
}

Mono Marimba(double hz, double seconds, double vel, Rng& rng) {
    Mono m =
        Struck(hz, std::max(0.6, seconds + 0.3), {{1.0, 1.0, 0.35}, {3.93, 0.25, 0.06}, {9.2, 0.08, 0.02}});
    Gain(m, vel * 0.7);
    return m;
}

Mono Bell(double hz, double seconds, double vel, Rng& rng) {
    Mono m = Struck(
        hz, std::max(1.0, seconds + 0.8),
        {{1.0, 1.0, 0.6}, {2.0, 0.35, 0.35}, {2.76, 0.3, 0.25}, {5.4, 0.15, 0.12}, {8.93, 0.08, 0.06}});
    Gain(m, vel * 0.45);
    return m;
}

Mono Pad(double hz, double seconds, double vel, Rng& rng) {
    double len = seconds + 0.4;
    Mono a = Osc(len, Wave::Triangle, hz * 0.997, rng.uni());
    Mono b = Osc(len, Wave::Triangle, hz * 1.004, rng.uni());
    Mono c = Osc(len, Wave::Sine, hz * 2.001, rng.uni());
    Mix(a, b, 0, 1.0);
    Mix(a, c, 0, 0.2);
    Adsr(a, 0.25, 0.3, 0.8, 0.4, seconds);
    Gain(a, vel * 0.22);
    return a;
}

Mono Hit(Drum drum, double vel, Rng& rng) {
    switch (drum) {
        case Drum::Frame: {  // a frame drum struck with the hand
            Mono m = Osc(0.45, Wave::Sine, [](double t) { return 62 + 40 * std::exp(-t / 0.03); });
            Decay(m, 0.002, 0.12);
            Mono thump = WhiteNoise(0.06, rng);
            Biquad(thump, Filter::LowPass, 700, 0.7);
            Decay(thump, 0.001, 0.015);
            Mix(m, thump, 0, 0.5);
            Gain(m, vel * 0.9);
            return m;
        }
        case Drum::Brush: {
            Mono m = WhiteNoise(0.25, rng);
            Biquad(m, Filter::BandPass, 3000, 0.6);
            Decay(m, 0.004, 0.06);
            Gain(m, vel * 0.5);
            return m;
        }
        case Drum::Shaker: {
            Mono m = WhiteNoise(0.12, rng);
            Biquad(m, Filter::HighPass, 5000, 0.7);
            Adsr(m, 0.015, 0.03, 0.3, 0.05, 0.04);
            Gain(m, vel * 0.35);
            return m;
        }
        case Drum::Tap: {  // rim of the drum, or a wooden block
            Mono m = Struck(820, 0.15, {{1.0, 1.0, 0.025}, {2.3, 0.4, 0.012}});
            Gain(m, vel * 0.45);
            return m;
        }
        case Drum::Tambourine: {
            Mono m = WhiteNoise(0.3, rng);
            Biquad(m, Filter::HighPass, 6500, 0.7);
            Mono jingle = Struck(5200, 0.3, {{1.0, 1.0, 0.08}, {1.37, 0.7, 0.06}, {1.9, 0.5, 0.05}});
            Mix(m, jingle, 0, 0.2);
            Decay(m, 0.002, 0.09);
            Gain(m, vel * 0.35);
            return m;
        }
    }
    return Mono();
}

}  // namespace synth
