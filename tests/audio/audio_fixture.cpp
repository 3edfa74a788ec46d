#include "audio_fixture.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "frame/globals.h"
#include "frame/options.h"

namespace {

void Put32(std::ofstream& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xff));
}
void Put16(std::ofstream& out, std::uint16_t v) {
    out.put(static_cast<char>(v & 0xff));
    out.put(static_cast<char>(v >> 8));
}

// Effects of 0.1 s and 2 s, tracks of constant levels, and the rain loop.
const char* kList = R"(globalSnd {
	musics = 9
	sounds = 3
	music1 {
		id = "title"
		loop = 1
		url = "music/title.wav"
	}

	music2 {
		id = "win"
		loop = 1
		url = "music/win.wav"
	}

	music3 {
		id = "game-1"
		loop = 1
		url = "music/game.wav"
	}

	music4 {
		id = "game-2"
		loop = 1
		url = "music/game.wav"
	}

	music5 {
		id = "game-3"
		loop = 1
		url = "music/game.wav"
	}

	music6 {
		id = "game-4"
		loop = 1
		url = "music/game.wav"
	}

	music7 {
		id = "game-5"
		loop = 1
		url = "music/game.wav"
	}

	music8 {
		id = "game-6"
		loop = 1
		url = "music/game.wav"
	}

	music9 {
		id = "missing"
		loop = 1
		url = "music/missing.ogg"
	}

	snd1 {
		id = "click"
		url = "sfx/click.wav"
	}

	snd2 {
		id = "Long"
		url = "sfx/long.wav"
		vol = 0.5
	}

	snd3 {
		id = "broken"
		url = "sfx/broken.wav"
	}

}
)";

}  // namespace

void WriteConstantWav(const std::string& path, double seconds, float value) {
    const auto frames = static_cast<std::uint32_t>(seconds * 44100);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    Put32(out, 36 + frames * 2);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, 44100);
    Put32(out, 44100 * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, frames * 2);
    const auto level = static_cast<std::int16_t>(value * 32767);
    for (std::uint32_t i = 0; i < frames; ++i) Put16(out, static_cast<std::uint16_t>(level));
}

float MixOneFrame() {
    float out[2] = {0, 0};
    SndMixForTest(out, 1);
    return out[0];
}

void MixSeconds(double seconds) {
    std::vector<float> buf(4410 * 2);
    for (int left = static_cast<int>(seconds * 44100); left > 0; left -= 4410)
        SndMixForTest(buf.data(), std::min(left, 4410));
}

void AudioTest::SetUp() {
    HeadlessPlatformTest::SetUp();
    dir = std::filesystem::temp_directory_path() /
          ("brambleton-audio-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::create_directories(dir / "data");
    std::filesystem::create_directories(dir / "sfx");
    std::filesystem::create_directories(dir / "music");
    WriteConstantWav((dir / "sfx/click.wav").string(), 0.1, 0.1f);
    WriteConstantWav((dir / "sfx/long.wav").string(), 2.0, 0.1f);
    std::ofstream(dir / "sfx/broken.wav") << "RIFF but not a sound";
    WriteConstantWav((dir / "sfx/raining.ogg").string(), 1.0, 0.2f);  // the loader goes by content
    WriteConstantWav((dir / "music/title.wav").string(), 1.0, 0.5f);
    WriteConstantWav((dir / "music/win.wav").string(), 1.0, 0.25f);
    WriteConstantWav((dir / "music/game.wav").string(), 1.0, 0.25f);
    WriteSoundList(kList);
    savedGameDir = gameDir;
    gameDir = dir.string() + "/";
    noSounds = 0;
    frameDelta = 1;
    options.soundVol = 5;
    options.musicVol = 5;
    snd.clock = [this] { return now; };
}

void AudioTest::TearDown() {
    gameDir = savedGameDir;
    noSounds = 0;
    frameDelta = 1;
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    HeadlessPlatformTest::TearDown();
}

void AudioTest::WriteSoundList(const std::string& text) { std::ofstream(dir / "data/sounds.txt") << text; }

void AudioTest::Frames(int frames) {
    for (int i = 0; i < frames; ++i) snd.update();
}
