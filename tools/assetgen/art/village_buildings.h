// The fifteen buildings of the village: each one's look (finished and, where
// it has one, upgraded) and where it stands on the village picture. Buildings
// whose chimneys smoke are placed by their chimney: the centre of the chimney's
// top opening lies exactly on the point where the game starts its puffs.
#pragma once

#include "village_house.h"

#include <vector>

namespace art::village {

struct BuildingArt {
    int id = 0;
    const char* name = "";
    P2 origin;  // ground point of the designs on the village picture
    Design basic, upgraded;
    bool hasUpgrade = false;
};

// In drawing order, back to front (the order of "data/buildings.txt").
const std::vector<BuildingArt>& VillageBuildings();

// One building each (village_buildings.cpp: 1-8, village_buildings_town.cpp: 9-15).
BuildingArt Farmstead();
BuildingArt WoodcuttersLodge();
BuildingArt SheepFold();
BuildingArt HenHouse();
BuildingArt Pigsty();
BuildingArt MarketHall();
BuildingArt ScholarsTower();
BuildingArt VegetableGarden();
BuildingArt QuarryAndKiln();
BuildingArt Smithy();
BuildingArt Smokehouse();
BuildingArt GoldMine();
BuildingArt Goldsmith();
BuildingArt CartShed();
BuildingArt TownHall();

// The point that puts the top of the block's chimney on the target.
P2 AnchorByChimney(const Block& b, const Chimney& c, P2 target);

// The chimney points where the game starts its smoke puffs (chimney k).
constexpr P2 kChimneyPoints[6] = {{205, 234}, {667, 422}, {686, 430}, {767, 547}, {830, 402}, {875, 506}};

}  // namespace art::village
