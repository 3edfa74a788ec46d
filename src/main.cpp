// The brambleton executable: everything lives in the game library.
#include "app/app.h"

int main(int argc, char** argv) { return RunGame(argc, argv); }
