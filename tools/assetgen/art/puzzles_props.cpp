// The things standing in the puzzle pictures: hay, baskets, animals, villagers,
// market stalls, a water wheel, beehives, boats, bridges, smoke, and the
// village's own buildings at scene scale.
#include "puzzles.h"

#include <cmath>

namespace art::puzzles {

namespace {

void Oval(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// A shaded ball lit from the top left.
void Ball(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c) {
    Oval(cr, cx, cy, rx, ry);
    cairo_pattern_t* g =
        cairo_pattern_create_radial(cx - rx * 0.4, cy - ry * 0.5, 0, cx, cy, std::max(rx, ry) * 1.1);
    AddStop(g, 0, Lighter(c, 0.35));
    AddStop(g, 0.6, c);
    AddStop(g, 1, Darker(c, 0.35));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double w, Rgb c) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, w);
    SetRgb(cr, c);
    cairo_stroke(cr);
}

void GroundShadow(cairo_t* cr, double x, double ground, double rx) {
    Oval(cr, x + rx * 0.2, ground, rx, rx * 0.28);
    SetRgb(cr, Hex(0x1E2410), 0.28);
    cairo_fill(cr);
}

}  // namespace

void Haystack(cairo_t* cr, double x, double ground, double s) {
    GroundShadow(cr, x, ground, s * 1.1);
    cairo_move_to(cr, x - s, ground);
    cairo_curve_to(cr, x - s, ground - s * 1.5, x + s, ground - s * 1.5, x + s, ground);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - s, ground - s, x + s, ground);
    AddStop(g, 0, Hex(0xF6D878));
    AddStop(g, 1, Hex(0xA87A2E));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 1; i < 4; ++i) {
        const double y = ground - s * 0.3 * i;
        cairo_move_to(cr, x - s * (1 - 0.2 * i), y);
        cairo_curve_to(cr, x - s * 0.3, y + s * 0.08, x + s * 0.3, y + s * 0.08, x + s * (1 - 0.2 * i), y);
    }
    cairo_set_line_width(cr, std::max(0.8, s * 0.05));
    SetRgb(cr, Hex(0x8A6224), 0.5);
    cairo_stroke(cr);
}

void Sheaf(cairo_t* cr, double x, double ground, double s) {
    for (int i = -4; i <= 4; ++i)
        Line(cr, x + i * s * 0.04, ground, x + i * s * 0.1, ground - s, s * 0.05, Hex(0xC89A3A));
    for (int i = -4; i <= 4; ++i) Ball(cr, x + i * s * 0.1, ground - s, s * 0.05, s * 0.12, Hex(0xF0C858));
    Line(cr, x - s * 0.14, ground - s * 0.45, x + s * 0.14, ground - s * 0.45, s * 0.08, Hex(0x8A5A24));
}

void Basket(cairo_t* cr, double x, double ground, double s, Rgb fruit) {
    GroundShadow(cr, x, ground, s * 0.7);
    for (int i = 0; i < 7; ++i)
        Ball(cr, x - s * 0.42 + i * s * 0.14, ground - s * 0.55 - (i % 2) * s * 0.1, s * 0.13, s * 0.13,
             fruit);
    cairo_move_to(cr, x - s * 0.55, ground - s * 0.5);
    cairo_line_to(cr, x + s * 0.55, ground - s * 0.5);
    cairo_line_to(cr, x + s * 0.4, ground);
    cairo_line_to(cr, x - s * 0.4, ground);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - s * 0.5, 0, x + s * 0.5, 0);
    AddStop(g, 0, Hex(0xC89A5A));
    AddStop(g, 1, Hex(0x7A5228));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 1; i < 3; ++i)
        Line(cr, x - s * (0.55 - 0.05 * i), ground - s * 0.5 + i * s * 0.16, x + s * (0.55 - 0.05 * i),
             ground - s * 0.5 + i * s * 0.16, s * 0.04, Hex(0x5A3A1A));
}

void Sheep(cairo_t* cr, double x, double ground, double s, bool left, bool grazing) {
    const double d = left ? -1 : 1;
    GroundShadow(cr, x, ground, s * 0.55);
    for (double lx : {-0.28, -0.12, 0.14, 0.3})
        Line(cr, x + lx * s, ground - s * 0.3, x + lx * s, ground, s * 0.07, Hex(0x2A2420));
    for (int k = 0; k < 6; ++k)
        Ball(cr, x + (k % 3 - 1) * s * 0.22, ground - s * (0.42 + (k / 3) * 0.14), s * 0.2, s * 0.17,
             Hex(0xF2EEE4));
    const double hx = x + d * s * 0.42, hy = ground - s * (grazing ? 0.2 : 0.55);
    Ball(cr, hx, hy, s * 0.12, s * 0.15, Hex(0x3A322C));
    Ball(cr, hx - d * s * 0.06, hy - s * 0.1, s * 0.06, s * 0.04, Hex(0x2A2420));
}

void Hen(cairo_t* cr, double x, double ground, double s, Rgb c, bool left) {
    const double d = left ? -1 : 1;
    Line(cr, x, ground - s * 0.3, x - d * s * 0.05, ground, s * 0.05, Hex(0xD89A2A));
    Ball(cr, x, ground - s * 0.5, s * 0.38, s * 0.28, c);
    cairo_move_to(cr, x - d * s * 0.3, ground - s * 0.55);
    cairo_line_to(cr, x - d * s * 0.55, ground - s * 0.95);
    cairo_line_to(cr, x - d * s * 0.15, ground - s * 0.7);
    SetRgb(cr, Darker(c, 0.25));
    cairo_fill(cr);
    Ball(cr, x + d * s * 0.3, ground - s * 0.85, s * 0.16, s * 0.17, c);
    Ball(cr, x + d * s * 0.3, ground - s * 1.02, s * 0.08, s * 0.06, Hex(0xD0302A));
    cairo_move_to(cr, x + d * s * 0.44, ground - s * 0.88);
    cairo_line_to(cr, x + d * s * 0.58, ground - s * 0.82);
    cairo_line_to(cr, x + d * s * 0.44, ground - s * 0.78);
    SetRgb(cr, Hex(0xE8A82A));
    cairo_fill(cr);
}

void Pig(cairo_t* cr, double x, double ground, double s, bool left) {
    const double d = left ? -1 : 1;
    const Rgb pink = Hex(0xF0A8A0);
    GroundShadow(cr, x, ground, s * 0.55);
    for (double lx : {-0.28, -0.12, 0.14, 0.28})
        Line(cr, x + lx * s, ground - s * 0.25, x + lx * s, ground, s * 0.09, Darker(pink, 0.2));
    Ball(cr, x, ground - s * 0.42, s * 0.45, s * 0.28, pink);
    Ball(cr, x + d * s * 0.45, ground - s * 0.45, s * 0.15, s * 0.15, pink);
    Ball(cr, x + d * s * 0.58, ground - s * 0.42, s * 0.06, s * 0.07, Darker(pink, 0.15));
    cairo_move_to(cr, x + d * s * 0.4, ground - s * 0.56);
    cairo_line_to(cr, x + d * s * 0.46, ground - s * 0.72);
    cairo_line_to(cr, x + d * s * 0.52, ground - s * 0.56);
    SetRgb(cr, Darker(pink, 0.2));
    cairo_fill(cr);
}

void Villager(cairo_t* cr, double x, double ground, double s, Rgb coat, int kind) {
    GroundShadow(cr, x, ground, s * 0.22);
    const Rgb skin = Hex(0xF0C8A0);
    const bool dress = kind % 2 == 1;
    Line(cr, x - s * 0.06, ground - s * 0.4, x - s * 0.07, ground, s * 0.07, Hex(0x3A2A20));
    Line(cr, x + s * 0.06, ground - s * 0.4, x + s * 0.07, ground, s * 0.07, Hex(0x3A2A20));
    cairo_move_to(cr, x - s * 0.12, ground - s * 0.75);
    cairo_line_to(cr, x + s * 0.12, ground - s * 0.75);
    cairo_line_to(cr, x + s * (dress ? 0.2 : 0.14), ground - s * (dress ? 0.08 : 0.35));
    cairo_line_to(cr, x - s * (dress ? 0.2 : 0.14), ground - s * (dress ? 0.08 : 0.35));
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - s * 0.2, 0, x + s * 0.2, 0);
    AddStop(g, 0, Lighter(coat, 0.2));
    AddStop(g, 1, Darker(coat, 0.3));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    if (dress) {
        cairo_rectangle(cr, x - s * 0.1, ground - s * 0.55, s * 0.2, s * 0.4);
        SetRgb(cr, Hex(0xF4ECDC), 0.9);
        cairo_fill(cr);
    }
    Line(cr, x - s * 0.12, ground - s * 0.72, x - s * 0.2, ground - s * 0.42, s * 0.06, Darker(coat, 0.15));
    Line(cr, x + s * 0.12, ground - s * 0.72, x + s * 0.22, ground - s * 0.45, s * 0.06, Darker(coat, 0.15));
    Ball(cr, x, ground - s * 0.86, s * 0.1, s * 0.11, skin);
    if (kind == 0 || kind == 2) {
        Oval(cr, x, ground - s * 0.94, s * 0.16, s * 0.04);
        SetRgb(cr, kind == 0 ? Hex(0xC8A048) : Hex(0x4A3A2A));
        cairo_fill(cr);
        Oval(cr, x, ground - s * 0.98, s * 0.09, s * 0.06);
        cairo_fill(cr);
    } else {
        Oval(cr, x, ground - s * 0.93, s * 0.11, s * 0.07);
        SetRgb(cr, kind == 1 ? Hex(0xC83A2A) : Hex(0xF0E8D8));
        cairo_fill(cr);
    }
}

void Stall(cairo_t* cr, double x, double ground, double w, Rgb cloth, Rgb goods, Rng& rng) {
    const double h = w * 0.8;
    GroundShadow(cr, x + w / 2, ground, w * 0.6);
    for (double px : {x + 2, x + w - 2}) Line(cr, px, ground, px, ground - h, w * 0.05, Hex(0x5A3A20));
    cairo_rectangle(cr, x - 2, ground - h * 0.45, w + 4, h * 0.45);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, ground - h * 0.45, 0, ground);
    AddStop(g, 0, Hex(0xB88A52));
    AddStop(g, 1, Hex(0x6A4424));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 0; i < 8; ++i)
        Ball(cr, x + w * (0.1 + 0.8 * i / 7.0), ground - h * 0.5 - rng.Range(0, 3), w * 0.07, w * 0.06,
             goods);
    // Striped awning with a scalloped edge.
    const int stripes = 6;
    for (int i = 0; i < stripes; ++i) {
        const double a = x - 6 + (w + 12) * i / stripes, b = x - 6 + (w + 12) * (i + 1) / stripes;
        cairo_move_to(cr, x + w / 2 + (a - x - w / 2) * 0.7, ground - h - w * 0.18);
        cairo_line_to(cr, x + w / 2 + (b - x - w / 2) * 0.7, ground - h - w * 0.18);
        cairo_line_to(cr, b, ground - h + w * 0.06);
        cairo_arc(cr, (a + b) / 2, ground - h + w * 0.06, (b - a) / 2, 0, M_PI);
        cairo_close_path(cr);
        SetRgb(cr, i % 2 ? Hex(0xF6EEDC) : cloth);
        cairo_fill(cr);
    }
}

void Bunting(cairo_t* cr, double ax, double ay, double bx, double by, double sag, Rng& rng) {
    const Rgb colours[] = {Hex(0xD8402E), Hex(0xF0C040), Hex(0x3A7AC0), Hex(0x4E9A3A), Hex(0xF4EEDC)};
    auto at = [&](double t, double& x, double& y) {
        x = ax + (bx - ax) * t;
        y = ay + (by - ay) * t + sag * 4 * t * (1 - t);
    };
    cairo_move_to(cr, ax, ay);
    for (int i = 1; i <= 20; ++i) {
        double x, y;
        at(i / 20.0, x, y);
        cairo_line_to(cr, x, y);
    }
    cairo_set_line_width(cr, 1);
    SetRgb(cr, Hex(0x3A2A1A));
    cairo_stroke(cr);
    const int n = static_cast<int>(std::hypot(bx - ax, by - ay) / 14);
    for (int i = 1; i < n; ++i) {
        double x, y;
        at(static_cast<double>(i) / n, x, y);
        cairo_move_to(cr, x - 4.5, y);
        cairo_line_to(cr, x + 4.5, y);
        cairo_line_to(cr, x, y + 11);
        cairo_close_path(cr);
        SetRgb(cr, colours[rng.Int(0, 4)]);
        cairo_fill(cr);
    }
}

void WaterWheel(cairo_t* cr, double cx, double cy, double r) {
    const Rgb wood = Hex(0x6A4426);
    for (double rr : {r, r * 0.82}) {
        cairo_arc(cr, cx, cy, rr, 0, 2 * M_PI);
        cairo_set_line_width(cr, r * 0.07);
        SetRgb(cr, wood);
        cairo_stroke(cr);
    }
    for (int k = 0; k < 12; ++k) {
        const double a = k * M_PI / 6;
        Line(cr, cx, cy, cx + std::cos(a) * r, cy + std::sin(a) * r, r * 0.05, Darker(wood, 0.1));
        const double px = cx + std::cos(a) * r, py = cy + std::sin(a) * r;
        Line(cr, px, py, px + std::cos(a) * r * 0.18, py + std::sin(a) * r * 0.18, r * 0.1,
             Lighter(wood, 0.15));
    }
    Ball(cr, cx, cy, r * 0.12, r * 0.12, Hex(0x4A4440));
    // Spray where the paddles meet the water.
    for (int k = 0; k < 10; ++k)
        Ball(cr, cx - r * (0.3 + k * 0.05), cy + r * (0.92 - (k % 3) * 0.05), r * 0.05, r * 0.03,
             Hex(0xD8ECF8));
}

void Skep(cairo_t* cr, double x, double ground, double s) {
    GroundShadow(cr, x, ground, s * 0.55);
    cairo_rectangle(cr, x - s * 0.6, ground - s * 0.12, s * 1.2, s * 0.12);
    SetRgb(cr, Hex(0x6A4426));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        const double w = s * (0.5 - i * 0.08), y = ground - s * 0.12 - i * s * 0.17;
        Ball(cr, x, y - s * 0.08, w, s * 0.11, Hex(0xD8A850));
    }
    Ball(cr, x, ground - s * 0.28, s * 0.08, s * 0.06, Hex(0x3A2414));
}

void Pumpkin(cairo_t* cr, double x, double ground, double s) {
    GroundShadow(cr, x, ground, s * 0.55);
    for (double dx : {-0.25, 0.25, 0.0})
        Ball(cr, x + dx * s, ground - s * 0.32, s * 0.3, s * 0.32, Hex(0xE0782A));
    Line(cr, x, ground - s * 0.6, x + s * 0.06, ground - s * 0.78, s * 0.08, Hex(0x4E6A2A));
}

void Boat(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x - s * 0.6, y - s * 0.18);
    cairo_line_to(cr, x + s * 0.6, y - s * 0.22);
    cairo_curve_to(cr, x + s * 0.45, y + s * 0.06, x - s * 0.4, y + s * 0.06, x - s * 0.6, y - s * 0.18);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - s * 0.2, 0, y + s * 0.05);
    AddStop(g, 0, Hex(0xA87040));
    AddStop(g, 1, Hex(0x5A3418));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Line(cr, x - s * 0.6, y - s * 0.19, x + s * 0.6, y - s * 0.23, s * 0.03, Hex(0xD8A868));
}

void Bridge(cairo_t* cr, double x, double y, double w, double h) {
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + w * 0.3, y - h, x + w * 0.7, y - h, x + w, y);
    cairo_line_to(cr, x + w, y + h * 0.5);
    cairo_line_to(cr, x + w * 0.8, y + h * 0.5);
    cairo_curve_to(cr, x + w * 0.7, y - h * 0.3, x + w * 0.3, y - h * 0.3, x + w * 0.2, y + h * 0.5);
    cairo_line_to(cr, x, y + h * 0.5);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - h, 0, y + h * 0.5);
    AddStop(g, 0, Hex(0xC8BCA8));
    AddStop(g, 1, Hex(0x7A705E));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 0; i <= 10; ++i) {
        const double t = i / 10.0, px = x + w * t, py = y - h * 3 * t * (1 - t) * 1.0 - h * 0.1;
        Line(cr, px, py, px, py - h * 0.35, 2, Hex(0x5A4A3A));
    }
}

void Smoke(cairo_t* cr, double x, double y, double h, double alpha, Rng& rng) {
    for (int i = 0; i < 9; ++i) {
        const double t = i / 8.0;
        const double px = x + std::sin(t * 3) * h * 0.12 + t * h * 0.25, py = y - t * h;
        Lamp(cr, px, py, h * (0.06 + 0.1 * t) + rng.Range(0, 3), Hex(0xD8D4CC), alpha * (1 - t * 0.7));
    }
}

void Building(cairo_t* cr, const village::Design& d, double x, double y, double s, std::uint64_t seed) {
    Saved saved(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    village::DrawDesign(cr, {0, 0}, d, village::Stage::Done, seed);
}

void SnowyBuilding(cairo_t* cr, const village::Design& d, double x, double y, double s, std::uint64_t seed,
                   double depth) {
    Building(cr, d, x, y, s, seed);
    // The building alone, in picture pixels, so its upper outline can be found.
    SurfacePtr shape = NewSurface(kPicW, kPicH);
    {
        cairo_t* g = cairo_create(shape.get());
        cairo_matrix_t m;
        cairo_get_matrix(cr, &m);
        cairo_set_matrix(g, &m);
        Building(g, d, x, y, s, seed);
        cairo_destroy(g);
    }
    // Snow lies where the building is and the building `depth` pixels higher is not:
    // a cap along every roof line, ridge and chimney top.
    auto cap = [&](double deep) {
        SurfacePtr snow = NewSurface(kPicW, kPicH);
        cairo_t* g = cairo_create(snow.get());
        cairo_set_source_surface(g, shape.get(), 0, 0);
        cairo_paint(g);
        cairo_set_operator(g, CAIRO_OPERATOR_DEST_OUT);
        cairo_set_source_surface(g, shape.get(), 0, deep);
        cairo_paint(g);
        cairo_destroy(g);
        return snow;
    };
    const SurfacePtr drift = cap(depth * 2.5), crest = cap(depth);
    Saved saved(cr);
    cairo_identity_matrix(cr);
    // A thin dusting further down the slopes, a blue-grey underside, then the white cap.
    cairo_set_source_rgba(cr, 0.93, 0.95, 1, 0.45);
    cairo_mask_surface(cr, drift.get(), 0, 0);
    cairo_set_source_rgba(cr, 0.70, 0.76, 0.88, 0.9);
    cairo_mask_surface(cr, crest.get(), 0, 1.5);
    cairo_set_source_rgba(cr, 0.97, 0.98, 1, 1);
    cairo_mask_surface(cr, crest.get(), 0, 0);
}

}  // namespace art::puzzles
