// The objects the chips show (logs, sheaves, coins, stones, gems), drawn at any
// size so that the same silhouettes serve the chips, the resource icons and the
// level summary.
#pragma once

#include "paint.h"

namespace art {

// A log of length len and radius r centred on (cx, cy), turned by deg degrees.
void DrawLog(cairo_t* cr, double cx, double cy, double len, double r, double deg, std::uint64_t seed);
// A wood chip of tier 1..3 filling a box of size s centred on (cx, cy).
void DrawWood(cairo_t* cr, double cx, double cy, double s, int tier);
// A wheat sheaf (tier 1..5: ribbon, apples, gold) in a box of size s.
void DrawFood(cairo_t* cr, double cx, double cy, double s, int tier);
// Coins (tier 1..6: copper, silver, gold, then growing stacks and a crown).
void DrawGold(cairo_t* cr, double cx, double cy, double s, int tier);
// A stone (tier 1..3: grey boulder, granite with a crystal, marble with crystals).
void DrawRock(cairo_t* cr, double cx, double cy, double s, int tier);
// Plain gem kind 1..6 (ruby circle, sapphire diamond, emerald octagon, topaz
// triangle, amethyst star, amber heart) in a box of size s.
void DrawPlainGem(cairo_t* cr, double cx, double cy, double s, int kind);
void DrawBomb(cairo_t* cr, double cx, double cy, double s, bool spark);
void DrawScroll(cairo_t* cr, double cx, double cy, double s);
void DrawApple(cairo_t* cr, double cx, double cy, double r, Rgb c);

}  // namespace art
