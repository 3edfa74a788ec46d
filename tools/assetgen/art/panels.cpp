// The level end dialogs: level summary (panel, count circles, the point, the
// resource icons), the lose panel and the continue-quest signboard.
#include "chip_shapes.h"
#include "families.h"
#include "paint.h"

#include <cmath>

namespace art {

namespace {

// A round plaque for a number: parchment disc in a wooden ring.
SurfacePtr Circle(int w, int h, double cx, double cy, double r)
{
    SurfacePtr s = NewSurface(w, h);
    Ctx cr(s.get());
    const PathFn ring = [=](cairo_t* c) { cairo_arc(c, cx, cy, r, 0, 2 * M_PI); };
    const PathFn disc = [=](cairo_t* c) { cairo_arc(c, cx, cy, r * 0.78, 0, 2 * M_PI); };
    DropShadow(cr, ring, 2, 3, 4, 0.55);
    {
        Saved sv(cr);
        ring(cr);
        cairo_clip(cr);
        WoodGrain(cr, cx - r, cy - r, 2 * r, 2 * r, Hex(0x7A4424), 88);
    }
    Bevel(cr, ring, 2, 0.5, 0.5);
    Parchment(cr, disc, cx - r, cy - r, 2 * r, 2 * r, 89);
    disc(cr);
    cairo_set_source_rgba(cr, 0.2, 0.09, 0.02, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    return s;
}

SurfacePtr SummaryPanel()
{
    SurfacePtr s = NewSurface(640, 600);
    Ctx cr(s.get());
    WoodPanel(cr, 8, 8, 624, 584, 36, 26, 9100, true);
    // Divider where the totals row sits (screen y 470 ≈ panel y 384).
    cairo_move_to(cr, 80, 372);
    cairo_line_to(cr, 560, 372);
    cairo_set_source_rgba(cr, 0.5, 0.3, 0.1, 0.45);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Sparkle(cr, 320, 372, 9, 0.8);
    return s;
}

SurfacePtr LosePanel()
{
    SurfacePtr s = NewSurface(560, 380);
    Ctx cr(s.get());
    WoodPanel(cr, 8, 8, 544, 364, 30, 24, 9200, true);
    // A wilted sprig in the corners: the harvest will have to wait.
    for (double x : {70.0, 490.0}) {
        Saved sv(cr);
        cairo_translate(cr, x, 320);
        cairo_rotate(cr, x < 100 ? 0.3 : -0.3);
        DrawFood(cr, 0, 0, 50, 1);
    }
    return s;
}

SurfacePtr ContinueBoard()
{
    // A signboard on two posts rising from the ground; its handle is (260, 600),
    // so at rest its top is at y 168 and the posts reach the bottom of the screen.
    SurfacePtr s = NewSurface(520, 600);
    Ctx cr(s.get());
    for (double x : {110.0, 410.0}) {
        const PathFn post = [x](cairo_t* c) { RoundedRect(c, x - 14, 300, 28, 310, 4); };
        DropShadow(cr, post, 3, 4, 4, 0.5);
        Saved sv(cr);
        post(cr);
        cairo_clip(cr);
        WoodGrain(cr, x - 14, 300, 28, 310, Hex(0x6A3A1C), static_cast<std::uint64_t>(x), true);
    }
    WoodPanel(cr, 10, 6, 500, 420, 30, 24, 9300, true);
    // Title plank across the top (the title is drawn at y 182, 14 px below the top).
    const PathFn plank = [](cairo_t* c) { RoundedRect(c, 60, 2, 400, 58, 12); };
    DropShadow(cr, plank, 2, 4, 4, 0.5);
    {
        Saved sv(cr);
        plank(cr);
        cairo_clip(cr);
        WoodGrain(cr, 60, 2, 400, 58, Hex(0x8A5530), 9301);
    }
    Bevel(cr, plank, 2, 0.45, 0.5);
    return s;
}

}  // namespace

void DrawPanels(Sink& sink)
{
    sink.Png("gfx/gui/levelSummary/panel.png", SummaryPanel().get(), "level summary panel, centred at (512,386)");
    sink.Png("gfx/gui/levelSummary/circle.png", Circle(96, 86, 48, 42, 34).get(),
             "count circle under a summary icon, at (x-7,y+59); number at local (48,33)");
    sink.Png("gfx/gui/levelSummary/circle2.png", Circle(56, 52, 28, 26, 24).get(),
             "totals circle, number at local (28,17)");
    SurfacePtr point = NewSurface(3, 84);
    {
        Ctx cr(point.get());
        for (int y = 2; y < 84; y += 7) {
            cairo_arc(cr, 1.5, y, 1.4, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.95, 0.75, 0.3, 0.9);
            cairo_fill(cr);
        }
    }
    sink.Png("gfx/gui/levelSummary/point.png", point.get(), "dotted line from a count circle to the totals");
    const char* names[] = {"wood", "food", "gold", "rock"};
    for (int n = 0; n < 4; ++n) {
        SurfacePtr s = NewSurface(76, 76);
        {
            Ctx cr(s.get());
            const auto draw = [n](cairo_t* c) {
                if (n == 0) DrawWood(c, 38, 38, 66, 2);
                if (n == 1) DrawFood(c, 38, 38, 68, 3);
                if (n == 2) DrawGold(c, 38, 38, 66, 4);
                if (n == 3) DrawRock(c, 38, 38, 64, 1);
            };
            DropShadow(cr, draw, 2, 3, 3, 0.55);
            draw(cr);
        }
        sink.Png(std::string("gfx/gui/levelSummary/res_") + names[n] + ".png", s.get(),
                 std::string("level summary resource icon: ") + names[n]);
    }
    sink.Png("gfx/gui/loseLevel/panel.png", LosePanel().get(), "lose dialog panel, centred at (512,380)");
    sink.Png("gfx/gui/continueQuest/panel.png", ContinueBoard().get(),
             "continue-quest signboard, handle (260,600), drawn at (512,768)");
}

}  // namespace art
