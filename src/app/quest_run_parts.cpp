#include "app/quest_run_parts.h"

#include "app/command_line.h"
#include "devtools/virtual_player.h"
#include "devtools/virtual_player_quest.h"
#include "frame/control.h"
#include "match3/main_game.h"

std::shared_ptr<TVirtualPlayer> StartCommandLinePlayer(const CommandLine& cl) {
    auto player = StartVirtualPlayer(mainGame);
    const TPlayerModel* model = cl.player.empty() ? nullptr : FindPlayerModel(cl.player);
    if (model) player->playAs(*model);
    if (!model || cl.moveEveryGiven) player->thinkBeforeEachMove(cl.moveEveryMs);
    return player;
}

void StartWholeGameRun(const CommandLine& cl) {
    auto player = StartCommandLinePlayer(cl);
    auto run = StartQuestRun(cl.balanceReport);
    player->frontEnd.leaveNow = [run] { return run->questOver(); };
    // The level-end dialogs tell the referee how each try ended.
    TMainGameHooks& game = mainGame.hooks;
    game.runSummary = [run, summary = game.runSummary] {
        const int code = summary ? summary() : QUEST_NEXT_LEVEL;
        run->levelWon();
        return code;
    };
    game.runLose = [run, lose = game.runLose] {
        run->levelLost();
        return lose ? lose() : QUEST_RESTART_LEVEL;
    };
}
