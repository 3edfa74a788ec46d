#include "frame/user_dir.h"

#include <algorithm>

#include "frame/globals.h"
#include "platform/platform.h"

namespace {
void CreateIfMissing(const std::string& path) {
    if (FsFileType(path) == 0) FsCreateDir(path);
}

std::string& Override() {
    static std::string path;
    return path;
}
}  // namespace

void SetUserDirOverride(const std::string& path) { Override() = path; }

void SetupUserDir() {
    if (!Override().empty()) {
        userDir = Override();
    } else {
        const std::string base = FsSpecialFolder(35);
        CreateIfMissing(base + "/Lanternfold");
        userDir = base + "/Lanternfold/" + gameName;
    }
    CreateIfMissing(userDir);
    for (const char* sub : {"/Data", "/Profiles"}) {
        const std::string folder = userDir + sub;
        CreateIfMissing(folder);
        // Access grants matter only on systems with shared data folders;
        // failures are of no consequence.
        if (FsGrantFullAccess(folder, "Users")) FsGrantFullAccess(folder, "Everyone");
    }
    std::replace(userDir.begin(), userDir.end(), '\\', '/');
}
