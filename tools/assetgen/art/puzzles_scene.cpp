// The land of the puzzle pictures: sky, hills, meadows, fields, water, roads,
// trees, weather, the finishing light and the sepia twin.
#include "puzzles.h"

#include <algorithm>
#include <cmath>

namespace art::puzzles {

namespace {

void FillGradient(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    AddStop(g, 0, top);
    AddStop(g, 1, bottom);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// Two banks of a band that runs from a point on the horizon to the bottom edge.
void BandPath(cairo_t* cr, double topX, double topY, double w0, double bottomX, double w1, double wiggle) {
    const int n = 24;
    auto centre = [&](double t) { return topX + (bottomX - topX) * t + wiggle * std::sin(t * 5.2) * t; };
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, y = topY + (kPicH + 4 - topY) * t * t;
        const double half = (w0 + (w1 - w0) * t * t) / 2;
        if (i == 0) cairo_move_to(cr, centre(t) - half, y);
        else cairo_line_to(cr, centre(t) - half, y);
    }
    for (int i = n; i >= 0; --i) {
        const double t = static_cast<double>(i) / n, y = topY + (kPicH + 4 - topY) * t * t;
        cairo_line_to(cr, centre(t) + (w0 + (w1 - w0) * t * t) / 2, y);
    }
    cairo_close_path(cr);
}

}  // namespace

void Sky(cairo_t* cr, const Mood& m, Rng& rng, int clouds) {
    cairo_rectangle(cr, 0, 0, kPicW, kPicH);
    FillGradient(cr, 0, m.skyTop, 220, m.skyBottom);
    cairo_pattern_t* s = cairo_pattern_create_radial(m.sunX, m.sunY, 0, m.sunX, m.sunY, 200);
    AddStop(s, 0, m.sun, 0.85);
    AddStop(s, 0.14, m.sun, 0.5);
    AddStop(s, 1, m.sun, 0);
    cairo_set_source(cr, s);
    cairo_paint(cr);
    cairo_pattern_destroy(s);
    cairo_arc(cr, m.sunX, m.sunY, m.light < 0.45 ? 14 : 20, 0, 2 * M_PI);
    SetRgb(cr, Lighter(m.sun, 0.6), 0.95);
    cairo_fill(cr);
    for (int i = 0; i < clouds; ++i) {
        const double x = rng.Range(-40, kPicW + 20), y = rng.Range(20, 120), w = rng.Range(80, 170);
        const PathFn cloud = [&](cairo_t* c) {
            for (int k = 0; k < 5; ++k) {
                cairo_new_sub_path(c);
                cairo_arc(c, x + k * w / 5, y - std::sin(k * 0.8) * 10, w * 0.15 + (k % 2) * 6, 0, 2 * M_PI);
            }
        };
        Glow(cr, cloud, Lighter(m.skyBottom, 0.55), 8, 0.45 + 0.4 * m.light);
    }
}

void Stars(cairo_t* cr, Rng& rng, int n, double bottom) {
    for (int i = 0; i < n; ++i) {
        const double x = rng.Range(0, kPicW), y = rng.Range(0, bottom), r = rng.Range(0.5, 1.4);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 0.97, 0.85, rng.Range(0.5, 1) * (1 - y / bottom * 0.6));
        cairo_fill(cr);
        if (r > 1.25) Sparkle(cr, x, y, 5, 0.5);
    }
}

void Backdrop(cairo_t* cr, const Mood& m, Rng& rng, double horizon, int clouds) {
    Sky(cr, m, rng, clouds);
    const double phase = rng.Range(0, 6);
    Ridge(cr, horizon - 8, 22, 0.012, phase, m.hillFar, 0.1);
    Ridge(cr, horizon + 14, 14, 0.017, phase * 1.7, Mix(m.hillFar, m.hillNear, 0.55), 0.15);
    Meadow(cr, horizon + 30, m.grass, rng);
}

void Ridge(cairo_t* cr, double base, double amp, double freq, double phase, Rgb c, double shade) {
    cairo_move_to(cr, 0, kPicH);
    for (int x = 0; x <= kPicW; x += 6)
        cairo_line_to(
            cr, x,
            base - amp * (0.6 * std::sin(x * freq + phase) + 0.4 * std::sin(x * freq * 2.3 + phase * 1.7)));
    cairo_line_to(cr, kPicW, kPicH);
    cairo_close_path(cr);
    FillGradient(cr, base - amp, Lighter(c, 0.12), base + 160, Darker(c, shade));
}

void Meadow(cairo_t* cr, double y0, Rgb c, Rng& rng) {
    // A gently rolling near edge, so the meadow meets the hills behind it softly.
    cairo_move_to(cr, 0, kPicH);
    for (int x = 0; x <= kPicW; x += 10) cairo_line_to(cr, x, y0 - 6 * std::sin(x * 0.011 + y0) - 3);
    cairo_line_to(cr, kPicW, kPicH);
    cairo_close_path(cr);
    FillGradient(cr, y0 - 10, Lighter(c, 0.1), kPicH, Darker(c, 0.15));
    for (int i = 0; i < 260; ++i) {
        const double y = rng.Range(y0, kPicH + 10), depth = (y - y0) / (kPicH - y0 + 1);
        const double x = rng.Range(-10, kPicW + 10), r = rng.Range(4, 16) * (0.4 + depth);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1, 0.4);
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        cairo_restore(cr);
        SetRgb(cr, rng.Unit() < 0.5 ? Lighter(c, 0.35) : Darker(c, 0.35), rng.Range(0.06, 0.16));
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 1400; ++i) {
        const double y = rng.Range(y0 + 4, kPicH), depth = (y - y0) / (kPicH - y0 + 1);
        const double x = rng.Range(0, kPicW), len = 1.5 + 5 * depth;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rng.Range(-1.5, 1.5), y - len);
        SetRgb(cr, rng.Unit() < 0.5 ? Lighter(c, 0.3) : Darker(c, 0.3), 0.35);
        cairo_stroke(cr);
    }
}

void FieldRows(cairo_t* cr, double x0, double x1, double y0, double y1, double skew, Rgb a, Rgb b, int rows) {
    const double narrow = (x1 - x0) * 0.18;
    cairo_move_to(cr, x0 + narrow + skew, y0);
    cairo_line_to(cr, x1 - narrow + skew, y0);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x0, y1);
    cairo_close_path(cr);
    FillGradient(cr, y0, a, y1, Mix(a, b, 0.3));
    for (int i = 0; i < rows; ++i) {
        const double t = (i + 0.5) / rows;
        const double top = x0 + narrow + skew + (x1 - x0 - 2 * narrow) * t, bottom = x0 + (x1 - x0) * t;
        cairo_move_to(cr, top, y0);
        cairo_line_to(cr, bottom, y1);
    }
    cairo_set_line_width(cr, 2.2);
    SetRgb(cr, b, 0.55);
    cairo_stroke(cr);
}

void River(cairo_t* cr, double topX, double topY, double w0, double bottomX, double w1, Rgb sky, Rng& rng) {
    BandPath(cr, topX, topY, w0 + 8, bottomX, w1 + 26, 40);
    SetRgb(cr, Hex(0x8A7A4E), 0.9);
    cairo_fill(cr);
    BandPath(cr, topX, topY, w0, bottomX, w1, 40);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    FillGradient(cr, topY, Mix(sky, Hex(0x5A8AB0), 0.4), kPicH, Hex(0x2E5A7E));
    for (int i = 0; i < 90; ++i) {
        const double y = rng.Range(topY, kPicH), t = (y - topY) / (kPicH - topY);
        const double x = topX + (bottomX - topX) * t + rng.Range(-w1, w1) * (0.2 + t) * 0.5;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 4 + 14 * t, y);
        cairo_set_line_width(cr, 1 + t);
        SetRgb(cr, Lighter(sky, 0.5), 0.4);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
}

void Pond(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb sky, Rng& rng) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1, ry / rx);
    cairo_arc(cr, 0, 0, rx + 5, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0x7A6A44), 0.85);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1, ry / rx);
    cairo_arc(cr, 0, 0, rx, 0, 2 * M_PI);
    cairo_restore(cr);
    FillGradient(cr, cy - ry, Mix(sky, Hex(0x6A9AC0), 0.3), cy + ry, Hex(0x2E5A7E));
    for (int i = 0; i < 30; ++i) {
        const double a = rng.Range(0, 2 * M_PI), k = rng.Range(0, 0.8);
        const double x = cx + std::cos(a) * rx * k, y = cy + std::sin(a) * ry * k;
        cairo_move_to(cr, x - 6, y);
        cairo_line_to(cr, x + 6, y);
        cairo_set_line_width(cr, 1.2);
        SetRgb(cr, Lighter(sky, 0.6), 0.45);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 26; ++i) {
        const double a = rng.Range(0.1, 0.9) * M_PI + (i % 2) * M_PI;
        const double x = cx + std::cos(a) * rx * 1.02, y = cy + std::sin(a) * ry * 1.02;
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, x + k * 2, y);
            cairo_line_to(cr, x + k * 2 + rng.Range(-3, 3), y - rng.Range(10, 20));
        }
        cairo_set_line_width(cr, 1.4);
        SetRgb(cr, Hex(0x4E7A2E));
        cairo_stroke(cr);
    }
}

void Road(cairo_t* cr, double topX, double topY, double w0, double bottomX, double w1, Rgb c) {
    BandPath(cr, topX, topY, w0, bottomX, w1, 24);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    FillGradient(cr, topY, Lighter(c, 0.15), kPicH, Darker(c, 0.1));
    cairo_restore(cr);
    cairo_set_line_width(cr, 1.5);
    SetRgb(cr, Darker(c, 0.3), 0.5);
    cairo_stroke(cr);
}

void Tree(cairo_t* cr, double x, double ground, double s, Rgb leaf, Rng& rng, int fruit, Rgb fruitC) {
    cairo_save(cr);
    cairo_translate(cr, x + s * 0.3, ground);
    cairo_scale(cr, 1, 0.3);
    cairo_arc(cr, 0, 0, s * 0.5, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0x1E3010), 0.3);
    cairo_fill(cr);
    cairo_move_to(cr, x - s * 0.07, ground);
    cairo_line_to(cr, x - s * 0.04, ground - s * 0.55);
    cairo_line_to(cr, x + s * 0.04, ground - s * 0.55);
    cairo_line_to(cr, x + s * 0.08, ground);
    cairo_close_path(cr);
    FillGradient(cr, ground - s, Hex(0x7A5234), ground, Hex(0x4A2E1A));
    for (int k = 0; k < 9; ++k) {
        const double cx = x + rng.Range(-0.3, 0.3) * s, cy = ground - s * (0.6 + rng.Range(0, 0.35));
        const double r = s * rng.Range(0.2, 0.3);
        cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.5, 0, cx, cy, r * 1.1);
        AddStop(g, 0, Lighter(leaf, 0.3));
        AddStop(g, 0.6, leaf);
        AddStop(g, 1, Darker(leaf, 0.35));
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    for (int i = 0; i < fruit; ++i) {
        const double fx = x + rng.Range(-0.38, 0.38) * s, fy = ground - s * rng.Range(0.5, 0.95);
        const double r = std::max(1.5, s * 0.026);
        cairo_arc(cr, fx, fy, r, 0, 2 * M_PI);
        SetRgb(cr, fruitC);
        cairo_fill(cr);
        cairo_arc(cr, fx - r * 0.35, fy - r * 0.35, r * 0.35, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
        cairo_fill(cr);
    }
}

void Pine(cairo_t* cr, double x, double ground, double s, Rgb c) {
    cairo_rectangle(cr, x - s * 0.04, ground - s * 0.2, s * 0.08, s * 0.2);
    SetRgb(cr, Hex(0x4A2E1A));
    cairo_fill(cr);
    for (int k = 0; k < 4; ++k) {
        const double base = ground - s * (0.15 + k * 0.2), w = s * (0.34 - k * 0.06);
        cairo_move_to(cr, x - w, base);
        cairo_line_to(cr, x, base - s * 0.38);
        cairo_line_to(cr, x + w, base);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(x - w, 0, x + w, 0);
        AddStop(g, 0, Lighter(c, 0.18));
        AddStop(g, 1, Darker(c, 0.35));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

void BareTree(cairo_t* cr, double x, double ground, double s, Rng& rng) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetRgb(cr, Hex(0x4A3424));
    auto branch = [&](auto&& self, double bx, double by, double len, double ang, double w) -> void {
        if (len < s * 0.06) return;
        const double ex = bx + std::cos(ang) * len, ey = by - std::sin(ang) * len;
        cairo_move_to(cr, bx, by);
        cairo_line_to(cr, ex, ey);
        cairo_set_line_width(cr, w);
        cairo_stroke(cr);
        self(self, ex, ey, len * 0.7, ang + rng.Range(0.3, 0.6), w * 0.65);
        self(self, ex, ey, len * 0.7, ang - rng.Range(0.3, 0.6), w * 0.65);
    };
    branch(branch, x, ground, s * 0.35, M_PI / 2, s * 0.07);
}

void Snowfall(cairo_t* cr, Rng& rng, int n) {
    for (int i = 0; i < n; ++i) {
        const double x = rng.Range(0, kPicW), y = rng.Range(0, kPicH), r = rng.Range(0.8, 2.6);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, rng.Range(0.55, 0.95));
        cairo_fill(cr);
    }
}

void SnowGround(cairo_t* cr, double y0, Rng& rng) {
    cairo_rectangle(cr, 0, y0, kPicW, kPicH - y0);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, kPicH);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.93, 0.95, 1, 0.78);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.97, 0.98, 1, 0.92);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 0; i < 120; ++i) {
        const double x = rng.Range(0, kPicW), y = rng.Range(y0, kPicH);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1, 0.3);
        cairo_arc(cr, 0, 0, rng.Range(6, 20), 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 0.62, 0.7, 0.85, 0.12);
        cairo_fill(cr);
    }
}

void RainStreaks(cairo_t* cr, Rng& rng, int n) {
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < n; ++i) {
        const double x = rng.Range(-30, kPicW), y = rng.Range(-20, kPicH), len = rng.Range(8, 18);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len * 0.25, y + len);
        cairo_set_source_rgba(cr, 0.85, 0.9, 1, rng.Range(0.25, 0.5));
        cairo_stroke(cr);
    }
}

void NightVeil(cairo_t* cr, Rgb tint, double alpha) {
    Saved s(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
    SetRgb(cr, tint, alpha);
    cairo_paint(cr);
}

void Lamp(cairo_t* cr, double x, double y, double r, Rgb c, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
    AddStop(g, 0, Lighter(c, 0.5), alpha);
    AddStop(g, 0.25, c, alpha * 0.6);
    AddStop(g, 1, c, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Finish(cairo_t* cr, const Mood& m) {
    // Warm light from the sun's side and a soft darkening of the corners.
    cairo_pattern_t* warm = cairo_pattern_create_radial(m.sunX, m.sunY, 20, m.sunX, m.sunY, 520);
    AddStop(warm, 0, m.sun, 0.18 * m.light);
    AddStop(warm, 1, m.sun, 0);
    cairo_set_source(cr, warm);
    cairo_paint(cr);
    cairo_pattern_destroy(warm);
    cairo_pattern_t* vig = cairo_pattern_create_radial(300, 180, 200, 300, 180, 380);
    cairo_pattern_add_color_stop_rgba(vig, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(vig, 1, 0.12, 0.06, 0.02, 0.35);
    cairo_set_source(cr, vig);
    cairo_paint(cr);
    cairo_pattern_destroy(vig);
}

SurfacePtr SepiaTwin(cairo_surface_t* colour) {
    cairo_surface_flush(colour);
    const int w = cairo_image_surface_get_width(colour), h = cairo_image_surface_get_height(colour);
    SurfacePtr out = NewSurface(w, h);
    const int inStride = cairo_image_surface_get_stride(colour),
              outStride = cairo_image_surface_get_stride(out.get());
    const unsigned char* in = cairo_image_surface_get_data(colour);
    unsigned char* dst = cairo_image_surface_get_data(out.get());
    // Ink and paper of the faded print; every shade keeps its place between them,
    // lifted a little toward the paper so the picture still reads.
    const Rgb ink = Hex(0x3A2414), paper = Hex(0xF2E4C4);
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(in + static_cast<size_t>(y) * inStride);
        auto* row = reinterpret_cast<std::uint32_t*>(dst + static_cast<size_t>(y) * outStride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = src[x];
            const double lum = (0.3 * ((p >> 16) & 255) + 0.59 * ((p >> 8) & 255) + 0.11 * (p & 255)) / 255;
            const double t = 0.08 + 0.86 * std::pow(lum, 0.9);
            const Rgb c = Mix(ink, paper, t);
            auto byte = [](double v) {
                return static_cast<std::uint32_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5);
            };
            row[x] = 0xFF000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
        }
    }
    cairo_surface_mark_dirty(out.get());
    return out;
}

}  // namespace art::puzzles
