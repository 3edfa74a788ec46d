// The intro's first three scenes: the helmet on its post at the edge of the
// wood, the ride past the hills, the King's cart among the crowd.
#include "story_art.h"
#include "story_paper.h"

#include <cmath>

namespace art {
namespace story {

namespace {
const std::string kDir = "gfx/story/intro/";

// A layer of a panorama: a ridge of the tone with trees along it.
void RidgeLayer(cairo_t* cr, double w, double h, double base, double amp, std::uint64_t seed, Rgb tone,
                int trees, double treeH) {
    Rng rng(seed + 7);
    std::vector<std::pair<double, double>> at;
    for (int i = 0; i < trees; i++) at.push_back({rng.Range(0, w), rng.Range(0.6, 1.0) * treeH});
    PaperFill(
        cr,
        [&](cairo_t* c) {
            RidgePath(c, w, h, base, amp, seed);
            for (size_t i = 0; i < at.size(); i++) {
                const double ground = base + amp * 0.2;
                if (i % 3 == 0) {
                    PineTree(c, at[i].first, ground, at[i].second);
                } else {
                    RoundTree(c, at[i].first, ground, at[i].second);
                }
            }
        },
        tone);
}

// The weathered signpost with its arm pointing home and the helmet's perch.
void Signpost(cairo_t* cr, double x, double top, double ground) {
    InkFill(
        cr,
        [&](cairo_t* c) {
            cairo_rectangle(c, x - 9, top, 18, ground - top);
            cairo_move_to(c, x + 6, top + 40);
            cairo_line_to(c, x + 150, top + 36);
            cairo_line_to(c, x + 176, top + 58);
            cairo_line_to(c, x + 150, top + 80);
            cairo_line_to(c, x + 6, top + 76);
            cairo_close_path(c);
        },
        Tone(5));
    TextStyle style;
    style.size = 22;
    style.top = Hex(0xF6D9A8);
    style.bottom = Hex(0xD89A58);
    style.outline = Hex(0x2A1420);
    style.outlineWidth = 1.5;
    style.shadowAlpha = 0;
    Lettering(cr, "BRAMBLETON", x + 88, top + 58, style);
}

// Scene 1's foreground, two pictures that slide together: a curtain of leaves drawing aside to
// the right (layer-6-0, drawn at 581) and the ferns along the foot of the screen (layer-6-1, at
// (0, 515)), drawn over it. Both are drawn in one coordinate space and cut from it, so that the
// ferns go on behind where their picture ends: the curtain's picture carries the ferns right of
// that edge. The curtain's leaves keep clear of its left edge, which nothing continues.
void ForegroundLayer(Sink& sink, const std::string& dir) {
    constexpr int kCurtainX = 581, kFernsY = 515, kFernsW = 640;
    constexpr int w = kCurtainX + 1024, h = 768;
    constexpr double kInset = 90;  // the curtain's edge and leaves stay right of its left edge
    SurfacePtr ferns = NewSurface(w, h - kFernsY);
    {
        Ctx cr(ferns.get());
        PaperFill(
            cr,
            [](cairo_t* c) {
                GrassTufts(c, 8, w, h - kFernsY, 110, 18);
                for (int i = 0; i < 5; i++) RoundTree(c, 90 + i * 130, 290, 160 + (i % 2) * 40);
            },
            Tone(5));
    }
    SurfacePtr curtain = NewSurface(1024, h);
    {
        Ctx cr(curtain.get());
        Rng rng(17);
        PaperFill(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, 140 + kInset, 0);
                for (double y = 0; y <= 768; y += 24)
                    cairo_line_to(c, kInset + 60 + 70 * std::sin(y / 90) + rng.Range(-25, 25), y);
                cairo_line_to(c, 1024, 768);
                cairo_line_to(c, 1024, 0);
                cairo_close_path(c);
                for (int i = 0; i < 40; i++) {
                    const double y = rng.Range(0, 768),
                                 x = kInset + 70 + 70 * std::sin(y / 90) + rng.Range(-30, 10);
                    cairo_new_sub_path(c);
                    cairo_arc(c, x, y, rng.Range(18, 42), 0, 2 * M_PI);
                }
            },
            Tone(5), 0.6, 0.5);
        // The ferns right of their own picture's edge, over the curtain as the scene draws them.
        cairo_rectangle(cr, kFernsW - kCurtainX, kFernsY, 1024, h - kFernsY);
        cairo_clip(cr);
        cairo_set_source_surface(cr, ferns.get(), -kCurtainX, kFernsY);
        cairo_paint(cr);
    }
    sink.Png(dir + "layer-6-0.png", curtain.get(), "intro scene 1: curtain of leaves drawing aside");
    SurfacePtr front = NewSurface(kFernsW, h - kFernsY);
    {
        Ctx cr(front.get());
        cairo_set_source_surface(cr, ferns.get(), 0, 0);
        cairo_paint(cr);
    }
    sink.Png(dir + "layer-6-1.png", front.get(), "intro scene 1: ferns in front, at (445, 515)");
}

void SceneOne(Sink& sink) {
    const std::string dir = kDir + "scene-1/";
    const int w = 2048;
    const double layerY[5] = {0, 112, 120, 190, 234};
    for (int l = 0; l < 5; l++) {
        const int h = 768 - static_cast<int>(layerY[l]);
        SurfacePtr s = NewSurface(w, h);
        Ctx cr(s.get());
        switch (l) {
            case 0:
                Sky(cr, w, h, Hex(0x8C5A78), Hex(0xF6C98A), 820, 360, 46);
                RidgeLayer(cr, w, h, 400, 40, 11, Tone(0), 0, 0);
                break;
            case 1:
                RidgeLayer(cr, w, h, 300, 46, 12, Tone(1), 30, 60);
                Haze(cr, w, 300, h, 0.35);
                break;
            case 2:
                // The empty village on the far slope: roofs, but no light.
                PaperFill(
                    cr,
                    [&](cairo_t* c) {
                        RidgePath(c, w, h, 350, 36, 13);
                        // No wall stands on a joint of the tiles, where it would read as a cut.
                        for (int i = 0; i < 7; i++)
                            Cottage(c, 986 + i * 62, 352 - (i % 2) * 10, 44, 28, i % 3 == 0);
                        for (int i = 0; i < 16; i++)
                            PineTree(c, 60 + i * 120 + (i % 3) * 17, 350, 90 + (i % 4) * 12);
                    },
                    Tone(2));
                Haze(cr, w, 380, h, 0.3);
                break;
            case 3:
                RidgeLayer(cr, w, h, 330, 30, 14, Tone(3), 26, 170);
                Haze(cr, w, 380, h, 0.2);
                break;
            default:
                PaperFill(
                    cr,
                    [&](cairo_t* c) {
                        RidgePath(c, w, h, 362, 10, 15, 400);
                        GrassTufts(c, 0, w, 364, 26, 16);
                        // The big trees' crowns and halos stay below the picture's top edge.
                        for (int i = 0; i < 6; i++) RoundTree(c, 700 + i * 240, 366, 290 + (i % 2) * 40);
                    },
                    Tone(4));
                Signpost(cr, 295, 50, 366);
                break;
        }
        WriteTiles(sink, s.get(), 512, dir + "layer-" + std::to_string(l + 1) + "-", ".png",
                   "intro scene 1: panorama layer, tiles of 512");
    }
    ForegroundLayer(sink, dir);
    {
        // Grandpa's helmet: a round iron cap with a brim, warm glints.
        SurfacePtr s = NewSurface(90, 64);
        Ctx cr(s.get());
        const PathFn helmet = [](cairo_t* c) {
            cairo_move_to(c, 6, 50);
            cairo_curve_to(c, 8, 12, 78, 12, 80, 50);
            cairo_close_path(c);
            RoundedRect(c, 2, 46, 84, 10, 4);
        };
        helmet(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(10, 14, 70, 56);
        AddStop(g, 0, Hex(0xE8C090));
        AddStop(g, 0.4, Hex(0x7A6058));
        AddStop(g, 1, Hex(0x2A1A18));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        Gloss(cr, 30, 28, 12, 6, 0.5);
        SetRgb(cr, kInk);
        cairo_set_line_width(cr, 2);
        helmet(cr);
        cairo_stroke(cr);
        sink.Png(kDir + "scene-1/hat.png", s.get(), "intro scene 1: the old helmet, handle (5, 20)");
    }
}

void SceneTwo(Sink& sink) {
    const std::string dir = kDir + "scene-2/";
    {
        SurfacePtr s = NewSurface(3072, 768);
        Ctx cr(s.get());
        Sky(cr, 3072, 768, Hex(0x7FA6C8), Hex(0xFBD9A0), 1300, 300, 40);
        RidgeLayer(cr, 3072, 768, 420, 60, 21, Tone(0), 0, 0);
        Haze(cr, 3072, 420, 768, 0.3);
        WriteTiles(sink, s.get(), 512, dir + "layer-1-", ".jpg",
                   "intro scene 2: sky and far hills, tiles of 512");
    }
    {
        SurfacePtr s = NewSurface(3072, 603);
        Ctx cr(s.get());
        RidgeLayer(cr, 3072, 603, 320, 50, 22, Tone(2), 40, 110);
        Haze(cr, 3072, 380, 603, 0.25);
        WriteTiles(sink, s.get(), 512, dir + "layer-2-", ".png",
                   "intro scene 2: hills at y 165, tiles of 512");
    }
    {
        SurfacePtr s = NewSurface(3072, 768);
        Ctx cr(s.get());
        PaperFill(
            cr,
            [](cairo_t* c) {
                RidgePath(c, 3072, 768, 600, 16, 23, 300);
                for (int i = 0; i < 30; i++)
                    RoundTree(c, 40 + i * 104 + (i % 3) * 13, 610, 90 + (i % 4) * 20);
            },
            Tone(4));
        WriteTiles(sink, s.get(), 1024, dir + "layer-3-", ".png",
                   "intro scene 2: hedges by the road, tiles of 1024");
    }
    {
        SurfacePtr s = NewSurface(520, 768);
        Ctx cr(s.get());
        InkFill(cr, [](cairo_t* c) { RoundTree(c, 240, 790, 900); });
        sink.Png(dir + "layer-4-tree.png", s.get(), "intro scene 2: the big tree in front");
    }
    {
        // A low bough reaching in from the right, its tip at the rider's height.
        SurfacePtr s = NewSurface(900, 420);
        Ctx cr(s.get());
        Rng rng(24);
        InkFill(cr, [&](cairo_t* c) {
            cairo_move_to(c, 900, 0);
            cairo_curve_to(c, 700, 40, 400, 200, 60, 330);
            cairo_curve_to(c, 380, 230, 700, 110, 900, 60);
            cairo_close_path(c);
            for (int i = 0; i < 36; i++) {
                const double t = rng.Unit();
                const double x = 60 + 840 * t, y = 330 - 300 * t + rng.Range(-30, 40);
                cairo_new_sub_path(c);
                cairo_arc(c, x, y, rng.Range(14, 34), 0, 2 * M_PI);
            }
        });
        sink.Png(dir + "layer-4-branch.png", s.get(), "intro scene 2: the low branch");
    }
    {
        SurfacePtr s = NewSurface(500, 400);
        Ctx cr(s.get());
        InkFill(
            cr, [](cairo_t* c) { Horse(c, 215, 140, 1.2, false, 1); }, Hex(0x2E1810));
        sink.Png(dir + "horse.png", s.get(),
                 "intro scene 2: Clover at a gallop, handle at the bottom centre");
    }
    {
        SurfacePtr s = NewSurface(240, 460);
        Ctx cr(s.get());
        InkFill(cr, [](cairo_t* c) { Rider(c, 135, 200, 1.2, false, 999, true); });
        sink.Png(dir + "hero.png", s.get(), "intro scene 2: Wren riding, handle at the bottom centre");
    }
}
}  // namespace

void DrawIntroRideArt(Sink& sink) {
    SceneOne(sink);
    SceneTwo(sink);
}

}  // namespace story
}  // namespace art
