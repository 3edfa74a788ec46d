// Sounds as the mixer plays them: 16-bit stereo at the output rate, decoded
// once at load, or for long Ogg Vorbis sounds (music), kept encoded and
// decoded piece by piece while a channel plays them.
#pragma once

#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr int kSndOutputRate = 44100;
// Ogg Vorbis sounds longer than this are streamed: decoding a whole track at
// load stalled the game for a hundred milliseconds and kept it in memory. Short
// effects stay decoded (they start at once and often overlap); the long ones
// (rain, the story's forest and crowds) took half a megabyte each, decoded and
// held all game long for a few scenes.
constexpr double kSndStreamSeconds = 2.1;

// Decoders: false with a reason when the bytes are not a readable sound.
// A mono sound stays mono (`outChannels` 1), any other becomes stereo (2).
bool SndDecodeWav(const std::string& bytes, std::vector<std::int16_t>& out, int& outChannels,
                  std::string& error);
bool SndDecodeOgg(const std::string& bytes, std::vector<std::int16_t>& out, int& outChannels,
                  std::string& error);
// Ogg Vorbis bytes in memory, as vorbisfile reads them.
struct SndByteCursor {
    const std::string* bytes = nullptr;
    std::size_t pos = 0;
};
// Opens `vf` over the cursor's bytes (which must outlive it); false when
// they are not Ogg Vorbis.
bool SndOpenOgg(SndByteCursor& cursor, OggVorbis_File& vf);
// Seconds of sound in Ogg Vorbis bytes, without decoding; negative when unreadable.
double SndOggSeconds(const std::string& bytes);

struct SndSoundData;

// One channel's decoder of a streamed sound (sound_stream.cpp). It is used
// by the mixer under the mixer's lock, from the device callback. Opening it
// reads the stream's headers and sets up the decoder.
class SndStream {
public:
    explicit SndStream(const SndSoundData& snd);
    ~SndStream();
    SndStream(const SndStream&) = delete;
    SndStream& operator=(const SndStream&) = delete;
    // Writes up to `frames` frames of 16-bit stereo at the output rate and
    // returns how many; 0 once the sound has ended (or was found damaged).
    int Read(std::int16_t* out, int frames);
    bool Ended() const { return ended_; }

private:
    bool Refill();
    void Fail(const char* why);

    struct Decoder;
    std::shared_ptr<const std::string> encoded_;
    std::string path_;
    bool loop_ = false;
    std::unique_ptr<Decoder> dec_;
    bool ended_ = false;
    bool warnedHole_ = false;
};

struct SndSoundData {
    std::vector<std::int16_t> samples;  // interleaved left, right; or one channel for both
    int channels = 2;
    bool loop = false;
    std::shared_ptr<const std::string> encoded;  // a streamed sound's Ogg Vorbis bytes
    std::string path;                            // for messages about a damaged stream
    // A streamed sound's decoder opened at load, which its first play takes: the music is
    // loaded during the loading screen, so that no play has to read its headers.
    std::unique_ptr<SndStream> ready;
    bool Streamed() const { return encoded != nullptr; }
    std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};
