// Chip kinds, motion, shake, cross-fade, glow and drawing. Destruction and
// collection live in chip_destroy.cpp.
#include "match3/chip.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "frame/rcm.h"
#include "match3/board_fx.h"
#include "match3/board_rules.h"
#include "match3/flying.h"
#include "match3/pair.h"
#include "match3/tile.h"

std::vector<std::shared_ptr<TChip>> chipCatalogue;
Image powerUpGlowImage;

namespace {

// Moves v toward target by step without passing it; true once it got there.
bool StepToward(float& v, float target, float step) {
    if (v < target) {
        v += step;
        if (v >= target) v = target;
    } else if (v > target) {
        v -= step;
        if (v <= target) v = target;
    }
    return v == target;
}

void PlayMoveSound() { PlayGameSound("chip-move-" + std::to_string(RandInt(1, 3))); }

}  // namespace

TChip::TChip() : mySpecRot(RandFloat(0, 1)) {}

std::shared_ptr<TChip> TChip::Copy() const {
    auto c = std::make_shared<TChip>();
    c->id = id;
    c->img = img;
    c->shadow = shadow;
    c->rgb = rgb;
    c->res = res;
    c->resQ = resQ;
    return c;
}

void TChip::ChangeMe(const TChip& kind) {
    id = kind.id;
    img = kind.img;
    shadow = kind.shadow;
    rgb = kind.rgb;
    res = kind.res;
    resQ = kind.resQ;
    changeChipTo = nullptr;
    changeA = 0;
}

void TChip::ChangeTo(const std::shared_ptr<TChip>& kind) {
    if (!kind || changeChipTo || state == CHIP_DESTROYING) return;
    changeChipTo = kind;
}

// ---------------------------------------------------------------------------
// Shake
// ---------------------------------------------------------------------------
void TChip::Shake(float n) {
    if (startShake != 0) return;
    startShake = 1;
    shakeP = static_cast<float>(RandInt(0, 1));
    dShakeP = n;
    shakeSpeed = 0.2f;
}

void TChip::ShakeStop() {
    startShake = 0;
    shakeP = 0;
    dShakeP = 0;
    shakeSpeed = 0;
}

void TChip::_updateShake() {
    if (startShake == 0) return;
    if (StepToward(shakeP, dShakeP, shakeSpeed * frameDelta)) {
        if (dShakeP == 0) {
            startShake = 0;
            return;
        }
        dShakeP = (dShakeP == 1) ? -1.0f : 1.0f;
        shakeSwitch = !shakeSwitch;
        startShake += 1;
    }
    int now = SysMillisecs();
    if (now < shakePart) return;
    shakePart = now + 25;
    shakeRot += 5 * frameDelta;
    for (int i = 1; i <= 5; i++) {
        float sx = drawX + 20 * CosDeg(shakeRot - i) + RandInt(-2, 2);
        float sy = drawY + 20 * SinDeg(shakeRot - i) + RandInt(-2, 2);
        float ex = drawX + 20 * CosDeg(shakeRot) + RandInt(-2, 2);
        float ey = drawY + 20 * SinDeg(shakeRot) + RandInt(-2, 2);
        bool white = RandInt(1, 9) == 1;
        TRGB col = white ? NewRGB(255, 255, 255) : rgb.GetClose(15);
        float s = white ? 0.2f : 0.5f;
        M3Particle(0, sx, sy, ex, ey, (sx + ex) / 2, (sy + ey) / 2, col, 1, 0, s, s, 0, 0, GFX_BLEND_LIGHT,
                   static_cast<int>(i / 5.0f * 100), 500);
    }
}

// ---------------------------------------------------------------------------
// Motion
// ---------------------------------------------------------------------------
void TChip::CreateMe() {
    vy = -CELL;
    alpha = 0;
    state = CHIP_APPEARING;
}

void TChip::Fall() {
    vy = -CELL;
    state = CHIP_FALLING;
    PlayMoveSound();
}

void TChip::FallLeft() {
    vx = CELL;
    vy = -CELL;
    state = CHIP_SLIDE_LEFT;
    PlayMoveSound();
}

void TChip::FallRight() {
    vx = -CELL;
    vy = -CELL;
    state = CHIP_SLIDE_RIGHT;
    PlayMoveSound();
}

void TChip::Land() {
    state = CHIP_LANDING;
    landVY = -2;
    vx = vy = 0;
}

void TChip::LandNow() { Land(); }

void TChip::FlyOut() {
    auto self = shared_from_this();  // keeps the chip alive while the tile lets go
    if (tile && tile->chip.get() == this) tile->chip = nullptr;
    CreateFlyingChipOut(self);
    tile = nullptr;
}

int TChip::SendDown() {
    FlyOut();
    return 0;
}

int TChip::CheckChipCantFallAnymore() const { return tile ? tile->CheckIfCanFall() == 0 : 1; }

int TChip::CanMove() const {
    if (tile && (tile->chest != 0 || tile->chain != 0)) return 0;
    return state != CHIP_FALLING && state != CHIP_DESTROYING && state != CHIP_APPEARING;
}

// Shared end of the three falls: the chip reached its cell; it lands unless
// it can fall further or completes a line (which removes it at once).
static void ArriveAfterFall(TChip& chip, bool now) {
    if (!chip.tile || !chip.CheckChipCantFallAnymore()) return;
    if (!chip.tile) return;  // a scroll chip left the board at the bottom
    if (chip.tile->CheckMatch(0)) return;
    if (now) chip.LandNow();
    else chip.Land();
}

void TChip::_update_STATE_Falling() {
    vy += 8 * frameDelta;
    if (vy >= 0) {
        vy = 0;
        state = CHIP_RESTING;
        ArriveAfterFall(*this, false);
    }
}

void TChip::_update_STATE_Falling_Side(float dir) {
    vy += 8 * frameDelta;
    vx += dir * 8 * frameDelta;
    if (vy >= 0) {
        state = CHIP_RESTING;
        // A large frame delta overshoots; the chip belongs to its cell now.
        vx = 0;
        vy = 0;
        ArriveAfterFall(*this, true);
    }
}

void TChip::_update_STATE_Land() {
    vy += landVY * frameDelta;
    landVY += 0.5f * frameDelta;
    if (landVY > 4) landVY = 4;
    if (vy > 0) {
        vy = 0;
        state = CHIP_RESTING;
    }
}

void TChip::_update_STATE_Create() {
    vy += 8 * frameDelta;
    if (vy > 0) vy = 0;
    alpha = (CELL - std::fabs(vy)) / CELL;
    if (vy == 0) {
        alpha = 1;
        state = CHIP_RESTING;
        if (!tile || tile->CheckFall(0) != 0) return;
        if (tile && !tile->CheckMatch(0)) Land();  // (a scroll chip may have left meanwhile)
    }
}

void TChip::update() {
    _updateShake();
    _updateChanging();
    switch (state) {
        case CHIP_FALLING:
            _update_STATE_Falling();
            break;
        case CHIP_LANDING:
            _update_STATE_Land();
            break;
        case CHIP_DESTROYING:
            _update_STATE_Destroy();
            break;
        case CHIP_APPEARING:
            _update_STATE_Create();
            break;
        case CHIP_SLIDE_LEFT:
            _update_STATE_Falling_Side(-1);
            break;
        case CHIP_SLIDE_RIGHT:
            _update_STATE_Falling_Side(1);
            break;
        default:
            break;
    }
}

void TChip::CountPosition() {
    if (!tile) return;
    drawX = tile->drawX + vx;
    drawY = tile->drawY + vy;
    if (pair) {
        drawX += CELL * pair->GetXVector(this);
        drawY += CELL * pair->GetYVector(this);
    }
}

// ---------------------------------------------------------------------------
// Drawing
// ---------------------------------------------------------------------------
void TChip::_drawImage(const Image& image, float a) {
    GfxSetBlend(GFX_BLEND_ALPHA);
    if (shadow && image == img) {
        GfxSetColor(255, 255, 255);
        GfxSetAlpha(a);
        GfxDrawImage(shadow, drawX + 2, drawY + 2);
    } else {
        GfxSetColor(0, 0, 0);
        GfxSetAlpha(CHIP_SHADOW_ALPHA * a);
        GfxDrawImage(image, drawX + 2, drawY + 2);
        GfxSetColor(255, 255, 255);
    }
    GfxSetAlpha(a);
    GfxDrawImage(image, drawX, drawY);
}

void TChip::_updateChanging() {
    if (!changeChipTo) return;
    changeA += 0.05f * frameDelta;
    if (changeA >= 1) ChangeMe(*changeChipTo);
}

void TChip::drawChanging() {
    GfxSetScale(scale, scale);
    GfxSetRotation(rot + ShakeRotAdd());
    GfxSetColor(255, 255, 255);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetAlpha(std::max(0.0f, alpha - changeA));
    GfxDrawImage(img, drawX, drawY);
    GfxSetAlpha(changeA);
    GfxDrawImage(changeChipTo->img, drawX, drawY);
    GfxSetRotation(0);
    GfxSetAlpha(1);
}

void TChip::drawGlow() {
    if (StepToward(glowA, dGlowA, 0.05f * frameDelta)) dGlowA = (dGlowA == 0) ? 1.0f : 0.0f;
    GfxResetDrawState();
    GfxSetAlpha(0.5f);
    GfxDrawImage(powerUpGlowImage, drawX, drawY);
    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetAlpha(0.5f * glowA);
    GfxSetScale(scale, scale);
    GfxDrawImage(powerUpGlowImage, drawX, drawY);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetAlpha(1);
}

void TChip::draw(float pickAlpha) {
    CountPosition();
    if (isPowerUp()) drawGlow();
    if (changeChipTo) {
        drawChanging();
        GfxSetScale(1, 1);
        return;
    }
    GfxSetScale(scale, scale);
    GfxSetRotation(rot + ShakeRotAdd());
    _drawImage(img, alpha);
    if (pickAlpha != 0) {
        GfxSetBlend(GFX_BLEND_LIGHT);
        GfxSetAlpha(pickAlpha);
        GfxDrawImage(img, drawX, drawY);
        GfxSetBlend(GFX_BLEND_ALPHA);
        GfxSetAlpha(1);
    }
    GfxSetRotation(0);
    GfxSetScale(1, 1);
}

// ---------------------------------------------------------------------------
// Catalogue
// ---------------------------------------------------------------------------
void LoadChipCatalogue(const std::string& path) {
    std::string file = path.empty() ? gameDir + "data/chips.txt" : path;
    auto rcm = LoadRCM(file);
    std::vector<std::shared_ptr<TChip>> list;
    int n = rcm->getInt("chips::i");
    if (n < 0 || n > 10000) {
        std::printf("Chip catalogue %s: bad chip count %d; no chips read\n", file.c_str(), n);
        n = 0;
    }
    for (int k = 1; k <= n; k++) {
        std::string key = "chips::chip" + std::to_string(k) + "::";
        auto chip = std::make_shared<TChip>();
        chip->id = rcm->getInt(key + "id");
        chip->res = rcm->getInt(key + "res");
        // Summed into panels and the profile's stock: a damaged number must not overflow them.
        chip->resQ = rcm->getIntIn(key + "resQuantity", 0, CHIP_MAX_RES_QUANTITY);
        chip->rgb = NewRGB(rcm->getFloat(key + "rgb", 0), rcm->getFloat(key + "rgb", 1),
                           rcm->getFloat(key + "rgb", 2));
        std::string gfx = rcm->getString(key + "gfx");
        if (!gfx.empty()) {
            chip->img = GfxLoadImage(gameDir + gfx, GFX_IMAGE_DEFAULT);
            if (chip->img) GfxMidHandle(chip->img);
            chip->shadow = GfxMakeShadowImage(chip->img, CHIP_SHADOW_ALPHA);
        }
        if (chip->res > 3) {
            std::printf("Chip catalogue: chip %d has resource %d (0..3 or negative); made plain\n", chip->id,
                        chip->res);
            chip->res = -1;
        }
        list.push_back(chip);
    }
    chipCatalogue = std::move(list);
    powerUpGlowImage = GfxLoadImage(gameDir + "gfx/game/powerup-1-glow.png", GFX_IMAGE_DEFAULT);
    if (powerUpGlowImage) GfxMidHandle(powerUpGlowImage);
}

std::shared_ptr<TChip> FindChip(int id) {
    for (auto& c : chipCatalogue)
        if (c->id == id) return c;
    return nullptr;
}

std::shared_ptr<TChip> CreateChip(int id) {
    auto proto = FindChip(id);
    return proto ? proto->Copy() : nullptr;
}
