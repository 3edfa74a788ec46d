#include "families.h"
#include "fonts.h"
#include "paint.h"

#include "common/image_io.h"

#include <algorithm>
#include <fstream>

namespace art {

void WriteContactSheet(const Sink& sink, const std::string& path) {
    constexpr int kCell = 150, kLabel = 28, kCols = 12;
    std::vector<const Entry*> pics;
    for (const Entry* e : sink.Sorted())
        if (e->thumb) pics.push_back(e);
    const int rows = static_cast<int>((pics.size() + kCols - 1) / kCols);
    SurfacePtr sheet = NewSurface(kCols * kCell, std::max(1, rows) * (kCell + kLabel));
    Ctx cr(sheet.get());
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.22);
    cairo_paint(cr);
    cairo_font_face_t* face = FontFace(Face::Sans);
    for (size_t i = 0; i < pics.size(); ++i) {
        const int cx = static_cast<int>(i % kCols) * kCell,
                  cy = static_cast<int>(i / kCols) * (kCell + kLabel);
        // A checkerboard shows what is transparent.
        for (int y = 0; y < kCell - 10; y += 8)
            for (int x = 0; x < kCell - 10; x += 8) {
                const bool dark = ((x + y) / 8) % 2;
                cairo_set_source_rgb(cr, dark ? 0.42 : 0.55, dark ? 0.42 : 0.55, dark ? 0.44 : 0.57);
                cairo_rectangle(cr, cx + 5 + x, cy + 5 + y, std::min(8, kCell - 10 - x),
                                std::min(8, kCell - 10 - y));
                cairo_fill(cr);
            }
        cairo_surface_t* t = pics[i]->thumb.get();
        const int tw = cairo_image_surface_get_width(t), th = cairo_image_surface_get_height(t);
        cairo_set_source_surface(cr, t, cx + (kCell - tw) / 2, cy + (kCell - th) / 2);
        cairo_paint(cr);
        std::string name = pics[i]->path;
        const size_t slash = name.rfind('/');
        std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
        std::string folder = slash == std::string::npos ? "" : name.substr(0, slash);
        if (folder.size() > 24) folder = "…" + folder.substr(folder.size() - 23);
        if (face) cairo_set_font_face(cr, face);
        cairo_set_source_rgb(cr, 0.95, 0.95, 0.9);
        cairo_set_font_size(cr, 11);
        cairo_move_to(cr, cx + 5, cy + kCell + 2);
        cairo_show_text(cr, file.c_str());
        cairo_set_source_rgb(cr, 0.7, 0.7, 0.68);
        cairo_set_font_size(cr, 9);
        const std::string size =
            std::to_string(pics[i]->w) + "x" + std::to_string(pics[i]->h) + "  " + folder;
        cairo_move_to(cr, cx + 5, cy + kCell + 15);
        cairo_show_text(cr, size.c_str());
    }
    assetgen::WriteIfChanged(path, assetgen::EncodePng(sheet.get(), 3));
}

void WriteFileList(const Sink& sink, const std::string& path) {
    std::string md = "| File (under game/) | Size | Purpose |\n|---|---|---|\n";
    for (const Entry* e : sink.Sorted()) {
        const std::string size = e->w ? std::to_string(e->w) + "x" + std::to_string(e->h) : "-";
        md += "| " + e->path + " | " + size + " | " + e->purpose + " |\n";
    }
    std::ofstream(path) << md;
}

}  // namespace art
