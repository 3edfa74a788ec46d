#include "devtools/virtual_player.h"

#include <algorithm>
#include <memory>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "match3/board_rules.h"
#include "match3/hint.h"
#include "match3/main_game.h"

std::vector<TMove> SearchPlayerMoves(const TBoard& board) {
    std::vector<TMove> found;
    if (!board.level) return found;
    for (int r = 0; r < board.level->rows; r++)
        for (int c = 0; c < board.level->cols; c++) {
            for (auto& h :
                 {Hints::FindHint_Move(board, r, c, r + 1, c), Hints::FindHint_Move(board, r, c, r, c + 1)})
                if (h) found.push_back(TMove{h->tile1, h->tile2});
        }
    return found;
}

TTile* FindBombWorthFiring(const TBoard& board, int atLeast) {
    TTile* best = nullptr;
    for (auto& t : board.level->tile) {
        if (!t->chip || !t->chip->isPowerUp() || t->chest || t->chain) continue;
        int worth = 0;
        for (int dr = -1; dr <= 1; dr++)
            for (int dc = -1; dc <= 1; dc++)
                if (const TTile* n = board.level->At(t->r + dr, t->c + dc)) worth += CellWorth(board, *n);
        if (worth > atLeast) {
            atLeast = worth;
            best = t.get();
        }
    }
    return best;
}

int MoveWorth(const TBoard& board, const TMove& move) {
    std::swap(move.tile1->chip, move.tile2->chip);
    ChipList line = CheckMatch(move.tile1), more = CheckMatch(move.tile2);
    std::swap(move.tile1->chip, move.tile2->chip);
    line.insert(line.end(), more.begin(), more.end());
    int worth = static_cast<int>(line.size());
    for (auto& chip : line) {
        // Where the chip lies once the swap is done.
        TTile* t = chip == move.tile1->chip ? move.tile2 : chip == move.tile2->chip ? move.tile1 : chip->tile;
        if (!t) continue;
        worth += t->id > 1 ? 4 * (t->id - 1) : 0;
        worth += 3 * t->chain;
        // A line beside a chest opens it, and the cell under it can be played.
        static const int sides[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (auto& d : sides) {
            const TTile* n = board.level->At(t->r + d[0], t->c + d[1]);
            if (n && n->chest) worth += n->id > 1 ? 10 : 5;
        }
        // A scroll falls by the cells cleared under it: the nearer, the better.
        for (int r = t->r - 1; r >= 0; r--) {
            const TTile* up = board.level->At(r, t->c);
            if (up->chip && up->chip->isSpecialChip()) worth += 24 / (t->r - r);
        }
    }
    return worth;
}

namespace {

// What the player sees of the board: every cell's tile, chip, chain and chest.
std::vector<int> BoardPicture(const TBoard& board) {
    std::vector<int> picture;
    for (auto& t : board.level->tile) {
        picture.push_back(t->id);
        picture.push_back(t->chip ? t->chip->id : 0);
        picture.push_back(t->chain * 2 + (t->chest != 0 ? 1 : 0));
    }
    return picture;
}

bool SameMove(const TMove& a, const TMove& b) {
    return (a.tile1 == b.tile1 && a.tile2 == b.tile2) || (a.tile1 == b.tile2 && a.tile2 == b.tile1);
}

}  // namespace

std::vector<TMove> TVirtualPlayer::untriedMoves() {
    if (BoardPicture(game.board) != boardAtLastMove) triedOnThisBoard.clear();
    std::vector<TMove> found = SearchPlayerMoves(game.board);
    auto tried = [this](const TMove& m) {
        return std::any_of(triedOnThisBoard.begin(), triedOnThisBoard.end(),
                           [&m](const TMove& t) { return SameMove(m, t); });
    };
    std::vector<TMove> fresh;
    for (auto& m : found)
        if (!tried(m)) fresh.push_back(m);
    // Every move bounced on this very board: start over rather than stand still.
    if (fresh.empty() && !found.empty()) {
        triedOnThisBoard.clear();
        return found;
    }
    return fresh;
}

bool TVirtualPlayer::mayMove() const {
    const int s = game.state;
    return (s == M3_PLAYING || s == M3_HOURGLASS) && !game.fadedOut() && game.level() && game.board.isCalm();
}

void TVirtualPlayer::frame() {
    // The front end, the adviser's tips and the village between levels: their own
    // hands play them.
    // A menu dialog over any screen comes first: what is behind it waits. A
    // level-end dialog comes before a tip still up on the board behind it.
    const bool levelEnd = TDialogHand::levelEndDialogUp();
    if (dialogs.menuFrame() || frontEnd.frame() || (!levelEnd && (tips.frame() || village.frame()))) {
        gesture.clear();
        calmFrames = 0;
        buttonDown = false;
        lastActionMs = SysMillisecs();
        return;
    }
    powerUps.watch(game);
    // A level-end dialog over the board: answer it and leave the board be.
    if (dialogs.frame()) {
        gesture.clear();
        calmFrames = 0;
        buttonDown = false;
        lastActionMs = SysMillisecs();
        return;
    }
    if (!gesture.empty()) {
        const InputEvent e = gesture.front();
        gesture.pop_front();
        InPushEvent(e);
        return;
    }
    if (!mayMove()) {
        calmFrames = 0;
        if (buttonDown) release();
        return;
    }
    if (framesToThink == 0)
        framesToThink = lookFramesMax > lookFrames ? RandInt(lookFrames, lookFramesMax) : lookFrames;
    if (++calmFrames < framesToThink) return;
    calmFrames = 0;
    framesToThink = 0;
    if (usePowerUp()) {
        lastActionMs = SysMillisecs();
        return;
    }
    if (model.bounceOneIn > 0 && RandInt(1, model.bounceOneIn) == 1) {
        if (const TMove bounce = PickBouncingSwap(game.board)) {
            plan(bounce);
            return;
        }
    }
    const std::vector<TMove> found = untriedMoves();
    const TMove best = PickMove(model, game.board, found);
    // A bomb chip that clears more than the best swap: pick it, click again.
    const int top = best && model.firesBombChips ? MoveWorthFor(model, game.board, best) : 0;
    if (TTile* bomb = model.firesBombChips ? FindBombWorthFiring(game.board, top) : nullptr) {
        planClicks(bomb, bomb);
        return;
    }
    if (!best) return;  // without any move the game reshuffles the board
    boardAtLastMove = BoardPicture(game.board);
    triedOnThisBoard.push_back(best);
    plan(best);
}

void TVirtualPlayer::playAs(const TPlayerModel& played) {
    model = played;
    lookFrames = FramesOf(played.thinkMinMs);
    lookFramesMax = FramesOf(played.thinkMaxMs);
}

bool TVirtualPlayer::usePowerUp() {
    switch (model.powerUps) {
        case TPowerUpHabit::Never:
            return false;
        case TPowerUpHabit::WhenHinted:
            // Its look at the board never lasts as long as the hint waits, so
            // the hint's own timer would never remind it: it counts from its
            // last move, cascades included.
            return SysMillisecs() - lastActionMs >= Hints::HINT_DELAY_MS && powerUps.spendOne(game, gesture);
        case TPowerUpHabit::Saving:
            return powerUps.plan(game, gesture);
    }
    return false;
}

void TVirtualPlayer::plan(const TMove& move) {
    lastActionMs = SysMillisecs();
    TTile* a = move.tile1;
    TTile* b = move.tile2;
    // A cell left selected would swap with a neighbour pressed next: start
    // from the cell that is not its neighbour (both cannot be).
    const TTile* picked = game.board.picked;
    if (picked && picked != a && TBoard::TilesAreNeighbors(picked, a)) std::swap(a, b);
    if (moves++ % 3 == 2) planClicks(a, b);
    else planDrag(a, b);
}

void TVirtualPlayer::moveTo(float x, float y) { AddMoveTo(gesture, x, y); }

void TVirtualPlayer::press() {
    AddPress(gesture);
    buttonDown = true;
}

void TVirtualPlayer::release() {
    AddRelease(gesture);
    buttonDown = false;
}

// Press on the first chip and pull the mouse toward the second: 4, 8, then
// 12 px, so the swap starts once the hand is past the 5 px threshold.
void TVirtualPlayer::planDrag(const TTile* from, const TTile* to) {
    const float x = static_cast<float>(from->drawX) + static_cast<float>(RandInt(-8, 8));
    const float y = static_cast<float>(from->drawY) + static_cast<float>(RandInt(-8, 8));
    const float dx = static_cast<float>(to->drawX - from->drawX) / CELL;
    const float dy = static_cast<float>(to->drawY - from->drawY) / CELL;
    moveTo(x, y);
    press();
    for (int step = 1; step <= 3; step++) moveTo(x + dx * 4.0f * step, y + dy * 4.0f * step);
    release();
}

void TVirtualPlayer::planClicks(const TTile* first, const TTile* second) {
    for (const TTile* t : {first, second}) {
        moveTo(static_cast<float>(t->drawX + RandInt(-10, 10)),
               static_cast<float>(t->drawY + RandInt(-10, 10)));
        press();
        release();
    }
}

std::shared_ptr<TVirtualPlayer> StartVirtualPlayer(TMainGame& game) {
    auto player = std::make_shared<TVirtualPlayer>(game);
    player->frontEnd.dialogs = &player->dialogs;
    player->powerUps.listen();
    AddAfterFrameHook([player] { player->frame(); });
    return player;
}
