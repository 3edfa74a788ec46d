// Small things of village yards, shared by every building: fences, log piles,
// sacks, barrels, rocks, carts, bushes and signs.
#include "village_parts.h"

#include <cmath>

namespace art::village {

namespace {

void Stroke(cairo_t* cr, P2 a, P2 b, double w, Rgb c) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_set_line_width(cr, w);
    SetRgb(cr, c);
    cairo_stroke(cr);
}

void Ball(cairo_t* cr, P2 c, double rx, double ry, Rgb col) {
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(c.x - rx * 0.4, c.y - ry * 0.5, 0, c.x, c.y, rx * 1.2);
    AddStop(g, 0, Lighter(col, 0.3));
    AddStop(g, 1, Darker(col, 0.3));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

}  // namespace

void Fence(cairo_t* cr, P2 origin, P3 a, P3 b, double height, Rgb wood) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const int posts = std::max(1, static_cast<int>(len / 9));
    const Rgb dark = Darker(wood, 0.5);
    for (double z : {height * 0.45, height * 0.85}) {
        const P2 p = Project(origin, {a.x, a.y, z}), q = Project(origin, {b.x, b.y, z});
        Stroke(cr, p, q, 2.2, dark);
        Stroke(cr, {p.x, p.y - 0.3}, {q.x, q.y - 0.3}, 1.2, wood);
    }
    for (int i = 0; i <= posts; ++i) {
        const double f = static_cast<double>(i) / posts;
        const P3 g{a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f, 0};
        const P2 p = Project(origin, g), q = Project(origin, {g.x, g.y, height + 1.5});
        Stroke(cr, p, q, 2.6, dark);
        Stroke(cr, {p.x - 0.3, p.y}, {q.x - 0.3, q.y + 0.5}, 1.3, Lighter(wood, 0.1));
    }
}

void LogPile(cairo_t* cr, P2 origin, P3 p, int rows, double length) {
    for (int r = 0; r < rows; ++r) {
        const int n = rows - r + 1;
        for (int i = 0; i < n; ++i) {
            const double x = p.x + i * 5.2 + r * 2.6, z = p.z + 2.4 + r * 4.4;
            const P2 f = Project(origin, {x, p.y, z}), b = Project(origin, {x, p.y + length, z});
            Stroke(cr, f, b, 4.8, Hex(0x6A4428));
            Stroke(cr, {f.x - 0.8, f.y - 1}, {b.x - 0.8, b.y - 1}, 1.4, Hex(0x8E5E36));
            cairo_arc(cr, f.x, f.y, 2.5, 0, 2 * M_PI);
            SetRgb(cr, Hex(0xE2B882));
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 0.7);
            SetRgb(cr, Hex(0x8A5A30));
            cairo_stroke(cr);
            cairo_arc(cr, f.x, f.y, 1, 0, 2 * M_PI);
            cairo_stroke(cr);
        }
    }
}

void Sack(cairo_t* cr, P2 origin, P3 p, Rgb c) {
    const P2 s = Project(origin, p);
    Ball(cr, {s.x, s.y - 4}, 4.2, 4.8, c);
    Stroke(cr, {s.x - 1.5, s.y - 9}, {s.x + 1.5, s.y - 9}, 1.2, Darker(c, 0.4));
}

void Barrel(cairo_t* cr, P2 origin, P3 p) {
    const P2 s = Project(origin, p);
    cairo_pattern_t* g = cairo_pattern_create_linear(s.x - 4.5, 0, s.x + 4.5, 0);
    AddStop(g, 0, Hex(0xA8763E));
    AddStop(g, 0.35, Hex(0xC89456));
    AddStop(g, 1, Hex(0x6A4424));
    RoundedRect(cr, s.x - 4.5, s.y - 11, 9, 11, 2.5);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (double y : {s.y - 8.5, s.y - 2.5}) Stroke(cr, {s.x - 4.4, y}, {s.x + 4.4, y}, 1, Hex(0x3A3430));
    cairo_save(cr);
    cairo_translate(cr, s.x, s.y - 11);
    cairo_scale(cr, 4.5, 1.8);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0x8A5E34));
    cairo_fill(cr);
}

void Rock(cairo_t* cr, P2 origin, P3 p, double r, Rgb c, Rng& rng) {
    const P2 s = Project(origin, p);
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < 7; ++i) {
        const double a = M_PI + M_PI * i / 6, k = rng.Range(0.8, 1.15);
        pts.emplace_back(s.x + std::cos(a) * r * 1.3 * k, s.y + std::sin(a) * r * k);
    }
    PathFromPoints(cr, pts);
    cairo_pattern_t* g = cairo_pattern_create_linear(s.x - r, s.y - r, s.x + r, s.y);
    AddStop(g, 0, Lighter(c, 0.25));
    AddStop(g, 1, Darker(c, 0.35));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Cart(cairo_t* cr, P2 origin, P3 p, Rgb load) {
    const Rgb wood = Hex(0x9A6A3A);
    Box(cr, origin, {p.x, p.y, p.z + 6}, {22, 12, 6}, wood);
    // The load heaped in the box.
    const P2 c = Project(origin, {p.x + 11, p.y + 6, p.z + 12});
    Ball(cr, c, 12, 5, load);
    Stroke(cr, Project(origin, {p.x, p.y - 1, p.z + 8}), Project(origin, {p.x - 12, p.y - 1, p.z + 5}), 1.6,
           Darker(wood, 0.3));
    for (double y : {p.y + 12.0, p.y}) {
        const P2 w = Project(origin, {p.x + 11, y, p.z + 5});
        cairo_arc(cr, w.x, w.y, 5, 0, 2 * M_PI);
        SetRgb(cr, Hex(0x4E321E));
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
        for (int k = 0; k < 4; ++k) {
            const double a = k * M_PI / 4;
            Stroke(cr, {w.x - std::cos(a) * 5, w.y - std::sin(a) * 5},
                   {w.x + std::cos(a) * 5, w.y + std::sin(a) * 5}, 0.8, Hex(0x6A4428));
        }
    }
}

void Bush(cairo_t* cr, P2 origin, P3 p, double r, Rgb leaf) {
    const P2 s = Project(origin, p);
    const double off[5][2] = {{-0.6, -0.5}, {0.6, -0.5}, {0, -0.9}, {-0.3, -1.2}, {0.35, -1.15}};
    for (const auto& o : off) Ball(cr, {s.x + o[0] * r, s.y + o[1] * r}, r * 0.62, r * 0.55, leaf);
}

void Sign(cairo_t* cr, P2 origin, P3 p, Rgb board, Rgb mark) {
    const P2 s = Project(origin, p);
    Stroke(cr, s, {s.x, s.y - 22}, 2, Hex(0x4E321E));
    Stroke(cr, {s.x, s.y - 21}, {s.x + 12, s.y - 21}, 1.6, Hex(0x4E321E));
    RoundedRect(cr, s.x + 3, s.y - 19, 11, 9, 1.5);
    SetRgb(cr, board);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.8);
    SetRgb(cr, Darker(board, 0.5));
    cairo_stroke(cr);
    cairo_arc(cr, s.x + 8.5, s.y - 14.5, 2.6, 0, 2 * M_PI);
    SetRgb(cr, mark);
    cairo_fill(cr);
}

}  // namespace art::village
