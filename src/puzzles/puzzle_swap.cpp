#include "puzzles/puzzle_swap.h"

#include <cmath>

#include "audio/game_sound.h"
#include "effects/effect_math.h"
#include "effects/emitters.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/screen.h"
#include "platform/angles.h"

namespace {
// The opening ends once every piece has faded in; the small margin keeps
// 200 steps of 0.005 from falling a rounding short of 1.
constexpr float FULLY_SHOWN = 1 - 1e-4f;
}  // namespace

TLevelType1& TPuzzle1::owner() const { return *static_cast<TLevelType1*>(level); }

void TPuzzle1::drawOnPosition(float px, float py) {
    DrawPieceRect(image, px, py, static_cast<float>(ix), static_cast<float>(iy), static_cast<float>(iw),
                  static_cast<float>(ih));
}

void TPuzzle1::drawOnPositionPicked(float px, float py) {
    const float screenA = level->screenAlpha;
    pickA = Approach(pickA, dPickA, 0.05f);
    if (pickA == dPickA) dPickA = dPickA > 0 ? 0.0f : 1.0f;
    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetColor(250, 100, 250);
    GfxSetAlpha(0.25f * SinDeg(90 * pickA) * alpha * screenA);
    drawOnPosition(px, py);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(screenA);
}

void TPuzzle1::drawColored() {
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(alpha * level->screenAlpha);
    DrawPieceRect(level->imageNormal, static_cast<float>(x), static_cast<float>(y), static_cast<float>(ix),
                  static_cast<float>(iy), static_cast<float>(iw), static_cast<float>(ih));
}

void TPuzzle1::draw() {
    if (_pair) return;
    if (onPosition) {
        drawColored();
        return;
    }
    const float screenA = level->screenAlpha;
    GfxSetAlpha(alpha * screenA);
    GfxSetBlend(GFX_BLEND_ALPHA);
    drawOnPosition(static_cast<float>(x), static_cast<float>(y));
    if (level->picked.get() == this) {
        drawOnPositionPicked(static_cast<float>(x), static_cast<float>(y));
    } else {
        pickA = dPickA = 0;
    }
    if (level->over.get() == this) {
        DrawPieceHover(image, static_cast<float>(x), static_cast<float>(y), static_cast<float>(ix),
                       static_cast<float>(iy), static_cast<float>(iw), static_cast<float>(ih),
                       0.25f * alpha * screenA);
        GfxSetAlpha(alpha * screenA);
    }
}

void TPuzzle1::drawFrame() {
    DrawPieceOutline(static_cast<float>(x), static_cast<float>(y), static_cast<float>(iw),
                     static_cast<float>(ih), alpha * level->screenAlpha);
}

int TPuzzle1::update() {
    if (onPosition) return 0;
    auto& lv = owner();
    x = static_cast<int>(lv.drawStartX) + c * lv.cellW();
    y = static_cast<int>(lv.drawStartY) + r * lv.cellH();
    if (CheckIfOnPosition(1)) return 0;
    return mouse.inRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(iw),
                        static_cast<float>(ih))
               ? 1
               : 0;
}

int TPuzzle1::CheckIfOnPosition(int sparkles) {
    if (r != dr || c != dc) return 0;
    onPosition = 1;
    PlayGameSound("chip-move-" + std::to_string(RandInt(1, 3)));
    if (sparkles) {
        const int n = static_cast<int>(std::sqrt(static_cast<float>(iw * iw + ih * ih)));
        for (int i = 0; i < n; i++)
            CreateSparkle(static_cast<float>(RandInt(x, x + iw)), static_cast<float>(RandInt(y, y + ih)));
    }
    return 1;
}

void TPuzzle1Pair::update() {
    per = Approach(per, 1, 0.05f);
    for (int k = 0; k < 2; k++) {
        x[k] = QuadPath(x1[k], mx[k], x2[k], per);
        y[k] = QuadPath(y1[k], my[k], y2[k], per);
    }
    if (per < 0.2f) shadow = per / 0.2f;
    else if (per <= 0.8f) shadow = 1;
    else shadow = 1 - (per - 0.8f) / 0.2f;
    if (per >= 1) {
        if (bylo) destroy();
        else bylo = 1;
    }
}

void TPuzzle1Pair::destroy() {
    // Keeps the pair alive until the end of this call: the level drops it.
    auto self = level->pair;
    level->PutPuzzleTo(p1, rFor1, cFor1);
    level->PutPuzzleTo(p2, rFOr2, cFor2);
    p1->_pair = nullptr;
    p2->_pair = nullptr;
    level->pair = nullptr;
}

void TPuzzle1Pair::draw() {
    GfxResetDrawState();
    const TPuzzle1* pieces[2] = {p1.get(), p2.get()};
    if (shadow != 0) {
        GfxSetColor(0, 0, 0);
        GfxSetAlpha(0.5f * shadow);
        for (int k = 0; k < 2; k++) {
            const TPuzzle1& p = *pieces[k];
            DrawPieceRect(p.image, x[k] + 4 * shadow, y[k] + 4 * shadow, static_cast<float>(p.ix),
                          static_cast<float>(p.iy), static_cast<float>(p.iw), static_cast<float>(p.ih));
        }
    }
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(1);
    for (int k = 0; k < 2; k++) {
        const TPuzzle1& p = *pieces[k];
        DrawPieceRect(p.image, x[k], y[k], static_cast<float>(p.ix), static_cast<float>(p.iy),
                      static_cast<float>(p.iw), static_cast<float>(p.ih));
    }
}

void TLevelType1::CutImage() {
    const int w = cellW(), h = cellH();
    std::vector<std::shared_ptr<TPuzzle1>> made;
    for (int row = 0; row < rows; row++)
        for (int col = 0; col < cols; col++) {
            auto p = std::make_shared<TPuzzle1>();
            p->image = imageSepia;
            p->level = this;
            p->dr = row;
            p->dc = col;
            p->ix = col * w;
            p->iy = row * h;
            p->iw = w;
            p->ih = h;
            made.insert(made.begin(), p);  // each new piece goes in front
        }
    puzzles.assign(made.size(), nullptr);
    // Laid in row by row: the arrangement mirrors the solution through its centre.
    for (size_t k = 0; k < made.size(); k++)
        PutPuzzleTo(made[k], static_cast<int>(k) / cols, static_cast<int>(k) % cols);
}

void TLevelType1::PutPuzzleTo(const std::shared_ptr<TPuzzle1>& p, int row, int col) {
    at(row, col) = p;
    p->r = row;
    p->c = col;
    p->x = static_cast<int>(drawStartX) + col * cellW();
    p->y = static_cast<int>(drawStartY) + row * cellH();
}

void TLevelType1::Begin() {
    const int now = SysMillisecs();
    for (auto& p : puzzles) {
        p->alpha = 0;
        if (p->CheckIfOnPosition(0)) p->time = now;
        else p->time = now + 100 * RandInt(0, 15);
    }
    PuzzleCloudBurst(*this);
}

int TLevelType1::isBeginFinished() {
    const int now = SysMillisecs();
    bool finished = true;
    for (auto& p : puzzles) {
        if (now >= p->time && p->alpha < 1) {
            p->alpha += 0.005f * frameDelta;
            if (p->alpha >= FULLY_SHOWN) p->alpha = 1;
        }
        if (p->alpha < 1) finished = false;
    }
    return finished ? 1 : 0;
}

void TLevelType1::_updatePuzzles() {
    over = nullptr;
    if (pair) return;
    all = 1;
    std::shared_ptr<TPuzzle1> hovered;
    for (int row = 0; row < rows; row++)
        for (int col = 0; col < cols; col++) {
            auto& p = at(row, col);
            p->r = row;
            p->c = col;
            if (p->update()) hovered = p;
            if (!p->onPosition) all = 0;
        }
    over = hovered;
    if (hovered && mouse.leftPressed) {
        PickPuzzle(hovered);
        PlayGameSound("click");
    }
}

void TLevelType1::_updatePair() {
    if (pair) pair->update();
}

int TLevelType1::update() {
    _updatePuzzles();
    _updatePair();
    return all;
}

void TLevelType1::PickPuzzle(const std::shared_ptr<TPuzzle1>& p) {
    if (picked == p) picked = nullptr;
    else if (!picked) picked = p;
    else SwapPuzzles(std::static_pointer_cast<TPuzzle1>(picked), p);
}

void TLevelType1::SwapPuzzles(const std::shared_ptr<TPuzzle1>& a, const std::shared_ptr<TPuzzle1>& b) {
    pair = std::make_shared<TPuzzle1Pair>();
    pair->level = this;
    pair->p1 = a;
    pair->p2 = b;
    pair->rFor1 = b->r;
    pair->cFor1 = b->c;
    pair->rFOr2 = a->r;
    pair->cFor2 = a->c;
    const float ax = static_cast<float>(a->x), ay = static_cast<float>(a->y);
    const float bx = static_cast<float>(b->x), by = static_cast<float>(b->y);
    pair->x1[0] = pair->x[0] = ax;
    pair->y1[0] = pair->y[0] = ay;
    pair->x2[0] = bx;
    pair->y2[0] = by;
    pair->mx[0] = ax;
    pair->my[0] = by;
    pair->x1[1] = pair->x[1] = bx;
    pair->y1[1] = pair->y[1] = by;
    pair->x2[1] = ax;
    pair->y2[1] = ay;
    pair->mx[1] = bx;
    pair->my[1] = ay;
    a->_pair = pair.get();
    b->_pair = pair.get();
    picked = nullptr;
    PlayGameSound("fire");
}

void TLevelType1::_drawPuzzles() {
    GfxResetDrawState(screenAlpha);
    for (auto& p : puzzles) p->draw();
    for (auto& p : puzzles) p->drawFrame();
    GfxResetDrawState();
}

void TLevelType1::_drawPair() {
    if (pair) pair->draw();
    GfxResetDrawState();
}
