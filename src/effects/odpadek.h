// Falling pieces ("odpadki"): a destroyed chip's picture hops up and falls
// off the bottom of the screen with a growing shadow.
//
// The piece keeps the chip's picture, not the chip, so effects need nothing
// of the board; the board passes chip->img.
#pragma once

#include <memory>

#include "frame/safe_list.h"
#include "platform/platform.h"

class TOdpadek {
public:
    Image img;  // the chip's picture
    float x = 0, y = 0;
    float vectorX = 0, vectorY = 0;  // pixels per 60 Hz frame
    float scale = 1;
    float shadow = 0;  // offset of the shadow
    int time = 0;      // start time

    virtual ~TOdpadek() = default;
    virtual void draw();
    virtual void update();
    virtual void destroy();

    SafeList<TOdpadek>::Handle node;
};

extern SafeList<TOdpadek> odpadekList;

std::shared_ptr<TOdpadek> CreateOdpadek(const Image& chipImage, int x, int y, int delay);
// Update then draw of every piece.
void DrawOdpadeks();
void ClearOdpadeks();
