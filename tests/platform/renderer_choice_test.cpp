// Which renderer a window gets: software rasterisers behind OpenGL lead to
// SDL's software renderer unless the player forces one.
#include <gtest/gtest.h>

#include "platform/renderer_choice.h"
#include "platform/renderer_probe.h"

namespace {
AcceleratedProbe Gl(const std::string& name) { return {true, "opengl", name}; }
}  // namespace

TEST(RendererChoice, RecognisesSoftwareRasterisers) {
    EXPECT_TRUE(IsSoftwareRasteriser("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(IsSoftwareRasteriser("Gallium 0.4 on softpipe"));
    EXPECT_TRUE(IsSoftwareRasteriser("Mesa X11 swrast"));
    EXPECT_TRUE(IsSoftwareRasteriser("Software Rasterizer"));
    EXPECT_TRUE(IsSoftwareRasteriser("LLVMPIPE"));
    EXPECT_FALSE(IsSoftwareRasteriser("AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)"));
    EXPECT_FALSE(IsSoftwareRasteriser("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    EXPECT_FALSE(IsSoftwareRasteriser(""));
}

TEST(RendererChoice, AutomaticChoiceLeavesCpuRasterisersAndFailures) {
    EXPECT_EQ(ChooseWindowRenderer(RendererKind::Auto, Gl("llvmpipe (LLVM 15.0.6, 256 bits)")),
              WindowRenderer::Software);
    EXPECT_EQ(ChooseWindowRenderer(RendererKind::Auto, Gl("NVIDIA GeForce GTX 1060/PCIe/SSE2")),
              WindowRenderer::Accelerated);
    // Not OpenGL (no name to judge): trusted as accelerated.
    EXPECT_EQ(ChooseWindowRenderer(RendererKind::Auto, {true, "vulkan", ""}), WindowRenderer::Accelerated);
    EXPECT_EQ(ChooseWindowRenderer(RendererKind::Auto, {}), WindowRenderer::Software);
}

TEST(RendererChoice, FlagsOverrideTheAutomaticChoice) {
    EXPECT_EQ(ChooseWindowRenderer(RendererKind::Gpu, Gl("llvmpipe")), WindowRenderer::Accelerated);
    EXPECT_EQ(ChooseWindowRenderer(RendererKind::Software, Gl("NVIDIA GeForce GTX 1060")),
              WindowRenderer::Software);
    // Forcing the GPU where none can be made still gives a picture.
    EXPECT_EQ(ChooseWindowRenderer(RendererKind::Gpu, {}), WindowRenderer::Software);
}

TEST(RendererChoice, TheStartLineSaysWhatDrawsAndWhy) {
    const auto cpu = Gl("llvmpipe (LLVM 15.0.6, 256 bits)");
    EXPECT_EQ(DescribeRendererChoice(RendererKind::Auto, cpu, WindowRenderer::Software),
              "Renderer: software (the accelerated renderer rasterises on the CPU: opengl, "
              "llvmpipe (LLVM 15.0.6, 256 bits)).");
    EXPECT_EQ(DescribeRendererChoice(RendererKind::Gpu, cpu, WindowRenderer::Accelerated),
              "Renderer: accelerated (opengl, llvmpipe (LLVM 15.0.6, 256 bits)), as asked.");
    EXPECT_EQ(DescribeRendererChoice(RendererKind::Software, {}, WindowRenderer::Software),
              "Renderer: software, as asked.");
    EXPECT_EQ(DescribeRendererChoice(RendererKind::Auto, {}, WindowRenderer::Software),
              "Renderer: software (no accelerated renderer).");
}

TEST(RendererProbe, TheChildsAnswerIsReadBackAndNothingElseIs) {
    const AcceleratedProbe gl{true, "opengl", "Mesa Intel(R) UHD Graphics 620 (KBL GT2)"};
    AcceleratedProbe read;
    ASSERT_TRUE(ParseProbeAnswer(FormatProbeAnswer(gl), read));
    EXPECT_TRUE(read.created);
    EXPECT_EQ(read.name, gl.name);
    EXPECT_EQ(read.glRenderer, gl.glRenderer);
    ASSERT_TRUE(ParseProbeAnswer(FormatProbeAnswer(AcceleratedProbe{}), read));
    EXPECT_FALSE(read.created);
    EXPECT_EQ(read.glRenderer, "");
    // A child that died half-way, or printed something else, tells nothing.
    AcceleratedProbe untouched;
    EXPECT_FALSE(ParseProbeAnswer("", untouched));
    EXPECT_FALSE(ParseProbeAnswer("created 1\nname opengl\n", untouched));
    EXPECT_FALSE(ParseProbeAnswer("created yes\nname opengl\ngl x\n", untouched));
    EXPECT_FALSE(ParseProbeAnswer("Segmentation fault\n\n\n", untouched));
    EXPECT_FALSE(untouched.created);
}

TEST(RendererProbe, NoChildMeansNoAnswer) {
    AcceleratedProbe probe;
    EXPECT_FALSE(FinishRendererProbe(probe, 0));
    // A program that cannot be started gives no answer either, at once.
    ASSERT_TRUE(StartRendererProbe("/nonexistent/brambleton"));
    EXPECT_FALSE(FinishRendererProbe(probe, 2000));
    EXPECT_FALSE(probe.created);
}
