// The font cache every screen gets its fonts from: one loaded font per path
// (compared without case) and pixel size, kept for the whole run.
#pragma once

#include <string>

#include "platform/platform.h"

class TMyFont {
public:
    std::string url;
    int size = 0;
    Font font;
};

// The cached font of that path and size, loaded anti-aliased on first use.
// Null when the file is missing (drawing with it draws nothing).
Font GetFont(const std::string& path, int size);
