// The tools on the board: hammer, pickaxe, dynamite and colour applied to a
// cell, the chip lists they and the bomb work on, and the effects shown
// while a tool is aimed.
#include "audio/game_sound.h"
#include "effects/effects.h"
#include "frame/globals.h"
#include "match3/board_fx.h"
#include "match3/main_game.h"
#include "match3/powerup_bar.h"

namespace PowerUps {

namespace {

// The dynamite reaches one cell further every 50 ms.
constexpr int FLAME_STEP_MS = 50;
constexpr int FLAME_REACH = 50;

// Tool done: its charge is spent and the screen plays on.
void FinishPowerUp(TMainGame& game, int slot) {
    SpendCharge(slot);
    game.state = M3_PLAYING;
}

}  // namespace

// ---------------------------------------------------------------------------
// Chip lists
// ---------------------------------------------------------------------------
ChipList GetAllChipsList(const TBoard& board) {
    ChipList out;
    if (!board.level) return out;
    for (auto& t : board.level->tile)
        if (t->chip) out.push_back(t->chip);
    return out;
}

ChipList GetAllChipsLikeThis(const TBoard& board, const TChip& chip) {
    ChipList out;
    if (!board.level) return out;
    for (auto& t : board.level->tile)
        if (t->chip && t->chip->id == chip.id) out.push_back(t->chip);
    return out;
}

ChipList GetAllChipsAtCross(const TBoard& board, const TTile* tile) {
    ChipList out;
    if (!board.level || !tile) return out;
    for (auto& t : board.level->tile) {
        if (t->chip && t->r == tile->r) {
            t->chip->pomKier = 0;
            out.push_back(t->chip);
        }
    }
    for (auto& t : board.level->tile) {
        if (t->chip && t->c == tile->c && t->r != tile->r) {
            t->chip->pomKier = 1;
            out.push_back(t->chip);
        }
    }
    return out;
}

int BombCount(int chips) {
    // A tenth of the board less one; a small board still gets one bomb.
    if (chips >= 20) return chips / 10 - 1;
    return chips > 0 ? 1 : 0;
}

ChipList GetRandomChipsList(const TBoard& board) {
    ChipList all = GetAllChipsList(board);
    ChipList out;
    const int want = BombCount(static_cast<int>(all.size()));
    while (static_cast<int>(out.size()) < want && !all.empty()) {
        const int k = RandInt(1, static_cast<int>(all.size())) - 1;
        out.push_back(all[static_cast<size_t>(k)]);
        all.erase(all.begin() + k);
    }
    return out;
}

// ---------------------------------------------------------------------------
// Applying a tool
// ---------------------------------------------------------------------------
void UseOnTile_Hammer(TMainGame& game, TTile* tile) {
    if (!tile || !tile->chip) return;
    tile->chip->Destroy(0, DESTROY_STANDARD, 0);
    PlayGameSound("hammer");
    FinishPowerUp(game, POWERUP_HAMMER);
}

void UseOnTile_PickAxe(TMainGame& game, TTile* tile) {
    if (!tile || !tile->chip) return;
    PlayGameSound("pickaxe");
    TLevel* level = game.level();
    for (int r = tile->r - 1; r <= tile->r + 1; r++) {
        for (int c = tile->c - 1; c <= tile->c + 1; c++) {
            TTile* t = level->At(r, c);
            if (!t || t->id == 0) continue;  // holes have nothing to break
            if (t->chip) t->chip->Destroy(0, DESTROY_STANDARD, 0);
            else t->MatchTile();
        }
    }
    FinishPowerUp(game, POWERUP_PICKAXE);
}

void UseOnTile_Dynamite(TMainGame& game, TTile* tile) {
    if (!tile || !tile->chip) return;
    TLevel* level = game.level();
    const int r = tile->r, c = tile->c;
    for (int i = 0; i <= FLAME_REACH; i++) {
        const int delay = FLAME_STEP_MS * i;
        // Flames left, right, up and down; the struck cell itself takes all four.
        const int cells[4][3] = {{r, c - i, DESTROY_FLAME_LEFT},
                                 {r, c + i, DESTROY_FLAME_RIGHT},
                                 {r - i, c, DESTROY_FLAME_UP},
                                 {r + i, c, DESTROY_FLAME_DOWN}};
        for (auto& cell : cells) {
            TTile* t = level->At(cell[0], cell[1]);
            if (t && t->chip) t->chip->Destroy(delay, cell[2], 0);
        }
    }
    PlayGameSound("dynamite");
    FinishPowerUp(game, POWERUP_DYNAMITE);
}

void UseOnTile_Color(TMainGame& game, TTile* tile) {
    if (!tile || !tile->chip) return;
    // Scroll chips, chips under chests and chained chips go too; they give
    // nothing and their cells stay as they are.
    for (auto& chip : GetAllChipsLikeThis(game.board, *tile->chip)) {
        chip->CountPosition();
        _GenerateFireWorksBlastParticles(*chip);
        M3Odpadek(chip, static_cast<int>(chip->drawX), static_cast<int>(chip->drawY), 0);
        chip->KILL();
    }
    PlayGameSound("firework");
    FinishPowerUp(game, POWERUP_COLOR);
}

// ---------------------------------------------------------------------------
// While aimed
// ---------------------------------------------------------------------------
void _updatePickAxeOverOnTile(const TBoard& board, int r, int c) {
    TTile* t = board.level ? board.level->At(r, c) : nullptr;
    if (t && t->id != 0) t->_updatePickAxeOver();
}

void _updatePickAxeOver(TMainGame& game) {
    const TTile* over = game.board.over;
    if (!over) return;
    for (int r = over->r - 1; r <= over->r + 1; r++)
        for (int c = over->c - 1; c <= over->c + 1; c++) _updatePickAxeOverOnTile(game.board, r, c);
}

void _GenerateWaitForDynamiteParticles(TMainGame& game) {
    if (!game.board.over) return;
    for (auto& chip : GetAllChipsAtCross(game.board, game.board.over)) {
        chip->CountPosition();
        const float x = chip->drawX + static_cast<float>(RandInt(-24, 24));
        const float y = chip->drawY + static_cast<float>(RandInt(-24, 24));
        CreateParticle(0, x, y, x, y, x, y, M3FireColour(), 1, 0, 0.5f, 1, 0, 0, GFX_BLEND_LIGHT, 0, 500);
    }
}

void _GenerateWaitForColorParticles(TMainGame& game) {
    static int nextTime = 0;
    const TTile* over = game.board.over;
    if (!over || !over->chip) return;
    const int now = SysMillisecs();
    if (now < nextTime && nextTime - now <= 50) return;
    nextTime = now + 50;
    for (auto& chip : GetAllChipsLikeThis(game.board, *over->chip)) {
        chip->CountPosition();
        for (int k = 0; k < 4; k++) {
            chip->mySpecRot += 0.02f * frameDelta;
            if (chip->mySpecRot > 1) chip->mySpecRot = -0.01f * frameDelta;
            const float angle = 360 * chip->mySpecRot + 90 * static_cast<float>(k);
            const float x = chip->drawX + 16 * CosDeg(angle), y = chip->drawY + 16 * SinDeg(angle);
            CreateParticle(4, x, y, x, y, x, y, NewRGB(255, 255, 255), 1, 0, 0.5f, 1, 0, 360, GFX_BLEND_LIGHT,
                           0, 300);
        }
    }
}

void _GenerateFireWorksBlastParticles(const TChip& chip) { CreateFireWorkBurst(chip.drawX, chip.drawY); }

}  // namespace PowerUps
