// Chip destruction: the delayed start, the effect on the cell, the animation
// of each destroy type with its particles, and what the chip gives at the end
// (a resource flyer or a charge flying to a power-up slot).
#include <cmath>

#include "frame/globals.h"
#include "match3/board_fx.h"
#include "match3/chip.h"
#include "match3/flying.h"
#include "match3/pair.h"
#include "match3/tile.h"

void TChip::Destroy(int delay, int type, int noCollect) {
    if (isSpecialChip()) return;  // scroll chips only leave at the bottom
    destroyType = type;
    noCollectAtDistroy = noCollect;
    destrTime = SysMillisecs() + delay;
    state = CHIP_DESTROYING;
}

void TChip::KILL() {
    auto self = shared_from_this();  // the tile may hold the last reference
    if (pair) pair->Destroy();       // a partner in a swap snaps back to its own cell
    if (tile && tile->chip.get() == this) tile->chip = nullptr;
    tile = nullptr;
}

void TChip::_destroyAnimation(float speed, bool turn) {
    destrPer += speed * frameDelta;
    if (destrPer > 1) destrPer = 1;
    if (destrPer <= 0.4f) scale = 1 + 0.25f * SinDeg(180 * destrPer / 0.4f);
    else scale = 1 - (destrPer - 0.4f) / 0.6f;
    alpha = 1;
    if (turn) rot = 180 * SinDeg(90 * destrPer);
}

void TChip::_update_STATE_Destroy() {
    int now = SysMillisecs();
    if (now < destrTime || !tile) return;
    if (tile->chain != 0) {
        // A chained chip keeps its place; the hit breaks one chain level.
        tile->MatchTile();
        state = CHIP_RESTING;
        return;
    }
    if (!byloDestroy) {
        byloDestroy = 1;
        tile->MatchTile();
        if (!tile) return;
    }
    int type = destroyType;
    if (type == DESTROY_DEBRIS) {
        M3Odpadek(shared_from_this(), static_cast<int>(drawX), static_cast<int>(drawY), RandInt(0, 25));
        KILL();
        return;
    }
    if (type == DESTROY_BOOM) {
        destrPer += 0.04f * frameDelta;
        if (now >= partTime) {
            partTime = now + 30;
            _generateBoom();
        }
        if (destrPer >= 1) KILL();
        return;
    }
    bool flame = type >= DESTROY_FLAME_LEFT && type <= DESTROY_FLAME_DOWN;
    if (type != DESTROY_BOMBED && !flame) type = DESTROY_STANDARD;
    bool slow = type == DESTROY_BOMBED || type == DESTROY_FLAME_UP || type == DESTROY_FLAME_DOWN;
    float speed = slow ? 0.04f : 0.05f;
    _destroyAnimation(speed, type == DESTROY_STANDARD);
    if (now >= partTime) {
        partTime = now + (type == DESTROY_STANDARD ? 30 : type == DESTROY_BOMBED ? 50 : 20);
        if (type == DESTROY_STANDARD) _generateStandardDestroy();
        else if (type == DESTROY_BOMBED) _generateBombDestroy();
        else _generateDestroyFlame(type);
    }
    if (destrPer >= 1) {
        if (!flame) CheckIfToCollect();
        KILL();
    }
}

int TChip::CheckIfToCollect() {
    if (noCollectAtDistroy == 1) return 0;
    if (res >= 0) {
        Destroy_CollectResource();
        return 1;
    }
    if (iAmFlyingToPowerUp < 0) iAmFlyingToPowerUp = M3CollectingSlot();
    if (iAmFlyingToPowerUp < 0) return 0;
    Destroy_CollectPowerUp();
    return 1;
}

void TChip::Destroy_CollectResource() {
    M3ResourceFlyer(shared_from_this(), static_cast<int>(drawX), static_cast<int>(drawY));
}

void TChip::Destroy_CollectPowerUp() {
    float ex = 0, ey = 0;
    GetPowerUpCentre(iAmFlyingToPowerUp, ex, ey);
    float mx = drawX >= 512 ? ex + 200 : ex - 200;
    CreateFlyingChipToPowerUp(iAmFlyingToPowerUp, shared_from_this(), static_cast<int>(drawX),
                              static_cast<int>(drawY), static_cast<int>(ex), static_cast<int>(ey),
                              static_cast<int>(mx), static_cast<int>(ey + 150), 0);
}

// ---------------------------------------------------------------------------
// Particles of the destroy animations (decoration only)
// ---------------------------------------------------------------------------
void TChip::_generateStandardDestroy() {
    float x = drawX + RandInt(-10, 10);
    float y = drawY + RandInt(-10, 10);
    TRGB col = RandInt(1, 4) == 1 ? NewRGB(255, 255, 255) : rgb.GetClose(15);
    float turn = static_cast<float>(360 + RandInt(30, 50)) * (RandInt(0, 1) ? 1 : -1);
    M3Particle(RandInt(11, 12), x, y, x, y, x, y, col, 1, 0, 0.25f, 0.5f, 0, turn, GFX_BLEND_LIGHT,
               RandInt(0, 400), 400);
}

void TChip::_generateBombDestroy() {
    for (int i = 0; i < 4; i++) {
        bool white = RandInt(1, 4) == 1;
        float a = static_cast<float>(RandInt(0, 359));
        float ex = drawX + 32 * CosDeg(a), ey = drawY + 32 * SinDeg(a);
        TRGB col = white ? NewRGB(255, 255, 255) : M3FireColour();
        M3Particle(0, drawX, drawY, ex, ey, (drawX + ex) / 2, (drawY + ey) / 2, col, 1, 0, 0.5f, 0.2f, 0, 0,
                   GFX_BLEND_LIGHT, 0, 400);
        if (white) break;
    }
}

void TChip::_generateDestroyFlame(int type) {
    // Direction of travel across the cell and the sideways axis of the sway.
    float dx = 0, dy = 0;
    switch (type) {
        case DESTROY_FLAME_LEFT:
            dx = -1;
            break;
        case DESTROY_FLAME_RIGHT:
            dx = 1;
            break;
        case DESTROY_FLAME_UP:
            dy = -1;
            break;
        default:
            dy = 1;
            break;
    }
    float sway = 12 * SinDeg(360 * destrPer);
    for (int i = 0; i < 3; i++) {
        float sx = drawX - dx * 12 + dy * sway + RandInt(-3, 3);
        float sy = drawY - dy * 12 + dx * sway + RandInt(-3, 3);
        float ex = sx + dx * CELL, ey = sy + dy * CELL;
        M3Particle(0, sx, sy, ex, ey, (sx + ex) / 2, (sy + ey) / 2, M3FireColour(), 1, 0, 0.6f, 0.2f, 0, 0,
                   GFX_BLEND_LIGHT, 0, 300);
    }
}

void TChip::_generateBoom() {
    for (int i = 0; i < 50; i++) {
        float a = static_cast<float>(RandInt(0, 359));
        float d = static_cast<float>(RandInt(30, 90));
        float ex = drawX + d * CosDeg(a), ey = drawY + d * SinDeg(a);
        M3Particle(0, drawX, drawY, ex, ey, (drawX + ex) / 2, (drawY + ey) / 2, M3FireColour(), 1, 0, 0.6f,
                   0.1f, 0, 0, GFX_BLEND_LIGHT, 0, 500);
    }
}
