// The story's place in the game: the intro under screen code 8, the outro
// under 9 with the credits after it, their set-up steps, --screen intro and
// --screen outro, and the virtual player's hand on them.
#pragma once

struct CommandLine;

void RegisterStoryScreens(const CommandLine& cl);
