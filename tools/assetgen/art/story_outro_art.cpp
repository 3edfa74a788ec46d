// The outro's four pictures, larger than the screen so that they can pan and
// zoom: Brambleton rebuilt at sunrise, market day, the King at the new town
// hall, and Wren and Clover riding home under the stars.
#include "story_art.h"
#include "story_paper.h"

#include <cmath>

namespace art {
namespace story {

namespace {
const std::string kDir = "gfx/story/outro/";
const Rgb kRoofs[4] = {Hex(0xB8463A), Hex(0xC88A3A), Hex(0x6A5A8A), Hex(0x8A5A3A)};
const Rgb kWalls = Hex(0xF0DCB8);
const Rgb kLamp = Hex(0xFFC860);

// A house of the village with a coloured roof and lit windows.
void House(cairo_t* cr, double x, double ground, double w, double h, Rgb roof, bool chimney) {
    PaperFill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, x, ground - h, w, h + 2); }, kWalls, 0.2, 0.3);
    PaperFill(
        cr,
        [=](cairo_t* c) {
            cairo_move_to(c, x - w * 0.12, ground - h);
            cairo_line_to(c, x + w / 2, ground - h - w * 0.55);
            cairo_line_to(c, x + w * 1.12, ground - h);
            cairo_close_path(c);
            if (chimney) cairo_rectangle(c, x + w * 0.68, ground - h - w * 0.5, w * 0.12, w * 0.3);
        },
        roof, 0.35, 0.3);
    CottageWindows(cr, x, ground, w, h, kLamp);
}

// Rising smoke from a chimney, as soft paper curls.
void Smoke(cairo_t* cr, double x, double y, double s) {
    for (int i = 0; i < 4; i++) {
        SetRgb(cr, Hex(0xFFF4E0), 0.35 - i * 0.07);
        cairo_arc(cr, x + (i * 8 + 5 * std::sin(i)) * s, y - i * 20 * s, (7 + i * 3) * s, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

// The rebuilt village along a hill: cottages among trees, the woodcutter's
// logs, the market stall, the town hall and the scholar's tower.
void Village(cairo_t* cr, double w, double ground, double s) {
    const double hallX = w * 0.42, towerX = w * 0.62, marketX = w * 0.27;
    const auto reserved = [&](double x0, double x1) {
        for (const auto& zone :
             {std::pair{marketX - 20 * s, marketX + 160 * s}, std::pair{hallX - 30 * s, hallX + 200 * s},
              std::pair{towerX - 30 * s, towerX + 80 * s}})
            if (x1 > zone.first && x0 < zone.second) return true;
        return false;
    };
    PaperFill(
        cr,
        [=](cairo_t* c) {
            for (int i = 0; i * 140 * s < w; i++)
                RoundTree(c, 60 * s + i * 140 * s, ground - 20 * s, 120 * s);
        },
        Hex(0x6E8A4A), 0.3, 0.2);
    for (int i = 0; i * 95 * s < w; i++) {
        const double x = 20 + i * 95 * s + (i % 3) * 9 * s, hw = 62 * s;
        if (reserved(x - 8 * s, x + hw + 8 * s)) continue;
        House(cr, x, ground - (i % 2) * 8 * s, hw, (40 + (i % 3) * 10) * s, kRoofs[i % 4], i % 3 == 0);
        if (i % 3 == 0) Smoke(cr, x + 46 * s, ground - (110 + (i % 2) * 8) * s, s);
    }
    // The woodcutter's pile of logs beside the first houses.
    PaperFill(
        cr,
        [=](cairo_t* c) {
            for (int k = 0; k < 3; k++)
                for (int j = 0; j <= k; j++) {
                    cairo_new_sub_path(c);
                    cairo_arc(c, w * 0.12 + (j * 2 - k) * 9 * s, ground + 10 * s - (2 - k) * 16 * s, 8 * s, 0,
                              2 * M_PI);
                }
        },
        Hex(0xA8703A), 0.3, 0.2);
    // The market stall: posts, a counter with fruit and a striped awning.
    PaperFill(
        cr,
        [=](cairo_t* c) {
            cairo_rectangle(c, marketX, ground - 70 * s, 8 * s, 70 * s);
            cairo_rectangle(c, marketX + 132 * s, ground - 70 * s, 8 * s, 70 * s);
            cairo_rectangle(c, marketX - 4 * s, ground - 30 * s, 148 * s, 30 * s);
        },
        Hex(0x8A5A3A), 0.3, 0.2);
    for (int k = 0; k < 7; k++) {
        const double x = marketX - 10 * s + k * 23 * s;
        PaperFill(
            cr,
            [=](cairo_t* c) {
                cairo_move_to(c, x, ground - 88 * s);
                cairo_line_to(c, x + 23 * s, ground - 88 * s);
                cairo_line_to(c, x + 23 * s, ground - 66 * s);
                cairo_curve_to(c, x + 16 * s, ground - 60 * s, x + 7 * s, ground - 60 * s, x,
                               ground - 66 * s);
                cairo_close_path(c);
            },
            k % 2 ? Hex(0xF2E2C0) : Hex(0xB8463A), 0.3, 0.1);
    }
    SetRgb(cr, Hex(0xE8B04A));
    for (int k = 0; k < 5; k++) {
        cairo_arc(cr, marketX + 20 * s + k * 25 * s, ground - 36 * s, 8 * s, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    PaperFill(
        cr, [=](cairo_t* c) { Tower(c, towerX, ground, 46 * s, 170 * s); }, Hex(0x9A7A6A), 0.35, 0.3);
    SetRgb(cr, kLamp);
    cairo_rectangle(cr, towerX + 17 * s, ground - 140 * s, 12 * s, 18 * s);
    cairo_fill(cr);
    PaperFill(
        cr,
        [=](cairo_t* c) {
            cairo_rectangle(c, hallX, ground - 90 * s, 170 * s, 92 * s);
            cairo_move_to(c, hallX - 14 * s, ground - 90 * s);
            cairo_line_to(c, hallX + 85 * s, ground - 150 * s);
            cairo_line_to(c, hallX + 184 * s, ground - 90 * s);
            cairo_close_path(c);
            cairo_rectangle(c, hallX + 72 * s, ground - 190 * s, 26 * s, 50 * s);
        },
        kWalls, 0.3, 0.35);
    SetRgb(cr, Hex(0xE8B04A));
    cairo_arc(cr, hallX + 85 * s, ground - 112 * s, 13 * s, 0, 2 * M_PI);
    cairo_fill(cr);
    SetRgb(cr, kLamp);
    for (int k = 0; k < 3; k++)
        RoundedRect(cr, hallX + 22 * s + k * 50 * s, ground - 70 * s, 26 * s, 40 * s, 12 * s);
    cairo_fill(cr);
}

// Rows of ripe wheat in front, each a band of golden paper.
void WheatFields(cairo_t* cr, double w, double top, double bottom) {
    for (int row = 0; row < 4; row++) {
        const double y = top + (bottom - top) * row / 4;
        PaperFill(
            cr, [=](cairo_t* c) { RidgePath(c, w, bottom + 40, y, 8, 90 + row, 260); },
            Mix(Hex(0xE8C060), Hex(0xB88A3A), row / 3.0), 0.4, 0.15);
    }
}

SurfacePtr Sunrise() {
    const int w = 1800, h = 900;
    SurfacePtr s = NewSurface(w, h);
    Ctx cr(s.get());
    Sky(cr, w, h, Hex(0x7A8AB8), Hex(0xF8C890), 1300, 420, 60);
    PaperFill(
        cr, [](cairo_t* c) { RidgePath(c, 1800, 900, 470, 50, 71, 520); }, Tone(0));
    PaperFill(
        cr, [](cairo_t* c) { RidgePath(c, 1800, 900, 560, 30, 72, 400); }, Hex(0xA8B878));
    Village(cr, w, 600, 1.0);
    // The river in front, catching the light.
    PaperFill(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 0, 700);
            cairo_curve_to(c, 500, 660, 1200, 740, 1800, 690);
            cairo_line_to(c, 1800, 760);
            cairo_curve_to(c, 1200, 800, 500, 720, 0, 770);
            cairo_close_path(c);
        },
        Hex(0xF6D8A8), 0.5, 0.2);
    WheatFields(cr, w, 780, 900);
    return s;
}

// The Baron's goats, come to market: a stout body, thin legs, curled horns
// and a beard; feet at (x, feet), facing right unless `left`.
void Goat(cairo_t* cr, double x, double feet, double s, bool left) {
    Saved keep(cr);
    cairo_translate(cr, x, feet);
    cairo_scale(cr, left ? -s : s, s);
    cairo_save(cr);
    cairo_translate(cr, 0, -48);
    cairo_scale(cr, 40, 20);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    for (double lx : {-28.0, -18.0, 18.0, 28.0}) cairo_rectangle(cr, lx - 3, -40, 6, 40);
    cairo_move_to(cr, 30, -60);
    cairo_line_to(cr, 52, -82);
    cairo_line_to(cr, 66, -64);
    cairo_line_to(cr, 58, -50);
    cairo_line_to(cr, 56, -36);
    cairo_line_to(cr, 50, -48);
    cairo_line_to(cr, 38, -46);
    cairo_close_path(cr);
    cairo_move_to(cr, 50, -80);
    cairo_curve_to(cr, 44, -100, 30, -100, 28, -88);
    cairo_curve_to(cr, 36, -94, 42, -90, 46, -78);
    cairo_close_path(cr);
    cairo_move_to(cr, -38, -56);
    cairo_line_to(cr, -50, -66);
    cairo_line_to(cr, -40, -48);
    cairo_close_path(cr);
}

SurfacePtr MarketDay() {
    const int w = 1200, h = 820;
    SurfacePtr s = NewSurface(w, h);
    Ctx cr(s.get());
    Sky(cr, w, h, Hex(0x86B0D4), Hex(0xFBE0B0), 300, 200, 40);
    Village(cr, w, 420, 0.8);
    PaperFill(
        cr, [](cairo_t* c) { cairo_rectangle(c, 0, 420, 1200, 400); }, Hex(0xD8B888), 0.3, 0.3);
    for (int i = 0; i < 4; i++) {
        const double x = 80 + i * 280;
        PaperFill(
            cr,
            [x](cairo_t* c) {
                cairo_rectangle(c, x, 520, 200, 90);
                cairo_rectangle(c, x + 6, 440, 8, 90);
                cairo_rectangle(c, x + 186, 440, 8, 90);
            },
            Tone(4));
        for (int k = 0; k < 8; k++)
            PaperFill(
                cr,
                [=](cairo_t* c) {
                    cairo_move_to(c, x - 10 + k * 27.5, 440);
                    cairo_line_to(c, x + 17.5 + k * 27.5, 440);
                    cairo_line_to(c, x + 17.5 + k * 27.5, 476);
                    cairo_curve_to(c, x + 10 + k * 27.5, 486, x - 3 + k * 27.5, 486, x - 10 + k * 27.5, 476);
                    cairo_close_path(c);
                },
                k % 2 ? Hex(0xF2E2C0) : kRoofs[i % 4], 0.3, 0.1);
        SetRgb(cr, Hex(0xE8B04A));
        for (int k = 0; k < 5; k++) {
            cairo_arc(cr, x + 30 + k * 34, 512, 12, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    InkFill(
        cr,
        [](cairo_t* c) {
            Goat(c, 250, 606, 0.9, false);
            Goat(c, 690, 612, 1.0, true);
            Goat(c, 770, 604, 0.8, false);
        },
        Hex(0x3A2418));
    InkFill(cr, [](cairo_t* c) {
        for (int i = 0; i < 12; i++) Person(c, 60 + i * 96 + (i % 2) * 20, 760, 1.4 + (i % 3) * 0.1, i % 4);
    });
    return s;
}

SurfacePtr TownHall() {
    const int w = 1120, h = 840;
    SurfacePtr s = NewSurface(w, h);
    Ctx cr(s.get());
    Sky(cr, w, h, Hex(0x8A7AA8), Hex(0xF8C88C), 560, 300, 50);
    PaperFill(
        cr,
        [](cairo_t* c) {
            cairo_rectangle(c, 300, 260, 520, 330);
            cairo_move_to(c, 270, 260);
            cairo_line_to(c, 560, 90);
            cairo_line_to(c, 850, 260);
            cairo_close_path(c);
            cairo_rectangle(c, 520, 10, 80, 140);
            cairo_rectangle(c, 380, 590, 360, 40);
        },
        kWalls, 0.3, 0.4);
    SetRgb(cr, Hex(0xE8B04A));
    cairo_arc(cr, 560, 190, 36, 0, 2 * M_PI);
    cairo_fill(cr);
    for (int i = 0; i < 4; i++) {
        SetRgb(cr, kLamp);
        RoundedRect(cr, 350 + i * 120, 330, 60, 100, 28);
        cairo_fill(cr);
    }
    SetRgb(cr, Tone(4));
    RoundedRect(cr, 520, 450, 80, 140, 38);
    cairo_fill(cr);
    // The King on the steps, the crowd cheering below.
    InkFill(cr, [](cairo_t* c) {
        Person(c, 560, 592, 1.5, 2);
        cairo_move_to(c, 542, 346);
        for (int i = 0; i <= 4; i++) {
            cairo_line_to(c, 542 + i * 9, 326);
            if (i < 4) cairo_line_to(c, 546.5 + i * 9, 340);
        }
        cairo_line_to(c, 578, 346);
        cairo_close_path(c);
        for (int i = 0; i < 14; i++) Bust(c, 30 + i * 80, 860, 1.4 + (i % 2) * 0.2, (i % 4) == 0 ? 3 : i % 4);
    });
    return s;
}

SurfacePtr Night() {
    const int w = 1024, h = 768;
    SurfacePtr s = NewSurface(w, h);
    Ctx cr(s.get());
    Sky(cr, w, h, Hex(0x1A2040), Hex(0x5A4A70), 780, 220, 18);
    Rng rng(81);
    for (int i = 0; i < 160; i++) {
        SetRgb(cr, Hex(0xFFF4D0), rng.Range(0.4, 1));
        cairo_arc(cr, rng.Range(0, w), rng.Range(0, 460), rng.Range(0.8, 2.2), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    SetRgb(cr, Hex(0xFFF0C8));
    cairo_arc(cr, 780, 220, 42, 0, 2 * M_PI);
    cairo_fill(cr);
    PaperFill(
        cr, [](cairo_t* c) { RidgePath(c, 1024, 768, 520, 30, 82, 400); }, Hex(0x3A3050));
    // The village's windows down in the valley.
    for (int i = 0; i < 14; i++) {
        const double x = 300 + i * 48, y = 560 + (i % 3) * 8;
        PaperFill(
            cr, [=](cairo_t* c) { Cottage(c, x, y, 34, 22, i % 4 == 0); }, Hex(0x2A2038), 0.2, 0.2);
        SetRgb(cr, kLamp);
        cairo_rectangle(cr, x + 8, y - 15, 6, 7);
        cairo_rectangle(cr, x + 21, y - 15, 6, 7);
        cairo_fill(cr);
    }
    PaperFill(
        cr, [](cairo_t* c) { Tower(c, 820, 560, 30, 120); }, Hex(0x2A2038), 0.3, 0.2);
    SetRgb(cr, kLamp);
    cairo_rectangle(cr, 830, 470, 10, 14);
    cairo_fill(cr);
    InkFill(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 0, 768);
            cairo_curve_to(c, 200, 520, 420, 480, 620, 560);
            cairo_curve_to(c, 760, 620, 900, 700, 1024, 720);
            cairo_line_to(c, 1024, 768);
            cairo_close_path(c);
            Horse(c, 330, 330, 0.9, false, 0.2);
            Rider(c, 330, 328, 0.9, false, 999, true);
        },
        Hex(0x100810));
    return s;
}
}  // namespace

void DrawOutroArt(Sink& sink) {
    const char* what[4] = {"outro: Brambleton rebuilt at sunrise (1800x900, pans)", "outro: market day",
                           "outro: the King opens the town hall", "outro: riding home under the stars"};
    SurfacePtr (*draw[4])() = {Sunrise, MarketDay, TownHall, Night};
    for (int i = 0; i < 4; i++) {
        SurfacePtr s = draw[i]();
        sink.Jpg(kDir + "screen-" + std::to_string(i + 1) + ".jpg", s.get(), what[i]);
    }
}

}  // namespace story
}  // namespace art
