// A power-up slot's rules: charging, the full-slot sparkle, using, and the
// unlock with its two slams and the planks flying off.
#include "match3/powerup.h"

#include <cmath>

#include "audio/game_sound.h"
#include "effects/particles.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "match3/board_fx.h"

int TPowerUp::needed() const {
    return n >= 0 && n < POWERUP_COUNT ? powerUpNeeded[static_cast<size_t>(n)] : 0;
}

void TPowerUp::add(int k) {
    const int need = needed();
    if (collected >= need) return;  // a full slot loses what comes on top
    collected += k;
    if (collected >= need) {
        collected = need;
        ShowUp();
        PlayGameSound("loaded");
    }
}

void TPowerUp::UnlockMe() {
    unlocked = 1;
    justUnlocked = 1;
    Zatrzas();
    _updateZatrzas();
    getShakeRot();
    PlayGameSound("unlock");
}

int TPowerUp::isFull() const { return collected == needed() ? 1 : 0; }

void TPowerUp::FullMe() {
    collected = needed();
    ShowUp();
}

void TPowerUp::ShowUp() {
    isShowing = 1;
    showPer = 0;
    dShowPer = 1;
}

void TPowerUp::Use() {
    collected = 0;
    isShowing = 0;
}

float TPowerUp::CountPer() const {
    const int need = needed();
    return need > 0 ? static_cast<float>(collected) / static_cast<float>(need) : 1.0f;
}

TDim PowerUpSlotRect(int slot) {
    return NewDimRect(static_cast<float>(POWERUP_BAR_X + POWERUP_STEP * slot), POWERUP_BAR_Y, POWERUP_SIZE,
                      POWERUP_SIZE);
}

// ---------------------------------------------------------------------------
// Per frame
// ---------------------------------------------------------------------------
int TPowerUp::update(float x, float y, const TPowerUpView& view) {
    if (justUnlocked != 0) {
        _updateUnlocking(view);
        return 0;
    }
    if (isShowing) _updateShowing();
    return mouse.inRect(x, y, POWERUP_SIZE, POWERUP_SIZE) ? 1 : 0;
}

void TPowerUp::_updateShowing() {
    showPer += 0.01f * frameDelta;
    if (showPer > 1) {
        showPer = 1;
        isShowing = 0;
    }
    const int now = SysMillisecs();
    if (now < partTime) return;
    partTime = now + 20;
    // Two sparkles run round the slot in opposite directions.
    const float cx = static_cast<float>(POWERUP_BAR_X + POWERUP_STEP * n + POWERUP_SIZE / 2);
    const float cy = static_cast<float>(POWERUP_BAR_Y + POWERUP_SIZE / 2);
    const float angles[2] = {720 * showPer, 720 * (1 - showPer)};
    for (int k = 0; k < 2; k++) {
        const float px = cx + 40 * CosDeg(angles[k]);
        const float py = cy + 40 * SinDeg(angles[k]);
        const float c = static_cast<float>(RandInt(200, 255));
        const TRGB colour = k == 0 ? NewRGB(0, c, c) : NewRGB(0, 0, c);
        CreateParticle(0, px, py, px, py, px, py, colour, 1, 0, 1, 0.5f, 0, 360, GFX_BLEND_LIGHT, 0, 1000);
        if (RandInt(1, 2) == 1)
            CreateParticle(0, px, py, px, py, px, py, NewRGB(255, 255, 255), 1, 0, 0.6f, 0.3f, 0, 360,
                           GFX_BLEND_LIGHT, 0, 1000);
    }
}

void TPowerUp::_updateUnlocking(const TPowerUpView& view) {
    if (view.screenState != 0) return;
    // The planks leave once both slams are over and they hang at rest.
    const bool atRest = std::fabs(adx + 5) < 1e-4f || std::fabs(adx) < 1e-4f;
    if (eCount != 0 || !atRest) return;
    justUnlocked -= 0.013f * frameDelta;
    if (justUnlocked < 0) justUnlocked = 0;
}

// ---------------------------------------------------------------------------
// The slam
// ---------------------------------------------------------------------------
void TPowerUp::Zatrzas() {
    trzas = 0;
    dTrzas = 1;
    eCount = 2;
}

void TPowerUp::_updateZatrzas() {
    if (dTrzas > 0) {
        trzas += 0.3f * frameDelta;
        if (trzas >= dTrzas) {
            trzas = dTrzas;
            dTrzas = 0;
        }
        return;
    }
    if (eCount <= 0) return;
    trzas -= 0.3f * frameDelta;
    if (trzas <= 0) {
        trzas = 0;
        eCount -= 1;
        if (eCount != 0) dTrzas = 1;
    }
}

float TPowerUp::getShakeRot() {
    if (trzas > 0.5f) {
        smT = (trzas - 0.5f) / 0.5f;
        adx = 5 * SinDeg(90 * smT);
    } else {
        smT = 1 - trzas / 0.5f;
        adx = -5 * SinDeg(90 * smT);
    }
    return adx;
}
