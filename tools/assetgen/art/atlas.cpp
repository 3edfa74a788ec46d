#include "atlas.h"

#include <algorithm>

namespace art {

void Atlas::Add(const std::string& name, SurfacePtr piece) { pieces_.push_back({name, std::move(piece)}); }

void Atlas::Write(Sink& sink, const std::string& rel, const std::string& purpose, int maxWidth) {
    constexpr int kGap = 2;  // keeps filtered drawing from bleeding between pieces
    struct Place {
        int x, y, w, h;
    };
    std::vector<Place> places;
    int x = 0, y = 0, rowH = 0, width = 0;
    for (const Piece& p : pieces_) {
        const int w = cairo_image_surface_get_width(p.img.get()),
                  h = cairo_image_surface_get_height(p.img.get());
        if (x > 0 && x + w > maxWidth) {
            x = 0;
            y += rowH + kGap;
            rowH = 0;
        }
        places.push_back({x, y, w, h});
        x += w + kGap;
        rowH = std::max(rowH, h);
        width = std::max(width, x - kGap);
    }
    const int height = y + rowH;
    SurfacePtr sheet = NewSurface(std::max(1, width), std::max(1, height));
    std::string desc = std::to_string(pieces_.size()) + "\n";
    {
        Ctx cr(sheet.get());
        for (size_t i = 0; i < pieces_.size(); ++i) {
            cairo_set_source_surface(cr, pieces_[i].img.get(), places[i].x, places[i].y);
            cairo_paint(cr);
            desc += pieces_[i].name + "\n" + std::to_string(places[i].x) + "\n" +
                    std::to_string(places[i].y) + "\n" + std::to_string(places[i].w) + "\n" +
                    std::to_string(places[i].h) + "\n";
        }
    }
    sink.Png(rel, sheet.get(), purpose);
    const std::string txt = rel.substr(0, rel.rfind('.')) + ".txt";
    sink.Text(txt, desc, "description of the atlas " + rel);
}

}  // namespace art
