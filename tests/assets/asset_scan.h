// Collects the file names that the game's code and data name (images, fonts,
// sounds, music) and resolves them in the game folder the way the game does:
// regardless of letter case.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace assets {

struct Reference {
    std::string path;      // relative to the game folder, or a fragment when partial
    std::string where;     // file that names it
    bool partial = false;  // a piece of a name built at run time: some file must end with it
};

// Path relative to root with every component matched without regard to case; empty when absent.
std::filesystem::path FindNoCase(const std::filesystem::path& root, const std::string& rel);
// True when some file below root has a path (relative to root) ending with the fragment, any case.
bool AnyFileEndsWith(const std::filesystem::path& root, const std::string& fragment);

// String literals of C++ source text that name media files.
std::vector<Reference> ScanSourceText(const std::string& text, const std::string& where);
// Values of RCM data text (key = value, values separated by commas) that name media files.
std::vector<Reference> ScanDataText(const std::string& text, const std::string& where);
// GFX and FONT values of a GUI script, resolved against the script's own folder (relative to the game
// folder).
std::vector<Reference> ScanGuiText(const std::string& text, const std::string& where,
                                   const std::string& guiFolder);

// Width and height from a PNG header or a JPEG frame marker; (0, 0) when unreadable.
std::pair<int, int> ImageSize(const std::filesystem::path& p);

// Every reference below a source folder and a game folder, plus the names built at run time.
std::vector<Reference> CollectAll(const std::filesystem::path& srcDir, const std::filesystem::path& gameDir);

}  // namespace assets
