// assetgen_sound --game <game folder> --build <build folder> [--only <text>]
// Renders every sound effect and music track, levels them, and writes Ogg
// Vorbis files into the game folder. A manifest in the build folder remembers
// what each file was made from, so unchanged files are not encoded again.
// Prints (and writes to <build>/audio_table.md) the length and levels of
// every file.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "common/audio_ogg.h"
#include "common/audio_stats.h"
#include "sound/catalog.h"

namespace {

constexpr float kQuality = 0.4f;
constexpr float kPeakLimit = 0.84f;  // -1.5 dBFS before encoding
constexpr float kPeakMax = 0.89f;    // -1 dBFS after decoding
constexpr int kVersion = 2;          // bump to force re-encoding everything

struct Result {
    std::string file;
    std::string hash;
    double seconds = 0;
    float peak = 0;
    float rms = 0;
    int channels = 1;
    bool written = false;
    bool ok = true;
};

std::string HashPcm(const audio::Pcm& pcm) {
    std::uint64_t h = 1469598103934665603ull;
    auto feed = [&h](const void* data, size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
    };
    feed(pcm.samples.data(), pcm.samples.size() * sizeof(float));
    feed(&pcm.channels, sizeof pcm.channels);
    int v = kVersion;
    feed(&v, sizeof v);
    float q = kQuality;
    feed(&q, sizeof q);
    char buf[24];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
}

// Effects sit a little louder than music; both keep clear of full scale.
// Effects with sharp transients may be pushed up to 6 dB into a soft
// saturation so that they are as loud as the rest.
void Level(audio::Pcm& pcm, bool music) {
    audio::Levels lv = audio::Measure(pcm);
    if (lv.peak <= 0) return;
    float target = std::pow(10.0f, (music ? -20.0f : -17.0f) / 20.0f);
    float want = target / std::max(lv.activeRms, 1e-6f);
    if (music) {
        float gain = std::min(want, kPeakLimit / lv.peak);
        for (float& s : pcm.samples) s *= gain;
        return;
    }
    float gain = std::min(want, 2 * kPeakLimit / lv.peak);
    for (float& s : pcm.samples) s = kPeakLimit * std::tanh(s * gain / kPeakLimit);
}

std::map<std::string, Result> ReadManifest(const std::string& path) {
    std::map<std::string, Result> out;
    std::ifstream in(path);
    Result r;
    while (in >> r.file >> r.hash >> r.seconds >> r.peak >> r.rms >> r.channels) out[r.file] = r;
    return out;
}

Result Build(const SoundAsset& asset, const std::string& gameDir,
             const std::map<std::string, Result>& manifest) {
    Result r;
    r.file = asset.file;
    audio::Pcm pcm = asset.make();
    Level(pcm, asset.music);
    r.hash = HashPcm(pcm);
    r.channels = pcm.channels;
    std::string path = gameDir + "/" + asset.file;
    auto old = manifest.find(asset.file);
    if (old != manifest.end() && old->second.hash == r.hash && std::filesystem::exists(path))
        return old->second;

    std::string bytes;
    audio::Pcm decoded;
    for (int attempt = 0; attempt < 4; ++attempt) {
        bytes = audio::EncodeOggVorbis(pcm, kQuality,
                                       static_cast<int>(std::hash<std::string>()(asset.file) & 0x7fffffff));
        if (!audio::DecodeOggVorbis(bytes, decoded)) break;
        audio::Levels lv = audio::Measure(decoded);
        if (lv.peak <= kPeakMax) break;
        for (float& s : pcm.samples) s *= 0.97f * kPeakMax / lv.peak;  // the codec overshot: a little less
    }
    audio::Levels lv = audio::Measure(decoded);
    r.seconds = lv.seconds;
    r.peak = lv.peak;
    r.rms = lv.activeRms;
    r.ok = !bytes.empty() && decoded.frames() > 0 && audio::WriteWholeFile(path, bytes);
    r.written = r.ok;
    if (!r.ok) std::fprintf(stderr, "assetgen_sound: could not write %s\n", path.c_str());
    return r;
}

std::string Table(const std::vector<Result>& results) {
    std::ostringstream out;
    out << "| File | Channels | Length (s) | Peak (dBFS) | Active RMS (dBFS) |\n";
    out << "|---|---|---|---|---|\n";
    char line[200];
    for (const Result& r : results) {
        std::snprintf(line, sizeof line, "| %s | %d | %.2f | %.1f | %.1f |\n", r.file.c_str(), r.channels,
                      r.seconds, audio::ToDb(r.peak), audio::ToDb(r.rms));
        out << line;
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    std::string gameDir = "game", buildDir = ".", only;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string key = argv[i];
        if (key == "--game") gameDir = argv[i + 1];
        else if (key == "--build") buildDir = argv[i + 1];
        else if (key == "--only") only = argv[i + 1];
    }
    std::vector<SoundAsset> assets = EffectAssets();
    for (SoundAsset& m : MusicAssets()) assets.push_back(std::move(m));
    // Longest first, so the threads finish together.
    std::stable_partition(assets.begin(), assets.end(), [](const SoundAsset& a) { return a.music; });
    if (!only.empty())
        assets.erase(
            std::remove_if(assets.begin(), assets.end(),
                           [&](const SoundAsset& a) { return a.file.find(only) == std::string::npos; }),
            assets.end());

    const std::string manifestPath = buildDir + "/assetgen_sound.manifest";
    const std::map<std::string, Result> manifest = ReadManifest(manifestPath);
    std::vector<Result> results(assets.size());
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i; (i = next++) < assets.size();) results[i] = Build(assets[i], gameDir, manifest);
    };
    unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
    for (std::thread& t : pool) t.join();

    std::sort(results.begin(), results.end(),
              [](const Result& a, const Result& b) { return a.file < b.file; });
    bool ok = true;
    int written = 0;
    std::map<std::string, Result> merged = manifest;
    for (const Result& r : results) {
        ok = ok && r.ok;
        written += r.written ? 1 : 0;
        if (r.ok) merged[r.file] = r;
    }
    std::ofstream out(manifestPath);
    for (const auto& [file, r] : merged)
        out << file << ' ' << r.hash << ' ' << r.seconds << ' ' << r.peak << ' ' << r.rms << ' ' << r.channels
            << '\n';
    std::vector<Result> all;
    for (const auto& [file, r] : merged) all.push_back(r);
    std::string table = Table(all);
    std::ofstream(buildDir + "/audio_table.md") << table;
    std::printf("%s", table.c_str());
    std::printf("assetgen_sound: %d of %zu files written\n", written, results.size());
    return ok ? 0 : 1;
}
