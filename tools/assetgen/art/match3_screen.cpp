// The match-3 screen around the board: time bar, power-up bar with its slots,
// frames and planks, the aimed tools, the flying bomb, the resource counters.
#include "chip_shapes.h"
#include "families.h"
#include "tool_shapes.h"

#include <cmath>

namespace art {

namespace {

const char* kToolNames[] = {"hammer", "hourglass", "pickaxe", "dynamite", "bomb", "color"};
constexpr int kSlot = 80;

void TimeBar(Sink& sink) {
    // The window of the frame is exactly the backing: 500x44 at (500,12); the bar
    // sits 2 px inside it at (502,14).
    SurfacePtr back = NewSurface(500, 44);
    {
        Ctx cr(back.get());
        const PathFn groove = [](cairo_t* c) { RoundedRect(c, 0, 0, 500, 44, 8); };
        groove(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 44);
        AddStop(g, 0, Hex(0x1E120A));
        AddStop(g, 1, Hex(0x3E2614));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        InnerShade(cr, groove, Rgb{0, 0, 0}, 4, 4, 0.7);
    }
    sink.Png("gfx/gui/mainGame/timeBack.png", back.get(), "time bar backing, at (500,12)");
    auto bar = [&](Rgb top, Rgb bottom, const char* file, const char* purpose) {
        SurfacePtr s = NewSurface(496, 40);
        Ctx cr(s.get());
        RoundedRect(cr, 0, 0, 496, 40, 7);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 40);
        AddStop(g, 0, Lighter(top, 0.35));
        AddStop(g, 0.45, top);
        AddStop(g, 1, bottom);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        // Gloss and faint stripes that give the bar some life when it shrinks.
        RoundedRect(cr, 6, 3, 484, 13, 6);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
        cairo_fill(cr);
        for (int x = -40; x < 496; x += 24) {
            cairo_move_to(cr, x, 40);
            cairo_line_to(cr, x + 14, 0);
            cairo_line_to(cr, x + 24, 0);
            cairo_line_to(cr, x + 10, 40);
            cairo_close_path(cr);
        }
        cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
        cairo_fill(cr);
        sink.Png(file, s.get(), purpose);
    };
    // Deep enough that the white "Time" over either bar reads at 3:1.
    bar(Hex(0x70A42E), Hex(0x305F12), "gfx/gui/mainGame/timeBar.png",
        "level clock bar, at (502,14), cut from the left");
    bar(Hex(0x4A9CD8), Hex(0x1A5094), "gfx/gui/mainGame/timeBar2.png", "hourglass bar, at (502,14)");
    SurfacePtr frame = NewSurface(532, 70);
    {
        Ctx cr(frame.get());
        WoodPanel(cr, 2, 1, 528, 66, 18, 14, 300, false);
        // Open the window exactly over the backing (500x44 at 16,12).
        RoundedRect(cr, 16, 12, 500, 44, 8);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        RoundedRect(cr, 16, 12, 500, 44, 8);
        cairo_set_source_rgba(cr, 0.15, 0.07, 0.02, 0.9);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        // Brass studs.
        for (double x : {8.0, 524.0}) {
            const PathFn stud = [x](cairo_t* c) { cairo_arc(c, x, 34, 3.5, 0, 2 * M_PI); };
            Cabochon(cr, stud, x - 3.5, 30.5, 7, 7, Hex(0xE0B040));
        }
    }
    sink.Png("gfx/gui/mainGame/timeBarFrame.png", frame.get(),
             "time bar frame, at (484,0), window over the bar");
}

void SlotBackground(cairo_t* cr, int mode) {
    // mode 0 empty (dim recess), 1 charged (warm light), 2 hover (brighter).
    const PathFn sq = [](cairo_t* c) { cairo_rectangle(c, 0, 0, kSlot, kSlot); };
    cairo_pattern_t* g = cairo_pattern_create_radial(40, 38, 4, 40, 40, 60);
    if (mode == 0) {
        AddStop(g, 0, Hex(0x4A3A2C));
        AddStop(g, 1, Hex(0x1E1610));
    } else {
        AddStop(g, 0, mode == 2 ? Hex(0xFFF2B0) : Hex(0xFBD77A));
        AddStop(g, 0.6, mode == 2 ? Hex(0xF0A830) : Hex(0xC8822C));
        AddStop(g, 1, Hex(0x6A3A14));
    }
    sq(cr);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    InnerShade(cr, sq, Rgb{0, 0, 0}, 5, 6, 0.6);
}

SurfacePtr SlotPicture(int tool, int mode) {
    SurfacePtr s = NewSurface(kSlot, kSlot);
    Ctx cr(s.get());
    SlotBackground(cr, mode);
    if (mode == 0) {
        // The tool as a pale carving in the empty slot.
        cairo_push_group(cr);
        DrawTool(cr, tool, 40, 40, 62);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.3);
        cairo_set_source_rgba(cr, 0.35, 0.28, 0.22, 0.55);
        cairo_set_operator(cr, CAIRO_OPERATOR_HSL_SATURATION);
        cairo_paint(cr);
    } else {
        const PathFn disc = [](cairo_t* c) { cairo_arc(c, 40, 40, 26, 0, 2 * M_PI); };
        if (mode == 2) Glow(cr, disc, Hex(0xFFFFE0), 10, 0.8);
        DropShadow(
            cr, [tool](cairo_t* c) { DrawTool(c, tool, 40, 40, 64); }, 2, 3, 3, 0.5);
        DrawTool(cr, tool, 40, 40, mode == 2 ? 68 : 64);
    }
    return s;
}

SurfacePtr SlotFrame() {
    SurfacePtr s = NewSurface(96, 100);
    Ctx cr(s.get());
    WoodPanel(cr, 1, 1, 94, 98, 12, 10, 600, false);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, 8, 10, kSlot, kSlot);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_rectangle(cr, 8, 10, kSlot, kSlot);
    cairo_set_source_rgba(cr, 0.15, 0.07, 0.02, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double x : {5.0, 91.0})
        for (double y : {6.0, 94.0}) {
            const PathFn nail = [=](cairo_t* c) { cairo_arc(c, x, y, 2.5, 0, 2 * M_PI); };
            Cabochon(cr, nail, x - 2.5, y - 2.5, 5, 5, Hex(0xB0B4BC));
        }
    return s;
}

SurfacePtr Backing() {
    SurfacePtr s = NewSurface(730, 84);
    Ctx cr(s.get());
    // A long beam the slots hang on, with two ropes.
    const PathFn beam = [](cairo_t* c) { RoundedRect(c, 2, 20, 726, 44, 10); };
    DropShadow(cr, beam, 2, 4, 6, 0.6);
    {
        Saved sv(cr);
        beam(cr);
        cairo_clip(cr);
        WoodGrain(cr, 2, 20, 726, 44, Hex(0x7A4A28), 901);
    }
    Bevel(cr, beam, 2, 0.45, 0.5);
    beam(cr);
    cairo_set_source_rgba(cr, 0.15, 0.07, 0.02, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    return s;
}

// Boards nailed over a locked slot; their places are fixed by the screen.
struct PlankDef {
    int px, py;  // listed point; the picture's top-left lies 5 px below it
};
const PlankDef kPlanks[6][3] = {
    {{24, 716}, {16, 665}, {20, 691}},    {{142, 661}, {141, 662}, {0, 0}},
    {{289, 663}, {278, 688}, {274, 715}}, {{412, 716}, {411, 668}, {410, 690}},
    {{542, 667}, {542, 697}, {543, 723}}, {{669, 666}, {669, 682}, {673, 713}},
};

SurfacePtr Plank(int slot, int k) {
    const int slotX = 130 * slot + 29;
    const PlankDef& d = kPlanks[slot][k];
    double len, angle;
    if (slot == 1) {
        len = 130;
        angle = k == 0 ? 0.72 : -0.72;  // two boards nailed crosswise
    } else {
        len = kSlot + 2.0 * (slotX - d.px) + 4;
        angle = ((slot * 3 + k) % 2 ? 1 : -1) * (0.04 + 0.03 * ((slot + k) % 3));
    }
    const double th = 20;
    const int w =
        static_cast<int>(std::ceil(std::abs(len * std::cos(angle)) + std::abs(th * std::sin(angle)))) + 6;
    const int h =
        static_cast<int>(std::ceil(std::abs(len * std::sin(angle)) + std::abs(th * std::cos(angle)))) + 6;
    SurfacePtr s = NewSurface(w, h);
    Ctx cr(s.get());
    cairo_translate(cr, w / 2.0, h / 2.0);
    cairo_rotate(cr, angle);
    const PathFn board = [=](cairo_t* c) {
        cairo_move_to(c, -len / 2, -th / 2 + 1);
        cairo_line_to(c, len / 2 - 2, -th / 2);
        cairo_line_to(c, len / 2, th / 2 - 2);
        cairo_line_to(c, -len / 2 + 3, th / 2);
        cairo_close_path(c);
    };
    DropShadow(cr, board, 2, 3, 3, 0.55);
    {
        Saved sv(cr);
        board(cr);
        cairo_clip(cr);
        WoodGrain(cr, -len / 2, -th / 2, len, th, Hex(0xA77446), 1000 + slot * 10 + k);
    }
    Bevel(cr, board, 1.5, 0.4, 0.45);
    board(cr);
    SetRgb(cr, Hex(0x3A1E0C));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (double x : {-len / 2 + 8, len / 2 - 8}) {
        const PathFn nail = [x](cairo_t* c) { cairo_arc(c, x, 0, 2.2, 0, 2 * M_PI); };
        Cabochon(cr, nail, x - 2.2, -2.2, 4.4, 4.4, Hex(0x9AA0A8));
    }
    return s;
}

void PowerUps(Sink& sink) {
    sink.Png("gfx/gui/mainGame/power-up-back.png", Backing().get(), "power-up bar backing, at (29,680)");
    sink.Png("gfx/gui/mainGame/power-up-frame.png", SlotFrame().get(),
             "frame over each power-up slot, at (x-8,y-10)");
    for (int t = 0; t < 6; ++t) {
        const std::string base = std::string("gfx/gui/mainGame/power-up-") + kToolNames[t];
        sink.Png(base + ".png", SlotPicture(t, 0).get(),
                 std::string("power-up slot empty/locked: ") + kToolNames[t]);
        sink.Png(base + "-normal.png", SlotPicture(t, 1).get(),
                 std::string("power-up slot charged: ") + kToolNames[t]);
        sink.Png(base + "-over.png", SlotPicture(t, 2).get(),
                 std::string("power-up slot hovered: ") + kToolNames[t]);
        for (int k = 0; k < 3; ++k) {
            if (t == 1 && k == 2) continue;  // the hourglass slot has two boards
            sink.Png("gfx/gui/mainGame/plank-" + std::to_string(t) + "-" + std::to_string(k) + ".png",
                     Plank(t, k).get(), "board nailed over a locked power-up slot");
        }
        SurfacePtr icon = NewSurface(72, 72);
        {
            Ctx cr(icon.get());
            const PathFn disc = [](cairo_t* c) { cairo_arc(c, 36, 36, 32, 0, 2 * M_PI); };
            DropShadow(cr, disc, 2, 3, 4, 0.5);
            Cabochon(cr, disc, 4, 4, 64, 64, Hex(0xC8822C));
            DrawTool(cr, t, 36, 36, 56);
        }
        sink.Png("gfx/gui/research/powerUpIcon" + std::to_string(t) + ".png", icon.get(),
                 std::string("research icon: ") + kToolNames[t]);
    }
}

void Tools(Sink& sink) {
    const char* files[] = {"hammer", nullptr, "pickaxe", "dynamite", nullptr, "color"};
    for (int t = 0; t < 6; ++t) {
        if (!files[t]) continue;
        SurfacePtr s = NewSurface(72, 72);
        {
            Ctx cr(s.get());
            DropShadow(
                cr, [t](cairo_t* c) { DrawTool(c, t, 36, 36, 64); }, 3, 5, 4, 0.5);
            DrawTool(cr, t, 36, 36, 64);
        }
        sink.Png(std::string("gfx/gui/mainGame/") + files[t] + ".png", s.get(),
                 std::string("aimed tool following the mouse: ") + files[t]);
    }
    SurfacePtr bomb = NewSurface(44, 44);
    {
        Ctx cr(bomb.get());
        DrawBomb(cr, 22, 23, 42, true);
    }
    sink.Png("gfx/gui/mainGame/bomb.png", bomb.get(), "bomb flying to a chip");
    SurfacePtr glow = NewSurface(72, 72);
    {
        Ctx cr(glow.get());
        cairo_pattern_t* g = cairo_pattern_create_radial(36, 36, 4, 36, 36, 36);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.5, 1);
        cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 0.45, 0.1, 0.55);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.2, 0, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    sink.Png("gfx/gui/mainGame/bomb-Glow.png", glow.get(),
             "glow pulsing over the flying bomb (light blending)");
}

void Resources(Sink& sink) {
    const char* names[] = {"wood", "food", "gold", "rock"};
    for (int n = 0; n < 4; ++n) {
        SurfacePtr s = NewSurface(76, 64);
        {
            Ctx cr(s.get());
            const auto draw = [n](cairo_t* c) {
                if (n == 0) DrawWood(c, 38, 32, 60, 2);
                if (n == 1) DrawFood(c, 38, 32, 62, 3);
                if (n == 2) DrawGold(c, 38, 32, 60, 4);
                if (n == 3) DrawRock(c, 38, 32, 58, 1);
            };
            DropShadow(cr, draw, 2, 3, 3, 0.55);
            draw(cr);
        }
        sink.Png(std::string("gfx/gui/res_") + names[n] + ".png", s.get(),
                 std::string("resource icon above its counter: ") + names[n]);
    }
    // The counter: a small wooden sign with a parchment strip for the number,
    // centred on x + 38 of the panel; the number is drawn at local y 34.
    SurfacePtr c = NewSurface(104, 60);
    {
        Ctx cr(c.get());
        WoodPanel(cr, 6, 14, 92, 44, 10, 8, 1200, true);
    }
    sink.Png("gfx/gui/res_counter.png", c.get(), "resource counter plaque, at (x-14,y+50) of its panel");
}

}  // namespace

void DrawMatch3Screen(Sink& sink) {
    TimeBar(sink);
    PowerUps(sink);
    Tools(sink);
    Resources(sink);
}

}  // namespace art
