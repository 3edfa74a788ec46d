// Holds presented frames to 60 per second: by vertical sync when the driver
// really waits for it, otherwise by a timer against a running deadline that
// sleeps the whole wait (spinning through the last milliseconds cost a frame's
// worth of CPU for nothing).
#pragma once

#include <SDL.h>

#include <functional>

// Where the pacer reads the time and how it waits; tests give a fake clock.
struct PacerClock {
    std::function<double()> nowMs;        // a steady clock, milliseconds
    std::function<void(double)> sleepMs;  // sleeps about this long, may return early or late
    static PacerClock Real();
};

class FramePacer {
public:
    explicit FramePacer(PacerClock clock = PacerClock::Real()) : clock_(std::move(clock)) {}
    // Starts over, e.g. after the renderer changed; `vsync` tells whether the
    // renderer was created with vertical sync.
    void Reset(SDL_Renderer* renderer, bool vsync);
    // Called just before presenting; waits when the timer paces.
    void BeforePresent();
    // Called just after presenting; measures whether vsync holds the rate.
    void AfterPresent();
    bool UsingTimer() const { return mode_ == Mode::Timer; }

private:
    enum class Mode { Measuring, Vsync, Timer };
    void SwitchToTimer();
    void WaitForDeadline();

    PacerClock clock_;
    SDL_Renderer* renderer_ = nullptr;
    Mode mode_ = Mode::Timer;
    double lastPresent_ = 0;
    bool presented_ = false;
    int samples_ = 0;
    int fastSamples_ = 0;
    int steadySamples_ = 0;  // not slowed by the game
    double steadyMs_ = 0;
    double deadline_ = 0;  // ms on the pacer's clock
    bool deadlineValid_ = false;
};
