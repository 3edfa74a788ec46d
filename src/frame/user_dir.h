// The per-machine data folder: settings in "Data", profiles in "Profiles".
#pragma once

#include <string>

// Builds `userDir` below the application-data folder, or at the folder given
// to SetUserDirOverride, and creates its sub-folders.
void SetupUserDir();
void SetUserDirOverride(const std::string& path);
