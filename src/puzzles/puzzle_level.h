// What every puzzle kind shares: the level base (TPuzzleLevel) and the
// piece base (TPuzzle), the puzzle file and its loader, the checks that
// refuse a file the screen cannot play, and the symbol pictures of the pair
// and memory puzzles.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/platform.h"

// Top-left corner of the picture on the puzzle screen.
constexpr int PUZZLE_DRAW_X = 207;
constexpr int PUZZLE_DRAW_Y = 170;
// The largest row or column count a file may ask for.
constexpr int PUZZLE_MAX_SIDE = 16;
constexpr int PAIR_SYMBOLS = 20;
constexpr int MEMORY_SYMBOLS = 26;

class TPuzzleLevel;
class TRCMFile;

class TPuzzle {
public:
    Image image;                    // the faded picture the piece is cut from
    TPuzzleLevel* level = nullptr;  // the level that owns the piece
    virtual ~TPuzzle() = default;
};

class TPuzzleLevel {
public:
    Image imageNormal, imageSepia;
    int puzzleType = 0;  // 1 swap, 2 pairs, 3 memory, 4 sliding
    int rows = 0, cols = 0;
    int all = 0;                      // 1 once solved
    std::shared_ptr<TPuzzle> over;    // under the mouse this frame
    std::shared_ptr<TPuzzle> picked;  // chosen by a first click
    // Where the picture lies, and the screen's opacity (set by the screen
    // every frame); pieces draw at that opacity times their own.
    float drawStartX = PUZZLE_DRAW_X, drawStartY = PUZZLE_DRAW_Y;
    float screenAlpha = 1;

    virtual ~TPuzzleLevel() = default;
    virtual void draw() {}
    virtual void drawMoving() {}  // above the frame and the GUI
    virtual int update() { return 0; }
    virtual void Begin() {}
    virtual int isBeginFinished() { return 1; }
    virtual void CutImage() = 0;

    int pictureW() const { return GfxImageWidth(imageSepia); }
    int pictureH() const { return GfxImageHeight(imageSepia); }
};

// Why a puzzle of this type and grid cannot be played, or "".
std::string PuzzleGridProblem(int type, int rows, int cols);
// Why a puzzle of this type, grid and picture size cannot be played, or ""
// when it can (see docs/puzzles.md for what is refused).
std::string PuzzleProblem(int type, int rows, int cols, int pictureW, int pictureH);
// A level of `type` over the two pictures, cut into its pieces; null (with
// the reason printed) when PuzzleProblem refuses it or a picture is missing.
std::shared_ptr<TPuzzleLevel> MakePuzzleLevel(int type, Image normal, Image sepia, int rows, int cols,
                                              const std::string& source = "puzzle");
// Reads the puzzle file at `path` ("puzzles::type", "imageNormal",
// "imageSepia", "rows", "cols"); null, with a message, when the file is
// missing or refused.
std::shared_ptr<TPuzzleLevel> LoadPuzzleLevel(const std::string& path);
// The same from a file already read; `path` names it in messages.
std::shared_ptr<TPuzzleLevel> LoadPuzzleLevelFrom(const TRCMFile& file, const std::string& path);

// The piece's rectangle (ix, iy, iw, ih) of `img` drawn unscaled at (x, y).
void DrawPieceRect(const Image& img, float x, float y, float ix, float iy, float iw, float ih);
// The brown outline of a piece at opacity `alpha`; white afterwards.
void DrawPieceOutline(float x, float y, float w, float h, float alpha);
// The light-blended copy of a hovered piece's rectangle at opacity `alpha`;
// alpha blending afterwards.
void DrawPieceHover(const Image& img, float x, float y, float ix, float iy, float iw, float ih, float alpha);

// The opening burst of clouds over the picture and the sound "puzzle-start".
void PuzzleCloudBurst(const TPuzzleLevel& level);
// White twinkles over a removed tile or card.
void PuzzleTwinkles(float x, float y, float w, float h);

// The symbols of the pair puzzle and of the memory puzzle, the two sides of
// a memory card and the pair puzzle's tile.
extern std::array<Image, PAIR_SYMBOLS> pairSymbols;
extern std::array<Image, MEMORY_SYMBOLS> memorySymbols;
extern std::array<Image, 2> memoryCardSides;  // 0 back, 1 face
extern Image puzzleTileImage;
void LoadPuzzleSymbols();
void LoadMemorySymbols();
