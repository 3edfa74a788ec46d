// The referee of a whole-game run (--autoplay from the main menu): it keeps
// the quest log (one line printed per level won and per purchase or
// research), replays a lost level up to a bound of tries, says what the
// quest came to once the outro starts, and writes the balance report at the
// end of the program. It fails the run (exit status 1, with the reason) when
// a level is never won or a quest it played from level 1 ends with the
// village unfinished.
#pragma once

#include <array>
#include <memory>
#include <set>
#include <string>

#include "devtools/quest_log.h"

class TProfile;

class TQuestRun {
public:
    int maxAttempts = 5;    // tries of one level before the run fails
    std::string reportDir;  // where balance.md and balance.png go; "" for none
    TQuestLog log;

    // After every frame: purchases and researches seen on the profile, the
    // outro's start, and the main menu after it.
    void frame();
    // The level summary has credited the win of the level on the board.
    void levelWon();
    // The level on the board was lost. Ends the program when its tries are used up.
    void levelLost();
    // The outro has started: the quest is over and the player may leave.
    bool questOver() const { return outroSeen; }
    // Writes the balance report, when a folder was given.
    void writeReport() const;

private:
    const TProfile* watched = nullptr;
    std::set<int> itemsSeen;
    std::array<bool, 6> researchedSeen{};
    bool outroSeen = false;
    bool menuChecked = false;

    void watchProfile(const TProfile& profile);
    [[noreturn]] void fail(const std::string& why);
};

// Makes the referee and runs it after every frame; the report is written at exit.
std::shared_ptr<TQuestRun> StartQuestRun(const std::string& reportDir);
