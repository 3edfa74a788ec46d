// The puzzle family: the 24 puzzle pictures (each a scene of the village and its
// countryside, with its faded sepia twin), the pair and memory symbols, the
// tile, the cards, the scroll, the frame and the skip buttons. Scenes are built
// from the shared routines below, in a storybook view looking over the land,
// with the village's own buildings placed in it.
#pragma once

#include "paint.h"
#include "sink.h"
#include "village_house.h"

namespace art::puzzles {

// Size of every puzzle picture: divisible by every row and column count (2..6).
constexpr int kPicW = 600, kPicH = 360;

// The light of a scene: sky, sun or moon, and the colours of the land under it.
struct Mood {
    Rgb skyTop, skyBottom, sun;
    double sunX = 0, sunY = 0;
    Rgb hillFar, hillNear, grass, foliage;
    double light = 1;  // 0 night .. 1 noon
};

// puzzles_scene.cpp: the scene routines, each drawing into a 600x360 picture.
void Sky(cairo_t* cr, const Mood& m, Rng& rng, int clouds);
void Stars(cairo_t* cr, Rng& rng, int n, double bottom);
// Sky, two ranges of hills and the meadow from just below the horizon.
void Backdrop(cairo_t* cr, const Mood& m, Rng& rng, double horizon, int clouds);
// A ridge filled down to the bottom: height base +- amp, shaded toward the bottom.
void Ridge(cairo_t* cr, double base, double amp, double freq, double phase, Rgb c, double shade = 0.2);
// Ground from y0 down: grass with soft patches and short blades.
void Meadow(cairo_t* cr, double y0, Rgb c, Rng& rng);
// A field of furrows or crop rows between two horizontal lines, narrowing toward the back.
void FieldRows(cairo_t* cr, double x0, double x1, double y0, double y1, double skew, Rgb a, Rgb b, int rows);
// A river winding from the horizon (top centre x, width w0) to the bottom (x, w1).
void River(cairo_t* cr, double topX, double topY, double w0, double bottomX, double w1, Rgb sky, Rng& rng);
// A pond: an ellipse of water with reeds at its edge.
void Pond(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb sky, Rng& rng);
// A dirt road from the horizon to the bottom edge.
void Road(cairo_t* cr, double topX, double topY, double w0, double bottomX, double w1, Rgb c);
void Tree(cairo_t* cr, double x, double ground, double s, Rgb leaf, Rng& rng, int fruit = 0,
          Rgb fruitC = Hex(0xD8342A));
void Pine(cairo_t* cr, double x, double ground, double s, Rgb c);
void BareTree(cairo_t* cr, double x, double ground, double s, Rng& rng);
void Haystack(cairo_t* cr, double x, double ground, double s);
void Sheaf(cairo_t* cr, double x, double ground, double s);
void Basket(cairo_t* cr, double x, double ground, double s, Rgb fruit);
void Sheep(cairo_t* cr, double x, double ground, double s, bool left, bool grazing);
void Hen(cairo_t* cr, double x, double ground, double s, Rgb c, bool left);
void Pig(cairo_t* cr, double x, double ground, double s, bool left);
// A villager: feet at (x, ground), s the height; kind picks the clothes and the hat.
void Villager(cairo_t* cr, double x, double ground, double s, Rgb coat, int kind);
void Stall(cairo_t* cr, double x, double ground, double w, Rgb cloth, Rgb goods, Rng& rng);
// Pennants on a sagging string from a to b.
void Bunting(cairo_t* cr, double ax, double ay, double bx, double by, double sag, Rng& rng);
void WaterWheel(cairo_t* cr, double cx, double cy, double r);
void Skep(cairo_t* cr, double x, double ground, double s);
void Pumpkin(cairo_t* cr, double x, double ground, double s);
void Boat(cairo_t* cr, double x, double y, double s);
void Bridge(cairo_t* cr, double x, double y, double w, double h);
void Smoke(cairo_t* cr, double x, double y, double h, double alpha, Rng& rng);
// One of the village's buildings, its ground point at (x, y), drawn s times its village size.
void Building(cairo_t* cr, const village::Design& d, double x, double y, double s, std::uint64_t seed);
// The same under snow: a white cap `depth` pixels deep along its upper outline.
void SnowyBuilding(cairo_t* cr, const village::Design& d, double x, double y, double s, std::uint64_t seed,
                   double depth);
// Weather and light laid over the whole picture.
void Snowfall(cairo_t* cr, Rng& rng, int n);
void SnowGround(cairo_t* cr, double y0, Rng& rng);
void RainStreaks(cairo_t* cr, Rng& rng, int n);
void NightVeil(cairo_t* cr, Rgb tint, double alpha);
void Lamp(cairo_t* cr, double x, double y, double r, Rgb c, double alpha);
void Finish(cairo_t* cr, const Mood& m);
// The faded sepia twin of a picture (same size): warm browns on old paper.
SurfacePtr SepiaTwin(cairo_surface_t* colour);

// puzzles_pictures.cpp: the 24 scenes (index 0..23); the first twelve are there,
// the rest in puzzles_pictures_more.cpp.
void PaintScene(cairo_t* cr, int index);
void PaintLaterScene(cairo_t* cr, int index);
void DrawPuzzlePictures(Sink& sink);

// puzzles_symbols.cpp: the pair tile and symbols, the memory cards and symbols.
// The tile and the cards are stretched to the cells, which are about 5:4 in most grids.
constexpr int kCardW = 150, kCardH = 120;
void DrawPuzzleSymbols(Sink& sink);
// puzzles_gui.cpp: scroll, frame, skip buttons, and a review of the screen.
void DrawPuzzleGui(Sink& sink);
// puzzles_symbol_shapes.cpp: the objects the symbols show, centred on (cx, cy) in a box of size s.
constexpr int kShapeCount = 28;
void DrawSymbolShape(cairo_t* cr, int shape, double cx, double cy, double s);

}  // namespace art::puzzles
