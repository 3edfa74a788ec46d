// The village family: the village picture, the buildings in every stage, their
// positions file, the item icons and the research building's glow, and the
// review pictures of the whole village in the build folder.
#pragma once

#include "canvas.h"
#include "sink.h"
#include "village_house.h"

#include <vector>

namespace art::village {

SurfacePtr VillageBack();  // village_back.cpp

// A picture cut tight around what was drawn, and where it lies on the village picture.
struct Picture {
    SurfacePtr s;
    int x = 0, y = 0;
};
Picture RenderBuilding(const Design& d, P2 origin, Stage stage, std::uint64_t seed);

// village_icons.cpp: the 24 item icons from the building pictures (item id -> picture).
void DrawItemIcons(Sink& sink, const std::vector<const Picture*>& itemPictures);
// A copy of the picture with a warm glow around it, larger by (mx, my) on every side.
SurfacePtr WithGlow(cairo_surface_t* s, int mx, int my);

}  // namespace art::village
