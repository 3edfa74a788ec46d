// The frame around the board: side pieces (whole or half) and outer corners
// around every tile, inner corners in holes between tiles.
#include "frame/globals.h"
#include "match3/board.h"

TBoardFrameImages boardFrameImages;

namespace {

Image LoadWithHandle(const std::string& name, float hx, float hy) {
    Image img = GfxLoadImage(gameDir + "gfx/game/" + name, GFX_IMAGE_DEFAULT);
    if (img) GfxSetHandle(img, hx, hy);
    return img;
}

enum { LEFT, UP, RIGHT, DOWN };
enum { LEFT_UP, RIGHT_UP, RIGHT_DOWN, LEFT_DOWN };

// Draws half of a side piece at (x, y) with the image's handle: the rows
// (horizontal false) or columns (true) from `from`, 24 of them, across the
// full other dimension of the image.
void DrawHalf(const Image& img, float x, float y, bool columns, float from) {
    if (!img) return;
    float w = columns ? 24.0f : static_cast<float>(GfxImageWidth(img));
    float h = columns ? static_cast<float>(GfxImageHeight(img)) : 24.0f;
    float sx = columns ? from : 0.0f, sy = columns ? 0.0f : from;
    GfxDrawImageRect(img, x, y, w, h, sx, sy, w, h, GfxImageHandleX(img), GfxImageHandleY(img));
}

}  // namespace

void LoadBoardFrameImages() {
    auto& f = boardFrameImages;
    f.side[LEFT] = LoadWithHandle("frame_left_from_tile.png", -7, 24);
    f.side[UP] = LoadWithHandle("frame_up_from_tile.png", 24, -7);
    f.side[RIGHT] = LoadWithHandle("frame_right_from_tile.png", 26, 24);
    f.side[DOWN] = LoadWithHandle("frame_down_from_tile.png", 24, 26);
    f.outer[LEFT_UP] = LoadWithHandle("outer_frame_left_up.png", -7, -7);
    f.outer[RIGHT_UP] = LoadWithHandle("outer_frame_right_up.png", 24, -7);
    f.outer[RIGHT_DOWN] = LoadWithHandle("outer_frame_right_down.png", 24, 24);
    f.outer[LEFT_DOWN] = LoadWithHandle("outer_frame_left_down.png", -7, 24);
    f.inner[LEFT_UP] = LoadWithHandle("inner_frame_left_up.png", 26, 26);
    f.inner[RIGHT_UP] = LoadWithHandle("inner_frame_right_up.png", 0, 26);
    f.inner[RIGHT_DOWN] = LoadWithHandle("inner_frame_right_down.png", 0, 0);
    f.inner[LEFT_DOWN] = LoadWithHandle("inner_frame_left_down.png", 26, 0);
}

int TBoard::isTileEmpty(int r, int c) const { return level ? level->NoTile(r, c) : 1; }

int TBoard::isTileInnerFrame_LeftUp(int r, int c) const {
    return isTileEmpty(r, c) && isNotTileEmpty(r, c - 1) && isNotTileEmpty(r - 1, c);
}

int TBoard::isTileInnerFrame_RightUp(int r, int c) const {
    return isTileEmpty(r, c) && isNotTileEmpty(r, c + 1) && isNotTileEmpty(r - 1, c);
}

int TBoard::isTileInnerFrame_LeftDown(int r, int c) const {
    return isTileEmpty(r, c) && isNotTileEmpty(r, c - 1) && isNotTileEmpty(r + 1, c);
}

int TBoard::isTileInnerFrame_RightDown(int r, int c) const {
    return isTileEmpty(r, c) && isNotTileEmpty(r, c + 1) && isNotTileEmpty(r + 1, c);
}

void TBoard::_drawFrameParts(const TTile& t) {
    const auto& img = boardFrameImages;
    int r = t.r, c = t.c;
    float x = static_cast<float>(t.drawX), y = static_cast<float>(t.drawY);
    // A side piece is cut in half where the empty neighbour carries an inner
    // corner that already draws the other half.
    if (isTileEmpty(r, c - 1)) {
        int ru = isTileInnerFrame_RightUp(r, c - 1), rd = isTileInnerFrame_RightDown(r, c - 1);
        if (!ru && !rd) GfxDrawImage(img.side[LEFT], x - 48, y);
        else if (rd && !ru) DrawHalf(img.side[LEFT], x - 48, y, false, 0);
        else if (ru && !rd) DrawHalf(img.side[LEFT], x - 48, y + 24, false, 24);
    }
    if (isTileEmpty(r - 1, c)) {
        int ld = isTileInnerFrame_LeftDown(r - 1, c), rd = isTileInnerFrame_RightDown(r - 1, c);
        if (!ld && !rd) GfxDrawImage(img.side[UP], x, y - 48);
        else if (rd && !ld) DrawHalf(img.side[UP], x, y - 48, true, 0);
        else if (ld && !rd) DrawHalf(img.side[UP], x + 24, y - 48, true, 24);
    }
    if (isTileEmpty(r, c + 1)) {
        int lu = isTileInnerFrame_LeftUp(r, c + 1), ld = isTileInnerFrame_LeftDown(r, c + 1);
        if (!lu && !ld) GfxDrawImage(img.side[RIGHT], x + 48, y);
        else if (ld && !lu) DrawHalf(img.side[RIGHT], x + 48, y, false, 0);
        else if (lu && !ld) DrawHalf(img.side[RIGHT], x + 48, y + 24, false, 24);
    }
    if (isTileEmpty(r + 1, c)) {
        int lu = isTileInnerFrame_LeftUp(r + 1, c), ru = isTileInnerFrame_RightUp(r + 1, c);
        if (!lu && !ru) GfxDrawImage(img.side[DOWN], x, y + 48);
        else if (ru && !lu) DrawHalf(img.side[DOWN], x, y + 48, true, 0);
        else if (lu && !ru) DrawHalf(img.side[DOWN], x + 24, y + 48, true, 24);
    }
    if (isTileEmpty(r - 1, c - 1) && isTileEmpty(r - 1, c) && isTileEmpty(r, c - 1))
        GfxDrawImage(img.outer[LEFT_UP], x - 48, y - 48);
    if (isTileEmpty(r - 1, c) && isTileEmpty(r - 1, c + 1) && isTileEmpty(r, c + 1))
        GfxDrawImage(img.outer[RIGHT_UP], x + 48, y - 48);
    if (isTileEmpty(r, c - 1) && isTileEmpty(r + 1, c - 1) && isTileEmpty(r + 1, c))
        GfxDrawImage(img.outer[LEFT_DOWN], x - 48, y + 48);
    if (isTileEmpty(r, c + 1) && isTileEmpty(r + 1, c) && isTileEmpty(r + 1, c + 1))
        GfxDrawImage(img.outer[RIGHT_DOWN], x + 48, y + 48);
}

void TBoard::_drawFrame(float frameA) {
    if (!level) return;
    GfxResetDrawState();
    GfxSetAlpha(frameA);
    for (auto& t : level->tile)
        if (t->id != 0) _drawFrameParts(*t);
    const auto& img = boardFrameImages;
    for (auto& t : level->tile) {
        if (t->id != 0) continue;
        float x = static_cast<float>(t->drawX), y = static_cast<float>(t->drawY);
        if (isTileInnerFrame_LeftUp(t->r, t->c)) GfxDrawImage(img.inner[LEFT_UP], x, y);
        if (isTileInnerFrame_RightUp(t->r, t->c)) GfxDrawImage(img.inner[RIGHT_UP], x, y);
        if (isTileInnerFrame_RightDown(t->r, t->c)) GfxDrawImage(img.inner[RIGHT_DOWN], x, y);
        if (isTileInnerFrame_LeftDown(t->r, t->c)) GfxDrawImage(img.inner[LEFT_DOWN], x, y);
    }
    GfxSetAlpha(1);
}
