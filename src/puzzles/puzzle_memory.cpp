#include "puzzles/puzzle_memory.h"

#include <algorithm>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/screen.h"
#include "platform/angles.h"

TLevelType3& TPuzzle3::owner() const { return *static_cast<TLevelType3*>(level); }

void TPuzzle3::CountPosition() {
    auto& lv = owner();
    x = lv.drawStartX + static_cast<float>(c) * lv.cellW();
    y = lv.drawStartY + static_cast<float>(r) * lv.cellH();
}

void TPuzzle3::Begin(int delay) {
    CountPosition();
    side = 1;
    fly.start(delay, x, y);
}

void TPuzzle3::updateStart() {
    if (fly.step()) alpha = fly.per;
}

float TPuzzle3::countXSCaleBYRot(float angle) {
    while (angle < 0) angle += 360;
    while (angle > 360) angle -= 360;
    if (angle <= 90) {
        side = 1;
        return 1 - angle / 90;
    }
    if (angle <= 180) {
        side = 0;
        return (angle - 90) / 90;
    }
    if (angle <= 270) {
        side = 0;
        return 1 - (angle - 180) / 90;
    }
    side = 1;
    return (angle - 270) / 90;
}

void TPuzzle3::_updateSHOW() {
    dRotPer = 0;
    if (rotPer == 0) time = SysMillisecs() + 750;
}

void TPuzzle3::_updateHIDE() {
    if (SysMillisecs() < time) return;
    dRotPer = 1;
    if (rotPer >= 1) state = CARD_IDLE;
}

int TPuzzle3::update() {
    rotPer = Approach(rotPer, dRotPer, 0.05f);
    rotation = 180 * SinDeg(90 * rotPer);
    countXSCaleBYRot(rotation);
    if (fly.goingStart) {
        updateStart();
        return 0;
    }
    CountPosition();
    if (alpha > dAlpha) alpha = std::max(dAlpha, alpha - 0.02f * frameDelta);
    if (alpha <= 0 && dAlpha <= 0) {
        owner().puzzles.remove(node);
        return 0;
    }
    if (dAlpha <= 0) return 0;
    if (state == CARD_SHOW) {
        _updateSHOW();
        return 0;
    }
    if (state == CARD_HIDE) {
        _updateHIDE();
        return 0;
    }
    return side == 0 && mouse.inRect(x, y, iw, ih) ? 1 : 0;
}

void TPuzzle3::DeleteMe() {
    dAlpha = 0;
    PlayGameSound("chip-move-" + std::to_string(RandInt(1, 3)));
    PuzzleTwinkles(x, y, iw, ih);
}

void TPuzzle3::DrawMYImage(const Image& img, float px, float py) {
    GfxDrawImage(img, static_cast<float>(static_cast<int>(px)), static_cast<float>(static_cast<int>(py)));
}

void TPuzzle3::drawAt(float px, float py, float a, bool flying) {
    const float screenA = level->screenAlpha;
    const float factor = countXSCaleBYRot(rotation);
    GfxResetDrawState(a * screenA);
    const float cx = px + iw / 2, cy = py + ih / 2;
    if (side == 0) {
        GfxSetScale(scaleX * factor, scaleY);
        DrawMYImage(memoryCardSides[0], cx, cy);
        if (level->over.get() == this) {
            GfxSetBlend(GFX_BLEND_LIGHT);
            GfxSetAlpha(flying ? 0.25f : 0.25f * screenA);
            DrawMYImage(memoryCardSides[0], cx, cy);
            GfxSetAlpha(flying ? 1 : screenA);
            GfxSetBlend(GFX_BLEND_ALPHA);
        }
    } else {
        GfxSetScale(scaleX * factor, scaleY);
        DrawMYImage(memoryCardSides[1], cx, cy);
        GfxSetScale(sx * factor, 1);
        DrawMYImage(memorySymbols[static_cast<size_t>(chipN) % memorySymbols.size()], cx, cy);
    }
    GfxSetScale(1, 1);
}

void TPuzzle3::drawStart() {
    if (SysMillisecs() < fly.time || (fly.myX == 0 && fly.myY == 0)) return;
    drawAt(fly.myX, fly.myY, alpha, true);
}

void TPuzzle3::draw() { drawAt(x, y, alpha, false); }

void TLevelType3::CutImage() {
    puzzles.clear();
    const auto chips = DealPairSymbols(rows * cols);
    const Image& back = memoryCardSides[0];
    for (int row = 0; row < rows; row++)
        for (int col = 0; col < cols; col++) {
            auto p = std::make_shared<TPuzzle3>();
            p->image = imageSepia;
            p->level = this;
            p->r = row;
            p->c = col;
            p->iw = cellW();
            p->ih = cellH();
            p->ix = static_cast<float>(col) * p->iw;
            p->iy = static_cast<float>(row) * p->ih;
            p->scaleX = back ? p->iw / static_cast<float>(GfxImageWidth(back)) : 1;
            p->scaleY = back ? p->ih / static_cast<float>(GfxImageHeight(back)) : 1;
            p->chipN = chips[static_cast<size_t>(row * cols + col)];
            p->CountPosition();
            p->node = puzzles.append(p);
        }
}

void TLevelType3::Begin() {
    int i = 0;
    for (auto& p : puzzles) p->Begin(60 * i++);
}

int TLevelType3::isBeginFinished() {
    bool flying = false;
    for (auto& p : puzzles) {
        p->update();
        if (p->fly.goingStart) flying = true;
    }
    if (flying) return 0;
    // All have landed: every card turns face down at once.
    for (auto& p : puzzles)
        if (p->state == CARD_IDLE && p->side == 1) p->state = CARD_HIDE;
    return 1;
}

void TLevelType3::_updatePuzzles() {
    over = nullptr;
    all = 0;
    std::shared_ptr<TPuzzle3> hovered;
    for (auto& p : puzzles)
        if (p->update()) hovered = p;
    over = hovered;
    if (picked && lastPicked) {
        over = nullptr;  // no third card while two are turned
        auto first = std::static_pointer_cast<TPuzzle3>(picked);
        if (first->isShowed() && lastPicked->isShowed()) {
            if (first->chipN == lastPicked->chipN) DeleteChips(first, lastPicked);
            else {
                first->HideMe();
                lastPicked->HideMe();
            }
            picked = nullptr;
            lastPicked = nullptr;
        }
    }
    if (over && mouse.leftPressed) {
        PickPuzzle(std::static_pointer_cast<TPuzzle3>(over));
        PlayGameSound("click");
    }
    if (puzzles.empty()) all = 1;
}

int TLevelType3::update() {
    _updatePuzzles();
    return all;
}

void TLevelType3::PickPuzzle(const std::shared_ptr<TPuzzle3>& p) {
    if (!picked) picked = p;
    else lastPicked = p;
    p->ShowMe();
}

void TLevelType3::DeleteChips(const std::shared_ptr<TPuzzle3>& a, const std::shared_ptr<TPuzzle3>& b) {
    a->DeleteMe();
    b->DeleteMe();
    PlayGameSound("fire");
    picked = nullptr;
    lastPicked = nullptr;
}

void TLevelType3::_drawPuzzles() {
    GfxResetDrawState(screenAlpha);
    GfxSetColor(200, 255, 200);
    GfxDrawImage(imageSepia, drawStartX, drawStartY);
    for (auto& p : puzzles)
        if (!p->fly.goingStart) p->draw();
    GfxResetDrawState();
}

void TLevelType3::drawMoving() {
    for (auto& p : puzzles)
        if (p->fly.goingStart) p->drawStart();
    GfxResetDrawState();
}
