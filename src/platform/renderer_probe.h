// Trying the accelerated renderer in a child copy of the program. Loading an
// OpenGL driver only to learn that it rasterises on the CPU leaves its
// libraries in the game's memory for good (Mesa's llvmpipe: about 60 MiB
// resident); a child that tries it and exits costs the game nothing.
#pragma once

#include <string>

#include "platform/renderer_choice.h"

struct SDL_Window;
struct SDL_Renderer;

// Tries the accelerated renderer on `window` (vsync first) and notes what it is.
SDL_Renderer* GfxCreateAccelerated(SDL_Window* window, AcceleratedProbe& probe);

// The argument that makes the program a probe (see RunRendererProbe).
inline constexpr const char* kRendererProbeArg = "--probe-renderer";

// Starts the child (`program` kRendererProbeArg) without waiting for it; false
// when it could not be started.
bool StartRendererProbe(const std::string& program);
// The child's answer, waiting at most `waitMs` for it; false when no probe
// runs or it gave no answer in time (it is then stopped).
bool FinishRendererProbe(AcceleratedProbe& probe, int waitMs);
// The child's answer without waiting: None when no child runs, Running while it works,
// Answered (`probe` filled) or Failed once it has ended.
enum class ProbeCheck { None, Running, Answered, Failed };
ProbeCheck CheckRendererProbe(AcceleratedProbe& probe);
// The child's whole work: open a hidden window, try the accelerated renderer,
// print what it was (FormatProbeAnswer) and return the exit status.
int RunRendererProbe();

// The child's three lines and their reading back; false for anything else.
std::string FormatProbeAnswer(const AcceleratedProbe& probe);
bool ParseProbeAnswer(const std::string& text, AcceleratedProbe& probe);
