// Sounds as the mixer plays them: 16-bit stereo at the output rate, decoded
// once at load.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kSndOutputRate = 44100;

struct SndSoundData {
    std::vector<std::int16_t> samples;  // interleaved left, right
    bool loop = false;
    std::size_t Frames() const { return samples.size() / 2; }
};

// Decoders: false with a reason when the bytes are not a readable sound.
bool SndDecodeWav(const std::string& bytes, std::vector<std::int16_t>& out, std::string& error);
bool SndDecodeOgg(const std::string& bytes, std::vector<std::int16_t>& out, std::string& error);
