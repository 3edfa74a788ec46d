#include "platform/frame_pacing.h"

#include <cstdio>

namespace {
constexpr double kFps = 60.0;
constexpr int kWindow = 30;           // frames judged together
constexpr double kFastMs = 12.0;      // quicker than any 60 Hz vsync wait
constexpr double kSlowMs = 25.0;      // the game itself was slow: says nothing about vsync
constexpr double kPeriodLoMs = 16.4;  // mean interval of a display at 60 Hz (59.94 included)
constexpr double kPeriodHiMs = 16.95;
constexpr int kBehindFrames = 4;  // further behind than this: start a new schedule
}  // namespace

void FramePacer::Reset(SDL_Renderer* renderer, bool vsync) {
    renderer_ = renderer;
    mode_ = vsync ? Mode::Measuring : Mode::Timer;
    lastPresent_ = 0;
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
        }
        if (ms < kSlowMs) {
            ++steadySamples_;
            steadyMs_ += ms;
        }
    }
    lastPresent_ = now;
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
