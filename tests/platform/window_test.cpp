// The windowed path with SDL's dummy video driver, and the refusal to start
// without any display.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"

namespace {
// Sets or clears environment variables for one scope.
class EnvScope {
public:
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr, old != nullptr ? old : ""});
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~EnvScope() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->had) {
                setenv(it->name.c_str(), it->value.c_str(), 1);
            } else {
                unsetenv(it->name.c_str());
            }
        }
    }

private:
    struct Saved {
        std::string name;
        bool had;
        std::string value;
    };
    std::vector<Saved> saved_;
};

Image White(int w, int h) {
    std::vector<std::uint8_t> px(static_cast<std::size_t>(w) * h * 4, 255);
    return GfxCreateImage(w, h, px.data(), 0);
}

int Green(int x, int y) { return GfxGrabPixmap(x, y, 1, 1).rgba[1]; }
}  // namespace

TEST(Window, StartingWithoutAnyDisplayFailsUnlessHeadless) {
    EnvScope env;
    env.Set("DISPLAY", nullptr);
    env.Set("WAYLAND_DISPLAY", nullptr);
    env.Set("SDL_VIDEODRIVER", nullptr);
    PlatformConfig config;
    config.audio = false;
    EXPECT_FALSE(PlatformInit(config));
    EXPECT_FALSE(PlatformHasWindow());
    config.renderer = RendererKind::Null;  // draws nothing, so needs no display
    EXPECT_TRUE(PlatformInit(config));
    EXPECT_TRUE(GfxOpen(1024, 768, 0, 60, 0));
    EXPECT_FALSE(PlatformHasWindow());
    config.renderer = RendererKind::Software;
    config.headless = true;
    EXPECT_TRUE(PlatformInit(config));
    EXPECT_TRUE(GfxOpen(1024, 768, 0, 60, 0));
    EXPECT_FALSE(PlatformHasWindow());
    SysNotify("A headless run prints this and goes on.", true);
    EXPECT_EQ(SysRequestFile("Open", "Levels:txt", false, ""), "");
    PlatformShutdown();
}

TEST(Window, WindowReopensInPlaceAndKeepsItsPictures) {
    // SDL's dummy drivers: a window and a sound device that show and play nothing.
    EnvScope env;
    env.Set("SDL_VIDEODRIVER", "dummy");
    env.Set("SDL_AUDIODRIVER", "dummy");
    PlatformConfig config;
    config.renderer = RendererKind::Software;
    config.fixedStep = true;
    config.audio = true;
    ASSERT_TRUE(PlatformInit(config));
    EXPECT_TRUE(SndDeviceOpen());
    EXPECT_EQ(PlatformGetConfig().renderer, RendererKind::Software);
    ASSERT_TRUE(GfxOpen(1024, 768, 0, 60, 0));
    EXPECT_TRUE(PlatformHasWindow());
    SysSetAppTitle("Brambleton test");
    SysSetWindowIcon();
    InSetCursorVisible(false);
    Image img = White(4, 4);
    GfxSetColor(0, 255, 0);
    GfxDrawImage(img, 10, 10);
    EXPECT_EQ(Green(11, 11), 255);
    GfxFlip(-1);
    SysPoll();

    // Full screen and the wide picture: same window, same textures.
    ASSERT_TRUE(GfxOpen(1366, 768, 32, 60, 0));
    GfxSetVirtualResolution(1366, 768);
    EXPECT_EQ(GfxVirtualWidth(), 1366);
    GfxCls();
    GfxDrawImage(img, 1300, 700);
    EXPECT_EQ(Green(1301, 701), 255);
    GfxFlip(-1);
    ASSERT_TRUE(GfxOpen(1024, 768, 0, 60, 0));
    GfxDrawImage(img, 20, 20);
    EXPECT_EQ(Green(21, 21), 255);
    EXPECT_EQ(SysMillisecs(), 33);
    PlatformShutdown();
    EXPECT_FALSE(PlatformHasWindow());
}

TEST(Window, SoftwareWindowsArePacedByTheTimerFromTheFirstFrame) {
    // A software renderer never waits for the display: judging whether it
    // does would let the first frames race unpaced and say so.
    EnvScope env;
    env.Set("SDL_VIDEODRIVER", "dummy");
    PlatformConfig config;
    config.renderer = RendererKind::Software;
    config.audio = false;
    ASSERT_TRUE(PlatformInit(config));
    ASSERT_TRUE(GfxOpen(320, 200, 0, 60, 0));
    testing::internal::CaptureStdout();
    const int start = SysMillisecs();
    for (int i = 0; i < 40; ++i) GfxFlip(-1);
    const int elapsed = SysMillisecs() - start;
    const std::string said = testing::internal::GetCapturedStdout();
    PlatformShutdown();
    EXPECT_EQ(said.find("Vertical sync"), std::string::npos) << said;
    EXPECT_GE(elapsed, 39 * 1000 / 60);  // 40 paced frames take 39 periods at least
}

namespace {
// A stand-in for the game's renderer trial: answers after `delay` seconds.
std::string FakeProbeProgram(const std::string& dir, const std::string& answer, const char* delay) {
    const std::string path = dir + "/probe.sh";
    FsSaveBytes("#!/bin/sh\nsleep " + std::string(delay) + "\nprintf '" + answer + "'\n", path);
    chmod(path.c_str(), 0755);
    return path;
}

std::string Memory(const std::string& path) { return FsLoadString(path); }
}  // namespace

TEST(Window, TheRendererTrialIsRememberedAndARememberedAnswerIsNotWaitedFor) {
    EnvScope env;
    env.Set("SDL_VIDEODRIVER", "dummy");
    const std::string dir = testing::TempDir() + "renderer_memory";
    std::filesystem::create_directories(dir);
    const std::string memory = dir + "/renderer.txt";
    std::filesystem::remove(memory);
    PlatformConfig config;
    config.audio = false;
    config.fixedStep = true;
    const std::string none = "created 0\\nname \\ngl \\n";
    const std::string cpu = "created 1\\nname opengl\\ngl llvmpipe (LLVM 15.0.6, 256 bits)\\n";

    // A first start waits for the trial and keeps its answer.
    config.rendererProbeProgram = FakeProbeProgram(dir, none, "0.2");
    ASSERT_TRUE(PlatformInit(config));
    PlatformRememberRendererIn(memory);
    testing::internal::CaptureStdout();
    ASSERT_TRUE(GfxOpen(320, 200, 0, 60, 0));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("no accelerated renderer"), std::string::npos);
    EXPECT_EQ(Memory(memory), "created 0\nname \ngl \n");
    PlatformShutdown();

    // A later start opens at once with what was found before, while a slow trial runs again;
    // its new answer is kept for the start after.
    FsSaveBytes("created 1\nname opengl\ngl llvmpipe (LLVM 15.0.6, 256 bits)\n", memory);
    config.rendererProbeProgram = FakeProbeProgram(dir, none, "0.5");
    ASSERT_TRUE(PlatformInit(config));
    PlatformRememberRendererIn(memory);
    testing::internal::CaptureStdout();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(GfxOpen(320, 200, 0, 60, 0));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_NE(testing::internal::GetCapturedStdout().find("llvmpipe"), std::string::npos);
    EXPECT_LT(waited, std::chrono::milliseconds(400));
    for (int i = 0; i < 200 && Memory(memory).find("created 0") == std::string::npos; ++i) {
        GfxFlip(-1);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(Memory(memory), "created 0\nname \ngl \n");
    PlatformShutdown();

    // A damaged memory is not trusted: the trial is waited for again.
    FsSaveBytes("created maybe\n", memory);
    config.rendererProbeProgram = FakeProbeProgram(dir, cpu, "0.1");
    ASSERT_TRUE(PlatformInit(config));
    PlatformRememberRendererIn(memory);
    testing::internal::CaptureStdout();
    ASSERT_TRUE(GfxOpen(320, 200, 0, 60, 0));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("rasterises on the CPU"), std::string::npos);
    EXPECT_NE(Memory(memory).find("llvmpipe"), std::string::npos);
    PlatformShutdown();
    PlatformRememberRendererIn("");
}
