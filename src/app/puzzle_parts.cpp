#include "app/puzzle_parts.h"

#include <cctype>
#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "devtools/virtual_player_puzzle.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/loading_steps.h"
#include "puzzles/puzzle_game.h"
#include "puzzles/puzzle_level.h"
#include "quest/profile.h"
#include "village/land_screen.h"

namespace {
std::string PuzzlePath(int puzzleId) {
    return gameDir + "data/puzzles/puzzle-" + std::to_string(puzzleId) + ".txt";
}

// The village behind a puzzle that was not started from it (a resumed
// quest, --puzzle): its buildings and offers as the profile has them, already
// faded in, without the land screen's entry (no save, no music).
void PrepareVillageBehind() {
    landScreen._prepareSelf();
    landScreen._prepareResources();
    landScreen._prepareBuildings();
    landScreen._prepareAnims();
    landScreen._prepareItems();
    landScreen.fade = 0;
}

// A puzzle number as the player's files write it: digits only, no sign.
int PuzzleNumber(const std::string& text) {
    if (text.empty() || text.size() > 6) return -1;
    for (char ch : text)
        if (!std::isdigit(static_cast<unsigned char>(ch))) return -1;
    return std::stoi(text);
}
}  // namespace

void RegisterPuzzles() {
    // Step numbers follow the loading order.
    AddLoadingStep(41, "puzzle game", [] { puzzleGame.setup(); });
    AddLanguageStep("puzzle game", [] { puzzleGame.setup(); });
    AddLoadingStep(42, "memory symbols", LoadMemorySymbols);
    AddLoadingStep(43, "pair symbols", LoadPuzzleSymbols);
    // The symbols are held only while a puzzle is played.
    AddLoadingStep(43, "puzzle pictures", [] {
        for (const Image& img : pairSymbols) puzzleGame.shownOnly(img);
        for (const Image& img : memorySymbols) puzzleGame.shownOnly(img);
        for (const Image& img : memoryCardSides) puzzleGame.shownOnly(img);
    });
    // A quest saved inside a puzzle comes back to it over its village.
    RegisterScreen(SCREEN_PUZZLE, [] {
        PrepareVillageBehind();
        return puzzleGame.mainLoop();
    });
    landScreen.hooks.runPuzzle = [](int puzzleId) {
        auto level = LoadPuzzleLevel(PuzzlePath(puzzleId));
        if (!level) return;  // the message is printed; the offer stays
        puzzleGame.setData(level, puzzleId);
        puzzleGame.mainLoop();
    };
    ProfileHooks().loadPuzzle = [](const std::string& path, int puzzleId) {
        puzzleGame.setData(LoadPuzzleLevel(path), puzzleId);
    };
}

int PreparePuzzleRun(const CommandLine& cl) {
    const int number = PuzzleNumber(cl.puzzle);
    const std::string path = number >= 0 ? PuzzlePath(number) : cl.puzzle;
    auto level = LoadPuzzleLevel(path);
    if (!level) {
        std::printf("The puzzle file %s holds no playable puzzle\n", path.c_str());
        EndProgram(1);
    }
    // A puzzle by its number wins its blueprint for the current profile; a
    // puzzle file wins nothing.
    puzzleGame.setData(level, number >= 0 ? number : 0);
    const bool replay = cl.frames > 0;
    RegisterScreen(SCREEN_PUZZLE, [path, number, replay] {
        PrepareVillageBehind();
        const int result = puzzleGame.mainLoop();
        std::printf("puzzle result = %d\n", result);
        std::fflush(stdout);
        if (actProfile) SaveAll();
        if (!replay) EndProgram(0);
        // With a frame limit the puzzle is played again until the limit.
        puzzleGame.setData(LoadPuzzleLevel(path), number >= 0 ? number : 0);
        return SCREEN_PUZZLE;
    });
    if (cl.autoplay) StartPuzzlePlayer();
    return SCREEN_PUZZLE;
}
