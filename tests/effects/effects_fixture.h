// Shared set-up of the effect tests: a headless platform with a fixed-step
// clock, empty effect lists, empty hooks and a frame delta of 1 (60 Hz).
#pragma once

#include <gtest/gtest.h>

#include "audio/game_sound.h"
#include "effects/effects.h"
#include "frame/globals.h"
#include "support/headless_platform.h"

inline void ResetEffects() {
    ClearParticles();
    ClearCaptions();
    ClearOdpadeks();
    ClearFlyers();
    ClearFireWorks();
    ClearBombs();
    ClearSimpleFlyingObjects();
    EffectHooks() = TEffectHooks{};
    SoundHooks() = TSoundHooks{};
}

// Lets the fixed-step clock run for at least ms milliseconds.
inline void AdvanceClock(int ms) {
    const int target = SysMillisecs() + ms;
    while (SysMillisecs() < target) GfxFlip(0);
}

class EffectsTest : public ::testing::Test {
protected:
    explicit EffectsTest(RendererKind renderer = RendererKind::Null) : renderer_(renderer) {}
    void SetUp() override {
        ASSERT_TRUE(StartHeadlessPlatform(renderer_));
        RandSeed(1234);
        frameDelta = 1;
        ResetEffects();
    }
    void TearDown() override {
        ResetEffects();
        StopHeadlessPlatform();
    }

private:
    RendererKind renderer_;
};
