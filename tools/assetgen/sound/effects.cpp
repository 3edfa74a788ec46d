// Recipes of the sound effects. Each returns a raw mono render; the driver
// levels and encodes it.
#include <cmath>
#include <map>

#include "sound/catalog.h"
#include "sound/instruments.h"

using namespace synth;

namespace {

using Recipe = std::function<Mono(Rng&)>;

Curve Glide(double from, double to, double seconds) {
    return [=](double t) { return from * std::pow(to / from, std::min(t / seconds, 1.0)); };
}

// Band-passed noise sweeping from f0 to f1, swelling and dying away.
Mono Whoosh(double secs, double f0, double f1, Rng& rng) {
    Mono m = WhiteNoise(secs, rng);
    BiquadSweep(m, Filter::BandPass, Glide(f0, f1, secs), 1.6);
    Shape(m, [secs](double t) { return std::pow(std::sin(kPi * std::min(t / secs, 1.0)), 1.5); });
    return m;
}

Mono Knock(double hz, double tau, Rng& rng) {
    Mono m = Struck(hz, tau * 8, {{1.0, 1.0, tau}, {2.76, 0.5, tau * 0.5}, {5.4, 0.25, tau * 0.3}});
    Mono click = WhiteNoise(0.01, rng);
    Biquad(click, Filter::BandPass, hz * 3, 1.0);
    Decay(click, 0.0005, 0.002);
    Mix(m, click, 0, 0.8);
    return m;
}

Mono Thud(double from, double to, double tau) {
    Mono m = Osc(tau * 7, Wave::Sine, Glide(from, to, tau * 2));
    Decay(m, 0.002, tau);
    return m;
}

Mono Metal(double hz, double secs, double tau) {
    return Struck(hz, secs,
                  {{1.0, 1.0, tau},
                   {2.32, 0.7, tau * 0.8},
                   {4.25, 0.5, tau * 0.6},
                   {6.63, 0.35, tau * 0.4},
                   {9.38, 0.2, tau * 0.3}});
}

Mono Explosion(double secs, double body, Rng& rng) {
    Mono m = Thud(95, 32, 0.35 * body);
    Mono rumble = PinkNoise(secs, rng);
    BiquadSweep(rumble, Filter::LowPass, Glide(3500, 180, secs * 0.6), 0.7);
    Decay(rumble, 0.004, 0.3 * body);
    Mix(m, rumble, 0, 1.4);
    SoftClip(m, 1.6);
    m.resize(Frames(secs));
    FadeOut(m, 0.3);
    return m;
}

Mono Crackles(double secs, int count, double hz, Rng& rng) {
    Mono m(Frames(secs));
    for (int k = 0; k < count; ++k) {
        Mono c = WhiteNoise(0.012, rng);
        Biquad(c, Filter::BandPass, hz * (0.6 + rng.uni()), 2.0);
        Decay(c, 0.0003, 0.003);
        double at = secs * std::pow(rng.uni(), 1.3) * 0.95;
        Mix(m, c, at, 0.4 + rng.uni() * 0.8);
    }
    return m;
}

Mono Arpeggio(Voice voice, const std::vector<int>& notes, double step, double hold, double vel, Rng& rng) {
    Mono m;
    for (size_t k = 0; k < notes.size(); ++k)
        Mix(m, voice(MidiHz(notes[k]), hold, vel, rng), step * double(k));
    return m;
}

// A vowel-like voice for crowds: a buzzing source through two formants,
// broken into syllables.
Mono CrowdVoice(double secs, double f0, double f1, double f2, Rng& rng) {
    double ph = rng.uni() * 6, rate = 3 + rng.uni() * 3, drift = 0.4 + rng.uni();
    Mono src =
        Osc(secs, Wave::Saw, [=](double t) { return f0 * (1 + 0.08 * std::sin(2 * kPi * drift * t + ph)); });
    Mono a = src, b = src;
    Biquad(a, Filter::BandPass, f1, 4);
    Biquad(b, Filter::BandPass, f2, 5);
    Mix(a, b, 0, 0.6);
    Shape(a, [=](double t) {
        double s = 0.5 + 0.5 * std::sin(2 * kPi * rate * t + ph);
        return s * s;
    });
    return a;
}

Mono Crowd(double secs, int voices, double pitchLo, double pitchHi, double f1, double f2, Rng& rng) {
    Mono m(Frames(secs));
    for (int k = 0; k < voices; ++k) {
        double f0 = pitchLo + rng.uni() * (pitchHi - pitchLo);
        Mix(m, CrowdVoice(secs, f0, f1 * (0.85 + 0.3 * rng.uni()), f2 * (0.85 + 0.3 * rng.uni()), rng), 0,
            0.5);
    }
    Mono bed = PinkNoise(secs, rng);
    Biquad(bed, Filter::BandPass, 900, 0.8);
    Mix(m, bed, 0, 0.25);
    return m;
}

Mono Bird(double secs, double hz, Rng& rng) {
    Mono m;
    int chirps = rng.range(2, 4);
    for (int k = 0; k < chirps; ++k) {
        double len = 0.05 + rng.uni() * 0.07, top = hz * (1 + 0.3 * rng.uni());
        Mono c = Osc(len, Wave::Sine,
                     [=](double t) { return top * (1 - 0.35 * t / len) + 300 * std::sin(2 * kPi * 35 * t); });
        Shape(c, [len](double t) { return std::sin(kPi * std::min(t / len, 1.0)); });
        Mix(m, c, double(k) * (len + 0.04));
    }
    return m;
}

// Cross-fades the end of a render into its start so that the last `secs` seconds loop back.
Mono LoopCrossfade(const Mono& m, double secs) {
    size_t x = Frames(secs), n = m.size() - x;
    Mono out(m.begin(), m.begin() + static_cast<long>(n));
    for (size_t i = 0; i < x; ++i) {
        double t = double(i) / double(x);
        out[i] = static_cast<float>(m[i] * std::sin(kPi / 2 * t) + m[n + i] * std::cos(kPi / 2 * t));
    }
    return out;
}

const std::map<std::string, Recipe>& Recipes() {
    static const std::map<std::string, Recipe> recipes = {
        {"click",
         [](Rng& rng) {
             Mono m = Knock(1900, 0.008, rng);
             m.resize(Frames(0.07));
             FadeOut(m, 0.01);
             return m;
         }},
        {"bad",
         [](Rng& rng) {
             Mono m;
             for (int k = 0; k < 2; ++k) {
                 Mono t = Osc(0.16, Wave::Square, Glide(k ? 196 : 233, k ? 175 : 220, 0.16));
                 Biquad(t, Filter::LowPass, 900, 0.8);
                 Adsr(t, 0.005, 0.05, 0.7, 0.05, 0.12);
                 Mix(m, t, 0.17 * k);
             }
             return m;
         }},
        {"match",
         [](Rng& rng) {
             Mono m = Arpeggio(Mandolin, {72, 76, 79}, 0.05, 0.25, 0.9, rng);
             Mix(m, Bell(MidiHz(91), 0.3, 0.4, rng), 0.12);
             m.resize(Frames(0.8));
             FadeOut(m, 0.25);
             return m;
         }},
        {"show-dynamite",
         [](Rng& rng) {
             Mono m = WhiteNoise(1.0, rng);
             Biquad(m, Filter::BandPass, 4200, 1.2);
             Shape(m, [](double t) { return 0.35 * std::min(t / 0.05, 1.0) * std::exp(-t * 1.5); });
             Mix(m, Crackles(1.0, 40, 3000, rng), 0, 0.9);
             Mono rise = Osc(0.3, Wave::Triangle, Glide(300, 1200, 0.3));
             Decay(rise, 0.01, 0.12);
             Mix(m, rise, 0, 0.5);
             FadeOut(m, 0.2);
             return m;
         }},
        {"boom", [](Rng& rng) { return Explosion(1.6, 1.0, rng); }},
        {"dynamite",
         [](Rng& rng) {
             Mono m = Explosion(2.0, 1.5, rng);
             Mix(m, Crackles(1.6, 60, 1800, rng), 0.15, 0.6);
             m.resize(Frames(2.0));
             FadeOut(m, 0.4);
             return m;
         }},
        {"rock",
         [](Rng& rng) {
             Mono m = Thud(130, 70, 0.05);
             for (int k = 0; k < 6; ++k) {
                 Mono g = WhiteNoise(0.03, rng);
                 Biquad(g, Filter::BandPass, 900 + rng.uni() * 1600, 1.5);
                 Decay(g, 0.001, 0.008 + rng.uni() * 0.01);
                 Mix(m, g, 0.01 + 0.3 * rng.uni() * rng.uni(), 1.2);
             }
             m.resize(Frames(0.5));
             FadeOut(m, 0.1);
             return m;
         }},
        {"tile-match",
         [](Rng& rng) {
             Mono m = Bell(MidiHz(91), 0.2, 0.9, rng);
             Mix(m, Bell(MidiHz(96), 0.2, 0.5, rng), 0.06);
             m.resize(Frames(0.9));
             FadeOut(m, 0.3);
             return m;
         }},
        {"chain",
         [](Rng& rng) {
             Mono m;
             const double hz[3] = {2300, 2700, 2050};
             for (int k = 0; k < 3; ++k)
                 Mix(m, Metal(hz[k], 0.4, 0.05), 0.07 * k + 0.01 * rng.uni(), 0.8 - 0.15 * k);
             m.resize(Frames(0.6));
             FadeOut(m, 0.1);
             return m;
         }},
        {"coins",
         [](Rng& rng) {
             Mono m;
             for (int k = 0; k < 6; ++k) {
                 double hz = 2600 + rng.uni() * 1200;
                 Mix(m, Struck(hz, 0.35, {{1.0, 1.0, 0.09}, {1.52, 0.6, 0.06}, {2.41, 0.4, 0.04}}),
                     0.055 * k + 0.02 * rng.uni(), 0.9 - 0.1 * k);
             }
             m.resize(Frames(0.8));
             FadeOut(m, 0.15);
             return m;
         }},
        {"hint",
         [](Rng& rng) {
             Mono m = Bell(MidiHz(79), 0.3, 0.8, rng);
             Mix(m, Bell(MidiHz(86), 0.4, 0.7, rng), 0.18);
             OnePoleLow(m, 5000);
             m.resize(Frames(1.1));
             FadeOut(m, 0.3);
             return m;
         }},
        {"loaded",
         [](Rng& rng) {
             Mono m = Arpeggio(Bell, {84, 88, 91, 96}, 0.07, 0.3, 0.8, rng);
             Mono shimmer = WhiteNoise(0.8, rng);
             Biquad(shimmer, Filter::HighPass, 7000, 0.7);
             Shape(shimmer, [](double t) { return 0.12 * std::sin(kPi * std::min(t / 0.8, 1.0)); });
             Mix(m, shimmer, 0.1);
             m.resize(Frames(1.1));
             FadeOut(m, 0.3);
             return m;
         }},
        {"unlock",
         [](Rng& rng) {
             Mono m = Knock(320, 0.03, rng);
             Mix(m, Metal(2100, 0.2, 0.02), 0.12, 0.5);
             Mix(m, Knock(260, 0.04, rng), 0.26);
             m.resize(Frames(0.6));
             FadeOut(m, 0.15);
             return m;
         }},
        {"fire",
         [](Rng& rng) {
             Mono m = Whoosh(0.55, 500, 3500, rng);
             Mono tone = Osc(0.55, Wave::Saw, Glide(260, 1100, 0.45));
             Biquad(tone, Filter::LowPass, 1800, 0.9);
             Shape(tone, [](double t) { return 0.25 * std::sin(kPi * std::min(t / 0.55, 1.0)); });
             Mix(m, tone, 0);
             return m;
         }},
        {"powerup-back",
         [](Rng& rng) {
             Mono m = Whoosh(0.45, 2800, 450, rng);
             Mono tone = Osc(0.45, Wave::Triangle, Glide(900, 300, 0.45));
             Shape(tone, [](double t) { return 0.3 * std::sin(kPi * std::min(t / 0.45, 1.0)); });
             Mix(m, tone, 0);
             return m;
         }},
        {"hammer",
         [](Rng& rng) {
             Mono m = Thud(150, 85, 0.06);
             Mix(m, Knock(420, 0.025, rng), 0, 0.8);
             m.resize(Frames(0.45));
             FadeOut(m, 0.1);
             return m;
         }},
        {"clock",
         [](Rng& rng) {
             Mono m;
             for (int k = 0; k < 4; ++k) Mix(m, Knock(k % 2 ? 1500 : 1900, 0.012, rng), 0.25 * k, 0.8);
             Mix(m, Bell(MidiHz(88), 0.3, 0.5, rng), 1.0);
             m.resize(Frames(1.8));
             FadeOut(m, 0.4);
             return m;
         }},
        {"pickaxe",
         [](Rng& rng) {
             Mono m = Metal(1850, 0.5, 0.06);
             Mono hit = WhiteNoise(0.05, rng);
             Biquad(hit, Filter::BandPass, 3200, 1.0);
             Decay(hit, 0.0005, 0.01);
             Mix(m, hit, 0, 1.2);
             Mono rubble = Crackles(0.5, 14, 1200, rng);
             Mix(m, rubble, 0.06, 0.8);
             m.resize(Frames(0.7));
             FadeOut(m, 0.15);
             return m;
         }},
        {"firework",
         [](Rng& rng) {
             Mono whistle = Osc(0.65, Wave::Sine, [](double t) {
                 return 1100 * std::pow(2.0, t / 0.65) + 40 * std::sin(2 * kPi * 12 * t);
             });
             Shape(whistle, [](double t) { return 0.35 * std::min(t / 0.1, 1.0); });
             Mono m = whistle;
             Mono pop = WhiteNoise(0.3, rng);
             Biquad(pop, Filter::LowPass, 2500, 0.7);
             Decay(pop, 0.001, 0.05);
             Mix(m, pop, 0.65, 1.2);
             Mix(m, Thud(120, 60, 0.08), 0.65, 0.7);
             Mix(m, Crackles(1.1, 70, 4000, rng), 0.72, 0.7);
             m.resize(Frames(1.9));
             FadeOut(m, 0.3);
             return m;
         }},
        {"level-start",
         [](Rng& rng) {
             Mono m = Arpeggio(Mandolin, {67, 72, 76, 79}, 0.09, 0.4, 0.9, rng);
             for (int note : {60, 64, 67, 72}) Mix(m, Accordion(MidiHz(note), 0.9, 0.5, rng), 0.36);
             m = ReverbMono(m, 0.5, 0.4, 0.15);
             m.resize(Frames(1.8));
             FadeOut(m, 0.5);
             return m;
         }},
        {"constr-1",
         [](Rng& rng) {
             Mono m;
             for (int k = 0; k < 3; ++k) {
                 Mix(m, Knock(380 - 30 * k, 0.03, rng), 0.28 * k);
                 Mix(m, Metal(3100 + 200 * k, 0.15, 0.015), 0.28 * k, 0.3);
             }
             m.resize(Frames(1.0));
             FadeOut(m, 0.2);
             return m;
         }},
        {"constr-2",
         [](Rng& rng) {
             Mono saw = WhiteNoise(0.95, rng);
             BiquadSweep(
                 saw, Filter::BandPass, [](double t) { return 2200 + 800 * std::sin(2 * kPi * 2.2 * t); },
                 2.5);
             Shape(saw, [](double t) {
                 double s = std::fabs(std::sin(2 * kPi * 2.2 * t));
                 return 0.8 * s * std::min(t / 0.05, 1.0);
             });
             Mono m = saw;
             Mix(m, Knock(300, 0.04, rng), 1.0);
             m.resize(Frames(1.3));
             FadeOut(m, 0.15);
             return m;
         }},
        {"puzzle-start",
         [](Rng& rng) {
             Mono m = Arpeggio(Bell, {72, 74, 76, 79, 81, 84, 86, 88, 91, 93}, 0.06, 0.2, 0.5, rng);
             for (int note : {60, 67, 76}) Mix(m, Pad(MidiHz(note), 0.8, 0.8, rng), 0.0);
             m = ReverbMono(m, 0.6, 0.4, 0.2);
             m.resize(Frames(1.6));
             FadeOut(m, 0.5);
             return m;
         }},
        {"show-char",
         [](Rng& rng) {
             Mono m = Osc(0.18, Wave::Sine, Glide(320, 760, 0.16));
             Adsr(m, 0.005, 0.05, 0.8, 0.05, 0.14);
             Mix(m, Marimba(MidiHz(84), 0.1, 0.5, rng), 0.12);
             m.resize(Frames(0.5));
             FadeOut(m, 0.15);
             return m;
         }},
        {"story-forest",
         [](Rng& rng) {
             Mono wind = PinkNoise(6.0, rng);
             BiquadSweep(
                 wind, Filter::LowPass, [](double t) { return 500 + 250 * std::sin(2 * kPi * 0.23 * t); },
                 0.8);
             Shape(wind, [](double t) { return 0.6 + 0.4 * std::sin(2 * kPi * 0.17 * t); });
             Mono m = wind;
             for (int k = 0; k < 7; ++k)
                 Mix(m, Bird(0.5, 2600 + rng.uni() * 1800, rng), 0.3 + rng.uni() * 5.0, 0.25);
             Shape(m, [](double t) { return std::min({t / 0.8, (6.0 - t) / 1.2, 1.0}); });
             return m;
         }},
        {"story-metal",
         [](Rng& rng) {
             Mono m = Metal(420, 2.0, 0.5);
             Mono hit = WhiteNoise(0.04, rng);
             Biquad(hit, Filter::HighPass, 2000, 0.7);
             Decay(hit, 0.0005, 0.008);
             Mix(m, hit, 0, 0.6);
             FadeOut(m, 0.4);
             return m;
         }},
        {"story-gallop",
         [](Rng& rng) {
             Mono m;
             const double beat = 0.36, pattern[3] = {0, 0.09, 0.2};
             for (int b = 0; b < 8; ++b)
                 for (double off : pattern) {
                     Mono hoof = Knock(420 + rng.uni() * 120, 0.02, rng);
                     Mix(hoof, Thud(110, 70, 0.03), 0, 0.7);
                     Mix(m, hoof, b * beat + off + 0.008 * rng.bi(), 1.0 - 0.09 * b);
                 }
             m.resize(Frames(3.2));
             FadeOut(m, 0.3);
             return m;
         }},
        {"story-fall",
         [](Rng& rng) {
             Mono whistle = Osc(1.2, Wave::Sine, Glide(1500, 280, 1.2));
             Shape(whistle, [](double t) { return 0.3 * std::min(t / 0.1, 1.0); });
             Mono m = whistle;
             Mix(m, Thud(110, 45, 0.18), 1.2, 1.2);
             Mix(m, Crackles(0.8, 25, 900, rng), 1.22, 0.9);
             m.resize(Frames(2.2));
             FadeOut(m, 0.4);
             return m;
         }},
        {"story-crowd",
         [](Rng& rng) {
             Mono m = Crowd(4.0, 14, 100, 230, 650, 1300, rng);
             Shape(m, [](double t) { return std::min({t / 0.6, (4.0 - t) / 0.8, 1.0}); });
             return m;
         }},
        {"story-crowd1",
         [](Rng& rng) {
             Mono m = Crowd(3.0, 16, 170, 330, 800, 1700, rng);
             Shape(m, [](double t) {
                 return std::min({t / 0.3, (3.0 - t) / 0.9, 1.0}) * (0.6 + 0.4 * t / 3);
             });
             for (int k = 0; k < 24; ++k) {
                 Mono clap = WhiteNoise(0.03, rng);
                 Biquad(clap, Filter::BandPass, 1500 + rng.uni() * 800, 1.2);
                 Decay(clap, 0.0005, 0.008);
                 Mix(m, clap, 0.2 + rng.uni() * 2.3, 0.6);
             }
             return m;
         }},
        {"story-crowd2",
         [](Rng& rng) {
             Mono m = Crowd(2.5, 14, 140, 280, 780, 1150, rng);
             Shape(m, [](double t) { return std::min(t / 0.25, 1.0) * std::exp(-t * 0.9); });
             return m;
         }},
        {"story-bee",
         [](Rng& rng) {
             Mono m = Osc(2.5, Wave::Saw, [](double t) { return 215 + 18 * std::sin(2 * kPi * 7 * t); });
             Biquad(m, Filter::BandPass, 700, 1.5);
             Shape(m, [](double t) {
                 return (0.6 + 0.4 * std::sin(2 * kPi * 0.9 * t)) * std::min({t / 0.3, (2.5 - t) / 0.6, 1.0});
             });
             return m;
         }},
        {"raining",
         [](Rng& rng) {
             Mono m = PinkNoise(9.0, rng);
             Biquad(m, Filter::HighPass, 400, 0.7);
             Biquad(m, Filter::LowPass, 6000, 0.7);
             Gain(m, 0.6);
             for (int k = 0; k < 220; ++k) {
                 Mono drop = Struck(1800 + rng.uni() * 2500, 0.05, {{1.0, 1.0, 0.008}});
                 Mix(m, drop, rng.uni() * 8.9, 0.05 + 0.1 * rng.uni());
             }
             m.resize(Frames(9.0));
             return LoopCrossfade(m, 1.0);
         }},
    };
    return recipes;
}

audio::Pcm ToPcm(Mono m) { return audio::Pcm{std::move(m), 1, kRate}; }

std::uint32_t Seed(const std::string& name) {
    std::uint32_t h = 2166136261u;
    for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

}  // namespace

std::vector<SoundAsset> EffectAssets() {
    std::vector<SoundAsset> out;
    for (const auto& [name, recipe] : Recipes()) {
        Recipe r = recipe;
        std::string n = name;
        out.push_back({"sfx/" + name + ".ogg", false, [r, n] {
                           Rng rng(Seed(n));
                           return ToPcm(r(rng));
                       }});
    }
    // Families of variations: the same gesture at different pitches.
    for (int k = 1; k <= 3; ++k) {
        out.push_back({"sfx/chip-move-" + std::to_string(k) + ".ogg", false, [k] {
                           Rng rng(Seed("chip-move") + k);
                           const int notes[3] = {76, 79, 83};
                           Mono m = Marimba(MidiHz(notes[k - 1]), 0.05, 0.8, rng);
                           Mix(m, Whoosh(0.14, 900, 2200 + 300 * k, rng), 0, 0.35);
                           m.resize(Frames(0.4));
                           FadeOut(m, 0.12);
                           return ToPcm(m);
                       }});
    }
    for (int k = 0; k <= 3; ++k) {
        out.push_back({"sfx/fly-" + std::to_string(k) + ".ogg", false, [k] {
                           Rng rng(Seed("fly") + k);
                           double len = 0.34 + 0.04 * k;
                           Mono m = Whoosh(len, 350 + 60 * k, 2600 + 250 * k, rng);
                           const int notes[4] = {84, 86, 88, 91};
                           Mix(m, Bell(MidiHz(notes[k]), 0.05, 0.25, rng), len * 0.7);
                           m.resize(Frames(len + 0.25));
                           FadeOut(m, 0.15);
                           return ToPcm(m);
                       }});
    }
    return out;
}
