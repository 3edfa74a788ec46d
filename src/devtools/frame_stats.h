// Frame time statistics for --frame-stats: update, draw and whole-frame times,
// frame rate, CPU use and memory, written at exit as "name value" lines
// (tools/bench/frame_bench.sh reads them).
#pragma once

#include <string>
#include <vector>

struct FrameTimeSummary {
    double median = 0, p99 = 0, max = 0;
};

// Percentiles by nearest rank over a copy of the samples.
FrameTimeSummary SummariseFrameTimes(std::vector<double> samples);
double PeakRssMegabytes();
// CPU time (user + system) of the whole process so far, in seconds.
double ProcessCpuSeconds();
// Seconds since the program was loaded.
double SecondsSinceStart();

// Collects ScreenFrame times from now on and writes the file at exit.
void StartFrameStats(const std::string& path);
