// A throw-away game folder with a small sound list of constant-level WAV
// files, on the headless platform (silent mixer), for the manager's tests.
#pragma once

#include <filesystem>
#include <string>

#include "audio/global_snd.h"
#include "support/headless_platform.h"

// Writes a mono 16-bit WAV of `seconds` at the constant level `value` (-1..1).
void WriteConstantWav(const std::string& path, double seconds, float value);
// Left output of the next mixed frame: the sum of every playing channel's level x volume.
float MixOneFrame();
// Mixes `seconds` of output (the silent device only moves when mixed).
void MixSeconds(double seconds);

class AudioTest : public HeadlessPlatformTest {
protected:
    void SetUp() override;
    void TearDown() override;
    void WriteSoundList(const std::string& text);
    // Runs `frames` manager updates at the current frame delta.
    void Frames(int frames);

    std::filesystem::path dir;
    std::string savedGameDir;
    TGlobalSnd snd;
    int now = 100000;  // the manager's clock in these tests
};
