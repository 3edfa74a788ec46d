// Which renderer draws into a window. An "accelerated" OpenGL renderer that
// rasterises on the CPU (Mesa's llvmpipe, softpipe, swrast) costs far more
// than SDL's own software renderer writing straight into the window, so the
// automatic choice takes the software path there.
#pragma once

#include <string>

#include "platform/platform.h"

// True for the OpenGL renderer names of software rasterisers.
bool IsSoftwareRasteriser(const std::string& glRenderer);

enum class WindowRenderer { Accelerated, Software };

// What the accelerated renderer turned out to be, when one was tried.
struct AcceleratedProbe {
    bool created = false;    // an accelerated renderer could be made
    std::string name;        // SDL's name for it ("opengl", "opengles2", ...)
    std::string glRenderer;  // OpenGL's GL_RENDERER string, "" when not OpenGL
};

// Gpu and Software are forced by the player; Auto keeps the accelerated
// renderer unless it failed or is a software rasteriser.
WindowRenderer ChooseWindowRenderer(RendererKind asked, const AcceleratedProbe& probe);

// The one line printed at start that says how frames are drawn and why.
std::string DescribeRendererChoice(RendererKind asked, const AcceleratedProbe& probe, WindowRenderer chosen);
