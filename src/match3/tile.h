// A board cell: its tile id (0 hole, 1 plain, 2 and 3 cyan), the chip lying
// on it, its chest and chain, its shine and highlight, and the cell rules
// (falls, chests, chains, cyan downgrades, pending explosions).
#pragma once

#include <memory>

#include "match3/chip.h"

class TLevel;
class TFantom;

// Tile images, loaded once by LoadTileImages.
struct TTileImages {
    Image tile[3];  // tile ids 1, 2, 3
    Image over;     // mouse-over and pickaxe highlight
    Image chest;
    Image chain[2];  // chain levels 1 and 2
};
extern TTileImages tileImages;
void LoadTileImages();

class TTile {
public:
    TLevel* level = nullptr;
    std::shared_ptr<TFantom> _fantom;  // appear / fly-away animation drawing this cell
    int id = 0;
    int drawX = 0, drawY = 0;
    int r = 0, c = 0;
    std::shared_ptr<TChip> chip;
    int chest = 0;
    int chain = 0;
    int isCreator = 0;
    int isPickAxeOver = 0;
    int blaskTime = 0;              // clock (ms) at which this cell's shine starts; 0: none pending
    float blaskP = 0, dBlaskP = 0;  // the shine's strength 0..1 and its target
    int TileDestroying = 0;
    float overAlpha = 0;
    float destrP = 0;
    int bombTime = 0;
    int DestroyChipType = 0;

    virtual ~TTile() = default;

    virtual void PutChip(const std::shared_ptr<TChip>& newChip);
    virtual void ShakeChip();
    virtual void ShakeStop();

    // Drawing.
    virtual void _drawChip(float pickAlpha = 0);
    virtual void _drawBasic();
    virtual void _drawBlask();
    virtual void _drawPickAxeOver();
    virtual void _drawOver();
    virtual void _drawChest();
    virtual void _drawChain();
    virtual void _drawDestroying();
    virtual void draw();

    // Per-frame update; returns 1 when the mouse is over the cell.
    virtual int _updateOver();
    virtual void _updateBlask();
    virtual void _updateBomb();
    virtual void _updatePickAxeOver() { isPickAxeOver = 1; }
    virtual int update();

    // Queries.
    virtual int canBeSwaped() const;
    int isFree() const { return chip == nullptr && id != 0; }
    int isHappening() const { return chip ? chip->state : 0; }
    // 1 when the resting chip would fall, slide or leave the board at the
    // next fall step (the test has no side effects).
    int CouldFall() const;

    // Cell rules (tile_rules.cpp).
    virtual int CheckMatch(int flag);
    virtual int CheckIfCanFall();
    virtual int CheckFall(int flag);
    virtual int CheckFallLeft();
    virtual int CheckFallRight();
    virtual void DestroyChest_Neighbor(int dr, int dc);
    virtual void DestroyChest();
    virtual int DestroyMyChest();
    virtual void DestroyChain();
    virtual void MatchTile();
    virtual void BombMe(int delay, int type);
    virtual void BombMeSmall_Neighbor(int nr, int nc);
    virtual void BombMeSmall();

    // The neighbouring tile (r + dr, c + dc), null off the board or without level.
    TTile* Neighbor(int dr, int dc) const;

private:
    int _checkFallSide(int dc) const;
};
