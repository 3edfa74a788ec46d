// The puzzle pictures, one scene of the village and its countryside each, and
// their faded sepia twins; the first twelve scenes are drawn here.
#include "puzzles.h"
#include "village_buildings.h"
#include "village_parts.h"

#include <cmath>
#include <string>
#include <vector>

namespace art::puzzles {

namespace {

const char* const kSceneNames[24] = {
    "orchard at harvest",
    "mill by the river",
    "market day",
    "sheep on the hill",
    "smithy at night",
    "the first snow",
    "wheat harvest",
    "hen house at sunrise",
    "fishing by the pond",
    "woodcutter in the pines",
    "the vegetable garden",
    "harvest festival at dusk",
    "quarry and kiln",
    "gold mine in the hills",
    "pigs in the mud",
    "autumn lane",
    "town hall square",
    "beehives in the meadow",
    "rainy evening",
    "the goldsmith's lamps",
    "cart shed on the high road",
    "smokehouse on a frosty morning",
    "scholar's tower under the stars",
    "the village at sunset",
};

const Mood kMorning{Hex(0x7EC0EE), Hex(0xF8E8C0), Hex(0xFFF4C0), 110,           60,
                    Hex(0x8DB0A0), Hex(0x6E9A48), Hex(0x7EAA48), Hex(0x4E8A3A), 1.0};
const Mood kNoon{Hex(0x5AA8E8), Hex(0xCFE8F4), Hex(0xFFFFE0), 470,           40,
                 Hex(0x90B4B0), Hex(0x7FA446), Hex(0x86AE4A), Hex(0x5A9238), 1.0};
const Mood kGolden{Hex(0x8AB8E0), Hex(0xFAD7A0), Hex(0xFFE0A0), 520,           90,
                   Hex(0xA8A890), Hex(0x8E9A40), Hex(0x9AA448), Hex(0x6A8A30), 0.9};
const Mood kNight{Hex(0x141C3C), Hex(0x3A4270), Hex(0xE8ECFF), 470,           50,
                  Hex(0x2E3650), Hex(0x2A3A2E), Hex(0x34482E), Hex(0x26381E), 0.3};
const Mood kSnow{Hex(0x9CB4CC), Hex(0xE4E8EC), Hex(0xF8F8FF), 150,           70,
                 Hex(0xB8C4CC), Hex(0xC8CCC4), Hex(0xD8DCD4), Hex(0x5A6A4A), 0.8};
const Mood kSunrise{Hex(0x6A88C8), Hex(0xFCC890), Hex(0xFFD8A0), 80,  120, Hex(0xA898A0),
                    Hex(0x7A9A48), Hex(0x84A448), Hex(0x4E8A3A), 0.85};
const Mood kMisty{Hex(0xB8C4CC), Hex(0xEEE2CC), Hex(0xFFF6E0), 420,           70,
                  Hex(0xB4B2A8), Hex(0x8A9A58), Hex(0x7E9A4E), Hex(0x3E6A3A), 0.8};
const Mood kDusk{Hex(0x3A3C78), Hex(0xF08A5A), Hex(0xFFB060), 300,           150,
                 Hex(0x7A5C70), Hex(0x5A6A30), Hex(0x6A7A3A), Hex(0x4A5A28), 0.55};

const Mood& OrchardAtHarvest(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kMorning, rng, 140, 4);
    Building(cr, village::Farmstead().basic, 400, 186, 0.9, 3);
    for (int i = 0; i < 7; ++i) Tree(cr, 20 + i * 50, 190 + (i % 2) * 4, 46, Hex(0x5A9A3E), rng, 8);
    for (int i = 0; i < 5; ++i) Tree(cr, -10 + i * 95, 250 + (i % 2) * 6, 80, Hex(0x4E923A), rng, 14);
    Tree(cr, 70, 352, 190, Hex(0x4A8A36), rng, 40);
    Tree(cr, 520, 356, 200, Hex(0x52923A), rng, 42);
    // A ladder against the big tree, a picker on it, baskets below.
    cairo_move_to(cr, 455, 350);
    cairo_line_to(cr, 490, 190);
    cairo_move_to(cr, 475, 352);
    cairo_line_to(cr, 508, 194);
    for (int k = 0; k < 8; ++k) {
        cairo_move_to(cr, 457 + k * 4.2, 332 - k * 19);
        cairo_line_to(cr, 477 + k * 4.1, 334 - k * 19);
    }
    cairo_set_line_width(cr, 3);
    SetRgb(cr, Hex(0x7A5230));
    cairo_stroke(cr);
    Villager(cr, 496, 250, 62, Hex(0x3A6AA8), 0);
    Basket(cr, 330, 330, 46, Hex(0xD8342A));
    Basket(cr, 388, 345, 40, Hex(0xD8342A));
    Basket(cr, 250, 300, 32, Hex(0xE8C040));
    Villager(cr, 290, 320, 78, Hex(0xB84A3A), 1);
    return kMorning;
}

const Mood& MillByTheRiver(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kNoon, rng, 130, 5);
    River(cr, 250, 150, 30, 200, 250, kNoon.skyBottom, rng);
    Bridge(cr, 205, 176, 90, 14);
    village::Block mill{.w = 60,
                        .d = 42,
                        .h = 34,
                        .wall = village::Wall::Stone,
                        .wallColour = Hex(0xC8B8A0),
                        .roof = village::Roof::Thatch,
                        .roofColour = Hex(0xC8A050),
                        .roofH = 28,
                        .floors = 2,
                        .doorAt = 0.7};
    village::Design d;
    d.blocks = {mill};
    WaterWheel(cr, 282, 262, 56);
    Building(cr, d, 300, 300, 2.2, 11);
    for (int i = 0; i < 4; ++i) Tree(cr, 20 + i * 48, 170 + i * 3, 50, Hex(0x4E8A3A), rng);
    Tree(cr, 560, 250, 120, Hex(0x5A9238), rng);
    Tree(cr, 40, 340, 150, Hex(0x4A8234), rng);
    {
        Saved s(cr);
        cairo_translate(cr, 520, 330);
        cairo_scale(cr, 2.4, 2.4);
        village::Sack(cr, {0, 0}, {0, 0, 0}, Hex(0xE8DCC0));
        village::Sack(cr, {0, 0}, {10, 0, 0}, Hex(0xE2D0A8));
        village::Sack(cr, {0, 0}, {5, -6, 0}, Hex(0xEADCC0));
    }
    Boat(cr, 150, 300, 80);
    return kNoon;
}

const Mood& MarketDay(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kNoon, rng, 120, 3);
    Building(cr, village::MarketHall().basic, 190, 220, 2.2, 21);
    Tree(cr, 40, 200, 90, Hex(0x5A9238), rng);
    Tree(cr, 570, 210, 100, Hex(0x4E8A3A), rng);
    Road(cr, 300, 200, 140, 300, 640, Hex(0xC8A878));
    Bunting(cr, 0, 150, 600, 140, 40, rng);
    Stall(cr, 40, 300, 110, Hex(0xC83A2A), Hex(0xE8C040), rng);
    Stall(cr, 440, 310, 120, Hex(0x3A6AB0), Hex(0xD8342A), rng);
    Stall(cr, 250, 260, 90, Hex(0x4E9A3A), Hex(0xE0782A), rng);
    const Rgb coats[] = {Hex(0xB84A3A), Hex(0x3A6AA8), Hex(0x6A8A3A), Hex(0x8A5AA0), Hex(0xC88A2A)};
    for (int i = 0; i < 7; ++i)
        Villager(cr, 170 + i * 45 + rng.Range(-8, 8), 300 + (i % 3) * 18, 56 + (i % 3) * 8, coats[i % 5],
                 i % 4);
    Basket(cr, 200, 352, 34, Hex(0xD8342A));
    Pumpkin(cr, 420, 350, 30);
    return kNoon;
}

const Mood& SheepOnTheHill(cairo_t* cr, Rng& rng) {
    Sky(cr, kGolden, rng, 5);
    Ridge(cr, 150, 20, 0.01, 1.0, Hex(0x9AA488), 0.1);
    Ridge(cr, 215, 60, 0.004, 2.6, Hex(0x94B050), 0.25);
    Meadow(cr, 300, Hex(0x8AA848), rng);
    Building(cr, village::SheepFold().basic, 250, 190, 1.3, 31);
    for (int i = 0; i < 12; ++i) {
        const double x = 10 + i * 52;
        cairo_move_to(cr, x, 306 - i * 1.5);
        cairo_line_to(cr, x, 276 - i * 1.5);
        cairo_set_line_width(cr, 4);
        SetRgb(cr, Hex(0x6A4A2A));
        cairo_stroke(cr);
        if (i > 0) {
            cairo_move_to(cr, x - 52, 288 - (i - 1) * 1.5);
            cairo_line_to(cr, x, 288 - i * 1.5);
            cairo_move_to(cr, x - 52, 298 - (i - 1) * 1.5);
            cairo_line_to(cr, x, 298 - i * 1.5);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
    }
    const double sheep[][3] = {{80, 230, 28},  {150, 210, 24}, {420, 205, 24}, {470, 225, 28}, {360, 240, 30},
                               {120, 345, 60}, {250, 335, 52}, {470, 350, 66}, {540, 260, 34}};
    for (int i = 0; i < 9; ++i) Sheep(cr, sheep[i][0], sheep[i][1], sheep[i][2], i % 2 == 0, i % 3 == 1);
    Villager(cr, 560, 330, 90, Hex(0x6A5A3A), 2);
    Tree(cr, 30, 170, 70, kGolden.foliage, rng);
    return kGolden;
}

const Mood& SmithyAtNight(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kNight, rng, 150, 0);
    Stars(cr, rng, 90, 150);
    Building(cr, village::Smithy().basic, 200, 300, 3.0, 41);
    Pine(cr, 40, 250, 110, Hex(0x1E3A24));
    Pine(cr, 560, 260, 130, Hex(0x1E3A24));
    Tree(cr, 510, 200, 80, Hex(0x2A4A2A), rng);
    NightVeil(cr, Hex(0x5A6AA0), 0.55);
    // The forge's fire through the wide door, sparks from the chimney, a lantern by the anvil.
    Lamp(cr, 262, 264, 110, Hex(0xFF9A3A), 0.85);
    Lamp(cr, 258, 270, 40, Hex(0xFFE0A0), 0.9);
    Lamp(cr, 330, 226, 40, Hex(0xFFC070), 0.6);
    for (int i = 0; i < 30; ++i)
        Lamp(cr, 330 + rng.Range(-20, 60), 60 + rng.Range(-30, 40), rng.Range(2, 4), Hex(0xFFB050), 0.9);
    Villager(cr, 160, 330, 80, Hex(0x4A3A30), 2);
    Lamp(cr, 160, 300, 60, Hex(0xFF8A3A), 0.35);
    return kNight;
}

const Mood& FirstSnow(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kSnow, rng, 150, 3);
    SnowGround(cr, 150, rng);
    SnowyBuilding(cr, village::Farmstead().basic, 130, 270, 1.8, 51, 11);
    SnowyBuilding(cr, village::Goldsmith().basic, 440, 220, 1.2, 52, 7);
    for (int i = 0; i < 6; ++i) Pine(cr, 20 + i * 22, 190, 60 + (i % 2) * 20, Hex(0x3E5A46));
    BareTree(cr, 540, 340, 200, rng);
    BareTree(cr, 60, 350, 150, rng);
    Villager(cr, 400, 320, 70, Hex(0xA83A2A), 1);
    Villager(cr, 440, 330, 50, Hex(0x3A6AA8), 0);
    Snowfall(cr, rng, 500);
    return kSnow;
}

const Mood& WheatHarvest(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kGolden, rng, 130, 4);
    FieldRows(cr, -40, 640, 170, 360, 20, Hex(0xE8C058), Hex(0xB88A30), 26);
    for (int i = 0; i < 5; ++i) Haystack(cr, 60 + i * 120, 200 + (i % 2) * 10, 16 + i % 2 * 4);
    for (int i = 0; i < 8; ++i) Sheaf(cr, 40 + i * 72, 270 + (i % 3) * 12, 40);
    {
        Saved s(cr);
        cairo_translate(cr, 360, 340);
        cairo_scale(cr, 4, 4);
        village::Cart(cr, {0, 0}, {0, 0, 0}, Hex(0xE8C058));
    }
    Villager(cr, 150, 340, 90, Hex(0xF0E8D8), 0);
    Villager(cr, 250, 320, 80, Hex(0xB84A3A), 1);
    Tree(cr, 560, 170, 70, kGolden.foliage, rng);
    return kGolden;
}

const Mood& HenHouseAtSunrise(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kSunrise, rng, 150, 5);
    Building(cr, village::HenHouse().basic, 200, 280, 3.0, 71);
    Building(cr, village::Farmstead().basic, 460, 200, 1.0, 72);
    const Rgb hens[] = {Hex(0xF4EEE4), Hex(0xB8662A), Hex(0x8A4A22), Hex(0xF4EEE4)};
    for (int i = 0; i < 8; ++i)
        Hen(cr, 120 + i * 55 + rng.Range(-10, 10), 300 + (i % 3) * 18, 28, hens[i % 4], i % 2);
    Villager(cr, 520, 340, 84, Hex(0x8A5AA0), 1);
    Basket(cr, 470, 345, 30, Hex(0xF6EEDC));
    Tree(cr, 50, 260, 110, kSunrise.foliage, rng);
    return kSunrise;
}

const Mood& FishingByThePond(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kNoon, rng, 130, 4);
    Pond(cr, 300, 260, 230, 70, kNoon.skyBottom, rng);
    Boat(cr, 260, 270, 90);
    Villager(cr, 262, 262, 50, Hex(0x3A6AA8), 0);
    cairo_move_to(cr, 272, 228);
    cairo_curve_to(cr, 300, 190, 340, 190, 360, 200);
    cairo_line_to(cr, 362, 262);
    cairo_set_line_width(cr, 1.2);
    SetRgb(cr, Hex(0x3A2A1A));
    cairo_stroke(cr);
    Tree(cr, 560, 300, 170, Hex(0x6A9A3A), rng);
    Tree(cr, 40, 230, 90, kNoon.foliage, rng);
    Building(cr, village::WoodcuttersLodge().basic, 100, 180, 0.9, 81);
    Villager(cr, 480, 350, 80, Hex(0xB84A3A), 1);
    return kNoon;
}

const Mood& WoodcutterInThePines(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kMisty, rng, 120, 2);
    for (int i = 0; i < 14; ++i)
        Pine(cr, rng.Range(0, 600), 150 + rng.Range(0, 10), rng.Range(60, 90), Hex(0x6A8A78));
    Building(cr, village::WoodcuttersLodge().basic, 180, 270, 2.6, 91);
    for (int i = 0; i < 4; ++i)
        Pine(cr, i < 2 ? 20 + i * 60 : 470 + i * 30, 340, 180 + i * 10, Hex(0x2E5A3A));
    {
        Saved s(cr);
        cairo_translate(cr, 420, 330);
        cairo_scale(cr, 3, 3);
        village::LogPile(cr, {0, 0}, {0, 0, 0}, 3, 26);
    }
    Villager(cr, 300, 345, 90, Hex(0xA83A2A), 2);
    cairo_move_to(cr, 320, 300);
    cairo_line_to(cr, 340, 275);
    cairo_set_line_width(cr, 3);
    SetRgb(cr, Hex(0x5A3A20));
    cairo_stroke(cr);
    return kMisty;
}

const Mood& VegetableGarden(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kMorning, rng, 130, 4);
    Building(cr, village::VegetableGarden().basic, 150, 290, 3.6, 101);
    for (int i = 0; i < 6; ++i) Pumpkin(cr, 60 + i * 90 + rng.Range(-10, 10), 320 + (i % 2) * 20, 38);
    Villager(cr, 480, 300, 80, Hex(0x6A8A3A), 0);
    Basket(cr, 520, 320, 40, Hex(0xE0782A));
    Tree(cr, 560, 200, 100, kMorning.foliage, rng, 10);
    Tree(cr, 40, 200, 80, kMorning.foliage, rng);
    return kMorning;
}

const Mood& HarvestFestival(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kDusk, rng, 150, 3);
    Building(cr, village::Farmstead().basic, 30, 250, 1.6, 111);
    Building(cr, village::Goldsmith().basic, 380, 250, 1.6, 112);
    Bunting(cr, 0, 120, 600, 110, 50, rng);
    Bunting(cr, 0, 170, 600, 180, 40, rng);
    NightVeil(cr, Hex(0xB89AA8), 0.35);
    for (int i = 0; i < 9; ++i) Lamp(cr, 40 + i * 65, 150 + 30 * std::sin(i * 1.3), 24, Hex(0xFFC060), 0.9);
    Lamp(cr, 300, 320, 120, Hex(0xFF9A3A), 0.6);
    // Dancers round the bonfire, the far ones first.
    const Rgb coats[] = {Hex(0xB84A3A), Hex(0x3A6AA8), Hex(0x6A8A3A), Hex(0x8A5AA0), Hex(0xC88A2A)};
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 8; ++i) {
            const double a = (i + 0.5) * M_PI / 4, y = 300 + std::sin(a) * 40;
            if ((std::sin(a) > 0) != (pass == 1)) continue;
            Villager(cr, 300 + std::cos(a) * 170, y, 60 + std::sin(a) * 10, coats[i % 5], i % 4);
        }
        if (pass == 0) {
            for (int k = 0; k < 5; ++k) {
                cairo_move_to(cr, 280 + k * 8, 312);
                cairo_line_to(cr, 300 + (k - 2) * 3, 295);
            }
            cairo_set_line_width(cr, 4);
            SetRgb(cr, Hex(0x4A2E1A));
            cairo_stroke(cr);
            Lamp(cr, 300, 290, 34, Hex(0xFF8A2A), 1);
            Lamp(cr, 300, 296, 18, Hex(0xFFF0B0), 1);
        }
    }
    return kDusk;
}

}  // namespace

void PaintScene(cairo_t* cr, int index) {
    const Mood& (*const scenes[12])(cairo_t*, Rng&) = {
        OrchardAtHarvest, MillByTheRiver, MarketDay,         SheepOnTheHill,   SmithyAtNight,
        FirstSnow,        WheatHarvest,   HenHouseAtSunrise, FishingByThePond, WoodcutterInThePines,
        VegetableGarden,  HarvestFestival};
    if (index >= 12) {
        PaintLaterScene(cr, index);
        return;
    }
    Rng rng(7000 + static_cast<std::uint64_t>(index));
    Finish(cr, scenes[index](cr, rng));
}

void DrawPuzzlePictures(Sink& sink) {
    // Review sheets in the build folder: six pictures at full size on each, and
    // every sepia twin at half size on one.
    std::vector<SurfacePtr> sheets;
    for (int k = 0; k < 4; ++k) sheets.push_back(NewSurface(2 * kPicW + 10, 3 * kPicH + 20));
    SurfacePtr sepiaSheet = NewSurface(4 * kPicW / 2 + 15, 6 * kPicH / 2 + 25);
    for (int i = 0; i < 24; ++i) {
        SurfacePtr colour = NewSurface(kPicW, kPicH);
        {
            Ctx cr(colour.get());
            PaintScene(cr, i);
        }
        SurfacePtr sepia = SepiaTwin(colour.get());
        const std::string name = "gfx/puzzles/puzzle-" + std::to_string(i + 1);
        sink.Jpg(name + ".jpg", colour.get(), std::string("puzzle picture: ") + kSceneNames[i], 90);
        sink.Jpg(name + "-sepia.jpg", sepia.get(), std::string("faded twin: ") + kSceneNames[i], 90);
        {
            Ctx cr(sheets[static_cast<size_t>(i / 6)].get());
            cairo_set_source_surface(cr, colour.get(), (i % 2) * (kPicW + 10), (i % 6 / 2) * (kPicH + 10));
            cairo_paint(cr);
        }
        Ctx cr(sepiaSheet.get());
        cairo_translate(cr, (i % 4) * (kPicW / 2 + 5), (i / 4) * (kPicH / 2 + 5));
        cairo_scale(cr, 0.5, 0.5);
        cairo_set_source_surface(cr, sepia.get(), 0, 0);
        cairo_paint(cr);
    }
    for (size_t k = 0; k < sheets.size(); ++k)
        cairo_surface_write_to_png(
            sheets[k].get(), (sink.BuildDir() + "/puzzles-review-" + std::to_string(k + 1) + ".png").c_str());
    cairo_surface_write_to_png(sepiaSheet.get(), (sink.BuildDir() + "/puzzles-review-sepia.png").c_str());
}

}  // namespace art::puzzles
