// A small synthesizer: oscillators, noise, envelopes, filters, plucked
// strings and a reverb, all working on mono or stereo float buffers at 44100 Hz.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace synth {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Mono = std::vector<float>;
struct Stereo {
    Mono l, r;
    size_t size() const { return l.size(); }
    void resize(size_t n) {
        l.resize(n, 0.0f);
        r.resize(n, 0.0f);
    }
};

size_t Frames(double seconds);
double MidiHz(double midi);

// Deterministic noise source (the generator must give the same bytes on every run).
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    std::uint32_t next();
    double uni();                              // 0..1
    double bi() { return uni() * 2.0 - 1.0; }  // -1..1
    int range(int lo, int hi);                 // both ends included
private:
    std::uint32_t state_;
};

enum class Wave { Sine, Triangle, Saw, Square };
using Curve = std::function<double(double t)>;  // t in seconds from the start

// A phase-accumulating oscillator whose frequency may change over time.
Mono Osc(double seconds, Wave wave, const Curve& hz, double phase = 0);
Mono Osc(double seconds, Wave wave, double hz, double phase = 0);
Mono WhiteNoise(double seconds, Rng& rng);
Mono PinkNoise(double seconds, Rng& rng);

// Envelopes, applied in place.
void Adsr(Mono& m, double a, double d, double s, double r, double gateSeconds);
void Decay(Mono& m, double attack, double tau);  // linear attack, exponential decay
void Shape(Mono& m, const Curve& gain);          // arbitrary gain over time
void FadeOut(Mono& m, double seconds);

// Biquad filters (RBJ). The swept forms recompute coefficients every 32 samples.
enum class Filter { LowPass, HighPass, BandPass, Peak };
void Biquad(Mono& m, Filter type, double hz, double q, double gainDb = 0);
void BiquadSweep(Mono& m, Filter type, const Curve& hz, double q);
void OnePoleLow(Mono& m, double hz);

// Karplus-Strong plucked string; brightness 0..1 colours the pick, sustain
// 0..1 sets how slowly the string dies away.
Mono Pluck(double hz, double seconds, double brightness, double sustain, Rng& rng);

// Inharmonic struck partials (bells, metal, glass): ratios and decay times.
struct Partial {
    double ratio;
    double gain;
    double tau;
};
Mono Struck(double hz, double seconds, const std::vector<Partial>& partials);

// Mixing.
void Mix(Mono& dst, const Mono& src, double atSeconds, double gain = 1);
void Mix(Stereo& dst, const Mono& src, double atSeconds, double gain, double pan);  // pan -1..1
void Gain(Mono& m, double g);
void SoftClip(Mono& m, double drive);

// Freeverb-style room; wet 0..1 is added to the dry signal.
Stereo Reverb(const Stereo& in, double room, double damp, double wet);
Mono ReverbMono(const Mono& in, double room, double damp, double wet);

// Folds everything after `frames` back onto the start so that the buffer
// loops seamlessly, then cuts it to `frames`.
void WrapTail(Mono& m, size_t frames);
void WrapTail(Stereo& s, size_t frames);

}  // namespace synth
