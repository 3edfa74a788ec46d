// Reading a profile folder: "profile.dat" and "level.txt".
#include <algorithm>

#include "frame/rcm.h"
#include "match3/level.h"
#include "match3/powerup.h"
#include "platform/platform.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "quest/profile_files.h"
#include "quest/profile_lookups.h"
#include "quest/tutorial_catalogue.h"

namespace {

// The count of a stored list: its "i" entry, but never more than the entries
// its group holds, so a damaged count cannot make millions of empty lines.
int ListCount(const TRCMFile& f, const std::string& countPath) {
    const int n = f.getInt(countPath);
    const TRCMGroup* group = f.getGroup(SplitRcmPath(countPath));
    const int have = group ? static_cast<int>(std::min<size_t>(group->_listaWpisow.size(), 1u << 30)) : 0;
    return std::clamp(n, 0, have);
}

// Reads a list of catalogue references. Ids the catalogue lacks go to
// `unknown` (reported when `missing` is given), to be written back as read.
template <typename Ref, typename Find>
std::vector<Ref> LoadRefs(const TRCMFile& f, const std::string& group, const std::string& key, Find find,
                          std::vector<int>& unknown, const char* missing = nullptr) {
    std::vector<Ref> list;
    unknown.clear();
    const int count = ListCount(f, group + "::i");
    for (int n = 1; n <= count; n++) {
        const std::string path = group + "::" + key + std::to_string(n);
        const int id = f.getInt(path);
        if (auto found = find(id)) {
            list.push_back(found);
        } else {
            unknown.push_back(id);
            if (missing) ProfileMessage(missing + f.getString(path));
        }
    }
    return list;
}

}  // namespace

void TProfile::_loadData(const TRCMFile& f) {
    name = f.getString("profile::data::name");
    questLevelId = f.getInt("profile::data::level");
    stage = f.getInt("profile::data::stage");
    cash = f.getInt("profile::data::cash");
    actScreen = f.getInt("profile::data::actScreen");
    highestLevel = f.getInt("profile::data::highestLevel");
    backGroundN = f.getInt("profile::data::backgroundN");
    actPuzzleLevel = f.getInt("profile::data::actPuzzleLevel");
    for (int i = 0; i < 4; i++) res[i] = f.getInt("profile::data::res" + std::to_string(i));
}

void TProfile::_loadLevelDatas(const TRCMFile& f) {
    levels.clear();
    const int count = ListCount(f, "profile::log::i");
    for (int n = 1; n <= count; n++) {
        const std::string key = "profile::log::log" + std::to_string(n);
        auto line = std::make_shared<TProfileLevel>();
        line->id = f.getInt(key, 0);
        for (int k = 0; k < 4; k++) line->res[k] = f.getInt(key, k + 1);
        line->time = f.getInt(key, 5);
        levels.push_back(line);
    }
}

void TProfile::_loadBuildings(const TRCMFile& f) {
    ProfileMessage("items: " + std::to_string(f.getInt("profile::items::i")));
    items = LoadRefs<std::shared_ptr<TLandItem>>(f, "profile::items", "item", FindLandItem, unknownIds.items);
}

void TProfile::_loadUnlockedItems(const TRCMFile& f) {
    unlockedItems =
        LoadRefs<std::shared_ptr<TLandItem>>(f, "profile::unlockedItems", "item", FindLandItem,
                                             unknownIds.unlockedItems, "NO item on profile list: ");
}

void TProfile::_loadBluePrints(const TRCMFile& f) {
    bluePrints = LoadRefs<std::shared_ptr<TLandItem>>(f, "profile::blueprints", "blue", FindLandItemByPuzzle,
                                                      unknownIds.bluePrints);
}

void TProfile::_loadTutorial(const TRCMFile& f) {
    tips = LoadRefs<std::shared_ptr<TTutorialTip>>(f, "profile::tutorial", "tip", FindTutorialTip,
                                                   unknownIds.tips);
}

void TProfile::_loadPowerUps(const TRCMFile& f) {
    for (int n = 1; n <= POWERUP_SLOTS; n++) {
        auto p = std::make_shared<TPowerUp>(n - 1);
        const std::string key = "profile::powerUps::p" + std::to_string(n);
        p->collected = std::max(0, f.getInt(key));
        p->researched = f.getInt(key + "researched");
        // The unlock itself is not stored: research unlocks for good.
        p->unlocked = p->researched != 0 ? 1 : 0;
        powerUp[static_cast<size_t>(n - 1)] = p;
    }
    // The smithy brings the hammer for good: profiles saved while buying it
    // only unlocked the hammer get it back here.
    if (HaveItem(SMITHY_ITEM)) {
        auto& hammer = *powerUp[POWERUP_HAMMER];
        hammer.researched = 1;
        hammer.unlocked = 1;
    }
}

int TProfile::_load(const std::string& id) {
    loadedId = id;
    const std::string path = ProfilesDir() + "/" + id + "/profile.dat";
    SavedFileState state = SavedFileState::Missing;
    myFile = ReadWithBackup(path, "profile", state);
    if (state == SavedFileState::Unreadable) SetAsideUnreadable(heldFiles, path);
    const bool readable = myFile->getGroup({"profile", ""}) != nullptr;
    if (readable) savedId = id;

    const TRCMFile& f = *myFile;
    _loadData(f);
    _loadLevelDatas(f);
    _loadBuildings(f);
    _loadUnlockedItems(f);
    _loadBluePrints(f);
    _loadTutorial(f);
    _loadPowerUps(f);

    // Without a name the profile would save under another id and leave its
    // folder behind; the id spells the name it was made from.
    if (name.empty() && !id.empty()) {
        name = ProfileNameOfId(id);
        if (!name.empty())
            ProfileMessage("The profile " + id + " has no name in its file; it is called " + name);
    }
    return readable ? 1 : 0;
}

void TProfile::_loadLevel() {
    const std::string folder = loadedId.empty() ? Folder() : ProfilesDir() + "/" + loadedId;
    const std::string path = folder + "/level.txt";
    if (FsFileType(path) != 1) return;
    auto level = LoadLevel(path);
    if (level && level->IsPresent()) {
        questLevel = level;
        return;
    }
    // A damaged level is played again from its quest file when it is needed.
    SetAsideUnreadable(heldFiles, path);
    questLevel = nullptr;
}

int TProfile::Load() {
    _loadLevel();
    return questLevel ? 1 : 0;
}

std::shared_ptr<TProfile> LoadProfile(const std::string& id) {
    auto profile = std::make_shared<TProfile>();
    profile->_load(id);
    return profile;
}
