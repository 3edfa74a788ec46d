// The village animals' frame sets: bird, hen, pig, mole, rabbit and sheep,
// each a readable cycle, facing left, drawn centred (the game mirrors them).
#pragma once

#include "sink.h"

namespace art {

void DrawAnimals(Sink& sink);

}  // namespace art
