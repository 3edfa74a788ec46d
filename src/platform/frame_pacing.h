// Holds presented frames to 60 per second: by vertical sync when the driver
// really waits for it, otherwise by a precise timer against a running deadline.
#pragma once

#include <SDL.h>

class FramePacer {
public:
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

    SDL_Renderer* renderer_ = nullptr;
    Mode mode_ = Mode::Timer;
    Uint64 lastPresent_ = 0;
    int samples_ = 0;
    int fastSamples_ = 0;
    int steadySamples_ = 0;  // not slowed by the game
    double steadyMs_ = 0;
    double deadline_ = 0;  // performance-counter ticks
    bool deadlineValid_ = false;
};
