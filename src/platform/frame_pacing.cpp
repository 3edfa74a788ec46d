#include "platform/frame_pacing.h"

#include <cstdio>

namespace {
constexpr double kFps = 60.0;
constexpr int kWindow = 30;          // frames judged together
constexpr double kFastMs = 12.0;     // quicker than any 60 Hz vsync wait
constexpr double kSteadyLoMs = 14.5; // a 60 Hz vsync interval lies in here
constexpr double kSteadyHiMs = 19.0;
constexpr int kBehindFrames = 4;     // further behind than this: start a new schedule
}  // namespace

void FramePacer::Reset(SDL_Renderer* renderer, bool vsync) {
    renderer_ = renderer;
    mode_ = vsync ? Mode::Measuring : Mode::Timer;
    lastPresent_ = 0;
    samples_ = fastSamples_ = steadySamples_ = 0;
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
    const double freq = static_cast<double>(SDL_GetPerformanceFrequency());
    const double period = freq / kFps;
    double now = static_cast<double>(SDL_GetPerformanceCounter());
    if (!deadlineValid_ || now > deadline_ + kBehindFrames * period) {
        deadline_ = now + period;
        deadlineValid_ = true;
    }
    for (;;) {
        now = static_cast<double>(SDL_GetPerformanceCounter());
        const double remainMs = (deadline_ - now) * 1000.0 / freq;
        if (remainMs <= 0) {
            break;
        }
        // Sleep while far away, spin through the last millisecond or so.
        if (remainMs > 2.0) {
            SDL_Delay(static_cast<Uint32>(remainMs - 1.0));
        }
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
    const Uint64 now = SDL_GetPerformanceCounter();
    if (lastPresent_ != 0) {
        const double ms = static_cast<double>(now - lastPresent_) * 1000.0 /
                          static_cast<double>(SDL_GetPerformanceFrequency());
        ++samples_;
        if (ms < kFastMs) {
            ++fastSamples_;
        } else if (ms >= kSteadyLoMs && ms <= kSteadyHiMs) {
            ++steadySamples_;
        }
    }
    lastPresent_ = now;
    if (samples_ < kWindow) {
        return;
    }
    // A few quick presents in a window mean the driver does not wait for the
    // display (or the display runs faster than 60 Hz).
    if (fastSamples_ * 6 >= kWindow) {
        SwitchToTimer();
    } else if (steadySamples_ * 2 >= kWindow) {
        mode_ = Mode::Vsync;
    }
    samples_ = fastSamples_ = steadySamples_ = 0;
}
