// An image atlas: named pieces packed into one picture plus its description file
// (first line the piece count, then five lines per piece: name, x, y, width, height).
#pragma once

#include "sink.h"

#include <string>
#include <vector>

namespace art {

class Atlas {
public:
    // Adds a piece; the atlas keeps the surface.
    void Add(const std::string& name, SurfacePtr piece);
    // Packs the pieces in rows (at most maxWidth wide) and writes "<rel>" and its ".txt".
    void Write(Sink& sink, const std::string& rel, const std::string& purpose, int maxWidth = 1024);

private:
    struct Piece {
        std::string name;
        SurfacePtr img;
    };
    std::vector<Piece> pieces_;
};

}  // namespace art
