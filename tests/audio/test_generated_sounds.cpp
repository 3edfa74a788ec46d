// The generated sound files: each decodes, has the length the table in
// docs/audio.md gives, stays clear of full scale, and the tracks and the
// rain loop without a jump. Then the real sound list is loaded and must find every
// file it names and every sound the game asks for. Skipped when the sounds
// have not been generated.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "audio/global_snd.h"
#include "frame/globals.h"
#include "frame/options.h"
#include "support/headless_platform.h"

namespace {

struct Listed {
    std::string file;
    double seconds;
};

std::vector<Listed> TableOfDocs() {
    std::vector<Listed> out;
    std::ifstream in("docs/audio.md");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("| sfx/", 0) != 0 && line.rfind("| music/", 0) != 0) continue;
        std::istringstream cells(line);
        std::string bar, file, channels, seconds;
        cells >> bar >> file >> bar >> channels >> bar >> seconds;
        out.push_back({file, std::stod(seconds)});
    }
    return out;
}

struct Decoded {
    bool ok = false;
    int channels = 0;
    long rate = 0;
    std::vector<float> samples;  // interleaved
};

Decoded Decode(const std::string& path) {
    Decoded d;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return d;
    d.channels = ov_info(&vf, -1)->channels;
    d.rate = ov_info(&vf, -1)->rate;
    d.ok = true;
    for (;;) {
        float** pcm = nullptr;
        int section = 0;
        long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n == 0) break;
        if (n < 0) {
            d.ok = false;
            break;
        }
        // Written through a pointer: the tests' code is unoptimised, and a push per sample of a
        // minute of music took seconds.
        const size_t before = d.samples.size();
        d.samples.resize(before + static_cast<size_t>(n) * static_cast<size_t>(d.channels));
        float* out = d.samples.data() + before;
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < d.channels; ++c) *out++ = pcm[c][i];
    }
    ov_clear(&vf);
    return d;
}

bool Generated() { return std::filesystem::exists("game/sfx/click.ogg"); }

}  // namespace

// Largest step between neighbouring frames at the seam (last frame to the
// first) and the 99.9th percentile of all other steps of the first channel.
void LoopSteps(const Decoded& d, float& seam, float& typical) {
    size_t ch = size_t(d.channels), frames = d.samples.size() / ch;
    std::vector<float> steps(frames > 1 ? frames - 1 : 0);
    const float* first = d.samples.data();
    float* step = steps.data();
    for (size_t i = 1; i < frames; ++i) *step++ = std::fabs(first[i * ch] - first[(i - 1) * ch]);
    auto at = steps.begin() + static_cast<long>(steps.size() * 999 / 1000);
    std::nth_element(steps.begin(), at, steps.end());
    typical = *at;
    seam = std::fabs(d.samples[0] - d.samples[(frames - 1) * ch]);
}

TEST(GeneratedSounds, EveryFileDecodesWithItsLengthNoFullScaleAndLoopsCleanly) {
    if (!Generated()) GTEST_SKIP() << "game/sfx is not generated";
    std::vector<Listed> table = TableOfDocs();
    ASSERT_GE(table.size(), 52u);
    for (const Listed& l : table) {
        SCOPED_TRACE(l.file);
        const bool music = l.file.rfind("music/", 0) == 0;
        Decoded d = Decode("game/" + l.file);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.rate, 44100);
        EXPECT_EQ(d.channels, music ? 2 : 1);
        double seconds = double(d.samples.size()) / d.channels / d.rate;
        EXPECT_NEAR(seconds, l.seconds, 0.011);
        if (music) {
            EXPECT_TRUE(seconds >= 45 && seconds <= 90) << seconds;
        }
        float peak = 0;
        const float* sample = d.samples.data();
        for (size_t i = 0; i < d.samples.size(); ++i) peak = std::max(peak, std::fabs(sample[i]));
        EXPECT_LT(peak, 0.9f);   // below -1 dBFS
        EXPECT_GT(peak, 0.05f);  // and not silent
        if (music || l.file == "sfx/raining.ogg") {
            float seam = 0, typical = 0;
            LoopSteps(d, seam, typical);
            EXPECT_LE(seam, typical);  // the loop point is no louder a step than the music's own
        }
    }
}

class RealSoundList : public HeadlessPlatformTest {};

TEST_F(RealSoundList, LoadingFindsEveryFileAndEverySoundTheGameNames) {
    if (!Generated()) GTEST_SKIP() << "game/sfx is not generated";
    std::string savedGameDir = gameDir;
    gameDir = "game/";
    noSounds = 0;
    options.soundVol = 5;
    TGlobalSnd snd;
    testing::internal::CaptureStdout();
    snd.setup();
    for (size_t n = 1; n <= snd.musics.size(); ++n) snd._setupExactMusic(static_cast<int>(n));
    std::string printed = testing::internal::GetCapturedStdout();
    gameDir = savedGameDir;

    EXPECT_EQ(printed.find("NO "), std::string::npos) << printed;
    EXPECT_EQ(printed.find("NIE UDALO"), std::string::npos) << printed;
    EXPECT_TRUE(snd.rainSnd);
    for (const auto& s : snd.sounds) EXPECT_TRUE(s->snd) << s->url;
    for (const auto& m : snd.musics) EXPECT_TRUE(m->snd) << m->url;

    const char* effects[] = {"click",        "chip-move-1",   "chip-move-2",  "chip-move-3",  "bad",
                             "match",        "show-dynamite", "boom",         "rock",         "tile-match",
                             "chain",        "fly-0",         "fly-1",        "fly-2",        "fly-3",
                             "coins",        "hint",          "loaded",       "unlock",       "fire",
                             "hammer",       "clock",         "pickaxe",      "dynamite",     "firework",
                             "powerup-back", "level-start",   "constr-1",     "constr-2",     "puzzle-start",
                             "show-char",    "story-forest",  "story-metal",  "story-gallop", "story-fall",
                             "story-crowd",  "story-crowd1",  "story-crowd2", "story-bee"};
    for (const char* name : effects) EXPECT_TRUE(snd.getSoundData(name)) << name;
    const char* tracks[] = {"title",  "land",   "win",    "game-1", "game-2", "game-3",
                            "game-4", "game-5", "game-6", "puzzle", "intro",  "outro"};
    for (const char* name : tracks) EXPECT_TRUE(snd.getMusicData(name)) << name;
    // The loading screen loads tracks 1 to 7 in advance: the ones needed first.
    const char* first[] = {"title", "land", "game-1", "game-2", "game-3", "game-4", "win"};
    ASSERT_GE(snd.musics.size(), 7u);
    for (size_t n = 0; n < 7; ++n) EXPECT_EQ(snd.musics[n]->id, first[n]);
}
