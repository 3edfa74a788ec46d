// The pair puzzle's tile and its 20 symbols, the memory puzzle's card back and
// face and its 26 symbols. The game stretches the tile and the cards to the
// puzzle's cells; the pair symbols are stretched with their tile, the memory
// symbols keep their size, so they fit the smallest card (100x72).
#include "puzzles.h"

#include <cmath>
#include <string>

namespace art::puzzles {

namespace {

constexpr int kTileW = kCardW, kTileH = kCardH;
constexpr int kPairSymbol = 88, kMemorySymbol = 64;

// Shapes on the pair tiles: gems, fruit, resources and village things.
constexpr int kPairShapes[20] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 18, 19, 20, 21, 22, 23, 24, 25, 26};
// Shapes on the memory cards: all but the bomb and the colour tool, which look like the ruby and the star.
constexpr int kMemoryShapes[26] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 13,
                                   14, 15, 16, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27};

// The shape with a soft shadow below and to the right, as every object of the game has.
SurfacePtr Symbol(int shape, int size, double box) {
    SurfacePtr shape_ = NewSurface(size, size);
    {
        Ctx cr(shape_.get());
        DrawSymbolShape(cr, shape, size / 2.0 - 1, size / 2.0 - 1, box);
    }
    SurfacePtr shadow = NewSurface(size, size);
    {
        Ctx cr(shadow.get());
        cairo_set_source_rgba(cr, 0.12, 0.06, 0.02, 1);
        cairo_mask_surface(cr, shape_.get(), 2, 3);
    }
    Blur(shadow.get(), 2);
    SurfacePtr out = NewSurface(size, size);
    Ctx cr(out.get());
    cairo_set_source_surface(cr, shadow.get(), 0, 0);
    cairo_paint_with_alpha(cr, 0.45);
    cairo_set_source_surface(cr, shape_.get(), 0, 0);
    cairo_paint(cr);
    return out;
}

// An ivory slab with a bevelled edge and a fine carved line inside it.
SurfacePtr Tile() {
    SurfacePtr s = NewSurface(kTileW, kTileH);
    Ctx cr(s.get());
    const PathFn slab = [](cairo_t* c) { RoundedRect(c, 3, 3, kTileW - 7, kTileH - 7, 12); };
    DropShadow(cr, slab, 2, 2, 2, 0.45);
    slab(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, kTileW * 0.4, kTileH);
    AddStop(g, 0, Hex(0xFFF8E6));
    AddStop(g, 1, Hex(0xE6D4AE));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Bevel(cr, slab, 4, 0.7, 0.45);
    RoundedRect(cr, 11, 11, kTileW - 23, kTileH - 23, 7);
    cairo_set_line_width(cr, 1.5);
    SetRgb(cr, Hex(0xB08A52), 0.6);
    cairo_stroke(cr);
    return s;
}

// The back of a memory card: deep red with a gold border and a gold
// sun-and-diamond emblem; the face: parchment in a thin gold border.
SurfacePtr Card(bool back) {
    SurfacePtr s = NewSurface(kTileW, kTileH);
    Ctx cr(s.get());
    const PathFn card = [](cairo_t* c) { RoundedRect(c, 4, 4, kTileW - 9, kTileH - 9, 10); };
    DropShadow(cr, card, 2, 2, 2, 0.45);
    if (back) {
        card(cr);
        cairo_pattern_t* g = cairo_pattern_create_radial(kTileW * 0.4, kTileH * 0.35, 5, kTileW / 2.0,
                                                         kTileH / 2.0, kTileW * 0.6);
        AddStop(g, 0, Hex(0xB83A30));
        AddStop(g, 1, Hex(0x6A1A1A));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        RoundedRect(cr, 12, 12, kTileW - 25, kTileH - 25, 6);
        cairo_set_line_width(cr, 2.5);
        SetRgb(cr, Hex(0xE8C060));
        cairo_stroke(cr);
        PathFromPoints(cr, PolygonPoints(kTileW / 2.0, kTileH / 2.0, 34, 8, 22.5, 16));
        SetRgb(cr, Hex(0xE8C060), 0.9);
        cairo_fill(cr);
        cairo_arc(cr, kTileW / 2.0, kTileH / 2.0, 11, 0, 2 * M_PI);
        SetRgb(cr, Hex(0x8A2420));
        cairo_fill(cr);
        for (double x : {20.0, kTileW - 21.0})
            for (double y : {20.0, kTileH - 21.0}) {
                PathFromPoints(cr, PolygonPoints(x, y, 5, 4, 0));
                SetRgb(cr, Hex(0xE8C060));
                cairo_fill(cr);
            }
    } else {
        Parchment(cr, card, 4, 4, kTileW - 9, kTileH - 9, 55);
        RoundedRect(cr, 9, 9, kTileW - 19, kTileH - 19, 7);
        cairo_set_line_width(cr, 2);
        SetRgb(cr, Hex(0xC8963A), 0.8);
        cairo_stroke(cr);
    }
    Bevel(cr, card, 2.5, 0.5, 0.5);
    return s;
}

}  // namespace

void DrawPuzzleSymbols(Sink& sink) {
    const std::string dir = "gfx/gui/puzzleGame/";
    SurfacePtr tile = Tile();
    sink.Png(dir + "pan.png", tile.get(), "pair puzzle tile, stretched to the cell (handle top-left)");
    for (int n = 0; n < 20; ++n) {
        SurfacePtr s = Symbol(kPairShapes[n], kPairSymbol, 70);
        sink.Png(dir + "specChips/chip" + std::to_string(n) + ".png", s.get(),
                 "pair symbol, drawn at the cell centre under the tile's stretch");
    }
    SurfacePtr back = Card(true), face = Card(false);
    sink.Png(dir + "specChips2/pan.png", back.get(), "memory card back, stretched to the cell");
    sink.Png(dir + "specChips2/pan2.png", face.get(), "memory card face, stretched to the cell");
    for (int n = 0; n < 26; ++n) {
        SurfacePtr s = Symbol(kMemoryShapes[n], kMemorySymbol, 52);
        sink.Png(dir + "specChips2/chip" + std::to_string(n) + ".png", s.get(),
                 "memory symbol, drawn at its own size on the card face");
    }
}

}  // namespace art::puzzles
