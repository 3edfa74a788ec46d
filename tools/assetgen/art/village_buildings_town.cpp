// The village's trades and its town hall (buildings 9-15).
#include "village_buildings.h"

#include "village_parts.h"

#include <cmath>

namespace art::village {

namespace {

const Rgb kShingles = Hex(0x7E5A3A), kSlate = Hex(0x56607A), kWood = Hex(0x9C6E42);

void Line(cairo_t* cr, P2 o, P3 a, P3 b, double w, Rgb c) {
    const P2 p = Project(o, a), q = Project(o, b);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, p.x, p.y);
    cairo_line_to(cr, q.x, q.y);
    cairo_set_line_width(cr, w);
    SetRgb(cr, c);
    cairo_stroke(cr);
}

// A rocky rise: a jagged outline over the plan strip x0..x1 at depth y, peak height top.
void RockFace(cairo_t* cr, P2 o, double x0, double x1, double y, double top, std::uint64_t seed,
              bool grassy = false) {
    Rng rng(seed);
    cairo_new_path(cr);
    const P2 a = Project(o, {x0, y, 0});
    cairo_move_to(cr, a.x, a.y);
    const int n = 9;
    for (int i = 0; i <= n; ++i) {
        const double f = static_cast<double>(i) / n;
        const double z = top * std::sin(f * M_PI) * rng.Range(0.75, 1.05) + 3;
        const P2 p = Project(o, {x0 + (x1 - x0) * f, y + rng.Range(-4, 4), z});
        cairo_line_to(cr, p.x, p.y);
    }
    const P2 b = Project(o, {x1, y - 12, 0});
    cairo_line_to(cr, b.x, b.y);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(a.x, a.y - top, b.x, b.y);
    AddStop(g, 0, Hex(0xC8C0B0));
    AddStop(g, 0.5, Hex(0x9C968A));
    AddStop(g, 1, Hex(0x6A665E));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    Saved s(cr);
    cairo_clip(cr);
    if (grassy) {
        // Turf over the top of the hill, the rock showing lower down.
        cairo_pattern_t* turf = cairo_pattern_create_linear(0, a.y - top - 10, 0, a.y - top * 0.2);
        AddStop(turf, 0, Hex(0x7AA846), 0.95);
        AddStop(turf, 0.55, Hex(0x6A9A3E), 0.8);
        AddStop(turf, 1, Hex(0x6A9A3E), 0);
        cairo_set_source(cr, turf);
        cairo_paint(cr);
        cairo_pattern_destroy(turf);
        return;
    }
    // Cut ledges of the quarry face.
    for (double z = 8; z < top; z += 9) Line(cr, o, {x0, y, z}, {x1, y, z}, 1, Hex(0x5A564E));
    for (int i = 0; i < 10; ++i) {
        const double x = rng.Range(x0, x1), z = rng.Range(2, top);
        Line(cr, o, {x, y, z}, {x + rng.Range(-2, 2), y, z + 8}, 0.8, Hex(0x6A665E));
    }
}

}  // namespace

BuildingArt QuarryAndKiln() {
    const Block kiln{.w = 30,
                     .d = 28,
                     .h = 34,
                     .wall = Wall::Stone,
                     .wallColour = Hex(0xD0C4AC),
                     .shape = RoofShape::Flat,
                     .roofColour = Hex(0xA09888),
                     .roofH = 0,
                     .overhang = 1,
                     .frontWindows = 0,
                     .sideWindows = 0,
                     .door = Hex(0x2A1A12),
                     .chimneys = {{15, 14, 50, Wall::Stone, 13}}};
    BuildingArt a{
        9, "Quarry and lime kiln", AnchorByChimney(kiln, kiln.chimneys[0], kChimneyPoints[4]), {}, {}, true};
    a.basic.blocks = {kiln};
    a.basic.behind = [](cairo_t* cr, P2 o) { RockFace(cr, o, -58, -2, 22, 38, 9); };
    a.basic.front = [](cairo_t* cr, P2 o) {
        Box(cr, o, {-40, 0, 0}, {10, 8, 6}, Hex(0xC8C0B0));
        Box(cr, o, {-26, -6, 0}, {9, 7, 5}, Hex(0xBCB4A4));
    };
    a.upgraded.blocks = {kiln,
                         {.x = -48,
                          .y = -18,
                          .w = 38,
                          .d = 20,
                          .h = 16,
                          .wall = Wall::Planks,
                          .wallColour = Hex(0xB88A58),
                          .shape = RoofShape::Shed,
                          .roof = Roof::Shingles,
                          .roofColour = kShingles,
                          .roofH = 6,
                          .openFront = true}};
    a.upgraded.behind = a.basic.behind;
    a.upgraded.front = [](cairo_t* cr, P2 o) {
        for (int i = 0; i < 4; ++i) Sack(cr, o, {-42.0 + i * 7, -22, 0}, Hex(0xF4F0E8));
        // A wooden crane lifting a block out of the quarry.
        Line(cr, o, {-6, 30, 0}, {-6, 30, 52}, 2.6, Hex(0x6A4428));
        Line(cr, o, {-6, 30, 50}, {-36, 30, 40}, 2.2, Hex(0x6A4428));
        Line(cr, o, {-34, 30, 40}, {-34, 30, 22}, 0.8, Hex(0x3A2A1E));
        Box(cr, o, {-39, 27, 14}, {9, 6, 7}, Hex(0xD0C8B8));
    };
    return a;
}

BuildingArt Smithy() {
    const Chimney forge{40, 20, 60, Wall::Brick};
    const Block smithy{.w = 58,
                       .d = 40,
                       .h = 26,
                       .wall = Wall::Stone,
                       .wallColour = Hex(0xB8AA94),
                       .roof = Roof::Slate,
                       .roofColour = kSlate,
                       .roofH = 20,
                       .frontWindows = 1,
                       .doorAt = 0.3,
                       .wideDoor = true,
                       .chimneys = {forge}};
    BuildingArt a{10, "Smithy", AnchorByChimney(smithy, forge, kChimneyPoints[2]), {}, {}, true};
    a.basic.blocks = {smithy};
    auto yard = [](cairo_t* cr, P2 o) {
        Box(cr, o, {44, -12, 0}, {5, 4, 6}, Hex(0x4A4440));
        Box(cr, o, {41, -13, 6}, {11, 6, 3}, Hex(0x5A5450));
        Barrel(cr, o, {60, -6, 0});
    };
    a.basic.front = yard;
    Block foundry = smithy;
    // The foundry's tall stack stands beside the old forge chimney.
    foundry.chimneys = {{21, 20, 68, Wall::Brick, 10}, forge};
    a.upgraded.blocks = {foundry,
                         {.x = -36,
                          .y = 4,
                          .w = 34,
                          .d = 34,
                          .h = 22,
                          .wall = Wall::Brick,
                          .wallColour = Hex(0xA8553A),
                          .shape = RoofShape::Shed,
                          .roof = Roof::Slate,
                          .roofColour = kSlate,
                          .roofH = 8,
                          .openFront = true}};
    a.upgraded.front = [yard](cairo_t* cr, P2 o) {
        yard(cr, o);
        // Furnace glow in the casting shed.
        const P2 c = Project(o, {-19, 10, 6});
        cairo_pattern_t* g = cairo_pattern_create_radial(c.x, c.y, 0, c.x, c.y, 10);
        AddStop(g, 0, Hex(0xFFC860), 0.95);
        AddStop(g, 1, Hex(0xE05020), 0);
        cairo_arc(cr, c.x, c.y, 10, 0, 2 * M_PI);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    };
    return a;
}

BuildingArt Smokehouse() {
    const Block house{.w = 50,
                      .d = 36,
                      .h = 26,
                      .wall = Wall::Timber,
                      .wallColour = Hex(0xE4D2B0),
                      .roof = Roof::Shingles,
                      .roofColour = Hex(0x5E4634),
                      .roofH = 20,
                      .frontWindows = 1,
                      .doorAt = 0.35,
                      .chimneys = {{40, 18, 62, Wall::Stone, 10}}};
    BuildingArt a{11, "Smokehouse", AnchorByChimney(house, house.chimneys[0], kChimneyPoints[0]),
                  {}, {},           false};
    a.basic.blocks = {house};
    a.basic.front = [](cairo_t* cr, P2 o) {
        LogPile(cr, o, {-26, 4, 0}, 2, 16);
        Barrel(cr, o, {54, -8, 0});
    };
    return a;
}

BuildingArt GoldMine() {
    BuildingArt a{12, "Gold mine", {752, 182}, {}, {}, true};
    a.basic.blocks = {{.x = 16,
                       .y = 6,
                       .w = 28,
                       .d = 14,
                       .h = 20,
                       .wall = Wall::Planks,
                       .wallColour = kWood,
                       .shape = RoofShape::GableFront,
                       .roof = Roof::Shingles,
                       .roofColour = kShingles,
                       .roofH = 10,
                       .openFront = true}};
    auto hill = [](cairo_t* cr, P2 o) { RockFace(cr, o, -8, 74, 26, 44, 12, true); };
    auto rails = [](cairo_t* cr, P2 o) {
        for (double x : {24.0, 34.0}) Line(cr, o, {x, 6, 0}, {x, -26, 0}, 1.2, Hex(0x5A5048));
        for (double y = 2; y > -26; y -= 5) Line(cr, o, {21, y, 0}, {37, y, 0}, 1.4, Hex(0x6A4428));
        Cart(cr, o, {19, -24, 0}, Hex(0xF0C040));
    };
    a.basic.behind = hill;
    a.basic.front = rails;
    a.upgraded = a.basic;
    a.upgraded.front = [rails](cairo_t* cr, P2 o) {
        rails(cr, o);
        // A winding frame over the shaft, with its wheel.
        Line(cr, o, {56, 20, 0}, {62, 20, 46}, 2.4, Hex(0x6A4428));
        Line(cr, o, {70, 20, 0}, {64, 20, 46}, 2.4, Hex(0x6A4428));
        Line(cr, o, {58, 20, 24}, {68, 20, 24}, 1.8, Hex(0x6A4428));
        const P2 w = Project(o, {63, 20, 48});
        cairo_arc(cr, w.x, w.y, 6, 0, 2 * M_PI);
        cairo_set_line_width(cr, 1.8);
        SetRgb(cr, Hex(0x3A2A1E));
        cairo_stroke(cr);
        for (int i = 0; i < 3; ++i) Sack(cr, o, {46.0 + i * 6, -12, 0}, Hex(0xE8C050));
    };
    return a;
}

BuildingArt Goldsmith() {
    BuildingArt a{13, "Goldsmith", {646, 344}, {}, {}, true};
    const Block shop{.w = 40,
                     .d = 34,
                     .h = 46,
                     .wall = Wall::Timber,
                     .wallColour = Hex(0xF2E2A8),
                     .stonePlinth = true,
                     .shape = RoofShape::GableFront,
                     .roof = Roof::Slate,
                     .roofColour = Hex(0x4A5670),
                     .roofH = 28,
                     .floors = 2,
                     .sideWindows = 2,
                     .shuttered = true,
                     .shutters = Hex(0x3A5E9A)};
    a.basic.blocks = {shop};
    auto sign = [](cairo_t* cr, P2 o) { Sign(cr, o, {-6, -6, 0}, Hex(0x3A5E9A), Hex(0xF0C040)); };
    a.basic.front = sign;
    a.upgraded.blocks = {shop,
                         {.x = 42,
                          .y = 2,
                          .w = 32,
                          .d = 30,
                          .h = 40,
                          .wallColour = Hex(0xEBC3B0),
                          .stonePlinth = true,
                          .shape = RoofShape::Hip,
                          .roofColour = Hex(0xA84A36),
                          .roofH = 18,
                          .floors = 2,
                          .frontWindows = 2,
                          .doorAt = -1,
                          .shuttered = true,
                          .trim = Hex(0xB8902E),
                          .shutters = Hex(0x3A5E9A)}};
    a.upgraded.front = sign;
    return a;
}

BuildingArt CartShed() {
    BuildingArt a{14, "Cart shed", {252, 468}, {}, {}, false};
    a.basic.blocks = {{.w = 64,
                       .d = 34,
                       .h = 22,
                       .wall = Wall::Planks,
                       .wallColour = Hex(0x9A7048),
                       .roof = Roof::Shingles,
                       .roofColour = Hex(0x6E5038),
                       .roofH = 18,
                       .openFront = true}};
    a.basic.front = [](cairo_t* cr, P2 o) {
        Cart(cr, o, {8, 10, 0}, Hex(0xD8B060));
        Cart(cr, o, {36, 12, 0}, Hex(0x9A6A3A));
        Barrel(cr, o, {68, -4, 0});
    };
    return a;
}

BuildingArt TownHall() {
    BuildingArt a{15, "Town hall", {418, 590}, {}, {}, false};
    a.basic.blocks = {{.w = 112,
                       .d = 54,
                       .h = 44,
                       .wall = Wall::Stone,
                       .wallColour = Hex(0xD4C6A8),
                       .shape = RoofShape::Hip,
                       .roofColour = Hex(0xA8442E),
                       .roofH = 30,
                       .floors = 2,
                       .frontWindows = 5,
                       .sideWindows = 2,
                       .wideDoor = true,
                       .trim = Hex(0x5A3A22)}};
    a.basic.towers = {{.x = 56,
                       .y = 27,
                       .r = 13,
                       .h = 106,
                       .roofH = 34,
                       .base = 60,
                       .wallColour = Hex(0xDCD0B4),
                       .roofColour = Hex(0x4A5670),
                       .windowRows = 1,
                       .clock = true}};
    a.basic.front = [](cairo_t* cr, P2 o) {
        Bush(cr, o, {-4, -6, 0}, 7, Hex(0x4E8A3A));
        Bush(cr, o, {116, -6, 0}, 7, Hex(0x4E8A3A));
        for (double x : {30.0, 82.0}) {
            Line(cr, o, {x, -10, 0}, {x, -10, 36}, 1.4, Hex(0x3A2A1E));
            const P2 p = Project(o, {x, -10, 36});
            cairo_move_to(cr, p.x, p.y);
            cairo_line_to(cr, p.x + 12, p.y + 3);
            cairo_line_to(cr, p.x, p.y + 7);
            cairo_close_path(cr);
            SetRgb(cr, Hex(0x3A6AB0));
            cairo_fill(cr);
        }
    };
    return a;
}

}  // namespace art::village
