// Files: every path component matches regardless of letter case, texts are
// decoded to UTF-8, and saving is atomic (temporary file, flush, rename).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/platform_internal.h"
#include "platform/text_encoding.h"

namespace {
std::string gSpecialOverride;
int gInjectedSaveError = 0;  // FsSetSaveFailure
// Infix of the temporary file an atomic save writes beside its target.
const char* const kSaveTempMarker = ".tmp";

bool SameIgnoringCase(const std::string& a, const char* b) {
    const std::size_t n = std::strlen(b);
    if (a.size() != n) {
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y && std::tolower(x) != std::tolower(y)) {
            return false;
        }
    }
    return true;
}

std::string Join(const std::string& dir, const std::string& name) {
    if (dir.empty()) {
        return name;
    }
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

// The entry of `dir` spelled like `name` apart from case; the smallest such
// name when several exist, so the choice does not depend on directory order.
bool FindEntry(const std::string& dir, const std::string& name, std::string& found) {
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (d == nullptr) {
        return false;
    }
    bool any = false;
    while (const dirent* e = readdir(d)) {
        if (SameIgnoringCase(name, e->d_name) && (!any || found > e->d_name)) {
            found = e->d_name;
            any = true;
        }
    }
    closedir(d);
    return any;
}

bool Exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

void SyncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The permissions of a saved file: those of the regular file it replaces, else the user's
// usual ones (0644 less the umask); never set-uid, set-gid or sticky. A symbolic link is not
// followed: the rename replaces the link itself with a regular file, so a link to a program
// neither lends it its mode nor lets the game overwrite it.
mode_t SavedFileMode(const std::string& target) {
    struct stat st;
    if (lstat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        return st.st_mode & 0777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0644 & ~mask;
}

// mkdir -p for the application-data folder.
void MakeFolders(const std::string& path) {
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            mkdir(path.substr(0, i).c_str(), 0755);
        }
    }
}
}  // namespace

std::string FsResolvePath(const std::string& given) {
    std::string path = given;
    std::replace(path.begin(), path.end(), '\\', '/');
    std::string result = (!path.empty() && path[0] == '/') ? "/" : "";
    bool missing = false;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string comp = path.substr(start, end - start);
        start = end + 1;
        if (comp.empty()) {
            continue;
        }
        const std::string asGiven = Join(result, comp);
        std::string found;
        if (missing || comp == "." || comp == ".." || Exists(asGiven)) {
            result = asGiven;
        } else if (FindEntry(result, comp, found)) {
            result = Join(result, found);
        } else {
            missing = true;  // the rest keeps the given spelling
            result = asGiven;
        }
    }
    return result;
}

int FsFileType(const std::string& path) {
    struct stat st;
    if (path.empty() || stat(FsResolvePath(path).c_str(), &st) != 0) {
        return 0;
    }
    return S_ISDIR(st.st_mode) ? 2 : 1;
}

bool FsReadAll(const std::string& path, std::string& out) {
    out.clear();
    if (FsFileType(path) != 1) {
        return false;
    }
    FILE* f = std::fopen(FsResolvePath(path).c_str(), "rb");
    if (f == nullptr) {
        return false;
    }
    // Sized to the file first: grown by appending, a string holds up to twice its bytes, and a
    // font or a piece of music keeps its bytes for as long as it plays.
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        if (size > 0) out.reserve(static_cast<std::size_t>(size));
        std::rewind(f);
    }
    char buf[65536];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        out.append(buf, n);
    }
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    return ok;
}

std::string FsLoadString(const std::string& path) {
    std::string bytes;
    FsReadAll(path, bytes);
    return bytes;
}

std::string FsLoadText(const std::string& path) { return TextFromFileBytes(FsLoadString(path)); }

bool FsSaveText(const std::string& text, const std::string& path) {
    return FsSaveBytes(TextToFileBytes(text), path);
}

bool FsSaveBytes(const std::string& bytes, const std::string& path) {
    const std::string target = FsResolvePath(path);
    if (target.empty()) {
        return false;
    }
    std::string temp = target + kSaveTempMarker + "XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        std::printf("Cannot save %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    fchmod(fd, SavedFileMode(target));
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    if (gInjectedSaveError != 0) {
        ok = false;
        errno = gInjectedSaveError;
    }
    const int err = errno;
    ok = (close(fd) == 0) && ok;
    if (ok && std::rename(temp.c_str(), target.c_str()) == 0) {
        SyncFolderOf(target);
        return true;
    }
    std::printf("Cannot save %s: %s\n", path.c_str(), std::strerror(ok ? errno : err));
    unlink(temp.c_str());
    return false;
}

void FsSetSaveFailure(int error) { gInjectedSaveError = error; }

bool FsIsSaveTemporary(const std::string& name) {
    // mkstemp replaces the six X of the pattern by letters and digits.
    const size_t marker = name.rfind(kSaveTempMarker);
    if (marker == std::string::npos || marker == 0) {
        return false;
    }
    const size_t tail = marker + std::strlen(kSaveTempMarker);
    if (name.size() != tail + 6) {
        return false;
    }
    for (size_t i = tail; i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    return true;
}

int FsRemoveSaveTemporaries(const std::string& folder) {
    int removed = 0;
    for (const std::string& name : FsListDir(folder)) {
        const std::string path = folder + "/" + name;
        if (FsIsSaveTemporary(name) && FsFileType(path) == 1 && FsDeleteFile(path)) {
            ++removed;
        }
    }
    return removed;
}

bool FsCreateDir(const std::string& path) {
    const std::string resolved = FsResolvePath(path);
    if (FsFileType(resolved) == 2) {
        return true;
    }
    return mkdir(resolved.c_str(), 0755) == 0;
}

bool FsDeleteFile(const std::string& path) {
    return FsFileType(path) == 1 && unlink(FsResolvePath(path).c_str()) == 0;
}

bool FsDeleteDir(const std::string& path) {
    return FsFileType(path) == 2 && rmdir(FsResolvePath(path).c_str()) == 0;
}

bool FsRenameFile(const std::string& from, const std::string& to) {
    return std::rename(FsResolvePath(from).c_str(), FsResolvePath(to).c_str()) == 0;
}

std::vector<std::string> FsListDir(const std::string& path) {
    std::vector<std::string> names;
    DIR* d = opendir(FsResolvePath(path.empty() ? "." : path).c_str());
    if (d == nullptr) {
        return names;
    }
    while (const dirent* e = readdir(d)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
            names.emplace_back(e->d_name);
        }
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

std::string FsRealPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path resolved = FsResolvePath(path.empty() ? "." : path);
    // Existing parts follow links; missing ones are tidied by their spelling.
    const std::filesystem::path absolute = std::filesystem::absolute(resolved, ec);
    const std::filesystem::path real = std::filesystem::weakly_canonical(absolute, ec);
    std::string out = ec ? resolved.string() : real.string();
    while (out.size() > 1 && out.back() == '/') {
        out.pop_back();
    }
    return out;
}

std::string FsSpecialFolder(int id) {
    // 35 all users' application data; 26 and 28 (per-user ones) share it here.
    if (id != 35 && id != 26 && id != 28) {
        return "";
    }
    std::string folder = gSpecialOverride;
    if (folder.empty()) {
        const char* xdg = std::getenv("XDG_DATA_HOME");
        const char* home = std::getenv("HOME");
        if (xdg != nullptr && xdg[0] == '/') {
            folder = xdg;
        } else {
            folder = std::string(home != nullptr && *home ? home : "/tmp") + "/.local/share";
        }
    }
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    MakeFolders(folder);
    return folder;
}

void FsSetSpecialFolderOverride(const std::string& path) { gSpecialOverride = path; }

bool FsGrantFullAccess(const std::string& path, const std::string& group) {
    return true;  // the folder is the player's own; nothing to share
}
