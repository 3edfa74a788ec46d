#include "sound/composer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace synth {

namespace {

using Rhythm = std::vector<double>;

struct FeelInfo {
    int beatsPerBar;
    std::vector<Rhythm> patterns;  // melody rhythms of one bar
    std::vector<Rhythm> cadences;  // bar that ends a phrase
};

const FeelInfo& Info(Feel feel) {
    static const FeelInfo waltz{
        3, {{1, 1, 1}, {2, 1}, {1, 0.5, 0.5, 1}, {1.5, 0.5, 1}, {0.5, 0.5, 1, 1}}, {{3}, {1, 2}}};
    static const FeelInfo reel{4,
                               {{1, 1, 1, 1},
                                {0.5, 0.5, 1, 1, 1},
                                {1, 0.5, 0.5, 1, 1},
                                {1.5, 0.5, 1, 1},
                                {0.5, 0.5, 0.5, 0.5, 1, 1},
                                {2, 1, 1}},
                               {{4}, {1, 1, 2}}};
    static const FeelInfo jig{
        6, {{1, 1, 1, 1, 1, 1}, {2, 1, 2, 1}, {3, 1, 1, 1}, {2, 1, 1, 1, 1}, {1, 1, 1, 3}}, {{6}, {2, 1, 3}}};
    static const FeelInfo ballad{
        4, {{2, 1, 1}, {1, 1, 2}, {1.5, 0.5, 2}, {1, 1, 1, 1}, {3, 1}}, {{4}, {1, 3}}};
    switch (feel) {
        case Feel::Waltz:
            return waltz;
        case Feel::Reel:
            return reel;
        case Feel::Jig:
            return jig;
        case Feel::Ballad:
            return ballad;
    }
    return reel;
}

const int* Steps(Scale s) {
    static const int major[7] = {0, 2, 4, 5, 7, 9, 11};
    static const int minor[7] = {0, 2, 3, 5, 7, 8, 10};
    static const int dorian[7] = {0, 2, 3, 5, 7, 9, 10};
    static const int mixo[7] = {0, 2, 4, 5, 7, 9, 10};
    switch (s) {
        case Scale::Major:
            return major;
        case Scale::Minor:
            return minor;
        case Scale::Dorian:
            return dorian;
        case Scale::Mixolydian:
            return mixo;
    }
    return major;
}

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int Mod7(int i) { return i - 7 * FloorDiv(i, 7); }

// MIDI pitch of scale index i (0 = tonic); over the dominant chord of a minor
// key the seventh degree is raised, as folk players do.
int Pitch(const Tune& t, int i, int chord) {
    int p = t.tonic + 12 * FloorDiv(i, 7) + Steps(t.scale)[Mod7(i)];
    if (t.scale == Scale::Minor && chord == 4 && Mod7(i) == 6) p += 1;
    return p;
}

bool ChordTone(int i, int chord) {
    int d = Mod7(i - chord);
    return d == 0 || d == 2 || d == 4;
}

int NearestChordTone(int i, int chord, Rng& rng) {
    for (int off = 0; off < 4; ++off) {
        bool up = ChordTone(i + off, chord), down = ChordTone(i - off, chord);
        if (up && down) return rng.uni() < 0.5 ? i + off : i - off;
        if (up) return i + off;
        if (down) return i - off;
    }
    return i;
}

struct MelNote {
    double pos;  // beats from the start of the bar
    double len;
    int index;
};
using Bar = std::vector<MelNote>;

const int kLow = -2, kHigh = 10;

bool Strong(double pos, int beatsPerBar) {
    return pos == 0 || (beatsPerBar == 4 && pos == 2) || (beatsPerBar == 6 && pos == 3);
}

Bar FreshBar(const Rhythm& rhythm, int chord, int& prev, int target, int bpb, Rng& rng) {
    Bar bar;
    double pos = 0;
    for (double len : rhythm) {
        int i;
        if (Strong(pos, bpb)) {
            int jump = rng.uni() < 0.3 ? (rng.uni() < 0.5 ? 2 : -2) : 0;
            i = NearestChordTone(prev + jump, chord, rng);
        } else {
            double r = rng.uni();
            int dir = target > prev ? 1 : target < prev ? -1 : (rng.uni() < 0.5 ? 1 : -1);
            if (r < 0.6) i = prev + dir;
            else if (r < 0.8) i = prev - dir;
            else if (r < 0.9) i = prev + 2 * dir;
            else i = prev;
            if (len >= 1 && !ChordTone(i, chord)) i = NearestChordTone(i, chord, rng);
        }
        i = std::clamp(i, kLow, kHigh);
        bar.push_back({pos, len, i});
        prev = i;
        pos += len;
    }
    return bar;
}

// The same bar moved onto another chord: the shape stays, strong notes land on chord tones.
Bar Recast(const Bar& src, int fromChord, int toChord, int bpb, Rng& rng) {
    int shift = toChord - fromChord;
    if (shift > 3) shift -= 7;
    if (shift < -3) shift += 7;
    Bar bar = src;
    for (MelNote& n : bar) {
        n.index = std::clamp(n.index + shift, kLow, kHigh);
        if ((Strong(n.pos, bpb) || n.len >= 1) && !ChordTone(n.index, toChord))
            n.index = NearestChordTone(n.index, toChord, rng);
    }
    return bar;
}

Bar CadenceBar(const Rhythm& rhythm, int chord, int prev, bool final, Rng& rng) {
    Bar bar;
    double pos = 0;
    for (size_t k = 0; k < rhythm.size(); ++k) {
        bool last = k + 1 == rhythm.size();
        int i;
        if (last) {
            // Final: the chord's root; half close: its third or fifth.
            int base = final ? chord : chord + (rng.uni() < 0.5 ? 2 : 4);
            i = base + 7 * static_cast<int>(std::lround((prev - base) / 7.0));
        } else {
            i = prev + (rng.uni() < 0.5 ? 1 : -1);
        }
        i = std::clamp(i, kLow, kHigh);
        bar.push_back({pos, rhythm[k], i});
        prev = i;
        pos += rhythm[k];
    }
    return bar;
}

// Eight bars: motif, answer, motif again on the third chord, half close;
// motif and answer again, a new bar, full close.
std::vector<Bar> Section(const std::vector<int>& chords, int bpb, const FeelInfo& fi, int start, Rng& rng) {
    auto pattern = [&] {
        return fi.patterns[static_cast<size_t>(rng.range(0, int(fi.patterns.size()) - 1))];
    };
    auto cadence = [&] {
        return fi.cadences[static_cast<size_t>(rng.range(0, int(fi.cadences.size()) - 1))];
    };
    std::vector<Bar> bars(8);
    int prev = start;
    bars[0] = FreshBar(pattern(), chords[0], prev, start + 4, bpb, rng);
    bars[1] = FreshBar(pattern(), chords[1], prev, start + 2, bpb, rng);
    bars[2] = Recast(bars[0], chords[0], chords[2], bpb, rng);
    prev = bars[2].back().index;
    bars[3] = CadenceBar(cadence(), chords[3], prev, false, rng);
    bars[4] = Recast(bars[0], chords[0], chords[4], bpb, rng);
    bars[5] = Recast(bars[1], chords[1], chords[5], bpb, rng);
    prev = bars[5].back().index;
    bars[6] = FreshBar(pattern(), chords[6], prev, start, bpb, rng);
    prev = bars[6].back().index;
    bars[7] = CadenceBar(cadence(), chords[7], prev, true, rng);
    return bars;
}

void AddMelody(Track& tr, const std::vector<Bar>& bars, const Tune& t, const std::vector<int>& chords,
               double barBeat, int bpb, int harmonyOffset) {
    for (size_t b = 0; b < bars.size(); ++b) {
        for (const MelNote& n : bars[b]) {
            int i = n.index + harmonyOffset;
            if (harmonyOffset != 0 && !ChordTone(i, chords[b]) && n.len >= 1) i -= 1;
            double vel = Strong(n.pos, bpb) ? 0.9 : 0.72;
            tr.notes.push_back(
                {barBeat + double(b) * bpb + n.pos, n.len * 0.92, Pitch(t, i, chords[b]), vel});
        }
    }
}

// Chord tones for the accompaniment around the octave below the melody.
std::vector<int> ChordPitches(const Tune& t, int chord) {
    return {Pitch(t, chord - 7, chord), Pitch(t, chord - 5, chord), Pitch(t, chord - 3, chord),
            Pitch(t, chord, chord)};
}

void AddComp(Track& comp, Track& bass, const Tune& t, int chord, double at, int bpb) {
    std::vector<int> c = ChordPitches(t, chord);
    int root = Pitch(t, chord - 14, chord), fifth = Pitch(t, chord - 10, chord);
    while (root > 52) root -= 12, fifth -= 12;
    switch (t.feel) {
        case Feel::Waltz:
            bass.notes.push_back({at, 1, root, 0.9});
            for (int beat = 1; beat < 3; ++beat)
                for (int k = 1; k < 4; ++k)
                    comp.notes.push_back({at + beat + 0.02 * k, 0.8, c[size_t(k)], 0.55});
            break;
        case Feel::Reel: {
            static const int order[8] = {0, 2, 1, 2, 3, 2, 1, 2};
            for (int e = 0; e < 8; ++e)
                comp.notes.push_back({at + e * 0.5, 0.9, c[size_t(order[e])], e % 2 ? 0.45 : 0.6});
            bass.notes.push_back({at, 1.8, root, 0.9});
            bass.notes.push_back({at + 2, 1.8, fifth, 0.8});
            break;
        }
        case Feel::Jig: {
            static const int order[6] = {0, 2, 1, 3, 2, 1};
            for (int e = 0; e < 6; ++e)
                comp.notes.push_back({at + e, 0.9, c[size_t(order[e])], e % 3 ? 0.45 : 0.6});
            bass.notes.push_back({at, 2.6, root, 0.9});
            bass.notes.push_back({at + 3, 2.6, fifth, 0.8});
            break;
        }
        case Feel::Ballad: {
            static const int order[8] = {0, 2, 3, 1, 3, 2, 3, 1};
            for (int e = 0; e < 8; ++e) comp.notes.push_back({at + e * 0.5, 1.5, c[size_t(order[e])], 0.5});
            bass.notes.push_back({at, 3.5, root, 0.85});
            break;
        }
    }
}

void AddDrums(Arrangement& a, Feel feel, double at, bool full) {
    auto hit = [&](double beat, Drum d, double vel) { a.drums.push_back({at + beat, d, vel}); };
    switch (feel) {
        case Feel::Waltz:
            hit(0, Drum::Frame, 0.8);
            if (full) hit(1, Drum::Tap, 0.4), hit(2, Drum::Tap, 0.35), hit(2.5, Drum::Shaker, 0.4);
            break;
        case Feel::Reel:
            hit(0, Drum::Frame, 0.8);
            hit(2, Drum::Frame, 0.6);
            if (full) {
                hit(1, Drum::Brush, 0.5), hit(3, Drum::Brush, 0.5);
                for (int e = 0; e < 8; ++e) hit(e * 0.5, Drum::Shaker, e % 2 ? 0.45 : 0.3);
            }
            break;
        case Feel::Jig:
            hit(0, Drum::Frame, 0.8);
            hit(3, Drum::Frame, 0.6);
            if (full) {
                hit(2, Drum::Tap, 0.35), hit(5, Drum::Tap, 0.35);
                for (int e = 0; e < 6; ++e) hit(e, Drum::Shaker, e % 3 ? 0.3 : 0.45);
            }
            break;
        case Feel::Ballad:
            hit(0, Drum::Frame, 0.55);
            if (full) hit(2, Drum::Brush, 0.3), hit(3.5, Drum::Shaker, 0.3);
            break;
    }
}

}  // namespace

double TuneSeconds(const Tune& t) {
    return double(t.form.size() * 8 * static_cast<size_t>(Info(t.feel).beatsPerBar)) * 60.0 / t.bpm;
}

Arrangement Compose(const Tune& t) {
    const FeelInfo& fi = Info(t.feel);
    const int bpb = fi.beatsPerBar;
    Rng rng(t.seed);
    std::vector<Bar> a = Section(t.chordsA, bpb, fi, 4, rng);
    std::vector<Bar> b = Section(t.chordsB, bpb, fi, 6, rng);

    Arrangement song;
    song.bpm = t.bpm;
    song.room = t.room;
    song.wet = t.wet;
    song.drumGain = t.drums ? 1 : 0;
    Track lead{t.lead, 0.9, -0.15, {}}, second{t.second, 0.75, 0.3, {}}, harmony{t.second, 0.45, 0.35, {}};
    Track comp{t.comp, 0.7, 0.25, {}}, bass{Bass, 0.8, 0, {}};

    int seenA = 0;
    for (size_t s = 0; s < t.form.size(); ++s) {
        bool isA = t.form[s] == 'A';
        const std::vector<int>& chords = isA ? t.chordsA : t.chordsB;
        double at = double(s * 8 * static_cast<size_t>(bpb));
        if (isA) {
            AddMelody(lead, a, t, chords, at, bpb, 0);
            if (seenA++ > 0) AddMelody(harmony, a, t, chords, at, bpb, -2);
        } else {
            AddMelody(second, b, t, chords, at, bpb, 0);
        }
        for (size_t bar = 0; bar < 8; ++bar) {
            double barAt = at + double(bar) * bpb;
            AddComp(comp, bass, t, chords[bar], barAt, bpb);
            if (t.drums) AddDrums(song, t.feel, barAt, s > 0 || bar >= 4);
        }
    }
    song.beats = double(t.form.size() * 8 * static_cast<size_t>(bpb));
    song.tracks = {lead, second, harmony, comp, bass};
    return song;
}

}  // namespace synth
