// The story's place in the game: the adviser's tutorial tips loaded in their
// set-up step and called by the match-3, land and puzzle screens (which also
// tell the tips the puzzle's kind).
#pragma once

void RegisterStory();
