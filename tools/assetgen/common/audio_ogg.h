// Ogg Vorbis encoding and decoding for the sound generator (and its checks).
#pragma once

#include <string>
#include <vector>

namespace audio {

// Interleaved float samples, -1..1.
struct Pcm {
    std::vector<float> samples;
    int channels = 1;
    int rate = 44100;

    long frames() const { return channels > 0 ? static_cast<long>(samples.size()) / channels : 0; }
    double seconds() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0; }
};

// Encodes with libvorbisenc at the given VBR quality (-0.1..1). The stream
// serial number is fixed by the caller so that equal input gives equal bytes.
std::string EncodeOggVorbis(const Pcm& pcm, float quality, int serial);

// Decodes Ogg Vorbis bytes; false (and an empty result) when they are not a
// readable stream.
bool DecodeOggVorbis(const std::string& bytes, Pcm& out);

// Reads a whole file into a string; false when it can't be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes bytes to path through a temporary file and a rename, creating the
// parent folders; false on failure.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace audio
