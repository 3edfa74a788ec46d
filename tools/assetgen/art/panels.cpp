// The level end dialogs: level summary (panel, count circles, the point, the
// resource icons), the lose panel and the continue-quest signboard.
#include "chip_shapes.h"
#include "families.h"
#include "paint.h"

#include <cmath>

namespace art {

namespace {

// A round plaque for a number: a dark sunken disc in a light wooden ring, so
// the gold digits read.
SurfacePtr Circle(int w, int h, double cx, double cy, double r) {
    SurfacePtr s = NewSurface(w, h);
    Ctx cr(s.get());
    const PathFn ring = [=](cairo_t* c) { cairo_arc(c, cx, cy, r, 0, 2 * M_PI); };
    const PathFn disc = [=](cairo_t* c) { cairo_arc(c, cx, cy, r * 0.78, 0, 2 * M_PI); };
    DropShadow(cr, ring, 2, 3, 4, 0.55);
    {
        Saved sv(cr);
        ring(cr);
        cairo_clip(cr);
        WoodGrain(cr, cx - r, cy - r, 2 * r, 2 * r, Hex(0x9A6638), 88);
    }
    Bevel(cr, ring, 2, 0.5, 0.5);
    {
        Saved sv(cr);
        disc(cr);
        cairo_clip(cr);
        WoodGrain(cr, cx - r, cy - r, 2 * r, 2 * r, Hex(0x4E2A14), 89);
    }
    InnerShade(cr, disc, Hex(0x120600), r * 0.22, 3, 0.8);
    disc(cr);
    SetRgb(cr, Hex(0xC9A24A), 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    return s;
}

// A dark wooden inlay sunk into the parchment, so that light lettering reads
// on it, with a thin gilt rim.
void Inlay(cairo_t* cr, double x, double y, double w, double h, std::uint64_t seed) {
    const PathFn shape = [=](cairo_t* c) { RoundedRect(c, x, y, w, h, 12); };
    Glow(cr, shape, Hex(0xFFF4D8), 3, 0.6, 1.5);
    {
        Saved sv(cr);
        shape(cr);
        cairo_clip(cr);
        WoodGrain(cr, x, y, w, h, Hex(0x5A3219), seed);
    }
    InnerShade(cr, shape, Hex(0x120600), 7, 4, 0.75);
    shape(cr);
    SetRgb(cr, Hex(0xC9A24A), 0.75);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

SurfacePtr SummaryPanel() {
    SurfacePtr s = NewSurface(640, 600);
    Ctx cr(s.get());
    WoodPanel(cr, 8, 8, 624, 584, 36, 26, 9100, true);
    // Inlays in the middle column, between the two pairs of resource icons:
    // the time bonus (screen y 175-255), the village multiplier (360-440)
    // and the "Total" label between the totals circles (480-526).
    Inlay(cr, 234, 80, 172, 96, 9101);
    Inlay(cr, 234, 266, 172, 96, 9102);
    Inlay(cr, 244, 386, 152, 56, 9103);
    // Divider above the totals row.
    for (double x : {80.0, 420.0}) {
        cairo_move_to(cr, x, 372);
        cairo_line_to(cr, x + 140, 372);
    }
    cairo_set_source_rgba(cr, 0.5, 0.3, 0.1, 0.45);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Sparkle(cr, 226, 372, 7, 0.7);
    Sparkle(cr, 414, 372, 7, 0.7);
    return s;
}

// A red cloth ribbon with swallow-tailed ends across the panel, under the
// white "time is up" lettering.
void Ribbon(cairo_t* cr, double x, double y, double w, double h) {
    const double notch = h * 0.32, tail = 34;
    const PathFn band = [=](cairo_t* c) {
        cairo_move_to(c, x, y);
        cairo_line_to(c, x + w, y);
        cairo_line_to(c, x + w - notch, y + h / 2);
        cairo_line_to(c, x + w, y + h);
        cairo_line_to(c, x, y + h);
        cairo_line_to(c, x + notch, y + h / 2);
        cairo_close_path(c);
    };
    // The folds behind the ends, darker.
    for (int side = 0; side < 2; ++side) {
        const double ex = side == 0 ? x + tail : x + w - tail;
        const double dir = side == 0 ? -1 : 1;
        cairo_move_to(cr, ex, y + h);
        cairo_line_to(cr, ex + dir * 4, y + h + 10);
        cairo_line_to(cr, ex - dir * 18, y + h);
        cairo_close_path(cr);
        SetRgb(cr, Hex(0x3E0E08));
        cairo_fill(cr);
    }
    DropShadow(cr, band, 2, 4, 5, 0.5);
    {
        Saved sv(cr);
        band(cr);
        cairo_clip(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
        AddStop(g, 0, Hex(0xA8382A));
        AddStop(g, 0.45, Hex(0x8C2A1E));
        AddStop(g, 1, Hex(0x5C1710));
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        // Soft folds of the cloth.
        for (double fx = x + 70; fx < x + w - 40; fx += 110) {
            cairo_pattern_t* fold = cairo_pattern_create_linear(fx - 30, 0, fx + 30, 0);
            cairo_pattern_add_color_stop_rgba(fold, 0, 0, 0, 0, 0);
            cairo_pattern_add_color_stop_rgba(fold, 0.5, 1, 0.9, 0.8, 0.05);
            cairo_pattern_add_color_stop_rgba(fold, 1, 0, 0, 0, 0);
            cairo_set_source(cr, fold);
            cairo_paint(cr);
            cairo_pattern_destroy(fold);
        }
    }
    // Gilt stitching along both long edges.
    const double dash[] = {6, 5};
    cairo_set_dash(cr, dash, 2, 0);
    for (double sy : {y + 6, y + h - 6}) {
        cairo_move_to(cr, x + notch + 8, sy);
        cairo_line_to(cr, x + w - notch - 8, sy);
    }
    SetRgb(cr, Hex(0xE2BE63), 0.8);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

SurfacePtr LosePanel() {
    SurfacePtr s = NewSurface(560, 380);
    Ctx cr(s.get());
    WoodPanel(cr, 8, 8, 544, 364, 30, 24, 9200, true);
    // The white title is drawn at screen y 270 (panel y 80) in 72 px lettering.
    Ribbon(cr, 14, 64, 532, 100);
    // A wilted sprig in the corners: the harvest will have to wait.
    for (double x : {70.0, 490.0}) {
        Saved sv(cr);
        cairo_translate(cr, x, 320);
        cairo_rotate(cr, x < 100 ? 0.3 : -0.3);
        DrawFood(cr, 0, 0, 50, 1);
    }
    return s;
}

SurfacePtr ContinueBoard() {
    // A signboard on two posts rising from the ground; its handle is (260, 600),
    // so at rest its top is at y 168 and the posts reach the bottom of the screen.
    SurfacePtr s = NewSurface(520, 600);
    Ctx cr(s.get());
    for (double x : {110.0, 410.0}) {
        const PathFn post = [x](cairo_t* c) { RoundedRect(c, x - 14, 300, 28, 310, 4); };
        DropShadow(cr, post, 3, 4, 4, 0.5);
        Saved sv(cr);
        post(cr);
        cairo_clip(cr);
        WoodGrain(cr, x - 14, 300, 28, 310, Hex(0x6A3A1C), static_cast<std::uint64_t>(x), true);
    }
    WoodPanel(cr, 10, 6, 500, 420, 30, 24, 9300, true);
    // Title plank across the top (the title is drawn at y 182, 14 px below the top).
    const PathFn plank = [](cairo_t* c) { RoundedRect(c, 60, 2, 400, 58, 12); };
    DropShadow(cr, plank, 2, 4, 4, 0.5);
    {
        Saved sv(cr);
        plank(cr);
        cairo_clip(cr);
        WoodGrain(cr, 60, 2, 400, 58, Hex(0x8A5530), 9301);
    }
    Bevel(cr, plank, 2, 0.45, 0.5);
    return s;
}

}  // namespace

void DrawPanels(Sink& sink) {
    sink.Png("gfx/gui/levelSummary/panel.png", SummaryPanel().get(),
             "level summary panel, centred at (512,386)");
    sink.Png("gfx/gui/levelSummary/circle.png", Circle(96, 86, 48, 42, 34).get(),
             "count circle under a summary icon, at (x-7,y+59); number at local (48,33)");
    sink.Png("gfx/gui/levelSummary/circle2.png", Circle(56, 52, 28, 26, 24).get(),
             "totals circle, number at local (28,17)");
    SurfacePtr point = NewSurface(3, 84);
    {
        Ctx cr(point.get());
        for (int y = 2; y < 84; y += 7) {
            cairo_arc(cr, 1.5, y, 1.4, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.95, 0.75, 0.3, 0.9);
            cairo_fill(cr);
        }
    }
    sink.Png("gfx/gui/levelSummary/point.png", point.get(), "dotted line from a count circle to the totals");
    const char* names[] = {"wood", "food", "gold", "rock"};
    for (int n = 0; n < 4; ++n) {
        SurfacePtr s = NewSurface(76, 76);
        {
            Ctx cr(s.get());
            const auto draw = [n](cairo_t* c) {
                if (n == 0) DrawWood(c, 38, 38, 66, 2);
                if (n == 1) DrawFood(c, 38, 38, 68, 3);
                if (n == 2) DrawGold(c, 38, 38, 66, 4);
                if (n == 3) DrawRock(c, 38, 38, 64, 1);
            };
            DropShadow(cr, draw, 2, 3, 3, 0.55);
            draw(cr);
        }
        sink.Png(std::string("gfx/gui/levelSummary/res_") + names[n] + ".png", s.get(),
                 std::string("level summary resource icon: ") + names[n]);
    }
    sink.Png("gfx/gui/loseLevel/panel.png", LosePanel().get(), "lose dialog panel, centred at (512,380)");
    sink.Png("gfx/gui/continueQuest/panel.png", ContinueBoard().get(),
             "continue-quest signboard, handle (260,600), drawn at (512,768)");
}

}  // namespace art
