// One power-up slot below the board (0 hammer, 1 hourglass, 2 pickaxe,
// 3 dynamite, 4 bomb, 5 colour). The slots belong to the current profile, so
// charges and unlocks carry over from level to level.
//
// A slot is locked (planks nailed over it) until the village unlocks it; the
// unlock slams the planks twice and throws them off. Destroyed plain chips
// charge the first unlocked slot that is not full; a full slot sparkles once
// and can be used, which empties it. The slot draws itself filling from the
// bottom up. The power-up table (charges needed, research costs) is read
// once by LoadPowerUpData.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "frame/value_types.h"
#include "platform/platform.h"

constexpr int POWERUP_COUNT = 6;
enum : int {
    POWERUP_HAMMER = 0,
    POWERUP_HOURGLASS = 1,
    POWERUP_PICKAXE = 2,
    POWERUP_DYNAMITE = 3,
    POWERUP_BOMB = 4,
    POWERUP_COLOR = 5,
};
// Slot size and the bar's place on the screen.
constexpr int POWERUP_SIZE = 80;
constexpr int POWERUP_BAR_X = 29, POWERUP_BAR_Y = 680, POWERUP_STEP = 130;
// Where slot 0..5 lies: its picture and the area that answers the mouse.
TDim PowerUpSlotRect(int slot);

// Charges needed to fill each slot, and each slot's research cost in
// resource index order; both from "data/powerups.txt".
extern std::array<int, POWERUP_COUNT> powerUpNeeded;
extern std::array<std::array<int, 4>, POWERUP_COUNT> powerUpCost;
// Reads gameDir + "data/powerups.txt" (or the given path). Missing keys read 0.
void LoadPowerUpData(const std::string& path = "");

// Pictures of the bar. A missing file draws nothing (a missing plank: no plank).
struct TPowerUpImages {
    std::array<Image, POWERUP_COUNT> empty;   // locked, empty or tool in use
    std::array<Image, POWERUP_COUNT> normal;  // charged part, full slot
    std::array<Image, POWERUP_COUNT> over;    // full slot under the mouse or taking its tool back
    Image frame;                              // over every slot at (x - 8, y - 10)
    std::array<std::array<Image, 3>, POWERUP_COUNT> plank;
    std::array<Image, POWERUP_COUNT> researchIcon;  // centred; for the research screen
};
extern TPowerUpImages powerUpImages;
// File name part of each slot's pictures: hammer, hourglass, ... color.
const char* PowerUpName(int slot);
void LoadPowerUpImages();
// Where plank k of a slot is drawn (its centre once the picture is known);
// false when the slot has no such plank.
bool PlankPosition(int slot, int k, float& x, float& y);

// What a slot needs to know of the screen while it updates and draws.
struct TPowerUpView {
    int screenState = 0;    // the match-3 screen's state
    int overSlot = -1;      // the slot under the mouse
    int toolReturning = 0;  // a tool flies back to this slot
};

class TPowerUp {
public:
    int n = 0;               // slot index 0..5
    int unlocked = 0;        // 1: the slot can be charged and used
    int researched = 0;      // 1 once researched; the profile derives `unlocked` from it on load
    int researchable = 0;    // set by the research screen
    float per = 0;           // empty part while partly charged; plank fly-off progress
    int collected = 0;       // charges held
    int isShowing = 0;       // 1 while the full-slot sparkle runs
    float justUnlocked = 0;  // 1 right after unlocking, falling to 0 while the planks fly off
    float showPer = 0, dShowPer = 0;
    int partTime = 0;             // sparkle timer, ms
    float trzas = 0, dTrzas = 0;  // swing of the slam and its target
    float smT = 0;                // eased swing
    int eCount = 0;               // slams left
    float adx = 0;                // plank offset -5..5 from the slam

    explicit TPowerUp(int slot = 0) : n(slot) {}
    virtual ~TPowerUp() = default;

    // Charges needed by this slot (0 for an unknown slot).
    int needed() const;

    // Adds k charges up to the needed count; reaching it sparkles and plays
    // "loaded". Locked slots take charges too (chips thrown off the board).
    virtual void add(int k);
    // unlocked = 1 and the planks start their two slams.
    virtual void UnlockMe();
    virtual int isFull() const;
    // Full without the sound (developer key).
    virtual void FullMe();
    virtual void ShowUp();
    // Empties the slot.
    virtual void Use();
    // Charged part 0..1 (1 when nothing is needed).
    virtual float CountPer() const;

    // Per frame at the slot's top-left corner; 1 when the mouse is over it.
    // The planks fly off only while the screen plays (state 0).
    virtual int update(float x, float y, const TPowerUpView& view = {});
    virtual void _updateShowing();
    virtual void _updateUnlocking(const TPowerUpView& view);

    virtual void draw(float x, float y, const TPowerUpView& view = {});
    virtual void _drawLocked(float x, float y);
    virtual void _drawUnlocking(float x, float y);

    // Starts the slams: trzas 0 toward 1, two slams.
    virtual void Zatrzas();
    // One step of the slam, scaled by the frame delta.
    virtual void _updateZatrzas();
    // The plank offset for the current swing (also sets smT and adx).
    virtual float getShakeRot();

private:
    void _drawPlank(int k, float dx, float dy, float rot, float alpha);
    void _drawCharged(float x, float y);
};
