// The profile's questions about its items, resources, chips and power-ups.
#include "quest/profile.h"

#include <algorithm>

#include "frame/globals.h"
#include "match3/chip.h"
#include "match3/level.h"
#include "match3/powerup.h"
#include "quest/land_catalogue.h"

std::shared_ptr<TProfile> actProfile;

TProfileHooks& ProfileHooks() {
    static TProfileHooks hooks;
    return hooks;
}

std::string ProfilesDir() { return userDir + "/Profiles"; }

namespace {

bool HasId(const LandItemList& list, int id) {
    for (const auto& item : list)
        if (item && item->id == id) return true;
    return false;
}

// One row of the proper-chip table: the first owned item decides the chip.
struct ChipRule {
    int item;
    int chip;
};

template <size_t N>
std::shared_ptr<TChip> ProperChip(const TProfile& p, const ChipRule (&rules)[N], int otherwise) {
    for (const ChipRule& rule : rules)
        if (p.HaveItem(rule.item)) return FindChip(rule.chip);
    return FindChip(otherwise);
}

// Multiplier items, best first.
struct MultiplierRule {
    int item;
    float value;
    const char* text;
};
constexpr MultiplierRule kMultipliers[] = {{19, 3.0f, "x 3"}, {10, 2.0f, "x 2"}, {1, 1.5f, "x 1.5"}};

const MultiplierRule* OwnedMultiplier(const TProfile& p) {
    for (const MultiplierRule& rule : kMultipliers)
        if (p.HaveItem(rule.item)) return &rule;
    return nullptr;
}

}  // namespace

TProfile::~TProfile() = default;

std::string TProfile::Folder() const { return ProfilesDir() + "/" + GetMyId(); }

void TProfile::ResetPowerUps() {
    for (int i = 0; i < POWERUP_SLOTS; i++) powerUp[static_cast<size_t>(i)] = std::make_shared<TPowerUp>(i);
}

void TProfile::CheckIfUnlockedItem(const std::shared_ptr<TLandItem>& item) {
    if (item && !HasId(unlockedItems, item->id)) unlockedItems.push_back(item);
}

int TProfile::UnlockedItem(int itemId) const { return HasId(unlockedItems, itemId) ? 1 : 0; }

int TProfile::CountMaxLevelNumber() {
    if (highestLevel < questLevelId) highestLevel = questLevelId;
    return highestLevel;
}

float TProfile::CountMultiplier() const {
    const MultiplierRule* rule = OwnedMultiplier(*this);
    return rule ? rule->value : 1.0f;
}

std::string TProfile::CountMultiplierString() const {
    const MultiplierRule* rule = OwnedMultiplier(*this);
    return rule ? rule->text : "x 1";
}

int TProfile::HaveItem(int itemId) const { return HasId(items, itemId) ? 1 : 0; }

int TProfile::HaveAllItems() const {
    for (int id = 1; id <= 24; id++)
        if (!HaveItem(id)) return 0;
    return 1;
}

int TProfile::HaveBluePrint(int itemId) const { return HasId(bluePrints, itemId) ? 1 : 0; }

int TProfile::CanAfford(const TLandItem* item) const {
    if (!item) return 0;
    return CanAffordToPay(item->res[0], item->res[1], item->res[2], item->res[3]);
}

int TProfile::CanAffordToPay(int wood, int food, int gold, int rock) const {
    return res[0] >= wood && res[1] >= food && res[2] >= gold && res[3] >= rock ? 1 : 0;
}

std::shared_ptr<TChip> TProfile::ProperWoodChip() const {
    static constexpr ChipRule rules[] = {{13, 3}, {5, 2}};
    return ProperChip(*this, rules, 1);
}

std::shared_ptr<TChip> TProfile::ProperFoodChip() const {
    static constexpr ChipRule rules[] = {{20, 8}, {16, 7}, {7, 6}, {2, 5}};
    return ProperChip(*this, rules, 4);
}

std::shared_ptr<TChip> TProfile::ProperGoldChip() const {
    static constexpr ChipRule rules[] = {{21, 14}, {18, 13}, {14, 12}, {11, 11}, {6, 10}};
    return ProperChip(*this, rules, 9);
}

std::shared_ptr<TChip> TProfile::ProperRockChip() const {
    static constexpr ChipRule rules[] = {{17, 17}, {9, 16}};
    return ProperChip(*this, rules, 15);
}

int TProfile::isPowerUpUnlocked(int slot) const {
    if (slot < 0 || slot >= POWERUP_SLOTS) return 0;
    const auto& p = powerUp[static_cast<size_t>(slot)];
    return p && p->unlocked ? 1 : 0;
}

std::shared_ptr<TProfileLevel> TProfile::GetProfileLevelData(int levelId) {
    for (const auto& line : levels)
        if (line->id == levelId) return line;
    auto line = std::make_shared<TProfileLevel>();
    line->id = levelId;
    levels.push_back(line);
    return line;
}

namespace {
constexpr long long kMaxCredit = 2000000000LL;

int Credited(int stock, int amount) {
    return static_cast<int>(std::clamp(static_cast<long long>(stock) + amount, 0LL, kMaxCredit));
}
}  // namespace

void TProfile::AddCash(int amount) { cash = Credited(cash, amount); }

void TProfile::AddResources(const int amount[4]) {
    for (int i = 0; i < 4; i++) res[i] = Credited(res[i], amount[i]);
}
