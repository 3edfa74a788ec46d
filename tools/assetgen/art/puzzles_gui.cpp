// The puzzle screen's own pictures: the scroll behind everything (with the
// title's plank), the frame around the picture and the skip button in its
// three colours; and a review of the whole screen in the build folder.
#include "families.h"
#include "puzzles.h"
#include "village.h"

#include <cmath>
#include <string>

namespace art {

namespace puzzles {

namespace {

// The scroll is centred on (512, 384); its picture spans x 132..892, y 30..738.
constexpr int kScrollW = 760, kScrollH = 708;
constexpr double kScrollX = 512 - kScrollW / 2.0, kScrollY = 384 - kScrollH / 2.0;
// The frame's picture is drawn with its top-left corner 17, 23 above and left of
// the puzzle picture (handle (15, 20) at (205, 167), the picture at (207, 170)).
constexpr int kFrameW = 640, kFrameH = 410, kFrameBorder = 17, kHoleX = 17, kHoleY = 23;
constexpr int kButtonW = 220, kButtonH = 64;

void Roller(cairo_t* cr, double y, std::uint64_t seed) {
    const PathFn rod = [y](cairo_t* c) { RoundedRect(c, 18, y, kScrollW - 36, 26, 13); };
    DropShadow(cr, rod, 2, 4, 4, 0.5);
    {
        Saved s(cr);
        rod(cr);
        cairo_clip(cr);
        WoodGrain(cr, 18, y, kScrollW - 36, 26, Hex(0x7A4A26), seed);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + 26);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.7, 0.35);
        cairo_pattern_add_color_stop_rgba(g, 0.4, 1, 1, 1, 0);
        cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.45);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    for (double x : {10.0, kScrollW - 10.0}) {
        const PathFn knob = [x, y](cairo_t* c) { cairo_arc(c, x, y + 13, 15, 0, 2 * M_PI); };
        Cabochon(cr, knob, x - 15, y - 2, 30, 30, Hex(0xC8963A));
    }
}

SurfacePtr Scroll() {
    SurfacePtr s = NewSurface(kScrollW, kScrollH);
    Ctx cr(s.get());
    const PathFn paper = [](cairo_t* c) { cairo_rectangle(c, 34, 84, kScrollW - 68, 546); };
    DropShadow(cr, paper, 4, 6, 8, 0.5);
    Parchment(cr, paper, 34, 84, kScrollW - 68, 546, 81);
    Roller(cr, 70, 82);
    Roller(cr, 616, 83);
    // The plank the title is written on.
    const PathFn plank = [](cairo_t* c) { RoundedRect(c, 120, 2, kScrollW - 240, 60, 10); };
    DropShadow(cr, plank, 3, 5, 6, 0.55);
    {
        Saved saved(cr);
        plank(cr);
        cairo_clip(cr);
        WoodGrain(cr, 120, 2, kScrollW - 240, 60, Hex(0x5A3418), 84);
    }
    Bevel(cr, plank, 3, 0.45, 0.55);
    for (double x : {136.0, kScrollW - 136.0}) {
        const PathFn nail = [x](cairo_t* c) { cairo_arc(c, x, 32, 5, 0, 2 * M_PI); };
        Cabochon(cr, nail, x - 5, 27, 10, 10, Hex(0xC8A050));
    }
    return s;
}

SurfacePtr Frame() {
    SurfacePtr s = NewSurface(kFrameW, kFrameH);
    Ctx cr(s.get());
    WoodPanel(cr, kHoleX - kFrameBorder, kHoleY - kFrameBorder, kPicW + 2 * kFrameBorder,
              kPicH + 2 * kFrameBorder, 8, kFrameBorder, 91, false);
    // A thin gilt lip around the picture.
    cairo_rectangle(cr, kHoleX - 1.5, kHoleY - 1.5, kPicW + 3, kPicH + 3);
    cairo_set_line_width(cr, 2);
    SetRgb(cr, Hex(0xD8B050), 0.9);
    cairo_stroke(cr);
    return s;
}

SurfacePtr SkipButton(std::uint32_t face) {
    SurfacePtr s = NewSurface(kButtonW, kButtonH);
    Ctx cr(s.get());
    Button(cr, 0, 0, kButtonW, kButtonH, Hex(face), ButtonState::Normal);
    return s;
}

// The screen as the game draws it, a pair puzzle on the left half and memory
// cards on the right, to check that the pieces sit together.
void WriteScreenReview(const Sink& sink, cairo_surface_t* scroll, cairo_surface_t* frame,
                       cairo_surface_t* button) {
    SurfacePtr back = village::VillageBack();
    SurfacePtr screen = NewSurface(1024, 768);
    Ctx cr(screen.get());
    cairo_set_source_surface(cr, back.get(), 0, 0);
    cairo_paint(cr);
    cairo_set_source_surface(cr, scroll, kScrollX, kScrollY);
    cairo_paint(cr);
    cairo_set_source_surface(cr, button, 250, 570);
    cairo_paint(cr);
    SurfacePtr picture = NewSurface(kPicW, kPicH);
    {
        Ctx pc(picture.get());
        PaintScene(pc, 2);
    }
    SurfacePtr sepia = SepiaTwin(picture.get());
    cairo_set_source_surface(cr, sepia.get(), 207, 170);
    cairo_paint_with_alpha(cr, 0.75);
    const std::string dir = sink.GameDir() + "/gfx/gui/puzzleGame/";
    auto load = [](const std::string& path) {
        return SurfacePtr(cairo_image_surface_create_from_png(path.c_str()));
    };
    SurfacePtr tile = load(dir + "pan.png"), back2 = load(dir + "specChips2/pan.png"),
               face = load(dir + "specChips2/pan2.png");
    const double cw = 100, ch = 72;  // 6 columns, 5 rows: the smallest cells
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 6; ++c) {
            const double x = 207 + c * cw, y = 170 + r * ch;
            Saved saved(cr);
            const bool pairs = c < 3;
            cairo_surface_t* card = pairs ? tile.get() : ((r + c) % 3 ? back2.get() : face.get());
            cairo_translate(cr, x, y);
            cairo_scale(cr, cw / kCardW, ch / kCardH);
            cairo_set_source_surface(cr, card, 0, 0);
            cairo_paint(cr);
            const int n = r * 6 + c;
            if (pairs) {
                SurfacePtr sym = load(dir + "specChips/chip" + std::to_string(n % 20) + ".png");
                cairo_set_source_surface(cr, sym.get(), kCardW / 2.0 - 44, kCardH / 2.0 - 44);
                cairo_paint(cr);
            } else if (card == face.get()) {
                cairo_identity_matrix(cr);
                SurfacePtr sym = load(dir + "specChips2/chip" + std::to_string(n % 26) + ".png");
                cairo_set_source_surface(cr, sym.get(), x + cw / 2 - 32, y + ch / 2 - 32);
                cairo_paint(cr);
            }
        }
    cairo_set_source_surface(cr, frame, 190, 147);
    cairo_paint(cr);
    TextStyle title;
    title.size = 40;
    Lettering(cr, "Market day", 512, 58, title);
    cairo_surface_write_to_png(screen.get(), (sink.BuildDir() + "/puzzle-screen-review.png").c_str());
}

}  // namespace

void DrawPuzzleGui(Sink& sink) {
    const std::string dir = "gfx/gui/puzzleGame/";
    SurfacePtr scroll = Scroll(), frame = Frame();
    sink.Png(dir + "scroll.png", scroll.get(),
             "puzzle screen scroll with the title plank, centred at (512,384)");
    sink.Png(dir + "panel.png", frame.get(), "frame around the puzzle picture, handle (15,20) at (205,167)");
    const std::pair<const char*, std::uint32_t> buttons[] = {
        {"button_red_0.png", 0xB8402E}, {"button_blue_0.png", 0x3A72B0}, {"button_green_0a.png", 0x4E9A3A}};
    SurfacePtr red;
    for (const auto& [file, face] : buttons) {
        SurfacePtr s = SkipButton(face);
        sink.Png(std::string("gfx/gui/") + file, s.get(), "puzzle skip button (red waiting, blue ready)");
        if (!red) red = std::move(s);
    }
    WriteScreenReview(sink, scroll.get(), frame.get(), red.get());
}

}  // namespace puzzles

void DrawPuzzles(Sink& sink) {
    puzzles::DrawPuzzlePictures(sink);
    puzzles::DrawPuzzleSymbols(sink);
    puzzles::DrawPuzzleGui(sink);
}

}  // namespace art
