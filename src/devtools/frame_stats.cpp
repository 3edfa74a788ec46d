#include "devtools/frame_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>

#include "frame/frame_loop.h"
#include "platform/platform.h"

FrameTimeSummary SummariseFrameTimes(std::vector<double> samples) {
    FrameTimeSummary s;
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    auto rank = [&](double q) {
        const auto n = samples.size();
        size_t i = static_cast<size_t>(std::ceil(q * static_cast<double>(n)));
        return samples[std::clamp<size_t>(i, 1, n) - 1];
    };
    s.median = rank(0.5);
    s.p99 = rank(0.99);
    s.max = samples.back();
    return s;
}

double PeakRssMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

void StartFrameStats(const std::string& path) {
    struct Samples {
        std::vector<double> update, draw;
    };
    auto samples = std::make_shared<Samples>();
    samples->update.reserve(1 << 16);
    samples->draw.reserve(1 << 16);
    SetFrameTimeObserver([samples](double u, double d) {
        samples->update.push_back(u);
        samples->draw.push_back(d);
    });
    AddExitHook([samples, path] {
        const auto u = SummariseFrameTimes(samples->update);
        const auto d = SummariseFrameTimes(samples->draw);
        char text[512];
        std::snprintf(text, sizeof text,
                      "frames %zu\nupdate_ms_median %.4f\nupdate_ms_p99 %.4f\nupdate_ms_max %.4f\n"
                      "draw_ms_median %.4f\ndraw_ms_p99 %.4f\ndraw_ms_max %.4f\npeak_rss_mb %.1f\n",
                      samples->update.size(), u.median, u.p99, u.max, d.median, d.p99, d.max,
                      PeakRssMegabytes());
        if (!FsSaveBytes(text, path)) std::printf("Could not write the frame statistics %s\n", path.c_str());
    });
}
