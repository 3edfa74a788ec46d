// Hints and shuffling: the move search, the hint's life on the screen and the
// shuffle of a board without moves.
#include "match3/hint.h"

#include <algorithm>

#include "audio/game_sound.h"
#include "effects/captions.h"
#include "frame/screen.h"
#include "match3/board_fx.h"
#include "match3/flying.h"
#include "match3/main_game.h"

namespace {
constexpr int SHUFFLE_PAUSE_MS = 2000;
}  // namespace

// ---------------------------------------------------------------------------
// THint
// ---------------------------------------------------------------------------
void THint::draw() {
    update();
    GfxResetDrawState();
    GfxSetAlpha(a);
}

void THint::update() {
    ApproachInPlace(p, dp, 0.05f);
    if (p == dp) dp = dp == 0 ? 1.0f : 0.0f;
    ApproachInPlace(a, da, 0.05f);
    // A chip already rocking goes on; one that arrived since starts.
    if (tile1) tile1->ShakeChip();
    if (tile2) tile2->ShakeChip();
}

void THint::HideMyShakes() {
    if (tile1) tile1->ShakeStop();
    if (tile2) tile2->ShakeStop();
}

namespace Hints {

// ---------------------------------------------------------------------------
// The search
// ---------------------------------------------------------------------------
std::shared_ptr<THint> FindHint_Move(const TBoard& board, int r1, int c1, int r2, int c2) {
    const TMove move = board.FindHint_Move(r1, c1, r2, c2);
    return move ? std::make_shared<THint>(move.tile1, move.tile2) : nullptr;
}

std::shared_ptr<THint> FindHint(const TBoard& board) {
    const TMove move = board.FindAnyMove();
    return move ? std::make_shared<THint>(move.tile1, move.tile2) : nullptr;
}

// ---------------------------------------------------------------------------
// Showing and hiding
// ---------------------------------------------------------------------------
void ResetHint(TMainGame& game) { game.hintTime = SysMillisecs() + Hints::HINT_DELAY_MS; }

void _updateHint(TMainGame& game) {
    if (game.hint || SysMillisecs() < game.hintTime) return;
    game.hint = FindHint(game.board);
    // Also without a move: the no-move check shuffles in this very frame.
    PlayGameSound("hint");
}

void _drawHint(TMainGame& game) {
    if (!game.hint) return;
    GfxResetDrawState();
    game.hint->draw();
    if (game.hint->isGone()) {
        ResetHint(game);
        game.hint.reset();
    }
    GfxSetAlpha(1);
}

void FadeHintOnClick(TMainGame& game) {
    if (game.hint) game.hint->da = 0;
}

void HideHint(TMainGame& game) {
    game.hint.reset();
    game.tempHint.reset();
    game.movesChecked = 0;
}

void DropHintsOnMotion(TMainGame& game) {
    if (game.hint) game.hint->HideMyShakes();
    if (game.tempHint) game.tempHint->HideMyShakes();
    HideHint(game);
    // Chips of a hint that faded out after a click, or was dropped when a
    // swap started, still rock; on a moving board they would point at a
    // move that may be gone.
    if (TLevel* level = game.level())
        for (auto& t : level->tile)
            if (t->chip && t->chip->startShake) t->ShakeStop();
}

// ---------------------------------------------------------------------------
// No moves: the shuffle
// ---------------------------------------------------------------------------
void CHECK_MOVES(TMainGame& game) {
    if (game.hint || game.tempHint || !game.level()) return;
    game.tempHint = FindHint(game.board);
    game.movesChecked = 1;
    if (!game.tempHint) Shuffle(game);
}

void Shuffle(TMainGame& game) {
    TLevel* level = game.level();
    if (!level) return;
    CreateCaptionNoMoves();
    // Swaps in progress (the developer key may shuffle at any moment) end
    // without their chips.
    game.board.DropPairs();
    // Every chip leaves, scroll and power-up chips and chips under chests
    // and chains too; each one charges slot 0 when it lands below the screen.
    for (auto& t : level->tile) {
        if (auto chip = t->chip) chip->FlyOut();
    }
    HideHint(game);
    // The hourglass waits through the pause and goes on afterwards.
    const int now = SysMillisecs();
    game.hourglassLeftAtShuffle = game.state == M3_HOURGLASS ? std::max(0, game.hourGlassTime - now) : 0;
    game.shuffleTime = now + SHUFFLE_PAUSE_MS;
    game.state = M3_SHUFFLING;
}

void _update_STATE_Shuffle(TMainGame& game) {
    const int now = SysMillisecs();
    if (now <= game.shuffleTime) return;
    game.state = M3_PLAYING;
    if (game.hourglassLeftAtShuffle > 0) {
        game.hourGlassTime = now + game.hourglassLeftAtShuffle;
        game.hourglassLeftAtShuffle = 0;
        game.state = M3_HOURGLASS;
    }
    TLevel* level = game.level();
    if (!level) return;
    // Not checked for lines or moves: lines go as the chips come to rest,
    // and the calm board is searched again.
    for (auto& t : level->tile) {
        if (t->id == 0 || t->chip) continue;
        auto chip = level->GetRandomChip();
        if (!chip) continue;
        t->PutChip(chip);
        chip->CreateMe();
    }
}

}  // namespace Hints
