// Particles (white, so that the game can tint them) and the caption pictures,
// lettered with the display face.
#include "families.h"
#include "paint.h"
#include "words.h"

#include <cmath>
#include <iostream>
#include <string>
#include <vector>

// The game's list of languages (header only).
#include "../../../src/frame/languages.h"

namespace art {

namespace {

SurfacePtr SoftDot(int size, double core) {
    SurfacePtr s = NewSurface(size, size);
    Ctx cr(s.get());
    const double c = size / 2.0;
    cairo_pattern_t* g = cairo_pattern_create_radial(c, c, 0, c, c, c);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(g, core, 1, 1, 1, 0.7);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    return s;
}

SurfacePtr Star(int size, int points, double inner, double glow) {
    SurfacePtr s = NewSurface(size, size);
    Ctx cr(s.get());
    const double c = size / 2.0;
    if (glow > 0) {
        cairo_pattern_t* g = cairo_pattern_create_radial(c, c, 0, c, c, c);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, glow);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    if (points == 4) {
        Sparkle(cr, c, c, c * 0.95, 1);
    } else {
        PathFromPoints(cr, PolygonPoints(c, c, c * 0.9, points, 0, c * inner));
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
    return s;
}

SurfacePtr Streak(int w, int h) {
    SurfacePtr s = NewSurface(w, h);
    Ctx cr(s.get());
    cairo_translate(cr, w / 2.0, h / 2.0);
    cairo_scale(cr, w / 2.0, h / 2.0);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(g, 0.4, 1, 1, 1, 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    return s;
}

SurfacePtr Cloud(int seed) {
    SurfacePtr s = NewSurface(64, 64);
    Ctx cr(s.get());
    Rng rng(seed);
    const PathFn puff = [&](cairo_t* c) {
        Rng r2(seed);
        for (int i = 0; i < 6; ++i) {
            cairo_new_sub_path(c);
            cairo_arc(c, 32 + r2.Range(-12, 12), 34 + r2.Range(-9, 9), r2.Range(8, 13), 0, 2 * M_PI);
        }
    };
    Glow(cr, puff, Rgb{0.95, 0.93, 0.9}, 6, 0.9);
    (void)rng;
    return s;
}

SurfacePtr ChainPiece() {
    SurfacePtr s = NewSurface(22, 14);
    Ctx cr(s.get());
    RoundedRect(cr, 2, 2, 18, 10, 5);
    cairo_set_line_width(cr, 3.4);
    SetRgb(cr, Hex(0x2A2C30));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2);
    SetRgb(cr, Hex(0xA8ACB4));
    cairo_stroke(cr);
    return s;
}

SurfacePtr Rain() {
    SurfacePtr s = NewSurface(6, 30);
    Ctx cr(s.get());
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 30);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.85, 0.9, 1, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.9, 0.95, 1, 0.8);
    RoundedRect(cr, 1.5, 0, 3, 30, 1.5);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    return s;
}

void Particles(Sink& sink) {
    sink.Png("gfx/particles/part0.png", SoftDot(32, 0.25).get(), "particle 0: soft round glow (tinted)");
    sink.Png("gfx/particles/part1.png", Star(32, 4, 0, 0.35).get(), "particle 1: four-pointed sparkle");
    sink.Png("gfx/particles/part2.png", Star(32, 4, 0, 0.7).get(), "particle 2: twinkle with halo");
    sink.Png("gfx/particles/part3.png", SoftDot(24, 0.6).get(), "particle 3: round puff");
    sink.Png("gfx/particles/part4.png", SoftDot(16, 0.45).get(), "particle 4: small bright dot (trails)");
    sink.Png("gfx/particles/1.png", Star(24, 5, 0.45, 0.3).get(), "particle 5 and firework 1: star");
    sink.Png("gfx/particles/2.png", Streak(32, 10).get(), "particle 6 and firework 3: spark streak");
    sink.Png("gfx/particles/3.png", Star(32, 4, 0, 0.5).get(), "particle 7 and firework 0: flare");
    sink.Png("gfx/particles/4.png", Star(20, 6, 0.5, 0.2).get(), "particle 8: six-pointed star");
    sink.Png("gfx/particles/5.png", SoftDot(16, 0.5).get(), "particle 9 and firework 2: burst spark");
    sink.Png("gfx/particles/6.png", Streak(20, 20).get(), "particle 10: round glow");
    for (int i = 1; i <= 4; ++i)
        sink.Png("gfx/particles/cloud-" + std::to_string(i) + ".png", Cloud(40 + i * 7).get(),
                 "dust cloud particle " + std::to_string(i));
    sink.Png("gfx/particles/chain.png", ChainPiece().get(), "piece of a broken chain");
    sink.Png("gfx/particles/rain.png", Rain().get(), "rain drop");
}

// A ribbon banner behind a caption line.
void Banner(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
    const PathFn ribbon = [=](cairo_t* k) {
        cairo_move_to(k, x, y);
        cairo_curve_to(k, x + w * 0.3, y - h * 0.12, x + w * 0.7, y - h * 0.12, x + w, y);
        cairo_line_to(k, x + w - h * 0.3, y + h / 2);
        cairo_line_to(k, x + w, y + h);
        cairo_curve_to(k, x + w * 0.7, y + h * 0.88, x + w * 0.3, y + h * 0.88, x, y + h);
        cairo_line_to(k, x + h * 0.3, y + h / 2);
        cairo_close_path(k);
    };
    DropShadow(cr, ribbon, 3, 5, 6, 0.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    AddStop(g, 0, Lighter(c, 0.3));
    AddStop(g, 1, Darker(c, 0.3));
    ribbon(cr);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Bevel(cr, ribbon, 2, 0.4, 0.4);
    ribbon(cr);
    SetRgb(cr, Darker(c, 0.6));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// The captions' words of one language, game/txt/<code>/captions.txt: "Get Ready!", "Go!",
// "Level", "Completed!", "No more moves!", "New building unlocked!", "New upgrade unlocked!".
constexpr int kCaptionLines = 7;

// Each banner's words stay inside the banner (its ribbon ends are cut in by a third of its
// height), a longer word is drawn smaller.
void CaptionsOf(Sink& sink, const std::string& code, const std::vector<std::string>& words) {
    const std::string dir = "gfx/captions/" + code + "/";
    TextStyle big;
    big.size = 84;
    big.outlineWidth = 5;
    big.shadowBlur = 6;
    big.shadowDx = 3;
    big.shadowDy = 5;
    {
        SurfacePtr s = NewSurface(512, 288);
        Ctx cr(s.get());
        Banner(cr, 26, 96, 460, 110, Hex(0x3A7A3A));
        TextStyle t = big;
        t.maxWidth = 460 - 2 * 110 * 0.3 - 10;
        Lettering(cr, words[0], 256, 146, t);
        sink.Png(dir + "get-ready.png", s.get(), "caption at the start of a level (handle 256,144)");
    }
    {
        SurfacePtr s = NewSurface(420, 240);
        Ctx cr(s.get());
        TextStyle go = big;
        go.size = 170;
        go.outlineWidth = 7;
        go.top = Hex(0xFFF6A8);
        go.bottom = Hex(0xF08A20);
        go.maxWidth = 400;
        Lettering(cr, words[1], 210, 120, go);
        sink.Png(dir + "go.png", s.get(), "caption when the clock starts");
    }
    {
        SurfacePtr s = NewSurface(640, 280);
        Ctx cr(s.get());
        for (int i = 0; i < 10; ++i) {
            const double a = i * M_PI / 5;
            Sparkle(cr, 320 + 290 * std::cos(a) * 0.95, 140 + 120 * std::sin(a), 10 + (i % 3) * 4, 0.9);
        }
        TextStyle t = big;
        t.size = 92;
        t.maxWidth = 620;
        Lettering(cr, words[2], 320, 82, t);
        Lettering(cr, words[3], 320, 190, t);
        sink.Png(dir + "level-completed.png", s.get(), "caption when a level is won");
    }
    {
        SurfacePtr s = NewSurface(560, 150);
        Ctx cr(s.get());
        Banner(cr, 20, 30, 520, 92, Hex(0x8A3A2A));
        TextStyle t = big;
        t.size = 56;
        t.outlineWidth = 4;
        t.top = Hex(0xFFFFFF);
        t.bottom = Hex(0xF4D8B0);
        t.maxWidth = 520 - 2 * 92 * 0.3 - 10;
        Lettering(cr, words[4], 280, 74, t);
        sink.Png(dir + "noMoves.png", s.get(), "caption before the board is shuffled");
    }
    const char* file[] = {"unlocked_building.png", "unlocked_upgrade.png"};
    for (int k = 0; k < 2; ++k) {
        SurfacePtr s = NewSurface(600, 150);
        Ctx cr(s.get());
        Banner(cr, 20, 30, 560, 92, k == 0 ? Hex(0x2F5F9A) : Hex(0x6A3A8A));
        TextStyle t = big;
        t.size = 44;
        t.outlineWidth = 4;
        t.maxWidth = 560 - 2 * 92 * 0.3 - 10;
        const std::string& unlock = words[static_cast<size_t>(5 + k)];
        Lettering(cr, unlock, 300, 74, t);
        sink.Png(dir + file[k], s.get(), "caption: " + unlock);
    }
}

// The captions of every language of the game that has its words; a language without them
// shows the base language's pictures.
void Captions(Sink& sink) {
    for (const LanguageInfo& language : kLanguages) {
        const std::vector<std::string> words = LanguageLines(sink.GameDir(), language.code, "captions.txt");
        if (static_cast<int>(words.size()) < kCaptionLines) {
            std::cerr << "assetgen_art: no " << kCaptionLines << " lines in txt/" << language.code
                      << "/captions.txt, no captions drawn for it\n";
            continue;
        }
        CaptionsOf(sink, language.code, words);
    }
}

}  // namespace

void DrawEffects(Sink& sink) {
    Particles(sink);
    Captions(sink);
}

}  // namespace art
