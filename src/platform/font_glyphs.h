// Which letters a font has (the checks that every text of every language can be drawn).
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Whether `font` can draw the code point, with its own letter or its fallback's (not the empty
// box of a missing one).
bool GfxFontHasGlyph(const Font& font, std::uint32_t codePoint);
