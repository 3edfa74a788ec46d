// Draws a board with holes the way the match-3 screen does (tiles, then the frame
// in two passes with its halves, then chips) from the files just written.
#include "families.h"

#include "common/image_io.h"

#include <map>
#include <string>

namespace art {

namespace {

const char* kShape[] = {
    "..XXXX..X", ".XXXXXXXX", "XXX.XXX.X", "XX...XXXX", "XXX.XX.XX", ".XXXXXX..", "..X..XXXX",
};
constexpr int kRows = 7, kCols = 9;

bool Empty(int r, int c) { return r < 0 || c < 0 || r >= kRows || c >= kCols || kShape[r][c] != 'X'; }

class Drawer {
public:
    Drawer(const std::string& game, cairo_t* cr) : game_(game), cr_(cr) {}
    cairo_surface_t* Img(const std::string& name) {
        auto it = cache_.find(name);
        if (it != cache_.end()) return it->second.get();
        SurfacePtr s(cairo_image_surface_create_from_png((game_ + "/gfx/" + name + ".png").c_str()));
        return (cache_[name] = std::move(s)).get();
    }
    // Draws a source rectangle of an image with its handle at (x, y).
    void Draw(const std::string& name, double x, double y, double hx, double hy, int sx = 0, int sy = 0,
              int sw = -1, int sh = -1) {
        cairo_surface_t* s = Img(name);
        if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return;
        if (sw < 0) sw = cairo_image_surface_get_width(s);
        if (sh < 0) sh = cairo_image_surface_get_height(s);
        Saved sv(cr_);
        cairo_rectangle(cr_, x - hx, y - hy, sw, sh);
        cairo_clip(cr_);
        cairo_set_source_surface(cr_, s, x - hx - sx, y - hy - sy);
        cairo_paint(cr_);
    }

private:
    std::string game_;
    cairo_t* cr_;
    std::map<std::string, SurfacePtr> cache_;
};

bool InnerLU(int r, int c) { return !Empty(r, c - 1) && !Empty(r - 1, c); }
bool InnerRU(int r, int c) { return !Empty(r, c + 1) && !Empty(r - 1, c); }
bool InnerLD(int r, int c) { return !Empty(r, c - 1) && !Empty(r + 1, c); }
bool InnerRD(int r, int c) { return !Empty(r, c + 1) && !Empty(r + 1, c); }

void DrawFrame(Drawer& d, int ox, int oy) {
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            if (Empty(r, c)) continue;
            const double x = ox + c * 48 + 24, y = oy + r * 48 + 24;
            if (Empty(r, c - 1)) {
                const bool ru = InnerRU(r, c - 1), rd = InnerRD(r, c - 1);
                if (!ru && !rd) d.Draw("game/frame_left_from_tile", x - 48, y, -7, 24);
                else if (rd && !ru) d.Draw("game/frame_left_from_tile", x - 48, y, -7, 24, 0, 0, -1, 24);
                else if (ru && !rd)
                    d.Draw("game/frame_left_from_tile", x - 48, y + 24, -7, 24, 0, 24, -1, 24);
            }
            if (Empty(r - 1, c)) {
                const bool ld = InnerLD(r - 1, c), rd = InnerRD(r - 1, c);
                if (!ld && !rd) d.Draw("game/frame_up_from_tile", x, y - 48, 24, -7);
                else if (rd && !ld) d.Draw("game/frame_up_from_tile", x, y - 48, 24, -7, 0, 0, 24, -1);
                else if (ld && !rd) d.Draw("game/frame_up_from_tile", x + 24, y - 48, 24, -7, 24, 0, 24, -1);
            }
            if (Empty(r, c + 1)) {
                const bool lu = InnerLU(r, c + 1), ld = InnerLD(r, c + 1);
                if (!lu && !ld) d.Draw("game/frame_right_from_tile", x + 48, y, 26, 24);
                else if (ld && !lu) d.Draw("game/frame_right_from_tile", x + 48, y, 26, 24, 0, 0, -1, 24);
                else if (lu && !ld)
                    d.Draw("game/frame_right_from_tile", x + 48, y + 24, 26, 24, 0, 24, -1, 24);
            }
            if (Empty(r + 1, c)) {
                const bool lu = InnerLU(r + 1, c), ru = InnerRU(r + 1, c);
                if (!lu && !ru) d.Draw("game/frame_down_from_tile", x, y + 48, 24, 26);
                else if (ru && !lu) d.Draw("game/frame_down_from_tile", x, y + 48, 24, 26, 0, 0, 24, -1);
                else if (lu && !ru)
                    d.Draw("game/frame_down_from_tile", x + 24, y + 48, 24, 26, 24, 0, 24, -1);
            }
            if (Empty(r - 1, c - 1) && Empty(r - 1, c) && Empty(r, c - 1))
                d.Draw("game/outer_frame_left_up", x - 48, y - 48, -7, -7);
            if (Empty(r - 1, c) && Empty(r - 1, c + 1) && Empty(r, c + 1))
                d.Draw("game/outer_frame_right_up", x + 48, y - 48, 24, -7);
            if (Empty(r, c - 1) && Empty(r + 1, c - 1) && Empty(r + 1, c))
                d.Draw("game/outer_frame_left_down", x - 48, y + 48, -7, 24);
            if (Empty(r, c + 1) && Empty(r + 1, c) && Empty(r + 1, c + 1))
                d.Draw("game/outer_frame_right_down", x + 48, y + 48, 24, 24);
        }
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            if (!Empty(r, c)) continue;
            const double x = ox + c * 48 + 24, y = oy + r * 48 + 24;
            if (InnerLU(r, c)) d.Draw("game/inner_frame_left_up", x, y, 26, 26);
            if (InnerRU(r, c)) d.Draw("game/inner_frame_right_up", x, y, 0, 26);
            if (InnerRD(r, c)) d.Draw("game/inner_frame_right_down", x, y, 0, 0);
            if (InnerLD(r, c)) d.Draw("game/inner_frame_left_down", x, y, 26, 0);
        }
}

}  // namespace

void WriteBoardPreview(const Sink& sink) {
    constexpr int kPad = 40;
    const int w = kCols * 48 + 2 * kPad, h = kRows * 48 + 2 * kPad;
    SurfacePtr out = NewSurface(w * 2, h);
    {
        Ctx cr(out.get());
        cairo_set_source_rgb(cr, 0.45, 0.6, 0.35);
        cairo_paint(cr);
        cairo_rectangle(cr, w, 0, w, h);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
        Drawer d(sink.GameDir(), cr);
        const char* chips[] = {"plain-1", "plain-2", "plain-3", "plain-4", "plain-5",
                               "plain-6", "wood-1",  "food-2",  "gold-3",  "rock-1"};
        int k = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                if (Empty(r, c)) continue;
                const int id = (r * 3 + c) % 7 == 0 ? 1 : (r + c) % 11 == 0 ? 2 : 0;
                d.Draw("game/tile" + std::to_string(id), kPad + c * 48 + 24, kPad + r * 48 + 24, 24, 24);
            }
        DrawFrame(d, kPad, kPad);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                if (Empty(r, c)) continue;
                const std::string chip = std::string("chips/") + chips[(k++ * 7) % 10];
                d.Draw(chip, kPad + c * 48 + 24, kPad + r * 48 + 24, 24, 24);
            }
        // Right half: the frame alone at half opacity, so any overlap shows darker.
        cairo_push_group(cr);
        DrawFrame(d, w + kPad, kPad);
        cairo_pop_group_to_source(cr);
        cairo_paint(cr);
    }
    assetgen::WriteIfChanged(sink.BuildDir() + "/board-preview.png", assetgen::EncodePng(out.get()));
}

}  // namespace art
