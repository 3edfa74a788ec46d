// A board cell: chip link, per-frame update (shine, pending explosion,
// highlight) and drawing. The cell rules live in tile_rules.cpp.
#include "match3/tile.h"

#include "frame/globals.h"
#include "frame/mouse.h"
#include "match3/board_fx.h"
#include "match3/level.h"

TTileImages tileImages;

namespace {

Image LoadCentred(const std::string& name) {
    Image img = GfxLoadImage(gameDir + name, GFX_IMAGE_FILTERED | GFX_IMAGE_MIPMAPPED);
    if (img) GfxMidHandle(img);
    return img;
}

}  // namespace

void LoadTileImages() {
    tileImages.tile[0] = LoadCentred("gfx/game/tile0.png");
    tileImages.tile[1] = LoadCentred("gfx/game/tile1.png");
    tileImages.tile[2] = LoadCentred("gfx/game/tile2.png");
    tileImages.over = LoadCentred("gfx/game/overImg.png");
    tileImages.chest = LoadCentred("gfx/game/chest.png");
    tileImages.chain[0] = LoadCentred("gfx/game/chain1.png");
    tileImages.chain[1] = LoadCentred("gfx/game/chain2.png");
}

void TTile::PutChip(const std::shared_ptr<TChip>& newChip) {
    chip = newChip;
    if (chip) chip->tile = this;
}

void TTile::ShakeChip() {
    if (chip) chip->Shake(1);
}

void TTile::ShakeStop() {
    if (chip) chip->ShakeStop();
}

int TTile::canBeSwaped() const { return chip && chip->state == CHIP_RESTING && chip->pair == nullptr; }

TTile* TTile::Neighbor(int dr, int dc) const { return level ? level->At(r + dr, c + dc) : nullptr; }

// ---------------------------------------------------------------------------
// Update
// ---------------------------------------------------------------------------
void TTile::_updateBlask() {
    if (blaskP < dBlaskP) {
        blaskP += 0.1f * frameDelta;
        if (blaskP > dBlaskP) blaskP = dBlaskP;
    } else if (blaskP > dBlaskP) {
        blaskP -= 0.1f * frameDelta;
        if (blaskP < dBlaskP) blaskP = dBlaskP;
    }
    if (blaskP == 1 && dBlaskP == 1) dBlaskP = 0;
    if (blaskTime != 0 && SysMillisecs() > blaskTime) {
        dBlaskP = 1;
        blaskTime = 0;
    }
}

void TTile::_updateBomb() {
    if (bombTime != 0 && SysMillisecs() > bombTime) {
        if (chip) chip->Destroy(0, DestroyChipType, 0);
        bombTime = 0;
    }
}

int TTile::_updateOver() {
    return mouse.inRect(static_cast<float>(drawX - 24), static_cast<float>(drawY - 24), 48, 48) ? 1 : 0;
}

int TTile::update() {
    if (id == 0) return 0;
    _updateBlask();
    _updateBomb();
    overAlpha -= 0.025f * frameDelta;
    if (overAlpha < 0) overAlpha = 0;
    return _updateOver();
}

// ---------------------------------------------------------------------------
// Drawing
// ---------------------------------------------------------------------------
void TTile::_drawBasic() {
    GfxSetAlpha(1);
    if (id >= 1 && id <= 3) GfxDrawImage(tileImages.tile[id - 1], drawX, drawY);
}

void TTile::_drawDestroying() {
    if (!TileDestroying) return;
    destrP += 0.05f * frameDelta;
    if (destrP > 1) {
        destrP = 1;
        TileDestroying = 0;
    }
    float k = SinDeg(90 * (1 - destrP));
    GfxSetAlpha(k);
    GfxSetScale(1 + 0.3f * k, 1 + 0.3f * k);
    GfxDrawImage(tileImages.tile[1], drawX, drawY);
    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetAlpha(SinDeg(180 * destrP));
    GfxDrawImage(tileImages.tile[1], drawX, drawY);
    GfxResetDrawState();
}

void TTile::_drawBlask() {
    if (blaskP == 0 || id < 1 || id > 3) return;
    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetAlpha(0.4f * SinDeg(90 * blaskP));
    GfxDrawImage(tileImages.tile[id - 1], drawX, drawY);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetAlpha(1);
}

void TTile::_drawPickAxeOver() {
    GfxSetAlpha(0.5f);
    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetColor(255, 0, 0);
    GfxDrawImage(tileImages.over, drawX, drawY);
    GfxResetDrawState();
}

void TTile::_drawOver() {
    if (isPickAxeOver) {
        _drawPickAxeOver();
    } else if (overAlpha != 0) {
        GfxSetAlpha(0.5f * overAlpha);
        GfxSetBlend(GFX_BLEND_LIGHT);
        GfxDrawImage(tileImages.over, drawX, drawY);
        GfxSetBlend(GFX_BLEND_ALPHA);
        GfxSetAlpha(1);
    }
}

void TTile::draw() {
    if (_fantom || id == 0) return;
    GfxResetDrawState();
    _drawBasic();
    _drawDestroying();
    _drawBlask();
    _drawOver();
}

void TTile::_drawChip(float pickAlpha) {
    if (!_fantom && chip) chip->draw(pickAlpha);
}

void TTile::_drawChest() {
    if (_fantom || chest == 0) return;
    GfxResetDrawState();
    GfxDrawImage(tileImages.chest, drawX, drawY);
    // Developer view: the chip under the chest.
    if (cheats && chip && InKeyDown('D')) chip->draw();
}

void TTile::_drawChain() {
    if (_fantom || chain == 0) return;
    GfxResetDrawState();
    GfxDrawImage(tileImages.chain[chain >= 2 ? 1 : 0], drawX, drawY);
}
