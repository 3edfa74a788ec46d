// Intro scene 6: the joust in close-up, the stands behind, each rider on
// his horse, and the Baron's four frames as his nerve gives way.
#include "story_art.h"
#include "story_paper.h"

#include <cmath>

namespace art {
namespace story {

namespace {
const std::string kDir = "gfx/story/intro/scene-6/";

// The stands, two pictures wide: pennants, awnings and the crowd.
void Stands(cairo_t* cr) {
    Sky(cr, 2048, 768, Hex(0x7FA8CC), Hex(0xF8D8A4), 1024, 200, 36);
    const Rgb flags[3] = {Hex(0xC8463A), Hex(0xE8B04A), Hex(0x3E8A8A)};
    PaperFill(
        cr,
        [](cairo_t* c) {
            cairo_rectangle(c, 0, 330, 2048, 438);
            for (int i = 0; i < 60; i++) Bust(c, 20 + i * 34.5, 330, 0.55, i % 4);
        },
        Tone(3));
    for (int i = 0; i < 8; i++) {
        PaperFill(
            cr,
            [i](cairo_t* c) {
                cairo_move_to(c, i * 256, 230);
                for (int k = 0; k < 8; k++) {
                    cairo_line_to(c, i * 256 + k * 32 + 16, 262);
                    cairo_line_to(c, i * 256 + k * 32 + 32, 230);
                }
                cairo_line_to(c, i * 256 + 256, 210);
                cairo_line_to(c, i * 256, 210);
                cairo_close_path(c);
            },
            flags[i % 3], 0.3, 0.3);
        PaperFill(
            cr,
            [i](cairo_t* c) {
                cairo_rectangle(c, i * 256 + 124, 120, 8, 90);
                cairo_move_to(c, i * 256 + 132, 122);
                cairo_line_to(c, i * 256 + 190, 138);
                cairo_line_to(c, i * 256 + 132, 154);
                cairo_close_path(c);
            },
            flags[(i + 1) % 3], 0.3, 0.2);
    }
    PaperFill(
        cr,
        [](cairo_t* c) {
            cairo_rectangle(c, 0, 520, 2048, 248);
            GrassTufts(c, 0, 2048, 522, 30, 61);
        },
        Tone(4));
}

// The Baron in the saddle, facing left, seat at (141, 384): frame 0 lance
// upright, then wavering, then falling back with his hat flying.
void BaronRider(cairo_t* cr, int frame) {
    const double lance[4] = {95, 108, 124, 150};
    InkFill(
        cr,
        [&](cairo_t* c) {
            Saved keep(c);
            cairo_translate(c, 141, 384);
            if (frame == 3) cairo_rotate(c, 0.45);
            Rider(c, 0, 0, 2.0, true, lance[frame], false);
            // Round belly and a moustache over the saddle.
            cairo_new_sub_path(c);
            cairo_arc(c, 10, -70, 44, 0, 2 * M_PI);
            if (frame < 3) {
                cairo_save(c);
                cairo_translate(c, -8, -236);
                cairo_scale(c, 60, 10);
                cairo_new_sub_path(c);
                cairo_arc(c, 0, 0, 1, 0, 2 * M_PI);
                cairo_restore(c);
                RoundedRect(c, -40, -290, 64, 54, 14);
            }
        },
        Hex(0x281410));
    if (frame == 3) {
        // The hat sails off.
        InkFill(
            cr,
            [](cairo_t* c) {
                Saved keep(c);
                cairo_translate(c, 330, 80);
                cairo_rotate(c, 0.6);
                cairo_save(c);
                cairo_scale(c, 60, 10);
                cairo_new_sub_path(c);
                cairo_arc(c, 0, 0, 1, 0, 2 * M_PI);
                cairo_restore(c);
                RoundedRect(c, -32, -54, 64, 54, 14);
            },
            Hex(0x281410));
    }
    Saved keep(cr);
    cairo_translate(cr, 141, 384);
    if (frame == 3) cairo_rotate(cr, 0.45);
    SetRgb(cr, kGlow);
    const double eye[4] = {2.5, 5, 7, 1.5};
    cairo_save(cr);
    cairo_translate(cr, -16, -206);
    cairo_scale(cr, 6, eye[frame]);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
}
}  // namespace

void DrawJoustCloseUps(Sink& sink) {
    {
        SurfacePtr wide = NewSurface(2048, 768);
        {
            Ctx cr(wide.get());
            Stands(cr);
        }
        WriteTiles(sink, wide.get(), 1024, kDir + "back-", ".jpg",
                   "intro scene 6: the stands, two pictures wide");
    }
    {
        SurfacePtr s = NewSurface(1000, 680);
        Ctx cr(s.get());
        InkFill(
            cr, [](cairo_t* c) { Horse(c, 520, 238, 2.0, false, 1); }, Hex(0x2E1810));
        sink.Png(kDir + "horse_hero.png", s.get(), "intro scene 6: Clover in close-up, handle (520, 238)");
    }
    {
        SurfacePtr s = NewSurface(1010, 680);
        Ctx cr(s.get());
        InkFill(
            cr, [](cairo_t* c) { Horse(c, 661, 233, 2.0, true, 1); }, Hex(0x3A2418));
        sink.Png(kDir + "horse_enemy.png", s.get(), "intro scene 6: the Baron's horse, handle (661, 233)");
    }
    {
        SurfacePtr s = NewSurface(900, 580);
        Ctx cr(s.get());
        InkFill(cr, [](cairo_t* c) { Rider(c, 291, 373, 2.2, false, 5, true); });
        SetRgb(cr, kGlow);
        cairo_arc(cr, 291 + 12 * 2.2, 373 - 100 * 2.2, 5, 0, 2 * M_PI);
        cairo_fill(cr);
        sink.Png(kDir + "hero.png", s.get(), "intro scene 6: Wren with her lance level, handle (291, 373)");
    }
    for (int n = 0; n < 4; n++) {
        SurfacePtr s = NewSurface(420, 580);
        Ctx cr(s.get());
        BaronRider(cr, n);
        sink.Png(kDir + "enemy" + std::to_string(n) + ".png", s.get(),
                 "intro scene 6: the Baron, frame " + std::to_string(n) + ", handle (141, 384)");
    }
}

}  // namespace story
}  // namespace art
