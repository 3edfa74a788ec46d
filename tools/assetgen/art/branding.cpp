// The start-up cards: the studio card (a lantern over the name of the makers)
// and the title card (the game's name over an evening valley with the
// village's lights), shown before the loading screen.
#include "chip_shapes.h"
#include "families.h"
#include "paint.h"
#include "words.h"

#include <cmath>
#include <iostream>
#include <random>
#include <string>
#include <vector>

// The game's list of languages (header only).
#include "../../../src/frame/languages.h"

namespace art {

namespace {

constexpr int kW = 1024, kH = 768;

void VerticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    AddStop(g, 0, top);
    AddStop(g, 1, bottom);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
}

void WarmHalo(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    AddStop(g, 0, c, alpha);
    AddStop(g, 1, c, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A hanging lantern: brass cap and ring, four glass panes lit from inside.
void Lantern(cairo_t* cr, double cx, double top, double s) {
    WarmHalo(cr, cx, top + 1.55 * s, 2.6 * s, Hex(0xFFC860), 0.55);
    cairo_set_line_width(cr, 0.08 * s);
    SetRgb(cr, Hex(0xB88A3A));
    cairo_arc(cr, cx, top + 0.25 * s, 0.22 * s, 0, 2 * M_PI);
    cairo_stroke(cr);
    const PathFn cap = [cx, top, s](cairo_t* c) {
        cairo_move_to(c, cx - 0.75 * s, top + 0.85 * s);
        cairo_line_to(c, cx, top + 0.45 * s);
        cairo_line_to(c, cx + 0.75 * s, top + 0.85 * s);
        cairo_close_path(c);
    };
    cap(cr);
    SetRgb(cr, Hex(0x8A5A22));
    cairo_fill(cr);
    Bevel(cr, cap, 0.04 * s, 0.5, 0.5);
    const PathFn glass = [cx, top, s](cairo_t* c) {
        RoundedRect(c, cx - 0.6 * s, top + 0.85 * s, 1.2 * s, 1.45 * s, 0.12 * s);
    };
    {
        cairo_pattern_t* g = cairo_pattern_create_radial(cx, top + 1.55 * s, 0, cx, top + 1.55 * s, 0.9 * s);
        AddStop(g, 0, Hex(0xFFF6C8));
        AddStop(g, 0.5, Hex(0xFFC050));
        AddStop(g, 1, Hex(0xC86A18));
        glass(cr);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    SetRgb(cr, Hex(0x6A4016));
    cairo_set_line_width(cr, 0.07 * s);
    glass(cr);
    cairo_stroke(cr);
    for (double dx : {-0.2, 0.2}) {
        cairo_move_to(cr, cx + dx * s, top + 0.85 * s);
        cairo_line_to(cr, cx + dx * s, top + 2.3 * s);
        cairo_stroke(cr);
    }
    const PathFn base = [cx, top, s](cairo_t* c) {
        RoundedRect(c, cx - 0.7 * s, top + 2.25 * s, 1.4 * s, 0.22 * s, 0.06 * s);
    };
    base(cr);
    SetRgb(cr, Hex(0x8A5A22));
    cairo_fill(cr);
    Bevel(cr, base, 0.03 * s, 0.5, 0.5);
}

SurfacePtr StudioCard(const std::string& tagline) {
    SurfacePtr s = NewSurface(kW, kH);
    Ctx cr(s.get());
    VerticalGradient(cr, 0, kH, Hex(0x1B1020), Hex(0x3A2214));
    WarmHalo(cr, 512, 330, 520, Hex(0x7A4A20), 0.35);
    // A thin rope from the top edge to the lantern.
    cairo_move_to(cr, 512, 0);
    cairo_line_to(cr, 512, 150);
    cairo_set_line_width(cr, 3);
    SetRgb(cr, Hex(0x9A7A4A));
    cairo_stroke(cr);
    Lantern(cr, 512, 140, 80);
    TextStyle t;
    t.size = 76;
    t.outlineWidth = 4;
    t.shadowBlur = 6;
    t.top = Hex(0xFFE8A0);
    t.bottom = Hex(0xD89030);
    Lettering(cr, "Lanternfold", 512, 520, t);
    TextStyle small = t;
    small.size = 30;
    small.outlineWidth = 2;
    small.top = Hex(0xE8D8B8);
    small.bottom = Hex(0xC0A478);
    small.maxWidth = 900;
    Lettering(cr, tagline, 512, 590, small);
    return s;
}

// Rolling hills in three layers, darker toward the viewer.
void Hill(cairo_t* cr, double base, double amp, double phase, Rgb top, Rgb bottom) {
    cairo_move_to(cr, 0, kH);
    for (int x = 0; x <= kW; x += 8) {
        const double y =
            base - amp * std::sin(x / 170.0 + phase) - amp * 0.4 * std::sin(x / 61.0 + phase * 2);
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, kW, kH);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, base - amp, 0, kH);
    AddStop(g, 0, top);
    AddStop(g, 1, bottom);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void LitCottage(cairo_t* cr, double x, double y, double s) {
    cairo_rectangle(cr, x - s, y - s, 2 * s, s);
    SetRgb(cr, Hex(0x2A1A20));
    cairo_fill(cr);
    cairo_move_to(cr, x - 1.25 * s, y - s);
    cairo_line_to(cr, x, y - 1.9 * s);
    cairo_line_to(cr, x + 1.25 * s, y - s);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0x1E1218));
    cairo_fill(cr);
    WarmHalo(cr, x - 0.4 * s, y - 0.55 * s, 1.2 * s, Hex(0xFFB040), 0.35);
    cairo_rectangle(cr, x - 0.6 * s, y - 0.75 * s, 0.4 * s, 0.35 * s);
    SetRgb(cr, Hex(0xFFD070));
    cairo_fill(cr);
}

SurfacePtr TitleCard(const std::string& tagline) {
    SurfacePtr s = NewSurface(kW, kH);
    Ctx cr(s.get());
    VerticalGradient(cr, 0, kH, Hex(0x23305E), Hex(0xE08A4A));
    // The low sun behind the hills and the first stars.
    WarmHalo(cr, 700, 520, 380, Hex(0xFFC070), 0.55);
    std::mt19937 rng(2024);
    std::uniform_real_distribution<double> ux(0, kW), uy(0, 300), ua(0.3, 0.9);
    for (int i = 0; i < 70; i++) Sparkle(cr, ux(rng), uy(rng), 1.5 + ua(rng) * 2.5, ua(rng) * 0.7);
    Hill(cr, 540, 40, 0.3, Hex(0x6A5A7A), Hex(0x4A3A5A));
    Hill(cr, 610, 35, 1.7, Hex(0x4A5A3A), Hex(0x2E3A24));
    for (int i = 0; i < 9; i++)
        LitCottage(cr, 160 + i * 88 + (i % 2) * 20, 640 - (i % 3) * 14, 16 + (i % 3) * 3);
    Hill(cr, 700, 30, 3.1, Hex(0x2E3A22), Hex(0x1A2212));
    TextStyle t;
    t.size = 120;
    t.outlineWidth = 6;
    t.shadowBlur = 8;
    t.top = Hex(0xFFEFA0);
    t.bottom = Hex(0xD88A1C);
    Lettering(cr, "Brambleton", 512, 250, t);
    TextStyle small = t;
    small.size = 34;
    small.outlineWidth = 2;
    small.top = Hex(0xFFF4DC);
    small.bottom = Hex(0xF0D0A0);
    small.maxWidth = 900;
    Lettering(cr, tagline, 512, 350, small);
    return s;
}

}  // namespace

void DrawBranding(Sink& sink) {
    // The cards' lines under the names, txt/<code>/cards.txt: English's at gfx/branding/, each
    // other language's in gfx/branding/<code>/ (the game takes English's where a language has
    // none). The names themselves are never translated.
    for (const LanguageInfo& language : kLanguages) {
        const std::vector<std::string> lines = LanguageLines(sink.GameDir(), language.code, "cards.txt");
        if (lines.size() < 2) {
            std::cerr << "assetgen_art: no 2 lines in txt/" << language.code
                      << "/cards.txt, no cards drawn for it\n";
            continue;
        }
        const std::string dir =
            std::string("gfx/branding/") +
            (language.code == std::string(kBaseLanguage) ? "" : language.code + std::string("/"));
        sink.Png(dir + "splash0.png", StudioCard(lines[0]).get(), "studio card, first start-up picture");
        sink.Png(dir + "splash1.png", TitleCard(lines[1]).get(), "title card, second start-up picture");
    }
}

}  // namespace art
