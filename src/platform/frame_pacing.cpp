#include "platform/frame_pacing.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {
constexpr double kFps = 60.0;
constexpr int kWindow = 30;           // frames judged together
constexpr double kFastMs = 12.0;      // quicker than any 60 Hz vsync wait
constexpr double kSlowMs = 25.0;      // the game itself was slow: says nothing about vsync
constexpr double kPeriodLoMs = 16.4;  // mean interval of a display at 60 Hz (59.94 included)
constexpr double kPeriodHiMs = 16.95;
constexpr int kBehindFrames = 4;        // further behind than this: start a new schedule
constexpr double kEarlyEnoughMs = 0.1;  // closer than this to the deadline: present now
}  // namespace

PacerClock PacerClock::Real() {
    using Clock = std::chrono::steady_clock;
    const auto origin = Clock::now();
    return {[origin] { return std::chrono::duration<double, std::milli>(Clock::now() - origin).count(); },
            [](double ms) { std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms)); }};
}

void FramePacer::Reset(SDL_Renderer* renderer, bool vsync) {
    renderer_ = renderer;
    mode_ = vsync ? Mode::Measuring : Mode::Timer;
    presented_ = false;
    samples_ = fastSamples_ = steadySamples_ = 0;
    steadyMs_ = 0;
    deadlineValid_ = false;
}

void FramePacer::SwitchToTimer() {
    mode_ = Mode::Timer;
    deadlineValid_ = false;
    // Two clocks fighting over one frame give judder: let the timer alone decide.
    if (renderer_ != nullptr) {
        SDL_RenderSetVSync(renderer_, 0);
    }
    std::printf("Vertical sync does not hold 60 frames per second; pacing frames by timer.\n");
}

void FramePacer::WaitForDeadline() {
    const double period = 1000.0 / kFps;
    double now = clock_.nowMs();
    if (!deadlineValid_ || now > deadline_ + kBehindFrames * period) {
        deadline_ = now + period;
        deadlineValid_ = true;
    }
    // The deadline runs on by whole periods, so a sleep that ends a little
    // late delays one present, never the schedule.
    for (double remain = deadline_ - now; remain > kEarlyEnoughMs; remain = deadline_ - now) {
        clock_.sleepMs(remain);
        now = clock_.nowMs();
    }
    deadline_ += period;
}

void FramePacer::BeforePresent() {
    if (mode_ == Mode::Timer) {
        WaitForDeadline();
    }
}

void FramePacer::AfterPresent() {
    if (mode_ == Mode::Timer) {
        return;
    }
    const double now = clock_.nowMs();
    if (presented_) {
        const double ms = now - lastPresent_;
        ++samples_;
        if (ms < kFastMs) {
            ++fastSamples_;
        }
        if (ms < kSlowMs) {
            ++steadySamples_;
            steadyMs_ += ms;
        }
    }
    lastPresent_ = now;
    presented_ = true;
    if (samples_ < kWindow) {
        return;
    }
    // Quick presents mean the driver does not wait for the display; a display
    // at another rate than 60 Hz would give the wrong speed. Either way the
    // timer takes over. Windows of slow game frames are judged again later.
    const double mean = steadySamples_ > 0 ? steadyMs_ / steadySamples_ : 0;
    if (fastSamples_ * 6 >= kWindow || (steadySamples_ * 2 >= kWindow && mean < kPeriodLoMs)) {
        SwitchToTimer();
    } else if (steadySamples_ * 2 >= kWindow) {
        if (mean <= kPeriodHiMs) {
            mode_ = Mode::Vsync;
        } else {
            SwitchToTimer();
        }
    }
    samples_ = fastSamples_ = steadySamples_ = 0;
    steadyMs_ = 0;
}
