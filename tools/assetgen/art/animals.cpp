#include "animals.h"

#include "paint.h"

#include <cmath>
#include <functional>
#include <string>

namespace art {

namespace {

constexpr double kDeg = M_PI / 180;

void Oval(cairo_t* cr, double cx, double cy, double rx, double ry, double rotDeg = 0) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rotDeg * kDeg);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// Fills the current path lit from the top left.
void Rounded(cairo_t* cr, double cx, double cy, double r, Rgb c) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.5, r * 0.1, cx, cy, r * 1.2);
    AddStop(g, 0, Lighter(c, 0.3));
    AddStop(g, 0.7, c);
    AddStop(g, 1, Darker(c, 0.3));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 0.9);
    SetRgb(cr, Darker(c, 0.55));
    cairo_stroke(cr);
}

void Leg(cairo_t* cr, double x0, double y0, double x1, double y1, double w, Rgb c) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, w);
    SetRgb(cr, c);
    cairo_stroke(cr);
}

void Eye(cairo_t* cr, double x, double y, double r = 1.3) {
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    SetRgb(cr, Hex(0x1A1410));
    cairo_fill(cr);
    cairo_arc(cr, x - r * 0.35, y - r * 0.35, r * 0.35, 0, 2 * M_PI);
    SetRgb(cr, Hex(0xFFFFFF), 0.9);
    cairo_fill(cr);
}

void Shadow(cairo_t* cr, double cx, double cy, double rx) {
    Oval(cr, cx, cy, rx, rx * 0.22);
    SetRgb(cr, Hex(0x000000), 0.18);
    cairo_fill(cr);
}

void Bird(cairo_t* cr, int f) {
    const double wing[] = {55, 15, -35, 15};
    const Rgb body = Hex(0x3A4A6A);
    for (int side : {1, 0}) {
        const double a = wing[f] * (side ? 1 : 0.8);
        cairo_save(cr);
        cairo_translate(cr, 31, 22);
        cairo_scale(cr, 1, side ? 1 : 0.7);
        cairo_rotate(cr, -a * kDeg * (side ? 1 : -0.3));
        cairo_move_to(cr, -6, 0);
        cairo_curve_to(cr, -4, -10, 10, -18, 24, -16);
        cairo_curve_to(cr, 14, -10, 8, -2, 6, 2);
        cairo_close_path(cr);
        cairo_restore(cr);
        Rounded(cr, 38, 12, 14, side ? body : Darker(body, 0.2));
    }
    // Body, forked tail, head with a pale throat.
    Oval(cr, 32, 24, 15, 5.5, -4);
    Rounded(cr, 32, 24, 15, body);
    cairo_move_to(cr, 45, 23);
    cairo_line_to(cr, 60, 18);
    cairo_line_to(cr, 52, 25);
    cairo_line_to(cr, 60, 30);
    cairo_close_path(cr);
    Rounded(cr, 54, 24, 6, Darker(body, 0.15));
    Oval(cr, 17, 22, 5.5, 4.8);
    Rounded(cr, 17, 22, 5.5, body);
    Oval(cr, 19, 26, 4, 2.2);
    SetRgb(cr, Hex(0xE8D8C0));
    cairo_fill(cr);
    cairo_move_to(cr, 12, 21);
    cairo_line_to(cr, 7, 23);
    cairo_line_to(cr, 12, 24);
    SetRgb(cr, Hex(0x2A2018));
    cairo_fill(cr);
    Eye(cr, 15.5, 20.5, 1.1);
}

void Hen(cairo_t* cr, int f) {
    const Rgb feather = Hex(0xC8743A), leg = Hex(0xE8A030);
    Shadow(cr, 20, 35, 11);
    const double step[] = {0, 3, 0};
    Leg(cr, 19 - step[f], 28, 18 - step[f], 35, 1.4, leg);
    Leg(cr, 23 + step[f], 28, 24 + step[f], 35, 1.4, leg);
    // Tail up on the right, round body, head forward or down to peck.
    cairo_move_to(cr, 27, 22);
    cairo_curve_to(cr, 31, 10, 35, 8, 36, 12);
    cairo_curve_to(cr, 36, 18, 33, 24, 29, 27);
    cairo_close_path(cr);
    Rounded(cr, 32, 16, 8, Darker(feather, 0.25));
    Oval(cr, 21, 23, 10, 7.5);
    Rounded(cr, 21, 23, 10, feather);
    cairo_move_to(cr, 17, 21);
    cairo_curve_to(cr, 22, 19, 27, 21, 28, 25);
    cairo_set_line_width(cr, 1);
    SetRgb(cr, Darker(feather, 0.35));
    cairo_stroke(cr);
    const double hx[] = {11, 9, 9}, hy[] = {14, 15, 29};
    const double x = hx[f], y = hy[f];
    if (f == 2) Leg(cr, 14, 21, x + 2, y - 3, 5, feather);
    Oval(cr, x, y, 4.5, 4.2);
    Rounded(cr, x, y, 4.5, feather);
    Oval(cr, x + 0.5, y - 4.5, 2.6, 2, -10);
    SetRgb(cr, Hex(0xD8282A));
    cairo_fill(cr);
    Oval(cr, x - 2, y + 3.5, 1.3, 2);
    cairo_fill(cr);
    cairo_move_to(cr, x - 4, y - 0.5);
    cairo_line_to(cr, x - 7.5, y + 1);
    cairo_line_to(cr, x - 4, y + 1.8);
    SetRgb(cr, Hex(0xF0B030));
    cairo_fill(cr);
    Eye(cr, x - 1, y - 1, 0.9);
}

void Pig(cairo_t* cr, int f) {
    const Rgb pink = Hex(0xF0A8A0);
    Shadow(cr, 28, 38, 18);
    const double swings[] = {3, 0, -3, 0};
    const double bob = f % 2 ? -1 : 0, swing = swings[f];
    // Legs in diagonal pairs: far ones darker, behind the body.
    Leg(cr, 17 - swing, 30 + bob, 17 - swing * 1.4, 38, 4, Darker(pink, 0.25));
    Leg(cr, 38 + swing, 30 + bob, 38 + swing * 1.4, 38, 4, Darker(pink, 0.25));
    Oval(cr, 28, 26 + bob, 17, 10.5);
    Rounded(cr, 28, 26 + bob, 17, pink);
    Leg(cr, 20 + swing, 31 + bob, 20 + swing * 1.4, 38, 4.2, pink);
    Leg(cr, 36 - swing, 31 + bob, 36 - swing * 1.4, 38, 4.2, pink);
    // Curly tail.
    cairo_move_to(cr, 44, 22 + bob);
    cairo_curve_to(cr, 50, 18 + bob, 51, 24 + bob, 47, 24 + bob);
    cairo_curve_to(cr, 45, 24 + bob, 47, 20 + bob, 50, 20 + bob);
    cairo_set_line_width(cr, 1.4);
    SetRgb(cr, Darker(pink, 0.3));
    cairo_stroke(cr);
    Oval(cr, 11, 24 + bob, 8.5, 7.5);
    Rounded(cr, 11, 24 + bob, 8.5, pink);
    cairo_move_to(cr, 11, 17 + bob);
    cairo_line_to(cr, 17, 13 + bob);
    cairo_line_to(cr, 16, 20 + bob);
    cairo_close_path(cr);
    Rounded(cr, 15, 17 + bob, 4, Darker(pink, 0.1));
    Oval(cr, 4, 26 + bob, 3, 3.5);
    Rounded(cr, 4, 26 + bob, 3.5, Hex(0xE88C88));
    for (double y : {25.0, 27.5}) {
        cairo_arc(cr, 3.4, y + bob, 0.6, 0, 2 * M_PI);
        SetRgb(cr, Hex(0x8A4040));
        cairo_fill(cr);
    }
    Eye(cr, 9, 21 + bob, 1.1);
}

void Mole(cairo_t* cr, int f) {
    const Rgb earth = Hex(0x7A5A3A), fur = Hex(0x4A4048);
    // The mound stays; the mole rises out of its hole a quarter at a time.
    Oval(cr, 24, 33, 20, 6);
    Rounded(cr, 24, 33, 20, earth);
    Oval(cr, 24, 32, 10, 3);
    SetRgb(cr, Hex(0x2A1A10));
    cairo_fill(cr);
    if (f == 0) return;
    const double rise = 18.0 * f / 4;
    Saved s(cr);
    cairo_rectangle(cr, 0, 0, 48, 32);
    cairo_clip(cr);
    const double y = 40 - rise;
    Oval(cr, 24, y, 9, 11);
    Rounded(cr, 24, y, 9, fur);
    Oval(cr, 16, y - 2, 3, 2.2);
    Rounded(cr, 16, y - 2, 3, Hex(0xF0A0A8));
    for (double x : {18.0, 30.0}) {
        Oval(cr, x, y + 7, 3.5, 2.2);
        Rounded(cr, x, y + 7, 3.5, Hex(0xE8A0A0));
    }
    Eye(cr, 20, y - 5, 0.8);
}

void Rabbit(cairo_t* cr, int f) {
    const Rgb fur = Hex(0xB09070), belly = Hex(0xEEE2D0);
    struct Pose {
        double bodyX, bodyY, bodyRx, bodyRy, tilt, headX, headY, ear, legBack;
    };
    // Hop: crouch, leap, land; then sitting up: ears rise, the head lifts and looks round.
    const Pose poses[9] = {{26, 36, 11, 7, 0, 14, 31, 30, 0},     {24, 30, 13, 6, -18, 11, 23, 60, 12},
                           {24, 34, 12, 6.5, 12, 12, 33, 45, -4}, {26, 36, 10, 7.5, -5, 15, 29, 20, 0},
                           {26, 35, 9.5, 8, -15, 17, 27, 35, 0},  {27, 34, 9, 9, -30, 18, 24, 55, 0},
                           {27, 33, 8.5, 10, -45, 19, 21, 70, 0}, {27, 33, 8.5, 10, -45, 20, 20, 75, 0},
                           {28, 32, 8, 11, -60, 21, 18, 80, 0}};
    const Pose& p = poses[f];
    Shadow(cr, 26, 43, 12);
    if (p.legBack > 0) Leg(cr, p.bodyX + 8, p.bodyY + 3, p.bodyX + 8 + p.legBack, p.bodyY + 6, 3.5, fur);
    else {
        Oval(cr, p.bodyX + 6, 40, 6, 3);
        Rounded(cr, p.bodyX + 6, 40, 6, fur);
    }
    Oval(cr, p.bodyX, p.bodyY, p.bodyRx, p.bodyRy, p.tilt);
    Rounded(cr, p.bodyX, p.bodyY, p.bodyRx, fur);
    Oval(cr, p.bodyX - 3, p.bodyY + 2, p.bodyRx * 0.5, p.bodyRy * 0.6, p.tilt);
    SetRgb(cr, belly, 0.8);
    cairo_fill(cr);
    cairo_arc(cr, p.bodyX + p.bodyRx * 0.9, p.bodyY - 1, 3, 0, 2 * M_PI);
    Rounded(cr, p.bodyX + p.bodyRx, p.bodyY, 3, belly);
    // Ears: angle above the horizon, from lying back (20) to upright (80).
    for (int k : {1, 0}) {
        const double a = (p.ear - k * 8) * kDeg;
        const double ex = p.headX + 2 + std::cos(a) * 11, ey = p.headY - 2 - std::sin(a) * 11;
        cairo_move_to(cr, p.headX + 1 + k, p.headY - 3);
        cairo_curve_to(cr, ex + 3, ey + 1, ex - 1, ey - 2, ex, ey);
        cairo_curve_to(cr, ex - 3, ey + 1, p.headX - 2 + k, p.headY - 2, p.headX - 1 + k, p.headY - 2);
        cairo_close_path(cr);
        Rounded(cr, ex, ey, 5, k ? Darker(fur, 0.15) : fur);
    }
    Oval(cr, p.headX, p.headY, 6, 5.2);
    Rounded(cr, p.headX, p.headY, 6, fur);
    // Frame 7 looks round at the viewer.
    Eye(cr, f == 7 ? p.headX + 0.5 : p.headX - 2, p.headY - 1, 1.1);
    cairo_arc(cr, p.headX - 5.5, p.headY + 1, 1, 0, 2 * M_PI);
    SetRgb(cr, Hex(0xD07080));
    cairo_fill(cr);
    Leg(cr, p.bodyX - 6, p.bodyY + 4, p.bodyX - 8, 41, 2.4, Lighter(fur, 0.1));
}

void Sheep(cairo_t* cr, int f) {
    const Rgb wool = Hex(0xF2EEE4), dark = Hex(0x3A3430);
    Shadow(cr, 32, 46, 20);
    const bool graze = f >= 4;
    const double swings[] = {-3, 0, 3, 0};
    const double swing = graze ? 0 : swings[f];
    Leg(cr, 20 - swing, 36, 20 - swing * 1.3, 46, 3, Darker(dark, 0.2));
    Leg(cr, 42 + swing, 36, 42 + swing * 1.3, 46, 3, Darker(dark, 0.2));
    Leg(cr, 23 + swing, 37, 23 + swing * 1.3, 46, 3, dark);
    Leg(cr, 45 - swing, 37, 45 - swing * 1.3, 46, 3, dark);
    // A fleece of little curls.
    const double curls[][3] = {{22, 28, 8}, {32, 25, 9}, {42, 28, 8}, {27, 33, 8},
                               {38, 33, 8}, {47, 31, 6}, {18, 32, 6}, {33, 30, 9}};
    for (const auto& c : curls) {
        cairo_arc(cr, c[0], c[1], c[2], 0, 2 * M_PI);
        Rounded(cr, c[0], c[1], c[2], wool);
    }
    // Head: up and forward while walking, down in the grass while grazing, chewing a little.
    const double chew = graze ? (f % 2) * 1.2 : 0;
    const double hx = graze ? 10 : 12, hy = graze ? 40 + chew : 24 + (f % 2);
    Oval(cr, hx, hy, 5, 7, graze ? -60 : -25);
    Rounded(cr, hx, hy, 6, dark);
    Oval(cr, hx + 4, hy - 4, 4, 2, 20);
    Rounded(cr, hx + 4, hy - 4, 3, Darker(dark, 0.1));
    cairo_arc(cr, hx + 2, hy - 6, 4, 0, 2 * M_PI);
    Rounded(cr, hx + 2, hy - 6, 4, wool);
    Eye(cr, hx - 1.5, hy - 2, 1);
    if (graze)
        for (int k = 0; k < 5; ++k) Leg(cr, 4 + k * 3, 47, 5 + k * 3, 42 - (k % 2) * 2, 1, Hex(0x5E9A40));
}

struct Species {
    const char* folder;
    int frames, w, h;
    std::function<void(cairo_t*, int)> draw;
    const char* what;
};

}  // namespace

void DrawAnimals(Sink& sink) {
    const Species all[] = {{"bird", 4, 64, 48, Bird, "bird, wing beat"},
                           {"hen", 3, 40, 40, Hen, "hen, walk and peck"},
                           {"pig", 4, 56, 44, Pig, "pig, trot"},
                           {"mole", 5, 48, 40, Mole, "mole, rising out of its hole"},
                           {"rabbit", 9, 48, 48, Rabbit, "rabbit, hop (0-2) and sitting up (3-8)"},
                           {"sheep", 8, 64, 52, Sheep, "sheep, walk (0-3) and graze (4-7)"}};
    for (const Species& s : all)
        for (int f = 0; f < s.frames; ++f) {
            SurfacePtr pic = NewSurface(s.w, s.h);
            {
                Ctx cr(pic.get());
                s.draw(cr, f);
            }
            sink.Png("gfx/animations/" + std::string(s.folder) + "/frame" + std::to_string(f) + ".png",
                     pic.get(),
                     std::string(s.what) + ", frame " + std::to_string(f) + " (handle at the centre)");
        }
}

}  // namespace art
