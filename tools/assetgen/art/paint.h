// Drawing helpers shared by every picture family, so that one art direction holds
// across the game: light from the top left, soft shadows, warm wood and parchment,
// glossy gems and shadowed lettering.
#pragma once

#include "canvas.h"
#include "fonts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace art {

struct Rgb {
    double r = 0, g = 0, b = 0;
};
Rgb Hex(std::uint32_t rgb);
Rgb Mix(Rgb a, Rgb b, double t);
inline Rgb Lighter(Rgb c, double t) { return Mix(c, Rgb{1, 1, 1}, t); }
inline Rgb Darker(Rgb c, double t) { return Mix(c, Rgb{0, 0, 0}, t); }
void SetRgb(cairo_t* cr, Rgb c, double alpha = 1.0);
void AddStop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);

// The direction light comes from, the same in every picture (unit vector pointing to the light).
constexpr double kLightX = -0.6, kLightY = -0.8;

using PathFn = std::function<void(cairo_t*)>;

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Regular polygon or star path around (cx, cy); rot in degrees, inner > 0 makes a star.
std::vector<std::pair<double, double>> PolygonPoints(double cx, double cy, double r, int n, double rotDeg,
                                                     double inner = 0);
void PathFromPoints(cairo_t* cr, const std::vector<std::pair<double, double>>& pts);

// Box blur (three passes, close to a Gaussian) of an ARGB32 surface in place.
void Blur(cairo_surface_t* s, int radius);
// A blurred black copy of the shape under the current drawing, offset in device pixels.
void DropShadow(cairo_t* cr, const PathFn& path, double dx, double dy, int blur, double alpha);
// A soft glow of the given colour around the shape (drawn beneath it).
void Glow(cairo_t* cr, const PathFn& path, Rgb c, int blur, double alpha, double grow = 0);
// Darkens the inside of the shape near its edges (paper edges, recesses).
void InnerShade(cairo_t* cr, const PathFn& path, Rgb c, double width, int blur, double alpha);
// Light edge on the lit side and dark edge on the far side of the shape.
void Bevel(cairo_t* cr, const PathFn& path, double width, double light, double dark);

// Wood grain filling the current clip over the rectangle; horizontal grain unless vertical.
void WoodGrain(cairo_t* cr, double x, double y, double w, double h, Rgb base, std::uint64_t seed,
               bool vertical = false);
// A carved wooden frame of thickness border around parchment (parchment = false leaves the inside empty).
void WoodPanel(cairo_t* cr, double x, double y, double w, double h, double radius, double border,
               std::uint64_t seed, bool parchment = true);
// Parchment filling the shape: warm paper with faint blotches and darker edges.
void Parchment(cairo_t* cr, const PathFn& path, double x, double y, double w, double h, std::uint64_t seed);

enum class ButtonState { Normal, Over, Pressed, Disabled };
// A rounded wooden button with an enamel face of the given colour.
void Button(cairo_t* cr, double x, double y, double w, double h, Rgb face, ButtonState state);

// A faceted gem whose outline is the polygon; facets are shaded by the light direction.
void FacetGem(cairo_t* cr, const std::vector<std::pair<double, double>>& outline, double cx, double cy, Rgb c,
              double table = 0.5);
// A smooth glossy cabochon filling the shape (bounding box x, y, w, h).
void Cabochon(cairo_t* cr, const PathFn& path, double x, double y, double w, double h, Rgb c);
// The white gloss spot and a small four-pointed sparkle used on every glossy item.
void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);
void Sparkle(cairo_t* cr, double cx, double cy, double r, double alpha);

// Lettering: text centred on (cx, cy) (centre of its ink), filled with a vertical
// gradient top..bottom, outlined and shadowed. Returns the ink width.
struct TextStyle {
    Face face = Face::Display;
    double size = 32;
    Rgb top{1, 0.93, 0.6}, bottom{0.93, 0.62, 0.16};
    Rgb outline{0.29, 0.15, 0.05};
    double outlineWidth = 3;
    double shadowAlpha = 0.55;
    int shadowBlur = 3;
    double shadowDx = 2, shadowDy = 3;
    // When above 0: the lettering is drawn smaller where its ink, outline included, would be
    // wider (a longer word of another language on the same banner).
    double maxWidth = 0;
};
double Lettering(cairo_t* cr, const std::string& text, double cx, double cy, const TextStyle& style);

}  // namespace art
