// The virtual player (--autoplay): plays the match-3 screen through the real
// input path. After every frame it looks at the game (screen state, the
// board's possible moves, cell rectangles) and acts only by queuing mouse
// events, as a person's hand would: move, press, drag or click, release.
#pragma once

#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

#include "devtools/gesture.h"
#include "devtools/player_model.h"
#include "devtools/powerup_player.h"
#include "devtools/virtual_player_dialogs.h"
#include "devtools/virtual_player_front_end.h"
#include "devtools/virtual_player_tips.h"
#include "devtools/virtual_player_village.h"
#include "match3/board.h"
#include "platform/platform.h"

class TMainGame;

// Every swap the player could make now, found with the game's own hint test.
std::vector<TMove> SearchPlayerMoves(const TBoard& board);
// How much a move is worth to a player who wants to win: chips of its lines
// on cyan tiles, and chips under a scroll (digging it out).
int MoveWorth(const TBoard& board, const TMove& move);
// A bomb chip whose blast is worth more than atLeast (the best swap), or null.
TTile* FindBombWorthFiring(const TBoard& board, int atLeast);

class TVirtualPlayer {
public:
    explicit TVirtualPlayer(TMainGame& game) : game(game) {}

    // One decision after a presented frame.
    void frame();
    // Frames of a calm board the player looks at before moving: drawn for
    // each move between the two (the same: no draw).
    int lookFrames = 12;
    int lookFramesMax = 12;
    // The same given as a thinking time (60 frames a second, at least one frame).
    void thinkBeforeEachMove(long ms) { lookFrames = lookFramesMax = FramesOf(ms); }
    // Plays as that model: its thinking time, its choice of move, its bounced
    // swaps and its use of the power-up bar. Without a model it plays as the
    // steady player, thinking 200 ms.
    void playAs(const TPlayerModel& played);

    // Its use of the power-up bar.
    TPowerUpPlayer powerUps;
    // Its answers to the level summary and the lose dialog.
    TDialogHand dialogs;
    // Its eyes on the adviser's tips, on every screen it plays.
    TTipHand tips;
    // Its hand in the village and the village's dialogs.
    TVillageHand village;
    // Its hand on the start-up cards, the main menu and its dialogs.
    TFrontEndHand frontEnd;

    // The queued gesture, one event per frame (tests read it).
    const Gesture& pending() const { return gesture; }

private:
    TMainGame& game;
    TPlayerModel model = *FindPlayerModel("steady");
    Gesture gesture;
    int calmFrames = 0;
    int framesToThink = 0;
    int lastActionMs = 0;  // its last move or power-up, or the end of the last dialog or screen
    int moves = 0;
    bool buttonDown = false;
    // The board as it was at the last move, and the moves made on it since:
    // a move that bounced left the board as it was and is not tried again.
    std::vector<int> boardAtLastMove;
    std::vector<TMove> triedOnThisBoard;

    // The moves not yet tried on the board as it is now.
    std::vector<TMove> untriedMoves();

    static int FramesOf(long ms) { return std::max(1, static_cast<int>(ms * 60 / 1000)); }
    bool mayMove() const;
    // Spends a power-up as the model would now (queues its clicks).
    bool usePowerUp();
    void plan(const TMove& move);
    void planDrag(const TTile* from, const TTile* to);
    void planClicks(const TTile* first, const TTile* second);
    void moveTo(float x, float y);
    void press();
    void release();
};

// Starts the player on the match-3 screen: one decision after every frame.
std::shared_ptr<TVirtualPlayer> StartVirtualPlayer(TMainGame& game);
