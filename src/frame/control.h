// The top-level screen loop: runs the screen named by the screen code
// `where` and stores the code it returns, for ever.
#pragma once

#include <functional>
#include <string>

// Screen codes.
constexpr int SCREEN_ERROR = 0;
constexpr int SCREEN_MAIN_MENU = 1;
constexpr int SCREEN_MATCH3 = 2;
constexpr int SCREEN_LAND = 6;
constexpr int SCREEN_PUZZLE = 7;
constexpr int SCREEN_INTRO = 8;
constexpr int SCREEN_OUTRO = 9;
constexpr int QUEST_START_NEW = 101;
constexpr int QUEST_NEXT_LEVEL = 102;
constexpr int QUEST_CONTINUE = 104;
constexpr int QUEST_RESTART_LEVEL = 105;

using ScreenRunner = std::function<int()>;

// Makes a code of the table runnable; codes without a runner take the error
// stop.
void RegisterScreen(int code, ScreenRunner run);
bool IsScreenRegistered(int code);
// The label the table gives a code ("mainMenu", "mainGame", ...), or "" when
// the code is not in the table.
std::string ScreenLabel(int code);

// One pass of the loop: prints "where = ", runs the code and returns what it
// returned. Unknown or unbuilt codes and code 0 end the program.
int RunScreenCode(int code);

namespace Control {
[[noreturn]] void mainloop();
}
