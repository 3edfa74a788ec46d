// The ten match-3 backgrounds: a storybook village at harvest time under
// different skies and seasons. Detail stays at the edges; the middle, where the
// board lies, is calm and slightly veiled.
#include "families.h"
#include "paint.h"

#include <cmath>

namespace art {

namespace {

struct Mood {
    const char* name;
    Rgb skyTop, skyBottom, sun;
    double sunX, sunY;
    Rgb hillFar, hillNear, field, foliage;
    double light;  // 0 night .. 1 noon
};

const Mood kMoods[10] = {
    {"summer morning", Hex(0x7EC0EE), Hex(0xF8E8C0), Hex(0xFFF4C0), 200, 150, Hex(0x8DB0A0), Hex(0x6E9A48),
     Hex(0xE6C35A), Hex(0x4E8A3A), 1.0},
    {"harvest noon", Hex(0x5AA8E8), Hex(0xCFE8F4), Hex(0xFFFFE0), 780, 90, Hex(0x90B4B0), Hex(0x7FA446),
     Hex(0xEBC456), Hex(0x5A9238), 1.0},
    {"golden afternoon", Hex(0x8AB8E0), Hex(0xFAD7A0), Hex(0xFFE0A0), 860, 200, Hex(0xA8A890), Hex(0x8E9A40),
     Hex(0xE8B048), Hex(0x6A8A30), 0.9},
    {"autumn evening", Hex(0x6A78B8), Hex(0xF6A868), Hex(0xFFC070), 150, 260, Hex(0x9A8488), Hex(0x8A7A38),
     Hex(0xD89A40), Hex(0xB8682A), 0.7},
    {"misty autumn", Hex(0xB8C4CC), Hex(0xEEE2CC), Hex(0xFFF6E0), 640, 180, Hex(0xB4B2A8), Hex(0x9A8A48),
     Hex(0xD8A850), Hex(0xC07A30), 0.8},
    {"sunset", Hex(0x4A4C90), Hex(0xF88858), Hex(0xFFB060), 520, 300, Hex(0x7A5C70), Hex(0x6A5A30),
     Hex(0xC88038), Hex(0x7A5A28), 0.6},
    {"blue hour", Hex(0x22305A), Hex(0x8A88B0), Hex(0xF0F0FF), 820, 110, Hex(0x4C5470), Hex(0x3E5038),
     Hex(0x9A8A5A), Hex(0x34502C), 0.4},
    {"early autumn", Hex(0x70B4E8), Hex(0xF0ECD0), Hex(0xFFF8D0), 300, 110, Hex(0x98AC98), Hex(0x9AA040),
     Hex(0xE8BC50), Hex(0x9A8A2C), 1.0},
    {"late harvest", Hex(0x8CA4C8), Hex(0xF2D8B0), Hex(0xFFE8B8), 700, 230, Hex(0xA09888), Hex(0x9A7A3A),
     Hex(0xD8A040), Hex(0xA85A28), 0.85},
    {"first frost", Hex(0x9CC4E4), Hex(0xEEF2F4), Hex(0xFFFFF0), 420, 140, Hex(0xB8C4CC), Hex(0xC8CCC4),
     Hex(0xE2DCC8), Hex(0x7A8A6A), 0.95},
};

void Sky(cairo_t* cr, const Mood& m) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 500);
    AddStop(g, 0, m.skyTop);
    AddStop(g, 1, m.skyBottom);
    cairo_rectangle(cr, 0, 0, 1024, 768);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_pattern_t* s = cairo_pattern_create_radial(m.sunX, m.sunY, 0, m.sunX, m.sunY, 260);
    AddStop(s, 0, m.sun, 0.9);
    AddStop(s, 0.12, m.sun, 0.6);
    AddStop(s, 1, m.sun, 0);
    cairo_set_source(cr, s);
    cairo_paint(cr);
    cairo_pattern_destroy(s);
    cairo_arc(cr, m.sunX, m.sunY, m.light < 0.5 ? 22 : 30, 0, 2 * M_PI);
    SetRgb(cr, Lighter(m.sun, 0.5), 0.95);
    cairo_fill(cr);
}

void Clouds(cairo_t* cr, const Mood& m, Rng& rng) {
    for (int i = 0; i < 6; ++i) {
        const double x = rng.Range(-50, 1050), y = rng.Range(40, 220), w = rng.Range(120, 240);
        const PathFn cloud = [&](cairo_t* c) {
            for (int k = 0; k < 5; ++k) {
                cairo_new_sub_path(c);
                cairo_arc(c, x + k * w / 5, y - std::sin(k * 0.8) * 14, w * 0.16 + (k % 2) * 8, 0, 2 * M_PI);
            }
        };
        Glow(cr, cloud, Lighter(m.skyBottom, 0.5), 12, 0.55 + 0.3 * m.light);
    }
}

void Hills(cairo_t* cr, double base, double amp, double freq, double phase, Rgb c, double shade) {
    cairo_move_to(cr, 0, 768);
    for (int x = 0; x <= 1024; x += 8)
        cairo_line_to(
            cr, x,
            base - amp * (0.6 * std::sin(x * freq + phase) + 0.4 * std::sin(x * freq * 2.3 + phase * 1.7)));
    cairo_line_to(cr, 1024, 768);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, base - amp, 0, base + 200);
    AddStop(g, 0, Lighter(c, 0.12));
    AddStop(g, 1, Darker(c, shade));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Tree(cairo_t* cr, double x, double y, double s, Rgb leaf) {
    cairo_rectangle(cr, x - s * 0.08, y - s * 0.5, s * 0.16, s * 0.5);
    SetRgb(cr, Hex(0x5A3A20));
    cairo_fill(cr);
    for (int k = 0; k < 3; ++k) {
        cairo_arc(cr, x + (k - 1) * s * 0.22, y - s * (0.75 + (k == 1) * 0.2), s * 0.36, 0, 2 * M_PI);
        cairo_pattern_t* g = cairo_pattern_create_radial(x - s * 0.2, y - s, 0, x, y - s * 0.7, s * 0.6);
        AddStop(g, 0, Lighter(leaf, 0.3));
        AddStop(g, 1, Darker(leaf, 0.25));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

void House(cairo_t* cr, double x, double y, double s, Rgb wall, Rgb roof, double light) {
    const double w = s, h = s * 0.6;
    cairo_rectangle(cr, x, y - h, w, h);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    AddStop(g, 0, Lighter(wall, 0.15));
    AddStop(g, 1, Darker(wall, 0.2));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, x - s * 0.1, y - h);
    cairo_line_to(cr, x + w / 2, y - h - s * 0.45);
    cairo_line_to(cr, x + w + s * 0.1, y - h);
    cairo_close_path(cr);
    SetRgb(cr, roof);
    cairo_fill(cr);
    cairo_rectangle(cr, x + w * 0.65, y - h - s * 0.42, s * 0.12, s * 0.25);
    SetRgb(cr, Darker(wall, 0.3));
    cairo_fill(cr);
    // A window, lit at dusk.
    cairo_rectangle(cr, x + w * 0.2, y - h * 0.7, w * 0.2, h * 0.3);
    SetRgb(cr, light < 0.75 ? Hex(0xFFD070) : Hex(0x5A4A3A));
    cairo_fill(cr);
    cairo_rectangle(cr, x + w * 0.55, y - h * 0.55, w * 0.22, h * 0.55);
    SetRgb(cr, Hex(0x6A4020));
    cairo_fill(cr);
}

void Haystack(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x - s, y);
    cairo_curve_to(cr, x - s, y - s * 1.4, x + s, y - s * 1.4, x + s, y);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - s, 0, x + s, 0);
    AddStop(g, 0, Hex(0xF2D070));
    AddStop(g, 1, Hex(0xB08030));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

SurfacePtr Landscape(const Mood& m, int index) {
    SurfacePtr s = NewSurface(1024, 768);
    Ctx cr(s.get());
    Rng rng(1000 + index);
    Sky(cr, m);
    Clouds(cr, m, rng);
    Hills(cr, 380, 40, 0.006, index, m.hillFar, 0.1);
    Hills(cr, 450, 30, 0.009, index * 2.1, Mix(m.hillFar, m.hillNear, 0.5), 0.15);
    // Village on the middle hills, left and right of the board.
    const Rgb walls[] = {Hex(0xF0E0C0), Hex(0xE8D0A8), Hex(0xF4E8D8)};
    const Rgb roofs[] = {Hex(0xB84A30), Hex(0x8A5A3A), Hex(0xC8783A)};
    for (int i = 0; i < 5; ++i) {
        const bool left = i < 3;
        const double x = left ? 10 + i * 70 + rng.Range(0, 20) : 800 + (i - 3) * 90 + rng.Range(0, 20);
        House(cr, x, 470 + rng.Range(-10, 10), rng.Range(50, 70), walls[i % 3], roofs[(i + index) % 3],
              m.light);
    }
    Hills(cr, 540, 26, 0.012, index * 0.7 + 1, m.hillNear, 0.3);
    // Fields in stripes.
    for (int i = 0; i < 9; ++i) {
        const double y = 560 + i * 26;
        cairo_rectangle(cr, 0, y, 1024, 26);
        SetRgb(cr, i % 2 ? m.field : Mix(m.field, m.hillNear, 0.35), 0.85);
        cairo_fill(cr);
    }
    for (int i = 0; i < 6; ++i)
        Haystack(cr, rng.Range(0, 1) < 0.5 ? rng.Range(20, 200) : rng.Range(830, 1000), rng.Range(600, 740),
                 rng.Range(18, 30));
    for (int i = 0; i < 7; ++i) {
        const double x = i < 4 ? rng.Range(-20, 190) : rng.Range(840, 1040);
        Tree(cr, x, rng.Range(560, 760), rng.Range(80, 140), m.foliage);
    }
    // Veil the middle so the board reads clearly, and darken the corners a little.
    cairo_pattern_t* veil = cairo_pattern_create_radial(512, 376, 60, 512, 376, 420);
    AddStop(veil, 0, Lighter(m.skyBottom, 0.3), 0.35);
    AddStop(veil, 1, Lighter(m.skyBottom, 0.3), 0);
    cairo_set_source(cr, veil);
    cairo_paint(cr);
    cairo_pattern_destroy(veil);
    cairo_pattern_t* vig = cairo_pattern_create_radial(512, 384, 380, 512, 384, 720);
    cairo_pattern_add_color_stop_rgba(vig, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(vig, 1, 0.1, 0.05, 0, 0.45);
    cairo_set_source(cr, vig);
    cairo_paint(cr);
    cairo_pattern_destroy(vig);
    if (m.light < 0.5) {
        cairo_set_source_rgba(cr, 0.1, 0.1, 0.3, 0.25);
        cairo_paint(cr);
    }
    return s;
}

}  // namespace

void DrawBackgrounds(Sink& sink) {
    for (int i = 0; i < 10; ++i) {
        SurfacePtr s = Landscape(kMoods[i], i);
        sink.Jpg("gfx/backgrounds/background-" + std::to_string(i + 1) + ".jpg", s.get(),
                 std::string("match-3 background: ") + kMoods[i].name, 88);
    }
    // The loading screen shows the village at its most golden.
    SurfacePtr load = Landscape(kMoods[2], 2);
    sink.Jpg("gfx/gui/loading/back.jpg", load.get(), "loading screen background", 88);
}

}  // namespace art
