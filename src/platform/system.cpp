// The clock, window activity and close requests, message boxes, the window
// title and icon, the file dialog, and memory handed back to the system.
#include <sys/wait.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/notify_batch.h"
#include "platform/platform_internal.h"
#include "platform/process.h"

namespace {
bool gSuspended = false;
bool gCloseRequested = false;
std::int64_t gFlips = 0;
std::int64_t gFixedClockExtraMs = 0;  // stalls simulated by tests
Uint64 gStart = 0;
std::string gHeadlessFileAnswer;  // what a file dialog answers without a display

bool OnPath(const char* program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return false;
    }
    std::string dirs = path;
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) {
            end = dirs.size();
        }
        const std::string candidate = dirs.substr(start, end - start) + "/" + program;
        if (end > start && access(candidate.c_str(), X_OK) == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

// "Text files:txt;Pictures:png,jpg" -> zenity filters "Text files | *.txt".
void AddFilters(const std::string& filter, std::vector<std::string>& args) {
    std::size_t start = 0;
    while (start < filter.size()) {
        std::size_t end = filter.find(';', start);
        if (end == std::string::npos) {
            end = filter.size();
        }
        const std::string pair = filter.substr(start, end - start);
        start = end + 1;
        const std::size_t colon = pair.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::string arg = "--file-filter=" + pair.substr(0, colon) + " |";
        std::string exts = pair.substr(colon + 1) + ",";
        for (std::size_t p = 0, q; (q = exts.find(',', p)) != std::string::npos; p = q + 1) {
            std::string ext = exts.substr(p, q - p);
            if (ext.empty()) {
                continue;
            }
            arg += " " + (ext.find('*') == std::string::npos ? "*." + ext : ext);
        }
        args.push_back(arg);
    }
}

}  // namespace

void SysResetState() {
    gSuspended = false;
    gCloseRequested = false;
    gFlips = 0;
    gFixedClockExtraMs = 0;
    gStart = SDL_GetPerformanceCounter();
}

void SysOnFlip() { ++gFlips; }

int SysMillisecs() {
    if (PlatformConfigRef().fixedStep) {
        // Whole frames: 60 flips are exactly 1000 ms.
        return static_cast<int>(gFlips * 1000 / 60 + gFixedClockExtraMs);
    }
    if (gStart == 0) {
        gStart = SDL_GetPerformanceCounter();
    }
    const double ticks = static_cast<double>(SDL_GetPerformanceCounter() - gStart);
    return static_cast<int>(ticks * 1000.0 / static_cast<double>(SDL_GetPerformanceFrequency()));
}

void SysAdvanceFixedClock(int ms) {
    if (PlatformConfigRef().fixedStep) {
        gFixedClockExtraMs += ms;
    }
}

void SysSetSuspended(bool suspended) { gSuspended = suspended; }
void SysRequestClose() { gCloseRequested = true; }

bool SysAppSuspended() { return gSuspended; }

bool SysAppTerminate() {
    const bool requested = gCloseRequested;
    gCloseRequested = false;
    return requested;
}

namespace {
struct NotifyBatchState {
    int depth = 0;
    std::string source;
    std::string kept;  // the lines printed, for the one box
    int count = 0;
    bool serious = false;
};
NotifyBatchState gBatch;
int gBoxesShown = 0;

void ShowBox(const std::string& text, bool serious) {
    ++gBoxesShown;
    const GfxState& g = GfxS();
    if (g.window != nullptr && !PlatformConfigRef().headless) {
        SDL_ShowSimpleMessageBox(serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION, g.title.c_str(),
                                 text.c_str(), g.window);
    }
}
}  // namespace

void SysBeginNotifyBatch(const std::string& source) {
    if (gBatch.depth++ == 0) gBatch = NotifyBatchState{1, source, "", 0, false};
}

void SysEndNotifyBatch() {
    if (gBatch.depth == 0 || --gBatch.depth > 0) return;
    if (gBatch.count == 0) return;
    std::string text = gBatch.source + ":\n" + gBatch.kept;
    if (gBatch.count > SYS_NOTIFY_BATCH_LINES) {
        const std::string more =
            "... and " + std::to_string(gBatch.count - SYS_NOTIFY_BATCH_LINES) + " more messages like these";
        std::printf("%s\n", more.c_str());
        std::fflush(stdout);
        text += more;
    }
    ShowBox(text, gBatch.serious);
}

int SysNotifyBoxCount() { return gBoxesShown; }

void SysNotify(const std::string& text, bool serious) {
    if (gBatch.depth > 0) {
        gBatch.serious = gBatch.serious || serious;
        if (++gBatch.count > SYS_NOTIFY_BATCH_LINES) return;
        gBatch.kept += text + "\n";
    }
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
    if (gBatch.depth == 0) ShowBox(text, serious);
}

void SysSetAppTitle(const std::string& text) {
    GfxState& g = GfxS();
    g.title = text;
    if (g.window != nullptr) {
        SDL_SetWindowTitle(g.window, text.c_str());
    }
}

void SysSetWindowIcon() {
    GfxState& g = GfxS();
    if (g.window == nullptr) {
        return;
    }
    SDL_Surface* icon = GfxMakeIconSurface();
    if (icon != nullptr) {
        SDL_SetWindowIcon(g.window, icon);
        SDL_FreeSurface(icon);
    }
}

std::string SysProgramDir() {
    char* base = SDL_GetBasePath();  // works before SDL_Init
    if (base == nullptr) {
        return "";
    }
    std::string dir = base;
    SDL_free(base);
    return dir;
}

// A bramble leaf with three berries, drawn in code so no file is needed.
SDL_Surface* GfxMakeIconSurface() {
    constexpr int kSize = 32;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, kSize, kSize, 32, SDL_PIXELFORMAT_RGBA32);
    if (s == nullptr) {
        return nullptr;
    }
    struct Disc {
        float x, y, r;
        Uint8 cr, cg, cb;
    };
    const Disc discs[] = {{16, 15, 14, 58, 122, 52},
                          {11, 20, 5.5f, 122, 24, 72},
                          {20, 21, 5.5f, 98, 18, 64},
                          {16, 12, 5.5f, 140, 30, 84}};
    auto* px = static_cast<Uint8*>(s->pixels);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Uint8* p = px + y * s->pitch + x * 4;
            p[0] = p[1] = p[2] = p[3] = 0;
            for (const Disc& d : discs) {
                const float dist = std::hypot(x + 0.5f - d.x, y + 0.5f - d.y);
                if (dist <= d.r) {
                    const float shade = 1.0f - 0.35f * dist / d.r;  // a little roundness
                    p[0] = static_cast<Uint8>(d.cr * shade);
                    p[1] = static_cast<Uint8>(d.cg * shade);
                    p[2] = static_cast<Uint8>(d.cb * shade);
                    p[3] = 255;
                }
            }
        }
    }
    return s;
}

std::string SysRequestFile(const std::string& title, const std::string& filter, bool save,
                           const std::string& path) {
    if (PlatformConfigRef().headless) {
        return gHeadlessFileAnswer;
    }
    if (!OnPath("zenity")) {
        return "";
    }
    std::vector<std::string> args = {"zenity", "--file-selection", "--title=" + title};
    if (save) {
        args.emplace_back("--save");
        args.emplace_back("--confirm-overwrite");
    }
    if (!path.empty()) {
        args.push_back("--filename=" + path);
    }
    AddFilters(filter, args);
    std::string out;
    if (SysRunProgram(args, out) != 0) {
        return "";
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) {
        out.pop_back();
    }
    return out;
}

void SysSetHeadlessFileAnswer(const std::string& path) { gHeadlessFileAnswer = path; }

void SysReturnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
