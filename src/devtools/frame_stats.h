// Frame time statistics for --frame-stats: update and draw times per frame,
// written at exit as "name value" lines.
#pragma once

#include <string>
#include <vector>

struct FrameTimeSummary {
    double median = 0, p99 = 0, max = 0;
};

// Percentiles by nearest rank over a copy of the samples.
FrameTimeSummary SummariseFrameTimes(std::vector<double> samples);
double PeakRssMegabytes();

// Collects ScreenFrame times from now on and writes the file at exit.
void StartFrameStats(const std::string& path);
