// The program: reads the command line, starts the platform and the game,
// and runs the top-level screen loop.
#pragma once

int RunGame(int argc, char** argv);
