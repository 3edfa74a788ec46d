// One generator for the whole game. The mapping to ranges is our own, so a
// seed gives the same numbers with any standard library.
#include <random>

#include "platform/platform.h"

namespace {
std::mt19937& Generator() {
    // Unseeded runs differ from each other; --seed makes a run repeatable.
    static std::mt19937 gen{std::random_device{}()};
    return gen;
}
}  // namespace

void RandSeed(int n) { Generator().seed(static_cast<std::mt19937::result_type>(n)); }

int RandInt(int lo, int hi) {
    if (lo > hi) {
        std::swap(lo, hi);
    }
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
    const std::uint64_t r = Generator()();  // 32 random bits
    return static_cast<int>(lo + static_cast<std::int64_t>((r * span) >> 32));
}

float RandFloat(float lo, float hi) {
    const float unit = static_cast<float>(Generator()() >> 8) * (1.0f / 16777216.0f);  // [0, 1)
    const float r = lo + (hi - lo) * unit;
    return (r < hi || !(lo < hi)) ? r : lo;  // rounding must not reach hi
}
