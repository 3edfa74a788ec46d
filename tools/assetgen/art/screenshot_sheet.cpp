// A grid of the game's own screenshots with a title over each column and a name beside each
// row: the screens of every language side by side, to be looked at in one picture.
#include "families.h"
#include "fonts.h"
#include "paint.h"

#include "common/image_io.h"

#include <algorithm>
#include <iostream>

namespace art {

int WriteScreenshotSheet(const std::string& out, const std::vector<std::string>& columns,
                         const std::vector<std::string>& rows, const std::vector<std::string>& files) {
    constexpr int kCellW = 400, kCellH = 240, kGap = 8, kTop = 34, kLeft = 120;
    if (columns.empty() || rows.empty() || files.size() != columns.size() * rows.size()) {
        std::cerr << "assetgen_art: a sheet needs one file for each column of each row\n";
        return 2;
    }
    const int cols = static_cast<int>(columns.size()), nrows = static_cast<int>(rows.size());
    SurfacePtr sheet = NewSurface(kLeft + cols * (kCellW + kGap), kTop + nrows * (kCellH + kGap));
    Ctx cr(sheet.get());
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.18);
    cairo_paint(cr);
    cairo_font_face_t* face = FontFace(Face::Sans);
    const auto label = [&](const std::string& text, double x, double y, double size) {
        if (face) cairo_set_font_face(cr, face);
        cairo_set_font_size(cr, size);
        cairo_set_source_rgb(cr, 0.95, 0.95, 0.9);
        cairo_move_to(cr, x, y);
        cairo_show_text(cr, text.c_str());
    };
    for (int c = 0; c < cols; ++c)
        label(columns[static_cast<size_t>(c)], kLeft + c * (kCellW + kGap) + 4, 24, 18);
    int missing = 0;
    for (int r = 0; r < nrows; ++r) {
        const int y = kTop + r * (kCellH + kGap);
        label(rows[static_cast<size_t>(r)], 8, y + kCellH / 2.0, 14);
        for (int c = 0; c < cols; ++c) {
            const std::string& file = files[static_cast<size_t>(r * cols + c)];
            const int x = kLeft + c * (kCellW + kGap);
            SurfacePtr shot(cairo_image_surface_create_from_png(file.c_str()));
            if (cairo_surface_status(shot.get()) != CAIRO_STATUS_SUCCESS) {
                std::cerr << "assetgen_art: cannot read " << file << "\n";
                ++missing;
                label("missing", x + 8, y + kCellH / 2.0, 14);
                continue;
            }
            // Scaled down whole, keeping its shape, centred in the cell.
            const double w = cairo_image_surface_get_width(shot.get()),
                         h = cairo_image_surface_get_height(shot.get());
            const double scale = std::min(kCellW / w, kCellH / h);
            cairo_save(cr);
            cairo_translate(cr, x + (kCellW - w * scale) / 2, y + (kCellH - h * scale) / 2);
            cairo_scale(cr, scale, scale);
            cairo_set_source_surface(cr, shot.get(), 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
            cairo_paint(cr);
            cairo_restore(cr);
        }
    }
    assetgen::WriteIfChanged(out, assetgen::EncodePng(sheet.get(), 3));
    return missing == 0 ? 0 : 1;
}

}  // namespace art
