#include "chip_shapes.h"

#include <cmath>

namespace art {

namespace {

// Every shape is drawn in a 48-unit box centred on the origin.
struct Unit {
    Unit(cairo_t* cr, double cx, double cy, double s) : saved(cr) {
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, s / 48.0, s / 48.0);
    }
    Saved saved;
};

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void Ribbon(cairo_t* cr, double x, double y, double w, Rgb c) {
    RoundedRect(cr, x - w / 2, y - 2.2, w, 4.4, 1.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - 2.2, 0, y + 2.2);
    AddStop(g, 0, Lighter(c, 0.35));
    AddStop(g, 1, Darker(c, 0.3));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

}  // namespace

void DrawLog(cairo_t* cr, double cx, double cy, double len, double r, double deg, std::uint64_t seed) {
    Saved s(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, deg * M_PI / 180);
    const double x0 = -len / 2, x1 = len / 2 - r * 0.35;
    // Bark: a cylinder lit from above.
    cairo_rectangle(cr, x0, -r, x1 - x0, 2 * r);
    Ellipse(cr, x0, 0, r * 0.35, r);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -r, 0, r);
    AddStop(g, 0, Hex(0xA86A3C));
    AddStop(g, 0.35, Hex(0x8A5028));
    AddStop(g, 1, Hex(0x4A2812));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Rng rng(seed);
    cairo_set_line_width(cr, 0.9);
    for (int i = 0; i < 5; ++i) {
        const double y = -r + (i + 0.5) * 2 * r / 5 + rng.Range(-1, 1);
        cairo_move_to(cr, x0 + rng.Range(0, 4), y);
        cairo_curve_to(cr, x0 + len * 0.3, y + rng.Range(-1.5, 1.5), x1 - len * 0.3, y + rng.Range(-1.5, 1.5),
                       x1, y);
        cairo_set_source_rgba(cr, 0.2, 0.1, 0.03, 0.45);
        cairo_stroke(cr);
    }
    // The cut end with its rings.
    Ellipse(cr, x1, 0, r * 0.45, r);
    cairo_pattern_t* e = cairo_pattern_create_radial(x1 - r * 0.1, -r * 0.2, 0, x1, 0, r);
    AddStop(e, 0, Hex(0xF4D49A));
    AddStop(e, 1, Hex(0xC8965A));
    cairo_set_source(cr, e);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(e);
    cairo_set_source_rgba(cr, 0.35, 0.18, 0.06, 0.9);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    for (int ring = 1; ring <= 3; ++ring) {
        Ellipse(cr, x1, 0, r * 0.45 * ring / 4, r * ring / 4);
        cairo_set_source_rgba(cr, 0.55, 0.32, 0.12, 0.55);
        cairo_set_line_width(cr, 0.7);
        cairo_stroke(cr);
    }
}

void DrawWood(cairo_t* cr, double cx, double cy, double s, int tier) {
    Unit u(cr, cx, cy, s);
    if (tier <= 1) {
        DrawLog(cr, 0, 2, 40, 10, -20, 11);
        return;
    }
    if (tier == 2) {
        DrawLog(cr, -1, 8, 38, 8.5, -12, 21);
        DrawLog(cr, 1, -6, 38, 8.5, -12, 22);
        // Rope tying the pair.
        cairo_set_line_width(cr, 2.6);
        cairo_set_source_rgb(cr, 0.86, 0.74, 0.46);
        cairo_move_to(cr, -6, -18);
        cairo_curve_to(cr, -2, -6, -4, 6, -2, 18);
        cairo_stroke(cr);
        return;
    }
    DrawLog(cr, -9, 11, 30, 8, -8, 31);
    DrawLog(cr, 9, 9, 30, 8, -8, 32);
    DrawLog(cr, 0, -5, 32, 8.5, -8, 33);
    // Brass band and a green sprig: the richest bundle.
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgb(cr, 0.95, 0.75, 0.25);
    cairo_move_to(cr, -4, -15);
    cairo_curve_to(cr, -1, -3, -3, 10, -1, 20);
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {
        const double a = -0.9 + i * 0.55;
        Saved t(cr);
        cairo_translate(cr, -12, -14);
        cairo_rotate(cr, a);
        Ellipse(cr, 5, 0, 5.5, 2.4);
        SetRgb(cr, i == 1 ? Hex(0x5DBB45) : Hex(0x3E9A35));
        cairo_fill(cr);
    }
    Sparkle(cr, 14, -14, 5, 0.9);
}

void DrawApple(cairo_t* cr, double cx, double cy, double r, Rgb c) {
    const PathFn body = [=](cairo_t* k) {
        cairo_new_sub_path(k);
        cairo_move_to(k, cx, cy - r * 0.7);
        cairo_curve_to(k, cx + r * 0.6, cy - r * 1.15, cx + r * 1.25, cy - r * 0.5, cx + r * 0.95,
                       cy + r * 0.35);
        cairo_curve_to(k, cx + r * 0.75, cy + r * 0.95, cx + r * 0.25, cy + r * 1.05, cx, cy + r * 0.85);
        cairo_curve_to(k, cx - r * 0.25, cy + r * 1.05, cx - r * 0.75, cy + r * 0.95, cx - r * 0.95,
                       cy + r * 0.35);
        cairo_curve_to(k, cx - r * 1.25, cy - r * 0.5, cx - r * 0.6, cy - r * 1.15, cx, cy - r * 0.7);
        cairo_close_path(k);
    };
    Cabochon(cr, body, cx - r, cy - r, 2 * r, 2 * r, c);
    cairo_move_to(cr, cx, cy - r * 0.65);
    cairo_curve_to(cr, cx, cy - r, cx + r * 0.15, cy - r * 1.2, cx + r * 0.3, cy - r * 1.3);
    cairo_set_source_rgb(cr, 0.35, 0.2, 0.08);
    cairo_set_line_width(cr, std::max(1.0, r * 0.14));
    cairo_stroke(cr);
    Ellipse(cr, cx + r * 0.55, cy - r * 1.05, r * 0.42, r * 0.18);
    SetRgb(cr, Hex(0x4CA83A));
    cairo_fill(cr);
    Gloss(cr, cx - r * 0.4, cy - r * 0.25, r * 0.3, r * 0.18, 0.75);
}

void DrawFood(cairo_t* cr, double cx, double cy, double s, int tier) {
    Unit u(cr, cx, cy, s);
    const Rgb straw = tier >= 5 ? Hex(0xF2C230) : tier >= 2 ? Hex(0xE3B54A) : Hex(0xD9BE78);
    const double waist = 6;
    const Rgb dark = Darker(straw, 0.45);
    // The body of stalks below the tie: a flared bundle.
    cairo_move_to(cr, -5, waist);
    cairo_line_to(cr, -12, 21);
    cairo_line_to(cr, 12, 21);
    cairo_line_to(cr, 5, waist);
    cairo_close_path(cr);
    cairo_pattern_t* body = cairo_pattern_create_linear(-12, 0, 12, 0);
    AddStop(body, 0, Lighter(straw, 0.2));
    AddStop(body, 1, Darker(straw, 0.3));
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    SetRgb(cr, dark);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int i = -4; i <= 4; ++i) {
        cairo_move_to(cr, i * 0.9, waist + 2);
        cairo_line_to(cr, i * 2.4, 20.5);
    }
    SetRgb(cr, dark, 0.6);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    // Ears fanning up from the tie, outer ones first.
    const int order[] = {-3, 3, -2, 2, -1, 1, 0};
    for (int i : order) {
        const double ang = i * 0.33;
        Saved t(cr);
        cairo_translate(cr, 0, waist);
        cairo_rotate(cr, ang);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 0, -9);
        SetRgb(cr, dark);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        for (int k = 0; k < 5; ++k) {
            for (int side = -1; side <= 1; side += 2) {
                Ellipse(cr, side * 1.8, -10.5 - k * 2.6 + (side > 0 ? 1.1 : 0), 2.0, 2.7);
                SetRgb(cr, k % 2 ? straw : Lighter(straw, 0.3));
                cairo_fill_preserve(cr);
                SetRgb(cr, dark);
                cairo_set_line_width(cr, 0.6);
                cairo_stroke(cr);
            }
        }
        // Awns.
        cairo_move_to(cr, 0, -22);
        cairo_line_to(cr, 0, -26);
        SetRgb(cr, dark, 0.7);
        cairo_set_line_width(cr, 0.6);
        cairo_stroke(cr);
    }
    const Rgb tie = tier >= 5 ? Hex(0xFFD24A) : tier >= 2 ? Hex(0xD0302A) : Hex(0xA57A44);
    Ribbon(cr, 0, waist + 1, 13, tie);
    if (tier >= 2) {
        // Ribbon tails.
        cairo_move_to(cr, 2, waist + 1);
        cairo_line_to(cr, 7, waist + 9);
        cairo_line_to(cr, 4, waist + 9);
        cairo_close_path(cr);
        SetRgb(cr, Darker(tie, 0.15));
        cairo_fill(cr);
    }
    if (tier >= 3) DrawApple(cr, -11, 15, 7, Hex(0xD42A22));
    if (tier >= 4) DrawApple(cr, 12, 16, 6.5, tier >= 5 ? Hex(0xE8B020) : Hex(0x8CC63E));
    if (tier >= 5) {
        Sparkle(cr, -14, -16, 5, 0.95);
        Sparkle(cr, 16, -8, 3.5, 0.85);
    }
}

namespace {

void Coin(cairo_t* cr, double x, double y, double r, Rgb metal, int emblem) {
    // Edge, then the face slightly up.
    Ellipse(cr, x, y + r * 0.12, r, r);
    SetRgb(cr, Darker(metal, 0.45));
    cairo_fill(cr);
    const PathFn face = [=](cairo_t* k) { Ellipse(k, x, y, r, r); };
    cairo_pattern_t* g = cairo_pattern_create_linear(x - r, y - r, x + r, y + r);
    AddStop(g, 0, Lighter(metal, 0.55));
    AddStop(g, 0.5, metal);
    AddStop(g, 1, Darker(metal, 0.3));
    face(cr);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Raised rim and inner ring.
    Ellipse(cr, x, y, r * 0.78, r * 0.78);
    SetRgb(cr, Darker(metal, 0.35), 0.8);
    cairo_set_line_width(cr, r * 0.08);
    cairo_stroke(cr);
    Ellipse(cr, x + 0.5, y + 0.5, r * 0.78, r * 0.78);
    SetRgb(cr, Lighter(metal, 0.5), 0.45);
    cairo_set_line_width(cr, r * 0.05);
    cairo_stroke(cr);
    // Embossed emblem: a star, or a crown on the richest coin.
    if (emblem == 0) {
        PathFromPoints(cr, PolygonPoints(x, y, r * 0.45, 5, 0, r * 0.2));
    } else {
        const double w = r * 0.5;
        cairo_move_to(cr, x - w, y + w * 0.5);
        cairo_line_to(cr, x - w, y - w * 0.4);
        cairo_line_to(cr, x - w * 0.5, y);
        cairo_line_to(cr, x, y - w * 0.7);
        cairo_line_to(cr, x + w * 0.5, y);
        cairo_line_to(cr, x + w, y - w * 0.4);
        cairo_line_to(cr, x + w, y + w * 0.5);
        cairo_close_path(cr);
    }
    SetRgb(cr, Darker(metal, 0.25));
    cairo_fill_preserve(cr);
    SetRgb(cr, Lighter(metal, 0.6), 0.6);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    Ellipse(cr, x, y, r, r);
    SetRgb(cr, Darker(metal, 0.6));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    Gloss(cr, x - r * 0.35, y - r * 0.4, r * 0.35, r * 0.16, 0.7);
}

void CoinStack(cairo_t* cr, double x, double y, double r, int count, Rgb metal) {
    for (int i = 0; i < count; ++i) {
        const double yy = y - i * 3.2;
        Ellipse(cr, x, yy + 1.6, r, r * 0.38);
        SetRgb(cr, Darker(metal, 0.45));
        cairo_fill(cr);
        Ellipse(cr, x, yy, r, r * 0.38);
        cairo_pattern_t* g = cairo_pattern_create_linear(x - r, 0, x + r, 0);
        AddStop(g, 0, Lighter(metal, 0.4));
        AddStop(g, 1, Darker(metal, 0.2));
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        SetRgb(cr, Darker(metal, 0.55));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
}

}  // namespace

void DrawGold(cairo_t* cr, double cx, double cy, double s, int tier) {
    Unit u(cr, cx, cy, s);
    const Rgb copper = Hex(0xC87A45), silver = Hex(0xC9CED6), gold = Hex(0xF2BE2C);
    if (tier == 1) return Coin(cr, 0, 0, 19, copper, 0);
    if (tier == 2) return Coin(cr, 0, 0, 19, silver, 0);
    if (tier == 3) return Coin(cr, 0, 0, 20, gold, 0);
    const int stack = tier == 4 ? 3 : 5;
    CoinStack(cr, 7, 17, 13, stack, gold);
    if (tier >= 5) CoinStack(cr, -12, 18, 9, 2, gold);
    Coin(cr, -3, -3, 17, gold, tier >= 6 ? 1 : 0);
    if (tier >= 6) {
        Sparkle(cr, 15, -15, 5.5, 0.95);
        Sparkle(cr, -17, -13, 3.5, 0.8);
    }
}

void DrawRock(cairo_t* cr, double cx, double cy, double s, int tier) {
    Unit u(cr, cx, cy, s);
    const std::vector<std::pair<double, double>> outline = {{-20, 6}, {-15, -10}, {-4, -19}, {10, -17},
                                                            {20, -5}, {21, 9},    {11, 19},  {-9, 19}};
    const Rgb stone = tier == 1 ? Hex(0x8C8A86) : tier == 2 ? Hex(0x7D8894) : Hex(0xE2DCD2);
    FacetGem(cr, outline, 0, 0, stone, 0.55);
    // Speckles and cracks make it stone rather than glass.
    Rng rng(static_cast<std::uint64_t>(tier) * 91);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.Range(-15, 15), y = rng.Range(-13, 15);
        cairo_arc(cr, x, y, rng.Range(0.4, 0.9), 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.15, 0.13, 0.12, rng.Range(0.2, 0.45));
        cairo_fill(cr);
    }
    cairo_move_to(cr, -6, -16);
    cairo_line_to(cr, -3, -8);
    cairo_line_to(cr, -7, -1);
    cairo_set_source_rgba(cr, 0.15, 0.12, 0.1, 0.55);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    if (tier == 3) {
        // A golden vein through the marble.
        cairo_move_to(cr, -18, 8);
        cairo_curve_to(cr, -6, 2, 4, 12, 19, 2);
        cairo_set_source_rgba(cr, 0.85, 0.62, 0.15, 0.9);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    if (tier >= 2) {
        // Crystals growing out of the stone.
        const Rgb crystal = tier == 2 ? Hex(0x5EC8F0) : Hex(0xC070F0);
        const int count = tier == 2 ? 1 : 3;
        for (int i = 0; i < count; ++i) {
            const double bx = 6 - i * 7, by = 2 + i * 3, h = 16 - i * 3, w = 4.2 - i * 0.5;
            const double tilt = (i - 1) * 0.35 + 0.15;
            Saved t(cr);
            cairo_translate(cr, bx, by);
            cairo_rotate(cr, tilt);
            const std::vector<std::pair<double, double>> c = {
                {-w, 0}, {-w, -h}, {0, -h - w * 1.3}, {w, -h}, {w, 0}};
            FacetGem(cr, c, 0, -h * 0.6, crystal, 0.3);
        }
        Sparkle(cr, 9, -12, tier == 3 ? 5 : 3.5, 0.9);
    }
}

void DrawPlainGem(cairo_t* cr, double cx, double cy, double s, int kind) {
    Unit u(cr, cx, cy, s);
    switch (kind) {
        case 1:
            FacetGem(cr, PolygonPoints(0, 0, 20, 12, 15), 0, 0, Hex(0xD62538), 0.55);
            Gloss(cr, -7, -8, 5, 3, 0.8);
            break;
        case 2:
            FacetGem(cr, PolygonPoints(0, 0, 22, 4, 0), 0, 0, Hex(0x3D8EF0), 0.5);
            Gloss(cr, -5, -7, 4.5, 2.5, 0.8);
            break;
        case 3: {
            const std::vector<std::pair<double, double>> oct = {{-10, -20}, {10, -20}, {17, -13}, {17, 13},
                                                                {10, 20},   {-10, 20}, {-17, 13}, {-17, -13}};
            FacetGem(cr, oct, 0, 0, Hex(0x21A346), 0.55);
            Gloss(cr, -7, -11, 4.5, 2.5, 0.75);
            break;
        }
        case 4:
            FacetGem(cr, PolygonPoints(0, 4, 24, 3, 0), 0, 4, Hex(0xF7C52A), 0.5);
            Gloss(cr, -4, -3, 4, 2.2, 0.8);
            break;
        case 5:
            FacetGem(cr, PolygonPoints(0, 1.5, 22.5, 5, 0, 10.5), 0, 1.5, Hex(0xA24FD8), 0.5);
            Gloss(cr, -3, -4, 3.5, 2, 0.8);
            break;
        default: {
            const PathFn heart = [](cairo_t* k) {
                cairo_move_to(k, 0, 19);
                cairo_curve_to(k, -10, 11, -21, 3, -21, -7);
                cairo_curve_to(k, -21, -16, -11, -21, -5, -17);
                cairo_curve_to(k, -2, -15, 0, -12, 0, -10);
                cairo_curve_to(k, 0, -12, 2, -15, 5, -17);
                cairo_curve_to(k, 11, -21, 21, -16, 21, -7);
                cairo_curve_to(k, 21, 3, 10, 11, 0, 19);
                cairo_close_path(k);
            };
            Cabochon(cr, heart, -21, -20, 42, 40, Hex(0xF07A22));
            Gloss(cr, -10, -9, 6, 3.5, 0.85);
            break;
        }
    }
    Sparkle(cr, 9, -10, 3.2, 0.85);
}

void DrawBomb(cairo_t* cr, double cx, double cy, double s, bool spark) {
    Unit u(cr, cx, cy, s);
    const PathFn ball = [](cairo_t* k) { Ellipse(k, -1, 3, 17, 17); };
    Cabochon(cr, ball, -18, -14, 34, 34, Hex(0x3A3F4C));
    Gloss(cr, -8, -5, 6, 3.5, 0.75);
    // Neck and fuse.
    RoundedRect(cr, 2, -16, 10, 7, 1.5);
    SetRgb(cr, Hex(0x8A8F99));
    cairo_fill_preserve(cr);
    SetRgb(cr, Hex(0x2A2E36));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, -16);
    cairo_curve_to(cr, 10, -22, 15, -20, 16, -24);
    cairo_set_source_rgb(cr, 0.78, 0.66, 0.45);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (spark) {
        const PathFn flame = [](cairo_t* k) { Ellipse(k, 16.5, -24.5, 4, 4); };
        Glow(cr, flame, Hex(0xFFB030), 5, 0.9, 2);
        Sparkle(cr, 16.5, -24.5, 6.5, 1);
    }
}

void DrawScroll(cairo_t* cr, double cx, double cy, double s) {
    Unit u(cr, cx, cy, s);
    Saved t(cr);
    cairo_rotate(cr, -0.35);
    // Sheet between the two rolls.
    const PathFn sheet = [](cairo_t* k) { cairo_rectangle(k, -15, -10, 30, 20); };
    Parchment(cr, sheet, -15, -10, 30, 20, 5);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, -10, -4 + i * 5);
        cairo_line_to(cr, 10 - i * 3, -4 + i * 5);
    }
    cairo_set_source_rgba(cr, 0.4, 0.25, 0.1, 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int side = -1; side <= 1; side += 2) {
        const double x = side * 17;
        RoundedRect(cr, x - 4.5, -13, 9, 26, 4.5);
        cairo_pattern_t* g = cairo_pattern_create_linear(x - 4.5, 0, x + 4.5, 0);
        AddStop(g, 0, Hex(0xF8E8C4));
        AddStop(g, 0.5, Hex(0xE2C48E));
        AddStop(g, 1, Hex(0xA8804A));
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        SetRgb(cr, Hex(0x7A5428));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        Ellipse(cr, x, -13, 4.5, 1.8);
        SetRgb(cr, Hex(0xC9A46A));
        cairo_fill(cr);
    }
    // Red wax seal.
    const PathFn seal = [](cairo_t* k) { Ellipse(k, 2, 7, 6.5, 6.5); };
    Cabochon(cr, seal, -4.5, 0.5, 13, 13, Hex(0xC0232A));
    PathFromPoints(cr, PolygonPoints(2, 7, 3, 5, 0, 1.3));
    cairo_set_source_rgba(cr, 0.55, 0.05, 0.05, 0.9);
    cairo_fill(cr);
}

}  // namespace art
