#include "village_textures.h"

#include <algorithm>
#include <cmath>

namespace art::village {

namespace {

void Rect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double a = 1) {
    cairo_rectangle(cr, x, y, w, h);
    SetRgb(cr, c, a);
    cairo_fill(cr);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Rgb c, double a = 1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, width);
    SetRgb(cr, c, a);
    cairo_stroke(cr);
}

// Rows of irregular stones or bricks with mortar between them.
void Masonry(cairo_t* cr, Rgb c, double w, double h, double rowH, double minW, double maxW, double vary,
             Rng& rng) {
    Rect(cr, 0, 0, w, h, Darker(c, 0.35));
    int row = 0;
    for (double v = 0; v < h; v += rowH, ++row) {
        double u = row % 2 ? -rng.Range(0, maxW * 0.5) : 0;
        while (u < w) {
            const double sw = rng.Range(minW, maxW);
            const double k = rng.Range(-vary, vary);
            const Rgb s = k > 0 ? Lighter(c, k) : Darker(c, -k);
            RoundedRect(cr, u + 0.5, v + 0.5, sw - 1, rowH - 1, std::min(1.5, rowH * 0.3));
            SetRgb(cr, s);
            cairo_fill(cr);
            // Lit upper edge of each stone.
            Rect(cr, u + 0.8, v + rowH - 1.4, sw - 1.6, 0.7, Lighter(s, 0.25), 0.7);
            u += sw;
        }
    }
}

}  // namespace

void WallTexture(cairo_t* cr, Wall wall, Rgb c, double w, double h, int floors, Rng& rng) {
    switch (wall) {
        case Wall::Plaster:
        case Wall::Timber: {
            Rect(cr, 0, 0, w, h, c);
            for (int i = 0; i < static_cast<int>(w * h / 120); ++i) {
                cairo_arc(cr, rng.Range(0, w), rng.Range(0, h), rng.Range(1, 3), 0, 2 * M_PI);
                SetRgb(cr, Darker(c, 0.12), 0.25);
                cairo_fill(cr);
            }
            if (wall == Wall::Plaster) break;
            const Rgb beam = Mix(Hex(0x4A2E1C), c, 0.12);
            const double fh = h / std::max(1, floors);
            const int bays = std::max(1, static_cast<int>(std::round(w / 14)));
            for (int f = 0; f < floors; ++f) {
                const double v0 = f * fh;
                for (int b = 0; b <= bays; ++b) {
                    const double u = w * b / bays;
                    Line(cr, u, v0, u, v0 + fh, 2.4, beam);
                }
                // Braces in the outer bays.
                Line(cr, 0, v0 + 1, w / bays, v0 + fh - 1, 1.8, beam);
                Line(cr, w, v0 + 1, w - w / bays, v0 + fh - 1, 1.8, beam);
                Line(cr, 0, v0 + 1, w, v0 + 1, 2.6, beam);
                Line(cr, 0, v0 + fh - 0.8, w, v0 + fh - 0.8, 2.6, beam);
            }
            break;
        }
        case Wall::Stone:
            Masonry(cr, c, w, h, 5.5, 6, 13, 0.14, rng);
            break;
        case Wall::Brick:
            Masonry(cr, c, w, h, 3.4, 7, 8, 0.08, rng);
            break;
        case Wall::Logs: {
            Rect(cr, 0, 0, w, h, Darker(c, 0.4));
            for (double v = 0; v < h; v += 5) {
                cairo_pattern_t* g = cairo_pattern_create_linear(0, v, 0, v + 5);
                AddStop(g, 0, Darker(c, 0.25));
                AddStop(g, 0.6, Lighter(c, 0.12));
                AddStop(g, 1, Darker(c, 0.1));
                RoundedRect(cr, -2, v + 0.3, w + 4, 4.6, 2.2);
                cairo_set_source(cr, g);
                cairo_fill(cr);
                cairo_pattern_destroy(g);
                // Sawn ends at the corners.
                for (double u : {-1.0, w + 1.0}) {
                    cairo_arc(cr, u, v + 2.6, 2.4, 0, 2 * M_PI);
                    SetRgb(cr, Hex(0xD8B080));
                    cairo_fill_preserve(cr);
                    SetRgb(cr, Darker(c, 0.3));
                    cairo_set_line_width(cr, 0.6);
                    cairo_stroke(cr);
                }
            }
            break;
        }
        case Wall::Planks: {
            Rect(cr, 0, 0, w, h, c);
            for (double u = 0; u < w; u += 5.5) {
                const double k = rng.Range(-0.1, 0.1);
                Rect(cr, u, 0, 5.5, h, k > 0 ? Lighter(c, k) : Darker(c, -k));
                Line(cr, u, 0, u, h, 0.8, Darker(c, 0.45));
            }
            break;
        }
    }
}

void RoofTexture(cairo_t* cr, Roof roof, Rgb c, double u0, double u1, double h, Rng& rng) {
    const double w = u1 - u0;
    switch (roof) {
        case Roof::Thatch: {
            Rect(cr, u0, 0, w, h, c);
            for (double v = 0; v < h; v += 6) {
                cairo_pattern_t* g = cairo_pattern_create_linear(0, v, 0, v + 6);
                AddStop(g, 0, Darker(c, 0.3));
                AddStop(g, 0.35, Darker(c, 0.05));
                AddStop(g, 1, Lighter(c, 0.1));
                cairo_rectangle(cr, u0, v, w, 6);
                cairo_set_source(cr, g);
                cairo_fill(cr);
                cairo_pattern_destroy(g);
            }
            for (int i = 0; i < static_cast<int>(w * h / 6); ++i) {
                const double u = rng.Range(u0, u1), v = rng.Range(0, h);
                const double k = rng.Range(-0.25, 0.2);
                Line(cr, u, v, u + rng.Range(-0.8, 0.8), v - rng.Range(2, 4), 0.6,
                     k > 0 ? Lighter(c, k) : Darker(c, -k), 0.8);
            }
            break;
        }
        case Roof::Tiles: {
            Rect(cr, u0, 0, w, h, Darker(c, 0.35));
            int row = 0;
            for (double v = h; v > -4; v -= 4.2, ++row) {
                for (double u = u0 - (row % 2) * 3; u < u1 + 6; u += 6) {
                    const double k = rng.Range(-0.08, 0.1);
                    const Rgb t = k > 0 ? Lighter(c, k) : Darker(c, -k);
                    cairo_pattern_t* g = cairo_pattern_create_linear(u, 0, u + 6, 0);
                    AddStop(g, 0, Lighter(t, 0.15));
                    AddStop(g, 1, Darker(t, 0.2));
                    cairo_move_to(cr, u, v + 5);
                    cairo_line_to(cr, u, v + 1.5);
                    cairo_arc_negative(cr, u + 3, v + 1.5, 3, M_PI, 0);
                    cairo_line_to(cr, u + 6, v + 5);
                    cairo_close_path(cr);
                    cairo_set_source(cr, g);
                    cairo_fill(cr);
                    cairo_pattern_destroy(g);
                }
            }
            break;
        }
        case Roof::Slate:
        case Roof::Shingles: {
            const bool slate = roof == Roof::Slate;
            const double rh = slate ? 3.6 : 4.2, tw = slate ? 6.5 : 5;
            Rect(cr, u0, 0, w, h, Darker(c, 0.4));
            int row = 0;
            for (double v = h; v > -rh; v -= rh, ++row) {
                for (double u = u0 - (row % 2) * tw * 0.5; u < u1 + tw; u += tw) {
                    const double k = rng.Range(-0.12, 0.12);
                    const Rgb t = k > 0 ? Lighter(c, k) : Darker(c, -k);
                    RoundedRect(cr, u + 0.3, v - 0.5, tw - 0.6, rh + 0.8, slate ? 0.4 : 1.2);
                    SetRgb(cr, t);
                    cairo_fill(cr);
                    Line(cr, u + 0.5, v - 0.3, u + tw - 0.5, v - 0.3, 0.6, Darker(t, 0.35), 0.8);
                }
            }
            break;
        }
    }
}

void Door(cairo_t* cr, double cx, double w, double h, Rgb wood, Rgb trim, double light) {
    const double x = cx - w / 2;
    const Rgb d = Darker(wood, (1 - light) * 0.6);
    // Frame, then planks with an arched head (v runs up).
    cairo_move_to(cr, x - 1.2, 0);
    cairo_line_to(cr, x - 1.2, h - w / 2);
    cairo_arc_negative(cr, cx, h - w / 2, w / 2 + 1.2, M_PI, 0);
    cairo_line_to(cr, x + w + 1.2, 0);
    cairo_close_path(cr);
    SetRgb(cr, Darker(trim, (1 - light) * 0.6));
    cairo_fill(cr);
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, h - w / 2);
    cairo_arc_negative(cr, cx, h - w / 2, w / 2, M_PI, 0);
    cairo_line_to(cr, x + w, 0);
    cairo_close_path(cr);
    SetRgb(cr, d);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    for (double u = x + w / 4; u < x + w; u += w / 4) Line(cr, u, 0, u, h, 0.6, Darker(d, 0.35));
    Line(cr, x, h * 0.25, x + w, h * 0.25, 1, Darker(d, 0.45));
    Line(cr, x, h * 0.62, x + w, h * 0.62, 1, Darker(d, 0.45));
    cairo_restore(cr);
    cairo_arc(cr, x + w * 0.78, h * 0.45, std::max(0.7, w * 0.07), 0, 2 * M_PI);
    SetRgb(cr, Hex(0xE0C060));
    cairo_fill(cr);
}

void Window(cairo_t* cr, double cx, double cy, double w, double h, Rgb trim, Rgb shutters, bool shuttered,
            double light) {
    const double x = cx - w / 2, y = cy - h / 2;
    const Rgb t = Darker(trim, (1 - light) * 0.5);
    if (shuttered) {
        const Rgb s = Darker(shutters, (1 - light) * 0.6);
        for (double sx : {x - w * 0.55, x + w + 0.05 * w}) {
            Rect(cr, sx, y, w * 0.5, h, s);
            Line(cr, sx + w * 0.25, y, sx + w * 0.25, y + h, 0.5, Darker(s, 0.3));
        }
    }
    Rect(cr, x - 1, y - 1, w + 2, h + 2, t);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + h, 0, y);
    AddStop(g, 0, Darker(Hex(0x40506A), (1 - light) * 0.5));
    AddStop(g, 1, Darker(Hex(0x2A3448), (1 - light) * 0.5));
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // A pale reflection of the sky in the upper panes.
    cairo_move_to(cr, x, y + h * 0.55);
    cairo_line_to(cr, x + w * 0.45, y + h);
    cairo_line_to(cr, x + w * 0.75, y + h);
    cairo_line_to(cr, x, y + h * 0.2);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0xC8DCF0), 0.35 * light);
    cairo_fill(cr);
    Line(cr, cx, y, cx, y + h, 0.9, t);
    Line(cr, x, cy, x + w, cy, 0.9, t);
    Rect(cr, x - 1.8, y - 1.8, w + 3.6, 1.6, Lighter(t, 0.25));
}

}  // namespace art::village
