// The story's look: layered paper cut-outs against a warm backlight, as in a
// shadow theatre. Far layers are pale and hazy, near ones deep and dark; each
// cut-out carries a thin glowing rim on its upper edge and a soft halo that
// lifts it off the layer behind. Figures are dark silhouettes with a few
// cut-out holes (eyes, windows) that let the light through.
#pragma once

#include "paint.h"
#include "sink.h"

#include <string>

namespace art {
namespace story {

// The light behind everything.
constexpr Rgb kGlow{1.0, 0.86, 0.55};
// Paper tones by depth: 0 far (pale, hazy) .. 5 near (deep).
Rgb Tone(int depth);
// A deep warm near-black for figures in front.
constexpr Rgb kInk{0.16, 0.09, 0.07};

// Sky: a vertical gradient from `top` to `horizon` with a soft sun at (sx, sy).
void Sky(cairo_t* cr, int w, int h, Rgb top, Rgb horizon, double sx, double sy, double sunR);
// A rolling ridge filled down to the bottom: height `base` +- `amp`, seeded.
void RidgePath(cairo_t* cr, double w, double h, double base, double amp, std::uint64_t seed,
               double wavelength = 260);
// Fills `path` as one paper layer: flat colour, a light rim along its top,
// a halo behind it.
void PaperFill(cairo_t* cr, const PathFn& path, Rgb colour, double rim = 0.35, double halo = 0.35);
// A haze of the glow colour rising from y0 to y1 over the whole width.
void Haze(cairo_t* cr, double w, double y0, double y1, double alpha);

// Silhouette shapes added to the current path (no fill).
void RoundTree(cairo_t* cr, double x, double ground, double h);
void PineTree(cairo_t* cr, double x, double ground, double h);
// A cottage: walls w wide, h tall to the eaves, a gable roof.
void Cottage(cairo_t* cr, double x, double ground, double w, double h, bool chimney);
void Tower(cairo_t* cr, double x, double ground, double w, double h);
// Lit windows of a cottage drawn with Cottage (filled with the glow).
void CottageWindows(cairo_t* cr, double x, double ground, double w, double h, Rgb light);
void GrassTufts(cairo_t* cr, double x0, double x1, double ground, double h, std::uint64_t seed);

// Figures: seat or feet at (x, y), `s` the scale (1: a grown-up about 170 px
// tall), facing right unless `left`.
void Horse(cairo_t* cr, double saddleX, double saddleY, double s, bool left, double stride);
// lanceDeg: the lance's angle above the level (beyond 360: no lance).
void Rider(cairo_t* cr, double seatX, double seatY, double s, bool left, double lanceDeg, bool helmet);
// kind: 0 man in a cap, 1 woman in a kerchief, 2 man bare-headed, 3 man in a tall hat waving.
void Person(cairo_t* cr, double x, double feet, double s, int kind);
// Head and shoulders; kind 1 cap, 2 tall hat, 3 a raised hand.
void Bust(cairo_t* cr, double cx, double bottom, double s, int kind);

// Fills the current path as a figure: ink with a warm rim of light.
void InkFill(cairo_t* cr, const PathFn& path, Rgb ink = kInk);

// Writes tiles of `tileW` pixels cut from a wide picture: prefix + k + ext.
void WriteTiles(Sink& sink, cairo_surface_t* wide, int tileW, const std::string& prefix,
                const std::string& ext, const std::string& purpose);

}  // namespace story
}  // namespace art
