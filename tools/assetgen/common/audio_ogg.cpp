#include "common/audio_ogg.h"

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace audio {

namespace {

void AppendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
}

// Memory source for vorbisfile.
struct MemReader {
    const std::string* bytes;
    size_t pos;
};

size_t MemRead(void* ptr, size_t size, size_t count, void* source) {
    auto* r = static_cast<MemReader*>(source);
    size_t want = size * count;
    size_t left = r->bytes->size() - r->pos;
    size_t n = std::min(want, left);
    std::memcpy(ptr, r->bytes->data() + r->pos, n);
    r->pos += n;
    return size ? n / size : 0;
}

int MemSeek(void* source, ogg_int64_t offset, int whence) {
    auto* r = static_cast<MemReader*>(source);
    ogg_int64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? static_cast<ogg_int64_t>(r->pos)
                                            : static_cast<ogg_int64_t>(r->bytes->size());
    ogg_int64_t p = base + offset;
    if (p < 0 || p > static_cast<ogg_int64_t>(r->bytes->size())) return -1;
    r->pos = static_cast<size_t>(p);
    return 0;
}

long MemTell(void* source) { return static_cast<long>(static_cast<MemReader*>(source)->pos); }

}  // namespace

std::string EncodeOggVorbis(const Pcm& pcm, float quality, int serial) {
    std::string out;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, pcm.channels, pcm.rate, quality) != 0) {
        vorbis_info_clear(&vi);
        return out;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "brambleton assetgen");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);

    ogg_packet header, headerComm, headerCode;
    vorbis_analysis_headerout(&vd, &vc, &header, &headerComm, &headerCode);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &headerComm);
    ogg_stream_packetin(&os, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&os, &page) != 0) AppendPage(out, page);

    const long frames = pcm.frames();
    const long chunk = 4096;
    bool eos = false;
    for (long at = 0; !eos;) {
        long n = std::min(chunk, frames - at);
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            for (long i = 0; i < n; ++i)
                for (int c = 0; c < pcm.channels; ++c)
                    buffer[c][i] = pcm.samples[static_cast<size_t>((at + i) * pcm.channels + c)];
            vorbis_analysis_wrote(&vd, static_cast<int>(n));
            at += n;
        } else {
            vorbis_analysis_wrote(&vd, 0);  // end of stream
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                while (!eos && ogg_stream_pageout(&os, &page) != 0) {
                    AppendPage(out, page);
                    if (ogg_page_eos(&page)) eos = true;
                }
            }
        }
        if (n <= 0) eos = true;
    }
    while (ogg_stream_flush(&os, &page) != 0) AppendPage(out, page);

    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

bool DecodeOggVorbis(const std::string& bytes, Pcm& out) {
    out = Pcm();
    MemReader reader{&bytes, 0};
    ov_callbacks callbacks{MemRead, MemSeek, nullptr, MemTell};
    OggVorbis_File vf;
    if (ov_open_callbacks(&reader, &vf, nullptr, 0, callbacks) != 0) return false;
    vorbis_info* info = ov_info(&vf, -1);
    out.channels = info->channels;
    out.rate = static_cast<int>(info->rate);
    bool ok = true;
    for (;;) {
        float** data = nullptr;
        int section = 0;
        long n = ov_read_float(&vf, &data, 4096, &section);
        if (n == 0) break;
        if (n < 0) {
            ok = false;
            break;
        }
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < out.channels; ++c) out.samples.push_back(data[c][i]);
    }
    ov_clear(&vf);
    if (!ok) out = Pcm();
    return ok;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    bytes = ss.str();
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::error_code ec;
    std::filesystem::path target(path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) return false;
    }
    std::filesystem::rename(temp, target, ec);
    return !ec;
}

}  // namespace audio
