#include "devtools/frame_stats.h"

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <utility>

#include "frame/frame_loop.h"
#include "frame/loading_steps.h"
#include "menus/main_menu.h"
#include "platform/load_counts.h"
#include "platform/platform.h"

namespace {
using StatsClock = std::chrono::steady_clock;
// Taken while the program is loaded, before main: the start of "time to first frame".
const StatsClock::time_point gProgramStart = StatsClock::now();

double SecondsBetween(StatsClock::time_point a, StatsClock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

double ThreadCpuMs() {
    timespec t{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t) != 0) return 0;
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Start-up milestones: the first presented frame (cards, loading screen or a
// screen), and the first frame of the main menu, when it answers clicks.
struct StartUp {
    double firstPresent = 0, menuReady = 0;
};

std::string StartUpReport(const StartUp& s) {
    const LoadingStepTime* slowest = nullptr;
    for (const auto& step : LoadingStepTimes())
        if (!slowest || step.ms > slowest->ms) slowest = &step;
    char text[512];
    std::snprintf(text, sizeof text, "first_present_s %.3f\nmenu_ready_s %.3f\nslowest_step_ms %.1f\n",
                  s.firstPresent, s.menuReady, slowest ? slowest->ms : 0.0);
    std::string out = text;
    // The name last: it may hold blanks.
    if (slowest) out += "slowest_step " + slowest->name + "\n";
    for (const auto& step : LoadingStepTimes()) {
        std::snprintf(text, sizeof text, "step_ms %.1f ", step.ms);
        out += text + step.name + "\n";
    }
    return out;
}

struct Samples {
    // ms; frame: from one frame's end to the next; cpu: the game thread's CPU time in that span
    std::vector<double> update, draw, frame, cpu;
    double lastThreadCpu = 0;
    StatsClock::time_point first, last;
    double firstCpu = 0;
    // At the middle frame so far: the settled second half leaves start-up and loading out.
    std::vector<std::pair<StatsClock::time_point, double>> wallAndCpu;
    // Files the game thread decoded itself in each frame (and before it, since the last).
    std::vector<GameThreadLoads> loads;
    GameThreadLoads loadsSoFar;
    // The frames in which the peak memory grew by a mebibyte or more: (frame, MiB).
    std::vector<std::pair<size_t, double>> peakGrowth;
    double peakMb = 0;
};

// The peak resident memory so far (ru_maxrss, in KiB on Linux): a cheap call, made every frame.
double PeakRssMbNow() {
    rusage use{};
    if (getrusage(RUSAGE_SELF, &use) != 0) return 0;
    return static_cast<double>(use.ru_maxrss) / 1024.0;
}

// Where the peak memory was reached: the last frames that raised it.
std::string PeakGrowth(const Samples& s) {
    std::string out;
    char line[96];
    const size_t from = s.peakGrowth.size() > 8 ? s.peakGrowth.size() - 8 : 0;
    for (size_t i = from; i < s.peakGrowth.size(); ++i) {
        std::snprintf(line, sizeof line, "peak_rss_grew frame %zu mb %.1f\n", s.peakGrowth[i].first,
                      s.peakGrowth[i].second);
        out += line;
    }
    return out;
}

GameThreadLoads LoadsBetween(const GameThreadLoads& before, const GameThreadLoads& after) {
    return {after.picturesUnasked - before.picturesUnasked, after.picturesNotReady - before.picturesNotReady,
            after.sounds - before.sounds, after.streamsOpened - before.streamsOpened};
}

long long AllLoads(const GameThreadLoads& l) { return l.picturesUnasked + l.picturesNotReady + l.sounds; }

// Files decoded on the game thread once the first frame is shown: every one of them holds up
// its frame. Unasked (pictures never queued for decoding ahead, and sounds) follow the order of
// the calls only, so a test can count them; late pictures also depend on the side thread's pace.
std::string LoadsAfterFirstFrame(const Samples& s) {
    long long unasked = 0, late = 0;
    std::string frames;
    int listed = 0;
    char line[160];
    for (size_t i = 1; i < s.loads.size(); ++i) {
        const GameThreadLoads& l = s.loads[i];
        unasked += l.picturesUnasked + l.sounds;
        late += l.picturesNotReady;
        if (AllLoads(l) > 0 && listed < 20) {
            ++listed;
            std::snprintf(line, sizeof line,
                          "load_frame %zu unasked_pictures %lld late_pictures %lld sounds %lld\n", i + 1,
                          l.picturesUnasked, l.picturesNotReady, l.sounds);
            frames += line;
        }
    }
    std::snprintf(line, sizeof line,
                  "unasked_loads_after_first_frame %lld\nlate_pictures_after_first_frame %lld\n", unasked,
                  late);
    return line + frames;
}

// Process CPU over wall time in the second half of the frames.
double SettledCores(const Samples& s) {
    if (s.wallAndCpu.size() < 4) return 0;
    const auto& mid = s.wallAndCpu[s.wallAndCpu.size() / 2];
    const auto& end = s.wallAndCpu.back();
    const double wall = SecondsBetween(mid.first, end.first);
    return wall > 0 ? (end.second - mid.second) / wall : 0;
}

// The five slowest frames (update + draw) with their numbers, to find what made them slow.
std::string SlowestFrames(const Samples& s) {
    std::vector<size_t> order(s.update.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    const auto cost = [&](size_t i) { return s.update[i] + s.draw[i]; };
    const size_t shown = std::min<size_t>(5, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(shown), order.end(),
                      [&](size_t a, size_t b) { return cost(a) > cost(b); });
    std::string out;
    char line[128];
    for (size_t k = 0; k < shown; ++k) {
        const size_t i = order[k];
        std::snprintf(line, sizeof line, "slow_frame %zu update_ms %.2f draw_ms %.2f loads %lld\n", i + 1,
                      s.update[i], s.draw[i], AllLoads(s.loads[i]));
        out += line;
    }
    return out;
}

std::string StatsReport(const Samples& s) {
    const auto u = SummariseFrameTimes(s.update);
    const auto d = SummariseFrameTimes(s.draw);
    const auto f = SummariseFrameTimes(s.frame);
    const auto c = SummariseFrameTimes(s.cpu);
    const double wall = SecondsBetween(s.first, s.last);
    const double cpu = ProcessCpuSeconds() - s.firstCpu;
    const double fps = wall > 0 ? static_cast<double>(s.frame.size()) / wall : 0;
    const double cores = wall > 0 ? cpu / wall : 0;
    const double firstFrame = s.update.empty() ? 0 : SecondsBetween(gProgramStart, s.first);
    char text[1024];
    std::snprintf(text, sizeof text,
                  "frames %zu\nupdate_ms_median %.4f\nupdate_ms_p99 %.4f\nupdate_ms_max %.4f\n"
                  "draw_ms_median %.4f\ndraw_ms_p99 %.4f\ndraw_ms_max %.4f\n"
                  "frame_ms_median %.4f\nframe_ms_p99 %.4f\nframe_ms_max %.4f\nfps %.2f\n"
                  "thread_cpu_ms_median %.4f\nthread_cpu_ms_p99 %.4f\ncores %.3f\nfirst_frame_s "
                  "%.3f\npeak_rss_mb %.1f\ncores_second_half %.3f\n",
                  s.update.size(), u.median, u.p99, u.max, d.median, d.p99, d.max, f.median, f.p99, f.max,
                  fps, c.median, c.p99, cores, firstFrame, PeakRssMegabytes(), SettledCores(s));
    return text + SlowestFrames(s) + LoadsAfterFirstFrame(s) + PeakGrowth(s);
}
}  // namespace

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

double ProcessCpuSeconds() {
    rusage use{};
    if (getrusage(RUSAGE_SELF, &use) != 0) return 0;
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(use.ru_utime) + seconds(use.ru_stime);
}

double SecondsSinceStart() { return SecondsBetween(gProgramStart, StatsClock::now()); }

void StartFrameStats(const std::string& path) {
    auto samples = std::make_shared<Samples>();
    samples->update.reserve(1 << 16);
    samples->draw.reserve(1 << 16);
    samples->frame.reserve(1 << 16);
    samples->cpu.reserve(1 << 16);
    samples->wallAndCpu.reserve(1 << 16);
    samples->loads.reserve(1 << 16);
    samples->loadsSoFar = GameThreadLoadCounts();
    SetFrameTimeObserver([samples](double u, double d) {
        const auto now = StatsClock::now();
        const double threadCpu = ThreadCpuMs();
        if (samples->update.empty()) {
            // Rate, CPU and frame intervals count from the end of the first frame.
            samples->first = now;
            samples->firstCpu = ProcessCpuSeconds();
        } else {
            samples->frame.push_back(std::chrono::duration<double, std::milli>(now - samples->last).count());
            samples->cpu.push_back(threadCpu - samples->lastThreadCpu);
        }
        samples->lastThreadCpu = threadCpu;
        samples->last = now;
        samples->update.push_back(u);
        samples->draw.push_back(d);
        samples->wallAndCpu.emplace_back(now, ProcessCpuSeconds());
        const GameThreadLoads loads = GameThreadLoadCounts();
        samples->loads.push_back(LoadsBetween(samples->loadsSoFar, loads));
        samples->loadsSoFar = loads;
        const double peak = PeakRssMbNow();
        if (peak >= samples->peakMb + 1.0) {
            samples->peakMb = peak;
            samples->peakGrowth.emplace_back(samples->update.size(), peak);
        }
    });
    auto startUp = std::make_shared<StartUp>();
    AddAfterAnyFrameHook([startUp] {
        if (startUp->firstPresent == 0) startUp->firstPresent = SecondsSinceStart();
        if (startUp->menuReady == 0 && mainMenu.running) startUp->menuReady = SecondsSinceStart();
    });
    AddExitHook([samples, startUp, path] {
        if (!FsSaveBytes(StatsReport(*samples) + StartUpReport(*startUp), path))
            std::printf("Could not write the frame statistics %s\n", path.c_str());
    });
}
