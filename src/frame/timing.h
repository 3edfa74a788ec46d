// Frame timing: the global frame timer and the frame delta.
#pragma once

#include <vector>

class TDeltaTime {
public:
    int OldTime = 0;
    int ElapsedTime = 0;
    float dFps = 60;
    float dDelta = 1000.0f / 60.0f;
    int CurrFps = 0;
    int FPSCounter = 0;
    int CurrTime = 0;
    int CheckTime = -1;  // below any clock value: the first tick starts the first second

    TDeltaTime();
    TDeltaTime(const TDeltaTime&) = delete;
    TDeltaTime& operator=(const TDeltaTime&) = delete;
    virtual ~TDeltaTime();

    virtual void Destroy();
    static TDeltaTime* Create(float fps);
    virtual void Update();
    virtual int FPS() const { return CurrFps; }
    virtual float CurrDelta() const { return static_cast<float>(ElapsedTime) / dDelta; }
    virtual void SetFPS(float fps);
    // Starts a new second of counting with nothing counted; FPS reads 0 until
    // it is over. Ticks that flush a pause are no frames.
    void RestartFpsCount();

    static const std::vector<TDeltaTime*>& AllTimers();
};

extern TDeltaTime deltaTime;
