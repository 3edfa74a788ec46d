// The village's buildings are drawn in one oblique view with one parametric
// house: boxes of walls (plaster, timber, stone, logs, planks, brick) under a
// roof (thatch, tiles, slate, shingles; gable, hip, shed or flat), with doors,
// windows, shutters and chimneys, and round towers. X runs right along a
// building's front, Y runs back (up and to the right on screen), Z runs up.
#pragma once

#include "paint.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace art::village {

constexpr double kDepthX = 0.42, kDepthY = 0.48;

struct P2 {
    double x = 0, y = 0;
};
struct P3 {
    double x = 0, y = 0, z = 0;
};

// Screen point of a world point, for a building whose front-left ground corner is at origin.
inline P2 Project(P2 origin, P3 p) {
    return {origin.x + p.x + p.y * kDepthX, origin.y - p.z - p.y * kDepthY};
}

enum class Wall { Plaster, Timber, Stone, Logs, Planks, Brick };
enum class Roof { Thatch, Tiles, Slate, Shingles };
enum class RoofShape { Gable, GableFront, Hip, Shed, Flat };

// A chimney: its plan centre (x, y) and the height of its top. The centre of its
// top opening is where the smoke starts.
struct Chimney {
    double x = 0, y = 0, top = 0;
    Wall wall = Wall::Stone;
    double size = 9;
};

struct Block {
    double x = 0, y = 0, w = 60, d = 40, h = 30;  // plan corner, width, depth, wall height
    Wall wall = Wall::Plaster;
    Rgb wallColour = Hex(0xEEDFC2);
    bool stonePlinth = false;
    RoofShape shape = RoofShape::Gable;
    Roof roof = Roof::Tiles;
    Rgb roofColour = Hex(0xB8553A);
    double roofH = 24, overhang = 4;
    int floors = 1;
    int frontWindows = 2, sideWindows = 1;
    double doorAt = 0.5;     // door centre as a fraction of the front width; < 0: no door
    bool wideDoor = false;   // barn or workshop door
    bool openFront = false;  // an open shed: posts instead of a front wall
    bool shuttered = false;
    Rgb trim = Hex(0x6A4630), shutters = Hex(0x4F7A5A), door = Hex(0x7A4A2A);
    std::vector<Chimney> chimneys = {};
};

// A round tower standing on its plan centre, with a cone or a dome on top.
struct Tower {
    double x = 0, y = 0, r = 16, h = 80, roofH = 40;
    double base = 0;  // height its walls start at (a tower rising out of a roof)
    Wall wall = Wall::Stone;
    Rgb wallColour = Hex(0xC9BBA2);
    Roof roof = Roof::Slate;
    Rgb roofColour = Hex(0x5A6478);
    bool dome = false;
    int windowRows = 3;
    bool flag = true;
    bool clock = false;
};

// Construction stages of a building, as the land screen shows them in turn.
enum class Stage { Plot = 1, Frame = 2, Walls = 3, Done = 4 };

struct Design {
    std::vector<Block> blocks;
    std::vector<Tower> towers;
    // Yard, fences and props behind the houses and in front of them (finished building only).
    std::function<void(cairo_t*, P2)> behind, front;
};

// Draws a whole building at its ground origin: soft ground shadow, then props,
// blocks and towers back to front, in the given stage.
void DrawDesign(cairo_t* cr, P2 origin, const Design& d, Stage stage, std::uint64_t seed);
// The screen rectangle covered by the design's footprints (for plots on the village picture).
void FootprintPath(cairo_t* cr, P2 origin, const Design& d, double grow);

// Screen point of the centre of a chimney's top opening.
inline P2 ChimneyTop(P2 origin, const Block& b, const Chimney& c) {
    return Project(origin, {b.x + c.x, b.y + c.y, c.top});
}

// Shading of a face by its outward normal under the village's light.
Rgb Shade(Rgb c, P3 normal);

}  // namespace art::village
