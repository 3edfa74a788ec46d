#include "match3/powerup.h"

#include <cmath>

#include "frame/globals.h"

namespace {
constexpr float kDegToRad = 3.14159265358979f / 180.0f;
}

void TPowerUp::UnlockMe() {
    unlocked = 1;
    justUnlocked = 1;
    Zatrzas();
    _updateZatrzas();
    getShakeRot();
}

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
        adx = 5 * std::sin(90 * smT * kDegToRad);
    } else {
        smT = 1 - trzas / 0.5f;
        adx = -5 * std::sin(90 * smT * kDegToRad);
    }
    return adx;
}
