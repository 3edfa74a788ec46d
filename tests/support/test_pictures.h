// Pictures made in memory for tests that draw.
#pragma once

#include "platform/platform.h"

// A white ellipse of w x h pixels that fades from opaque in its middle to clear at its rim,
// handle in the middle: a stand-in for the game's particle pictures.
Image SoftBlob(int w, int h);
