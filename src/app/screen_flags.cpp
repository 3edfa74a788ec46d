#include "app/screen_flags.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "devtools/virtual_player.h"
#include "frame/frame_loop.h"
#include "frame/names.h"
#include "match3/main_game.h"

namespace {
std::vector<std::pair<std::string, std::function<int()>>>& Flags() {
    static std::vector<std::pair<std::string, std::function<int()>>> flags;
    return flags;
}
}  // namespace

void AddScreenFlag(const std::string& name, std::function<int()> open) {
    Flags().emplace_back(name, std::move(open));
}

bool KnownScreenFlag(const std::string& name) {
    for (auto& flag : Flags())
        if (EqualNoCase(flag.first, name)) return true;
    return false;
}

std::string ScreenFlagNames() {
    std::string names;
    for (auto& [name, open] : Flags()) names += (names.empty() ? "" : ", ") + name;
    return names;
}

int PrepareScreenRun(const std::string& name, bool autoplay) {
    for (auto& [known, open] : Flags())
        if (EqualNoCase(known, name)) {
            if (autoplay) StartVirtualPlayer(mainGame);
            return open();
        }
    std::printf("No screen '%s' to open; --screen takes: %s\n", name.c_str(), ScreenFlagNames().c_str());
    EndProgram(2);
}
