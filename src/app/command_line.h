// The command line of the brambleton program.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

struct CommandLine {
    int displayMode = -1;  // -1 from the settings, 0 --windowed, 1 --fullscreen
    bool headless = false;
    RendererKind renderer = RendererKind::Gpu;
    bool rendererGiven = false;
    bool fixedStep = false;
    bool seedGiven = false;
    int seed = 0;
    long frames = 0;  // 0: no limit
    std::string screenshot;
    std::string record;
    std::string replay;
    std::string userDir;
    std::string language;    // a language code for this run only ("": the settings' choice)
    std::string dataDir;     // the resource folder; "" to look for it
    std::string gui;         // a GUI script to preview
    std::string level;       // quest level number or level file
    std::string puzzle;      // puzzle number or puzzle file
    std::string screen;      // a screen to open directly ("village", ...)
    std::string checkLevel;  // a level file to check: loader messages, ten autoplayed seeds
    std::string levelSheet;  // a PNG to draw every level's starting board into
    std::string levelsDir;   // the level files of the sheet; "" the game's own
    bool autoplay = false;
    bool skipStory = false;  // the virtual player skips the intro
    std::string player;      // --player: the virtual player's model (empty: today's quick player)
    bool moveEveryGiven = false;
    long moveEveryMs = 200;  // the virtual player's thinking time before each move on the board
    std::string frameStats;
    std::string balanceReport;  // folder of a whole-game run's balance.md and balance.png
    bool unlockPowerups = false;
    bool help = false;
    bool version = false;
};

// Fills `out`; on a bad argument returns false with the reason in `error`.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error);
std::string CommandLineHelp();
std::string VersionText();  // "brambleton" and the version, one line
