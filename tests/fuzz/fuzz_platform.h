// The platform a fuzzer draws and loads on: headless, no pixels drawn, no sound, the game's own
// clock; true when it opened.
#pragma once

#include "platform/platform.h"

inline bool OpenFuzzPlatform() {
    PlatformConfig config;
    config.headless = true;
    config.renderer = RendererKind::Null;
    config.fixedStep = true;
    config.audio = false;
    return PlatformInit(config) && GfxOpen(1024, 768, 0, 60, 0);
}
