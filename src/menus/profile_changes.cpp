#include "menus/profile_changes.h"

#include <algorithm>

#include "frame/save_notice.h"
#include "platform/platform.h"
#include "quest/profile.h"
#include "quest/profile_files.h"
#include "quest/profile_list.h"

namespace {

bool IdInUse(const std::string& id) {
    return std::any_of(profileManager.profiles.begin(), profileManager.profiles.end(),
                       [&id](const auto& p) { return p && (p->ListId() == id || p->GetMyId() == id); });
}

// Moves the files of `from` that `to` does not hold (backups, copies of
// damaged files) into `to`.
void MoveLeftovers(const std::string& from, const std::string& to) {
    for (const std::string& name : FsListDir(from)) {
        const std::string target = to + "/" + name;
        if (FsFileType(from + "/" + name) == 1 && FsFileType(target) == 0)
            FsRenameFile(from + "/" + name, target);
    }
}

// Deletes the files of a folder, then the folder.
bool RemoveFolder(const std::string& path) {
    for (const std::string& name : FsListDir(path)) FsDeleteFile(path + "/" + name);
    return FsDeleteDir(path);
}

}  // namespace

bool DeleteProfileFolder(const std::string& id) {
    if (id.empty() || !IsValidProfileId(id)) return false;
    const std::string folder = ProfilesDir() + "/" + id;
    if (FsFileType(folder) != 2) return true;
    // Not a profile id any more: nothing reads it again, even if the rest
    // is interrupted.
    const std::string doomed = folder + ".deleted";
    if (FsFileType(doomed) == 2) RemoveFolder(doomed);  // left by an interrupted deletion
    const std::string from = FsRenameFile(folder, doomed) ? doomed : folder;
    if (!RemoveFolder(from)) {
        ProfileMessage("The profile folder " + from + " could not be removed");
        return false;
    }
    return true;
}

std::string KeepDeletedProfileFolder(const std::string& id) {
    if (id.empty() || !IsValidProfileId(id)) return "";
    const std::string folder = ProfilesDir() + "/" + id;
    if (FsFileType(folder) != 2) return "";
    // "<id>.deleted-<n>" is no profile id: neither the list nor its rebuild
    // from the folders reads it, and the id's folder is free for a new player.
    for (int n = 1; n < 10000; n++) {
        const std::string kept = folder + ".deleted-" + std::to_string(n);
        if (FsFileType(kept) != 0) continue;
        if (FsRenameFile(folder, kept)) return kept;
        break;
    }
    ProfileMessage("The profile folder " + folder + " could not be set aside");
    return "";
}

std::shared_ptr<TProfile> CreateProfileNamed(const std::string& name) {
    if (static_cast<int>(profileManager.profiles.size()) >= MAX_PROFILES) return nullptr;
    auto profile = profileManager.CreateNewProfile(name);
    if (profile) NoteSaveResult(profileManager.saveProfiles());
    return profile;
}

bool RenameCurrentProfile(const std::string& name) {
    if (!actProfile) return false;
    const std::string oldId = actProfile->ListId();
    profileManager.RenameActProfile(name);
    NoteSaveResult(profileManager.saveProfiles());
    const std::string newId = actProfile->GetMyId();
    // The new folder is not complete: the list still names the old one.
    if (actProfile->ListId() != newId) return false;
    if (oldId.empty() || oldId == newId || IdInUse(oldId)) return true;
    const std::string oldFolder = ProfilesDir() + "/" + oldId;
    MoveLeftovers(oldFolder, actProfile->Folder());
    DeleteProfileFolder(oldId);
    return true;
}

bool DeleteCurrentProfile() {
    if (!actProfile || profileManager.profiles.size() <= 1) return false;
    const std::string id = actProfile->ListId();
    profileManager.RemoveActProfile();
    // The list without it first: a crash before the folder is gone leaves
    // only an unlisted folder.
    NoteSaveResult(profileManager.saveProfiles());
    if (!id.empty() && !IdInUse(id)) KeepDeletedProfileFolder(id);
    return true;
}
