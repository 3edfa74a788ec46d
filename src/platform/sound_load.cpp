// Loading sounds: WAV through SDL, Ogg Vorbis through vorbisfile, both
// converted to the mixer's 16-bit stereo at 44100 Hz.
#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/load_counts.h"
#include "platform/platform_internal.h"
#include "platform/sound_internal.h"

namespace {
constexpr std::size_t kMaxFrames = static_cast<std::size_t>(kSndOutputRate) * 60 * 30;  // half an hour

// To 16-bit samples at the output rate: mono stays mono (half the memory of a sound kept
// decoded), anything else becomes stereo; `outChannels` says which.
bool Convert(SDL_AudioFormat format, int channels, int rate, const void* data, std::size_t bytes,
             std::vector<std::int16_t>& out, int& outChannels, std::string& error) {
    if (channels <= 0 || channels > 8 || rate <= 0) {
        error = "unsupported channel count or rate";
        return false;
    }
    outChannels = channels == 1 ? 1 : 2;
    // One conversion of the whole buffer: SDL's streaming converter holds
    // back the tail of a resampled sound.
    SDL_AudioCVT cvt;
    const int need = SDL_BuildAudioCVT(&cvt, format, static_cast<Uint8>(channels), rate, AUDIO_S16SYS,
                                       static_cast<Uint8>(outChannels), kSndOutputRate);
    if (need < 0 || bytes > static_cast<std::size_t>(INT_MAX / std::max(cvt.len_mult, 1))) {
        error = need < 0 ? SDL_GetError() : "sound too long";
        return false;
    }
    std::vector<Uint8> buf(bytes * static_cast<std::size_t>(std::max(cvt.len_mult, 1)));
    std::memcpy(buf.data(), data, bytes);
    cvt.buf = buf.data();
    cvt.len = static_cast<int>(bytes);
    cvt.len_cvt = cvt.len;
    if (need == 1 && SDL_ConvertAudio(&cvt) != 0) {
        error = SDL_GetError();
        return false;
    }
    out.resize(static_cast<std::size_t>(cvt.len_cvt) / sizeof(std::int16_t));
    std::memcpy(out.data(), buf.data(), out.size() * sizeof(std::int16_t));
    return true;
}

}  // namespace

bool SndDecodeWav(const std::string& bytes, std::vector<std::int16_t>& out, int& outChannels,
                  std::string& error) {
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_AudioSpec spec;
    Uint8* buf = nullptr;
    Uint32 len = 0;
    if (rw == nullptr || SDL_LoadWAV_RW(rw, 1, &spec, &buf, &len) == nullptr) {
        error = SDL_GetError();
        return false;
    }
    const bool ok = Convert(spec.format, spec.channels, spec.freq, buf, len, out, outChannels, error);
    SDL_FreeWAV(buf);
    return ok;
}

bool SndDecodeOgg(const std::string& bytes, std::vector<std::int16_t>& out, int& outChannels,
                  std::string& error) {
    SndByteCursor cursor{&bytes, 0};
    OggVorbis_File vf;
    if (!SndOpenOgg(cursor, vf)) {
        error = "not an Ogg Vorbis stream";
        return false;
    }
    const vorbis_info* info = ov_info(&vf, -1);
    const int channels = info != nullptr ? info->channels : 0;
    const int rate = info != nullptr ? static_cast<int>(info->rate) : 0;
    std::vector<char> pcm;
    char buf[16384];
    int section = 0;
    for (;;) {
        const long n = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section);
        if (n == OV_HOLE) {
            continue;  // a gap in the stream; the rest still plays
        }
        if (n <= 0) {
            break;
        }
        pcm.insert(pcm.end(), buf, buf + n);
        if (channels > 0 && pcm.size() / (2u * static_cast<unsigned>(channels)) > kMaxFrames) {
            break;
        }
    }
    ov_clear(&vf);
    if (pcm.empty()) {
        error = "no sound data";
        return false;
    }
    return Convert(AUDIO_S16LSB, channels, rate, pcm.data(), pcm.size(), out, outChannels, error);
}

// A long Ogg Vorbis sound (music) stays encoded, and its stream is opened here (headers read,
// decoder set up) for its first cue: a track loaded ahead starts without reading anything.
Sound SndLoad(const std::string& path, int flags) {
    std::string bytes;
    if (!FsReadAll(path, bytes)) {
        return nullptr;  // missing sounds play nothing
    }
    const bool ogg = bytes.size() >= 4 && bytes.compare(0, 4, "OggS") == 0;
    if (ogg && SndOggSeconds(bytes) > kSndStreamSeconds) {
        auto snd = std::make_shared<SndSoundData>();
        snd->encoded = std::make_shared<const std::string>(std::move(bytes));
        snd->loop = (flags & SND_LOOP) != 0;
        snd->path = path;
        snd->ready = std::make_unique<SndStream>(*snd);
        if (snd->ready->Ended()) {
            std::printf("Cannot read sound %s: its stream does not open\n", path.c_str());
            return nullptr;
        }
        return snd;
    }
    NoteGameThreadLoad(GameThreadLoad::Sound);  // decoded whole here; a stream is decoded as it plays
    std::vector<std::int16_t> samples;
    int channels = 2;
    std::string error = "neither WAV nor Ogg Vorbis";
    bool ok = false;
    if (bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0) {
        ok = SndDecodeWav(bytes, samples, channels, error);
    } else if (ogg) {
        ok = SndDecodeOgg(bytes, samples, channels, error);
    }
    if (!ok) {
        std::printf("Cannot read sound %s: %s\n", path.c_str(), error.c_str());
        return nullptr;
    }
    auto snd = std::make_shared<SndSoundData>();
    snd->samples = std::move(samples);
    snd->channels = channels;
    snd->loop = (flags & SND_LOOP) != 0;
    snd->path = path;
    return snd;
}
