// The objects on the pair tiles and the memory cards: the board's gems and
// resources, the power-up tools, and ten things of the village (mushroom,
// carrot, key, bell, horseshoe, fish, moon, sunflower, leaf, cherries), each
// with its own silhouette so that the symbols also read without colour.
#include "chip_shapes.h"
#include "puzzles.h"
#include "tool_shapes.h"

#include <cmath>

namespace art::puzzles {

namespace {

// Fills the current path with a lit gradient of c and outlines it in dark brown.
void Paint(cairo_t* cr, Rgb c, double cx, double cy, double s) {
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - s * 0.4, cy - s * 0.5, cx + s * 0.3, cy + s * 0.5);
    AddStop(g, 0, Lighter(c, 0.35));
    AddStop(g, 0.55, c);
    AddStop(g, 1, Darker(c, 0.3));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, std::max(1.0, s * 0.035));
    SetRgb(cr, Hex(0x3A2010), 0.85);
    cairo_stroke(cr);
}

void Mushroom(cairo_t* cr, double cx, double cy, double s) {
    RoundedRect(cr, cx - s * 0.12, cy - s * 0.05, s * 0.24, s * 0.42, s * 0.08);
    Paint(cr, Hex(0xF2E8D4), cx, cy, s);
    cairo_move_to(cr, cx - s * 0.44, cy + s * 0.02);
    cairo_curve_to(cr, cx - s * 0.46, cy - s * 0.5, cx + s * 0.46, cy - s * 0.5, cx + s * 0.44,
                   cy + s * 0.02);
    cairo_close_path(cr);
    Paint(cr, Hex(0xD8302A), cx, cy, s);
    const double dots[][3] = {
        {-0.22, -0.12, 0.07}, {0.05, -0.24, 0.08}, {0.24, -0.08, 0.06}, {-0.04, -0.05, 0.05}};
    for (const auto& d : dots) {
        cairo_arc(cr, cx + d[0] * s, cy + d[1] * s, d[2] * s, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 1, 0.97, 0.9);
        cairo_fill(cr);
    }
}

void Carrot(cairo_t* cr, double cx, double cy, double s) {
    for (int k = -1; k <= 1; ++k) {
        cairo_move_to(cr, cx + s * 0.12, cy - s * 0.22);
        cairo_curve_to(cr, cx + s * (0.15 + k * 0.1), cy - s * 0.4, cx + s * (0.2 + k * 0.15), cy - s * 0.45,
                       cx + s * (0.22 + k * 0.16), cy - s * 0.48);
        cairo_set_line_width(cr, s * 0.07);
        SetRgb(cr, Hex(0x4E9A3A));
        cairo_stroke(cr);
    }
    cairo_move_to(cr, cx + s * 0.22, cy - s * 0.3);
    cairo_curve_to(cr, cx + s * 0.32, cy - s * 0.2, cx + s * 0.02, cy + s * 0.25, cx - s * 0.36,
                   cy + s * 0.42);
    cairo_curve_to(cr, cx - s * 0.16, cy + s * 0.05, cx - s * 0.06, cy - s * 0.24, cx + s * 0.22,
                   cy - s * 0.3);
    Paint(cr, Hex(0xF07A22), cx, cy, s);
}

void Key(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx - s * 0.22, cy - s * 0.16, s * 0.2, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx - s * 0.22, cy - s * 0.16, s * 0.09, 2 * M_PI, 0);
    Paint(cr, Hex(0xE8B838), cx, cy, s);
    cairo_move_to(cr, cx - s * 0.08, cy - s * 0.04);
    cairo_line_to(cr, cx + s * 0.4, cy + s * 0.42);
    cairo_line_to(cr, cx + s * 0.33, cy + s * 0.48);
    cairo_line_to(cr, cx + s * 0.22, cy + s * 0.38);
    cairo_line_to(cr, cx + s * 0.14, cy + s * 0.46);
    cairo_line_to(cr, cx + s * 0.07, cy + s * 0.39);
    cairo_line_to(cr, cx + s * 0.15, cy + s * 0.31);
    cairo_line_to(cr, cx - s * 0.15, cy + s * 0.03);
    cairo_close_path(cr);
    Paint(cr, Hex(0xE8B838), cx, cy, s);
}

void Bell(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx - s * 0.4, cy + s * 0.28);
    cairo_curve_to(cr, cx - s * 0.25, cy + s * 0.18, cx - s * 0.3, cy - s * 0.38, cx, cy - s * 0.38);
    cairo_curve_to(cr, cx + s * 0.3, cy - s * 0.38, cx + s * 0.25, cy + s * 0.18, cx + s * 0.4,
                   cy + s * 0.28);
    cairo_close_path(cr);
    Paint(cr, Hex(0xC8963A), cx, cy, s);
    cairo_arc(cr, cx, cy + s * 0.36, s * 0.09, 0, 2 * M_PI);
    Paint(cr, Hex(0x8A6428), cx, cy, s);
    cairo_arc(cr, cx, cy - s * 0.42, s * 0.07, 0, 2 * M_PI);
    Paint(cr, Hex(0x8A6428), cx, cy, s);
}

void Horseshoe(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy - s * 0.02, s * 0.4, M_PI * 0.15, M_PI * 0.85);
    cairo_arc(cr, cx, cy - s * 0.02, s * 0.2, M_PI * 0.85, M_PI * 0.15);
    cairo_close_path(cr);
    Paint(cr, Hex(0x9AA4B0), cx, cy, s);
    for (int k = 0; k < 6; ++k) {
        const double a = M_PI * (0.95 + k * 0.22);
        cairo_arc(cr, cx + std::cos(a) * s * 0.3, cy - s * 0.02 + std::sin(a) * s * 0.3, s * 0.035, 0,
                  2 * M_PI);
        SetRgb(cr, Hex(0x3A3A44));
        cairo_fill(cr);
    }
}

void Fish(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx - s * 0.42, cy);
    cairo_curve_to(cr, cx - s * 0.2, cy - s * 0.3, cx + s * 0.15, cy - s * 0.28, cx + s * 0.26, cy);
    cairo_line_to(cr, cx + s * 0.46, cy - s * 0.2);
    cairo_line_to(cr, cx + s * 0.42, cy + s * 0.2);
    cairo_line_to(cr, cx + s * 0.26, cy);
    cairo_curve_to(cr, cx + s * 0.15, cy + s * 0.28, cx - s * 0.2, cy + s * 0.3, cx - s * 0.42, cy);
    cairo_close_path(cr);
    Paint(cr, Hex(0x4A9AD0), cx, cy, s);
    cairo_arc(cr, cx - s * 0.25, cy - s * 0.05, s * 0.05, 0, 2 * M_PI);
    SetRgb(cr, Hex(0x1A1A28));
    cairo_fill(cr);
}

void Moon(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, s * 0.42, M_PI * 0.35, M_PI * 1.65);
    cairo_arc_negative(cr, cx + s * 0.2, cy - s * 0.02, s * 0.34, M_PI * 1.45, M_PI * 0.55);
    cairo_close_path(cr);
    Paint(cr, Hex(0xF4E49A), cx, cy, s);
}

void Sunflower(cairo_t* cr, double cx, double cy, double s) {
    for (int k = 0; k < 12; ++k) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, k * M_PI / 6);
        cairo_scale(cr, 1, 0.45);
        cairo_arc(cr, s * 0.3, 0, s * 0.15, 0, 2 * M_PI);
        cairo_restore(cr);
        Paint(cr, Hex(0xF8C828), cx, cy, s);
    }
    cairo_arc(cr, cx, cy, s * 0.18, 0, 2 * M_PI);
    Paint(cr, Hex(0x6A3A1A), cx, cy, s);
}

void Leaf(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx - s * 0.36, cy + s * 0.36);
    cairo_curve_to(cr, cx - s * 0.4, cy - s * 0.2, cx + s * 0.1, cy - s * 0.44, cx + s * 0.42, cy - s * 0.42);
    cairo_curve_to(cr, cx + s * 0.4, cy + s * 0.0, cx + s * 0.1, cy + s * 0.4, cx - s * 0.36, cy + s * 0.36);
    cairo_close_path(cr);
    Paint(cr, Hex(0x5AA83A), cx, cy, s);
    cairo_move_to(cr, cx - s * 0.42, cy + s * 0.44);
    cairo_curve_to(cr, cx - s * 0.1, cy + s * 0.1, cx + s * 0.1, cy - s * 0.1, cx + s * 0.36, cy - s * 0.36);
    cairo_set_line_width(cr, s * 0.035);
    SetRgb(cr, Hex(0x2E5A1E));
    cairo_stroke(cr);
}

void Cherries(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx - s * 0.2, cy + s * 0.1);
    cairo_curve_to(cr, cx - s * 0.15, cy - s * 0.2, cx, cy - s * 0.35, cx + s * 0.1, cy - s * 0.42);
    cairo_move_to(cr, cx + s * 0.2, cy + s * 0.16);
    cairo_curve_to(cr, cx + s * 0.2, cy - s * 0.1, cx + s * 0.12, cy - s * 0.3, cx + s * 0.1, cy - s * 0.42);
    cairo_set_line_width(cr, s * 0.045);
    SetRgb(cr, Hex(0x4E6A2A));
    cairo_stroke(cr);
    for (const double dx : {-0.2, 0.2}) {
        cairo_arc(cr, cx + dx * s, cy + s * (0.24 + dx * 0.15), s * 0.17, 0, 2 * M_PI);
        Paint(cr, Hex(0xA8142A), cx, cy, s);
        Gloss(cr, cx + dx * s - s * 0.06, cy + s * (0.18 + dx * 0.15), s * 0.05, s * 0.035, 0.8);
    }
}

}  // namespace

void DrawSymbolShape(cairo_t* cr, int shape, double cx, double cy, double s) {
    Saved saved(cr);
    if (shape < 6) return DrawPlainGem(cr, cx, cy, s, shape + 1);
    switch (shape) {
        case 6:
            return DrawApple(cr, cx, cy + s * 0.04, s * 0.38, Hex(0xD8342A));
        case 7:
            return DrawWood(cr, cx, cy, s, 1);
        case 8:
            return DrawFood(cr, cx, cy, s, 1);
        case 9:
            return DrawGold(cr, cx, cy, s, 3);
        case 10:
            return DrawRock(cr, cx, cy, s, 1);
        case 11:
            return DrawBomb(cr, cx, cy, s, false);
        case 12:
            return DrawScroll(cr, cx, cy, s);
        case 13:
            return DrawTool(cr, 0, cx, cy, s);
        case 14:
            return DrawTool(cr, 1, cx, cy, s);
        case 15:
            return DrawTool(cr, 2, cx, cy, s);
        case 16:
            return DrawTool(cr, 3, cx, cy, s);
        case 17:
            return DrawTool(cr, 5, cx, cy, s);
        case 18:
            return Mushroom(cr, cx, cy, s);
        case 19:
            return Carrot(cr, cx, cy, s);
        case 20:
            return Key(cr, cx, cy, s);
        case 21:
            return Bell(cr, cx, cy, s);
        case 22:
            return Horseshoe(cr, cx, cy, s);
        case 23:
            return Fish(cr, cx, cy, s);
        case 24:
            return Moon(cr, cx, cy, s);
        case 25:
            return Sunflower(cr, cx, cy, s);
        case 26:
            return Leaf(cr, cx, cy, s);
        default:
            return Cherries(cr, cx, cy, s);
    }
}

}  // namespace art::puzzles
