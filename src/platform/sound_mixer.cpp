// The mixer: one SDL audio device (44100 Hz stereo float) whose callback sums
// the playing channels. Without a device the channels behave the same and
// SndMixForTest renders them on demand.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/platform_internal.h"
#include "platform/sound_internal.h"

namespace {
struct ChannelState {
    Sound snd;
    double pos = 0;                      // in frames of the sound; of `buffered` for a streamed one
    std::unique_ptr<SndStream> stream;   // a streamed sound's decoder
    std::vector<std::int16_t> buffered;  // decoded and not yet played, interleaved
    float volume = 1;
    float rate = 1;
    bool paused = true;
};

struct Mixer {
    std::mutex lock;  // the device callback runs on its own thread
    std::unordered_map<Channel, ChannelState> channels;
    Channel nextId = 1;
    SDL_AudioDeviceID device = 0;
};

// Never destroyed: the audio thread may still run while statics go away.
Mixer& M() {
    static Mixer* mixer = new Mixer;
    return *mixer;
}

// Adds one channel into out; false once a sound that does not loop has ended.
bool MixChannel(ChannelState& c, float* out, int frames) {
    const std::vector<std::int16_t>& data = c.snd->samples;
    const std::size_t n = c.snd->Frames();
    const bool loop = c.snd->loop;
    const auto step = static_cast<std::size_t>(c.snd->channels);
    if (n == 0) {
        return false;
    }
    constexpr float kScale = 1.0f / 32768.0f;
    const float volume = c.volume * kScale;
    for (int i = 0; i < frames; ++i) {
        if (c.pos >= static_cast<double>(n)) {
            if (!loop) {
                return false;
            }
            c.pos = std::fmod(c.pos, static_cast<double>(n));
        }
        const auto i0 = static_cast<std::size_t>(c.pos);
        const std::size_t i1 = i0 + 1 < n ? i0 + 1 : (loop ? 0 : i0);
        const auto frac = static_cast<float>(c.pos - static_cast<double>(i0));
        // A mono sound's one sample serves both sides.
        const std::size_t a = i0 * step, b = i1 * step, right = step - 1;
        const float l = data[a] + (data[b] - data[a]) * frac;
        const float r = data[a + right] + (data[b + right] - data[a + right]) * frac;
        out[i * 2] += l * volume;
        out[i * 2 + 1] += r * volume;
        c.pos += c.rate;
    }
    return loop || c.pos < static_cast<double>(n);
}

// A streamed channel: decodes what this call needs, mixes it like a sound
// held in memory, and drops what has been played.
bool MixStream(ChannelState& c, float* out, int frames) {
    constexpr int kPiece = 2048;
    auto& buf = c.buffered;
    const double need = c.pos + frames * static_cast<double>(c.rate) + 2;
    while (static_cast<double>(buf.size() / 2) < need && !c.stream->Ended()) {
        const std::size_t have = buf.size();
        buf.resize(have + kPiece * 2);
        const int got = c.stream->Read(buf.data() + have, kPiece);
        buf.resize(have + static_cast<std::size_t>(got) * 2);
    }
    const std::size_t n = buf.size() / 2;
    constexpr float kScale = 1.0f / 32768.0f;
    const float volume = c.volume * kScale;
    for (int i = 0; i < frames && c.pos < static_cast<double>(n); ++i) {
        const auto i0 = static_cast<std::size_t>(c.pos);
        const std::size_t i1 = i0 + 1 < n ? i0 + 1 : i0;
        const auto frac = static_cast<float>(c.pos - static_cast<double>(i0));
        out[i * 2] += (buf[i0 * 2] + (buf[i1 * 2] - buf[i0 * 2]) * frac) * volume;
        out[i * 2 + 1] += (buf[i0 * 2 + 1] + (buf[i1 * 2 + 1] - buf[i0 * 2 + 1]) * frac) * volume;
        c.pos += c.rate;
    }
    const std::size_t played = std::min(static_cast<std::size_t>(c.pos), n);
    buf.erase(buf.begin(), buf.begin() + static_cast<std::ptrdiff_t>(played * 2));
    c.pos -= static_cast<double>(played);
    return !(c.stream->Ended() && buf.empty());
}

void Mix(float* out, int frames) {
    std::fill(out, out + static_cast<std::size_t>(frames) * 2, 0.0f);
    Mixer& m = M();
    std::lock_guard<std::mutex> guard(m.lock);
    for (auto it = m.channels.begin(); it != m.channels.end();) {
        ChannelState& c = it->second;
        if (!c.paused && !(c.stream ? MixStream(c, out, frames) : MixChannel(c, out, frames))) {
            it = m.channels.erase(it);
        } else {
            ++it;
        }
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(frames) * 2; ++i) {
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    }
}

void DeviceCallback(void*, Uint8* stream, int len) {
    Mix(reinterpret_cast<float*>(stream), len / static_cast<int>(2 * sizeof(float)));
}

template <typename F>
void WithChannel(Channel ch, F&& change) {
    Mixer& m = M();
    std::lock_guard<std::mutex> guard(m.lock);
    const auto it = m.channels.find(ch);
    if (it != m.channels.end()) {
        change(it->second);
    }
}
}  // namespace

void SndOpenDevice(bool wantDevice) {
    Mixer& m = M();
    if (!wantDevice || m.device != 0) {
        return;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::printf("No sound device (%s); the game goes on silently.\n", SDL_GetError());
        return;
    }
    SDL_AudioSpec want{};
    want.freq = kSndOutputRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = DeviceCallback;
    SDL_AudioSpec have{};
    m.device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);  // SDL converts to what the device takes
    if (m.device == 0) {
        std::printf("No sound device (%s); the game goes on silently.\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    SDL_PauseAudioDevice(m.device, 0);
}

void SndCloseDevice() {
    Mixer& m = M();
    if (m.device != 0) {
        SDL_CloseAudioDevice(m.device);
        m.device = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    std::lock_guard<std::mutex> guard(m.lock);
    m.channels.clear();
}

bool SndDeviceOpen() { return M().device != 0; }
int SndOutputRate() { return kSndOutputRate; }

void SndMixForTest(float* out, int frames) {
    if (out != nullptr && frames > 0) {
        Mix(out, frames);
    }
}

Channel SndCue(const Sound& snd) {
    if (!snd) {
        return 0;
    }
    // Opening a stream reads its headers: done before the mixer is held, and once at load
    // for the first play.
    std::unique_ptr<SndStream> stream;
    if (snd->Streamed()) stream = snd->ready ? std::move(snd->ready) : std::make_unique<SndStream>(*snd);
    Mixer& m = M();
    std::lock_guard<std::mutex> guard(m.lock);
    Channel id = m.nextId;
    while (id <= 0 || m.channels.count(id) != 0) {
        id = id <= 0 ? 1 : id + 1;
    }
    m.nextId = id == INT_MAX ? 1 : id + 1;
    ChannelState& c = m.channels[id];
    c.snd = snd;
    c.stream = std::move(stream);
    return id;
}

void ChnSetVolume(Channel ch, float v) {
    const float volume = std::isfinite(v) ? std::clamp(v, 0.0f, 1.0f) : 0.0f;
    WithChannel(ch, [volume](ChannelState& c) { c.volume = volume; });
}

void ChnSetRate(Channel ch, float rate) {
    const float r = std::isfinite(rate) ? std::clamp(rate, 0.0f, 16.0f) : 1.0f;
    WithChannel(ch, [r](ChannelState& c) { c.rate = r; });
}

void ChnResume(Channel ch) {
    WithChannel(ch, [](ChannelState& c) { c.paused = false; });
}

void ChnPause(Channel ch) {
    WithChannel(ch, [](ChannelState& c) { c.paused = true; });
}

void ChnStop(Channel ch) {
    Mixer& m = M();
    std::lock_guard<std::mutex> guard(m.lock);
    m.channels.erase(ch);
}

bool ChnPlaying(Channel ch) {
    Mixer& m = M();
    std::lock_guard<std::mutex> guard(m.lock);
    return m.channels.count(ch) != 0;
}
