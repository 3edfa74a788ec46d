#include "devtools/powerup_player.h"

#include <cstdio>
#include <map>

#include "frame/globals.h"
#include "match3/main_game.h"
#include "match3/powerup_bar.h"

namespace {

// In charging order, so that the slot refilling first is the one spent
// first and the others stay full meanwhile; the hourglass last, since the
// bar cannot be used while it runs.
const int kSpendOrder[POWERUP_COUNT] = {POWERUP_HAMMER, POWERUP_PICKAXE, POWERUP_DYNAMITE,
                                        POWERUP_BOMB,   POWERUP_COLOR,   POWERUP_HOURGLASS};

bool HasMovableChip(const TTile& t) { return t.chip && !t.chip->isSpecialChip(); }

}  // namespace

int CellWorth(const TBoard& board, const TTile& cell) {
    if (!board.level || cell.id == 0) return 0;
    int worth = cell.id > 1 ? 4 * (cell.id - 1) : 0;
    worth += 3 * cell.chain;
    worth += cell.chest ? 5 : 0;
    static const int sides[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (auto& d : sides) {
        const TTile* n = board.level->At(cell.r + d[0], cell.c + d[1]);
        if (n && n->chest) worth += 5;
    }
    for (int r = cell.r - 1; r >= 0; r--) {
        const TTile* up = board.level->At(r, cell.c);
        if (up && up->chip && up->chip->isSpecialChip()) worth += 24 / (cell.r - r);
    }
    return worth;
}

TPowerUpChoice BestUse(const TBoard& board, int slot) {
    TPowerUpChoice best;
    if (!board.level) return best;
    if (slot == POWERUP_BOMB || slot == POWERUP_HOURGLASS) {
        best.slot = slot;
        best.worth = 1;
        return best;
    }
    if (slot == POWERUP_COLOR) {
        // The scroll chips are a goal of their own; otherwise the kind that
        // fills most of the board makes room for the most new chips.
        std::map<int, int> count;
        std::map<int, const TTile*> first;
        const TTile* scroll = nullptr;
        for (auto& t : board.level->tile) {
            if (!t->chip) continue;
            if (t->chip->isSpecialChip()) {
                if (!scroll) scroll = t.get();
                continue;
            }
            const int id = t->chip->id;
            if (!first.count(id)) first[id] = t.get();
            count[id]++;
        }
        if (scroll) return {slot, scroll, 100};
        for (auto& [id, n] : count)
            if (n > best.worth) best = {slot, first[id], n};
        return best;
    }
    for (auto& t : board.level->tile) {
        if (!HasMovableChip(*t)) continue;
        int worth = 0;
        if (slot == POWERUP_HAMMER) {
            worth = CellWorth(board, *t);
        } else if (slot == POWERUP_PICKAXE) {
            for (int r = t->r - 1; r <= t->r + 1; r++)
                for (int c = t->c - 1; c <= t->c + 1; c++)
                    if (const TTile* n = board.level->At(r, c)) worth += CellWorth(board, *n);
        } else if (slot == POWERUP_DYNAMITE) {
            for (auto& n : board.level->tile)
                if ((n->r == t->r || n->c == t->c) && n->chip) worth += CellWorth(board, *n);
        } else {
            return best;
        }
        if (worth > best.worth) best = {slot, t.get(), worth};
    }
    return best;
}

bool TPowerUpPlayer::plan(const TMainGame& game, Gesture& gesture) {
    const TLevel* level = game.level();
    if (game.state != M3_PLAYING || !level) return false;
    bool allFull = true, anyUnlocked = false;
    for (int s = 0; s < POWERUP_COUNT; s++) {
        auto p = PowerUps::GetPowerUp(s);
        if (!p->unlocked) continue;
        anyUnlocked = true;
        if (!p->isFull()) allFull = false;
    }
    if (!anyUnlocked) return false;
    // Further charges would be lost, or the clock is running out: spend.
    if (allFull || level->CountTimePer() < 0.3f) spending = true;
    if (!spending) return false;
    if (spendOne(game, gesture)) return true;
    spending = false;  // nothing left worth spending: save up again
    return false;
}

bool TPowerUpPlayer::spendOne(const TMainGame& game, Gesture& gesture) const {
    if (game.state != M3_PLAYING || !game.level()) return false;
    for (int slot : kSpendOrder) {
        auto p = PowerUps::GetPowerUp(slot);
        if (!p->unlocked || p->justUnlocked != 0 || !p->isFull()) continue;
        const TPowerUpChoice use = BestUse(game.board, slot);
        if (!use || use.worth <= 0) continue;
        const TDim centre = TMainGame::GetPowerUpDim(slot);
        AddClickAt(gesture, centre.x + static_cast<float>(RandInt(-20, 20)),
                   centre.y + static_cast<float>(RandInt(-20, 20)));
        if (use.cell)
            AddClickAt(gesture, static_cast<float>(use.cell->drawX + RandInt(-10, 10)),
                       static_cast<float>(use.cell->drawY + RandInt(-10, 10)));
        return true;
    }
    return false;
}

void TPowerUpPlayer::watch(const TMainGame& game) {
    if (game.state == M3_SHUFFLING && lastState != M3_SHUFFLING) std::printf("board shuffled\n");
    if (game.state == M3_WON && !reported) {
        reported = true;
        std::printf("power-ups used:");
        for (int s = 0; s < POWERUP_COUNT; s++)
            std::printf("%s %s %d", s ? "," : "", PowerUpName(s), uses[s]);
        std::printf("\n");
    }
    lastState = game.state;
}

void TPowerUpPlayer::listen() {
    PowerUpHooks().used = [this](int slot) {
        if (slot >= 0 && slot < POWERUP_COUNT) uses[slot]++;
        std::printf("power-up used: %s\n", PowerUpName(slot));
    };
}

TPowerUpPlayer::~TPowerUpPlayer() { PowerUpHooks().used = nullptr; }
