// Surface textures of the village's houses, drawn in a face's own coordinates
// (u along the face, v up it, origin at its bottom-left): wall materials, roof
// coverings, doors and windows.
#pragma once

#include "village_house.h"

namespace art::village {

// Fills u in [0, w], v in [0, h] (the caller clips to the face's outline).
void WallTexture(cairo_t* cr, Wall wall, Rgb c, double w, double h, int floors, Rng& rng);
// Rows of roof covering parallel to the eave (v = 0) up to v = h, over u in [u0, u1].
void RoofTexture(cairo_t* cr, Roof roof, Rgb c, double u0, double u1, double h, Rng& rng);
// A door standing on v = 0 centred on u = cx.
void Door(cairo_t* cr, double cx, double w, double h, Rgb wood, Rgb trim, double light);
// A window centred on (cx, cy) with its frame, panes, sill and optional shutters.
void Window(cairo_t* cr, double cx, double cy, double w, double h, Rgb trim, Rgb shutters, bool shuttered,
            double light);

}  // namespace art::village
