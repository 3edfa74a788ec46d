// Particle emitters shared by several screens: puzzle sparkles, pieces of a
// broken chain and the trail of a resource flyer.
#pragma once

// A twinkle near (x, y) that fades in and out (a puzzle piece snapping home).
void CreateSparkle(float x, float y);
// One piece of a broken chain at (x, y): it moves sideways (direction -1 left,
// 0 little, 1 right), then drops while spinning; flip mirrors its start angle.
void CreateChainPiece(int n, float x, float y, int direction, int flip);
// Twelve short-lived sparks along the segment from (bx, by), where a flyer is
// now, back to (ax, ay), where it was at its previous trail, in the colour of
// resource res (0..3; other values make nothing).
void CreateFlyerTrail(float ax, float ay, float bx, float by, int res);
