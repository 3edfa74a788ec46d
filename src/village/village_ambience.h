// The village's weather and ambience, shared by the land screen and the main
// menu: chimney smoke, glitter on the river and the water along the bottom,
// rain streaks and drifting clouds. Each emitter is called every frame with
// the clock time, its own timer (the clock time of its next burst) and the
// particle list it feeds; the caller draws the lists (DrawParticles).
#pragma once

#include <array>

#include "frame/value_types.h"

class TParticleList;
class TProfile;

constexpr int CHIMNEY_COUNT = 6;

struct TChimney {
    int x = 0, y = 0;                // the chimney's top on the village picture
    int interval = 250;              // ms between two puffs
    int greyLo = 150, greyHi = 200;  // grey level of a puff
    int smokeItem = 0;               // the item whose owner lights it
};
// The chimney table: chimney k smokes for items 16, 15, 3, 5, 9, 1.
extern const std::array<TChimney, CHIMNEY_COUNT> chimneys;

using ChimneysLit = std::array<bool, CHIMNEY_COUNT>;
using ChimneyTimers = std::array<int, CHIMNEY_COUNT>;  // clock time of each next puff
// The chimneys an owner's items light; every chimney for a null owner (the menu).
ChimneysLit ChimneysLitBy(const TProfile* owner);

// One puff for each lit chimney whose time has come.
void UpdateSmoke(int now, ChimneyTimers& next, const ChimneysLit& lit, TParticleList& list);

constexpr int WATER_ZONES = 7;
constexpr int WATER_BATCH = 30;     // sparkles per burst
constexpr int WATER_INTERVAL = 25;  // ms between bursts
// Life of the sparkles of zone 1..7 (ms).
int WaterZoneLife(int zone);
// One glitter sparkle in that zone (1..7), into list.
void EmitWaterSparkle(int zone, TParticleList& list);
// A burst of WATER_BATCH sparkles in random zones when its time has come.
void UpdateWater(int now, int& next, TParticleList& list);

// Quest levels on which the village rains.
bool IsRainyLevel(int questLevelId);
constexpr int RAIN_BATCH = 100;
constexpr int RAIN_INTERVAL = 25;
// A burst of rain streaks over the whole play area when its time has come.
void UpdateRain(int now, int& next, TParticleList& list);

// One cloud when its time has come (every 20 to 24 s), dark while raining.
void UpdateClouds(int now, int& next, bool raining, TParticleList& list);
