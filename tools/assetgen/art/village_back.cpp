// The village picture behind the land screen and the main menu: meadows, the
// river from the top edge to the left edge, the water along the bottom, dirt
// roads past every plot, fields and trees at the edges. The buildings are drawn
// over it by the game, so their plots are only a little paler grass.
#include "village.h"

#include "village_buildings.h"
#include "village_parts.h"

#include <cmath>

namespace art::village {

namespace {

using Pts = std::vector<P2>;

// A smooth closed or open curve through the points (Catmull-Rom as Bezier pieces).
void Smooth(cairo_t* cr, const Pts& p, bool closed) {
    const size_t n = p.size();
    auto at = [&](long i) {
        if (closed) return p[static_cast<size_t>((i + static_cast<long>(n)) % static_cast<long>(n))];
        return p[static_cast<size_t>(std::clamp(i, 0L, static_cast<long>(n) - 1))];
    };
    cairo_move_to(cr, p[0].x, p[0].y);
    const long last = closed ? static_cast<long>(n) : static_cast<long>(n) - 1;
    for (long i = 0; i < last; ++i) {
        const P2 a = at(i - 1), b = at(i), c = at(i + 1), d = at(i + 2);
        cairo_curve_to(cr, b.x + (c.x - a.x) / 6, b.y + (c.y - a.y) / 6, c.x - (d.x - b.x) / 6,
                       c.y - (d.y - b.y) / 6, c.x, c.y);
    }
    if (closed) cairo_close_path(cr);
}

void Grass(cairo_t* cr, Rng& rng) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 300, 768);
    AddStop(g, 0, Hex(0x8CB454));
    AddStop(g, 0.5, Hex(0x7AA846));
    AddStop(g, 1, Hex(0x6A9A3E));
    cairo_rectangle(cr, 0, 0, 1024, 768);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Mottled meadow: soft patches, then short blades.
    for (int i = 0; i < 900; ++i) {
        const double x = rng.Range(-20, 1044), y = rng.Range(-20, 788), r = rng.Range(6, 26);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1, 0.55);
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        cairo_restore(cr);
        const bool light = rng.Unit() < 0.5;
        SetRgb(cr, light ? Hex(0xB2CC68) : Hex(0x4E7E30), rng.Range(0.05, 0.14));
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 9000; ++i) {
        const double x = rng.Range(0, 1024), y = rng.Range(0, 768);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rng.Range(-1.5, 1.5), y - rng.Range(2, 4.5));
        SetRgb(cr, rng.Unit() < 0.5 ? Hex(0xA8C860) : Hex(0x4A7A2C), 0.45);
        cairo_stroke(cr);
    }
}

void Field(cairo_t* cr, const Pts& outline, Rgb a, Rgb b, double angle, Rng& rng) {
    Saved s(cr);
    Smooth(cr, outline, true);
    cairo_clip_preserve(cr);
    SetRgb(cr, a);
    cairo_fill(cr);
    cairo_rotate(cr, angle);
    for (double v = -1400; v < 1400; v += 9) {
        cairo_rectangle(cr, -1400, v, 2800, 4);
        SetRgb(cr, b, 0.75);
        cairo_fill(cr);
    }
    cairo_identity_matrix(cr);
    for (int i = 0; i < 500; ++i) {
        cairo_arc(cr, rng.Range(0, 1024), rng.Range(0, 768), 0.8, 0, 2 * M_PI);
        SetRgb(cr, Lighter(a, 0.4), 0.5);
        cairo_fill(cr);
    }
}

void Path(cairo_t* cr, const Pts& p, double w) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const struct {
        double w;
        std::uint32_t c;
        double a;
    } layers[] = {
        {w + 8, 0x6A8A3A, 0.35}, {w + 3, 0xA08A5A, 0.8}, {w, 0xC8AE7C, 1}, {w * 0.45, 0xD8C294, 0.6}};
    for (const auto& l : layers) {
        Smooth(cr, p, false);
        cairo_set_line_width(cr, l.w);
        SetRgb(cr, Hex(l.c), l.a);
        cairo_stroke(cr);
    }
}

void Water(cairo_t* cr, const Pts& outline, bool closed, Rng& rng) {
    // Muddy bank, then the water with a darker middle and light ripples.
    Smooth(cr, outline, closed);
    cairo_set_line_width(cr, 9);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetRgb(cr, Hex(0xA89060));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4);
    SetRgb(cr, Hex(0x7A6A48));
    cairo_stroke_preserve(cr);
    Saved s(cr);
    cairo_clip(cr);
    SetRgb(cr, Hex(0x3E7E9A));
    cairo_paint(cr);
    for (int i = 0; i < 160; ++i) {
        const double x = rng.Range(0, 1024), y = rng.Range(0, 768), w = rng.Range(8, 26);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + w / 3, y - 1.5, x + 2 * w / 3, y + 1.5, x + w, y);
        cairo_set_line_width(cr, 1.2);
        SetRgb(cr, Hex(0xBFE4EE), 0.45);
        cairo_stroke(cr);
    }
    Smooth(cr, outline, closed);
    cairo_set_line_width(cr, 16);
    SetRgb(cr, Hex(0x2A5A6E), 0.35);
    cairo_stroke(cr);
}

void Reeds(cairo_t* cr, double x, double y, Rng& rng) {
    for (int i = 0; i < 7; ++i) {
        const double dx = rng.Range(-6, 6), h = rng.Range(8, 15);
        cairo_move_to(cr, x + dx, y);
        cairo_curve_to(cr, x + dx, y - h / 2, x + dx + 2, y - h, x + dx + rng.Range(1, 4), y - h);
        cairo_set_line_width(cr, 1.2);
        SetRgb(cr, Hex(0x5A7A2E));
        cairo_stroke(cr);
        if (i % 3 == 0) {
            RoundedRect(cr, x + dx + 0.6, y - h + 1, 2.2, 5, 1);
            SetRgb(cr, Hex(0x6A4226));
            cairo_fill(cr);
        }
    }
}

void Tree(cairo_t* cr, double x, double y, double s, Rgb leaf, Rng& rng) {
    cairo_save(cr);
    cairo_translate(cr, x + s * 0.35, y);
    cairo_scale(cr, 1, 0.4);
    cairo_arc(cr, 0, 0, s * 0.55, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0x1E3010), 0.3);
    cairo_fill(cr);
    cairo_rectangle(cr, x - s * 0.06, y - s * 0.45, s * 0.12, s * 0.45);
    SetRgb(cr, Hex(0x5A3A22));
    cairo_fill(cr);
    for (int k = 0; k < 7; ++k) {
        const double cx = x + rng.Range(-0.3, 0.3) * s, cy = y - s * (0.55 + rng.Range(0, 0.4));
        const double r = s * rng.Range(0.26, 0.36);
        cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.5, 0, cx, cy, r * 1.1);
        AddStop(g, 0, Lighter(leaf, 0.3));
        AddStop(g, 0.6, leaf);
        AddStop(g, 1, Darker(leaf, 0.35));
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

void Flowers(cairo_t* cr, Rng& rng) {
    const Rgb colours[] = {Hex(0xFFF4E0), Hex(0xF0D040), Hex(0xE06A8A), Hex(0xB890E0)};
    for (int i = 0; i < 260; ++i) {
        const double x = rng.Range(0, 1024), y = rng.Range(150, 700);
        cairo_arc(cr, x, y, rng.Range(0.9, 1.6), 0, 2 * M_PI);
        SetRgb(cr, colours[rng.Int(0, 3)], 0.85);
        cairo_fill(cr);
    }
}

// A stone well with a little roof, on the green by the roads.
void Well(cairo_t* cr, double x, double y) {
    for (double dx : {-9.0, 9.0}) {
        cairo_rectangle(cr, x + dx - 1, y - 26, 2, 22);
        SetRgb(cr, Hex(0x5A3A22));
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, x, y - 4);
    cairo_scale(cr, 1, 0.45);
    cairo_arc(cr, 0, 0, 11, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0xB8AC98));
    cairo_fill(cr);
    cairo_rectangle(cr, x - 11, y - 10, 22, 7);
    SetRgb(cr, Hex(0xA89C88));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y - 10);
    cairo_scale(cr, 1, 0.45);
    cairo_arc(cr, 0, 0, 8, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0x2A3440));
    cairo_fill(cr);
    cairo_move_to(cr, x - 14, y - 24);
    cairo_line_to(cr, x, y - 34);
    cairo_line_to(cr, x + 14, y - 24);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0x8A5A3A));
    cairo_fill(cr);
}

void Details(cairo_t* cr, Rng& rng) {
    // An orchard beside the farm, with ripe apples.
    for (const P2& t : Pts{{88, 432}, {146, 424}, {112, 488}, {178, 472}, {60, 480}}) {
        Tree(cr, t.x, t.y, 36, Hex(0x5A9A3E), rng);
        for (int i = 0; i < 6; ++i) {
            cairo_arc(cr, t.x + rng.Range(-11, 11), t.y - rng.Range(20, 38), 1.7, 0, 2 * M_PI);
            SetRgb(cr, Hex(0xD8342A));
            cairo_fill(cr);
        }
    }
    Well(cr, 452, 424);
    // Shrubs along the roads and the edges of the village.
    const P2 shrubs[] = {{118, 338}, {372, 382}, {540, 380}, {690, 372}, {905, 470}, {965, 478},  {660, 236},
                         {930, 250}, {850, 290}, {360, 200}, {300, 420}, {560, 420}, {1000, 560}, {24, 560},
                         {240, 610}, {700, 600}, {585, 628}, {370, 640}, {850, 640}, {150, 260}};
    for (const P2& b : shrubs)
        Bush(cr, {0, b.y}, {b.x, 0, 0}, rng.Range(6, 9), rng.Unit() < 0.5 ? Hex(0x4E8A3A) : Hex(0x5E9A40));
    // Hay bales on the fields.
    for (const P2& h : Pts{{60, 650}, {130, 672}, {190, 648}, {250, 20}, {120, 28}})
        Bush(cr, {0, h.y}, {h.x, 0, 0}, 7, Hex(0xE2BE62));
}

}  // namespace

SurfacePtr VillageBack() {
    SurfacePtr s = NewSurface(1024, 768);
    Ctx cr(s.get());
    Rng rng(4242);
    Grass(cr, rng);
    Field(cr, {{-20, -20}, {420, -20}, {400, 14}, {330, 40}, {220, 52}, {90, 50}, {-20, 52}}, Hex(0xE0C060),
          Hex(0xC8A040), -0.08, rng);
    Field(cr, {{-20, 612}, {120, 620}, {250, 640}, {250, 720}, {-20, 720}}, Hex(0xD8B858), Hex(0xB8983C), 0.3,
          rng);
    Field(cr, {{900, 640}, {1040, 618}, {1040, 730}, {900, 730}}, Hex(0x9AB848), Hex(0x7A9A38), -0.5, rng);
    // Plots: the grass a little paler and softer where each building will stand.
    for (const BuildingArt& b : VillageBuildings())
        Glow(
            cr, [&](cairo_t* c) { FootprintPath(c, b.origin, b.hasUpgrade ? b.upgraded : b.basic, 4); },
            Hex(0xC8D890), 8, 0.22);
    // Roads past the doors.
    Path(cr,
         {{-10, 335}, {160, 324}, {330, 372}, {470, 362}, {600, 354}, {720, 364}, {860, 442}, {1034, 462}},
         11);
    Path(cr, {{-10, 602}, {120, 600}, {230, 560}, {300, 492}, {420, 432}, {520, 370}}, 10);
    Path(cr, {{470, 362}, {500, 262}, {545, 188}}, 8);
    Path(cr, {{720, 364}, {760, 262}, {800, 222}, {870, 212}, {912, 214}}, 8);
    Path(cr, {{520, 640}, {575, 540}, {605, 460}, {604, 356}}, 10);
    Path(cr, {{605, 460}, {700, 514}, {790, 478}, {830, 466}}, 9);
    Path(cr, {{700, 514}, {760, 570}, {780, 632}}, 8);
    Path(cr, {{790, 478}, {880, 560}, {900, 600}, {1034, 614}}, 9);
    cairo_save(cr);
    cairo_translate(cr, 478, 628);
    cairo_scale(cr, 1, 0.3);
    cairo_arc(cr, 0, 0, 120, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0xC8AE7C));
    cairo_fill(cr);
    // The river from the top edge to the left edge, and the water along the bottom.
    Water(cr,
          {{434, -30},
           {410, 14},
           {350, 44},
           {295, 58},
           {250, 64},
           {190, 68},
           {120, 64},
           {60, 62},
           {-30, 62},
           {-30, 140},
           {60, 140},
           {120, 146},
           {182, 148},
           {240, 114},
           {292, 94},
           {345, 82},
           {420, 54},
           {470, 24},
           {494, -30}},
          true, rng);
    Water(cr,
          {{-30, 696},
           {64, 713},
           {128, 736},
           {200, 754},
           {256, 759},
           {320, 756},
           {391, 751},
           {460, 749},
           {540, 752},
           {620, 757},
           {709, 761},
           {780, 751},
           {860, 737},
           {940, 721},
           {1054, 706},
           {1054, 800},
           {-30, 800}},
          true, rng);
    for (const P2& p : Pts{{70, 150},
                           {230, 126},
                           {330, 96},
                           {460, 60},
                           {40, 58},
                           {150, 722},
                           {430, 746},
                           {700, 756},
                           {980, 712},
                           {860, 734}})
        Reeds(cr, p.x, p.y, rng);
    Flowers(cr, rng);
    const Rgb leaf = Hex(0x4E8A3A), dark = Hex(0x3E7432), autumn = Hex(0x8A9A34);
    const struct {
        double x, y, s;
        const Rgb* c;
    } trees[] = {{565, 62, 42, &leaf},  {612, 44, 48, &dark},    {662, 74, 44, &autumn},
                 {708, 42, 52, &leaf},  {762, 62, 42, &dark},    {822, 38, 48, &leaf},
                 {996, 58, 46, &dark},  {1012, 160, 42, &leaf},  {1008, 328, 46, &autumn},
                 {28, 214, 42, &leaf},  {30, 352, 46, &dark},    {455, 236, 34, &leaf},
                 {768, 332, 36, &dark}, {372, 442, 30, &autumn}, {300, 664, 44, &leaf},
                 {648, 664, 46, &dark}, {1000, 660, 40, &leaf},  {236, 420, 28, &dark}};
    for (const auto& t : trees) Tree(cr, t.x, t.y, t.s, *t.c, rng);
    Details(cr, rng);
    // Sunlight from the top left.
    cairo_pattern_t* sun = cairo_pattern_create_radial(150, 80, 50, 150, 80, 900);
    AddStop(sun, 0, Hex(0xFFF0C0), 0.18);
    AddStop(sun, 1, Hex(0x203010), 0.12);
    cairo_set_source(cr, sun);
    cairo_paint(cr);
    cairo_pattern_destroy(sun);
    return s;
}

}  // namespace art::village
