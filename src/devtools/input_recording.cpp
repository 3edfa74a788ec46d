#include "devtools/input_recording.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>

#include "frame/frame_loop.h"

namespace {
constexpr const char* kHeader = "brambleton-input 1";

// Positions far beyond any screen are damage: the game turns the mouse
// position into whole pixels, and 3e38 has no int.
bool OnAnyScreen(float v) { return std::isfinite(v) && std::fabs(v) < 1e6f; }
}  // namespace

std::string FormatRecording(const std::vector<RecordedEvent>& events) {
    std::string out = std::string(kHeader) + "\n";
    char line[128];
    for (const auto& r : events) {
        std::snprintf(line, sizeof line, "%ld %d %.3f %.3f %d\n", r.frame, static_cast<int>(r.event.kind),
                      static_cast<double>(r.event.x), static_cast<double>(r.event.y), r.event.code);
        out += line;
    }
    return out;
}

bool ParseRecording(const std::string& text, std::vector<RecordedEvent>& events, std::string& error) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line.rfind(kHeader, 0) != 0) {
        error = "not an input recording";
        return false;
    }
    int lineNo = 1;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line == "\r") continue;
        std::istringstream fields(line);
        RecordedEvent r;
        int kind = -1;
        if (!(fields >> r.frame >> kind >> r.event.x >> r.event.y >> r.event.code) || kind < 0 ||
            kind > static_cast<int>(InputEvent::Close) || r.frame < 0 || !OnAnyScreen(r.event.x) ||
            !OnAnyScreen(r.event.y)) {
            std::printf("Skipping bad line %d of the input recording\n", lineNo);
            continue;
        }
        r.event.kind = static_cast<InputEvent::Kind>(kind);
        events.push_back(r);
    }
    return true;
}

void StartRecording(const std::string& path) {
    auto events = std::make_shared<std::vector<RecordedEvent>>();
    InSetEventObserver([events](const InputEvent& e) { events->push_back({FrameCount(), e}); });
    AddExitHook([events, path] {
        InSetEventObserver({});
        if (!FsSaveBytes(FormatRecording(*events), path))
            std::printf("Could not write the input recording %s\n", path.c_str());
    });
}

bool StartReplay(const std::string& path) {
    if (FsFileType(path) != 1) {
        std::printf("Input recording not found: %s\n", path.c_str());
        return false;
    }
    auto events = std::make_shared<std::vector<RecordedEvent>>();
    std::string error;
    if (!ParseRecording(FsLoadString(path), *events, error)) {
        std::printf("%s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    InIgnoreSystemInput(true);
    auto next = std::make_shared<size_t>(0);
    // Events recorded while frame N was current were applied by the poll
    // that follows frame N's presentation; queue them at the same moment.
    auto feed = [events, next] {
        while (*next < events->size() && (*events)[*next].frame <= FrameCount()) {
            InPushEvent((*events)[*next].event);
            ++*next;
        }
    };
    feed();
    AddAfterAnyFrameHook(feed);
    return true;
}
