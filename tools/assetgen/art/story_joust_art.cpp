// Intro scenes 4, 5 and 6: the meadow of the bees and the Baron's sneeze, the
// riders across the tilting fence, and the joust in close-up.
#include "story_art.h"
#include "story_paper.h"

#include <cmath>

namespace art {
namespace story {

namespace {
const std::string kDir = "gfx/story/intro/";
const Rgb kHills[3] = {Hex(0xE9B98E), Hex(0xB97E5E), Hex(0x6E4A40)};

// A sunny meadow: sky, two rows of hills and grass in front; seeds vary it.
void Meadow(cairo_t* cr, int w, int h, std::uint64_t seed, double sunX) {
    Sky(cr, w, h, Hex(0x88B0D0), Hex(0xFBDDA8), sunX, 250, 40);
    PaperFill(
        cr, [&](cairo_t* c) { RidgePath(c, w, h, 400, 40, seed, 420); }, kHills[0]);
    PaperFill(
        cr,
        [&](cairo_t* c) {
            RidgePath(c, w, h, 500, 30, seed + 1, 300);
            for (int i = 0; i < 5; i++) RoundTree(c, 80 + i * 210 + (seed % 7) * 9, 500, 120 + (i % 2) * 40);
        },
        kHills[1]);
    PaperFill(
        cr,
        [&](cairo_t* c) {
            RidgePath(c, w, h, 610, 10, seed + 2, 500);
            GrassTufts(c, 0, w, 612, 40, seed + 3);
        },
        kHills[2]);
}

// The Baron, facing left, from the waist up: `mood` 0 smug, 1 startled, 2 sneezing.
void Baron(cairo_t* cr, int mood) {
    const double lean = mood == 2 ? -18 : (mood == 1 ? 8 : 0);
    InkFill(
        cr,
        [&](cairo_t* c) {
            // Body and belly.
            cairo_move_to(c, 180, 560);
            cairo_curve_to(c, 150, 400, 170, 200, 230, 160);
            cairo_curve_to(c, 260, 140, 340, 140, 370, 160);
            cairo_curve_to(c, 430, 200, 440, 400, 430, 560);
            cairo_close_path(c);
            // Arms folded over the belly.
            RoundedRect(c, 180, 300, 240, 52, 24);
            Saved keep(c);
            cairo_translate(c, lean, mood == 2 ? 10 : 0);
            // Head with its big nose (tip at (254, 88)) and moustache.
            cairo_new_sub_path(c);
            cairo_arc(c, 300, 100, 46, 0, 2 * M_PI);
            cairo_new_sub_path(c);
            cairo_arc(c, 266, 92, 16, 0, 2 * M_PI);
            cairo_move_to(c, 290, 118);
            cairo_curve_to(c, 270, 112, 240, 126, 228, 140);
            cairo_curve_to(c, 256, 132, 276, 136, 300, 126);
            cairo_close_path(c);
            // Hat with a wide brim and a feather.
            cairo_save(c);
            cairo_translate(c, 300, 58);
            cairo_scale(c, 78, 12);
            cairo_new_sub_path(c);
            cairo_arc(c, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(c);
            RoundedRect(c, 262, 16, 76, 46, 14);
            cairo_move_to(c, 330, 30);
            cairo_curve_to(c, 380, -10, 420, 10, 432, 40);
            cairo_curve_to(c, 400, 24, 370, 26, 336, 44);
            cairo_close_path(c);
        },
        Hex(0x281410));
    Saved keep(cr);
    cairo_translate(cr, lean, mood == 2 ? 10 : 0);
    SetRgb(cr, kGlow);
    if (mood == 2) {
        cairo_set_line_width(cr, 3);
        cairo_move_to(cr, 282, 84);
        cairo_line_to(cr, 298, 88);
        cairo_stroke(cr);
        // The sneeze bursts out in front of the nose.
        for (int i = 0; i < 6; i++) {
            const double a = M_PI + (i - 2.5) * 0.25;
            cairo_move_to(cr, 240 + 14 * std::cos(a), 96 + 14 * std::sin(a));
            cairo_line_to(cr, 240 + 44 * std::cos(a), 96 + 44 * std::sin(a));
        }
        cairo_stroke(cr);
    } else {
        cairo_save(cr);
        cairo_translate(cr, 290, 84);
        cairo_scale(cr, 6, mood == 1 ? 7 : 2.5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_fill(cr);
    }
}

void SceneFour(Sink& sink) {
    const std::string dir = kDir + "scene-4/";
    for (int k = 0; k < 2; k++) {
        SurfacePtr s = NewSurface(1024, 768);
        Ctx cr(s.get());
        // One long meadow over two pictures: the second goes on where the first ends.
        cairo_translate(cr, -1024.0 * k, 0);
        Meadow(cr, 2048, 768, 41, 900);
        if (k == 0) {
            // Straw skeps on a bench: the bees' homes.
            PaperFill(
                cr,
                [](cairo_t* c) {
                    cairo_rectangle(c, 600, 560, 260, 16);
                    cairo_rectangle(c, 620, 576, 12, 50);
                    cairo_rectangle(c, 830, 576, 12, 50);
                    for (int i = 0; i < 3; i++) {
                        cairo_new_sub_path(c);
                        cairo_arc(c, 650 + i * 80, 560, 36, M_PI, 2 * M_PI);
                    }
                },
                Hex(0xC8923A), 0.4, 0.3);
        } else {
            PaperFill(
                cr,
                [](cairo_t* c) {
                    for (int i = 0; i < 8; i++) cairo_rectangle(c, 1100 + i * 110, 540, 12, 80);
                    cairo_rectangle(c, 1090, 556, 800, 10);
                    cairo_rectangle(c, 1090, 590, 800, 10);
                },
                kInk);
        }
        sink.Jpg(dir + "back-" + std::to_string(k) + ".jpg", s.get(),
                 "intro scene 4: the meadow, half " + std::to_string(k));
    }
    {
        SurfacePtr s = NewSurface(260, 470);
        Ctx cr(s.get());
        InkFill(
            cr,
            [](cairo_t* c) {
                Person(c, 130, 468, 2.6, 1);
                cairo_new_sub_path(c);
                cairo_save(c);
                cairo_translate(c, 130, 468 - 166 * 2.6 + 16);
                cairo_scale(c, 46, 36);
                cairo_arc(c, 0, 0, 1, M_PI, 2 * M_PI);
                cairo_restore(c);
                cairo_close_path(c);
            },
            Hex(0x24120E));
        sink.Png(dir + "hero.png", s.get(), "intro scene 4: Wren by the hives, handle at the bottom left");
    }
    for (int mood = 0; mood < 3; mood++) {
        SurfacePtr s = NewSurface(440, 560);
        Ctx cr(s.get());
        Baron(cr, mood);
        sink.Png(dir + "enemy" + std::to_string(mood) + ".png", s.get(),
                 "intro scene 4: Baron Grimsby (smug, startled, sneezing), handle at the bottom left");
    }
    {
        SurfacePtr s = NewSurface(70, 16);
        Ctx cr(s.get());
        SetRgb(cr, Hex(0xF0C860));
        cairo_set_line_width(cr, 2);
        for (int i = 0; i < 4; i++) {
            cairo_move_to(cr, 2, 8 + (i - 1.5) * 2);
            cairo_curve_to(cr, 24, 4 + i * 2.5, 48, 12 - i * 2, 68, 6 + i * 1.5);
            cairo_stroke(cr);
        }
        sink.Png(dir + "straw.png", s.get(), "intro scene 4: a wisp of straw, centred");
    }
    {
        SurfacePtr s = NewSurface(44, 34);
        Ctx cr(s.get());
        const PathFn body = [](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, 22, 19);
            cairo_scale(c, 16, 11);
            cairo_arc(c, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(c);
        };
        body(cr);
        SetRgb(cr, Hex(0xF0B030));
        cairo_fill(cr);
        {
            Saved keep(cr);
            body(cr);
            cairo_clip(cr);
            SetRgb(cr, kInk);
            for (double x : {15.0, 24.0, 33.0}) cairo_rectangle(cr, x, 0, 4.5, 34);
            cairo_fill(cr);
        }
        SetRgb(cr, kInk);
        cairo_arc(cr, 7, 17, 6, 0, 2 * M_PI);
        cairo_fill(cr);
        SetRgb(cr, kGlow);
        cairo_arc(cr, 5.5, 15.5, 1.6, 0, 2 * M_PI);
        cairo_fill(cr);
        sink.Png(dir + "bee.png", s.get(), "intro scene 4: the bee, centred");
    }
    const int wingSize[2][2] = {{28, 20}, {24, 26}};
    const double wingAt[2][2] = {{11, 9}, {7, 13}};
    for (int k = 0; k < 2; k++) {
        SurfacePtr s = NewSurface(wingSize[k][0], wingSize[k][1]);
        Ctx cr(s.get());
        cairo_save(cr);
        cairo_translate(cr, wingAt[k][0] + (k == 0 ? 5 : 3), wingAt[k][1] - (k == 0 ? 3 : 6));
        cairo_rotate(cr, k == 0 ? -0.4 : -1.0);
        cairo_scale(cr, 11, 6);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetRgb(cr, Hex(0xFFFBF0), 0.7);
        cairo_fill_preserve(cr);
        SetRgb(cr, kInk, 0.6);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        sink.Png(dir + "wing-" + std::to_string(k + 1) + ".png", s.get(), "intro scene 4: a bee's wing");
    }
}

// A mounted figure for scene 5, facing right unless `left`.
void SmallRider(Sink& sink, const std::string& rel, bool left, bool baron) {
    SurfacePtr s = NewSurface(270, 260);
    Ctx cr(s.get());
    const double sx = left ? 160 : 110;
    InkFill(
        cr,
        [&](cairo_t* c) {
            Horse(c, sx, 120, 0.62, left, 0.3);
            Rider(c, sx, 118, 0.62, left, 20, !baron);
            if (baron) {
                cairo_save(c);
                cairo_translate(c, sx, 118 - 110 * 0.62);
                cairo_scale(c, 26, 5);
                cairo_new_sub_path(c);
                cairo_arc(c, 0, 0, 1, 0, 2 * M_PI);
                cairo_restore(c);
                RoundedRect(c, sx - 12, 118 - 130 * 0.62, 24, 16, 5);
            }
        },
        baron ? Hex(0x281410) : kInk);
    sink.Png(rel, s.get(), baron ? "intro scene 5: the Baron mounted" : "intro scene 5: Wren mounted");
}

void SceneFive(Sink& sink) {
    const std::string dir = kDir + "scene-5/";
    {
        SurfacePtr s = NewSurface(1024, 768);
        Ctx cr(s.get());
        Meadow(cr, 1024, 768, 51, 520);
        // The stands with their pennants at the far side of the yard.
        PaperFill(
            cr,
            [](cairo_t* c) {
                cairo_rectangle(c, 120, 380, 780, 90);
                for (int i = 0; i < 7; i++) {
                    cairo_rectangle(c, 140 + i * 124, 300, 6, 90);
                    cairo_move_to(c, 146 + i * 124, 302);
                    cairo_line_to(c, 190 + i * 124, 316);
                    cairo_line_to(c, 146 + i * 124, 330);
                    cairo_close_path(c);
                }
            },
            Tone(3));
        sink.Jpg(dir + "back.jpg", s.get(), "intro scene 5: the tilting yard");
    }
    SmallRider(sink, dir + "hero.png", false, false);
    SmallRider(sink, dir + "enemy.png", true, true);
    {
        SurfacePtr s = NewSurface(270, 200);
        Ctx cr(s.get());
        cairo_save(cr);
        cairo_translate(cr, 120, 150);
        cairo_scale(cr, 110, 14);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetRgb(cr, kInk, 0.35);
        cairo_fill(cr);
        Blur(s.get(), 4);
        sink.Png(dir + "hero_shadow.png", s.get(), "intro scene 5: Wren's shadow on the ground");
    }
    {
        // The tilting fence, painted in stripes.
        SurfacePtr s = NewSurface(740, 230);
        Ctx cr(s.get());
        for (int i = 0; i < 8; i++)
            PaperFill(
                cr, [i](cairo_t* c) { cairo_rectangle(c, 10 + i * 102, 100, 14, 120); }, kInk);
        for (int rail = 0; rail < 2; rail++)
            for (int i = 0; i < 18; i++)
                PaperFill(
                    cr, [=](cairo_t* c) { cairo_rectangle(c, i * 41, 120 + rail * 50, 41, 16); },
                    i % 2 ? Hex(0xF2E2C0) : Hex(0xB8463A), 0.3, 0.2);
        sink.Png(dir + "fence.png", s.get(), "intro scene 5: the tilting fence");
    }
}
}  // namespace

void DrawIntroJoustArt(Sink& sink) {
    SceneFour(sink);
    SceneFive(sink);
    DrawJoustCloseUps(sink);
}

}  // namespace story
}  // namespace art
