// Sound's place in the game: the manager tied into the frame and the GUI, its
// lists read in the first loading step, the effects decoded a little in each
// loading frame, and the first seven music tracks made ready at their steps.
#pragma once

void RegisterSound();
