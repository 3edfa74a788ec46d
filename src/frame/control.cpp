#include "frame/control.h"

#include <cstdio>
#include <map>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/screen.h"
#include "platform/platform.h"

namespace {
struct ScreenEntry {
    const char* label;
    ScreenRunner run;
};

std::map<int, ScreenEntry>& Table() {
    static std::map<int, ScreenEntry> table = {
        {SCREEN_MAIN_MENU, {"mainMenu", {}}},
        {SCREEN_MATCH3, {"mainGame", {}}},
        {SCREEN_LAND, {"Land Screen", {}}},
        {SCREEN_PUZZLE, {"puzzleGame", {}}},
        {SCREEN_INTRO, {"Intro", {}}},
        {SCREEN_OUTRO, {"Outro", {}}},
        {QUEST_START_NEW, {"StartNewGame", {}}},
        {QUEST_NEXT_LEVEL, {"QuestNextLevel", {}}},
        {QUEST_CONTINUE, {"Continueing game", {}}},
        {QUEST_RESTART_LEVEL, {"Restart level", {}}},
    };
    return table;
}

[[noreturn]] void ErrorStop() {
    std::printf("zwrocono wartosc 0 z ekranu %s\n", lastScreen.c_str());
    SysNotify("Some bug with screen changing - lastScreen:" + lastScreen, false);
    EndProgram(0);
}
}  // namespace

void RegisterScreen(int code, ScreenRunner run) {
    auto it = Table().find(code);
    if (it != Table().end()) it->second.run = std::move(run);
}

bool IsScreenRegistered(int code) {
    auto it = Table().find(code);
    return it != Table().end() && it->second.run;
}

std::string ScreenLabel(int code) {
    auto it = Table().find(code);
    return it == Table().end() ? "" : it->second.label;
}

int RunScreenCode(int code) {
    std::printf("where = %d\n", code);
    std::fflush(stdout);
    auto it = Table().find(code);
    // A code no screen answers to would otherwise loop for ever printing
    // itself; it stops like code 0, and so does a screen not built yet.
    if (it == Table().end() || !it->second.run) ErrorStop();
    lastScreen = it->second.label;
    return it->second.run();
}

void Control::mainloop() {
    for (;;) {
        where = RunScreenCode(where);
        ReleaseStillDrawing();
        SysReturnFreedMemory();  // what the screen left let go
    }
}
