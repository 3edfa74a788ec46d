#include "frame/resource_dir.h"

#include <filesystem>
#include <system_error>

#include "frame/globals.h"
#include "platform/platform.h"

namespace {
std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

bool SameFolder(const std::string& a, const std::string& b) {
    std::error_code ec;
    return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, ec) && !ec;
}

// The whole folder made absolute and tidied, so messages and saved paths do
// not depend on where the program was started.
std::string Tidy(const std::string& dir) {
    std::error_code ec;
    const std::filesystem::path abs = std::filesystem::absolute(dir, ec);
    if (ec) return WithSlash(dir);
    return WithSlash(abs.lexically_normal().string());
}
}  // namespace

std::vector<std::string> ResourceDirCandidates(const ResourceDirSearch& search) {
    if (!search.given.empty()) return {Tidy(search.given)};
    std::vector<std::string> dirs;
    if (!search.programDir.empty()) dirs.push_back(Tidy(search.programDir + "../share/brambleton"));
    // The source tree only for the program in its own build folder: an
    // installed copy must never pick up the folders of the machine it was built on.
    if (!search.sourceGame.empty() && SameFolder(search.programDir, search.buildDir))
        dirs.push_back(Tidy(search.sourceGame));
    return dirs;
}

std::string MissingResource(const std::string& dir) {
    if (FsFileType(dir) != 2) return "the folder itself";
    // Hand-written data, texts and a sample of the generated pictures, fonts
    // and sounds: a folder that has these was installed or generated whole.
    const std::string needed[] = {
        "data/chips.txt",    "data/sounds.txt", "data/levels/level-1.txt", "txt/" + lang + "/game.txt",
        "gfx/FrameLeft.png", "gfx/point.png",   "gfx/fonts/font1.ttf",     "sfx"};
    for (const std::string& rel : needed) {
        if (FsFileType(WithSlash(dir) + rel) == 0) return rel;
    }
    return "";
}

bool LocateResourceDir(const ResourceDirSearch& search, std::string& message) {
    message = "no complete resource folder; looked in:\n";
    const std::vector<std::string> dirs = ResourceDirCandidates(search);
    for (const std::string& dir : dirs) {
        const std::string missing = MissingResource(dir);
        if (missing.empty()) {
            gameDir = dir;
            message.clear();
            return true;
        }
        message += "  " + dir + " (missing: " + missing + ")\n";
    }
    if (dirs.empty()) message += "  (nowhere: the program's own folder is unknown)\n";
    message += "Reinstall the game, or name the folder with --data-dir DIR.\n";
    return false;
}

ResourceDirSearch ProgramResourceSearch(const std::string& given) {
    ResourceDirSearch search;
    search.given = given;
    search.programDir = SysProgramDir();
#ifdef BRAMBLETON_BUILD_DIR
    search.buildDir = BRAMBLETON_BUILD_DIR;
    search.sourceGame = BRAMBLETON_SOURCE_GAME_DIR;
#endif
    return search;
}
