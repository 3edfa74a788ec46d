// Writing a profile folder: "profile.dat" and "level.txt".
#include <algorithm>

#include "frame/rcm.h"
#include "match3/level.h"
#include "match3/powerup.h"
#include "platform/platform.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "quest/profile_files.h"
#include "quest/tutorial_catalogue.h"

namespace {

// Writes a list as "<group>::i" = count and "<group>::<key>N" = value(N),
// N from 1; empty references are left out. The ids the catalogues did not
// know follow, unless a known element now carries the same id.
template <typename List, typename Value>
void SaveList(TRCMFile& f, const std::string& countPath, const std::string& entryPath, const List& list,
              const std::vector<int>& unknown, Value value) {
    std::vector<int> ids;
    for (const auto& x : list)
        if (x) ids.push_back(value(*x));
    const size_t known = ids.size();
    for (int id : unknown)
        if (std::find(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(known), id) ==
            ids.begin() + static_cast<std::ptrdiff_t>(known))
            ids.push_back(id);
    int n = 0;
    for (int id : ids) f.setFloat(entryPath + std::to_string(++n), static_cast<float>(id));
    f.setFloat(countPath, static_cast<float>(n));
}

}  // namespace

bool TProfile::_mayOverwrite(const std::string& path) { return MayOverwrite(heldFiles, path); }

void TProfile::_saveData(TRCMFile& f) const {
    f.setString("profile::data::name", name);
    const QuestStep step = _stepToSave();
    const std::pair<const char*, int> numbers[] = {
        {"level", step.levelId},
        {"stage", stage},
        {"cash", cash},
        {"actScreen", step.actScreen},
        {"highestLevel", highestLevel},
        {"backgroundN", step.backGroundN},
        {"actPuzzleLevel", actPuzzleLevel},
        {"res0", res[0]},
        {"res1", res[1]},
        {"res2", res[2]},
        {"res3", res[3]},
    };
    for (const auto& [key, value] : numbers)
        f.setFloat(std::string("profile::data::") + key, static_cast<float>(value));
}

void TProfile::_saveLevelDatas(TRCMFile& f) const {
    int n = 0;
    for (const auto& line : levels) {
        if (!line) continue;
        const std::string key = "profile::log::log" + std::to_string(++n);
        const int values[6] = {line->id, line->res[0], line->res[1], line->res[2], line->res[3], line->time};
        for (int k = 0; k < 6; k++) f.setFloat(key, static_cast<float>(values[k]), k);
    }
    f.setFloat("profile::log::i", static_cast<float>(n));
}

bool TProfile::_saveLevel() {
    const std::shared_ptr<TLevel> level = _stepToSave().level;
    if (!level) {
        ProfileMessage("NO QUEST LEVEL");
        return true;
    }
    const std::string path = Folder() + "/level.txt";
    if (!_mayOverwrite(path)) return false;
    if (!level->Save(path)) {
        ProfileMessage("The level could not be saved to " + path);
        return false;
    }
    ProfileMessage("Saving level");
    return true;
}

void TProfile::_savePowerUps(TRCMFile& f) const {
    for (int n = 1; n <= POWERUP_SLOTS; n++) {
        const auto& p = powerUp[static_cast<size_t>(n - 1)];
        if (!p) continue;
        const std::string key = "profile::powerUps::p" + std::to_string(n);
        f.setFloat(key, static_cast<float>(p->collected));
        f.setFloat(key + "researched", static_cast<float>(p->researched));
    }
}

void TProfile::_saveBuildings(TRCMFile& f) const {
    SaveList(f, "profile::items::i", "profile::items::item", items, unknownIds.items,
             [](const TLandItem& i) { return i.id; });
}

void TProfile::_saveUnlockedItems(TRCMFile& f) const {
    SaveList(f, "profile::unlockedItems::i", "profile::unlockedItems::item", unlockedItems,
             unknownIds.unlockedItems, [](const TLandItem& i) { return i.id; });
}

void TProfile::_saveBluePrints(TRCMFile& f) const {
    // The count's group is spelled in lower case, the entries in mixed case:
    // both land in one group because names match regardless of case.
    SaveList(f, "profile::blueprints::i", "profile::bluePrints::blue", bluePrints, unknownIds.bluePrints,
             [](const TLandItem& i) { return i.puzzleId; });
}

void TProfile::_saveTutorial(TRCMFile& f) const {
    SaveList(f, "profile::tutorial::i", "profile::tutorial::tip", tips, unknownIds.tips,
             [](const TTutorialTip& t) { return t.id; });
}

int TProfile::save() {
    ProfileMessage("SAVING PROFILE");
    const std::string id = GetMyId();
    if (id.empty()) {
        // The empty id is the Profiles folder itself.
        ProfileMessage("A profile without a name is not saved");
        return 0;
    }
    auto f = NewRCM();
    const std::string folder = Folder();
    if (FsFileType(ProfilesDir()) == 0) FsCreateDir(ProfilesDir());
    if (FsFileType(folder) == 0 && !FsCreateDir(folder)) {
        ProfileMessage("The profile folder " + folder + " could not be created");
        return 0;
    }

    _saveData(*f);
    _saveLevelDatas(*f);
    const std::string path = folder + "/profile.dat";
    // A folder this profile was never read from nor saved to may hold another
    // player's progress (a name used before): keep it before writing there.
    const bool foreign = id != savedId && id != loadedId;
    if (foreign && !KeepCopyAside(path, "old", "belonged to an earlier profile of that name")) return 0;
    const bool levelSaved = (!foreign || KeepCopyAside(folder + "/level.txt", "old",
                                                       "belonged to an "
                                                       "earlier profile of that name")) &&
                            _saveLevel();
    _savePowerUps(*f);
    _saveBluePrints(*f);
    _saveBuildings(*f);
    _saveUnlockedItems(*f);
    _saveTutorial(*f);

    if (!_mayOverwrite(path)) return 0;
    BackUpBeforeSave(path, "profile");
    if (!f->save(path)) {
        ProfileMessage("The profile could not be saved to " + path);
        return 0;
    }
    savedId = id;
    return levelSaved ? 1 : 0;
}
