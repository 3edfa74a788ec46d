// The soundtrack: one folk band (guitar, mandolin, accordion, flute, bass,
// hand drums) playing a little tune for every moment of the game.
#include "sound/catalog.h"
#include "sound/composer.h"

using namespace synth;

namespace {

struct Piece {
    const char* name;
    Tune tune;
};

Tune Make(std::uint32_t seed, int tonic, Scale scale, Feel feel, double bpm, std::vector<int> a,
          std::vector<int> b, const char* form, Voice lead, Voice second, Voice comp, bool drums = true) {
    Tune t;
    t.seed = seed;
    t.tonic = tonic;
    t.scale = scale;
    t.feel = feel;
    t.bpm = bpm;
    t.chordsA = std::move(a);
    t.chordsB = std::move(b);
    t.form = form;
    t.lead = lead;
    t.second = second;
    t.comp = comp;
    t.drums = drums;
    return t;
}

std::vector<Piece> Pieces() {
    using S = Scale;
    using F = Feel;
    std::vector<Piece> p = {
        {"title", Make(11, 62, S::Major, F::Waltz, 104, {0, 3, 4, 0, 0, 3, 4, 0}, {5, 3, 0, 4, 5, 1, 4, 4},
                       "AABA", Accordion, Flute, Guitar)},
        {"land", Make(23, 67, S::Major, F::Jig, 200, {0, 0, 3, 4, 0, 3, 4, 0}, {3, 0, 3, 4, 3, 0, 1, 4},
                      "AABA", Flute, Mandolin, Guitar)},
        {"win", Make(37, 60, S::Major, F::Reel, 126, {0, 3, 4, 0, 0, 3, 4, 0}, {3, 4, 5, 4, 3, 0, 1, 4},
                     "AABA", Mandolin, Accordion, Guitar)},
        {"game-1", Make(41, 64, S::Dorian, F::Reel, 116, {0, 6, 0, 4, 0, 6, 3, 0}, {2, 6, 0, 4, 2, 6, 3, 4},
                        "AABA", Accordion, Flute, Guitar)},
        {"game-2", Make(53, 65, S::Major, F::Jig, 210, {0, 4, 0, 3, 0, 4, 3, 0}, {3, 0, 4, 5, 3, 0, 4, 4},
                        "AABA", Mandolin, Flute, Guitar)},
        {"game-3", Make(67, 62, S::Mixolydian, F::Reel, 120, {0, 6, 3, 0, 0, 6, 3, 0},
                        {3, 0, 6, 0, 3, 0, 6, 6}, "AABA", Flute, Accordion, Mandolin)},
        {"game-4", Make(71, 69, S::Minor, F::Waltz, 120, {0, 5, 3, 4, 0, 5, 4, 0}, {2, 6, 0, 3, 2, 6, 4, 4},
                        "AABA", Accordion, Mandolin, Guitar)},
        {"game-5", Make(83, 67, S::Major, F::Reel, 112, {0, 3, 0, 4, 0, 3, 4, 0}, {5, 3, 0, 4, 5, 3, 1, 4},
                        "AABA", Accordion, Mandolin, Guitar)},
        {"game-6", Make(97, 71, S::Minor, F::Jig, 204, {0, 6, 5, 4, 0, 6, 4, 0}, {5, 2, 6, 0, 5, 2, 4, 4},
                        "AABA", Flute, Accordion, Guitar)},
        {"puzzle", Make(101, 69, S::Minor, F::Ballad, 84, {0, 5, 2, 6, 0, 5, 4, 0}, {3, 0, 5, 4, 3, 0, 1, 4},
                        "ABA", Flute, Bell, Guitar)},
        {"intro", Make(113, 64, S::Minor, F::Ballad, 76, {0, 5, 6, 0, 0, 3, 4, 0}, {5, 2, 6, 0, 5, 3, 4, 4},
                       "ABA", Flute, Accordion, Guitar, false)},
        {"outro", Make(127, 65, S::Major, F::Waltz, 92, {0, 4, 5, 3, 0, 3, 4, 0}, {3, 0, 1, 4, 3, 0, 4, 4},
                       "AABA", Accordion, Flute, Guitar)},
    };
    p[9].tune.room = 0.7, p[9].tune.wet = 0.3;      // the puzzle tune sits in a bigger room
    p[10].tune.room = 0.75, p[10].tune.wet = 0.32;  // so does the story
    return p;
}

}  // namespace

std::vector<SoundAsset> MusicAssets() {
    std::vector<SoundAsset> out;
    for (const Piece& piece : Pieces()) {
        Tune tune = piece.tune;
        out.push_back({std::string("music/") + piece.name + ".ogg", true, [tune] {
                           Arrangement song = Compose(tune);
                           Rng rng(tune.seed * 7 + 3);
                           Stereo mix = Render(song, rng);
                           audio::Pcm pcm;
                           pcm.channels = 2;
                           pcm.rate = kRate;
                           pcm.samples.resize(mix.size() * 2);
                           for (size_t i = 0; i < mix.size(); ++i) {
                               pcm.samples[2 * i] = mix.l[i];
                               pcm.samples[2 * i + 1] = mix.r[i];
                           }
                           return pcm;
                       }});
    }
    return out;
}
