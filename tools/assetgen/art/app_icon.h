// The program's icon for the desktop's menus and task bars.
#pragma once

#include <string>

namespace art {

// Writes the icon in every hicolor size from 16 to 512 pixels to
// <dir>/hicolor/<n>x<n>/apps/brambleton.png; returns the number of failures.
int WriteAppIcons(const std::string& dir);

}  // namespace art
