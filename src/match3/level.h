// One match-3 level: board size and geometry, the grid of tiles with their
// chips, chests, chains and creators, the chip kinds new chips are drawn
// from, the clock and the resource counters. Read from and written to an
// RCM file ("data/levels/level-N.txt" or a profile's "level.txt").
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "match3/tile.h"

class TRCMFile;

// True when a board of rows x cols, with its frame, fits on the match-3
// screen without running under the resource counters, the time bar or the
// power-up bar (at most 20 columns; 10 rows, or 11 for 1 or 2 columns).
bool LevelBoardFits(int rows, int cols);

class TLevel {
public:
    std::string backgroundUrl;
    int rows = 0, cols = 0;
    int width = 0, height = 0;
    int drawX = 0, drawY = 0;                  // centre of cell (0, 0)
    std::vector<std::shared_ptr<TTile>> tile;  // rows * cols cells, row by row
    std::vector<std::shared_ptr<TChip>> availableChips;
    std::vector<std::shared_ptr<TTile>> creators;
    int res[4] = {0, 0, 0, 0};
    int blaskTime = 0;   // clock (ms) at which the next shine wave crosses the board ("blask": shine)
    int secondTime = 0;  // clock (ms) of the next tick of the level's clock
    int time = 0;        // seconds left on the level's clock
    int maxTime = 0;     // seconds of a full clock (the time bar's length)
    int score = 0;
    int tilesAtStart = 0;

    TLevel() = default;
    TLevel(const TLevel&) = delete;
    TLevel& operator=(const TLevel&) = delete;
    virtual ~TLevel();

    // Readers of one group of keys each, in the order _Load runs them.
    virtual void _loadData(const TRCMFile& f);
    virtual void _loadTiles(const TRCMFile& f);
    virtual void _loadChips(const TRCMFile& f);
    virtual void _loadChests(const TRCMFile& f);
    virtual void _loadChains(const TRCMFile& f);
    virtual void _loadCreators(const TRCMFile& f);
    virtual void _Load(const std::string& path);
    // The readers over an already parsed file, then Init and the checks.
    virtual void _LoadFrom(const TRCMFile& f);

    virtual void _saveData(TRCMFile& f) const;
    virtual void _saveTiles(TRCMFile& f) const;
    virtual void _saveChips(TRCMFile& f) const;
    virtual void _saveChains(TRCMFile& f) const;
    virtual void _saveChests(TRCMFile& f) const;
    virtual void _saveCreators(TRCMFile& f) const;
    // Writes the board as it is now; false when the file could not be written.
    virtual bool Save(const std::string& path) const;
    // The text Save writes.
    std::string SaveText() const;

    virtual void _InitDims();
    virtual void _InitTilesAtStart();
    // Turns every resource chip (board and available kinds) into the proper
    // chip for its resource; properChip(res) is the profile's
    // QUEST_GetProperChipByRes. A null answer leaves that chip as it is.
    virtual void _InitProperChips(const std::function<std::shared_ptr<TChip>(int)>& properChip);
    virtual void Init();

    std::vector<std::shared_ptr<TChip>> GetAllChipsList() const;
    // A copy of an available kind, each with equal chance; null when none.
    std::shared_ptr<TChip> GetRandomChip() const;
    float CountTimePer() const { return maxTime ? static_cast<float>(time) / maxTime : 0.0f; }
    void ResetBlask();
    int NoTile(int r, int c) const;
    int ColumnFreeUp(int r, int c) const;

    // The cell (r, c), null off the board (asked many times a frame, so inline).
    TTile* At(int r, int c) const {
        if (r < 0 || c < 0 || r >= rows || c >= cols) return nullptr;
        return tile[static_cast<size_t>(r * cols + c)].get();
    }
    // Number of tiles with id 2 or 3 (cyan) and of scroll chips on the board.
    int CountCyanTiles() const;
    int CountScrollChips() const;
    // True when the level has a board (a missing, empty or refused file has none).
    bool IsPresent() const { return rows > 0 && cols > 0; }
    // Tiles no chip can ever reach from a creator, row by row: once emptied
    // they stay empty until a shuffle.
    std::vector<std::pair<int, int>> UnfedCells() const;

private:
    std::shared_ptr<TRCMFile> _saveAll() const;
    void _makeEmptyBoard();
    void _checkPlayable();
    // Prints the designs that cannot be won by play (the level still loads).
    void _reportDesignFaults() const;
    void _refuse(const std::string& why);
};

// A level read from a file; a missing, empty or refused file gives 0 x 0.
std::shared_ptr<TLevel> LoadLevel(const std::string& path);
// The same from the text of a level file (tests, tools, the level editor).
std::shared_ptr<TLevel> LoadLevelFromText(const std::string& text);
// Every message the level reader prints starts with this.
extern const char* const LEVEL_MESSAGE_PREFIX;
