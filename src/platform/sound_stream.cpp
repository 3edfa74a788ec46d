// Ogg Vorbis read from memory, and streamed sounds: Ogg Vorbis decoded a piece at a time in the mixer's
// callback and converted to the output format by an SDL audio stream.
#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/load_counts.h"
#include "platform/sound_internal.h"

namespace {
size_t CursorRead(void* ptr, size_t size, size_t count, void* source) {
    auto* f = static_cast<SndByteCursor*>(source);
    const std::size_t want = size * count;
    const std::size_t left = f->bytes->size() - f->pos;
    const std::size_t n = want < left ? want : left;
    std::memcpy(ptr, f->bytes->data() + f->pos, n);
    f->pos += n;
    return size == 0 ? 0 : n / size;
}

int CursorSeek(void* source, ogg_int64_t offset, int whence) {
    auto* f = static_cast<SndByteCursor*>(source);
    const auto size = static_cast<ogg_int64_t>(f->bytes->size());
    const ogg_int64_t base = whence == SEEK_CUR   ? static_cast<ogg_int64_t>(f->pos)
                             : whence == SEEK_END ? size
                                                  : 0;
    if (base + offset < 0 || base + offset > size) return -1;
    f->pos = static_cast<std::size_t>(base + offset);
    return 0;
}

long CursorTell(void* source) { return static_cast<long>(static_cast<SndByteCursor*>(source)->pos); }

const ov_callbacks kCursorCallbacks{CursorRead, CursorSeek, nullptr, CursorTell};
}  // namespace

bool SndOpenOgg(SndByteCursor& cursor, OggVorbis_File& vf) {
    return ov_open_callbacks(&cursor, &vf, nullptr, 0, kCursorCallbacks) == 0;
}

double SndOggSeconds(const std::string& bytes) {
    SndByteCursor cursor{&bytes, 0};
    OggVorbis_File vf;
    if (!SndOpenOgg(cursor, vf)) return -1;
    const double seconds = ov_time_total(&vf, -1);
    ov_clear(&vf);
    return seconds == OV_EINVAL ? -1 : seconds;
}

struct SndStream::Decoder {
    SndByteCursor cursor{};
    OggVorbis_File vf{};
    bool open = false;
    SDL_AudioStream* convert = nullptr;
    ~Decoder() {
        if (open) ov_clear(&vf);
        if (convert != nullptr) SDL_FreeAudioStream(convert);
    }
};

SndStream::SndStream(const SndSoundData& snd)
    : encoded_(snd.encoded), path_(snd.path), loop_(snd.loop), dec_(new Decoder) {
    NoteGameThreadLoad(GameThreadLoad::StreamOpened);
    dec_->cursor = {encoded_.get(), 0};
    if (!SndOpenOgg(dec_->cursor, dec_->vf)) {
        Fail("not an Ogg Vorbis stream");
        return;
    }
    dec_->open = true;
    const vorbis_info* info = ov_info(&dec_->vf, -1);
    if (info == nullptr || info->channels <= 0 || info->channels > 8 || info->rate <= 0) {
        Fail("unsupported channel count or rate");
        return;
    }
    dec_->convert = SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(info->channels),
                                       static_cast<int>(info->rate), AUDIO_S16SYS, 2, kSndOutputRate);
    if (dec_->convert == nullptr) Fail(SDL_GetError());
}

SndStream::~SndStream() = default;

void SndStream::Fail(const char* why) {
    if (!ended_) std::printf("Sound %s stops: %s\n", path_.c_str(), why);
    ended_ = true;
}

// Decodes one piece into the converter; false when nothing more will come.
bool SndStream::Refill() {
    char pcm[8192];
    int section = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const long n = ov_read(&dec_->vf, pcm, sizeof pcm, SDL_BYTEORDER == SDL_BIG_ENDIAN, 2, 1, &section);
        if (n > 0) {
            // A change of channels or rate between chained streams is not followed.
            return SDL_AudioStreamPut(dec_->convert, pcm, static_cast<int>(n)) == 0;
        }
        if (n == OV_HOLE) {
            if (!warnedHole_) std::printf("Sound %s is damaged; the gap plays as silence.\n", path_.c_str());
            warnedHole_ = true;
            return true;
        }
        if (n < 0) {
            Fail("the file is damaged");
            return false;
        }
        // The end: a looping sound starts over (once per piece, so an empty
        // stream cannot spin), anything else lets the converter's tail out.
        if (!loop_ || attempt > 0 || ov_raw_seek(&dec_->vf, 0) != 0) {
            SDL_AudioStreamFlush(dec_->convert);
            return false;
        }
    }
    return false;
}

int SndStream::Read(std::int16_t* out, int frames) {
    if (ended_ || frames <= 0) return 0;
    const int want = frames * 2 * static_cast<int>(sizeof(std::int16_t));
    bool more = true;
    while (more && SDL_AudioStreamAvailable(dec_->convert) < want) more = Refill();
    const int got = SDL_AudioStreamGet(dec_->convert, out, want);
    if (got <= 0 && !more) {
        ended_ = true;
        return 0;
    }
    return got > 0 ? got / (2 * static_cast<int>(sizeof(std::int16_t))) : 0;
}
