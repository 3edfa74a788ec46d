// The puzzles' place in the game: the puzzle screen under screen code 7, its
// set-up steps, the village's and the profile's ways into it, and --puzzle.
#pragma once

struct CommandLine;

void RegisterPuzzles();
// --puzzle N|PATH: prepares the run of one puzzle file and returns the
// screen code to start with.
int PreparePuzzleRun(const CommandLine& cl);
