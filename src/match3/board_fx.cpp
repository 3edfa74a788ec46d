#include "match3/board_fx.h"

#include <cmath>

#include "effects/effects.h"
#include "match3/chip.h"

TBoardHooks& BoardHooks() {
    static TBoardHooks hooks;
    return hooks;
}

void M3Particle(int n, float x1, float y1, float x2, float y2, float mx, float my, const TRGB& rgb, float a1,
                float a2, float s1, float s2, float r1, float r2, int blend, int delay, int life) {
    CreateParticle(n, x1, y1, x2, y2, mx, my, rgb, a1, a2, s1, s2, r1, r2, blend, delay, life);
}

namespace {
// Upright for its whole life: a batch copies it as one call would. A batch turns and mirrors
// sprites otherwise than a single call does (its rim comes out brighter).
bool StaysUpright(const TParticle& p) {
    return p.startR == 0 && p.dr == 0 && p.r == 0 && p.startS >= 0 && p.ds >= 0 && p.sx > 0 && p.sy > 0;
}
}  // namespace

void M3DrawParticles(TParticleList* list) {
    TParticleList& particles = list ? *list : particleList;
    for (std::size_t i = 0; i < particles.size(); ++i) {
        if (!StaysUpright(particles.at(i))) {
            DrawParticles(&particles);
            return;
        }
    }
    DrawParticlesBatched(&particles);
}

void M3ChainPiece(int n, float x, float y, int direction, int flip) {
    CreateChainPiece(n, x, y, direction, flip);
}

void M3Odpadek(const std::shared_ptr<TChip>& chip, int x, int y, int delay) {
    if (chip) CreateOdpadek(chip->img, x, y, delay);
}

void M3ResourceFlyer(const std::shared_ptr<TChip>& chip, int x, int y) {
    if (chip) CreateFlyer(chip->res, chip->resQ, x, y);
}

void M3AddCash(int amount) {
    if (BoardHooks().addCash) BoardHooks().addCash(amount);
}

int M3CollectingSlot() { return BoardHooks().collectingSlot ? BoardHooks().collectingSlot() : -1; }

void M3ChargeSlot(int slot) {
    if (BoardHooks().chargeSlot) BoardHooks().chargeSlot(slot);
}

TRGB M3FireColour() {
    float c = static_cast<float>(RandInt(200, 250));
    switch (RandInt(0, 2)) {
        case 0: {
            int ic = static_cast<int>(c);
            return NewRGB(c, static_cast<float>(ic / 2), static_cast<float>(ic / 3));
        }
        case 1:
            return NewRGB(c, 0, 0);
        default:
            return NewRGB(c, c, 0);
    }
}
