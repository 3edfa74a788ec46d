// The second twelve puzzle scenes: the village's trades, lanes and squares,
// weather and the night.
#include "puzzles.h"
#include "village_buildings.h"
#include "village_parts.h"

#include <cmath>

namespace art::puzzles {

namespace {

const Mood kNoon{Hex(0x5AA8E8), Hex(0xCFE8F4), Hex(0xFFFFE0), 130,           40,
                 Hex(0x90B4B0), Hex(0x7FA446), Hex(0x86AE4A), Hex(0x5A9238), 1.0};
const Mood kAfternoon{Hex(0x8AB8E0), Hex(0xFAD7A0), Hex(0xFFE0A0), 80, 80, Hex(0xA0A88C),
                      Hex(0x8E9A40), Hex(0x8EA448), Hex(0x6A8A30), 0.9};
const Mood kAutumn{Hex(0x6A98C8), Hex(0xF6C888), Hex(0xFFC070), 480,           90,
                   Hex(0x9A8A88), Hex(0x8A7A38), Hex(0x9A9A48), Hex(0xC8702A), 0.8};
const Mood kSummer{Hex(0x4AA0E8), Hex(0xD8ECF4), Hex(0xFFFFE0), 500,           50,
                   Hex(0x88B0A8), Hex(0x6EA044), Hex(0x7EB24A), Hex(0x4E9238), 1.0};
const Mood kRain{Hex(0x5A6478), Hex(0xA8AAB0), Hex(0xD8D8E0), 450,           80,
                 Hex(0x7A8488), Hex(0x56683E), Hex(0x5E7842), Hex(0x3E5A32), 0.5};
const Mood kEvening{Hex(0x4A5AA0), Hex(0xF0A878), Hex(0xFFC080), 90,  130, Hex(0x8A7488),
                    Hex(0x6A7A3A), Hex(0x768A40), Hex(0x4E6A2E), 0.65};
const Mood kFrost{Hex(0x9CC4E4), Hex(0xEEF2F4), Hex(0xFFFFF0), 460,           70,
                  Hex(0xB8C4CC), Hex(0xB8C0B0), Hex(0xB4C0A8), Hex(0x6A7A5A), 0.95};
const Mood kNight{Hex(0x101838), Hex(0x34406C), Hex(0xE8ECFF), 120,           60,
                  Hex(0x2E3650), Hex(0x2A3A2E), Hex(0x30442C), Hex(0x26381E), 0.3};
const Mood kSunset{Hex(0x4A4C90), Hex(0xF88858), Hex(0xFFB060), 300,           110,
                   Hex(0x7A5C70), Hex(0x6A5A30), Hex(0x7A8A3A), Hex(0x5A6A28), 0.6};

const Rgb kCoats[] = {Hex(0xB84A3A), Hex(0x3A6AA8), Hex(0x6A8A3A), Hex(0x8A5AA0), Hex(0xC88A2A)};

// A block of the village's scale at (x, y, z) of a scene origin, as the props use.
template <typename F>
void AtScale(cairo_t* cr, double x, double y, double s, F draw) {
    Saved saved(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    draw();
}

const Mood& QuarryAndKiln(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kNoon, rng, 140, 4);
    // A grey cliff cut into the hill behind the kiln.
    cairo_move_to(cr, 260, 240);
    cairo_line_to(cr, 300, 120);
    cairo_line_to(cr, 420, 100);
    cairo_line_to(cr, 600, 130);
    cairo_line_to(cr, 600, 250);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(300, 100, 420, 260);
    AddStop(g, 0, Hex(0xC8C0B4));
    AddStop(g, 1, Hex(0x7A7268));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 0; i < 10; ++i) {
        cairo_move_to(cr, 300 + i * 30, 120 + (i % 3) * 10);
        cairo_line_to(cr, 290 + i * 31, 240);
    }
    cairo_set_line_width(cr, 1.5);
    SetRgb(cr, Hex(0x5A544C), 0.5);
    cairo_stroke(cr);
    Building(cr, village::QuarryAndKiln().basic, 120, 300, 2.4, 121);
    Smoke(cr, 160, 150, 120, 0.9, rng);
    AtScale(cr, 0, 0, 1, [&] {
        for (int i = 0; i < 7; ++i)
            village::Rock(cr, {0, 0}, {430.0 + i * 24, 300.0 + (i % 3) * 14, 0}, 12 + (i % 3) * 5,
                          Hex(0xA8A094), rng);
    });
    Villager(cr, 420, 350, 84, kCoats[2], 2);
    return kNoon;
}

const Mood& GoldMine(cairo_t* cr, Rng& rng) {
    Sky(cr, kAfternoon, rng, 4);
    Ridge(cr, 140, 30, 0.01, 0.4, kAfternoon.hillFar, 0.1);
    Ridge(cr, 200, 60, 0.005, 1.2, Hex(0x8A8A48), 0.3);
    Meadow(cr, 280, kAfternoon.grass, rng);
    Building(cr, village::GoldMine().basic, 180, 290, 2.4, 131);
    Road(cr, 250, 290, 60, 420, 260, Hex(0xB89A6A));
    AtScale(cr, 430, 340, 3.5, [&] { village::Cart(cr, {0, 0}, {0, 0, 0}, Hex(0xF0C040)); });
    for (int i = 0; i < 12; ++i)
        Lamp(cr, 480 + rng.Range(-20, 30), 310 + rng.Range(-14, 4), 6, Hex(0xFFE080), 0.9);
    Villager(cr, 330, 330, 84, kCoats[4], 0);
    Pine(cr, 40, 300, 150, Hex(0x3A6A3E));
    Pine(cr, 570, 250, 120, Hex(0x3A6A3E));
    return kAfternoon;
}

const Mood& PigsInTheMud(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kSummer, rng, 130, 5);
    Building(cr, village::Pigsty().basic, 140, 240, 2.6, 141);
    cairo_save(cr);
    cairo_translate(cr, 320, 300);
    cairo_scale(cr, 1, 0.3);
    cairo_arc(cr, 0, 0, 200, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0x7A5A36), 0.9);
    cairo_fill(cr);
    const double pigs[][3] = {{250, 300, 60}, {380, 320, 70}, {470, 290, 50}, {170, 340, 80}};
    for (int i = 0; i < 4; ++i) Pig(cr, pigs[i][0], pigs[i][1], pigs[i][2], i % 2 == 1);
    Villager(cr, 540, 340, 88, kCoats[1], 0);
    Tree(cr, 560, 220, 110, kSummer.foliage, rng);
    return kSummer;
}

const Mood& AutumnLane(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kAutumn, rng, 140, 4);
    Road(cr, 320, 160, 16, 300, 300, Hex(0xB8986A));
    const Rgb leaves[] = {Hex(0xD86A2A), Hex(0xE8A83A), Hex(0xB84A2A), Hex(0xC8882A)};
    for (int i = 0; i < 6; ++i) {
        const double t = i / 5.0, s = 50 + 140 * t * t, y = 170 + 190 * t * t;
        Tree(cr, 320 - 40 - 230 * t * t, y, s, leaves[i % 4], rng);
        Tree(cr, 320 + 40 + 230 * t * t, y + 4, s, leaves[(i + 2) % 4], rng);
    }
    for (int i = 0; i < 140; ++i) {
        const double x = rng.Range(0, kPicW), y = rng.Range(200, kPicH);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rng.Range(0, M_PI));
        cairo_scale(cr, 1, 0.5);
        cairo_arc(cr, 0, 0, 2 + (y - 200) / 40, 0, 2 * M_PI);
        cairo_restore(cr);
        SetRgb(cr, leaves[rng.Int(0, 3)], 0.85);
        cairo_fill(cr);
    }
    Villager(cr, 300, 280, 60, kCoats[1], 0);
    Villager(cr, 325, 284, 56, kCoats[3], 1);
    return kAutumn;
}

const Mood& TownHallSquare(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kNoon, rng, 110, 4);
    cairo_rectangle(cr, 0, 240, kPicW, 120);
    SetRgb(cr, Hex(0xC8B490));
    cairo_fill(cr);
    for (int i = 0; i < 12; ++i) {
        cairo_move_to(cr, 0, 250 + i * 10);
        cairo_line_to(cr, kPicW, 250 + i * 10);
    }
    cairo_set_line_width(cr, 1);
    SetRgb(cr, Hex(0x9A8866), 0.5);
    cairo_stroke(cr);
    Building(cr, village::TownHall().basic, 195, 262, 1.45, 161);
    AtScale(cr, 470, 330, 2.5, [&] {
        village::Barrel(cr, {0, 0}, {0, 0, 0});
        village::Sack(cr, {0, 0}, {12, -4, 0}, Hex(0xE8DCC0));
    });
    for (int i = 0; i < 6; ++i)
        Villager(cr, 60 + i * 95, 300 + (i % 2) * 30, 60 + (i % 2) * 14, kCoats[i % 5], i % 4);
    Tree(cr, 40, 240, 100, kNoon.foliage, rng);
    return kNoon;
}

const Mood& BeehivesInTheMeadow(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kSummer, rng, 140, 5);
    const Rgb flowers[] = {Hex(0xFFF4E0), Hex(0xF0D040), Hex(0xE06A8A), Hex(0xB890E0)};
    for (int i = 0; i < 500; ++i) {
        const double y = rng.Range(180, kPicH), r = 0.8 + (y - 180) / 60;
        cairo_arc(cr, rng.Range(0, kPicW), y, r, 0, 2 * M_PI);
        SetRgb(cr, flowers[rng.Int(0, 3)], 0.9);
        cairo_fill(cr);
    }
    Building(cr, village::Farmstead().basic, 380, 190, 1.0, 171);
    for (int i = 0; i < 5; ++i) Skep(cr, 80 + i * 105, 280 + (i % 2) * 30, 58);
    for (int i = 0; i < 40; ++i) {
        const double x = rng.Range(40, 580), y = rng.Range(170, 300);
        cairo_arc(cr, x, y, 1.8, 0, 2 * M_PI);
        SetRgb(cr, Hex(0x3A2A10));
        cairo_fill(cr);
        Lamp(cr, x + 1, y - 1, 3, Hex(0xF0D040), 0.8);
    }
    Tree(cr, 30, 220, 110, kSummer.foliage, rng);
    Villager(cr, 560, 350, 88, Hex(0xF0ECE0), 2);
    return kSummer;
}

const Mood& RainyEvening(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kRain, rng, 140, 8);
    Road(cr, 300, 180, 60, 300, 420, Hex(0x8A7A60));
    Building(cr, village::Farmstead().basic, 10, 250, 1.8, 181);
    Building(cr, village::Goldsmith().basic, 390, 240, 1.7, 182);
    NightVeil(cr, Hex(0x8890B0), 0.55);
    for (int i = 0; i < 10; ++i) {
        cairo_save(cr);
        cairo_translate(cr, rng.Range(200, 420), rng.Range(260, 350));
        cairo_scale(cr, 1, 0.25);
        cairo_arc(cr, 0, 0, rng.Range(14, 34), 0, 2 * M_PI);
        cairo_restore(cr);
        SetRgb(cr, Hex(0xB8C4D8), 0.45);
        cairo_fill(cr);
    }
    Lamp(cr, 300, 230, 60, Hex(0xFFC060), 0.7);
    cairo_rectangle(cr, 298, 232, 4, 90);
    SetRgb(cr, Hex(0x2A2420));
    cairo_fill(cr);
    Villager(cr, 280, 330, 70, kCoats[0], 1);
    // An umbrella over the walker.
    cairo_arc(cr, 280, 272, 34, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0x2A4A7A));
    cairo_fill(cr);
    RainStreaks(cr, rng, 700);
    return kRain;
}

const Mood& GoldsmithsLamps(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kEvening, rng, 140, 4);
    Building(cr, village::Goldsmith().basic, 170, 300, 2.8, 191);
    Tree(cr, 60, 260, 130, kEvening.foliage, rng);
    NightVeil(cr, Hex(0xA898B8), 0.45);
    for (int i = 0; i < 4; ++i) Lamp(cr, 230 + i * 50, 250 - (i % 2) * 20, 40, Hex(0xFFC060), 0.6);
    Lamp(cr, 480, 250, 30, Hex(0xFFD070), 0.9);
    cairo_rectangle(cr, 478, 256, 4, 90);
    SetRgb(cr, Hex(0x2A2420));
    cairo_fill(cr);
    Villager(cr, 520, 340, 84, kCoats[3], 1);
    for (int i = 0; i < 18; ++i) Sparkle(cr, rng.Range(220, 420), rng.Range(200, 300), 6, 0.8);
    return kEvening;
}

const Mood& CartShedOnTheRoad(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kAfternoon, rng, 130, 5);
    Road(cr, 420, 160, 20, 380, 360, Hex(0xC8A878));
    Building(cr, village::CartShed().basic, 60, 260, 2.4, 201);
    AtScale(cr, 380, 320, 4, [&] { village::Cart(cr, {0, 0}, {0, 0, 0}, Hex(0xE8DCC0)); });
    Villager(cr, 340, 320, 84, kCoats[2], 0);
    for (int i = 0; i < 4; ++i) Tree(cr, 500 + i * 30, 190 + i * 30, 60 + i * 25, kAfternoon.foliage, rng);
    Building(cr, village::Farmstead().basic, 450, 170, 0.6, 202);
    return kAfternoon;
}

const Mood& SmokehouseFrost(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kFrost, rng, 140, 3);
    cairo_rectangle(cr, 0, 150, kPicW, kPicH - 150);
    cairo_set_source_rgba(cr, 0.92, 0.95, 1, 0.35);
    cairo_fill(cr);
    Building(cr, village::Smokehouse().basic, 200, 290, 3.0, 211);
    Smoke(cr, 320, 100, 110, 0.8, rng);
    for (int i = 0; i < 5; ++i) Pine(cr, 20 + i * 30, 240 + (i % 2) * 10, 90, Hex(0x4A6A5A));
    BareTree(cr, 530, 330, 180, rng);
    Villager(cr, 470, 340, 84, kCoats[0], 2);
    AtScale(cr, 430, 350, 2.6, [&] { village::LogPile(cr, {0, 0}, {0, 0, 0}, 2, 18); });
    return kFrost;
}

const Mood& ScholarsTower(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kNight, rng, 180, 0);
    Stars(cr, rng, 160, 200);
    Building(cr, village::ScholarsTower().basic, 220, 330, 2.2, 221);
    Tree(cr, 60, 300, 110, kNight.foliage, rng);
    Pine(cr, 540, 310, 140, Hex(0x1E3A24));
    NightVeil(cr, Hex(0x5A6AA0), 0.5);
    for (int i = 0; i < 5; ++i) Lamp(cr, 300 + (i % 2) * 20, 150 + i * 30, 20, Hex(0xFFD070), 0.7);
    // A comet over the tower, the scholar's night.
    cairo_move_to(cr, 420, 60);
    cairo_line_to(cr, 520, 20);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, 1, 1, 0.9, 0.5);
    cairo_stroke(cr);
    Sparkle(cr, 420, 60, 12, 1);
    return kNight;
}

const Mood& VillageAtSunset(cairo_t* cr, Rng& rng) {
    Backdrop(cr, kSunset, rng, 150, 4);
    River(cr, 420, 170, 14, 520, 160, kSunset.skyBottom, rng);
    const village::Design designs[] = {village::Farmstead().basic, village::MarketHall().basic,
                                       village::Smithy().basic,    village::TownHall().basic,
                                       village::HenHouse().basic,  village::Goldsmith().basic};
    const double spots[][3] = {{40, 210, 0.8}, {160, 200, 0.9}, {300, 215, 0.8},
                               {60, 300, 1.2}, {220, 320, 1.2}, {330, 300, 1.1}};
    for (int i = 0; i < 6; ++i) Building(cr, designs[i], spots[i][0], spots[i][1], spots[i][2], 231 + i);
    for (int i = 0; i < 5; ++i) Tree(cr, 470 + i * 30, 200 + (i % 2) * 8, 50, kSunset.foliage, rng);
    NightVeil(cr, Hex(0xE0B0A0), 0.3);
    for (int i = 0; i < 8; ++i) Lamp(cr, rng.Range(40, 400), rng.Range(190, 300), 14, Hex(0xFFC060), 0.7);
    return kSunset;
}

}  // namespace

void PaintLaterScene(cairo_t* cr, int index) {
    const Mood& (*const scenes[12])(cairo_t*, Rng&) = {QuarryAndKiln,   GoldMine,        PigsInTheMud,
                                                       AutumnLane,      TownHallSquare,  BeehivesInTheMeadow,
                                                       RainyEvening,    GoldsmithsLamps, CartShedOnTheRoad,
                                                       SmokehouseFrost, ScholarsTower,   VillageAtSunset};
    Rng rng(7000 + static_cast<std::uint64_t>(index));
    Finish(cr, scenes[(index - 12) % 12](cr, rng));
}

}  // namespace art::puzzles
