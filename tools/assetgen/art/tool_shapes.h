// The six power-up tools, drawn at any size (power-up slots, aimed tools,
// research icons).
#pragma once

#include "paint.h"

namespace art {

// Tool 0 hammer, 1 hourglass, 2 pickaxe, 3 dynamite, 4 bomb, 5 colour, in a box of size s.
void DrawTool(cairo_t* cr, int tool, double cx, double cy, double s);

}  // namespace art
