#include "platform/renderer_choice.h"

#include <algorithm>
#include <cctype>

bool IsSoftwareRasteriser(const std::string& glRenderer) {
    std::string lower = glRenderer;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* cpu : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
        if (lower.find(cpu) != std::string::npos) return true;
    }
    return false;
}

WindowRenderer ChooseWindowRenderer(RendererKind asked, const AcceleratedProbe& probe) {
    if (asked == RendererKind::Software || !probe.created) return WindowRenderer::Software;
    if (asked == RendererKind::Auto && IsSoftwareRasteriser(probe.glRenderer)) {
        return WindowRenderer::Software;
    }
    return WindowRenderer::Accelerated;
}

std::string DescribeRendererChoice(RendererKind asked, const AcceleratedProbe& probe, WindowRenderer chosen) {
    const std::string what = probe.name + (probe.glRenderer.empty() ? "" : ", " + probe.glRenderer);
    if (chosen == WindowRenderer::Accelerated) {
        return "Renderer: accelerated (" + what + ")" + (asked == RendererKind::Gpu ? ", as asked." : ".");
    }
    if (asked == RendererKind::Software) return "Renderer: software, as asked.";
    if (!probe.created) return "Renderer: software (no accelerated renderer).";
    return "Renderer: software (the accelerated renderer rasterises on the CPU: " + what + ").";
}
