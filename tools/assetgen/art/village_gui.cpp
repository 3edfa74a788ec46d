// The village's dialogs and the land screen's offer row: the offer frame and
// its four state buttons, the research screen (backing, panel, buttons, page
// strip and knobs, power-up frame) and the building preview (panel, picture
// backing, arrow). The animals are drawn here too (animals.cpp).
#include "animals.h"
#include "families.h"
#include "paint.h"

#include <cmath>

namespace art {

namespace {

void Save(Sink& sink, cairo_surface_t* s, const std::string& rel, const std::string& purpose) {
    sink.Png(rel, s, purpose);
}

// The wooden plate of one offer, open where the icon and the button show through.
SurfacePtr OfferFrame() {
    SurfacePtr s = NewSurface(192, 124);
    Ctx cr(s.get());
    const PathFn holes = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 49, 54, 39, 0, 2 * M_PI);
        RoundedRect(c, 104, 20, 79, 69, 28);
    };
    {
        Saved sv(cr);
        cairo_rectangle(cr, 0, 0, 192, 124);
        holes(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_clip(cr);
        WoodPanel(cr, 1, 1, 190, 122, 14, 9, 913, true);
    }
    // A carved lip round each opening.
    cairo_set_line_width(cr, 3);
    holes(cr);
    SetRgb(cr, Hex(0x5A3418));
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.2);
    holes(cr);
    SetRgb(cr, Hex(0xE8C080), 0.8);
    cairo_stroke(cr);
    return s;
}

SurfacePtr StateButton(Rgb face, ButtonState state) {
    // The face fits the frame's opening; the picture keeps the size the game hit-tests.
    SurfacePtr s = NewSurface(95, 80);
    Ctx cr(s.get());
    Button(cr, 2, 3, 82, 72, face, state);
    return s;
}

SurfacePtr Plain(int w, int h, Rgb face, ButtonState state) {
    SurfacePtr s = NewSurface(w, h);
    Ctx cr(s.get());
    Button(cr, 2, 2, w - 5, h - 5, face, state);
    return s;
}

SurfacePtr ResearchBack() {
    SurfacePtr s = NewSurface(962, 738);
    Ctx cr(s.get());
    WoodPanel(cr, 4, 4, 952, 728, 28, 28, 977, true);
    // The title plaque at the top.
    const PathFn plaque = [](cairo_t* c) { RoundedRect(c, 291, 10, 380, 64, 18); };
    DropShadow(cr, plaque, 2, 4, 6, 0.5);
    {
        Saved sv(cr);
        plaque(cr);
        cairo_clip(cr);
        WoodGrain(cr, 291, 10, 380, 64, Hex(0x8A5A30), 978);
    }
    Bevel(cr, plaque, 3, 0.35, 0.45);
    return s;
}

SurfacePtr ResearchPanel() {
    SurfacePtr s = NewSurface(420, 190);
    Ctx cr(s.get());
    WoodPanel(cr, 3, 3, 412, 182, 16, 10, 981, true);
    // The socket of the power-up icon.
    const PathFn socket = [](cairo_t* c) { cairo_arc(c, 52, 56, 42, 0, 2 * M_PI); };
    InnerShade(cr, socket, Hex(0x6A4420), 6, 5, 0.6);
    cairo_arc(cr, 52, 56, 42, 0, 2 * M_PI);
    cairo_set_line_width(cr, 2.5);
    SetRgb(cr, Hex(0xB8863A));
    cairo_stroke(cr);
    // A faint rule under the name.
    cairo_move_to(cr, 130, 50);
    cairo_line_to(cr, 396, 50);
    cairo_set_line_width(cr, 1);
    SetRgb(cr, Hex(0x8A6A3A), 0.5);
    cairo_stroke(cr);
    return s;
}

SurfacePtr PageStrip() {
    SurfacePtr s = NewSurface(160, 40);
    Ctx cr(s.get());
    const PathFn plank = [](cairo_t* c) { RoundedRect(c, 3, 4, 154, 30, 12); };
    DropShadow(cr, plank, 2, 3, 4, 0.5);
    {
        Saved sv(cr);
        plank(cr);
        cairo_clip(cr);
        WoodGrain(cr, 3, 4, 154, 30, Hex(0x9A6A3A), 990);
    }
    Bevel(cr, plank, 2, 0.35, 0.4);
    return s;
}

SurfacePtr PageKnob(bool current) {
    SurfacePtr s = NewSurface(48, 40);
    Ctx cr(s.get());
    const PathFn disc = [](cairo_t* c) { cairo_arc(c, 24, 19, 16, 0, 2 * M_PI); };
    DropShadow(cr, disc, 1, 2, 3, 0.5);
    Cabochon(cr, disc, 8, 3, 32, 32, current ? Hex(0xE8B030) : Hex(0x8A6A48));
    cairo_arc(cr, 24, 19, 16, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1.5);
    SetRgb(cr, Hex(0x4A2A10));
    cairo_stroke(cr);
    return s;
}

SurfacePtr PowerFrame() {
    SurfacePtr s = NewSurface(96, 96);
    Ctx cr(s.get());
    const PathFn ring = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 48, 48, 45, 0, 2 * M_PI);
        cairo_new_sub_path(c);
        cairo_arc_negative(c, 48, 48, 37, 2 * M_PI, 0);
    };
    DropShadow(cr, ring, 2, 3, 3, 0.5);
    ring(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(6, 6, 90, 90);
    AddStop(g, 0, Hex(0xFFF0A0));
    AddStop(g, 0.5, Hex(0xD89A30));
    AddStop(g, 1, Hex(0x7A4A14));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Bevel(cr, ring, 1.5, 0.5, 0.4);
    return s;
}

SurfacePtr PreviewPanel() {
    SurfacePtr s = NewSurface(600, 540);
    Ctx cr(s.get());
    WoodPanel(cr, 4, 4, 592, 532, 26, 24, 1001, true);
    const PathFn plaque = [](cairo_t* c) { RoundedRect(c, 130, 0, 340, 46, 16); };
    DropShadow(cr, plaque, 2, 4, 5, 0.5);
    {
        Saved sv(cr);
        plaque(cr);
        cairo_clip(cr);
        WoodGrain(cr, 130, 0, 340, 46, Hex(0x8A5A30), 1002);
    }
    Bevel(cr, plaque, 3, 0.35, 0.45);
    return s;
}

// The backdrop behind a building in the preview: sky, far hills and meadow.
SurfacePtr Podklad() {
    SurfacePtr s = NewSurface(524, 210);
    Ctx cr(s.get());
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 140);
    AddStop(sky, 0, Hex(0x8EC4EA));
    AddStop(sky, 1, Hex(0xF4EAD0));
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    cairo_move_to(cr, 0, 210);
    for (int x = 0; x <= 524; x += 8)
        cairo_line_to(cr, x, 120 - 16 * std::sin(x * 0.012) - 8 * std::sin(x * 0.031));
    cairo_line_to(cr, 524, 210);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0x9AB88A));
    cairo_fill(cr);
    cairo_move_to(cr, 0, 210);
    for (int x = 0; x <= 524; x += 8) cairo_line_to(cr, x, 150 - 8 * std::sin(x * 0.02 + 1));
    cairo_line_to(cr, 524, 210);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 140, 0, 210);
    AddStop(g, 0, Hex(0x8CB454));
    AddStop(g, 1, Hex(0x5E8E38));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_pattern_t* vig = cairo_pattern_create_radial(262, 105, 120, 262, 105, 320);
    cairo_pattern_add_color_stop_rgba(vig, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(vig, 1, 0.2, 0.1, 0, 0.45);
    cairo_set_source(cr, vig);
    cairo_paint(cr);
    cairo_pattern_destroy(vig);
    return s;
}

SurfacePtr Arrow() {
    SurfacePtr s = NewSurface(40, 40);
    Ctx cr(s.get());
    const PathFn arrow = [](cairo_t* c) {
        PathFromPoints(c, {{5, 14}, {20, 14}, {20, 6}, {36, 20}, {20, 34}, {20, 26}, {5, 26}});
    };
    DropShadow(cr, arrow, 1, 2, 2, 0.5);
    arrow(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 6, 0, 34);
    AddStop(g, 0, Hex(0xFFE890));
    AddStop(g, 1, Hex(0xC88420));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 1.5);
    SetRgb(cr, Hex(0x5A3410));
    cairo_stroke(cr);
    return s;
}

}  // namespace

void DrawVillageGui(Sink& sink) {
    const std::string land = "gfx/gui/landScreen/", research = "gfx/gui/research/",
                      show = "gfx/gui/showBuilding/";
    Save(sink, OfferFrame().get(), land + "frame.png", "offer frame, at (x-5,y-10) of an offer");
    Save(sink, StateButton(Hex(0x972B1E), ButtonState::Normal).get(), land + "button_red.png",
         "offer button: locked or too dear");
    Save(sink, StateButton(Hex(0x3E9A3A), ButtonState::Normal).get(), land + "button_green.png",
         "offer button: can be bought");
    Save(sink, StateButton(Hex(0x9A9A9A), ButtonState::Disabled).get(), land + "button_grey.png",
         "offer button: owned");
    Save(sink, StateButton(Hex(0x2497A5), ButtonState::Normal).get(), land + "button_cyan.png",
         "offer button: play the puzzle for the blueprint");
    Save(sink, ResearchBack().get(), research + "back.png", "research screen backing, at (31,15)");
    Save(sink, ResearchPanel().get(), research + "panel.png", "research panel, icon socket at (16,20)");
    Save(sink, Plain(150, 48, Hex(0x7A8A6A), ButtonState::Disabled).get(), research + "button0.png",
         "research button: researched");
    Save(sink, Plain(150, 48, Hex(0x3E9A3A), ButtonState::Normal).get(), research + "button1.png",
         "research button: research now");
    Save(sink, Plain(150, 48, Hex(0xA85E1A), ButtonState::Normal).get(), research + "button2.png",
         "research button: locked or too dear, and the hover glow");
    Save(sink, PageStrip().get(), research + "pag.png", "research page strip, at (524,691)");
    Save(sink, PageKnob(false).get(), research + "pagBut0.png", "research page button");
    Save(sink, PageKnob(true).get(), research + "pagBut1.png", "research page button: the page shown");
    Save(sink, PowerFrame().get(), research + "frame.png", "research power-up frame");
    Save(sink, PreviewPanel().get(), show + "panel.png", "building preview panel, top at y 135");
    sink.Jpg(show + "podklad.jpg", Podklad().get(), "building preview picture backing, at x 250", 90);
    Save(sink, Arrow().get(), show + "arrow.png", "building preview arrow, handle at its centre");
    DrawAnimals(sink);
}

}  // namespace art
