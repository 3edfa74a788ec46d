// The icon: a bramble leaf with three ripe berries on a carved wooden tile,
// lit from the top left like every other picture of the game. It is drawn
// once at 512 pixels and scaled down, so every size shows the same picture.
#include "app_icon.h"

#include "common/image_io.h"
#include "paint.h"

#include <cmath>
#include <iostream>

namespace art {

namespace {

constexpr int kMaster = 512;
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

void Leaf(cairo_t* cr, double cx, double cy, double len, double deg) {
    const PathFn leaf = [=](cairo_t* c) {
        Saved s(c);
        cairo_translate(c, cx, cy);
        cairo_rotate(c, deg * M_PI / 180.0);
        cairo_move_to(c, 0, 0);
        cairo_curve_to(c, len * 0.25, -len * 0.42, len * 0.75, -len * 0.36, len, 0);
        cairo_curve_to(c, len * 0.75, len * 0.36, len * 0.25, len * 0.42, 0, 0);
        cairo_close_path(c);
    };
    DropShadow(cr, leaf, 6, 8, 10, 0.45);
    Cabochon(cr, leaf, cx - len, cy - len, 2 * len, 2 * len, Hex(0x3f7a34));
    // The middle vein, lighter, following the leaf's direction.
    Saved s(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, deg * M_PI / 180.0);
    cairo_move_to(cr, len * 0.08, 0);
    cairo_line_to(cr, len * 0.9, 0);
    SetRgb(cr, Hex(0xb8d99a), 0.7);
    cairo_set_line_width(cr, len * 0.035);
    cairo_stroke(cr);
}

void Berry(cairo_t* cr, double cx, double cy, double r, Rgb c) {
    const PathFn disc = [=](cairo_t* p) { cairo_arc(p, cx, cy, r, 0, 2 * M_PI); };
    DropShadow(cr, disc, 5, 7, 8, 0.5);
    Cabochon(cr, disc, cx - r, cy - r, 2 * r, 2 * r, c);
    Gloss(cr, cx - r * 0.35, cy - r * 0.4, r * 0.32, r * 0.2, 0.8);
}

SurfacePtr DrawMaster() {
    SurfacePtr s = NewSurface(kMaster, kMaster);
    Ctx cr(s.get());
    WoodPanel(cr, 24, 24, kMaster - 48, kMaster - 48, 84, 40, 7, true);
    Leaf(cr, 150, 330, 250, -38);
    Berry(cr, 205, 330, 68, Hex(0x7a1848));
    Berry(cr, 330, 345, 68, Hex(0x621240));
    Berry(cr, 270, 235, 68, Hex(0x8c1e54));
    Sparkle(cr, 300, 205, 22, 0.9);
    return s;
}

SurfacePtr ScaledTo(cairo_surface_t* master, int size) {
    SurfacePtr out = NewSurface(size, size);
    Ctx cr(out.get());
    const double k = static_cast<double>(size) / kMaster;
    cairo_scale(cr, k, k);
    cairo_set_source_surface(cr, master, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
    cairo_paint(cr);
    return out;
}

}  // namespace

int WriteAppIcons(const std::string& dir) {
    const SurfacePtr master = DrawMaster();
    int failed = 0;
    for (int n : kSizes) {
        const SurfacePtr icon = ScaledTo(master.get(), n);
        const std::string path =
            dir + "/hicolor/" + std::to_string(n) + "x" + std::to_string(n) + "/apps/brambleton.png";
        const assetgen::Bytes png = assetgen::EncodePng(icon.get(), 9);
        if (png.empty()) {
            std::cerr << "assetgen_art: could not encode " << path << "\n";
            ++failed;
            continue;
        }
        assetgen::WriteIfChanged(path, png);
    }
    return failed;
}

}  // namespace art
