// The memory puzzle (type 3): cards fly in face up, all turn face down, and
// the player turns two at a time; a matching pair fades away, two different
// cards turn back after a short look. Solved when no card is left.
#pragma once

#include <memory>

#include "frame/safe_list.h"
#include "puzzles/puzzle_level.h"
#include "puzzles/puzzle_pairs.h"

class TLevelType3;

enum : int { CARD_IDLE = 0, CARD_SHOW = 1, CARD_HIDE = 2 };

class TPuzzle3 : public TPuzzle {
public:
    int r = 0, c = 0;
    float ix = 0, iy = 0, iw = 0, ih = 0;
    float scaleX = 1, scaleY = 1;
    float x = 0, y = 0;
    int chipN = 0;
    int side = 1;  // 0 back, 1 face
    float sx = 1;
    int state = CARD_IDLE;
    float alpha = 1, dAlpha = 1;
    TFlyIn fly;
    float rotation = 0;  // 0 face up .. 180 face down
    int time = 0;        // a hiding card turns down from this clock time on
    float rotPer = 0, dRotPer = 0;
    SafeList<TPuzzle3>::Handle node;

    TLevelType3& owner() const;
    void drawStart();
    void DrawMYImage(const Image& img, float px, float py);
    void draw();
    void updateStart();
    // Sets `side` for the turn angle and returns the horizontal squeeze.
    float countXSCaleBYRot(float angle);
    void _updateSHOW();
    void _updateHIDE();
    // 1 when the mouse is over a face-down idle card.
    int update();
    bool isShowed() const { return rotPer == 0; }
    void ShowMe() { state = CARD_SHOW; }
    void HideMe() { state = CARD_HIDE; }
    void DeleteMe();
    void CountPosition();
    void Begin(int delay);

private:
    void drawAt(float px, float py, float a, bool flying);
};

class TLevelType3 : public TPuzzleLevel {
public:
    SafeList<TPuzzle3> puzzles;
    std::shared_ptr<TPuzzle3> lastPicked;  // the second card turned

    TLevelType3() { puzzleType = 3; }
    float cellW() const { return static_cast<float>(pictureW()) / static_cast<float>(cols); }
    float cellH() const { return static_cast<float>(pictureH()) / static_cast<float>(rows); }

    void _drawPuzzles();
    void _updatePuzzles();
    void PickPuzzle(const std::shared_ptr<TPuzzle3>& p);
    void DeleteChips(const std::shared_ptr<TPuzzle3>& a, const std::shared_ptr<TPuzzle3>& b);
    void CutImage() override;

    void draw() override { _drawPuzzles(); }
    void drawMoving() override;
    int update() override;
    void Begin() override;
    int isBeginFinished() override;
};
