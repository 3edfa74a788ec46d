// The rules of the board as plain functions over a level and its tiles:
// finding lines, removing them with their score, the bomb chip, and moving a
// chip one cell down. They draw nothing; the board (board.h) runs them per
// frame and the tests call them directly.
#pragma once

#include <memory>
#include <vector>

#include "match3/level.h"

using ChipList = std::vector<std::shared_ptr<TChip>>;

// 1 when a and b both have chips, b's chip is free, neither tile has a chest
// and the two chip ids are equal.
int isMatched(const TTile* a, const TTile* b);
// The chips of the lines (3 or more) through the tile's chip: the tile's own
// chip first, then below (nearest first), above, left and right. Empty when
// there is no line.
ChipList CheckMatch(const TTile* tile, int debug = 0);
// The score of a line of n chips: ((n - 3) * 5 + 5) * n.
int MatchScore(int n);
// Scores a line (level score and the profile's cash) and destroys its chips.
void MatchChips(TLevel& level, const ChipList& chips);
// Removes the line through the tile's chip, when there is one.
void CheckMatchWithDestroy(TTile* tile);
// Adds to the level's score and the profile's cash.
void AddScore(TLevel& level, int amount);

// Turns the tile's chip into the bomb chip (cross-fade); nothing on an empty cell.
void PutPowerUp(TTile* tile);
// Sets off a power-up chip: id 101 explodes as a bomb, other ids do nothing.
void FirePowerUp(int chipId, TTile* tile);
void PowerUpTile(TTile* tile, const std::shared_ptr<TChip>& chip);
// Destroys the chip of (r, c) after delay ms as bombed; nothing off the board or on a hole.
void BombTile(TLevel& level, int r, int c, int delay);
// The bomb chip's explosion over the 3 x 3 block around the tile.
void Bomb(TTile* tile);

// Moves the tile's chip one cell down, down-left or down-right and starts its motion.
void FallChip(TTile* tile);
void FallChipLeft(TTile* tile);
void FallChipRight(TTile* tile);
