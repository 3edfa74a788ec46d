// The board's ways out to the rest of the game. The board rules call these
// functions only. Decorative effects go straight to the effect lists
// (src/effects), sounds through PlayGameSound (audio/game_sound.h); the
// profile's cash and power-up charges go through hooks that the game wiring
// fills in. An empty hook does nothing, so the rules run unchanged in tests
// and tools without a profile.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "frame/value_types.h"
#include "platform/angles.h"
#include "platform/platform.h"

class TChip;
class TParticleList;

// What the board hands to the sound manager and the profile. Fields left
// empty are skipped (a sound is silent, nothing is credited or charged).
struct TBoardHooks {
    // Profile: AddScore's share for the profile's cash.
    std::function<void(int)> addCash;
    // Profile: the first unlocked, not full power-up slot (0..5), -1 for none.
    std::function<int()> collectingSlot;
    // Profile: power-up slot `slot` gets add(1) when a flying chip arrives.
    std::function<void(int slot)> chargeSlot;
};

// The hooks in use; the game wiring (and tests) fill them in.
TBoardHooks& BoardHooks();

// Effect list calls: CreateParticle, CreateChainPiece, CreateOdpadek (the
// chip's picture drops off the screen) and CreateFlyer (resources fly to their panel).
void M3Particle(int n, float x1, float y1, float x2, float y2, float mx, float my, const TRGB& rgb, float a1,
                float a2, float s1, float s2, float r1, float r2, int blend, int delay, int life);
void M3ChainPiece(int n, float x, float y, int direction, int flip);
// Updates and draws the board's particles (particleList when null) in few calls while none of
// them turns, which gives exactly the pixels of one call each (the sparkles of a rocking hint
// cost a fraction); with a turned one among them, one call each, as DrawParticles.
void M3DrawParticles(TParticleList* list = nullptr);
void M3Odpadek(const std::shared_ptr<TChip>& chip, int x, int y, int delay);
void M3ResourceFlyer(const std::shared_ptr<TChip>& chip, int x, int y);
void M3AddCash(int amount);
int M3CollectingSlot();
void M3ChargeSlot(int slot);

// Fire colours shared by sparks and flames: c = 200..250, then (c, c/2, c/3),
// (c, 0, 0) or (c, c, 0).
TRGB M3FireColour();
