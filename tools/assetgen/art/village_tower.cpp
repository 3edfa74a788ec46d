// Round towers: a stone cylinder seen from the front, with windows, under a
// cone or a dome, in every construction stage.
#include "village_parts.h"

#include <cmath>

namespace art::village {

namespace {

// Where the cylinder's outline touches the ellipse of a horizontal circle.
const double kEdge = std::atan(kDepthX);

P2 Rim(P2 origin, const Tower& t, double a, double z, double r) {
    return Project(origin, {t.x + r * std::cos(a), t.y + r * std::sin(a), z});
}

// The visible half of a circle at height z, from the left edge round the front to the right.
void FrontArc(cairo_t* cr, P2 origin, const Tower& t, double z, double r, bool begin) {
    for (int i = 0; i <= 24; ++i) {
        const P2 p = Rim(origin, t, kEdge + M_PI + M_PI * i / 24, z, r);
        if (begin && i == 0) cairo_move_to(cr, p.x, p.y);
        else cairo_line_to(cr, p.x, p.y);
    }
}

void BackArc(cairo_t* cr, P2 origin, const Tower& t, double z, double r) {
    for (int i = 0; i <= 24; ++i) {
        const P2 p = Rim(origin, t, kEdge + M_PI * i / 24, z, r);
        cairo_line_to(cr, p.x, p.y);
    }
}

// A horizontal gradient across the tower: lit on the left, dark on the right.
cairo_pattern_t* Sideways(P2 origin, const Tower& t, double r, Rgb c) {
    const P2 l = Rim(origin, t, kEdge + M_PI, 0, r), rr = Rim(origin, t, kEdge, 0, r);
    cairo_pattern_t* g = cairo_pattern_create_linear(l.x, 0, rr.x, 0);
    AddStop(g, 0, Shade(c, {-0.2, -1, 0}));
    AddStop(g, 0.3, Lighter(c, 0.08));
    AddStop(g, 1, Shade(c, {1, -0.2, 0}));
    return g;
}

void Body(cairo_t* cr, P2 origin, const Tower& t, double h, Rng& rng) {
    FrontArc(cr, origin, t, t.base, t.r, true);
    BackArc(cr, origin, t, h, t.r);
    cairo_close_path(cr);
    cairo_pattern_t* g = Sideways(origin, t, t.r, t.wallColour);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    Saved s(cr);
    cairo_clip(cr);
    // Courses of stone: mortar along the front and staggered joints.
    cairo_set_line_width(cr, 0.7);
    int row = 0;
    for (double z = t.base + 5; z < h; z += 5, ++row) {
        FrontArc(cr, origin, t, z, t.r, true);
        SetRgb(cr, Darker(t.wallColour, 0.45), 0.6);
        cairo_stroke(cr);
        for (double a = kEdge + M_PI + (row % 2) * 0.25 + rng.Range(0, 0.1); a < kEdge + 2 * M_PI; a += 0.5) {
            const P2 p = Rim(origin, t, a, z - 5, t.r), q = Rim(origin, t, a, z, t.r);
            cairo_move_to(cr, p.x, p.y);
            cairo_line_to(cr, q.x, q.y);
            cairo_stroke(cr);
        }
    }
}

void Windows(cairo_t* cr, P2 origin, const Tower& t, double h) {
    for (int k = 0; k < t.windowRows; ++k) {
        const double z = t.base + (h - t.base) * (k + 0.55) / (t.windowRows + 0.3);
        const double a = 1.5 * M_PI + (k % 2 ? 0.45 : -0.35);
        const P2 p = Rim(origin, t, a, z, t.r);
        const double w = 5.5 * std::max(0.4, std::sin(a - kEdge - M_PI) * 1.1), wh = 10;
        RoundedRect(cr, p.x - w / 2 - 1, p.y - wh / 2 - 1, w + 2, wh + 2, w / 2);
        SetRgb(cr, Hex(0x8C7C66));
        cairo_fill(cr);
        RoundedRect(cr, p.x - w / 2, p.y - wh / 2, w, wh, w / 2);
        SetRgb(cr, Hex(0x2E3446));
        cairo_fill(cr);
    }
    if (t.clock) {
        const P2 c = Rim(origin, t, 1.5 * M_PI + 0.25, h - 11, t.r);
        cairo_arc(cr, c.x, c.y, 6, 0, 2 * M_PI);
        SetRgb(cr, Hex(0xF4ECD8));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.4);
        SetRgb(cr, Hex(0xC89A30));
        cairo_stroke(cr);
        cairo_move_to(cr, c.x, c.y - 4);
        cairo_line_to(cr, c.x, c.y);
        cairo_line_to(cr, c.x + 3, c.y + 1);
        cairo_set_line_width(cr, 1);
        SetRgb(cr, Hex(0x2A1E16));
        cairo_stroke(cr);
    }
    if (t.base > 0) return;
    // The door at the foot, facing the viewer.
    const P2 d = Rim(origin, t, 1.5 * M_PI + 0.1, 0, t.r);
    RoundedRect(cr, d.x - 5.5, d.y - 17, 11, 18, 5);
    SetRgb(cr, Hex(0x6A4026));
    cairo_fill(cr);
}

void Top(cairo_t* cr, P2 origin, const Tower& t, double h, Rgb c) {
    FrontArc(cr, origin, t, h, t.r, true);
    BackArc(cr, origin, t, h, t.r);
    cairo_close_path(cr);
    SetRgb(cr, c);
    cairo_fill(cr);
}

void RoofCap(cairo_t* cr, P2 origin, const Tower& t) {
    const double r = t.r + 4, z = t.h;
    const P2 apex = Project(origin, {t.x, t.y, t.h + t.roofH});
    FrontArc(cr, origin, t, z, r, true);
    if (t.dome) {
        const P2 right = Rim(origin, t, kEdge, z, r), left = Rim(origin, t, kEdge + M_PI, z, r);
        cairo_curve_to(cr, right.x, apex.y + t.roofH * 0.1, (right.x + apex.x) / 2, apex.y, apex.x, apex.y);
        cairo_curve_to(cr, (left.x + apex.x) / 2, apex.y, left.x, apex.y + t.roofH * 0.1, left.x, left.y);
    } else {
        cairo_line_to(cr, apex.x, apex.y);
    }
    cairo_close_path(cr);
    Tower shaded = t;
    cairo_pattern_t* g = Sideways(origin, shaded, r, t.roofColour);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    {
        Saved s(cr);
        cairo_clip(cr);
        // Rows of slates or the ribs of the dome.
        cairo_set_line_width(cr, 0.8);
        SetRgb(cr, Darker(t.roofColour, 0.45), 0.7);
        for (double f = 0.12; f < 1; f += 0.14) {
            const double zz = z + t.roofH * (t.dome ? std::sin(f * M_PI / 2) : f);
            const double rr = r * (t.dome ? std::cos(f * M_PI / 2) : 1 - f);
            FrontArc(cr, origin, t, zz, rr, true);
            cairo_stroke(cr);
        }
        for (double a = kEdge + M_PI + 0.3; a < kEdge + 2 * M_PI; a += 0.45) {
            const P2 p = Rim(origin, t, a, z, r);
            cairo_move_to(cr, p.x, p.y);
            cairo_line_to(cr, apex.x, apex.y);
            cairo_stroke(cr);
        }
    }
    FrontArc(cr, origin, t, z, r, true);
    cairo_set_line_width(cr, 1.6);
    SetRgb(cr, Darker(t.roofColour, 0.55));
    cairo_stroke(cr);
    if (t.flag) {
        cairo_move_to(cr, apex.x, apex.y);
        cairo_line_to(cr, apex.x, apex.y - 16);
        cairo_set_line_width(cr, 1.2);
        SetRgb(cr, Hex(0x3A2A1E));
        cairo_stroke(cr);
        cairo_move_to(cr, apex.x, apex.y - 16);
        cairo_curve_to(cr, apex.x + 6, apex.y - 17, apex.x + 8, apex.y - 12, apex.x + 14, apex.y - 13);
        cairo_line_to(cr, apex.x, apex.y - 9);
        cairo_close_path(cr);
        SetRgb(cr, Hex(0xC83A2E));
        cairo_fill(cr);
    }
}

}  // namespace

void DrawTower(cairo_t* cr, P2 origin, const Tower& t, Stage stage, Rng& rng) {
    // A tower rising out of a roof waits for the roof.
    if (stage == Stage::Plot || (t.base > 0 && stage != Stage::Done)) return;
    const double h = stage == Stage::Frame ? t.base + (t.h - t.base) * 0.3 : t.h;
    Body(cr, origin, t, h, rng);
    if (stage != Stage::Frame) Windows(cr, origin, t, h);
    if (stage == Stage::Done) {
        RoofCap(cr, origin, t);
        return;
    }
    Top(cr, origin, t, h, Hex(0x3A2A1E));
    // Scaffold around the rising walls.
    const double r = t.r + 4;
    for (double a : {kEdge + M_PI + 0.2, 1.5 * M_PI, kEdge + 2 * M_PI - 0.2}) {
        const P2 p = Rim(origin, t, a, t.base, r), q = Rim(origin, t, a, t.h * 0.9, r);
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, q.x, q.y);
        cairo_set_line_width(cr, 2.4);
        SetRgb(cr, Hex(0x4E321E));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.4);
        SetRgb(cr, Hex(0xC99A5E));
        cairo_stroke(cr);
    }
    for (double z : {t.h * 0.35, t.h * 0.7}) {
        FrontArc(cr, origin, t, z, r, true);
        cairo_set_line_width(cr, 2.6);
        SetRgb(cr, Hex(0x4E321E));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.6);
        SetRgb(cr, Hex(0xC99A5E));
        cairo_stroke(cr);
    }
}

}  // namespace art::village
