// One generator for the whole game. The mapping to ranges is our own, so a
// seed gives the same numbers with any standard library.
#include <chrono>
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

int RandFreshSeed() {
    // The clock is mixed in for systems whose random_device is deterministic.
    const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::seed_seq seq{std::random_device{}(), std::random_device{}(), static_cast<unsigned>(now),
                      static_cast<unsigned>(now >> 32)};
    std::uint32_t seed = 0;
    seq.generate(&seed, &seed + 1);
    return static_cast<int>(seed & 0x7fffffffU);  // a seed --seed can repeat
}

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
