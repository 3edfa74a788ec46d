#include "devtools/level_sheet.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <memory>

#include "frame/font_cache.h"
#include "frame/globals.h"
#include "frame/names.h"
#include "frame/text_layout.h"
#include "match3/board.h"
#include "match3/chip.h"
#include "match3/level.h"

namespace {

constexpr int FRAME_REACH = 17;  // the board frame's reach beyond the outer cells
constexpr int BOARD_AREA_TOP = 3;
constexpr int BOARD_AREA_W = SHEET_CELL_W - 6;
constexpr int BOARD_AREA_H = SHEET_CELL_H - SHEET_LABEL_H - 4;
constexpr int LABEL_FONT_SIZE = 13;
constexpr float COMMON_SCALE =
    static_cast<float>(std::min(BOARD_AREA_W, BOARD_AREA_H)) / (10 * CELL + 2 * FRAME_REACH);

struct SheetRect {
    int x = 0, y = 0, w = 0, h = 0;
};

// "level-12.txt" -> 12; -1 for any other name.
int LevelNumber(const std::string& name) {
    const std::string upper = UpperCase(name);
    const std::string head = "LEVEL-", tail = ".TXT";
    if (upper.size() <= head.size() + tail.size() || upper.rfind(head, 0) != 0 ||
        upper.compare(upper.size() - tail.size(), tail.size(), tail) != 0)
        return -1;
    const std::string digits = upper.substr(head.size(), upper.size() - head.size() - tail.size());
    if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), [](char ch) {
            return std::isdigit(static_cast<unsigned char>(ch));
        }))
        return -1;
    return std::stoi(digits);
}

void FillBack(float x, float y, float w, float h) {
    GfxResetDrawState();
    GfxSetColor(SHEET_BACK[0], SHEET_BACK[1], SHEET_BACK[2]);
    GfxDrawRect(x, y, w, h);
    GfxResetDrawState();
}

// The board with its frame, on the match-3 screen, cut to the play area.
SheetRect BoardRect(const TLevel& level) {
    const int x0 = std::max(0, level.drawX - CELL / 2 - FRAME_REACH);
    const int y0 = std::max(0, level.drawY - CELL / 2 - FRAME_REACH);
    const int x1 = std::min(1024, level.drawX - CELL / 2 + level.width + FRAME_REACH);
    const int y1 = std::min(768, level.drawY - CELL / 2 + level.height + FRAME_REACH);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

// A green arrow pointing down at the top of each creator's cell: where new
// chips come in.
void DrawCreatorMarks(const TLevel& level) {
    GfxResetDrawState();
    for (const auto& t : level.creators) {
        const float x = static_cast<float>(t->drawX), top = static_cast<float>(t->drawY - CELL / 2 + 2);
        for (int row = 0; row < 13; row++) {
            const float half = static_cast<float>(13 - row);
            GfxSetColor(20, 60, 20);
            GfxDrawRect(x - half - 1, top + static_cast<float>(row), 2 * half + 2, 1);
            GfxSetColor(110, 235, 90);
            if (half > 1) GfxDrawRect(x - half + 1, top + static_cast<float>(row), 2 * half - 2, 1);
        }
    }
    GfxResetDrawState();
}

// The level's board as the match-3 screen shows it when play starts,
// grabbed from the back buffer at full size.
Pixmap DrawBoardPicture(const std::shared_ptr<TLevel>& level) {
    const SheetRect r = BoardRect(*level);
    FillBack(static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.w),
             static_cast<float>(r.h));
    for (auto& t : level->tile)
        if (t->chip) t->chip->CountPosition();
    TBoard board;
    board.SetLevel(level);
    board.draw(1);
    DrawCreatorMarks(*level);
    return GfxGrabPixmap(r.x, r.y, r.w, r.h);
}

// Shrinks by averaging the source pixels each target pixel covers.
Pixmap Shrink(const Pixmap& src, int w, int h) {
    Pixmap out;
    if (src.w <= 0 || src.h <= 0 || w <= 0 || h <= 0) return out;
    // Rows first: each target column gathers the source columns it covers.
    std::vector<float> wide(static_cast<size_t>(w) * src.h * 3, 0.0f);
    const float fx = static_cast<float>(src.w) / static_cast<float>(w);
    for (int x = 0; x < w; x++) {
        const float a = static_cast<float>(x) * fx, b = a + fx;
        for (int sx = static_cast<int>(a); sx < src.w && static_cast<float>(sx) < b; sx++) {
            const float part = std::min(b, static_cast<float>(sx + 1)) - std::max(a, static_cast<float>(sx));
            for (int y = 0; y < src.h; y++)
                for (int k = 0; k < 3; k++)
                    wide[(static_cast<size_t>(y) * w + x) * 3 + k] +=
                        part / fx * src.rgba[(static_cast<size_t>(y) * src.w + sx) * 4 + k];
        }
    }
    out.w = w;
    out.h = h;
    out.rgba.assign(static_cast<size_t>(w) * h * 4, 255);
    const float fy = static_cast<float>(src.h) / static_cast<float>(h);
    for (int y = 0; y < h; y++) {
        const float a = static_cast<float>(y) * fy, b = a + fy;
        for (int x = 0; x < w; x++) {
            float sum[3] = {0, 0, 0};
            for (int sy = static_cast<int>(a); sy < src.h && static_cast<float>(sy) < b; sy++) {
                const float part =
                    std::min(b, static_cast<float>(sy + 1)) - std::max(a, static_cast<float>(sy));
                for (int k = 0; k < 3; k++)
                    sum[k] += part / fy * wide[(static_cast<size_t>(sy) * w + x) * 3 + k];
            }
            for (int k = 0; k < 3; k++)
                out.rgba[(static_cast<size_t>(y) * w + x) * 4 + k] =
                    static_cast<std::uint8_t>(std::clamp(std::lround(sum[k]), 0L, 255L));
        }
    }
    return out;
}

void Paste(Pixmap& dst, const Pixmap& src, int x, int y) {
    for (int row = 0; row < src.h; row++) {
        const int dy = y + row;
        if (dy < 0 || dy >= dst.h) continue;
        for (int col = 0; col < src.w; col++) {
            const int dx = x + col;
            if (dx < 0 || dx >= dst.w) continue;
            for (int k = 0; k < 4; k++)
                dst.rgba[(static_cast<size_t>(dy) * dst.w + dx) * 4 + k] =
                    src.rgba[(static_cast<size_t>(row) * src.w + col) * 4 + k];
        }
    }
}

// The number's strip, drawn in the corner of the back buffer and grabbed.
Pixmap DrawSheetLabel(int n, bool playable) {
    FillBack(0, 0, SHEET_CELL_W, SHEET_LABEL_H);
    GfxSetImageFont(GetFont(gameDir + "gfx/fonts/font1.ttf", LABEL_FONT_SIZE));
    const std::string text = std::to_string(n);
    const float y = static_cast<float>(SHEET_LABEL_H - GfxTextHeight(text)) / 2;
    const TRGB refused = NewRGB(235, 80, 70);
    DrawShadowedText(text, SHEET_CELL_W / 2.0f, y, playable ? textColourLight : refused, 1);
    GfxResetDrawState();
    return GfxGrabPixmap(0, 0, SHEET_CELL_W, SHEET_LABEL_H);
}

}  // namespace

std::vector<std::pair<int, std::string>> ListLevelFiles(const std::string& dir) {
    std::vector<std::pair<int, std::string>> files;
    const std::string folder = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    for (const std::string& name : FsListDir(dir)) {
        const int n = LevelNumber(name);
        if (n > 0 && FsFileType(folder + name) == 1) files.emplace_back(n, folder + name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

void SheetCellOrigin(int n, int& x, int& y) {
    x = ((n - 1) % SHEET_COLUMNS) * SHEET_CELL_W;
    y = ((n - 1) / SHEET_COLUMNS) * SHEET_CELL_H;
}

SheetPlacement PlaceBoardInCell(int w, int h) {
    SheetPlacement p;
    if (w <= 0 || h <= 0) return p;
    p.scale = std::min({COMMON_SCALE, static_cast<float>(BOARD_AREA_W) / static_cast<float>(w),
                        static_cast<float>(BOARD_AREA_H) / static_cast<float>(h)});
    p.w = std::max(1, static_cast<int>(std::lround(static_cast<float>(w) * p.scale)));
    p.h = std::max(1, static_cast<int>(std::lround(static_cast<float>(h) * p.scale)));
    p.x = (SHEET_CELL_W - p.w) / 2;
    p.y = BOARD_AREA_TOP + (BOARD_AREA_H - p.h) / 2;
    return p;
}

Pixmap DrawLevelSheet(const std::vector<std::pair<int, std::string>>& files) {
    int last = 0;
    for (const auto& [n, path] : files)
        if (n <= SHEET_MAX_LEVEL) last = std::max(last, n);
    Pixmap sheet;
    sheet.w = SHEET_COLUMNS * SHEET_CELL_W;
    sheet.h = std::max(1, (last + SHEET_COLUMNS - 1) / SHEET_COLUMNS) * SHEET_CELL_H;
    sheet.rgba.resize(static_cast<size_t>(sheet.w) * sheet.h * 4);
    for (size_t i = 0; i < sheet.rgba.size(); i += 4) {
        std::copy(SHEET_BACK, SHEET_BACK + 3, sheet.rgba.begin() + static_cast<std::ptrdiff_t>(i));
        sheet.rgba[i + 3] = 255;
    }
    GfxStateScope scope;
    GfxSetOrigin(0, 0);
    for (const auto& [n, path] : files) {
        if (n > SHEET_MAX_LEVEL) {
            std::printf("%s: numbers above %d are left off the sheet\n", path.c_str(), SHEET_MAX_LEVEL);
            continue;
        }
        int cx = 0, cy = 0;
        SheetCellOrigin(n, cx, cy);
        auto level = LoadLevel(path);
        const bool playable = level->IsPresent();
        if (playable) {
            const Pixmap board = DrawBoardPicture(level);
            const SheetPlacement p = PlaceBoardInCell(board.w, board.h);
            Paste(sheet, Shrink(board, p.w, p.h), cx + p.x, cy + p.y);
        }
        Paste(sheet, DrawSheetLabel(n, playable), cx, cy + SHEET_CELL_H - SHEET_LABEL_H);
    }
    GfxCls();
    return sheet;
}

int RunLevelSheet(const std::string& out, const std::string& dir) {
    const auto files = ListLevelFiles(dir);
    if (files.empty()) {
        std::printf("No level files (level-N.txt) in %s\n", dir.c_str());
        return 1;
    }
    const Pixmap sheet = DrawLevelSheet(files);
    if (!GfxSavePng(sheet, out, 9)) {
        std::printf("Could not write the level sheet %s\n", out.c_str());
        return 1;
    }
    std::printf("Level sheet %s: %d levels, %d x %d\n", out.c_str(), static_cast<int>(files.size()), sheet.w,
                sheet.h);
    return 0;
}
