// The village catalogues shared by every profile: the buildings of
// "data/buildings.txt" (`landBuildings`) and the items of "data/items.txt"
// (`landItems`), in file order.
//
// For now these hold only what the profile needs (ids, blueprint puzzle,
// stage, price). The land screen fills the lists at start-up and adds the
// pictures, texts and per-frame state of its offers to these classes.
#pragma once

#include <memory>
#include <vector>

class TBuilding {
public:
    int id = 0;     // building id
    int sortN = 0;  // position in the file (1, 2, ...): drawing order

    virtual ~TBuilding() = default;
};

class TLandItem {
public:
    int id = 0;                      // item id
    int puzzleId = 0;                // the puzzle that wins its blueprint
    std::shared_ptr<TBuilding> obj;  // the building it builds or upgrades
    int toUpgrade = 0;               // 0 builds `obj`, non-zero upgrades it
    int stage = 0;                   // offer set it belongs to
    int res[4] = {0, 0, 0, 0};       // price: wood, food, gold, rock

    virtual ~TLandItem() = default;
};

extern std::vector<std::shared_ptr<TBuilding>> landBuildings;
extern std::vector<std::shared_ptr<TLandItem>> landItems;
