#include "quest/land_catalogue.h"

std::vector<std::shared_ptr<TBuilding>> landBuildings;
std::vector<std::shared_ptr<TLandItem>> landItems;
