#include "frame/timing.h"

#include <algorithm>

#include "frame/globals.h"
#include "platform/platform.h"

namespace {
std::vector<TDeltaTime*>& Timers() {
    static std::vector<TDeltaTime*> timers;
    return timers;
}
}  // namespace

TDeltaTime deltaTime;

TDeltaTime::TDeltaTime() { Timers().push_back(this); }

TDeltaTime::~TDeltaTime() { Destroy(); }

void TDeltaTime::Destroy() {
    auto& timers = Timers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

TDeltaTime* TDeltaTime::Create(float fps) {
    auto* timer = new TDeltaTime();
    timer->SetFPS(fps);
    return timer;
}

void TDeltaTime::SetFPS(float fps) {
    dFps = fps;
    dDelta = 1000.0f / fps;
}

void TDeltaTime::Update() {
    CurrTime = SysMillisecs();
    // A clock that steps back (a test's clock set anew, a counter that wrapped) counts as no
    // time passed: a negative delta would run every fade and animation backwards.
    ElapsedTime = std::max(0, CurrTime - OldTime);
    OldTime = CurrTime;
    if (CheckTime < CurrTime) {
        CheckTime = CurrTime + 1000;
        CurrFps = FPSCounter;
        FPSCounter = 0;
    } else {
        FPSCounter += 1;
    }
}

void TDeltaTime::RestartFpsCount() {
    CheckTime = CurrTime + 1000;
    CurrFps = 0;
    FPSCounter = 0;
}

const std::vector<TDeltaTime*>& TDeltaTime::AllTimers() { return Timers(); }
