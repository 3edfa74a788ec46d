// The match-3 screen's drawing, back to front: background, board, cell
// animations, panels, power-up bar, time bar, GUI, flying things, the aimed
// tool, captions and the fade.
#include "effects/effects.h"
#include "frame/mouse.h"
#include "frame/options.h"
#include "match3/board_fx.h"
#include "match3/fantom.h"
#include "match3/flying.h"
#include "match3/main_game.h"

namespace {

// Fraction of the clock below which the bar blinks red.
constexpr float LOW_TIME_FRACTION = 0.15f;

// The left part of a bar picture, `fraction` of its width, at full height.
void DrawBarPart(const Image& img, float x, float y, float fraction) {
    const float w = static_cast<float>(GfxImageWidth(img)) * fraction;
    const float h = static_cast<float>(GfxImageHeight(img));
    if (w >= 1) GfxDrawImageRect(img, x, y, w, h, 0, 0, w, h, 0, 0);
}

}  // namespace

// Frames where little moves (a rocking hint, a shine, a falling chip) redraw only the spots
// that changed.
void TMainGame::draw() {
    const TStillDrawing still;
    _drawBack();
    _drawLevel();
    DrawFantoms();
    DrawOdpadeks();
    DrawFlyers();
    _drawResources();
    _drawPowerUps();
    _drawTime();
    _drawGui();
    DrawFlyingChips();
    DrawSimpleFlyingObjects();
    DrawBombs();
    M3DrawParticles();
    _drawActivePowerUp();
    TFireWork::drawAll();
    _drawCaptions();
    if (hooks.drawTip) hooks.drawTip();
    _drawFade();
}

// A clear fade is a blended rectangle over the whole screen that changes
// nothing; in the software renderer it costs a quarter of the frame.
void TMainGame::_drawFade() {
    if (fade > 0) TEkran::_drawFade();
}

void TMainGame::_drawBack() {
    GfxResetDrawState();
    GfxDrawImage(background, 0, 0);
}

void TMainGame::_drawLevel() {
    GfxResetDrawState();
    // The board: cells, frame at frameA, chips, chests and chains, then the
    // opened chest lids (the flying chests).
    board.draw(frameA);
    _drawHint();
}

void TMainGame::_drawResources() {
    for (auto& panel : res) panel->draw(1);
}

void TMainGame::_drawActivePowerUp() {
    const Image* img = nullptr;
    switch (state) {
        case M3_HAMMER:
            img = &hammerImg;
            break;
        case M3_PICKAXE:
            img = &pickaxeImg;
            break;
        case M3_DYNAMITE:
            img = &bombImg;
            break;
        case M3_COLOR:
            img = &colorImg;
            break;
        default:
            return;
    }
    GfxResetDrawState();
    GfxDrawImage(*img, mouse.x, mouse.y);
}

float TMainGame::TimeBarFraction() const {
    if (state == M3_HOURGLASS) return CountHourglassPer();
    return level() ? level()->CountTimePer() : 0.0f;
}

// A clock that stands still (the relaxed mode) never hurries the player.
bool TMainGame::TimeBarBlinks() const {
    return blinkA != 0 && !options.relaxed && TimeBarFraction() < LOW_TIME_FRACTION;
}

void TMainGame::_drawTime() {
    GfxResetDrawState();
    GfxDrawImage(timeBack, 500, 12);
    const float fraction = TimeBarFraction();
    // The hourglass's picture is the clock standing still: the relaxed mode shows it too.
    DrawBarPart(state == M3_HOURGLASS || options.relaxed ? timeBar2 : timeBar, 502, 14, fraction);
    if (TimeBarBlinks()) {
        GfxSetColor(255, 0, 0);
        GfxSetAlpha(blinkA);
        DrawBarPart(timeBar, 502, 14, fraction);
        GfxResetDrawState();
    }
    GfxDrawImage(timeBarFrame, 484, 0);
    if (!timeFont) return;
    GfxSetImageFont(timeFont);
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(0.5f);
    GfxDrawText(txtTime, 522, 19);
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(1);
    GfxDrawText(txtTime, 520, 17);
}

void TMainGame::_drawCaptions() { DrawCaptions(); }
