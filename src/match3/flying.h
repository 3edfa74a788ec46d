// The board's two small flying objects: a chip flying to a power-up slot or
// off the bottom of the screen, and the lid of an opened chest. Both live in
// global lists that the game screen updates and draws, and clears when a level
// starts.
#pragma once

#include <memory>

#include "frame/safe_list.h"
#include "match3/chip.h"

class TFlyingChip {
public:
    std::shared_ptr<TChip> chip;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
    float x = 0, y = 0;
    int pwrUp = 0;  // slot that receives a charge on arrival
    float p = 0, pSpeed = 0;
    int time = 0;
    float scale = 1, alpha = 1;
    int partTime = 0;
    int bylSound = 0;

    virtual ~TFlyingChip() = default;
    virtual void draw();
    virtual void update();
    // Arrival: the slot gets its charge and the chip leaves the list.
    virtual void destroy();
};

class TFlyingChest {
public:
    float rot = 0, x = 0, y = 0, vy = 0, vx = 0;

    virtual ~TFlyingChest() = default;
    virtual void draw();
    virtual void update();  // leaves the list once below the screen
};

extern SafeList<TFlyingChip> flyingChips;
extern SafeList<TFlyingChest> flyingChests;

// Slot centre of a power-up slot (the bar below the board).
void GetPowerUpCentre(int slot, float& x, float& y);
std::shared_ptr<TFlyingChip> CreateFlyingChipToPowerUp(int slot, const std::shared_ptr<TChip>& chip, int x1,
                                                       int y1, int x2, int y2, int mx, int my, int delay);
std::shared_ptr<TFlyingChip> CreateFlyingChipOut(const std::shared_ptr<TChip>& chip);
void UpdateFlyingChips();
void DrawFlyingChips();
void ClearFlyingChips();
void CreateFlyingChest(float x, float y);
void UpdateAndDrawFlyingChests();
void ClearFlyingChests();
