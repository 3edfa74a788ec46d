// A player profile: the name, the quest level being played, the village
// resources and score, the items bought, blueprints won, power-up slots,
// tutorial tips still to show and the log of resources earned per level. It
// also runs the quest: which level comes next, when the quest is over and
// which screen code follows a start, continue, restart or finished level.
//
// Files: one folder per profile below userDir + "/Profiles", named by the
// profile id, with "profile.dat" (RCM) and "level.txt" (the level in play).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TChip;
class TLevel;
class TLandItem;
class TPowerUp;
class TRCMFile;
class TTutorialTip;

using LandItemList = std::vector<std::shared_ptr<TLandItem>>;
using TutorialTipList = std::vector<std::shared_ptr<TTutorialTip>>;

constexpr int POWERUP_SLOTS = 6;
// The item that builds the smithy; owning it means owning the hammer.
constexpr int SMITHY_ITEM = 3;

// One line of the per-level log.
class TProfileLevel {
public:
    int id = 0;                 // quest level number
    int res[4] = {0, 0, 0, 0};  // resources credited on its last win
    int time = 0;               // level clock left at that win

    virtual ~TProfileLevel() = default;
};

class TProfile {
public:
    std::string name;
    int questLevelId = 0;  // N of "data/levels/level-N.txt"
    LandItemList items;    // bought (references into landItems)
    TutorialTipList tips;  // not yet shown and dismissed (references into tutorialTips)
    std::vector<std::shared_ptr<TProfileLevel>> levels;  // in order of first entry
    LandItemList bluePrints;                             // blueprint won in a puzzle
    LandItemList unlockedItems;                          // puzzle offered at least once
    std::shared_ptr<TLevel> questLevel;                  // null when no further level exists
    int cash = 0;
    int highestLevel = 0;
    int actScreen = 0;       // quest screen last entered; 0 = no quest in progress
    int actPuzzleLevel = 0;  // puzzle last started
    std::array<std::shared_ptr<TPowerUp>, POWERUP_SLOTS> powerUp;
    int backGroundN = 0;  // match-3 background 0..6
    int stage = 0;        // village offer set
    int res[4] = {0, 0, 0, 0};
    std::shared_ptr<TRCMFile> myFile;  // the profile file as last loaded

    // The id of the folder this profile was read from ("" for a new one).
    std::string loadedId;
    // The id of the folder its last save wrote "profile.dat" to ("" before).
    std::string savedId;
    // Ids of items, blueprints (puzzle ids), unlocked items and tips that the
    // catalogues do not know: kept as read and written back unchanged.
    struct UnknownIds {
        std::vector<int> items, bluePrints, unlockedItems, tips;
    } unknownIds;
    // Set when the level summary credits a win, until the quest moves on
    // (next level, restart, new quest): a save meanwhile writes the next step
    // of the quest, so the won board is never continued and paid again.
    bool levelWon = false;
    std::shared_ptr<TLevel> nextQuestLevel;  // the level after the won one, null at the end
    // Files of this profile found unreadable whose copy could not be made
    // yet: they are not overwritten until the copy succeeds.
    std::vector<std::string> heldFiles;

    TProfile() = default;
    TProfile(const TProfile&) = delete;
    TProfile& operator=(const TProfile&) = delete;
    virtual ~TProfile();

    // Items, multiplier, chips, affordability (profile.cpp).
    virtual void CheckIfUnlockedItem(const std::shared_ptr<TLandItem>& item);
    virtual int UnlockedItem(int itemId) const;
    virtual int CountMaxLevelNumber();
    virtual float CountMultiplier() const;
    virtual std::string CountMultiplierString() const;
    virtual int CanContinue() const { return actScreen; }
    virtual int HaveItem(int itemId) const;
    virtual int HaveAllItems() const;
    virtual int HaveBluePrint(int itemId) const;
    virtual int CanAfford(const TLandItem* item) const;
    virtual int CanAffordToPay(int wood, int food, int gold, int rock) const;
    virtual std::shared_ptr<TChip> ProperWoodChip() const;
    virtual std::shared_ptr<TChip> ProperFoodChip() const;
    virtual std::shared_ptr<TChip> ProperGoldChip() const;
    virtual std::shared_ptr<TChip> ProperRockChip() const;
    virtual int isPowerUpUnlocked(int slot) const;
    // The one way to credit the profile: score to cash, won resources to the
    // stock, each kept within 0 .. 2 000 000 000 so no file holds an overflow.
    void AddCash(int amount);
    void AddResources(const int amount[4]);

    // The quest (profile_quest.cpp). Operations returning a screen code say so.
    virtual int QUEST_End();
    virtual int QUEST_UpdateLevelData(int wood, int food, int gold, int rock, int time);
    virtual std::shared_ptr<TChip> QUEST_GetProperChipByRes(int resource) const;
    virtual int QUEST_UnlockPowerUp(int slot);
    // The smithy brings the hammer: researched for good, so every later load
    // unlocks it too, and unlocked now (with the unlock's click and shake).
    void GainSmithyHammer();
    virtual int QUEST_LoadActPuzzle();
    virtual int QUEST_Continue();      // -> screen code
    virtual int QUEST_StartNew();      // -> screen code 8
    virtual int QUEST_LoadActLevel();  // 1 when a level was loaded
    virtual int QUEST_RestartLevel();  // -> screen code
    virtual int QUEST_NextLevel();     // -> screen code 6, or 9 at the end of the quest
    // The level in play is won and credited (the level summary); the quest
    // moves on with QUEST_NextLevel or QUEST_RestartLevel.
    virtual int QUEST_LevelWon();
    // What a save writes as the quest's place: the profile's own fields, or
    // after a won level the step QUEST_NextLevel will take.
    struct QuestStep {
        int levelId = 0, backGroundN = 0, actScreen = 0;
        std::shared_ptr<TLevel> level;
    };
    QuestStep _stepToSave() const;

    // Writing (profile_save.cpp): one key group each.
    virtual void _saveData(TRCMFile& f) const;
    virtual void _saveLevelDatas(TRCMFile& f) const;
    virtual bool _saveLevel();
    virtual void _savePowerUps(TRCMFile& f) const;
    virtual void _saveBuildings(TRCMFile& f) const;
    virtual void _saveUnlockedItems(TRCMFile& f) const;
    virtual void _saveBluePrints(TRCMFile& f) const;
    virtual void _saveTutorial(TRCMFile& f) const;
    // Writes the profile folder; 1 when every file was written.
    virtual int save();
    // False while `path` is a held file whose copy still cannot be made.
    bool _mayOverwrite(const std::string& path);

    // Reading (profile_load.cpp): one key group each.
    virtual void _loadData(const TRCMFile& f);
    virtual void _loadLevelDatas(const TRCMFile& f);
    virtual void _loadLevel();
    virtual void _loadPowerUps(const TRCMFile& f);
    virtual void _loadBuildings(const TRCMFile& f);
    virtual void _loadBluePrints(const TRCMFile& f);
    virtual void _loadTutorial(const TRCMFile& f);
    virtual void _loadUnlockedItems(const TRCMFile& f);
    // Reads "profile.dat" of that id; 1 when the file was there and readable.
    virtual int _load(const std::string& id);
    // Reads "level.txt".
    virtual int Load();

    std::string GetMyId() const;
    // The id the profile list records: the folder of its last good save, else
    // the folder it was read from; "" when neither holds it yet.
    std::string ListId() const;
    // The first log line of that level; a new zero line is appended when none.
    std::shared_ptr<TProfileLevel> GetProfileLevelData(int levelId);
    // The profile's folder: ProfilesDir() + "/" + GetMyId().
    std::string Folder() const;
    // Six new locked, empty power-up slots numbered 0..5.
    void ResetPowerUps();
};

// The most profiles the list holds: the dialog shows five rows and offers
// "NEW" below five.
constexpr int MAX_PROFILES = 5;

// The current profile; null until the profile list is loaded.
extern std::shared_ptr<TProfile> actProfile;

// A new profile read from the folder of that id.
std::shared_ptr<TProfile> LoadProfile(const std::string& id);

// Profile ids (profile_id.cpp). The id of a name: upper-cased, each UTF-16
// code unit as its decimal number followed by "-" ("Ann" -> "65-78-78-").
std::string ProfileIdOf(const std::string& name);
// The longest id: a folder name holds 255 bytes. A name whose id would be longer gets its leading
// letters, the unit 0 and a hash of the whole name instead.
constexpr size_t PROFILE_ID_MAX_BYTES = 255;
// The id of the profile, or of `name` when that is not empty.
std::string GetMyId(const TProfile& profile, const std::string& name = "");
// True for the empty id and for texts ProfileIdOf can produce (digits and
// "-", every number a code unit), which are safe as a folder name.
bool IsValidProfileId(const std::string& id);
// The (upper-case) name an id was made from; "" for an invalid id.
std::string ProfileNameOfId(const std::string& id);

// userDir + "/Profiles": the folder of the list file and of every profile
// folder. Paths resolve regardless of letter case, so "/profiles" is the same.
std::string ProfilesDir();

// Where the profile hands its work to screens that are wired in at start-up.
// Empty hooks do nothing.
struct TProfileHooks {
    // The match-3 screen's SetData: the level to play next (never null).
    std::function<void(std::shared_ptr<TLevel>)> setGameLevel;
    // Loads the puzzle file `path` and hands it to the puzzle screen with
    // its number (the puzzle screen's setData).
    std::function<void(const std::string& path, int puzzle)> loadPuzzle;
    // Sets the shown and target values of the match-3 and land screens'
    // resource panels to 0 (a new quest).
    std::function<void()> resetResourcePanels;
};
TProfileHooks& ProfileHooks();
