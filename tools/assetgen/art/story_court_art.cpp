// Intro scenes 3 and 7: the town in holiday bunting, the crowd, the King's
// cart with its turning wheel, Wren rising into view and her dream of the
// village rebuilt; the King again, laughing.
#include "story_art.h"
#include "story_paper.h"

#include <array>
#include <cmath>
#include <vector>

namespace art {
namespace story {

namespace {
const std::string kDir = "gfx/story/intro/";
const Rgb kFlags[4] = {Hex(0xC8463A), Hex(0xE8B04A), Hex(0x3E8A8A), Hex(0xF2E2C0)};

// A garland of paper flags hanging between x0 and x1 from height y.
void Bunting(cairo_t* cr, double x0, double x1, double y, double sag) {
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x0, y);
    cairo_curve_to(cr, x0 + (x1 - x0) / 3, y + sag, x0 + 2 * (x1 - x0) / 3, y + sag, x1, y);
    cairo_stroke(cr);
    int i = 0;
    for (double x = x0 + 14; x < x1 - 14; x += 34, i++) {
        const double t = (x - x0) / (x1 - x0);
        const double yy = y + sag * 4 * t * (1 - t) * 0.75;
        const PathFn flag = [x, yy](cairo_t* c) {
            cairo_move_to(c, x - 12, yy);
            cairo_line_to(c, x + 12, yy);
            cairo_line_to(c, x, yy + 30);
            cairo_close_path(c);
        };
        PaperFill(cr, flag, kFlags[i % 4], 0.3, 0.2);
    }
}

// A spoked cart wheel around (cx, cy), as a path.
void WheelPath(cairo_t* c, double cx, double cy, double r) {
    const double rim = r * 0.16;
    for (int i = 0; i < 24; i++) {
        const double a0 = i * M_PI / 12, a1 = (i + 1.2) * M_PI / 12;
        cairo_move_to(c, cx + r * std::cos(a0), cy + r * std::sin(a0));
        cairo_arc(c, cx, cy, r, a0, a1);
        cairo_line_to(c, cx + (r - rim) * std::cos(a1), cy + (r - rim) * std::sin(a1));
        cairo_arc_negative(c, cx, cy, r - rim, a1, a0);
        cairo_close_path(c);
    }
    for (int i = 0; i < 8; i++) {
        const double a = i * M_PI / 4, w = r * 0.06;
        const double px = -std::sin(a) * w, py = std::cos(a) * w;
        cairo_move_to(c, cx + px, cy + py);
        cairo_line_to(c, cx + (r - rim / 2) * std::cos(a) + px, cy + (r - rim / 2) * std::sin(a) + py);
        cairo_line_to(c, cx + (r - rim / 2) * std::cos(a) - px, cy + (r - rim / 2) * std::sin(a) - py);
        cairo_line_to(c, cx - px, cy - py);
        cairo_close_path(c);
    }
    cairo_new_sub_path(c);
    cairo_arc(c, cx, cy, r * 0.2, 0, 2 * M_PI);
}

// The King on his cart; `laugh` leans him forward with both arms up.
void KingOnCart(cairo_t* cr, bool laugh) {
    const double dy = laugh ? 19 : 0;
    InkFill(cr, [&](cairo_t* c) {
        RoundedRect(c, 20, 150, 340, 95, 10);
        cairo_rectangle(c, 36, 12, 8, 140);
        cairo_move_to(c, 44, 14);
        cairo_line_to(c, 110, 34);
        cairo_line_to(c, 44, 54);
        cairo_close_path(c);
        // Throne back, robe, head, beard and crown.
        cairo_move_to(c, 150, 160);
        cairo_curve_to(c, 150, 40, 280, 40, 280, 160);
        cairo_close_path(c);
        cairo_move_to(c, 185, 70 + dy);
        cairo_line_to(c, 245, 70 + dy);
        cairo_line_to(c, 290, 155);
        cairo_line_to(c, 145, 155);
        cairo_close_path(c);
        cairo_new_sub_path(c);
        cairo_arc(c, 213, 45 + dy, 22, 0, 2 * M_PI);
        cairo_move_to(c, 196, 54 + dy);
        cairo_line_to(c, 230, 54 + dy);
        cairo_line_to(c, 213, 92 + dy);
        cairo_close_path(c);
        cairo_move_to(c, 192, 28 + dy);
        for (int i = 0; i <= 4; i++) {
            cairo_line_to(c, 192 + i * 10.5, 2 + dy);
            if (i < 4) cairo_line_to(c, 197 + i * 10.5, 18 + dy);
        }
        cairo_line_to(c, 234, 28 + dy);
        cairo_close_path(c);
        WheelPath(c, 310, 257, 52);
        if (laugh) {
            RoundedRect(c, 150, 70 + dy, 14, 14, 6);
            cairo_move_to(c, 186, 80 + dy);
            cairo_line_to(c, 150, 20);
            cairo_line_to(c, 162, 14);
            cairo_line_to(c, 196, 78 + dy);
            cairo_close_path(c);
            cairo_move_to(c, 240, 80 + dy);
            cairo_line_to(c, 280, 18);
            cairo_line_to(c, 292, 26);
            cairo_line_to(c, 250, 88 + dy);
            cairo_close_path(c);
        } else {
            // The sceptre raised in greeting.
            cairo_move_to(c, 240, 80);
            cairo_line_to(c, 284, 44);
            cairo_line_to(c, 292, 54);
            cairo_line_to(c, 250, 92);
            cairo_close_path(c);
            cairo_rectangle(c, 287, 0, 5, 60);
            cairo_new_sub_path(c);
            cairo_arc(c, 289.5, 0 + 6, 7, 0, 2 * M_PI);
        }
    });
    // Cut-out eyes and the gold of the crown let the light through.
    SetRgb(cr, kGlow);
    for (double ex : {204.0, 222.0}) {
        cairo_save(cr);
        cairo_translate(cr, ex, 39 + dy);
        cairo_scale(cr, 4.5, 3);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_fill(cr);
    }
    if (laugh) {
        cairo_arc(cr, 213, 60 + dy, 8, 0, M_PI);
        cairo_fill(cr);
    }
    SetRgb(cr, Hex(0xE8B04A));
    for (int i = 0; i < 3; i++) {
        cairo_arc(cr, 198 + i * 15, 23 + dy, 3, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    for (int i = 0; i < 5; i++) {
        cairo_arc(cr, 60 + i * 62, 198, 12, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

// The dream in the bubble: Brambleton rebuilt, warm windows and coloured roofs.
void DreamVillage(cairo_t* cr) {
    Sky(cr, 720, 380, Hex(0xF6D7A8), Hex(0xFBE9C8), 480, 150, 26);
    PaperFill(
        cr, [](cairo_t* c) { RidgePath(c, 720, 380, 220, 20, 31, 500); }, Hex(0x9DB870), 0.3, 0.2);
    const Rgb roofs[3] = {Hex(0xB8463A), Hex(0xC88A3A), Hex(0x6A5A8A)};
    for (int i = 0; i < 6; i++) {
        const double x = 90 + i * 86, ground = 250 + (i % 2) * 12, w = 56, h = 36 + (i % 3) * 8;
        PaperFill(
            cr, [=](cairo_t* c) { cairo_rectangle(c, x, ground - h, w, h); }, Hex(0xF2E0C0), 0.2, 0.2);
        PaperFill(
            cr,
            [=](cairo_t* c) {
                cairo_move_to(c, x - 8, ground - h);
                cairo_line_to(c, x + w / 2, ground - h - 30);
                cairo_line_to(c, x + w + 8, ground - h);
                cairo_close_path(c);
            },
            roofs[i % 3], 0.3, 0.2);
        CottageWindows(cr, x, ground, w, h, Hex(0xFFC860));
    }
    PaperFill(
        cr, [](cairo_t* c) { Tower(c, 330, 236, 40, 110); }, Hex(0x8A6A5A), 0.3, 0.2);
}

void Bubble(Sink& sink) {
    SurfacePtr s = NewSurface(720, 380);
    Ctx cr(s.get());
    const PathFn cloud = [](cairo_t* c) {
        const double blobs[][3] = {{120, 170, 100}, {250, 118, 100}, {400, 116, 106}, {540, 140, 100},
                                   {600, 210, 75},  {470, 230, 90},  {300, 235, 95},  {150, 235, 70}};
        for (const auto& b : blobs) {
            cairo_new_sub_path(c);
            cairo_arc(c, b[0], b[1], b[2], 0, 2 * M_PI);
        }
        for (const auto& b : {std::array<double, 3>{612, 318, 18}, {652, 344, 11}, {684, 360, 6}}) {
            cairo_new_sub_path(c);
            cairo_arc(c, b[0], b[1], b[2], 0, 2 * M_PI);
        }
    };
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    PaperFill(cr, cloud, Hex(0xFBEBD0), 0.3, 0.45);
    {
        Saved keep(cr);
        cairo_new_path(cr);
        cairo_arc(cr, 340, 175, 150, 0, 2 * M_PI);
        cairo_clip(cr);
        cairo_translate(cr, 340 - 360, 175 - 190);
        DreamVillage(cr);
    }
    SetRgb(cr, Hex(0xC89A60));
    cairo_set_line_width(cr, 5);
    cairo_arc(cr, 340, 175, 150, 0, 2 * M_PI);
    cairo_stroke(cr);
    sink.Png(kDir + "scene-3/buble.png", s.get(),
             "intro scene 3: Wren's dream of the village, handle (691, 365)");
}

void SceneThreeLayers(Sink& sink) {
    const std::string dir = kDir + "scene-3/";
    const int w = 3072;
    {
        SurfacePtr s = NewSurface(w, 768);
        Ctx cr(s.get());
        Sky(cr, w, 768, Hex(0x86A8C8), Hex(0xFAD8A0), 1500, 260, 44);
        PaperFill(
            cr,
            [](cairo_t* c) {
                RidgePath(c, 3072, 768, 380, 50, 32, 500);
                Tower(c, 1320, 330, 60, 120);
                Tower(c, 1480, 320, 70, 150);
                cairo_rectangle(c, 1360, 250, 140, 90);
                Tower(c, 1640, 335, 55, 110);
            },
            Tone(0));
        for (int k = 0; k < 6; k++) {
            SurfacePtr tile = NewSurface(512, 768);
            {
                Ctx t(tile.get());
                cairo_set_source_surface(t, s.get(), -k * 512, 0);
                cairo_paint(t);
            }
            const std::string rel = dir + "layer-1-" + std::to_string(k) + (k == 2 ? ".png" : ".jpg");
            const std::string what = "intro scene 3: sky and the castle, tiles of 512";
            if (k == 2) {
                sink.Png(rel, tile.get(), what);
            } else {
                sink.Jpg(rel, tile.get(), what);
            }
        }
    }
    {
        SurfacePtr s = NewSurface(w, 768);
        Ctx cr(s.get());
        std::vector<std::array<double, 4>> houses;
        for (int i = 0; i < 34; i++)
            houses.push_back({20.0 + i * 90, 470.0 - (i % 3) * 6, 64.0 + (i % 2) * 12, 60.0 + (i % 4) * 14});
        PaperFill(
            cr,
            [&](cairo_t* c) {
                cairo_rectangle(c, 0, 470, w, 298);
                for (auto& h : houses) Cottage(c, h[0], h[1], h[2], h[3], true);
            },
            Tone(2));
        for (auto& h : houses) CottageWindows(cr, h[0], h[1], h[2], h[3], Hex(0xFFD27A));
        for (int i = 0; i < 6; i++) Bunting(cr, 40 + i * 512, 500 + i * 512, 330, 40);
        Haze(cr, w, 440, 768, 0.3);
        WriteTiles(sink, s.get(), 512, dir + "layer-2-", ".png", "intro scene 3: the town, tiles of 512");
    }
    {
        SurfacePtr s = NewSurface(w, 596);
        Ctx cr(s.get());
        PaperFill(
            cr,
            [](cairo_t* c) {
                cairo_rectangle(c, 0, 400, 3072, 196);
                for (int i = 0; i < 70; i++)
                    Person(c, 20 + i * 44 + (i % 3) * 5, 404, 1.0 + (i % 4) * 0.06, i % 4);
            },
            Tone(3));
        WriteTiles(sink, s.get(), 512, dir + "layer-3-", ".png",
                   "intro scene 3: the crowd behind the road, tiles of 512");
    }
    {
        SurfacePtr s = NewSurface(w, 768);
        Ctx cr(s.get());
        InkFill(
            cr,
            [](cairo_t* c) {
                for (int i = 0; i < 40; i++)
                    Bust(c, 30 + i * 78 + (i % 2) * 12, 790, 1.3 + (i % 3) * 0.1, i % 4);
            },
            Tone(5));
        for (int i = 0; i < 3; i++) Bunting(cr, i * 1024, i * 1024 + 1024, 118, 70);
        WriteTiles(sink, s.get(), 1024, dir + "layer-4-", ".png",
                   "intro scene 3: the crowd in front, tiles of 1024");
    }
}

void SceneThreeFigures(Sink& sink) {
    const std::string dir = kDir + "scene-3/";
    {
        SurfacePtr s = NewSurface(380, 340);
        Ctx cr(s.get());
        KingOnCart(cr, false);
        sink.Png(dir + "king.png", s.get(), "intro scene 3: King Oswin on his cart");
    }
    {
        SurfacePtr s = NewSurface(380, 340);
        Ctx cr(s.get());
        KingOnCart(cr, true);
        sink.Png(kDir + "scene-7/king.png", s.get(), "intro scene 7: King Oswin laughing");
    }
    {
        SurfacePtr s = NewSurface(40, 14);
        Ctx cr(s.get());
        SetRgb(cr, kInk);
        for (double ex : {11.0, 29.0}) {
            cairo_save(cr);
            cairo_translate(cr, ex, 7);
            cairo_scale(cr, 6.5, 4.5);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_fill(cr);
        }
        sink.Png(dir + "eyes.png", s.get(), "intro scene 3: the King's eyelids (blink)");
    }
    {
        SurfacePtr s = NewSurface(146, 150);
        Ctx cr(s.get());
        InkFill(cr, [](cairo_t* c) { WheelPath(c, 73, 75, 68); });
        SetRgb(cr, Hex(0xE8B04A));
        cairo_arc(cr, 73, 75, 12, 0, 2 * M_PI);
        cairo_fill(cr);
        sink.Png(dir + "wheel.png", s.get(), "intro scene 3: the cart's wheel, handle (73, 75)");
    }
    {
        // Wren from the shoulders up, in Grandpa's helmet, a hand raised to the King.
        SurfacePtr s = NewSurface(300, 330);
        Ctx cr(s.get());
        InkFill(
            cr,
            [](cairo_t* c) {
                Saved keep(c);
                cairo_translate(c, 150, 0);
                cairo_scale(c, -1, 1);
                Bust(c, 0, 330, 2.2, 3);
                cairo_new_sub_path(c);
                cairo_save(c);
                cairo_translate(c, 0, 330 - 92 * 2.2 - 20);
                cairo_scale(c, 60, 44);
                cairo_arc(c, 0, 0, 1, M_PI, 2 * M_PI);
                cairo_restore(c);
                cairo_close_path(c);
                RoundedRect(c, -70, 330 - 92 * 2.2 - 24, 140, 12, 6);
                // Her nose toward the King, a braid behind and the helmet's plume.
                const double headY = 330 - 92 * 2.2;
                cairo_move_to(c, 50, headY - 8);
                cairo_line_to(c, 70, headY + 14);
                cairo_line_to(c, 50, headY + 18);
                cairo_close_path(c);
                cairo_move_to(c, -48, headY + 10);
                cairo_curve_to(c, -80, headY + 40, -70, headY + 90, -84, headY + 120);
                cairo_curve_to(c, -60, headY + 100, -56, headY + 50, -36, headY + 24);
                cairo_close_path(c);
                cairo_move_to(c, -6, headY - 62);
                cairo_curve_to(c, -40, headY - 110, -100, headY - 100, -118, headY - 60);
                cairo_curve_to(c, -84, headY - 84, -48, headY - 80, 6, headY - 58);
                cairo_close_path(c);
            },
            Hex(0x24120E));
        SetRgb(cr, kGlow);
        cairo_arc(cr, 138, 330 - 92 * 2.2 + 4, 5, 0, 2 * M_PI);
        cairo_fill(cr);
        // Grandpa's helmet catches the light, as it did on its post.
        const double domeY = 330 - 92 * 2.2 - 20;
        cairo_save(cr);
        cairo_translate(cr, 150, domeY);
        cairo_scale(cr, 60, 44);
        cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
        cairo_restore(cr);
        cairo_close_path(cr);
        RoundedRect(cr, 80, domeY - 4, 140, 12, 6);
        cairo_pattern_t* metal = cairo_pattern_create_linear(100, domeY - 44, 200, domeY + 8);
        AddStop(metal, 0, Hex(0xE8C090));
        AddStop(metal, 0.45, Hex(0x7A6058));
        AddStop(metal, 1, Hex(0x2A1A18));
        cairo_set_source(cr, metal);
        cairo_fill(cr);
        cairo_pattern_destroy(metal);
        sink.Png(dir + "hero.png", s.get(),
                 "intro scene 3: Wren rising into view, handle at the bottom centre");
    }
    Bubble(sink);
}
}  // namespace

void DrawIntroCourtArt(Sink& sink) {
    SceneThreeLayers(sink);
    SceneThreeFigures(sink);
}

}  // namespace story
}  // namespace art
