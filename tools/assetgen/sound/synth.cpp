#include "sound/synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace synth {

size_t Frames(double seconds) { return static_cast<size_t>(std::max(0.0, seconds) * kRate + 0.5); }
double MidiHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

std::uint32_t Rng::next() {
    // xorshift32
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}
double Rng::uni() { return (next() >> 8) / 16777216.0; }
int Rng::range(int lo, int hi) { return lo + static_cast<int>(uni() * (hi - lo + 1)); }

namespace {

// PolyBLEP step correction for band-limited saw and square waves.
double Blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

struct BiquadState {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    void set(Filter type, double hz, double q, double gainDb) {
        hz = std::clamp(hz, 10.0, kRate * 0.45);
        double w = 2 * kPi * hz / kRate, cw = std::cos(w), sw = std::sin(w);
        double alpha = sw / (2 * std::max(q, 0.05));
        double a0 = 1;
        switch (type) {
            case Filter::LowPass:
                b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
                a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
                break;
            case Filter::HighPass:
                b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2;
                a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
                break;
            case Filter::BandPass:  // 0 dB peak gain
                b0 = alpha, b1 = 0, b2 = -alpha;
                a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
                break;
            case Filter::Peak: {
                double A = std::pow(10.0, gainDb / 40);
                b0 = 1 + alpha * A, b1 = -2 * cw, b2 = 1 - alpha * A;
                a0 = 1 + alpha / A, a1 = -2 * cw, a2 = 1 - alpha / A;
                break;
            }
        }
        b0 /= a0, b1 /= a0, b2 /= a0, a1 /= a0, a2 /= a0;
    }
    float run(float x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return static_cast<float>(y);
    }
};

}  // namespace

Mono Osc(double seconds, Wave wave, const Curve& hz, double phase) {
    Mono m(Frames(seconds));
    for (size_t i = 0; i < m.size(); ++i) {
        double dt = hz(double(i) / kRate) / kRate;
        double v = 0;
        switch (wave) {
            case Wave::Sine:
                v = std::sin(2 * kPi * phase);
                break;
            case Wave::Triangle:
                v = 1.0 - 4.0 * std::fabs(phase - 0.5);
                break;
            case Wave::Saw:
                v = 2.0 * phase - 1.0 - Blep(phase, dt);
                break;
            case Wave::Square:
                v = (phase < 0.5 ? 1.0 : -1.0) + Blep(phase, dt) - Blep(std::fmod(phase + 0.5, 1.0), dt);
                break;
        }
        m[i] = static_cast<float>(v);
        phase += dt;
        phase -= std::floor(phase);
    }
    return m;
}

Mono Osc(double seconds, Wave wave, double hz, double phase) {
    return Osc(
        seconds, wave, [hz](double) { return hz; }, phase);
}

Mono WhiteNoise(double seconds, Rng& rng) {
    Mono m(Frames(seconds));
    for (float& s : m) s = static_cast<float>(rng.bi());
    return m;
}

Mono PinkNoise(double seconds, Rng& rng) {
    // Paul Kellet's economy filter.
    Mono m(Frames(seconds));
    double b0 = 0, b1 = 0, b2 = 0;
    for (float& s : m) {
        double w = rng.bi();
        b0 = 0.99765 * b0 + w * 0.0990460;
        b1 = 0.96300 * b1 + w * 0.2965164;
        b2 = 0.57000 * b2 + w * 1.0526913;
        s = static_cast<float>((b0 + b1 + b2 + w * 0.1848) * 0.2);
    }
    return m;
}

void Adsr(Mono& m, double a, double d, double s, double r, double gate) {
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / kRate, g;
        if (t < a) g = t / a;
        else if (t < a + d) g = 1.0 - (1.0 - s) * (t - a) / d;
        else g = s;
        if (t > gate) {
            // Release from wherever the gate closed, exponentially.
            double atGate = gate < a ? gate / a : (gate < a + d ? 1.0 - (1.0 - s) * (gate - a) / d : s);
            g = atGate * std::exp(-(t - gate) / std::max(r / 4.6, 1e-4));
        }
        m[i] *= static_cast<float>(g);
    }
}

void Decay(Mono& m, double attack, double tau) {
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / kRate;
        double g = t < attack ? t / attack : std::exp(-(t - attack) / tau);
        m[i] *= static_cast<float>(g);
    }
}

void Shape(Mono& m, const Curve& gain) {
    for (size_t i = 0; i < m.size(); ++i) m[i] *= static_cast<float>(gain(double(i) / kRate));
}

void FadeOut(Mono& m, double seconds) {
    size_t n = std::min(m.size(), Frames(seconds));
    for (size_t k = 0; k < n; ++k) m[m.size() - 1 - k] *= static_cast<float>(double(k) / n);
}

void Biquad(Mono& m, Filter type, double hz, double q, double gainDb) {
    BiquadState st;
    st.set(type, hz, q, gainDb);
    for (float& s : m) s = st.run(s);
}

void BiquadSweep(Mono& m, Filter type, const Curve& hz, double q) {
    BiquadState st;
    for (size_t i = 0; i < m.size(); ++i) {
        if (i % 32 == 0) st.set(type, hz(double(i) / kRate), q, 0);
        m[i] = st.run(m[i]);
    }
}

void OnePoleLow(Mono& m, double hz) {
    double a = std::exp(-2 * kPi * hz / kRate), y = 0;
    for (float& s : m) {
        y = (1 - a) * s + a * y;
        s = static_cast<float>(y);
    }
}

Mono Pluck(double hz, double seconds, double brightness, double sustain, Rng& rng) {
    Mono out(Frames(seconds));
    double period = double(kRate) / hz;
    double delay = period - 0.5;  // the two-point average delays half a sample
    int n = static_cast<int>(std::floor(delay));
    double frac = delay - n;
    if (frac < 0.1) {
        n -= 1;
        frac += 1;
    }
    n = std::max(n, 2);
    double c = (1 - frac) / (1 + frac);  // allpass tuning the fractional part
    double t60 = 0.4 + sustain * 7.0;
    double loss = std::pow(10.0, -3.0 * (period / kRate) / t60);

    std::vector<double> line(static_cast<size_t>(n));
    Mono pick = WhiteNoise(double(n) / kRate + 0.01, rng);
    OnePoleLow(pick, 300 + brightness * brightness * 9000);
    double mean = 0;
    for (int i = 0; i < n; ++i) mean += pick[static_cast<size_t>(i)];
    mean /= n;
    for (int i = 0; i < n; ++i) line[static_cast<size_t>(i)] = (pick[static_cast<size_t>(i)] - mean) * 2.0;

    double prev = 0, apX = 0, apY = 0;
    size_t idx = 0;
    double blend = 0.5 - 0.25 * brightness;  // brighter strings average less
    for (float& s : out) {
        double v = line[idx];
        s = static_cast<float>(v);
        double f = loss * ((1 - blend) * v + blend * prev);
        prev = v;
        double ap = c * f + apX - c * apY;
        apX = f;
        apY = ap;
        line[idx] = ap;
        idx = (idx + 1) % line.size();
    }
    return out;
}

Mono Struck(double hz, double seconds, const std::vector<Partial>& partials) {
    Mono m(Frames(seconds));
    for (const Partial& p : partials) {
        double f = hz * p.ratio;
        if (f >= kRate * 0.45) continue;
        double w = 2 * kPi * f / kRate;
        for (size_t i = 0; i < m.size(); ++i) {
            double t = double(i) / kRate;
            double g = p.gain * std::exp(-t / p.tau) * std::min(1.0, t / 0.0015);
            m[i] += static_cast<float>(g * std::sin(w * double(i)));
        }
    }
    return m;
}

void Mix(Mono& dst, const Mono& src, double at, double gain) {
    size_t off = Frames(at);
    if (dst.size() < off + src.size()) dst.resize(off + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[off + i] += static_cast<float>(src[i] * gain);
}

void Mix(Stereo& dst, const Mono& src, double at, double gain, double pan) {
    size_t off = Frames(at);
    if (dst.size() < off + src.size()) dst.resize(off + src.size());
    double angle = (std::clamp(pan, -1.0, 1.0) + 1) * kPi / 4;  // equal power
    double gl = gain * std::cos(angle) * std::sqrt(2.0), gr = gain * std::sin(angle) * std::sqrt(2.0);
    for (size_t i = 0; i < src.size(); ++i) {
        dst.l[off + i] += static_cast<float>(src[i] * gl);
        dst.r[off + i] += static_cast<float>(src[i] * gr);
    }
}

void Gain(Mono& m, double g) {
    for (float& s : m) s = static_cast<float>(s * g);
}

void SoftClip(Mono& m, double drive) {
    double norm = std::tanh(drive);
    for (float& s : m) s = static_cast<float>(std::tanh(s * drive) / norm);
}

namespace {

struct Comb {
    std::vector<float> buf;
    size_t idx = 0;
    float store = 0;
    float run(float x, float feedback, float damp) {
        float y = buf[idx];
        store = y * (1 - damp) + store * damp;
        buf[idx] = x + store * feedback;
        idx = (idx + 1) % buf.size();
        return y;
    }
};

struct AllPass {
    std::vector<float> buf;
    size_t idx = 0;
    float run(float x) {
        float b = buf[idx];
        buf[idx] = x + b * 0.5f;
        idx = (idx + 1) % buf.size();
        return b - x;
    }
};

Mono FreeverbChannel(const Mono& in, int spread, double room, double damp) {
    static const std::array<int, 8> combs{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const std::array<int, 4> passes{556, 441, 341, 225};
    std::vector<Comb> cs;
    for (int len : combs) cs.push_back(Comb{std::vector<float>(static_cast<size_t>(len + spread)), 0, 0});
    std::vector<AllPass> as;
    for (int len : passes) as.push_back(AllPass{std::vector<float>(static_cast<size_t>(len + spread)), 0});
    float feedback = static_cast<float>(room * 0.28 + 0.7), dmp = static_cast<float>(damp * 0.4);
    Mono out(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        float x = in[i] * 0.015f, y = 0;
        for (Comb& c : cs) y += c.run(x, feedback, dmp);
        for (AllPass& a : as) y = a.run(y);
        out[i] = y;
    }
    return out;
}

}  // namespace

Stereo Reverb(const Stereo& in, double room, double damp, double wet) {
    // Room for the tail to ring out.
    Stereo src = in;
    src.resize(in.size() + Frames(1.5 + room * 2.5));
    Mono mid(src.size());
    for (size_t i = 0; i < mid.size(); ++i) mid[i] = (src.l[i] + src.r[i]) * 0.5f;
    Mono wl = FreeverbChannel(mid, 0, room, damp), wr = FreeverbChannel(mid, 23, room, damp);
    for (size_t i = 0; i < src.size(); ++i) {
        src.l[i] += static_cast<float>(wl[i] * wet * 3);
        src.r[i] += static_cast<float>(wr[i] * wet * 3);
    }
    return src;
}

Mono ReverbMono(const Mono& in, double room, double damp, double wet) {
    Stereo s{in, in};
    Stereo r = Reverb(s, room, damp, wet);
    Mono m(r.size());
    for (size_t i = 0; i < m.size(); ++i) m[i] = (r.l[i] + r.r[i]) * 0.5f;
    return m;
}

void WrapTail(Mono& m, size_t frames) {
    if (frames == 0) return;
    if (m.size() < frames) m.resize(frames, 0.0f);
    for (size_t i = frames; i < m.size(); ++i) m[i % frames] += m[i];
    m.resize(frames);
}

void WrapTail(Stereo& s, size_t frames) {
    WrapTail(s.l, frames);
    WrapTail(s.r, frames);
}

}  // namespace synth
