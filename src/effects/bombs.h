// Bombs of the bomb power-up: each flies from the power-up slot to a chip,
// shrinking and spinning, trails sparks, and on arrival strikes the chip's
// cell.
//
// The bomb knows its target as the point it flies to and a strike action;
// the board's action runs BombMeSmall on the tile the chip is on by then.
#pragma once

#include <functional>
#include <memory>

#include "frame/safe_list.h"
#include "platform/platform.h"

class TBomb {
public:
    int time = 0;  // start time
    float x = 0, y = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
    float per = 0, alpha = 0, rot = 0, scale = 0;
    std::function<void()> strike;  // the target chip (its current cell runs BombMeSmall); empty = none
    float ga = 0, dga = 0;         // glow level and its goal
    int partTIme = 0;              // next spark time
    float lastX = 0, lastY = 0;    // position at the last spark emission

    virtual ~TBomb() = default;
    virtual void draw();
    virtual void _updateChipBomb();
    virtual void update();
    virtual void generateSpecParticles();
    virtual void Destroy();

    SafeList<TBomb>::Handle node;
};

extern SafeList<TBomb> bombList;
extern Image bombImage;
extern Image bombGlowImage;

// A bomb from (x, y) to the target cell centre (targetX, targetY), starting
// after delay ms; strike runs on arrival.
std::shared_ptr<TBomb> CreateBomb(int x, int y, float targetX, float targetY, std::function<void()> strike,
                                  int delay);
// Update then draw of every bomb.
void DrawBombs();
// Drops every bomb without striking (for a screen that leaves its board).
void ClearBombs();
void LoadBombImages();
