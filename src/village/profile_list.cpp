// Reading and writing the profile list, and its changes.
#include "village/profile_list.h"

#include <algorithm>

#include "frame/globals.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "platform/platform.h"
#include "village/profile_files.h"

TProfileManager profileManager;

namespace {

// The name a first run gives its profile when the text file lacks one.
const char* const kDefaultPlayer = "PLAYER";

std::string TrimBlanks(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
    return s.substr(b, e - b);
}

std::string TextLine(const std::shared_ptr<TTxtFile>& file, int n) {
    return n <= file->lines() ? TrimBlanks(TxtLine(file, n)) : std::string();
}

}  // namespace

std::string TProfileManager::ListPath() { return ProfilesDir() + "/profiles.dat"; }

std::string TProfileManager::CleanProfileName(const std::string& name) {
    std::string clean;
    for (char c : name)
        if (static_cast<unsigned char>(c) >= 32 && c != '"' && c != '{' && c != '}' && c != 127) clean += c;
    return clean;
}

void TProfileManager::_setupTexts() {
    auto file = LoadTxtFile(gameDir + "txt/#LANG#/profileManager.txt");
    txtPlayer = CleanProfileName(TextLine(file, 1));
    if (txtPlayer.empty()) txtPlayer = kDefaultPlayer;
    txtPlayers = TextLine(file, 9);
    txtAreYouSureToDelete = TextLine(file, 10);
}

void TProfileManager::_readList(const TRCMFile& f) {
    const int k = f.getInt("profiles::actProfile");
    int count = f.getInt("profiles::i");
    const TRCMGroup* group = f.getGroup(SplitRcmPath("profiles::i"));
    count = std::clamp(count, 0, group ? static_cast<int>(group->_listaWpisow.size()) : 0);
    bool damaged = false;
    for (int n = 1; n <= count; n++) {
        const std::string key = "profiles::profile" + std::to_string(n);
        const std::string id = f.getString(key);
        if (f.valueCount(key) == 0 || !IsValidProfileId(id)) {
            // A folder name from the file must not lead anywhere else.
            ProfileMessage("The profile list names no usable profile at " + key + " (\"" + id +
                           "\"); skipped");
            damaged = true;
            continue;
        }
        auto profile = LoadProfile(id);
        profiles.push_back(profile);
        if (n == k) actProfile = profile;
    }
    // The next save drops what was skipped: keep the list as it was.
    if (damaged) SetAsideUnreadable(heldFiles, ListPath());
}

void TProfileManager::_recoverFromFolders() {
    for (const std::string& id : FsListDir(ProfilesDir())) {
        if (id.empty() || !IsValidProfileId(id)) continue;
        if (FsFileType(ProfilesDir() + "/" + id + "/profile.dat") != 1) continue;
        profiles.push_back(LoadProfile(id));
        ProfileMessage("Profile " + id + " found in its folder");
    }
}

void TProfileManager::loadBasicProfiles() {
    loadedOnce = 1;
    SavedFileState state = SavedFileState::Missing;
    auto file = ReadSavedRcm(ListPath(), "profiles", state);
    if (state == SavedFileState::Missing) return;
    profiles.clear();
    if (state == SavedFileState::Readable) {
        _readList(*file);
    } else {
        SetAsideUnreadable(heldFiles, ListPath());
        _recoverFromFolders();
    }
    // A current profile of an earlier reading is not in the new list.
    if (std::find(profiles.begin(), profiles.end(), actProfile) == profiles.end()) actProfile = nullptr;
}

void TProfileManager::loadProfiles() {
    if (!actProfile) actProfile = profiles.empty() ? CreateStartProfile() : profiles.front();
    for (const auto& profile : profiles) profile->Load();
}

bool TProfileManager::saveProfiles() {
    if (loadedOnce != 1) return false;
    bool ok = true;
    auto f = NewRCM();
    int k = 0;
    int n = 0;
    for (const auto& profile : profiles) {
        ++n;
        if (!profile->save()) ok = false;
        if (profile == actProfile) k = n;
        f->setString("profiles::profile" + std::to_string(n), profile->GetMyId());
    }
    f->setFloat("profiles::actProfile", static_cast<float>(k));
    f->setFloat("profiles::i", static_cast<float>(n));

    const std::string path = ListPath();
    if (!MayOverwrite(heldFiles, path)) return false;
    if (FsFileType(ProfilesDir()) == 0) FsCreateDir(ProfilesDir());
    if (!f->save(path)) {
        ProfileMessage("The profile list could not be saved to " + path);
        return false;
    }
    return ok;
}

std::shared_ptr<TProfile> TProfileManager::CreateStartProfile() {
    if (txtPlayer.empty()) _setupTexts();
    auto profile = std::make_shared<TProfile>();
    profile->name = txtPlayer;
    profiles.push_back(profile);
    return profile;
}

std::shared_ptr<TProfile> TProfileManager::CreateNewProfile(const std::string& name) {
    auto profile = std::make_shared<TProfile>();
    profile->name = CleanProfileName(name);
    profiles.push_back(profile);
    actProfile = profile;
    return profile;
}

void TProfileManager::RemoveActProfile() {
    profiles.erase(std::remove(profiles.begin(), profiles.end(), actProfile), profiles.end());
    actProfile = profiles.empty() ? nullptr : profiles.front();
}

void TProfileManager::RenameActProfile(const std::string& name) {
    const std::string clean = CleanProfileName(name);
    if (actProfile && !clean.empty()) actProfile->name = clean;
}
