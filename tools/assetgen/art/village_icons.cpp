// The village's item icons (each item's building, or its upgrade, on a round
// badge) and the glow of the research building under the mouse.
#include "village.h"

#include "paint.h"

#include <algorithm>
#include <cmath>

namespace art::village {

namespace {

constexpr int kIcon = 88;

// A small green arrow on a gold disc: this item improves a building.
void UpgradeMark(cairo_t* cr, double cx, double cy) {
    const PathFn disc = [=](cairo_t* c) { cairo_arc(c, cx, cy, 12, 0, 2 * M_PI); };
    DropShadow(cr, disc, 1, 2, 3, 0.5);
    Cabochon(cr, disc, cx - 12, cy - 12, 24, 24, Hex(0xE8B030));
    const std::vector<std::pair<double, double>> arrow = {{cx, cy - 8},     {cx + 7, cy},     {cx + 3, cy},
                                                          {cx + 3, cy + 7}, {cx - 3, cy + 7}, {cx - 3, cy},
                                                          {cx - 7, cy}};
    PathFromPoints(cr, arrow);
    SetRgb(cr, Hex(0x3E8A2E));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    SetRgb(cr, Hex(0x1E4A16));
    cairo_stroke(cr);
}

SurfacePtr Icon(const Picture& pic, bool upgrade) {
    SurfacePtr s = NewSurface(kIcon, kIcon);
    Ctx cr(s.get());
    const double c = kIcon / 2.0, r = 40;
    const PathFn disc = [=](cairo_t* k) { cairo_arc(k, c, c, r, 0, 2 * M_PI); };
    DropShadow(cr, disc, 2, 3, 4, 0.5);
    // A little landscape inside a gilded ring.
    {
        Saved sv(cr);
        disc(cr);
        cairo_clip(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, c - r, 0, c + r);
        AddStop(g, 0, Hex(0xA8D4F0));
        AddStop(g, 0.55, Hex(0xE8F0D8));
        AddStop(g, 0.56, Hex(0x8CB454));
        AddStop(g, 1, Hex(0x5E8E38));
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        const int w = cairo_image_surface_get_width(pic.s.get()),
                  h = cairo_image_surface_get_height(pic.s.get());
        const double k = std::min(62.0 / w, 58.0 / h);
        cairo_translate(cr, c - w * k / 2, c + 22 - h * k);
        cairo_scale(cr, k, k);
        cairo_set_source_surface(cr, pic.s.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
    }
    InnerShade(cr, disc, Hex(0x3A2410), 4, 4, 0.5);
    cairo_arc(cr, c, c, r - 1.5, 0, 2 * M_PI);
    cairo_pattern_t* rim = cairo_pattern_create_linear(c - r, c - r, c + r, c + r);
    AddStop(rim, 0, Hex(0xFFF0A0));
    AddStop(rim, 0.5, Hex(0xD89A30));
    AddStop(rim, 1, Hex(0x7A4A14));
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);
    if (upgrade) UpgradeMark(cr, c + 27, c + 27);
    return s;
}

}  // namespace

void DrawItemIcons(Sink& sink, const std::vector<const Picture*>& itemPictures) {
    // Items 10, 12, 13, 15, 17, 18, 21, 23, 24 improve a building that already stands.
    const int upgrades[] = {10, 12, 13, 15, 17, 18, 21, 23, 24};
    for (size_t i = 0; i < itemPictures.size(); ++i) {
        const int id = static_cast<int>(i) + 1;
        const bool up = std::find(std::begin(upgrades), std::end(upgrades), id) != std::end(upgrades);
        SurfacePtr s = Icon(*itemPictures[i], up);
        sink.Png("gfx/village/icons/item-" + std::to_string(id) + ".png", s.get(),
                 up ? "item icon: an upgrade" : "item icon: a building");
    }
}

SurfacePtr WithGlow(cairo_surface_t* s, int mx, int my) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    SurfacePtr halo = NewSurface(w + 2 * mx, h + 2 * my);
    {
        Ctx c(halo.get());
        cairo_set_source_rgb(c, 1, 0.82, 0.35);
        cairo_mask_surface(c, s, mx, my);
    }
    Blur(halo.get(), std::min(mx, my));
    SurfacePtr out = NewSurface(w + 2 * mx, h + 2 * my);
    Ctx cr(out.get());
    for (int i = 0; i < 2; ++i) {
        cairo_set_source_surface(cr, halo.get(), 0, 0);
        cairo_paint(cr);
    }
    cairo_set_source_surface(cr, s, mx, my);
    cairo_paint(cr);
    // Warm light on the building itself.
    cairo_set_source_rgba(cr, 1, 0.9, 0.55, 0.22);
    cairo_mask_surface(cr, s, mx, my);
    return out;
}

}  // namespace art::village
