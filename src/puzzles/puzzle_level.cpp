#include "puzzles/puzzle_level.h"

#include <cmath>
#include <cstdio>

#include "audio/game_sound.h"
#include "effects/particles.h"
#include "frame/globals.h"
#include "frame/rcm.h"
#include "puzzles/puzzle_memory.h"
#include "puzzles/puzzle_pairs.h"
#include "puzzles/puzzle_sliding.h"
#include "puzzles/puzzle_swap.h"

std::array<Image, PAIR_SYMBOLS> pairSymbols;
std::array<Image, MEMORY_SYMBOLS> memorySymbols;
std::array<Image, 2> memoryCardSides;
Image puzzleTileImage;

namespace {
Image LoadCentredChip(const std::string& path) {
    Image img = GfxLoadImage(gameDir + path, GFX_IMAGE_DEFAULT);
    GfxMidHandle(img);
    return img;
}
}  // namespace

std::string PuzzleGridProblem(int type, int rows, int cols) {
    if (type < 1 || type > 4) return "unknown puzzle type " + std::to_string(type);
    if (rows < 1 || cols < 1 || rows > PUZZLE_MAX_SIDE || cols > PUZZLE_MAX_SIDE)
        return "rows and cols must be 1.." + std::to_string(PUZZLE_MAX_SIDE) + ", not " +
               std::to_string(rows) + " x " + std::to_string(cols);
    const int cells = rows * cols;
    if ((type == 2 || type == 3) && cells % 2 != 0)
        return std::to_string(cells) + " cells cannot all be paired";
    if (type == 2 && cells > 2 * PAIR_SYMBOLS)
        return std::to_string(cells) + " tiles need more than the " + std::to_string(PAIR_SYMBOLS) +
               " symbols";
    if (type == 3 && cells > 2 * MEMORY_SYMBOLS)
        return std::to_string(cells) + " cards need more than the " + std::to_string(MEMORY_SYMBOLS) +
               " symbols";
    // One cell alone leaves the hole no piece to slide.
    if (type == 4 && cells < 2) return "a sliding puzzle needs at least two cells";
    return "";
}

std::string PuzzleProblem(int type, int rows, int cols, int pictureW, int pictureH) {
    std::string problem = PuzzleGridProblem(type, rows, cols);
    if (!problem.empty()) return problem;
    if (pictureW <= 0 || pictureH <= 0) return "the picture is missing";
    // A grid that does not divide the picture leaves a strip at the right or the bottom, which
    // shows the faded picture; only cells narrower than a pixel are refused.
    if (pictureW < cols || pictureH < rows)
        return "a " + std::to_string(pictureW) + " x " + std::to_string(pictureH) +
               " picture is too small for " + std::to_string(rows) + " x " + std::to_string(cols) + " cells";
    return "";
}

std::shared_ptr<TPuzzleLevel> MakePuzzleLevel(int type, Image normal, Image sepia, int rows, int cols,
                                              const std::string& source) {
    std::string problem = PuzzleProblem(type, rows, cols, GfxImageWidth(sepia), GfxImageHeight(sepia));
    if (problem.empty() && !normal) problem = "the coloured picture is missing";
    if (problem.empty() &&
        (GfxImageWidth(normal) != GfxImageWidth(sepia) || GfxImageHeight(normal) != GfxImageHeight(sepia)))
        problem = "the coloured and the faded picture differ in size";
    if (!problem.empty()) {
        std::printf("No puzzle from %s: %s\n", source.c_str(), problem.c_str());
        return nullptr;
    }
    std::shared_ptr<TPuzzleLevel> level;
    switch (type) {
        case 1:
            level = std::make_shared<TLevelType1>();
            break;
        case 2:
            level = std::make_shared<TLevelType2>();
            break;
        case 3:
            level = std::make_shared<TLevelType3>();
            break;
        default:
            level = std::make_shared<TLevelType4>();
            break;
    }
    level->imageNormal = std::move(normal);
    level->imageSepia = std::move(sepia);
    level->rows = rows;
    level->cols = cols;
    level->CutImage();
    return level;
}

std::shared_ptr<TPuzzleLevel> LoadPuzzleLevel(const std::string& path) {
    if (FsFileType(path) != 1) {
        std::printf("No puzzle file %s\n", path.c_str());
        return nullptr;
    }
    return LoadPuzzleLevelFrom(*LoadRCM(path), path);
}

std::shared_ptr<TPuzzleLevel> LoadPuzzleLevelFrom(const TRCMFile& file, const std::string& path) {
    const float typeValue = file.getFloat("puzzles::type");
    // A type such as 1.5 is none of the four.
    const int type = typeValue == std::trunc(typeValue) && typeValue >= 1 && typeValue <= 4
                         ? static_cast<int>(typeValue)
                         : 0;
    const int rows = file.getInt("puzzles::rows");
    const int cols = file.getInt("puzzles::cols");
    const std::string problem = PuzzleGridProblem(type, rows, cols);
    if (!problem.empty()) {
        std::printf("No puzzle from %s: %s\n", path.c_str(), problem.c_str());
        return nullptr;
    }
    const std::string normalName = file.getString("puzzles::imageNormal");
    const std::string sepiaName = file.getString("puzzles::imageSepia");
    Image normal = normalName.empty() ? nullptr : GfxLoadImage(gameDir + normalName, GFX_IMAGE_DEFAULT);
    Image sepia = sepiaName.empty() ? nullptr : GfxLoadImage(gameDir + sepiaName, GFX_IMAGE_DEFAULT);
    if (!normal || !sepia) {
        std::printf("No puzzle from %s: picture %s is missing\n", path.c_str(),
                    (!normal ? normalName : sepiaName).c_str());
        return nullptr;
    }
    return MakePuzzleLevel(type, normal, sepia, rows, cols, path);
}

void DrawPieceRect(const Image& img, float x, float y, float ix, float iy, float iw, float ih) {
    GfxDrawImageRect(img, x, y, iw, ih, ix, iy, iw, ih, 0, 0);
}

void DrawPieceOutline(float x, float y, float w, float h, float alpha) {
    GfxSetAlpha(alpha);
    GfxSetColor(104, 56, 0);
    GfxDrawLine(x, y, x + w, y);
    GfxDrawLine(x + w, y, x + w, y + h);
    GfxDrawLine(x + w, y + h, x, y + h);
    GfxDrawLine(x, y + h, x, y);
    GfxSetColor(255, 255, 255);
}

void DrawPieceHover(const Image& img, float x, float y, float ix, float iy, float iw, float ih, float alpha) {
    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetAlpha(alpha);
    DrawPieceRect(img, x, y, ix, iy, iw, ih);
    GfxSetBlend(GFX_BLEND_ALPHA);
}

void PuzzleCloudBurst(const TPuzzleLevel& level) {
    const int w = level.pictureW(), h = level.pictureH();
    for (int i = 0; i < 200; i++) {
        const float v = static_cast<float>(RandInt(200, 250));
        const float x1 = level.drawStartX + static_cast<float>(RandInt(0, w));
        const float y1 = level.drawStartY + static_cast<float>(RandInt(0, h));
        const float x2 = x1 + static_cast<float>(RandInt(-50, 50));
        const float y2 = y1 + static_cast<float>(RandInt(-50, 50));
        const TRGB rgb = RandInt(0, 1) == 0 ? NewRGB(v, 0, v) : NewRGB(0, v, v);
        const float r1 = static_cast<float>(RandInt(-60, 60));
        const float r2 = static_cast<float>(RandInt(-120, 120));
        auto p = CreateParticle(RandInt(11, 12), x1, y1, x2, y2, (x1 + x2) / 2, (y1 + y2) / 2, rgb, 0, 0, 1,
                                2, r1, r2, GFX_BLEND_LIGHT, RandInt(0, 2000), 3000);
        if (p) p->deadAlpha = 0.5f;
    }
    PlayGameSound("puzzle-start");
}

void PuzzleTwinkles(float x, float y, float w, float h) {
    const int n = static_cast<int>(std::sqrt(h * h + w * w));
    for (int i = 0; i < n; i++) {
        const int px = static_cast<int>(x + static_cast<float>(RandInt(0, static_cast<int>(w))));
        const int py = static_cast<int>(y + static_cast<float>(RandInt(0, static_cast<int>(h))));
        const int tx = px + RandInt(-15, 15), ty = py + RandInt(-15, 15);
        auto p = CreateParticle(2, static_cast<float>(px), static_cast<float>(py), static_cast<float>(tx),
                                static_cast<float>(ty), static_cast<float>((px + tx) / 2),
                                static_cast<float>((py + ty) / 2), NewRGB(255, 255, 255), 0, 0, 0.5f, 0.5f, 0,
                                0, GFX_BLEND_LIGHT, RandInt(0, 1000), 1000);
        if (p) p->deadAlpha = 0.5f;
    }
}

void LoadPuzzleSymbols() {
    for (int n = 0; n < PAIR_SYMBOLS; n++)
        pairSymbols[static_cast<size_t>(n)] =
            LoadCentredChip("gfx/gui/puzzleGame/specChips/chip" + std::to_string(n) + ".png");
}

void LoadMemorySymbols() {
    for (int n = 0; n < MEMORY_SYMBOLS; n++)
        memorySymbols[static_cast<size_t>(n)] =
            LoadCentredChip("gfx/gui/puzzleGame/specChips2/chip" + std::to_string(n) + ".png");
    memoryCardSides[0] = LoadCentredChip("gfx/gui/puzzleGame/specChips2/pan.png");
    memoryCardSides[1] = LoadCentredChip("gfx/gui/puzzleGame/specChips2/pan2.png");
}
