#include "puzzles/puzzle_pairs.h"

#include <algorithm>

#include "audio/game_sound.h"
#include "effects/effect_math.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/screen.h"
#include "platform/angles.h"

void TFlyIn::start(int delay, float toX, float toY) {
    time = SysMillisecs() + delay;
    pp = 0;
    per = 0;
    goingStart = 1;
    byloSound = 0;
    x2 = toX;
    y2 = toY;
    x1 = RandInt(0, 1) == 0 ? 1024.0f : 0.0f;
    y1 = RandInt(0, 1) == 0 ? 768.0f : 0.0f;
    mx = x1;
    my = y2;
    myX = myY = 0;
}

bool TFlyIn::step() {
    if (SysMillisecs() < time) return false;
    if (!byloSound) {
        byloSound = 1;
        PlayGameSound("fly-" + std::to_string(RandInt(0, 3)));
    }
    pp = Approach(pp, 1, 0.01f);
    per = SinDeg(90 * pp);
    myX = QuadPath(x1, mx, x2, per);
    myY = QuadPath(y1, my, y2, per);
    if (pp >= 1) goingStart = 0;
    return true;
}

std::vector<int> DealPairSymbols(int count) {
    std::vector<int> chips(static_cast<size_t>(std::max(count, 0)));
    for (int k = 0; k < count; k++) chips[static_cast<size_t>(k)] = k / 2;
    if (count <= 0) return chips;
    for (int i = 0; i < 250; i++) {
        const auto a = static_cast<size_t>(RandInt(1, count) - 1);
        const auto b = static_cast<size_t>(RandInt(1, count) - 1);
        std::swap(chips[a], chips[b]);
    }
    return chips;
}

TLevelType2& TPuzzle2::owner() const { return *static_cast<TLevelType2*>(level); }

void TPuzzle2::CountPosition() {
    auto& lv = owner();
    x = lv.drawStartX + static_cast<float>(c) * lv.cellW();
    y = lv.drawStartY + static_cast<float>(r) * lv.cellH();
}

void TPuzzle2::Begin(int delay) {
    CountPosition();
    fly.start(delay, x, y);
}

void TPuzzle2::updateStart() { fly.step(); }

void TPuzzle2::updateDown() {
    x += adX * frameDelta;
    y += adY * frameDelta;
    adY = std::min(adY + 0.85f * frameDelta, 25.0f);
    if (y > 900) Destroy();
}

int TPuzzle2::update() {
    if (fly.goingStart) {
        updateStart();
        return 0;
    }
    if (goingDown) {
        updateDown();
        return 0;
    }
    CountPosition();
    return mouse.inRect(x, y, iw, ih) ? 1 : 0;
}

void TPuzzle2::Destroy() { owner().puzzles.remove(node); }

void TPuzzle2::DeleteMe() {
    goingDown = 1;
    adY = -10;
    adX = static_cast<float>(RandInt(2, 4));
    PlayGameSound("chip-move-" + std::to_string(RandInt(1, 3)));
    // Drawn last from now on.
    auto& list = owner().puzzles;
    if (auto self = list.remove(node)) node = list.append(self);
    PuzzleTwinkles(x, y, iw, ih);
}

void TPuzzle2::drawTile(float px, float py, bool highlight) {
    const Image& tile = puzzleTileImage;
    const float sx = tile ? iw / static_cast<float>(GfxImageWidth(tile)) : 1;
    const float sy = tile ? ih / static_cast<float>(GfxImageHeight(tile)) : 1;
    GfxSetScale(sx, sy);
    GfxDrawImage(tile, px, py);
    const float screenA = level->screenAlpha;
    if (highlight && level->over.get() == this) {
        GfxSetBlend(GFX_BLEND_LIGHT);
        GfxSetAlpha(0.25f);
        GfxDrawImage(tile, px, py);
        GfxSetAlpha(screenA);
        GfxSetBlend(GFX_BLEND_ALPHA);
    }
    const Image& symbol = pairSymbols[static_cast<size_t>(chipN) % pairSymbols.size()];
    GfxDrawImage(symbol, px + iw / 2, py + ih / 2);
    if (highlight && level->picked.get() == this) {
        pickA = Approach(pickA, dPickA, 0.05f);
        if (pickA == dPickA) dPickA = dPickA > 0 ? 0.0f : 1.0f;
        GfxSetBlend(GFX_BLEND_LIGHT);
        GfxSetAlpha(0.5f * SinDeg(90 * pickA) * screenA);
        GfxDrawImage(symbol, px + iw / 2, py + ih / 2);
        GfxSetAlpha(screenA);
        GfxSetBlend(GFX_BLEND_ALPHA);
    } else if (highlight) {
        pickA = dPickA = 0;
    }
    GfxSetScale(1, 1);
}

void TPuzzle2::drawStart() {
    if (SysMillisecs() < fly.time) return;
    GfxResetDrawState(SinDeg(90 * fly.pp) * level->screenAlpha);
    drawTile(fly.myX, fly.myY, false);
}

void TPuzzle2::draw() {
    if (fly.goingStart) {
        drawStart();
        return;
    }
    if (goingDown) return;
    GfxResetDrawState(level->screenAlpha);
    drawTile(x, y, true);
}

void TPuzzle2::draw2() {
    if (!goingDown) return;
    GfxResetDrawState(level->screenAlpha);
    drawTile(x, y, false);
}

void TLevelType2::CutImage() {
    puzzles.clear();
    const int count = rows * cols;
    const auto chips = DealPairSymbols(count);
    for (int row = 0; row < rows; row++)
        for (int col = 0; col < cols; col++) {
            auto p = std::make_shared<TPuzzle2>();
            p->image = imageSepia;
            p->level = this;
            p->r = row;
            p->c = col;
            p->iw = cellW();
            p->ih = cellH();
            p->ix = static_cast<float>(col) * p->iw;
            p->iy = static_cast<float>(row) * p->ih;
            p->chipN = chips[static_cast<size_t>(row * cols + col)];
            p->CountPosition();
            p->node = puzzles.append(p);
        }
}

void TLevelType2::Begin() {
    int i = 0;
    for (auto& p : puzzles) p->Begin(150 * i++);
}

int TLevelType2::isBeginFinished() {
    bool flying = false;
    for (auto& p : puzzles) {
        p->update();
        if (p->fly.goingStart) flying = true;
    }
    return flying ? 0 : 1;
}

void TLevelType2::_updatePuzzles() {
    over = nullptr;
    all = 0;
    std::shared_ptr<TPuzzle2> hovered;
    for (auto& p : puzzles)
        if (p->update()) hovered = p;
    over = hovered;
    if (hovered && mouse.leftPressed) {
        PickPuzzle(hovered);
        PlayGameSound("click");
    }
    if (puzzles.empty()) all = 1;
}

int TLevelType2::update() {
    _updatePuzzles();
    return all;
}

void TLevelType2::PickPuzzle(const std::shared_ptr<TPuzzle2>& p) {
    if (picked == p) picked = nullptr;
    else if (!picked) picked = p;
    else if (std::static_pointer_cast<TPuzzle2>(picked)->chipN == p->chipN)
        DeleteChips(std::static_pointer_cast<TPuzzle2>(picked), p);
    else picked = p;
}

void TLevelType2::DeleteChips(const std::shared_ptr<TPuzzle2>& a, const std::shared_ptr<TPuzzle2>& b) {
    a->DeleteMe();
    b->DeleteMe();
    PlayGameSound("fire");
    picked = nullptr;
}

void TLevelType2::_drawPuzzles() {
    GfxResetDrawState(screenAlpha);
    GfxSetColor(200, 255, 200);
    GfxDrawImage(imageSepia, drawStartX, drawStartY);
    for (auto& p : puzzles) p->draw();
    GfxResetDrawState();
}

void TLevelType2::drawMoving() {
    for (auto& p : puzzles) p->draw2();
    GfxResetDrawState();
}
