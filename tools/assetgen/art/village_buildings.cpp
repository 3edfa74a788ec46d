// The village's farm and yard buildings (1-8) and the list of all fifteen in
// drawing order.
#include "village_buildings.h"

#include "village_parts.h"

namespace art::village {

namespace {

const Rgb kThatch = Hex(0xD4AE62), kTiles = Hex(0xB8553A), kShingles = Hex(0x7E5A3A), kSlate = Hex(0x56607A);
const Rgb kCream = Hex(0xEEDFC2), kStone = Hex(0xC2B49C), kWood = Hex(0x9C6E42);

void Haystack(cairo_t* cr, P2 origin, P3 p) {
    Bush(cr, origin, p, 9, Hex(0xE2BE62));
    Bush(cr, origin, {p.x + 4, p.y - 3, 0}, 6, Hex(0xD8B058));
}

void Plants(cairo_t* cr, P2 origin, double x0, double x1, double y, Rgb leaf, double r) {
    for (double x = x0; x <= x1; x += r * 2.4) Bush(cr, origin, {x, y, 0}, r, leaf);
}

}  // namespace

P2 AnchorByChimney(const Block& b, const Chimney& c, P2 target) {
    const P2 top = ChimneyTop({0, 0}, b, c);
    return {target.x - top.x, target.y - top.y};
}

BuildingArt Farmstead() {
    BuildingArt a{1, "Farmstead", {60, 585}, {}, {}, true};
    const Block house{.w = 84,
                      .d = 44,
                      .h = 26,
                      .wall = Wall::Timber,
                      .wallColour = kCream,
                      .roof = Roof::Thatch,
                      .roofColour = kThatch,
                      .roofH = 26,
                      .overhang = 5,
                      .frontWindows = 3,
                      .doorAt = 0.36,
                      .shuttered = true,
                      .chimneys = {{20, 22, 62}}};
    const Block barn{.x = 88,
                     .y = 2,
                     .w = 46,
                     .d = 40,
                     .h = 30,
                     .wall = Wall::Planks,
                     .wallColour = Hex(0xA8503A),
                     .shape = RoofShape::GableFront,
                     .roof = Roof::Shingles,
                     .roofColour = kShingles,
                     .roofH = 22,
                     .frontWindows = 0,
                     .wideDoor = true};
    a.basic.blocks = {house, barn};
    a.basic.front = [](cairo_t* cr, P2 o) {
        Fence(cr, o, {-10, -8, 0}, {-10, 40, 0}, 9, kWood);
        Haystack(cr, o, {142, 0, 0});
        Sack(cr, o, {70, -8, 0}, Hex(0xD8C8A0));
    };
    a.upgraded = a.basic;
    a.upgraded.blocks.push_back({.x = 30,
                                 .y = 52,
                                 .w = 42,
                                 .d = 28,
                                 .h = 34,
                                 .wall = Wall::Planks,
                                 .wallColour = Hex(0xC89858),
                                 .shape = RoofShape::Hip,
                                 .roof = Roof::Thatch,
                                 .roofColour = kThatch,
                                 .roofH = 18,
                                 .frontWindows = 1,
                                 .sideWindows = 0,
                                 .doorAt = -1});
    a.upgraded.front = [](cairo_t* cr, P2 o) {
        Fence(cr, o, {-10, -8, 0}, {-10, 40, 0}, 9, kWood);
        Haystack(cr, o, {142, 0, 0});
        for (int i = 0; i < 4; ++i) Sack(cr, o, {62.0 + i * 6, -8.0 - (i % 2) * 3, 0}, Hex(0xD8C8A0));
    };
    return a;
}

BuildingArt WoodcuttersLodge() {
    const Block lodge{.w = 62,
                      .d = 44,
                      .h = 28,
                      .wall = Wall::Logs,
                      .wallColour = Hex(0xA8784A),
                      .roof = Roof::Shingles,
                      .roofColour = kShingles,
                      .roofH = 24,
                      .doorAt = 0.62,
                      .chimneys = {{14, 22, 64}}};
    BuildingArt a{
        2, "Woodcutter's lodge", AnchorByChimney(lodge, lodge.chimneys[0], kChimneyPoints[3]), {}, {}, true};
    a.basic.blocks = {lodge};
    a.basic.front = [](cairo_t* cr, P2 o) {
        LogPile(cr, o, {68, 6, 0}, 3, 22);
        Box(cr, o, {40, -12, 0}, {6, 6, 5}, Hex(0x8A5E36));
    };
    a.upgraded = a.basic;
    a.upgraded.blocks.push_back({.x = -54,
                                 .y = 4,
                                 .w = 50,
                                 .d = 36,
                                 .h = 22,
                                 .wall = Wall::Planks,
                                 .wallColour = Hex(0xB88A58),
                                 .shape = RoofShape::Shed,
                                 .roof = Roof::Shingles,
                                 .roofColour = kShingles,
                                 .roofH = 10,
                                 .openFront = true});
    a.upgraded.front = [](cairo_t* cr, P2 o) {
        LogPile(cr, o, {68, 6, 0}, 3, 22);
        for (int i = 0; i < 5; ++i)
            Box(cr, o, {-48.0 + i * 0.5, -6, i * 2.0}, {34, 8, 2}, i % 2 ? Hex(0xD8AA70) : Hex(0xC89660));
        Box(cr, o, {40, -12, 0}, {6, 6, 5}, Hex(0x8A5E36));
    };
    return a;
}

BuildingArt SheepFold() {
    BuildingArt a{3, "Sheep fold", {512, 170}, {}, {}, true};
    const Block fold{.w = 58,
                     .d = 36,
                     .h = 22,
                     .wall = Wall::Stone,
                     .wallColour = Hex(0xC8BCA4),
                     .roof = Roof::Thatch,
                     .roofColour = Hex(0xCDA858),
                     .roofH = 20,
                     .frontWindows = 1,
                     .doorAt = 0.3};
    a.basic.blocks = {fold};
    auto pen = [](cairo_t* cr, P2 o) {
        EarthPatch(cr, o, 64, -10, 40, 34, Hex(0xD8C078), 0.7);
        Fence(cr, o, {62, 26, 0}, {108, 26, 0}, 9, kWood);
        Fence(cr, o, {108, 26, 0}, {108, -12, 0}, 9, kWood);
    };
    auto penFront = [](cairo_t* cr, P2 o) { Fence(cr, o, {62, -12, 0}, {108, -12, 0}, 9, kWood); };
    a.basic.behind = pen;
    a.basic.front = penFront;
    a.upgraded.blocks = {fold,
                         {.x = 60,
                          .y = 30,
                          .w = 46,
                          .d = 30,
                          .h = 34,
                          .wall = Wall::Timber,
                          .wallColour = kCream,
                          .roof = Roof::Tiles,
                          .roofColour = kTiles,
                          .roofH = 20,
                          .floors = 2,
                          .sideWindows = 1,
                          .doorAt = -1,
                          .shuttered = true,
                          .shutters = Hex(0x9A4A3A)}};
    a.upgraded.front = [](cairo_t* cr, P2 o) {
        Fence(cr, o, {62, -12, 0}, {108, -12, 0}, 9, kWood);
        for (int i = 0; i < 3; ++i) Sack(cr, o, {70.0 + i * 9, 8, 0}, Hex(0xF2EEE4));
    };
    return a;
}

BuildingArt HenHouse() {
    // Below the village's "options" and "show" buttons (864..1014, 10..118), beside the mine.
    BuildingArt a{4, "Hen house", {935, 190}, {}, {}, false};
    a.basic.blocks = {{.w = 42,
                       .d = 28,
                       .h = 18,
                       .wall = Wall::Planks,
                       .wallColour = Hex(0xC9A066),
                       .roofColour = Hex(0xB04A34),
                       .roofH = 14,
                       .frontWindows = 1,
                       .sideWindows = 0,
                       .doorAt = 0.74}};
    a.basic.front = [](cairo_t* cr, P2 o) {
        // A ramp down from the hatch and a sack of grain.
        const P2 p = Project(o, {31, -1, 4}), q = Project(o, {38, -14, 0});
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, q.x, q.y);
        cairo_set_line_width(cr, 3.5);
        SetRgb(cr, Hex(0x8A5E36));
        cairo_stroke(cr);
        Sack(cr, o, {4, -8, 0}, Hex(0xD8C8A0));
    };
    a.basic.behind = [](cairo_t* cr, P2 o) {
        // A little fenced run beside the coop.
        EarthPatch(cr, o, -26, 2, 22, 24, Hex(0xB89A62), 0.7);
        Fence(cr, o, {-28, 28, 0}, {0, 28, 0}, 7, kWood);
        Fence(cr, o, {-28, 28, 0}, {-28, 0, 0}, 7, kWood);
    };
    return a;
}

BuildingArt Pigsty() {
    BuildingArt a{5, "Pigsty", {402, 338}, {}, {}, false};
    a.basic.blocks = {{.w = 48,
                       .d = 30,
                       .h = 16,
                       .wall = Wall::Stone,
                       .wallColour = Hex(0xBCAE96),
                       .shape = RoofShape::Shed,
                       .roof = Roof::Shingles,
                       .roofColour = Hex(0x8A6A48),
                       .roofH = 8,
                       .frontWindows = 0,
                       .sideWindows = 0,
                       .doorAt = 0.3}};
    a.basic.behind = [](cairo_t* cr, P2 o) {
        EarthPatch(cr, o, 54, -6, 34, 30, Hex(0x7A5A3A), 0.9);
        Fence(cr, o, {52, 26, 0}, {90, 26, 0}, 8, kWood);
        Fence(cr, o, {90, 26, 0}, {90, -8, 0}, 8, kWood);
    };
    a.basic.front = [](cairo_t* cr, P2 o) {
        Box(cr, o, {60, 4, 0}, {16, 5, 4}, Hex(0x8A5E36));
        Fence(cr, o, {52, -8, 0}, {90, -8, 0}, 8, kWood);
    };
    return a;
}

BuildingArt MarketHall() {
    const Block hall{.w = 88,
                     .d = 48,
                     .h = 34,
                     .wall = Wall::Timber,
                     .wallColour = Hex(0xF2E6CE),
                     .stonePlinth = true,
                     .shape = RoofShape::Hip,
                     .roofColour = kTiles,
                     .roofH = 24,
                     .floors = 2,
                     .frontWindows = 4,
                     .sideWindows = 2,
                     .wideDoor = true,
                     .chimneys = {{14, 24, 70, Wall::Brick}}};
    BuildingArt a{6, "Market hall", AnchorByChimney(hall, hall.chimneys[0], kChimneyPoints[5]), {}, {}, true};
    a.basic.blocks = {hall};
    auto stalls = [](cairo_t* cr, P2 o) {
        const Rgb goods[] = {Hex(0xD04A3A), Hex(0x7AA040), Hex(0xE8A030)};
        for (int i = 0; i < 3; ++i) {
            const double x = 4 + i * 28;
            Box(cr, o, {x, -14, 0}, {18, 8, 7}, Hex(0x9A6A3A));
            Bush(cr, o, {x + 9, -10, 7}, 3.5, goods[i]);
        }
    };
    a.basic.front = stalls;
    a.upgraded.blocks = {hall,
                         {.x = 90,
                          .y = 6,
                          .w = 32,
                          .d = 40,
                          .h = 30,
                          .wallColour = Hex(0xEBC3B0),
                          .roofColour = kTiles,
                          .roofH = 18,
                          .floors = 2,
                          .frontWindows = 1,
                          .sideWindows = 2,
                          .doorAt = 0.5,
                          .shuttered = true}};
    a.upgraded.towers = {{.x = 58,
                          .y = 24,
                          .r = 7,
                          .h = 76,
                          .roofH = 16,
                          .base = 50,
                          .wallColour = Hex(0xE0D4BA),
                          .roofColour = kSlate,
                          .windowRows = 1}};
    a.upgraded.front = stalls;
    return a;
}

BuildingArt ScholarsTower() {
    BuildingArt a{7, "Scholar's tower", {560, 342}, {}, {}, true};
    const Tower tower{.x = 40,
                      .y = 14,
                      .r = 18,
                      .h = 84,
                      .roofH = 40,
                      .wallColour = Hex(0xC9BBA2),
                      .roofColour = Hex(0x4E5A78),
                      .windowRows = 3};
    a.basic.towers = {tower};
    a.basic.blocks = {{.x = -2,
                       .y = 6,
                       .w = 26,
                       .d = 22,
                       .h = 20,
                       .wallColour = kCream,
                       .roof = Roof::Slate,
                       .roofColour = kSlate,
                       .roofH = 12,
                       .frontWindows = 1,
                       .doorAt = -1}};
    Tower dome = tower;
    dome.h = 90;
    dome.dome = true;
    dome.roofH = 26;
    dome.roofColour = Hex(0x5E9A86);
    a.upgraded.towers = {dome};
    a.upgraded.blocks = {{.x = -34,
                          .y = 4,
                          .w = 54,
                          .d = 28,
                          .h = 26,
                          .wall = Wall::Stone,
                          .wallColour = kStone,
                          .roof = Roof::Slate,
                          .roofColour = kSlate,
                          .roofH = 16,
                          .frontWindows = 3,
                          .doorAt = 0.45}};
    a.upgraded.front = [](cairo_t* cr, P2 o) {
        // The telescope peeping out of the dome.
        const P2 p = Project(o, {46, 14, 104}), q = Project(o, {62, 14, 118});
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, q.x, q.y);
        cairo_set_line_width(cr, 3.2);
        SetRgb(cr, Hex(0xB8902E));
        cairo_stroke(cr);
    };
    return a;
}

BuildingArt VegetableGarden() {
    BuildingArt a{8, "Vegetable garden", {880, 428}, {}, {}, false};
    a.basic.blocks = {{.x = 0,
                       .y = 38,
                       .w = 20,
                       .d = 16,
                       .h = 16,
                       .wall = Wall::Planks,
                       .wallColour = Hex(0x9A7A52),
                       .shape = RoofShape::Shed,
                       .roof = Roof::Shingles,
                       .roofColour = kShingles,
                       .roofH = 6,
                       .frontWindows = 0,
                       .sideWindows = 0}};
    a.basic.behind = [](cairo_t* cr, P2 o) {
        Fence(cr, o, {0, 58, 0}, {54, 58, 0}, 7, kWood);
        Fence(cr, o, {54, 58, 0}, {54, -2, 0}, 7, kWood);
        const Rgb leaves[] = {Hex(0x6AA040), Hex(0x4E8A3A), Hex(0x8AB048)};
        for (int r = 0; r < 3; ++r) {
            const double y = 4 + r * 12;
            EarthPatch(cr, o, 24, y, 26, 6, Hex(0x6A4A30), 0.95);
            Plants(cr, o, 25, 48, y + 3, leaves[r], 2.6);
        }
    };
    a.basic.front = [](cairo_t* cr, P2 o) {
        Fence(cr, o, {0, -2, 0}, {54, -2, 0}, 7, kWood);
        Bush(cr, o, {8, 10, 0}, 4, Hex(0xE07A28));
        Bush(cr, o, {14, 4, 0}, 3.5, Hex(0xE88A30));
    };
    return a;
}

const std::vector<BuildingArt>& VillageBuildings() {
    static const std::vector<BuildingArt> all = {
        HenHouse(),  SheepFold(),     GoldMine(),        Smokehouse(),    Pigsty(),
        Goldsmith(), ScholarsTower(), VegetableGarden(), QuarryAndKiln(), CartShed(),
        Smithy(),    Farmstead(),     MarketHall(),      TownHall(),      WoodcuttersLodge()};
    return all;
}

}  // namespace art::village
