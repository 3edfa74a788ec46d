// The power-up bar on the match-3 screen and the six tools: which slots are
// in play, charging, the bar's frame and drawing, starting a power-up,
// aiming a tool with its waiting effects, applying it to a cell and sending
// it back to its slot.
//
// The screen keeps the state (state, hourGlassTime, overPowerUp) and calls
// these steps at its places in the frame (main_game_later.cpp).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "match3/powerup.h"

class TBoard;
class TChip;
class TMainGame;
class TTile;

// The power-up bar's ways to the profile and to observers.
struct TPowerUpHooks {
    // The current profile's slot (0..5); null or empty: the game's own slots.
    std::function<std::shared_ptr<TPowerUp>(int slot)> slot;
    // A power-up's charge was used (the slot index); empty: nobody hears of it.
    std::function<void(int slot)> used;
};
TPowerUpHooks& PowerUpHooks();

namespace PowerUps {

using ChipList = std::vector<std::shared_ptr<TChip>>;

// The slot in play; never null for 0..5 (the game's own slots stand in when
// no profile is loaded), null otherwise.
std::shared_ptr<TPowerUp> GetPowerUp(int slot);
// The game's own six slots back to locked and empty (tests, level runs).
void ResetOwnSlots();
// The first slot, 0..5, that is unlocked and not full; -1 for none.
int isCollectingForPowerUps();
// Charging through the board: destroyed chips ask for their slot and charge it on arrival.
void InstallBoardHooks();
// The slot's charge is spent (it empties) and the `used` hook hears of it.
void SpendCharge(int slot);
// Every slot unlocked at once, without the planks' animation (level runs).
void UnlockAllNow();

// The screen's steps (powerup_bar.cpp).
void _setupPowerUps(TMainGame& game);
void _preparePowerUps(TMainGame& game);
void _updatePowerUps(TMainGame& game);
void _drawPowerUps(TMainGame& game);
void DropActPowerUp(TMainGame& game);
void DevUnlockPowerUp(TMainGame& game, int slot);
// A click on a full slot: the slot's Use operation below.
void StartPowerUp(TMainGame& game, int slot);
void UseHammer(TMainGame& game);
void UseHourGlass(TMainGame& game);
void UsePickAxe(TMainGame& game);
void UseDynamite(TMainGame& game);
void UseBomb(TMainGame& game);
void UseColor(TMainGame& game);
void _update_STATE_Hammer(TMainGame& game);
void _update_STATE_Hourglass(TMainGame& game);
void _update_STATE_PickAxe(TMainGame& game);
void _update_STATE_Dynamite(TMainGame& game);
void _update_STATE_Color(TMainGame& game);
void _update_STATE_WaitSimpleObject(TMainGame& game);
// The aimed tool's picture (hammer, pickaxe, dynamite, colour), null otherwise.
const Image* ActiveToolImage(const TMainGame& game);

// The tools on the board (powerup_tools.cpp).
void UseOnTile_Hammer(TMainGame& game, TTile* tile);
void UseOnTile_PickAxe(TMainGame& game, TTile* tile);
void UseOnTile_Dynamite(TMainGame& game, TTile* tile);
void UseOnTile_Color(TMainGame& game, TTile* tile);
// Marks the 3 x 3 block around the hovered cell.
void _updatePickAxeOver(TMainGame& game);
void _updatePickAxeOverOnTile(const TBoard& board, int r, int c);
// The chips of the tile's row (first) and column; row chips get pomKier 0,
// column chips 1.
ChipList GetAllChipsAtCross(const TBoard& board, const TTile* tile);
// Every chip on the board with the chip's id, row by row.
ChipList GetAllChipsLikeThis(const TBoard& board, const TChip& chip);
// Every chip on the board, row by row.
ChipList GetAllChipsList(const TBoard& board);
// How many bombs a board with that many chips gets.
int BombCount(int chips);
// BombCount(chips) different chips picked at random.
ChipList GetRandomChipsList(const TBoard& board);
// Waiting effects while a tool is aimed.
void _GenerateWaitForDynamiteParticles(TMainGame& game);
void _GenerateWaitForColorParticles(TMainGame& game);
// The colour tool's fireworks round one chip.
void _GenerateFireWorksBlastParticles(const TChip& chip);

}  // namespace PowerUps
