// The tutorial's pictures: the two advisers (Hazel, the village's
// herb-wise elder, and Tobin, the young carpenter), the speech bubble and the
// arrow that points at what a tip explains.
#include "families.h"
#include "paint.h"

#include <cmath>

namespace art {

namespace {

constexpr int kAdviserW = 128, kAdviserH = 200;
constexpr int kFootFade = 36;  // the bust's lowest rows fade out
constexpr int kBubbleW = 460, kBubbleH = 196;
constexpr int kArrowW = 48, kArrowH = 64;

const Rgb kInk = Hex(0x443B1E);

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    Saved keep(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
}

void FillEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c) {
    Ellipse(cr, cx, cy, rx, ry);
    SetRgb(cr, c);
    cairo_fill(cr);
}

// Shading from the top-left light over a filled shape.
void Shade(cairo_t* cr, const PathFn& path, Rgb base) {
    path(cr);
    SetRgb(cr, base);
    cairo_fill(cr);
    InnerShade(cr, path, Darker(base, 0.5), 6, 4, 0.5);
}

// Eyes looking a little to the right (toward the bubble), brows, smile, cheeks.
void Face(cairo_t* cr, double cx, double cy, double s, bool old) {
    for (double side : {-1.0, 1.0}) {
        const double ex = cx + side * 11 * s;
        FillEllipse(cr, ex, cy, 5 * s, old ? 3.2 * s : 4.4 * s, Hex(0xFFFFFF));
        FillEllipse(cr, ex + 1.8 * s, cy + 0.3 * s, 2.6 * s, 2.8 * s, old ? Hex(0x5B7A3A) : Hex(0x5A3A1E));
        FillEllipse(cr, ex + 2.4 * s, cy - 0.8 * s, 0.9 * s, 0.9 * s, Hex(0xFFFFFF));
        cairo_set_line_width(cr, 1.8 * s);
        SetRgb(cr, old ? Hex(0xB8B0A8) : Hex(0x6A4020));
        cairo_move_to(cr, ex - 5 * s, cy - 7 * s);
        cairo_curve_to(cr, ex - 2 * s, cy - 10 * s, ex + 3 * s, cy - 10 * s, ex + 6 * s, cy - 7.5 * s);
        cairo_stroke(cr);
        // Rosy cheeks.
        cairo_pattern_t* g = cairo_pattern_create_radial(ex, cy + 9 * s, 0, ex, cy + 9 * s, 7 * s);
        AddStop(g, 0, Hex(0xF08A7A), 0.55);
        AddStop(g, 1, Hex(0xF08A7A), 0);
        cairo_set_source(cr, g);
        cairo_arc(cr, ex, cy + 9 * s, 7 * s, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    // Nose and smile.
    cairo_set_line_width(cr, 1.6 * s);
    SetRgb(cr, Hex(0xB86A50));
    cairo_move_to(cr, cx + 1 * s, cy + 2 * s);
    cairo_curve_to(cr, cx + 4 * s, cy + 8 * s, cx + 2 * s, cy + 10 * s, cx - 1 * s, cy + 9.5 * s);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2.2 * s);
    SetRgb(cr, Hex(0x8A3A2A));
    cairo_move_to(cr, cx - 8 * s, cy + 15 * s);
    cairo_curve_to(cr, cx - 3 * s, cy + 21 * s, cx + 5 * s, cy + 21 * s, cx + 10 * s, cy + 14 * s);
    cairo_stroke(cr);
}

void Head(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb skin) {
    const PathFn head = [=](cairo_t* c) { Ellipse(c, cx, cy, rx, ry); };
    DropShadow(cr, head, 2, 3, 4, 0.35);
    Shade(cr, head, skin);
    // Ears.
    FillEllipse(cr, cx - rx + 1, cy + 4, 5, 8, Darker(skin, 0.08));
    FillEllipse(cr, cx + rx - 1, cy + 4, 5, 8, Darker(skin, 0.08));
}

// Shoulders and body: a rounded trapezoid down to the picture's foot.
void Body(cairo_t* cr, double top, Rgb cloth) {
    const PathFn body = [top](cairo_t* c) {
        cairo_move_to(c, 6, kAdviserH);
        cairo_curve_to(c, 4, top + 30, 20, top, 64, top);
        cairo_curve_to(c, 108, top, 124, top + 30, 122, kAdviserH);
        cairo_close_path(c);
    };
    DropShadow(cr, body, 2, 3, 5, 0.35);
    Shade(cr, body, cloth);
}

// The bust's foot fades to nothing: wherever a tip stands the adviser, above a button or over
// the board's margin, the picture ends softly instead of on a cut.
void FadeFoot(cairo_t* cr) {
    Saved keep(cr);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, kAdviserH - kFootFade, 0, kAdviserH);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    // Above the fade the gradient pads with full alpha, so the whole picture keeps what it has.
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    cairo_set_source(cr, fade);
    cairo_paint(cr);
    cairo_pattern_destroy(fade);
}

SurfacePtr Hazel() {
    auto s = NewSurface(kAdviserW, kAdviserH);
    Ctx cr(s.get());
    const Rgb skin = Hex(0xF2C9A6);
    Body(cr, 118, Hex(0x8E7BB0));  // lavender dress
    // Green knitted shawl crossing over the chest.
    const PathFn shawl = [](cairo_t* c) {
        cairo_move_to(c, 10, 150);
        cairo_curve_to(c, 30, 116, 98, 116, 118, 150);
        cairo_line_to(c, 64, 196);
        cairo_close_path(c);
    };
    Shade(cr, shawl, Hex(0x5E8C4A));
    cairo_set_line_width(cr, 1.2);
    SetRgb(cr, Hex(0x3F6A32), 0.7);
    for (int k = 0; k < 6; ++k) {
        cairo_move_to(cr, 24 + 14 * k, 132);
        cairo_line_to(cr, 40 + 6 * k, 170);
        cairo_stroke(cr);
    }
    FillEllipse(cr, 64, 160, 6, 6, Hex(0xC8A040));  // brooch
    FillEllipse(cr, 62, 158, 2, 2, Hex(0xFFF0B0));
    Head(cr, 64, 74, 34, 40, skin);
    // Silver hair: a soft cap round the face and a bun on top.
    SetRgb(cr, Hex(0xD8D6DC));
    FillEllipse(cr, 64, 26, 18, 14, Hex(0xCFCDD6));
    cairo_move_to(cr, 28, 78);
    cairo_curve_to(cr, 22, 30, 106, 30, 100, 78);
    cairo_curve_to(cr, 94, 54, 74, 44, 64, 50);
    cairo_curve_to(cr, 54, 44, 34, 54, 28, 78);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0xE2E0E6));
    cairo_fill(cr);
    Face(cr, 64, 76, 1.0, true);
    // Round spectacles.
    cairo_set_line_width(cr, 1.8);
    SetRgb(cr, Hex(0xA07A30));
    for (double side : {-1.0, 1.0}) {
        cairo_arc(cr, 64 + side * 11, 76, 8, 0, 2 * M_PI);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 61, 75);
    cairo_line_to(cr, 67, 75);
    cairo_stroke(cr);
    // Wrinkle smile lines.
    SetRgb(cr, Hex(0xC89070), 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, 46, 88);
    cairo_curve_to(cr, 44, 94, 46, 98, 49, 100);
    cairo_stroke(cr);
    cairo_move_to(cr, 82, 88);
    cairo_curve_to(cr, 84, 94, 82, 98, 79, 100);
    cairo_stroke(cr);
    FadeFoot(cr);
    return s;
}

SurfacePtr Tobin() {
    auto s = NewSurface(kAdviserW, kAdviserH);
    Ctx cr(s.get());
    const Rgb skin = Hex(0xE8B48A);
    Body(cr, 122, Hex(0x4F79A8));  // blue shirt
    // Leather apron with a pocket and a pencil.
    const PathFn apron = [](cairo_t* c) {
        cairo_move_to(c, 34, 200);
        cairo_line_to(c, 38, 146);
        cairo_line_to(c, 90, 146);
        cairo_line_to(c, 94, 200);
        cairo_close_path(c);
    };
    Shade(cr, apron, Hex(0x9A6A3A));
    cairo_set_line_width(cr, 3);
    SetRgb(cr, Hex(0x7A4E28));
    cairo_move_to(cr, 38, 148);
    cairo_line_to(cr, 30, 124);
    cairo_move_to(cr, 90, 148);
    cairo_line_to(cr, 98, 124);
    cairo_stroke(cr);
    RoundedRect(cr, 48, 164, 32, 22, 4);
    SetRgb(cr, Hex(0x84582E));
    cairo_fill(cr);
    RoundedRect(cr, 70, 150, 5, 22, 1.5);
    SetRgb(cr, Hex(0xE8B830));
    cairo_fill(cr);
    Head(cr, 64, 80, 32, 36, skin);
    // Brown tousled hair under a red cap with a short peak to the right.
    SetRgb(cr, Hex(0x7A4A22));
    cairo_move_to(cr, 32, 76);
    cairo_curve_to(cr, 30, 56, 44, 52, 52, 58);
    cairo_curve_to(cr, 60, 50, 88, 52, 96, 76);
    cairo_line_to(cr, 90, 64);
    cairo_line_to(cr, 36, 64);
    cairo_close_path(cr);
    cairo_fill(cr);
    const PathFn cap = [](cairo_t* c) {
        cairo_move_to(c, 30, 62);
        cairo_curve_to(c, 30, 24, 98, 24, 98, 62);
        cairo_close_path(c);
    };
    Shade(cr, cap, Hex(0xC23A2E));
    const PathFn peak = [](cairo_t* c) {
        cairo_move_to(c, 70, 60);
        cairo_curve_to(c, 96, 54, 116, 58, 120, 64);
        cairo_curve_to(c, 106, 68, 84, 68, 70, 64);
        cairo_close_path(c);
    };
    Shade(cr, peak, Hex(0x9A2A22));
    FillEllipse(cr, 64, 30, 4, 3, Hex(0xE8D8A0));  // button on the crown
    Face(cr, 64, 84, 1.0, false);
    // Freckles.
    SetRgb(cr, Hex(0xB8764A), 0.8);
    for (double fx : {-16.0, -12.0, -14.0, 12.0, 16.0, 14.0}) {
        cairo_arc(cr, 64 + fx, 92 + (std::fabs(fx) > 13 ? 2 : -1), 1.1, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    FadeFoot(cr);
    return s;
}

// The bubble: a rounded cloud of parchment with a tail whose tip is the
// picture's handle (14, 171), where the adviser's mouth is.
SurfacePtr Bubble() {
    auto s = NewSurface(kBubbleW, kBubbleH);
    Ctx cr(s.get());
    const PathFn shape = [](cairo_t* c) {
        RoundedRect(c, 36, 8, 416, 172, 70);
        cairo_new_sub_path(c);
        cairo_move_to(c, 70, 120);
        cairo_curve_to(c, 52, 150, 34, 166, 14, 171);
        cairo_curve_to(c, 44, 170, 76, 160, 100, 146);
        cairo_close_path(c);
    };
    DropShadow(cr, shape, 3, 4, 5, 0.45);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    shape(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 8, 0, 180);
    AddStop(g, 0, Hex(0xFFFBEA));
    AddStop(g, 1, Hex(0xF3E4BE));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 3);
    SetRgb(cr, Hex(0x8A6A3A));
    cairo_stroke(cr);
    // The tail's own outline must not cross the body: paint the body over it.
    RoundedRect(cr, 38, 10, 412, 168, 68);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, 8, 0, 180);
    AddStop(body, 0, Hex(0xFFFBEA));
    AddStop(body, 1, Hex(0xF3E4BE));
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    InnerShade(cr, shape, Hex(0xC8A870), 8, 5, 0.35);
    return s;
}

// The arrow points down (the game turns it); its handle is its centre.
SurfacePtr Arrow() {
    auto s = NewSurface(kArrowW, kArrowH);
    Ctx cr(s.get());
    const PathFn shape = [](cairo_t* c) {
        cairo_move_to(c, 16, 4);
        cairo_line_to(c, 32, 4);
        cairo_line_to(c, 32, 30);
        cairo_line_to(c, 44, 30);
        cairo_line_to(c, 24, 60);
        cairo_line_to(c, 4, 30);
        cairo_line_to(c, 16, 30);
        cairo_close_path(c);
    };
    shape(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 4, 0, 60);
    AddStop(g, 0, Hex(0xFFE68A));
    AddStop(g, 1, Hex(0xE89A22));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3);
    SetRgb(cr, kInk);
    cairo_stroke(cr);
    Bevel(cr, shape, 2, 0.5, 0.3);
    return s;
}

}  // namespace

void DrawTips(Sink& sink) {
    sink.Png("gfx/gui/tutorial/advisor0.png", Hazel().get(), "tutorial adviser 0: Hazel");
    sink.Png("gfx/gui/tutorial/advisor1.png", Tobin().get(), "tutorial adviser 1: Tobin the carpenter");
    sink.Png("gfx/gui/tutorial/speechbubble.png", Bubble().get(),
             "tutorial speech bubble, tail tip (14, 171)");
    sink.Png("gfx/arrow.png", Arrow().get(), "tutorial arrow, pointing down, handle at its centre");
}

}  // namespace art
