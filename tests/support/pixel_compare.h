// Comparing two grabs of the screen, pixel by pixel.
#pragma once

#include <string>

#include "platform/platform.h"

// Every channel of every pixel of `got` within `tolerance` of `want` (0: the same pixels); a
// failure names `what`, the worst pixel and how many channels differ.
void ExpectPixelsClose(const Pixmap& got, const Pixmap& want, int tolerance, const std::string& what = "");
