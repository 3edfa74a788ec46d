#include "puzzles/puzzle_sliding.h"

#include <algorithm>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/screen.h"
#include "platform/angles.h"

TLevelType4& TPuzzle4::owner() const { return *static_cast<TLevelType4*>(level); }

void TPuzzle4::COuntPosition() {
    auto& lv = owner();
    x = static_cast<int>(lv.drawStartX) + c * lv.cellW();
    y = static_cast<int>(lv.drawStartY) + r * lv.cellH();
}

void TPuzzle4::drawOnPosition(float px, float py) {
    DrawPieceRect(image, px, py, static_cast<float>(ix), static_cast<float>(iy), static_cast<float>(iw),
                  static_cast<float>(ih));
}

void TPuzzle4::draw() {
    COuntPosition();
    const float screenA = level->screenAlpha;
    const float px = static_cast<float>(x) + adx, py = static_cast<float>(y) + ady;
    GfxResetDrawState(alpha * screenA);
    drawOnPosition(px, py);
    if (level->over.get() == this) {
        DrawPieceHover(image, px, py, static_cast<float>(ix), static_cast<float>(iy), static_cast<float>(iw),
                       static_cast<float>(ih), 0.25f * screenA);
    }
    DrawPieceOutline(px, py, static_cast<float>(iw), static_cast<float>(ih), alpha * screenA);
}

int TPuzzle4::update() {
    alpha = std::min(1.0f, alpha + 0.01f * frameDelta);
    movePer = std::max(0.0f, movePer - 0.05f * frameDelta);
    adx = startAdx * SinDeg(90 * movePer);
    ady = startAdy * SinDeg(90 * movePer);
    if (movePer > 0) return 0;
    onPosition = r == dr && c == dc ? 1 : 0;
    COuntPosition();
    return mouse.inRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(iw),
                        static_cast<float>(ih))
               ? 1
               : 0;
}

int TLevelType4::isEmpty(int row, int col) { return inside(row, col) && !at(row, col) ? 1 : 0; }

int TLevelType4::CanBeMoved(int row, int col) {
    if (isEmpty(row - 1, col)) return 1;
    if (isEmpty(row + 1, col)) return 2;
    if (isEmpty(row, col - 1)) return 3;
    if (isEmpty(row, col + 1)) return 4;
    return 0;
}

std::optional<TDim> TLevelType4::GetMoveDim(const TPuzzle4& p) {
    static const int DR[5] = {0, -1, 1, 0, 0};
    static const int DC[5] = {0, 0, 0, -1, 1};
    const int way = CanBeMoved(p.r, p.c);
    if (way == 0) return std::nullopt;
    return NewDim(static_cast<float>(p.c + DC[way]), static_cast<float>(p.r + DR[way]));
}

std::shared_ptr<TPuzzle4> TLevelType4::GetPuzzleByDims(int row, int col) {
    return inside(row, col) ? at(row, col) : nullptr;
}

std::shared_ptr<TPuzzle4> TLevelType4::GetRandomSide(int row, int col) {
    // 0 left, 1 up, 2 right, 3 down; a grid of two or more cells always has one.
    static const int DR[4] = {0, -1, 0, 1};
    static const int DC[4] = {-1, 0, 1, 0};
    for (;;) {
        const int d = RandInt(0, 3);
        if (auto p = GetPuzzleByDims(row + DR[d], col + DC[d])) return p;
    }
}

void TLevelType4::PutPuzzleTo(const std::shared_ptr<TPuzzle4>& p, int row, int col) {
    at(row, col) = p;
    p->r = row;
    p->c = col;
}

void TLevelType4::CutImage() {
    const int w = cellW(), h = cellH();
    puzzles.assign(static_cast<size_t>(rows * cols), nullptr);
    for (int row = 0; row < rows; row++)
        for (int col = 0; col < cols; col++) {
            auto p = std::make_shared<TPuzzle4>();
            p->image = imageSepia;
            p->level = this;
            p->dr = row;
            p->dc = col;
            p->ix = col * w;
            p->iy = row * h;
            p->iw = w;
            p->ih = h;
            PutPuzzleTo(p, row, col);
            p->COuntPosition();
        }
    holeR = RandInt(0, rows - 1);
    holeC = RandInt(0, cols - 1);
    at(holeR, holeC) = nullptr;
    // Shuffled by legal slides only, so every start can be slid back home.
    for (int i = 0; i < 2 * rows * cols; i++) {
        auto p = GetRandomSide(holeR, holeC);
        const int fromR = p->r, fromC = p->c;
        at(fromR, fromC) = nullptr;
        PutPuzzleTo(p, holeR, holeC);
        holeR = fromR;
        holeC = fromC;
    }
    for (auto& p : puzzles)
        if (p) {
            p->COuntPosition();
            p->onPosition = p->r == p->dr && p->c == p->dc ? 1 : 0;
        }
}

void TLevelType4::Begin() {
    for (auto& p : puzzles)
        if (p) p->alpha = 0;
    PuzzleCloudBurst(*this);
}

void TLevelType4::_updatePuzzles() {
    over = nullptr;
    all = 1;
    std::shared_ptr<TPuzzle4> hovered;
    for (int row = 0; row < rows; row++)
        for (int col = 0; col < cols; col++) {
            auto p = at(row, col);
            if (!p) continue;
            p->r = row;
            p->c = col;
            if (p->update()) hovered = p;
            if (!p->onPosition) all = 0;
        }
    if (hovered && CanBeMoved(hovered->r, hovered->c) == 0) hovered = nullptr;
    over = hovered;
    if (hovered && mouse.leftPressed) {
        PickPuzzle(hovered);
        PlayGameSound("chip-move-" + std::to_string(RandInt(1, 3)));
    }
}

int TLevelType4::update() {
    _updatePuzzles();
    return all;
}

void TLevelType4::PickPuzzle(std::shared_ptr<TPuzzle4> p) {
    const auto target = GetMoveDim(*p);
    if (!target) return;
    const int oldX = p->x, oldY = p->y;
    at(p->r, p->c) = nullptr;
    holeR = p->r;
    holeC = p->c;
    PutPuzzleTo(p, static_cast<int>(target->y), static_cast<int>(target->x));
    p->COuntPosition();
    p->adx = p->startAdx = static_cast<float>(oldX - p->x);
    p->ady = p->startAdy = static_cast<float>(oldY - p->y);
    p->movePer = 1;
}

void TLevelType4::_drawPuzzles() {
    GfxResetDrawState(screenAlpha);
    // The coloured picture under the grid only: a strip the cells leave over at the right or the
    // bottom shows the faded picture, as in the swap puzzle.
    DrawPieceRect(imageNormal, drawStartX, drawStartY, 0, 0, static_cast<float>(cols * cellW()),
                  static_cast<float>(rows * cellH()));
    for (auto& p : puzzles)
        if (p) p->draw();
    GfxResetDrawState();
}
