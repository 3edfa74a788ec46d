// Streamed music: long Ogg Vorbis sounds are decoded while they play, sound
// the same as when decoded whole, loop, pause and mix like any channel, and
// a damaged file gives silence and a message instead of a crash.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/sound_internal.h"
#include "support/headless_platform.h"
#include "test_files_helper.h"

namespace {
// The shortest generated piece of music (about a minute).
const char* kTrack = "game/music/game-4.ogg";

class StreamedMusic : public HeadlessPlatformTest {
protected:
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        bytes_ = ReadBytes(kTrack);
        if (bytes_.empty()) GTEST_SKIP() << "no generated music under game/";
        seconds_ = SndOggSeconds(bytes_);
        ASSERT_GT(seconds_, kSndStreamSeconds);
    }
    static std::vector<float> Render(int frames) {
        std::vector<float> out(static_cast<std::size_t>(frames) * 2, 99.0f);
        SndMixForTest(out.data(), frames);
        return out;
    }
    static Channel Play(const Sound& snd, float volume = 1) {
        const Channel ch = SndCue(snd);
        ChnSetVolume(ch, volume);
        ChnResume(ch);
        return ch;
    }
    // The track decoded whole, as float samples at full volume.
    std::vector<float> Reference() const {
        std::vector<std::int16_t> pcm;
        std::string error;
        int channels = 0;
        EXPECT_TRUE(SndDecodeOgg(bytes_, pcm, channels, error)) << error;
        std::vector<float> out;
        for (std::int16_t s : pcm) {
            for (int side = 0; side < 3 - channels; ++side) out.push_back(s / 32768.0f);  // mono to both
        }
        return out;
    }
    static float Peak(const std::vector<float>& v, std::size_t from = 0) {
        float peak = 0;
        for (std::size_t i = from; i < v.size(); ++i) peak = std::max(peak, std::fabs(v[i]));
        return peak;
    }
    std::string bytes_;
    double seconds_ = 0;
    ScratchDir dir_;
};
}  // namespace

TEST_F(StreamedMusic, LongTracksStayEncodedAndSoundAsDecodedWhole) {
    const Sound snd = SndLoad(kTrack, 0);
    ASSERT_TRUE(snd);
    EXPECT_TRUE(snd->Streamed());
    EXPECT_TRUE(snd->samples.empty());  // memory: the encoded bytes only
    EXPECT_EQ(snd->encoded->size(), bytes_.size());
    Play(snd);
    const auto ref = Reference();
    // Three seconds in pieces of odd sizes, as the device asks for them.
    std::vector<float> got;
    for (int piece : {1024, 777, 4096, 1, 40000, 50000, 35402}) {
        const auto part = Render(piece);
        got.insert(got.end(), part.begin(), part.end());
    }
    ASSERT_LE(got.size(), ref.size());
    float worst = 0;
    for (std::size_t i = 0; i < got.size(); ++i) worst = std::max(worst, std::fabs(got[i] - ref[i]));
    EXPECT_LT(worst, 1e-3f);
    EXPECT_GT(Peak(got), 0.01f);
}

TEST_F(StreamedMusic, LoopingTracksGoOnAndOthersEnd) {
    const auto frames = static_cast<int>(seconds_ * 44100);
    const Channel looping = Play(SndLoad(kTrack, SND_LOOP));
    const Channel once = Play(SndLoad(kTrack, 0));
    Render(frames + 44100);  // past the end by a second
    EXPECT_TRUE(ChnPlaying(looping));
    EXPECT_FALSE(ChnPlaying(once));
    ChnStop(looping);
    // After the end the looped track starts over: its second pass sounds.
    const Channel again = Play(SndLoad(kTrack, SND_LOOP));
    Render(frames - 22050);
    EXPECT_GT(Peak(Render(44100)), 0.01f);
    EXPECT_TRUE(ChnPlaying(again));
}

TEST_F(StreamedMusic, PauseHoldsThePlaceAndVolumesMixForCrossFades) {
    const auto ref = Reference();
    const Channel ch = Play(SndLoad(kTrack, 0));
    Render(22050);
    ChnPause(ch);
    EXPECT_EQ(Peak(Render(22050)), 0.0f);
    EXPECT_TRUE(ChnPlaying(ch));
    ChnResume(ch);
    auto out = Render(1000);
    for (int i = 0; i < 2000; ++i) ASSERT_NEAR(out[i], ref[44100 + i], 1e-3f) << i;
    ChnStop(ch);

    // A cross-fade half-way: two streams of one track at 0.25 and 0.75 sum to it.
    Play(SndLoad(kTrack, 0), 0.25f);
    Play(SndLoad(kTrack, 0), 0.75f);
    out = Render(4000);
    for (int i = 0; i < 8000; ++i) ASSERT_NEAR(out[i], ref[i], 2e-3f) << i;
}

TEST_F(StreamedMusic, DamageMidStreamGivesSilenceAndAMessage) {
    std::string damaged = bytes_;
    for (std::size_t i = damaged.size() / 2; i < damaged.size() / 2 + 20000; ++i) {
        damaged[i] = static_cast<char>(i * 7919 % 251);
    }
    std::string cut = bytes_.substr(0, bytes_.size() / 2);
    WriteBytes(dir_ / "damaged.ogg", damaged);
    WriteBytes(dir_ / "cut.ogg", cut);
    testing::internal::CaptureStdout();
    const Channel a = Play(SndLoad(dir_ / "damaged.ogg", SND_LOOP));
    const Channel b = Play(SndLoad(dir_ / "cut.ogg", 0));
    // Long enough to play through the damage of both more than once.
    for (int i = 0; i < 150; ++i) Render(44100);
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("damaged"), std::string::npos) << said;
    EXPECT_FALSE(ChnPlaying(b));  // the cut track ended where its bytes did
    ChnStop(a);
    EXPECT_EQ(Peak(Render(1000)), 0.0f);
}
