#include "tool_shapes.h"

#include "chip_shapes.h"

#include <cmath>

namespace art {

namespace {

void Handle(cairo_t* cr, double x0, double y0, double x1, double y1, double w) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, w + 2);
    SetRgb(cr, Hex(0x3A1E0C));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, w);
    cairo_pattern_t* g = cairo_pattern_create_linear(x0 - w, y0, x0 + w, y0);
    AddStop(g, 0, Hex(0xD49A5E));
    AddStop(g, 1, Hex(0x8A5026));
    cairo_set_source(cr, g);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
}

void Metal(cairo_t* cr, const PathFn& path, double x, double y, double w, double h) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
    AddStop(g, 0, Hex(0xEEF1F5));
    AddStop(g, 0.5, Hex(0x9AA2AE));
    AddStop(g, 1, Hex(0x505662));
    path(cr);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetRgb(cr, Hex(0x2A2C32));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void DrawHammer(cairo_t* cr) {
    Handle(cr, -14, 22, 8, -8, 6);
    Saved s(cr);
    cairo_translate(cr, 8, -10);
    cairo_rotate(cr, 0.93);
    const PathFn head = [](cairo_t* c) { RoundedRect(c, -9, -20, 18, 40, 3); };
    Metal(cr, head, -9, -20, 18, 40);
    cairo_rectangle(cr, -9, -14, 18, 3);
    cairo_rectangle(cr, -9, 11, 18, 3);
    cairo_set_source_rgba(cr, 0.2, 0.2, 0.25, 0.5);
    cairo_fill(cr);
}

void DrawPickaxe(cairo_t* cr) {
    Handle(cr, -16, 22, 10, -12, 5);
    Saved s(cr);
    cairo_translate(cr, 9, -11);
    cairo_rotate(cr, 0.78);
    const PathFn head = [](cairo_t* c) {
        cairo_move_to(c, -26, 6);
        cairo_curve_to(c, -14, -6, 14, -6, 26, 6);
        cairo_curve_to(c, 14, -1, -14, -1, -26, 6);
        cairo_close_path(c);
        RoundedRect(c, -5, -7, 10, 11, 2);
    };
    Metal(cr, head, -26, -7, 52, 14);
}

void DrawHourglass(cairo_t* cr) {
    // Glass bulbs with sand, between two wooden caps.
    const PathFn glass = [](cairo_t* c) {
        cairo_move_to(c, -13, -20);
        cairo_curve_to(c, -13, -6, -3, -4, -2, 0);
        cairo_curve_to(c, -3, 4, -13, 6, -13, 20);
        cairo_line_to(c, 13, 20);
        cairo_curve_to(c, 13, 6, 3, 4, 2, 0);
        cairo_curve_to(c, 3, -4, 13, -6, 13, -20);
        cairo_close_path(c);
    };
    glass(cr);
    cairo_set_source_rgba(cr, 0.8, 0.92, 1, 0.45);
    cairo_fill(cr);
    cairo_move_to(cr, -10, -8);
    cairo_curve_to(cr, -6, -4, -2, -2, 0, 0);
    cairo_curve_to(cr, 2, -2, 6, -4, 10, -8);
    cairo_close_path(cr);
    cairo_move_to(cr, -12, 20);
    cairo_curve_to(cr, -10, 12, -2, 9, 0, 8);
    cairo_curve_to(cr, 2, 9, 10, 12, 12, 20);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0xE8B850));
    cairo_fill(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, 9);
    cairo_set_line_width(cr, 1.2);
    SetRgb(cr, Hex(0xE8B850));
    cairo_stroke(cr);
    glass(cr);
    cairo_set_source_rgba(cr, 0.2, 0.3, 0.4, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    Gloss(cr, -7, -12, 3, 6, 0.7);
    for (int side = -1; side <= 1; side += 2) {
        const PathFn cap = [side](cairo_t* c) { RoundedRect(c, -18, side < 0 ? -26 : 20, 36, 6, 2.5); };
        Saved s(cr);
        cap(cr);
        cairo_clip(cr);
        WoodGrain(cr, -18, side < 0 ? -26 : 20, 36, 6, Hex(0x8A5026), 5);
        cairo_reset_clip(cr);
        cap(cr);
        SetRgb(cr, Hex(0x3A1E0C));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 15, -20);
        cairo_line_to(cr, side * 15, 20);
        cairo_set_line_width(cr, 2.5);
        SetRgb(cr, Hex(0x6A3A18));
        cairo_stroke(cr);
    }
}

void DrawDynamite(cairo_t* cr) {
    for (int i = -1; i <= 1; ++i) {
        const double x = i * 9;
        const PathFn stick = [x](cairo_t* c) { RoundedRect(c, x - 5, -14, 10, 34, 3); };
        cairo_pattern_t* g = cairo_pattern_create_linear(x - 5, 0, x + 5, 0);
        AddStop(g, 0, Hex(0xF06048));
        AddStop(g, 0.45, Hex(0xC8281C));
        AddStop(g, 1, Hex(0x7A1008));
        stick(cr);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        SetRgb(cr, Hex(0x3A0804));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    for (double y : {-6.0, 12.0}) {
        cairo_rectangle(cr, -15, y, 30, 4);
        SetRgb(cr, Hex(0x2A2420));
        cairo_fill(cr);
    }
    cairo_move_to(cr, 0, -14);
    cairo_curve_to(cr, 0, -22, 8, -20, 10, -26);
    cairo_set_line_width(cr, 2);
    SetRgb(cr, Hex(0xD8C8A0));
    cairo_stroke(cr);
    const PathFn spark = [](cairo_t* c) { cairo_arc(c, 10.5, -26.5, 3.5, 0, 2 * M_PI); };
    Glow(cr, spark, Hex(0xFFB030), 5, 0.9, 2);
    Sparkle(cr, 10.5, -26.5, 6, 1);
}

void DrawColour(cairo_t* cr) {
    // A prism orb: rainbow segments under one glossy dome.
    const Rgb colours[] = {Hex(0xE8323C), Hex(0xF79A28), Hex(0xF5D830),
                           Hex(0x3CBF4A), Hex(0x3A8EE8), Hex(0x9A4FD8)};
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, 0, 0);
        cairo_arc(cr, 0, 0, 21, i * M_PI / 3 - M_PI / 2, (i + 1) * M_PI / 3 - M_PI / 2);
        cairo_close_path(cr);
        SetRgb(cr, colours[i]);
        cairo_fill(cr);
    }
    cairo_pattern_t* g = cairo_pattern_create_radial(-6, -7, 1, 0, 0, 22);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.7);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 0.1);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.35);
    cairo_arc(cr, 0, 0, 21, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetRgb(cr, Hex(0x2A1A3A));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    Gloss(cr, -8, -9, 7, 4, 0.85);
    Sparkle(cr, 12, -13, 6, 1);
    Sparkle(cr, -14, 12, 4, 0.9);
}

}  // namespace

void DrawTool(cairo_t* cr, int tool, double cx, double cy, double s) {
    Saved sv(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s / 64.0, s / 64.0);
    switch (tool) {
        case 0:
            DrawHammer(cr);
            break;
        case 1:
            DrawHourglass(cr);
            break;
        case 2:
            DrawPickaxe(cr);
            break;
        case 3:
            DrawDynamite(cr);
            break;
        case 4:
            DrawBomb(cr, 0, 2, 60, true);
            break;
        default:
            DrawColour(cr);
            break;
    }
}

}  // namespace art
