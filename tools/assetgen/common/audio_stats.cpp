#include "common/audio_stats.h"

#include <algorithm>
#include <cmath>

namespace audio {

float ToDb(float v) { return v > 1e-6f ? 20.0f * std::log10(v) : -120.0f; }

Levels Measure(const Pcm& pcm) {
    Levels lv;
    lv.seconds = pcm.seconds();
    for (float s : pcm.samples) lv.peak = std::max(lv.peak, std::fabs(s));

    // Mean square of every 10 ms block, all channels together.
    const long block = std::max(1, pcm.rate / 100) * pcm.channels;
    std::vector<double> squares;
    for (size_t at = 0; at < pcm.samples.size(); at += static_cast<size_t>(block)) {
        size_t end = std::min(pcm.samples.size(), at + static_cast<size_t>(block));
        double sum = 0;
        for (size_t i = at; i < end; ++i) sum += double(pcm.samples[i]) * pcm.samples[i];
        squares.push_back(sum / double(end - at));
    }
    if (squares.empty()) return lv;
    double loudest = *std::max_element(squares.begin(), squares.end());
    double sum = 0;
    int count = 0;
    for (double sq : squares) {
        if (sq >= loudest * 1e-3) {  // within 30 dB
            sum += sq;
            ++count;
        }
    }
    lv.activeRms = count ? static_cast<float>(std::sqrt(sum / count)) : 0.0f;
    return lv;
}

}  // namespace audio
