// The frame pacer's timer on a fake clock: it sleeps through the wait instead
// of spinning, holds 60.0 frames per second when sleeps end late or early, and
// starts a new schedule after a long stall instead of racing to catch up.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/frame_pacing.h"

namespace {
constexpr double kPeriod = 1000.0 / 60.0;

// A clock that moves only when the pacer sleeps or the "game" works; every
// reading costs a microsecond, as a spinning loop would.
struct FakeTime {
    double now = 1000;
    int reads = 0;
    int sleeps = 0;
    double lateMs = 0;       // every sleep ends this much late
    bool wakeEarly = false;  // every other sleep ends halfway
    PacerClock Clock() {
        return {[this] {
                    ++reads;
                    now += 0.001;
                    return now;
                },
                [this](double ms) {
                    ++sleeps;
                    now += (wakeEarly && sleeps % 2 == 0) ? ms / 2 : ms + lateMs;
                }};
    }
};

// Runs `frames` frames of `workMs` each through a timer-paced pacer and
// returns the moments of the presents.
std::vector<double> Present(FakeTime& time, FramePacer& pacer, int frames, double workMs) {
    std::vector<double> at;
    for (int i = 0; i < frames; ++i) {
        time.now += workMs;
        pacer.BeforePresent();
        at.push_back(time.now);
        pacer.AfterPresent();
    }
    return at;
}

void ExpectSteady60(const std::vector<double>& at, double tolerance) {
    for (size_t i = 1; i < at.size(); ++i) {
        EXPECT_NEAR(at[i] - at[i - 1], kPeriod, tolerance) << "frame " << i;
    }
    const double mean = (at.back() - at.front()) / static_cast<double>(at.size() - 1);
    EXPECT_NEAR(1000.0 / mean, 60.0, 0.05);
}
}  // namespace

TEST(FramePacer, SleepsThroughTheWaitWithoutSpinning) {
    FakeTime time;
    FramePacer pacer(time.Clock());
    pacer.Reset(nullptr, false);
    const auto at = Present(time, pacer, 600, 5.0);
    ExpectSteady60(at, 0.01);
    // One sleep and a couple of readings per frame: nothing spins.
    EXPECT_LE(time.sleeps, 600);
    EXPECT_LE(time.reads, 3 * 600);
}

TEST(FramePacer, LateAndEarlyWakingKeepsTheRate) {
    FakeTime late;
    late.lateMs = 0.6;  // a loaded machine's timer slack
    FramePacer latePacer(late.Clock());
    latePacer.Reset(nullptr, false);
    ExpectSteady60(Present(late, latePacer, 600, 3.0), 0.7);

    FakeTime early;
    early.wakeEarly = true;  // interrupted sleeps: the pacer sleeps again
    FramePacer earlyPacer(early.Clock());
    earlyPacer.Reset(nullptr, false);
    ExpectSteady60(Present(early, earlyPacer, 600, 3.0), 0.01);
    EXPECT_LE(early.reads, 8 * 600);
}

TEST(FramePacer, SlowFramesAreNotWaitedForAndAStallStartsANewSchedule) {
    FakeTime time;
    FramePacer pacer(time.Clock());
    pacer.Reset(nullptr, false);
    Present(time, pacer, 10, 2.0);
    // A frame slower than the period presents at once.
    const int sleepsBefore = time.sleeps;
    time.now += 20.0;
    pacer.BeforePresent();
    EXPECT_EQ(time.sleeps, sleepsBefore);
    pacer.AfterPresent();
    // A stall of half a second: the frames after it keep the period instead
    // of presenting a burst to catch up.
    time.now += 500.0;
    pacer.BeforePresent();
    const auto after = Present(time, pacer, 10, 2.0);
    for (size_t i = 1; i < after.size(); ++i) EXPECT_NEAR(after[i] - after[i - 1], kPeriod, 0.01);
}
