#include "effects/captions.h"
#include "effects/particles.h"
#include "frame/globals.h"
#include "puzzles/puzzle_game.h"
#include "village/land_screen.h"

namespace {
// A label twice: a black shadow at half opacity two pixels down and right,
// then white.
void DrawLabel(const std::string& text, float x, float y, float a) {
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(0.5f * a);
    GfxDrawText(text, x + 2, y + 2);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(a);
    GfxDrawText(text, x, y);
}
}  // namespace

void TPuzzleGame::_drawSkip() {
    GfxResetDrawState(alpha);
    GfxSetImageFont(skipFont);
    const Image& red = skipButton[0];
    const Image& blue = skipButton[1];
    const float greenW = skipButton[2] ? static_cast<float>(GfxImageWidth(skipButton[2])) : skipW();
    const float greenH = skipButton[2] ? static_cast<float>(GfxImageHeight(skipButton[2])) : skipH();
    const auto x = static_cast<float>(skipX), y = static_cast<float>(skipY);
    std::string label = txtSkip;
    if (skipPer < 1 && showUpSkip == 0) {
        // Still to fill: the button shaded, not faded, so that the countdown reads on it.
        GfxSetColor(120, 120, 120);
        GfxDrawImage(red, x, y);
        GfxSetColor(255, 255, 255);
        const float filled = skipPer * static_cast<float>(GfxImageWidth(blue));
        if (filled >= 1)
            GfxDrawImageRect(red, x, y, filled, static_cast<float>(GfxImageHeight(red)), 0, 0, filled,
                             static_cast<float>(GfxImageHeight(red)), 0, 0);
        label = CountSkipSeconds() + " " + txtToSkip;
    } else if (showUpSkip) {
        GfxSetAlpha(1 - showUpP * alpha);
        GfxDrawImage(red, x, y);
        GfxSetAlpha(showUpP * alpha);
        GfxDrawImage(blue, x, y);
    } else {
        GfxDrawImage(blue, x, y);
        if (skipOver) {
            GfxSetBlend(GFX_BLEND_LIGHT);
            GfxSetAlpha(0.25f * alpha);
            GfxDrawImage(blue, x, y);
            GfxSetBlend(GFX_BLEND_ALPHA);
        }
    }
    const float tx =
        x + static_cast<float>(static_cast<int>(greenW / 2)) - static_cast<float>(GfxTextWidth(label) / 2);
    const float ty = y - 5 + static_cast<float>(static_cast<int>(greenH / 2)) -
                     static_cast<float>(GfxTextHeight(label) / 2) + static_cast<float>(skipAdY);
    DrawLabel(label, tx, ty, alpha);
    GfxResetDrawState();
}

void TPuzzleGame::_drawBack() {
    GfxResetDrawState();
    landScreen.drawBehind();
    GfxResetDrawState(alpha);
    GfxDrawImage(scroll, 512, 384);
    _drawSkip();
}

void TPuzzleGame::_drawImages() {
    if (!level) return;
    GfxResetDrawState(0.75f * alpha);
    GfxDrawImage(level->imageSepia, static_cast<float>(drawStartX), static_cast<float>(drawStartY));
    GfxResetDrawState();
}

void TPuzzleGame::_drawLevel() {
    if (level) {
        level->screenAlpha = alpha;
        level->draw();
        if (imageA > 0) {
            GfxResetDrawState(imageA * alpha);
            GfxDrawImage(level->imageNormal, static_cast<float>(drawStartX), static_cast<float>(drawStartY));
        }
    }
    GfxResetDrawState(alpha);
    GfxDrawImage(ramka, static_cast<float>(drawStartX - 2), static_cast<float>(drawStartY - 3));
    GfxResetDrawState();
}

void TPuzzleGame::_drawLevelSecond() {
    if (level) level->drawMoving();
    GfxResetDrawState();
}

void TPuzzleGame::_drawTitle() {
    GfxResetDrawState();
    GfxSetImageFont(titleFont);
    const int w = GfxTextWidth(txtTitle);
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(0.5f * alpha);
    GfxDrawText(txtTitle, static_cast<float>(512 - w / 2 + 3), 41);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(alpha);
    GfxDrawText(txtTitle, static_cast<float>(512 - w / 2), 38);
    GfxResetDrawState();
}

void TPuzzleGame::draw() {
    _drawBack();
    _drawImages();
    _drawLevel();
    GfxResetDrawState();
    _drawGui();
    _drawLevelSecond();
    _drawTitle();
    DrawParticles(&particleList);
    if (hooks.drawTip) hooks.drawTip();
    DrawCaptions();
    GfxResetDrawState();
    _drawFade();
}
