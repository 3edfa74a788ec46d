// The animation of one board cell: at the start of a level every cell flies
// out of the board's centre to its place (appear), after a win every cell
// flies away across the screen (fly away). While a cell has a fantom, the
// cell's own drawing is off and the fantom draws it.
#pragma once

#include <memory>

#include "frame/safe_list.h"

class TTile;

enum : int { FANTOM_APPEAR = 0, FANTOM_FLY_AWAY = 1 };

class TFantom {
public:
    TTile* tile = nullptr;
    int time = 0;  // start of the animation, ms
    float per = 0;
    float scale = 0, alpha = 0, rotation = 0;
    float x = 0, y = 0;
    float ady = 0;  // extra downward offset
    int typ = FANTOM_APPEAR;
    float mx = 0, my = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    virtual ~TFantom() = default;

    virtual void drawBorder();
    virtual void draw();
    virtual void _update_STATE_Begin();
    virtual void _update_STATE_Begin2();
    virtual void _update_STATE_END();
    virtual void _update_STATE_END1();
    virtual void update();
    // Leaves the list; an appearing cell is drawn by itself again.
    virtual void Destroy();

private:
    void _moveOnPath();
};

// The live fantoms.
extern SafeList<TFantom> fantomList;

// The cells fly from and toward this point (the board's centre, 24 px right
// and down of the screen's board centre, as the cell centres are drawn).
constexpr float FANTOM_CENTRE_X = 536;
constexpr float FANTOM_CENTRE_Y = 400;

std::shared_ptr<TFantom> CreateFantomAppear(TTile* tile, int delay);
std::shared_ptr<TFantom> CreateFantomFlyAway(TTile* tile, int delay);
void UpdateFantoms();
void DrawFantoms();
// 1 when no fantom of the list is still moving (an empty list counts).
int FantomsFinished();
// The clock time (ms) at which the last fantom still to finish starts to move; 0 when none is left.
int FantomsLastStart();
// Empties the list. The cells keep their _fantom: they may belong to a
// board that is already gone, and a new board gets new fantoms.
void ClearFantoms();
