// Pictures of the application frame: the side pictures of the wide mode, the
// cursor, the point, the dimming stripes, the loading screen bar and the logo.
#include "chip_shapes.h"
#include "families.h"
#include "paint.h"

#include <cmath>

namespace art {

namespace {

void Leaf(cairo_t* cr, double x, double y, double a, double s, Rgb c) {
    Saved sv(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, a);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, s * 0.4, -s * 0.35, s * 0.8, -s * 0.2, s, 0);
    cairo_curve_to(cr, s * 0.8, s * 0.2, s * 0.4, s * 0.35, 0, 0);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -s * 0.3, 0, s * 0.3);
    AddStop(g, 0, Lighter(c, 0.3));
    AddStop(g, 1, Darker(c, 0.3));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A carved pillar with a climbing vine; side 0 is the left picture, 1 the right.
SurfacePtr SidePicture(int side) {
    SurfacePtr s = NewSurface(171, 768);
    Ctx cr(s.get());
    cairo_rectangle(cr, 0, 0, 171, 768);
    cairo_set_source_rgb(cr, 0.16, 0.09, 0.05);
    cairo_fill(cr);
    const PathFn pillar = [](cairo_t* c) { RoundedRect(c, 14, -10, 143, 788, 6); };
    {
        Saved sv(cr);
        pillar(cr);
        cairo_clip(cr);
        WoodGrain(cr, 14, -10, 143, 788, Hex(0x7E4C2A), 50 + side, true);
    }
    Bevel(cr, pillar, 4, 0.45, 0.55);
    // A sunken parchment panel with the village's sheaf, and carved mouldings.
    const PathFn panel = [](cairo_t* c) { RoundedRect(c, 36, 140, 99, 488, 12); };
    Parchment(cr, panel, 36, 140, 99, 488, 70 + side);
    InnerShade(cr, panel, Rgb{0.2, 0.1, 0}, 6, 6, 0.7);
    for (double y : {100.0, 668.0}) {
        const PathFn band = [y](cairo_t* c) { RoundedRect(c, 20, y - 10, 131, 20, 8); };
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y - 10, 0, y + 10);
        AddStop(g, 0, Hex(0xF0C860));
        AddStop(g, 1, Hex(0x9A6A1C));
        band(cr);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        Bevel(cr, band, 2, 0.5, 0.5);
    }
    DrawFood(cr, 85.5, 300, 80, 5);
    DrawWood(cr, 85.5, 420, 76, 3);
    DrawGold(cr, 85.5, 530, 70, 6);
    // The vine winds up the pillar.
    const double sx = side == 0 ? 150 : 21;
    cairo_move_to(cr, sx, 768);
    for (int y = 768; y >= 0; y -= 6)
        cairo_line_to(cr, sx + (side == 0 ? -1 : 1) * 12 * std::sin(y * 0.03), y);
    SetRgb(cr, Hex(0x3E5A22));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int y = 740, i = 0; y > 20; y -= 34, ++i) {
        const double x = sx + (side == 0 ? -1 : 1) * 12 * std::sin(y * 0.03);
        Leaf(cr, x, y, (i % 2 ? -0.6 : 0.6) + (i % 2 ? M_PI : 0), 18, i % 3 ? Hex(0x4E8A2E) : Hex(0x6AA038));
    }
    return s;
}

SurfacePtr Cursor() {
    SurfacePtr s = NewSurface(32, 32);
    Ctx cr(s.get());
    const PathFn arrow = [](cairo_t* c) {
        cairo_move_to(c, 2, 2);
        cairo_line_to(c, 22, 14);
        cairo_line_to(c, 13.5, 15.5);
        cairo_line_to(c, 19, 26);
        cairo_line_to(c, 15, 28);
        cairo_line_to(c, 10, 18);
        cairo_line_to(c, 4, 24);
        cairo_close_path(c);
    };
    DropShadow(cr, arrow, 2, 2, 2, 0.55);
    cairo_pattern_t* g = cairo_pattern_create_linear(2, 2, 18, 26);
    AddStop(g, 0, Hex(0xFFF0B0));
    AddStop(g, 0.5, Hex(0xF2BE40));
    AddStop(g, 1, Hex(0xB0701A));
    arrow(cr);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 1.4);
    cairo_set_source_rgb(cr, 0.3, 0.14, 0.02);
    cairo_stroke(cr);
    return s;
}

SurfacePtr Stripes() {
    SurfacePtr s = NewSurface(1024, 768);
    Ctx cr(s.get());
    cairo_set_source_rgba(cr, 0.05, 0.03, 0.02, 0.45);
    cairo_paint(cr);
    for (int x = -768; x < 1024; x += 12) {
        cairo_move_to(cr, x, 768);
        cairo_line_to(cr, x + 768, 0);
        cairo_line_to(cr, x + 774, 0);
        cairo_line_to(cr, x + 6, 768);
        cairo_close_path(cr);
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
    cairo_fill(cr);
    cairo_pattern_t* v = cairo_pattern_create_radial(512, 384, 200, 512, 384, 700);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.3);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
    return s;
}

void Loading(Sink& sink) {
    // Frame 600x42 at (212,601); the filling lies in its groove (10..590, 9..33).
    SurfacePtr frame = NewSurface(600, 42);
    {
        Ctx cr(frame.get());
        WoodPanel(cr, 1, 1, 598, 40, 18, 8, 5000, false);
        RoundedRect(cr, 10, 9, 580, 24, 10);
        cairo_set_source_rgba(cr, 0.12, 0.06, 0.02, 0.9);
        cairo_fill(cr);
    }
    sink.Png("gfx/gui/loading/bar1.png", frame.get(), "loading bar frame, at (212,601)");
    SurfacePtr fill = NewSurface(600, 42);
    {
        Ctx cr(fill.get());
        RoundedRect(cr, 11, 10, 578, 22, 9);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 10, 0, 32);
        AddStop(g, 0, Hex(0xFFF0A0));
        AddStop(g, 0.5, Hex(0xF0B030));
        AddStop(g, 1, Hex(0xA8661A));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    sink.Png("gfx/gui/loading/bar0.png", fill.get(),
             "loading bar filling, drawn from the left over the frame");
    SurfacePtr cover = NewSurface(632, 66);
    {
        Ctx cr(cover.get());
        // Glass over the groove (frame at y 13 of this picture) and two carved knobs.
        RoundedRect(cr, 26, 23, 580, 11, 5);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
        cairo_fill(cr);
        for (double x : {18.0, 614.0}) {
            const PathFn knob = [x](cairo_t* c) { cairo_arc(c, x, 34, 16, 0, 2 * M_PI); };
            DropShadow(cr, knob, 2, 3, 3, 0.5);
            Cabochon(cr, knob, x - 16, 18, 32, 32, Hex(0xD8A030));
            PathFromPoints(cr, PolygonPoints(x, 34, 8, 5, 0, 3.5));
            cairo_set_source_rgba(cr, 0.5, 0.25, 0.02, 0.8);
            cairo_fill(cr);
        }
    }
    sink.Png("gfx/gui/loading/barCover.png", cover.get(),
             "glass and knobs over the loading bar, at (196,588)");
}

SurfacePtr Logo() {
    SurfacePtr s = NewSurface(620, 230);
    Ctx cr(s.get());
    // A hanging sign: two ropes, a wooden board, the name in gold, a sheaf either side.
    for (double x : {150.0, 470.0}) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 60);
        cairo_set_line_width(cr, 5);
        cairo_set_source_rgb(cr, 0.75, 0.62, 0.38);
        cairo_stroke(cr);
    }
    WoodPanel(cr, 40, 48, 540, 150, 30, 16, 7000, true);
    DrawFood(cr, 84, 124, 66, 5);
    DrawFood(cr, 536, 124, 66, 5);
    TextStyle t;
    t.size = 80;
    t.outlineWidth = 5;
    t.shadowBlur = 5;
    t.top = Hex(0xFFE890);
    t.bottom = Hex(0xD88A1C);
    Lettering(cr, "Brambleton", 310, 122, t);
    return s;
}

}  // namespace

void DrawFrame(Sink& sink) {
    sink.Png("gfx/FrameLeft.png", SidePicture(0).get(), "left side picture of the wide mode");
    sink.Png("gfx/FrameRight.png", SidePicture(1).get(), "right side picture of the wide mode");
    sink.Png("gfx/cursor.png", Cursor().get(), "mouse cursor, handle (2,2)");
    SurfacePtr point = NewSurface(16, 16);
    {
        Ctx cr(point.get());
        cairo_pattern_t* g = cairo_pattern_create_radial(8, 8, 0, 8, 8, 8);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.85, 1);
        cairo_pattern_add_color_stop_rgba(g, 0.4, 1, 0.85, 0.4, 0.8);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.6, 0.1, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    sink.Png("gfx/point.png", point.get(), "small glowing point, centred");
    sink.Png("gfx/stripes.png", Stripes().get(), "dimming stripes behind dialogs");
    Loading(sink);
    sink.Png("gfx/gui/mainMenu/en/logo.png", Logo().get(), "game logo (main menu and loading screen)");
}

}  // namespace art
