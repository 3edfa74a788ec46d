// Pieces the village's house routine is built from: faces in their own
// coordinates, simple boxes, the construction stages, round towers and the
// small props of yards (fences, logs, sacks, rocks, carts).
#pragma once

#include "village_house.h"

#include <vector>

namespace art::village {

// A flat face: origin o, unit directions u (along) and v (up), outline in (u, v).
// cross(u, v) points out of the building.
struct Face {
    P3 o, u, v;
    std::vector<P2> outline;
};

P2 Dir(P3 d);  // screen direction of a world direction
bool Visible(const Face& f);
// Makes (u, v) of the face the current drawing coordinates.
void EnterFace(cairo_t* cr, P2 origin, const Face& f);
void OutlinePath(cairo_t* cr, const Face& f);
// A box of one colour, shaded per face (only its front, right and top show).
void Box(cairo_t* cr, P2 origin, P3 at, P3 size, Rgb c);
P3 BlockCorner(const Block& b, int k, double z);  // k = 0 front-left, 1 front-right, 2, 3 back

void DrawBlock(cairo_t* cr, P2 origin, const Block& b, Stage stage, Rng& rng);
void DrawTower(cairo_t* cr, P2 origin, const Tower& t, Stage stage, Rng& rng);

// Stages: the open interior of a shed's front, the bare timber frame, the wall tops
// of a building without its roof, the staked plot.
void Shed(cairo_t* cr, const Block& b, double w, double h);
void TimberFrame(cairo_t* cr, P2 origin, const Block& b);
void OpenTop(cairo_t* cr, P2 origin, const Block& b);
void StakedPlot(cairo_t* cr, P2 origin, const Design& d, Rng& rng);

// Props, placed on the ground at plan point p of the building.
void Fence(cairo_t* cr, P2 origin, P3 a, P3 b, double height, Rgb wood);
void LogPile(cairo_t* cr, P2 origin, P3 p, int rows, double length);
void Sack(cairo_t* cr, P2 origin, P3 p, Rgb c);
void Barrel(cairo_t* cr, P2 origin, P3 p);
void Rock(cairo_t* cr, P2 origin, P3 p, double r, Rgb c, Rng& rng);
void Cart(cairo_t* cr, P2 origin, P3 p, Rgb load);
void Bush(cairo_t* cr, P2 origin, P3 p, double r, Rgb leaf);
void Sign(cairo_t* cr, P2 origin, P3 p, Rgb board, Rgb mark);
// A bare-earth patch over the plan rectangle (x, y, w, d).
void EarthPatch(cairo_t* cr, P2 origin, double x, double y, double w, double d, Rgb c, double alpha);

}  // namespace art::village
