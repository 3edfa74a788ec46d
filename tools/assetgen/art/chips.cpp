// The chips of the catalogue: resource chips of four families, plain gems that
// differ in shape as well as colour, the bomb chip and the scroll chip.
#include "chip_shapes.h"
#include "families.h"

#include "common/image_io.h"

#include <functional>

namespace art {

namespace {

constexpr int kChip = 48;

struct ChipPic {
    const char* file;
    const char* purpose;
    std::function<void(cairo_t*)> draw;  // draws into a 48x48 picture
};

std::vector<ChipPic> Catalogue() {
    std::vector<ChipPic> list;
    const double c = kChip / 2.0, s = 46;
    for (int t = 1; t <= 3; ++t)
        list.push_back({"wood", "wood chip", [=](cairo_t* cr) { DrawWood(cr, c, c, s, t); }});
    for (int t = 1; t <= 5; ++t)
        list.push_back({"food", "food chip", [=](cairo_t* cr) { DrawFood(cr, c, c, s, t); }});
    for (int t = 1; t <= 6; ++t)
        list.push_back({"gold", "gold chip", [=](cairo_t* cr) { DrawGold(cr, c, c, s, t); }});
    for (int t = 1; t <= 3; ++t)
        list.push_back({"rock", "rock chip", [=](cairo_t* cr) { DrawRock(cr, c, c, s, t); }});
    for (int k = 1; k <= 6; ++k)
        list.push_back({"plain", "plain chip", [=](cairo_t* cr) { DrawPlainGem(cr, c, c, s, k); }});
    return list;
}

std::string Numbered(const char* family, int n) {
    return std::string("gfx/chips/") + family + "-" + std::to_string(n) + ".png";
}

// Chips at their real size, then the same row in grey, to check that they read
// at 48 pixels and can be told apart without colour.
void WritePreview(const std::vector<SurfacePtr>& pics, const std::string& path) {
    const int n = static_cast<int>(pics.size());
    SurfacePtr sheet = NewSurface(n * 52 + 4, 2 * 52 + 4);
    {
        Ctx cr(sheet.get());
        cairo_set_source_rgb(cr, 0.55, 0.5, 0.42);
        cairo_paint(cr);
        for (int i = 0; i < n; ++i) {
            cairo_set_source_surface(cr, pics[i].get(), 4 + i * 52, 4);
            cairo_paint(cr);
            cairo_set_source_surface(cr, pics[i].get(), 4 + i * 52, 56);
            cairo_paint(cr);
        }
    }
    // Grey out the second row.
    cairo_surface_flush(sheet.get());
    unsigned char* d = cairo_image_surface_get_data(sheet.get());
    const int stride = cairo_image_surface_get_stride(sheet.get());
    for (int y = 56; y < 108; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(d + y * stride);
        for (int x = 0; x < cairo_image_surface_get_width(sheet.get()); ++x) {
            const std::uint32_t p = row[x];
            const unsigned l = (((p >> 16) & 255) * 299 + ((p >> 8) & 255) * 587 + (p & 255) * 114) / 1000;
            row[x] = (p & 0xFF000000u) | (l << 16) | (l << 8) | l;
        }
    }
    cairo_surface_mark_dirty(sheet.get());
    assetgen::WriteIfChanged(path, assetgen::EncodePng(sheet.get()));
}

}  // namespace

void DrawChips(Sink& sink) {
    std::vector<SurfacePtr> pics;
    int counter[4] = {0, 0, 0, 0};
    const char* families[] = {"wood", "food", "gold", "rock"};
    for (const ChipPic& p : Catalogue()) {
        SurfacePtr img = NewSurface(kChip, kChip);
        {
            Ctx cr(img.get());
            p.draw(cr);
        }
        std::string file;
        bool found = false;
        for (int f = 0; f < 4; ++f)
            if (std::string(p.file) == families[f]) {
                file = Numbered(p.file, ++counter[f]);
                found = true;
            }
        if (!found) {
            static thread_local int plain = 0;
            file = Numbered("plain", ++plain);
        }
        sink.Png(file, img.get(), p.purpose);
        pics.push_back(std::move(img));
    }
    const double c = kChip / 2.0;
    SurfacePtr bomb = NewSurface(kChip, kChip);
    {
        Ctx cr(bomb.get());
        DrawBomb(cr, c, c + 1, 44, true);
    }
    sink.Png("gfx/chips/bomb.png", bomb.get(), "bomb chip (id 101), drawn with the power-up glow");
    SurfacePtr scroll = NewSurface(kChip, kChip);
    {
        Ctx cr(scroll.get());
        DrawScroll(cr, c, c, 46);
    }
    sink.Png("gfx/chips/scroll.png", scroll.get(), "scroll chip (id 201), brought down and out of the board");
    pics.push_back(std::move(bomb));
    pics.push_back(std::move(scroll));
    WritePreview(pics, sink.BuildDir() + "/chips-preview.png");
}

}  // namespace art
