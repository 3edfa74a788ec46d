#include "platform/renderer_probe.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "platform/platform_internal.h"

namespace {
pid_t gChild = -1;
int gAnswerFd = -1;
std::string gText;  // what the child printed so far

// Stops listening to the child (killing it unless it ended) and reaps it.
void EndChild(bool kill) {
    if (kill) ::kill(gChild, SIGKILL);
    close(gAnswerFd);
    gAnswerFd = -1;
    int status = 0;
    while (waitpid(gChild, &status, 0) < 0 && errno == EINTR) {}
    gChild = -1;
}

// Reads what the child prints until it closes its end (true) or `waitMs` ran out (false).
bool ReadAnswer(int waitMs) {
    const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(std::max(0, waitMs));
    char buf[512];
    for (;;) {
        const Uint64 now = SDL_GetTicks64();
        pollfd p{gAnswerFd, POLLIN, 0};
        const int ready = poll(&p, 1, now >= deadline ? 0 : static_cast<int>(deadline - now));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        const ssize_t n = read(gAnswerFd, buf, sizeof buf);
        if (n > 0) {
            gText.append(buf, static_cast<size_t>(n));
        } else if (n == 0) {
            return true;
        } else if (errno != EINTR) {
            return false;
        }
    }
}
}  // namespace

namespace {
// OpenGL's name for what draws (GL_RENDERER), read through the renderer's
// current context; "" for renderers that are not OpenGL.
std::string GlRendererName(SDL_Renderer* r) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(r, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) {
        return "";
    }
    using GetString = const unsigned char* (*)(unsigned int);
    constexpr unsigned int kGlRenderer = 0x1F01;
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString != nullptr ? getString(kGlRenderer) : nullptr;
    return name != nullptr ? reinterpret_cast<const char*>(name) : "";
}
}  // namespace

SDL_Renderer* GfxCreateAccelerated(SDL_Window* window, AcceleratedProbe& probe) {
    const Uint32 flags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
    SDL_Renderer* r = SDL_CreateRenderer(window, -1, flags | SDL_RENDERER_PRESENTVSYNC);
    if (r == nullptr) {
        r = SDL_CreateRenderer(window, -1, flags);
    }
    if (r != nullptr) {
        SDL_RendererInfo info;
        probe.created = true;
        probe.name = SDL_GetRendererInfo(r, &info) == 0 ? info.name : "?";
        probe.glRenderer = GlRendererName(r);
    }
    return r;
}

bool StartRendererProbe(const std::string& program) {
    if (gChild > 0 || program.empty()) return false;
    int fds[2];
    if (pipe(fds) != 0) return false;
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        // The driver's own complaints are not the game's.
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) dup2(quiet, STDERR_FILENO);
        execl(program.c_str(), program.c_str(), kRendererProbeArg, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    gChild = pid;
    gAnswerFd = fds[0];
    gText.clear();
    return true;
}

bool FinishRendererProbe(AcceleratedProbe& probe, int waitMs) {
    if (gChild <= 0) return false;
    const bool answered = ReadAnswer(waitMs);
    EndChild(!answered);
    return answered && ParseProbeAnswer(gText, probe);
}

ProbeCheck CheckRendererProbe(AcceleratedProbe& probe) {
    if (gChild <= 0) return ProbeCheck::None;
    if (!ReadAnswer(0)) return ProbeCheck::Running;
    EndChild(false);
    return ParseProbeAnswer(gText, probe) ? ProbeCheck::Answered : ProbeCheck::Failed;
}

int RunRendererProbe() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("%s", FormatProbeAnswer(AcceleratedProbe{}).c_str());
        return 0;
    }
    AcceleratedProbe probe;
    SDL_Window* window = SDL_CreateWindow("probe", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 64, 64,
                                          SDL_WINDOW_HIDDEN);
    if (window != nullptr) {
        SDL_Renderer* r = GfxCreateAccelerated(window, probe);
        if (r != nullptr) SDL_DestroyRenderer(r);
        SDL_DestroyWindow(window);
    }
    std::printf("%s", FormatProbeAnswer(probe).c_str());
    std::fflush(stdout);
    SDL_Quit();
    return 0;
}

std::string FormatProbeAnswer(const AcceleratedProbe& probe) {
    return std::string("created ") + (probe.created ? "1" : "0") + "\nname " + probe.name + "\ngl " +
           probe.glRenderer + "\n";
}

bool ParseProbeAnswer(const std::string& text, AcceleratedProbe& probe) {
    std::istringstream in(text);
    std::string created, name, gl;
    if (!std::getline(in, created) || !std::getline(in, name) || !std::getline(in, gl)) return false;
    if ((created != "created 0" && created != "created 1") || name.rfind("name ", 0) != 0 ||
        gl.rfind("gl ", 0) != 0) {
        return false;
    }
    probe.created = created == "created 1";
    probe.name = name.substr(5);
    probe.glRenderer = gl.substr(3);
    return true;
}
