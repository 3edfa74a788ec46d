#include "story_paper.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace story {

Rgb Tone(int depth) {
    static const Rgb tones[6] = {Hex(0xF2C9A0), Hex(0xE0A07E), Hex(0xB86F5E),
                                 Hex(0x7E4350), Hex(0x4A2638), Hex(0x2A1420)};
    return tones[depth < 0 ? 0 : (depth > 5 ? 5 : depth)];
}

namespace {
// A four-sided limb from (x1, y1) to (x2, y2), w1 wide at the start, w2 at the end.
void Limb(cairo_t* cr, double x1, double y1, double x2, double y2, double w1, double w2) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double len = std::max(1e-6, std::hypot(dx, dy));
    const double nx = -dy / len, ny = dx / len;
    cairo_move_to(cr, x1 + nx * w1 / 2, y1 + ny * w1 / 2);
    cairo_line_to(cr, x2 + nx * w2 / 2, y2 + ny * w2 / 2);
    cairo_line_to(cr, x2 - nx * w2 / 2, y2 - ny * w2 / 2);
    cairo_line_to(cr, x1 - nx * w1 / 2, y1 - ny * w1 / 2);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void Disc(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

// Fills every sub-path of the current path on its own, so that overlapping
// pieces of a figure join whatever their direction (a union).
void FillUnion(cairo_t* cr) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t& d = path->data[i];
        if (d.header.type == CAIRO_PATH_MOVE_TO && i > 0) cairo_fill(cr);
        switch (d.header.type) {
            case CAIRO_PATH_MOVE_TO:
                cairo_move_to(cr, path->data[i + 1].point.x, path->data[i + 1].point.y);
                break;
            case CAIRO_PATH_LINE_TO:
                cairo_line_to(cr, path->data[i + 1].point.x, path->data[i + 1].point.y);
                break;
            case CAIRO_PATH_CURVE_TO:
                cairo_curve_to(cr, path->data[i + 1].point.x, path->data[i + 1].point.y,
                               path->data[i + 2].point.x, path->data[i + 2].point.y,
                               path->data[i + 3].point.x, path->data[i + 3].point.y);
                break;
            case CAIRO_PATH_CLOSE_PATH:
                cairo_close_path(cr);
                break;
        }
    }
    cairo_fill(cr);
    cairo_path_destroy(path);
}
}  // namespace

void Sky(cairo_t* cr, int w, int h, Rgb top, Rgb horizon, double sx, double sy, double sunR) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    AddStop(g, 0, top);
    AddStop(g, 0.75, horizon);
    AddStop(g, 1, Lighter(horizon, 0.2));
    cairo_set_source(cr, g);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_pattern_t* sun = cairo_pattern_create_radial(sx, sy, 0, sx, sy, sunR * 4);
    AddStop(sun, 0, Hex(0xFFF8E0), 1);
    AddStop(sun, 0.22, kGlow, 0.85);
    AddStop(sun, 1, kGlow, 0);
    cairo_set_source(cr, sun);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(sun);
}

void RidgePath(cairo_t* cr, double w, double h, double base, double amp, std::uint64_t seed,
               double wavelength) {
    Rng rng(seed);
    const double p1 = rng.Range(0, 6.28), p2 = rng.Range(0, 6.28), p3 = rng.Range(0, 6.28);
    cairo_move_to(cr, 0, h);
    for (double x = 0; x <= w + 8; x += 8) {
        const double y = base + amp * (0.55 * std::sin(x / wavelength * 6.28 + p1) +
                                       0.3 * std::sin(x / (wavelength * 0.43) * 6.28 + p2) +
                                       0.15 * std::sin(x / (wavelength * 0.17) * 6.28 + p3));
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, w + 8, h);
    cairo_close_path(cr);
}

// A soft dark halo around a shape, blurred at a quarter of the size: wide
// panoramas get their halos at a sixteenth of the cost of a full-size blur.
void SoftHalo(cairo_t* cr, const PathFn& path, double alpha) {
    // The shape's box in device pixels, with room for the blur.
    double x1, y1, x2, y2;
    path(cr);
    cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
    cairo_new_path(cr);
    double xs[4] = {x1, x2, x1, x2}, ys[4] = {y1, y1, y2, y2};
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (int i = 0; i < 4; i++) {
        cairo_user_to_device(cr, &xs[i], &ys[i]);
        left = std::min(left, xs[i]), right = std::max(right, xs[i]);
        top = std::min(top, ys[i]), bottom = std::max(bottom, ys[i]);
    }
    const double ox = std::floor(left / 4) * 4 - 16, oy = std::floor(top / 4) * 4 - 16;
    const int w = static_cast<int>((right - ox) / 4) + 10, h = static_cast<int>((bottom - oy) / 4) + 10;
    if (w <= 0 || h <= 0) return;
    SurfacePtr small = NewSurface(w, h);
    {
        Ctx lc(small.get());
        cairo_matrix_t m;
        cairo_get_matrix(cr, &m);
        cairo_scale(lc, 0.25, 0.25);
        cairo_translate(lc, -ox, -oy);
        cairo_transform(lc, &m);
        path(lc);
        cairo_set_source_rgb(lc, 0.08, 0.04, 0.02);
        FillUnion(lc);
    }
    Blur(small.get(), 2);
    Saved keep(cr);
    cairo_identity_matrix(cr);
    cairo_translate(cr, ox, oy - 2);
    cairo_scale(cr, 4, 4);
    cairo_set_source_surface(cr, small.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint_with_alpha(cr, alpha);
}

void PaperFill(cairo_t* cr, const PathFn& path, Rgb colour, double rim, double halo) {
    if (halo > 0) SoftHalo(cr, path, halo);
    // The cut-out in its rim colour, then the same shape a little lower in
    // its own colour over it: only a band along the upper edges stays lit.
    // The group is only as large as the shape (clipped to its box).
    double x1, y1, x2, y2;
    path(cr);
    cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
    cairo_new_path(cr);
    Saved clip(cr);
    cairo_rectangle(cr, x1 - 4, y1 - 4, x2 - x1 + 8, y2 - y1 + 8);
    cairo_clip(cr);
    cairo_push_group(cr);
    path(cr);
    SetRgb(cr, rim > 0 ? Mix(colour, Lighter(Mix(colour, kGlow, 0.6), 0.2), rim) : colour);
    FillUnion(cr);
    if (rim > 0) {
        Saved keep(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
        cairo_translate(cr, 0, 2.5);
        path(cr);
        SetRgb(cr, colour);
        FillUnion(cr);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

void InkFill(cairo_t* cr, const PathFn& path, Rgb ink) { PaperFill(cr, path, ink, 0.7, 0.25); }

void Haze(cairo_t* cr, double w, double y0, double y1, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    AddStop(g, 0, kGlow, 0);
    AddStop(g, 1, kGlow, alpha);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, 0, y0, w, y1 - y0);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void RoundTree(cairo_t* cr, double x, double ground, double h) {
    Limb(cr, x, ground + 4, x, ground - h * 0.45, h * 0.09, h * 0.06);
    Disc(cr, x, ground - h * 0.62, h * 0.3);
    Disc(cr, x - h * 0.22, ground - h * 0.5, h * 0.2);
    Disc(cr, x + h * 0.22, ground - h * 0.52, h * 0.21);
    Disc(cr, x + h * 0.05, ground - h * 0.82, h * 0.18);
}

void PineTree(cairo_t* cr, double x, double ground, double h) {
    Limb(cr, x, ground + 4, x, ground - h * 0.2, h * 0.07, h * 0.05);
    for (int tier = 0; tier < 4; tier++) {
        const double top = ground - h * (0.45 + 0.18 * tier) - h * 0.12;
        const double bottom = ground - h * (0.12 + 0.2 * tier);
        const double half = h * (0.28 - 0.055 * tier);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x + half, bottom);
        cairo_line_to(cr, x - half, bottom);
        cairo_close_path(cr);
    }
}

void Cottage(cairo_t* cr, double x, double ground, double w, double h, bool chimney) {
    cairo_rectangle(cr, x, ground - h, w, h + 2);
    cairo_move_to(cr, x - w * 0.12, ground - h);
    cairo_line_to(cr, x + w / 2, ground - h - w * 0.55);
    cairo_line_to(cr, x + w * 1.12, ground - h);
    cairo_close_path(cr);
    if (chimney) cairo_rectangle(cr, x + w * 0.68, ground - h - w * 0.5, w * 0.12, w * 0.3);
}

void CottageWindows(cairo_t* cr, double x, double ground, double w, double h, Rgb light) {
    SetRgb(cr, light);
    const double ww = w * 0.16, wh = h * 0.3;
    cairo_rectangle(cr, x + w * 0.18, ground - h * 0.7, ww, wh);
    cairo_rectangle(cr, x + w * 0.66, ground - h * 0.7, ww, wh);
    cairo_fill(cr);
    SetRgb(cr, Mix(light, kInk, 0.35));
    cairo_rectangle(cr, x + w * 0.41, ground - h * 0.55, w * 0.18, h * 0.55);
    cairo_fill(cr);
}

void Tower(cairo_t* cr, double x, double ground, double w, double h) {
    cairo_rectangle(cr, x, ground - h, w, h + 2);
    cairo_move_to(cr, x - w * 0.15, ground - h);
    cairo_line_to(cr, x + w / 2, ground - h - w * 1.1);
    cairo_line_to(cr, x + w * 1.15, ground - h);
    cairo_close_path(cr);
    Limb(cr, x + w / 2, ground - h - w * 1.1, x + w / 2, ground - h - w * 1.45, 2, 2);
    cairo_move_to(cr, x + w / 2, ground - h - w * 1.45);
    cairo_line_to(cr, x + w / 2 + w * 0.35, ground - h - w * 1.36);
    cairo_line_to(cr, x + w / 2, ground - h - w * 1.27);
    cairo_close_path(cr);
}

void GrassTufts(cairo_t* cr, double x0, double x1, double ground, double h, std::uint64_t seed) {
    Rng rng(seed);
    for (double x = x0; x < x1; x += rng.Range(5, 11)) {
        const double blade = h * rng.Range(0.4, 1.0);
        const double lean = rng.Range(-0.5, 0.5) * blade;
        cairo_move_to(cr, x - 3, ground + 2);
        cairo_curve_to(cr, x - 1, ground - blade * 0.5, x + lean * 0.6, ground - blade * 0.8, x + lean,
                       ground - blade);
        cairo_curve_to(cr, x + lean * 0.5, ground - blade * 0.7, x + 2, ground - blade * 0.4, x + 3,
                       ground + 2);
        cairo_close_path(cr);
    }
}

void Horse(cairo_t* cr, double saddleX, double saddleY, double s, bool left, double stride) {
    Saved keep(cr);
    cairo_translate(cr, saddleX, saddleY);
    cairo_scale(cr, left ? -s : s, s);
    Ellipse(cr, 5, 45, 118, 48);
    // Neck and head.
    cairo_move_to(cr, 70, 20);
    cairo_curve_to(cr, 105, -20, 130, -70, 150, -92);
    cairo_line_to(cr, 160, -112);
    cairo_line_to(cr, 170, -92);
    cairo_curve_to(cr, 195, -75, 215, -50, 228, -32);
    cairo_curve_to(cr, 236, -20, 222, -8, 210, -14);
    cairo_curve_to(cr, 190, -22, 178, -30, 168, -30);
    cairo_curve_to(cr, 150, 0, 140, 40, 110, 75);
    cairo_close_path(cr);
    // Mane along the neck.
    cairo_move_to(cr, 66, 18);
    cairo_curve_to(cr, 96, -20, 124, -64, 150, -96);
    cairo_curve_to(cr, 128, -60, 100, -20, 84, 30);
    cairo_close_path(cr);
    // Tail.
    cairo_move_to(cr, -108, 20);
    cairo_curve_to(cr, -150, 10, -170, 60, -165, 120);
    cairo_curve_to(cr, -150, 90, -135, 60, -100, 45);
    cairo_close_path(cr);
    // Legs: a stride of 0 stands, 1 reaches out at full gallop.
    const double reach = 38 * stride;
    const double legs[4][2] = {{80, 1}, {60, -1}, {-70, 1}, {-92, -1}};
    for (const auto& leg : legs) {
        const double hipX = leg[0], swing = leg[1] * reach;
        const double kneeX = hipX + swing * 0.6, kneeY = 135;
        const double hoofX = hipX + swing, hoofY = 205 - std::abs(swing) * 0.3;
        Limb(cr, hipX, 70, kneeX, kneeY, 26, 15);
        Limb(cr, kneeX, kneeY, hoofX, hoofY, 15, 12);
        Ellipse(cr, hoofX + 3, hoofY + 2, 9, 6);
    }
}

void Rider(cairo_t* cr, double seatX, double seatY, double s, bool left, double lanceDeg, bool helmet) {
    Saved keep(cr);
    cairo_translate(cr, seatX, seatY);
    cairo_scale(cr, left ? -s : s, s);
    // Leg along the horse's side.
    Limb(cr, 0, -5, 32, 20, 26, 20);
    Limb(cr, 32, 20, 22, 78, 20, 14);
    Ellipse(cr, 30, 80, 14, 7);
    // Body.
    cairo_move_to(cr, -22, 2);
    cairo_curve_to(cr, -26, -40, -20, -70, -8, -80);
    cairo_line_to(cr, 16, -80);
    cairo_curve_to(cr, 26, -60, 26, -30, 20, 2);
    cairo_close_path(cr);
    Disc(cr, 4, -100, 19);
    if (helmet) {
        // Grandpa's round helmet with its brim and a little plume.
        Ellipse(cr, 4, -108, 24, 18);
        Ellipse(cr, 4, -96, 30, 5);
        cairo_move_to(cr, 0, -124);
        cairo_curve_to(cr, -20, -150, -45, -140, -52, -120);
        cairo_curve_to(cr, -36, -132, -18, -130, 8, -122);
        cairo_close_path(cr);
    }
    // Arm and lance.
    Limb(cr, 8, -70, 40, -40, 14, 11);
    if (lanceDeg > 360) return;
    const double a = -lanceDeg * M_PI / 180;
    const double hx = 40, hy = -40;
    Limb(cr, hx - 70 * std::cos(a), hy - 70 * std::sin(a), hx + 230 * std::cos(a), hy + 230 * std::sin(a), 10,
         4);
    Ellipse(cr, hx + 10 * std::cos(a), hy + 10 * std::sin(a), 12, 12);
}

void Person(cairo_t* cr, double x, double feet, double s, int kind) {
    Saved keep(cr);
    cairo_translate(cr, x, feet);
    cairo_scale(cr, s, s);
    const bool skirt = kind % 2 == 1;
    if (skirt) {
        cairo_move_to(cr, -30, 0);
        cairo_line_to(cr, -14, -95);
        cairo_line_to(cr, 14, -95);
        cairo_line_to(cr, 30, 0);
        cairo_close_path(cr);
    } else {
        Limb(cr, -8, -70, -12, 0, 14, 11);
        Limb(cr, 8, -70, 12, 0, 14, 11);
    }
    RoundedRect(cr, -17, -140, 34, 75, 12);
    Disc(cr, 0, -154, 15);
    const double wave = kind == 3 ? -1 : 1;
    Limb(cr, 14, -130, 30, -95 - (wave < 0 ? 70 : 0), 10, 8);
    Limb(cr, -14, -130, -26, -92, 10, 8);
    if (kind == 0) Ellipse(cr, 0, -166, 19, 6);    // cap
    if (kind == 1) Ellipse(cr, -3, -160, 17, 12);  // kerchief
    if (kind == 3) {                               // tall hat
        cairo_rectangle(cr, -11, -186, 22, 22);
        Ellipse(cr, 0, -166, 20, 4);
    }
}

void Bust(cairo_t* cr, double cx, double bottom, double s, int kind) {
    Saved keep(cr);
    cairo_translate(cr, cx, bottom);
    cairo_scale(cr, s, s);
    cairo_move_to(cr, -60, 0);
    cairo_curve_to(cr, -58, -40, -40, -62, -16, -66);
    cairo_line_to(cr, 16, -66);
    cairo_curve_to(cr, 40, -62, 58, -40, 60, 0);
    cairo_close_path(cr);
    Disc(cr, 0, -92, 26);
    if (kind == 1) Ellipse(cr, 0, -112, 24, 10);
    if (kind == 2) {
        cairo_rectangle(cr, -14, -148, 28, 34);
        Ellipse(cr, 0, -114, 30, 5);
    }
    if (kind == 3) Limb(cr, 30, -60, 52, -150, 16, 12);  // a raised hand
}

void WriteTiles(Sink& sink, cairo_surface_t* wide, int tileW, const std::string& prefix,
                const std::string& ext, const std::string& purpose) {
    const int w = cairo_image_surface_get_width(wide), h = cairo_image_surface_get_height(wide);
    for (int k = 0; k * tileW < w; k++) {
        SurfacePtr tile = NewSurface(tileW, h);
        {
            Ctx cr(tile.get());
            if (ext == ".jpg") {
                cairo_set_source_rgb(cr, 0, 0, 0);
                cairo_paint(cr);
            }
            cairo_set_source_surface(cr, wide, -k * tileW, 0);
            cairo_paint(cr);
        }
        const std::string rel = prefix + std::to_string(k) + ext;
        if (ext == ".jpg") {
            sink.Jpg(rel, tile.get(), purpose);
        } else {
            sink.Png(rel, tile.get(), purpose);
        }
    }
}

}  // namespace story
}  // namespace art
