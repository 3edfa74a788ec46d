// The mixer, rendered on demand on a platform without a sound device.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "support/headless_platform.h"
#include "test_files_helper.h"

namespace {
class Mixer : public HeadlessPlatformTest {
protected:
    // A stereo sound of `frames` frames whose left channel ramps 0, 16, 32...
    // and whose right channel holds 8192.
    Sound Ramp(int frames, int flags) {
        std::vector<std::int16_t> samples;
        for (int i = 0; i < frames; ++i) {
            samples.push_back(static_cast<std::int16_t>(i * 16));
            samples.push_back(8192);
        }
        WriteBytes(dir_ / "ramp.wav", MakeWav(44100, 2, samples));
        return SndLoad(dir_ / "RAMP.wav", flags);
    }

    std::vector<float> Render(int frames) {
        std::vector<float> out(static_cast<std::size_t>(frames) * 2, 99.0f);
        SndMixForTest(out.data(), frames);
        return out;
    }

    ScratchDir dir_;
};
}  // namespace

TEST_F(Mixer, ChannelsPlayAtTheirVolume) {
    EXPECT_FALSE(SndDeviceOpen());
    EXPECT_EQ(SndOutputRate(), 44100);
    Sound snd = Ramp(1000, 0);
    ASSERT_TRUE(snd);
    const Channel ch = SndCue(snd);
    ASSERT_NE(ch, 0);
    EXPECT_TRUE(ChnPlaying(ch));
    // Cued channels wait paused.
    std::vector<float> out = Render(10);
    EXPECT_EQ(out[2], 0.0f);
    ChnResume(ch);
    out = Render(10);
    EXPECT_FLOAT_EQ(out[3 * 2], 48.0f / 32768.0f);
    EXPECT_FLOAT_EQ(out[3 * 2 + 1], 0.25f);
    ChnSetVolume(ch, 0.5f);
    out = Render(10);
    EXPECT_FLOAT_EQ(out[0], 160.0f / 32768.0f * 0.5f);
    EXPECT_FLOAT_EQ(out[1], 0.125f);
}

TEST_F(Mixer, PauseSilencesAndStopEnds) {
    const Channel ch = SndCue(Ramp(1000, 0));
    ChnResume(ch);
    Render(100);
    ChnPause(ch);
    std::vector<float> out = Render(50);
    for (float v : out) {
        EXPECT_EQ(v, 0.0f);
    }
    EXPECT_TRUE(ChnPlaying(ch));
    ChnResume(ch);
    out = Render(1);
    EXPECT_FLOAT_EQ(out[0], 100 * 16.0f / 32768.0f);  // continues where it paused
    ChnStop(ch);
    EXPECT_FALSE(ChnPlaying(ch));
    out = Render(10);
    EXPECT_EQ(out[1], 0.0f);
    ChnResume(ch);  // a stopped channel stays stopped
    EXPECT_FALSE(ChnPlaying(ch));
}

TEST_F(Mixer, RateTwoPlaysTwiceAsFast) {
    const Channel fast = SndCue(Ramp(1000, 0));
    ChnSetRate(fast, 2.0f);
    ChnResume(fast);
    std::vector<float> out = Render(600);
    EXPECT_FLOAT_EQ(out[10 * 2], 20 * 16.0f / 32768.0f);
    EXPECT_FLOAT_EQ(out[499 * 2 + 1], 0.25f);
    EXPECT_EQ(out[500 * 2 + 1], 0.0f);
    EXPECT_FALSE(ChnPlaying(fast));

    const Channel normal = SndCue(Ramp(1000, 0));
    ChnResume(normal);
    out = Render(600);
    EXPECT_FLOAT_EQ(out[599 * 2 + 1], 0.25f);
    EXPECT_TRUE(ChnPlaying(normal));
    ChnSetRate(normal, 0.5f);
    out = Render(2);
    EXPECT_FLOAT_EQ(out[0], 600 * 16.0f / 32768.0f);
    EXPECT_FLOAT_EQ(out[2], 600.5f * 16.0f / 32768.0f);  // between two samples
}

TEST_F(Mixer, LoopedSoundsKeepPlayingAndChannelsSum) {
    const Channel loop = SndCue(Ramp(1000, SND_LOOP));
    ChnResume(loop);
    std::vector<float> out = Render(2500);
    EXPECT_FLOAT_EQ(out[2400 * 2 + 1], 0.25f);
    EXPECT_FLOAT_EQ(out[2010 * 2], 10 * 16.0f / 32768.0f);
    EXPECT_TRUE(ChnPlaying(loop));

    const Channel second = SndCue(Ramp(1000, 0));
    ChnResume(second);
    out = Render(1);
    EXPECT_FLOAT_EQ(out[1], 0.5f);
    for (int i = 0; i < 5; ++i) {
        ChnResume(SndCue(Ramp(1000, 0)));
    }
    out = Render(1);
    EXPECT_EQ(out[1], 1.0f);  // clipped, not wrapped
}

TEST_F(Mixer, OtherRatesAndMonoAreConverted) {
    std::vector<std::int16_t> mono(2205, 16384);  // 0.1 s at 22050 Hz
    WriteBytes(dir_ / "mono.wav", MakeWav(22050, 1, mono));
    const Channel ch = SndCue(SndLoad(dir_ / "mono.wav", 0));
    ASSERT_NE(ch, 0);
    ChnResume(ch);
    std::vector<float> out = Render(6000);
    EXPECT_NEAR(out[2000 * 2], 0.5f, 0.01f);
    EXPECT_NEAR(out[2000 * 2 + 1], 0.5f, 0.01f);
    int heard = 0;
    for (int i = 0; i < 6000; ++i) {
        heard += out[i * 2] != 0.0f ? 1 : 0;
    }
    EXPECT_NEAR(heard, 4410, 60);
}

TEST_F(Mixer, AMonoSoundKeptAsOneChannelPlaysTheSameOnBothSides) {
    std::vector<std::int16_t> ramp;
    for (int i = 0; i < 1000; ++i) ramp.push_back(static_cast<std::int16_t>(i * 16));
    WriteBytes(dir_ / "mono-ramp.wav", MakeWav(44100, 1, ramp));
    const Channel ch = SndCue(SndLoad(dir_ / "mono-ramp.wav", 0));
    ASSERT_NE(ch, 0);
    ChnSetRate(ch, 1.5f);  // between samples too
    ChnResume(ch);
    const std::vector<float> out = Render(800);
    for (int i : {0, 1, 2, 3, 100, 501, 665}) {
        const float want = static_cast<float>(i) * 1.5f * 16 / 32768.0f;
        EXPECT_NEAR(out[i * 2], want, 1e-4f) << "frame " << i;
        EXPECT_NEAR(out[i * 2 + 1], want, 1e-4f) << "frame " << i;
    }
    EXPECT_EQ(out[700 * 2], 0.0f);  // 1,000 samples at 1.5 end after 667 frames
}

TEST_F(Mixer, MissingAndBrokenSoundsPlayNothing) {
    WriteBytes(dir_ / "broken.wav", std::string("RIFF\x10\0\0\0WAVEjunkjunk", 20));
    WriteBytes(dir_ / "broken.ogg", "OggS and nothing else");
    EXPECT_EQ(SndLoad(dir_ / "missing.wav", 0), nullptr);
    EXPECT_EQ(SndLoad(dir_ / "broken.wav", 0), nullptr);
    EXPECT_EQ(SndLoad(dir_ / "broken.ogg", 0), nullptr);
    EXPECT_EQ(SndCue(nullptr), 0);
    ChnResume(0);
    ChnSetVolume(12345, 1);
    EXPECT_FALSE(ChnPlaying(0));
}

TEST_F(Mixer, OggVorbisDecodesWhenTheGameHasOne) {
    std::string found;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator("game", ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (it->path().extension() == ".ogg") {
            found = it->path().string();
            break;
        }
    }
    if (found.empty()) {
        GTEST_SKIP() << "no generated Ogg Vorbis file under game/";
    }
    const Channel ch = SndCue(SndLoad(found, 0));
    ASSERT_NE(ch, 0);
    ChnResume(ch);
    const std::vector<float> out = Render(44100);
    float peak = 0;
    for (float v : out) {
        peak = std::max(peak, std::fabs(v));
    }
    EXPECT_GT(peak, 0.0f);
}
