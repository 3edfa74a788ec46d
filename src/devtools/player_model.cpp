#include "devtools/player_model.h"

#include "devtools/cascade_look.h"
#include "devtools/virtual_player.h"
#include "frame/globals.h"
#include "match3/board_rules.h"
#include "match3/hint.h"

namespace {

// The reasons for each figure are in docs/balance.md.
const TPlayerModel kModels[] = {
    {"novice", 3000, 5000, TMoveChoice::Random, 6, TPowerUpHabit::Never, false},
    {"casual", 2000, 3000, TMoveChoice::Likely, 0, TPowerUpHabit::WhenHinted, false},
    {"steady", 750, 750, TMoveChoice::Best, 0, TPowerUpHabit::Saving, true},
    {"expert", 400, 400, TMoveChoice::BestWithCascades, 0, TPowerUpHabit::Saving, true},
};

// A cell whose chip a hand can pull: a plain chip, free of chain and chest.
bool Pullable(const TTile* t) { return t && t->chip && !t->chip->isSpecialChip() && !t->chain && !t->chest; }

}  // namespace

const TPlayerModel* FindPlayerModel(const std::string& name) {
    for (auto& m : kModels)
        if (name == m.name) return &m;
    return nullptr;
}

int LineLength(const TBoard& board, const TMove& move) {
    (void)board;
    std::swap(move.tile1->chip, move.tile2->chip);
    const size_t length = CheckMatch(move.tile1).size() + CheckMatch(move.tile2).size();
    std::swap(move.tile1->chip, move.tile2->chip);
    return static_cast<int>(length);
}

TMove PickMove(const TPlayerModel& model, const TBoard& board, const std::vector<TMove>& moves) {
    if (moves.empty()) return {};
    if (model.choice == TMoveChoice::Random) return moves[RandInt(0, static_cast<int>(moves.size()) - 1)];
    auto worth = [&](const TMove& m) { return MoveWorthFor(model, board, m); };
    // An even choice among equally good moves.
    TMove best;
    int top = -1, ties = 0;
    for (auto& m : moves) {
        const int w = worth(m);
        if (w > top) {
            top = w;
            best = m;
            ties = 1;
        } else if (w == top && RandInt(1, ++ties) == 1) {
            best = m;
        }
    }
    return best;
}

int MoveWorthFor(const TPlayerModel& model, const TBoard& board, const TMove& move) {
    switch (model.choice) {
        case TMoveChoice::Random:
            return 0;
        case TMoveChoice::Likely:
            // A longer line first, then the lower row (people look at the
            // bottom of the board, where the falling chips settle).
            return LineLength(board, move) * 100 + std::max(move.tile1->r, move.tile2->r);
        case TMoveChoice::Best:
            return MoveWorth(board, move);
        case TMoveChoice::BestWithCascades:
            return MoveWorth(board, move) + CascadeWorth(board, move);
    }
    return 0;
}

TMove PickBouncingSwap(const TBoard& board) {
    std::vector<TMove> bouncing;
    if (!board.level) return {};
    for (auto& t : board.level->tile) {
        if (!Pullable(t.get())) continue;
        for (TTile* n : {board.level->At(t->r + 1, t->c), board.level->At(t->r, t->c + 1)})
            if (Pullable(n) && !Hints::FindHint_Move(board, t->r, t->c, n->r, n->c))
                bouncing.push_back(TMove{t.get(), n});
    }
    if (bouncing.empty()) return {};
    return bouncing[RandInt(0, static_cast<int>(bouncing.size()) - 1)];
}
