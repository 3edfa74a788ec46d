// One power-up slot below the board (0 hammer, 1 hourglass, 2 pickaxe,
// 3 dynamite, 4 bomb, 5 colour). The slots belong to the current profile, so
// charges and unlocks carry over from level to level.
//
// This file holds the slot's data and the operations the profile needs to
// load, save and unlock it. The bar's charging, drawing and use are added
// here with the match-3 screen's power-up bar.
#pragma once

class TPowerUp {
public:
    int n = 0;             // slot index 0..5
    int unlocked = 0;      // 1: the slot can be charged and used
    int researched = 0;    // 1 once researched; the profile derives `unlocked` from it on load
    int researchable = 0;  // set by the research screen
    float per = 0;         // empty part while partly charged; plank fly-off progress
    int collected = 0;     // charges held
    int isShowing = 0;     // 1 while the full-slot sparkle runs
    float justUnlocked = 0;  // 1 right after unlocking, falling to 0 while the planks fly off
    float showPer = 0, dShowPer = 0;
    int partTime = 0;      // sparkle timer, ms
    float trzas = 0, dTrzas = 0;  // swing of the slam and its target
    float smT = 0;         // eased swing
    int eCount = 0;        // slams left
    float adx = 0;         // plank offset -5..5 from the slam

    explicit TPowerUp(int slot = 0) : n(slot) {}
    virtual ~TPowerUp() = default;

    // unlocked = 1 and the planks start their two slams.
    virtual void UnlockMe();
    // Starts the slams: trzas 0 toward 1, two slams.
    virtual void Zatrzas();
    // One step of the slam, scaled by the frame delta.
    virtual void _updateZatrzas();
    // The plank offset for the current swing (also sets smT and adx).
    virtual float getShakeRot();
};
