#include "quest/profile_files.h"

#include <algorithm>
#include <cstdio>

#include "frame/rcm.h"
#include "platform/platform.h"

namespace {
// Enough for years of broken files; past it the copy fails and the original stays.
int badCopyLimit = 10000;
}  // namespace

void SetBadCopyLimit(int n) { badCopyLimit = n; }

void ProfileMessage(const std::string& text) {
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

std::shared_ptr<TRCMFile> ReadSavedRcm(const std::string& path, const std::string& topGroup,
                                       SavedFileState& state) {
    auto file = NewRCM();
    if (FsFileType(path) != 1) {
        state = SavedFileState::Missing;
        return file;
    }
    file->Load(path);
    const bool readable = file->_grupa && file->_grupa->getGroup(topGroup) != nullptr;
    state = readable ? SavedFileState::Readable : SavedFileState::Unreadable;
    if (!readable) file->_grupa = std::make_shared<TRCMGroup>();
    return file;
}

bool KeepCopyAside(const std::string& path, const std::string& tag, const std::string& why) {
    if (FsFileType(path) != 1) return true;  // gone meanwhile: nothing left to protect
    const std::string bytes = FsLoadString(path);
    for (int n = 1; n <= badCopyLimit; n++) {
        const std::string copy = path + "." + tag + "-" + std::to_string(n);
        if (FsFileType(copy) != 0) {
            // The same file kept already (the list is read twice at start-up).
            if (FsFileType(copy) == 1 && FsLoadString(copy) == bytes) return true;
            continue;
        }
        if (FsSaveBytes(bytes, copy)) {
            ProfileMessage("The file " + path + " " + why + "; it is kept as " + copy);
            return true;
        }
        break;
    }
    ProfileMessage("The file " + path + " " + why +
                   " and no copy of it could be made; it is not "
                   "overwritten");
    return false;
}

bool KeepBadCopy(const std::string& path) { return KeepCopyAside(path, "bad", "could not be read"); }

std::string BackupPath(const std::string& path) { return path + ".bak"; }

bool BackUpBeforeSave(const std::string& path, const std::string& topGroup) {
    if (FsFileType(path) != 1) return true;
    SavedFileState state = SavedFileState::Missing;
    ReadSavedRcm(path, topGroup, state);
    // A damaged file never replaces the last good backup.
    if (state != SavedFileState::Readable) return true;
    if (FsSaveBytes(FsLoadString(path), BackupPath(path))) return true;
    ProfileMessage("No backup of " + path + " could be written");
    return false;
}

std::shared_ptr<TRCMFile> ReadWithBackup(const std::string& path, const std::string& topGroup,
                                         SavedFileState& state) {
    auto file = ReadSavedRcm(path, topGroup, state);
    if (state == SavedFileState::Readable) return file;
    SavedFileState backupState = SavedFileState::Missing;
    auto backup = ReadSavedRcm(BackupPath(path), topGroup, backupState);
    if (backupState != SavedFileState::Readable) return file;
    ProfileMessage("The file " + path + (state == SavedFileState::Missing ? " is missing" : " is damaged") +
                   "; its last good copy " + BackupPath(path) + " is used");
    return backup;
}

void SetAsideUnreadable(std::vector<std::string>& held, const std::string& path) {
    if (!KeepBadCopy(path)) held.push_back(path);
}

bool MayOverwrite(std::vector<std::string>& held, const std::string& path) {
    auto it = std::find(held.begin(), held.end(), path);
    if (it == held.end()) return true;
    if (!KeepBadCopy(path)) return false;
    held.erase(it);
    return true;
}
