// The menu dialogs: the options panel with its slider track, knob and
// switches, the question and name entry panels, the profile manager panel
// with its list, and the credits background.
#include "atlas.h"
#include "families.h"
#include "paint.h"

#include <cmath>
#include <random>

namespace art {

namespace {

// A dark wooden well sunk into the parchment, under light lettering.
void Well(cairo_t* cr, double x, double y, double w, double h, double radius, std::uint64_t seed) {
    const PathFn shape = [=](cairo_t* c) { RoundedRect(c, x, y, w, h, radius); };
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

// A thin gilt rule across the parchment with a sparkle in its middle.
void Rule(cairo_t* cr, double x1, double x2, double y) {
    cairo_move_to(cr, x1, y);
    cairo_line_to(cr, x2, y);
    cairo_set_source_rgba(cr, 0.5, 0.3, 0.1, 0.45);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Sparkle(cr, (x1 + x2) / 2, y, 6, 0.6);
}

// Panels are drawn at their screen place minus (left, top).
SurfacePtr OptionsPanel() {
    // Handle (340, 680): at rest the panel spans x 172..852, y 88..768.
    const double left = 172, top = 88;
    SurfacePtr s = NewSurface(680, 680);
    Ctx cr(s.get());
    WoodPanel(cr, 8, 8, 664, 690, 36, 26, 9400, true);
    // The labels sit in dark wells at x 228.. (music 193, sound 258, picture
    // 348, cursor 418, full screen 488) so the white lettering reads.
    // One rule under the switches; the picture labels' wells stand where a rule
    // between the sliders and the switches would run.
    Rule(cr, 250 - left, 774 - left, 545 - top);
    // The sliders lie over the first two wells; the tick box rows have room for
    // "Custom cursor", the longest label.
    for (double y : {190.0, 255.0, 345.0}) Well(cr, 226 - left, y - top, 222, 46, 10, 9401);
    for (double y : {415.0, 485.0}) Well(cr, 226 - left, y - top, 238, 46, 10, 9401);
    // The relaxed mode's label right of the full screen switch (its check box at x 730).
    Well(cr, 526 - left, 485 - top, 196, 46, 10, 9408);
    // Small wells under the two picture labels ("wide" at x 465, "4:3" at 570).
    Well(cr, 455 - left, 305 - top, 92, 42, 10, 9404);
    Well(cr, 560 - left, 305 - top, 92, 42, 10, 9405);
    return s;
}

// The language row under the switches, drawn by the dialog only where it offers the choice
// (the main menu's): the label's well at x 226, the name's well between the two arrows
// (at x 468 and 720, 44 wide), all at y 555.
SurfacePtr LanguageRow() {
    SurfacePtr s = NewSurface(540, 50);
    Ctx cr(s.get());
    Well(cr, 0, 0, 222, 46, 10, 9406);
    Well(cr, 288, 0, 204, 46, 10, 9407);
    return s;
}

SurfacePtr SliderTrack() {
    SurfacePtr s = NewSurface(330, 24);
    Ctx cr(s.get());
    Well(cr, 2, 3, 326, 18, 9, 9402);
    // Notches every tenth of the range (knob centres 467..723).
    for (int i = 0; i <= 10; ++i) {
        const double x = 47 + 25.6 * i;
        cairo_move_to(cr, x, 7);
        cairo_line_to(cr, x, 17);
    }
    cairo_set_source_rgba(cr, 0.85, 0.7, 0.35, 0.55);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    return s;
}

SurfacePtr Knob() {
    SurfacePtr s = NewSurface(44, 44);
    Ctx cr(s.get());
    const PathFn disc = [](cairo_t* c) { cairo_arc(c, 22, 21, 17, 0, 2 * M_PI); };
    DropShadow(cr, disc, 1, 3, 3, 0.55);
    Cabochon(cr, disc, 5, 4, 34, 34, Hex(0xD9A531));
    Bevel(cr, disc, 2, 0.5, 0.5);
    return s;
}

enum class SwitchKind { Check, Radio, Left, Right };

SurfacePtr Switch(SwitchKind kind, bool on, bool over) {
    SurfacePtr s = NewSurface(44, 44);
    Ctx cr(s.get());
    const PathFn shape = [kind](cairo_t* c) {
        if (kind == SwitchKind::Radio) cairo_arc(c, 22, 22, 17, 0, 2 * M_PI);
        else RoundedRect(c, 5, 5, 34, 34, 7);
    };
    DropShadow(cr, shape, 1, 2, 3, 0.5);
    {
        Saved sv(cr);
        shape(cr);
        cairo_clip(cr);
        WoodGrain(cr, 4, 4, 36, 36, over ? Hex(0x7A4A28) : Hex(0x5A3219), 9403);
    }
    InnerShade(cr, shape, Hex(0x120600), 5, 3, 0.7);
    shape(cr);
    SetRgb(cr, over ? Hex(0xFFD86A) : Hex(0xC9A24A), 0.9);
    cairo_set_line_width(cr, over ? 2.4 : 1.6);
    cairo_stroke(cr);
    if (kind == SwitchKind::Left || kind == SwitchKind::Right) {
        // A gold arrow head pointing the way the language list turns.
        const double dir = kind == SwitchKind::Left ? -1 : 1;
        const PathFn head = [dir](cairo_t* c) {
            cairo_move_to(c, 22 + 8 * dir, 22);
            cairo_line_to(c, 22 - 6 * dir, 12);
            cairo_line_to(c, 22 - 6 * dir, 32);
            cairo_close_path(c);
        };
        Cabochon(cr, head, 14, 12, 16, 20, over ? Hex(0xFFD86A) : Hex(0xD9A531));
        return s;
    }
    if (!on) return s;
    if (kind == SwitchKind::Check) {
        // A green tick.
        const PathFn tick = [](cairo_t* c) {
            cairo_move_to(c, 11, 23);
            cairo_line_to(c, 19, 31);
            cairo_line_to(c, 34, 12);
        };
        tick(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        SetRgb(cr, Hex(0x1C3A10), 0.6);
        cairo_set_line_width(cr, 7);
        cairo_stroke(cr);
        tick(cr);
        SetRgb(cr, Hex(0x8FD14F));
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
    } else {
        const PathFn dot = [](cairo_t* c) { cairo_arc(c, 22, 22, 9, 0, 2 * M_PI); };
        Cabochon(cr, dot, 13, 13, 18, 18, Hex(0x8FD14F));
    }
    return s;
}

SurfacePtr QuestionPanel() {
    // Handle (260, 504), one and a half heights: at rest x 252..772, y 264..600.
    // The question is centred on the board's middle, y 374; the rule lies at
    // y 492, the buttons at y 505..569.
    SurfacePtr s = NewSurface(520, 336);
    Ctx cr(s.get());
    WoodPanel(cr, 6, 6, 508, 324, 30, 22, 9500, true);
    // The white question reads on a dark board (y 316..432, up to three lines).
    Well(cr, 70, 52, 380, 116, 14, 9501);
    Rule(cr, 70, 450, 228);
    return s;
}

SurfacePtr NamePanel() {
    // Centred on (512, 344): x 212..812, y 154..534. The prompt at y 192,
    // the name in its well at y 292..356, the buttons at y 440.
    SurfacePtr s = NewSurface(600, 380);
    Ctx cr(s.get());
    WoodPanel(cr, 6, 6, 588, 368, 30, 24, 9600, true);
    // The white prompt reads on a dark board, as the name does.
    Well(cr, 130, 32, 340, 50, 12, 9602);
    Well(cr, 50, 138, 500, 66, 14, 9601);
    return s;
}

SurfacePtr ManagerPanel() {
    // Handle (300, 680): at rest x 212..812, y 88..648. The heading at y 110,
    // five rows of names at y 160..340, the buttons at y 420 and 500.
    SurfacePtr s = NewSurface(600, 560);
    Ctx cr(s.get());
    WoodPanel(cr, 6, 6, 588, 548, 32, 24, 9700, true);
    Well(cr, 86, 64, 428, 200, 16, 9701);
    Rule(cr, 110, 490, 300);
    return s;
}

// Dusk over the village: a deep blue sky with stars, hills and a row of
// cottages with lit windows along the bottom, dark in the middle where the
// yellow-to-green lines scroll.
SurfacePtr CreditsBackground() {
    SurfacePtr s = NewSurface(1024, 768);
    Ctx cr(s.get());
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 768);
    AddStop(sky, 0, Hex(0x0B1030));
    AddStop(sky, 0.6, Hex(0x1E2450));
    AddStop(sky, 1, Hex(0x4A3050));
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    std::mt19937 rng(9800);
    std::uniform_real_distribution<double> u(0, 1);
    for (int i = 0; i < 160; ++i) {
        const double x = u(rng) * 1024, y = u(rng) * 520, r = 0.6 + u(rng) * 1.4;
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 0.97, 0.85, 0.35 + 0.5 * u(rng));
        cairo_fill(cr);
    }
    Sparkle(cr, 170, 120, 12, 0.8);
    Sparkle(cr, 860, 90, 10, 0.7);
    // The moon, top right.
    cairo_push_group(cr);
    cairo_arc(cr, 880, 150, 46, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 0.96, 0.82, 0.9);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_arc(cr, 900, 138, 42, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    // Two rows of hills.
    for (int row = 0; row < 2; ++row) {
        const double base = row == 0 ? 640 : 690;
        cairo_move_to(cr, 0, 768);
        for (int x = 0; x <= 1024; x += 16)
            cairo_line_to(cr, x, base - 40 * std::sin(x / (row == 0 ? 150.0 : 95.0) + row) - 20 * row);
        cairo_line_to(cr, 1024, 768);
        cairo_close_path(cr);
        SetRgb(cr, row == 0 ? Hex(0x1A2038) : Hex(0x10142A));
        cairo_fill(cr);
    }
    // Cottages with warm windows.
    for (double x : {70.0, 190.0, 800.0, 925.0}) {
        const double y = 700;
        cairo_rectangle(cr, x, y - 40, 60, 50);
        cairo_move_to(cr, x - 8, y - 40);
        cairo_line_to(cr, x + 30, y - 72);
        cairo_line_to(cr, x + 68, y - 40);
        cairo_close_path(cr);
        SetRgb(cr, Hex(0x0A0C1C));
        cairo_fill(cr);
        const PathFn window = [x, y](cairo_t* c) { cairo_rectangle(c, x + 22, y - 26, 16, 14); };
        Glow(cr, window, Hex(0xFFC860), 6, 0.7, 2);
        window(cr);
        SetRgb(cr, Hex(0xFFD880));
        cairo_fill(cr);
    }
    // A veil down the middle, so the lines read.
    cairo_pattern_t* veil = cairo_pattern_create_linear(0, 0, 1024, 0);
    cairo_pattern_add_color_stop_rgba(veil, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(veil, 0.3, 0, 0, 0, 0.35);
    cairo_pattern_add_color_stop_rgba(veil, 0.7, 0, 0, 0, 0.35);
    cairo_pattern_add_color_stop_rgba(veil, 1, 0, 0, 0, 0);
    cairo_set_source(cr, veil);
    cairo_paint(cr);
    cairo_pattern_destroy(veil);
    return s;
}

}  // namespace

void DrawMenus(Sink& sink) {
    sink.Png("gfx/gui/options/panel.png", OptionsPanel().get(),
             "options panel, handle (340,680) at (512,768)");
    sink.Png("gfx/gui/options/pasek.png", SliderTrack().get(),
             "volume slider track at (420,210) and (420,275)");
    sink.Png("gfx/gui/options/bar.png", Knob().get(), "volume slider knob, centred");
    sink.Png("gfx/gui/options/language.png", LanguageRow().get(),
             "language row's wells, top left at (226,555)");
    Atlas switches;
    for (bool over : {false, true}) {
        const std::string tail = over ? "_over" : "";
        switches.Add("check_off" + tail, Switch(SwitchKind::Check, false, over));
        switches.Add("check_on" + tail, Switch(SwitchKind::Check, true, over));
        switches.Add("radio_off" + tail, Switch(SwitchKind::Radio, false, over));
        switches.Add("radio_on" + tail, Switch(SwitchKind::Radio, true, over));
        switches.Add("arrow_left" + tail, Switch(SwitchKind::Left, false, over));
        switches.Add("arrow_right" + tail, Switch(SwitchKind::Right, false, over));
    }
    switches.Write(sink, "gfx/gui/options/switches.png", "options switches: tick boxes and radio buttons");
    sink.Png("gfx/gui/popUp/panel.png", QuestionPanel().get(), "yes/no question panel, handle (260,504)");
    sink.Png("gfx/gui/enterText/panel.png", NamePanel().get(), "name entry panel, centred at (512,344)");
    sink.Png("gfx/gui/profileManager/panel.png", ManagerPanel().get(),
             "profile manager panel with its list, handle (300,680)");
    sink.Jpg("gfx/gui/credits/background.jpg", CreditsBackground().get(), "credits background at (0,0)");
}

}  // namespace art
