// The board: tiles, highlight, chest, chains, the power-up chip glow and the twelve
// frame pieces. The frame is shaded per pixel from one cross-section, so sides and
// corners join without seams whatever shape the board has.
#include "families.h"
#include "paint.h"

#include <cmath>
#include <functional>

namespace art {

namespace {

constexpr double kBand = 17;  // how far the frame reaches out of the tiles
constexpr double kInset = 2;  // how far it covers the tiles' edges

// Colour of the moulding at outward distance d, its cross-section running along n.
// Returns premultiplied ARGB.
std::uint32_t FrameShade(double d, double nx, double ny, double coverage) {
    if (coverage <= 0) return 0;
    const double t = (d + kInset) / (kBand + kInset);  // 0 inner edge .. 1 outer edge
    // A rounded moulding: height sin(pi t), slope along n.
    const double slope = std::cos(M_PI * t) * 1.4;
    double lx = -slope * nx, ly = -slope * ny, lz = 1;
    const double len = std::sqrt(lx * lx + ly * ly + lz * lz);
    lx /= len;
    ly /= len;
    lz /= len;
    const double L[3] = {kLightX * 0.7, kLightY * 0.7, 0.7};
    const double lambert = std::max(0.0, lx * L[0] + ly * L[1] + lz * L[2]);
    Rgb base = Hex(0x9A6234);
    // A gilded bead along the middle of the moulding.
    const double bead = std::exp(-std::pow((t - 0.42) / 0.07, 2));
    base = Mix(base, Hex(0xE8B44A), bead * 0.85);
    Rgb c = Mix(Darker(base, 0.55), Lighter(base, 0.35), std::clamp(lambert * 1.15 - 0.15, 0.0, 1.0));
    // Dark lines at both edges give the frame a crisp outline.
    const double edge = std::max(std::exp(-std::pow(t / 0.06, 2)), std::exp(-std::pow((1 - t) / 0.06, 2)));
    c = Mix(c, Hex(0x2A1408), edge * 0.8);
    const double a = coverage;
    auto ch = [&](double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, 1.0) * a * 255 + 0.5); };
    return (static_cast<std::uint32_t>(a * 255 + 0.5) << 24) | (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
}

// How a piece maps a world point (relative to its reference cell centre) to the
// moulding: outward distance and the direction of the cross-section.
using Profile = std::function<void(double x, double y, double& d, double& nx, double& ny)>;

SurfacePtr FramePiece(int w, int h, double ox, double oy, const Profile& profile) {
    SurfacePtr s = NewSurface(w, h);
    cairo_surface_flush(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    const int stride = cairo_image_surface_get_stride(s.get());
    constexpr int kSub = 4;
    for (int py = 0; py < h; ++py) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + py * stride);
        for (int px = 0; px < w; ++px) {
            // Coverage by supersampling; shading from the pixel centre.
            int inside = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    double d, nx, ny;
                    profile(ox + px + (sx + 0.5) / kSub, oy + py + (sy + 0.5) / kSub, d, nx, ny);
                    if (d >= -kInset && d <= kBand) ++inside;
                }
            double d, nx, ny;
            profile(ox + px + 0.5, oy + py + 0.5, d, nx, ny);
            d = std::clamp(d, -kInset, kBand);
            row[px] = FrameShade(d, nx, ny, static_cast<double>(inside) / (kSub * kSub));
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

Profile Side(double edge, int axis, int sign) {
    return [=](double x, double y, double& d, double& nx, double& ny) {
        const double v = axis == 0 ? x : y;
        d = sign * (v - edge);
        nx = axis == 0 ? sign : 0;
        ny = axis == 1 ? sign : 0;
    };
}

Profile Outer(double cx, double cy) {
    return [=](double x, double y, double& d, double& nx, double& ny) {
        const double dx = x - cx, dy = y - cy;
        d = std::hypot(dx, dy);
        nx = d > 0 ? dx / d : 0;
        ny = d > 0 ? dy / d : 0;
    };
}

// Inner corner: two bands meeting in a mitre. sx: the side tile lies left (-1) or
// right (+1); sy: the other tile lies above (-1) or below (+1).
Profile Inner(int sx, int sy) {
    return [=](double x, double y, double& d, double& nx, double& ny) {
        const double dx = sx < 0 ? x + 24 : 24 - x;
        const double dy = sy < 0 ? y + 24 : 24 - y;
        if (dx <= dy) {
            d = dx;
            nx = -sx;
            ny = 0;
        } else {
            d = dy;
            nx = 0;
            ny = -sy;
        }
    };
}

void WriteFrame(Sink& sink) {
    struct Def {
        const char* file;
        int w, h;
        double ox, oy;
        Profile profile;
        const char* purpose;
    };
    const Def defs[] = {
        {"frame_left_from_tile", 19, 48, -41, -24, Side(-24, 0, -1), "board frame, left side (handle -7,24)"},
        {"frame_up_from_tile", 48, 19, -24, -41, Side(-24, 1, -1), "board frame, top side (handle 24,-7)"},
        {"frame_right_from_tile", 19, 48, 22, -24, Side(24, 0, 1), "board frame, right side (handle 26,24)"},
        {"frame_down_from_tile", 48, 19, -24, 22, Side(24, 1, 1), "board frame, bottom side (handle 24,26)"},
        {"outer_frame_left_up", 17, 17, -41, -41, Outer(-24, -24),
         "board frame, outer corner (handle -7,-7)"},
        {"outer_frame_right_up", 17, 17, 24, -41, Outer(24, -24), "board frame, outer corner (handle 24,-7)"},
        {"outer_frame_right_down", 17, 17, 24, 24, Outer(24, 24), "board frame, outer corner (handle 24,24)"},
        {"outer_frame_left_down", 17, 17, -41, 24, Outer(-24, 24),
         "board frame, outer corner (handle -7,24)"},
        {"inner_frame_left_up", 26, 26, -26, -26, Inner(-1, -1), "board frame, inner corner (handle 26,26)"},
        {"inner_frame_right_up", 26, 26, 0, -26, Inner(1, -1), "board frame, inner corner (handle 0,26)"},
        {"inner_frame_right_down", 26, 26, 0, 0, Inner(1, 1), "board frame, inner corner (handle 0,0)"},
        {"inner_frame_left_down", 26, 26, -26, 0, Inner(-1, 1), "board frame, inner corner (handle 26,0)"},
    };
    for (const Def& d : defs) {
        SurfacePtr s = FramePiece(d.w, d.h, d.ox, d.oy, d.profile);
        sink.Png(std::string("gfx/game/") + d.file + ".png", s.get(), d.purpose);
    }
}

// Tiles: a soft stone slab; the cyan ones are glazed so they stand out at a glance,
// the one needing two matches darker and with a second inset ring.
SurfacePtr Tile(int kind) {
    SurfacePtr s = NewSurface(48, 48);
    Ctx cr(s.get());
    const PathFn slab = [](cairo_t* c) { RoundedRect(c, 0.5, 0.5, 47, 47, 4); };
    const Rgb base = kind == 0 ? Hex(0xE9D7B0) : kind == 1 ? Hex(0x7FD6E0) : Hex(0x2F9FB8);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 48, 48);
    AddStop(g, 0, Lighter(base, 0.25), kind == 0 ? 0.8 : 0.92);
    AddStop(g, 1, Darker(base, 0.1), kind == 0 ? 0.8 : 0.92);
    slab(cr);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Bevel(cr, slab, 2, 0.45, 0.3);
    slab(cr);
    cairo_set_source_rgba(cr, 0.3, 0.2, 0.1, kind == 0 ? 0.35 : 0.45);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (kind >= 1) {
        // Glaze ripples.
        Saved sv(cr);
        slab(cr);
        cairo_clip(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.28);
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, 4, 14);
        cairo_curve_to(cr, 14, 8, 24, 16, 34, 8);
        cairo_stroke(cr);
        cairo_move_to(cr, 12, 42);
        cairo_curve_to(cr, 22, 36, 32, 44, 44, 36);
        cairo_stroke(cr);
    }
    if (kind == 2) {
        const PathFn ring = [](cairo_t* c) { RoundedRect(c, 6.5, 6.5, 35, 35, 3); };
        ring(cr);
        cairo_set_source_rgba(cr, 0.85, 1, 1, 0.75);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        RoundedRect(cr, 9.5, 9.5, 29, 29, 2);
        cairo_set_source_rgba(cr, 0.05, 0.25, 0.35, 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    return s;
}

SurfacePtr Highlight() {
    SurfacePtr s = NewSurface(48, 48);
    Ctx cr(s.get());
    RoundedRect(cr, 1, 1, 46, 46, 5);
    cairo_pattern_t* g = cairo_pattern_create_radial(24, 24, 6, 24, 24, 34);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.9, 0.25);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 0.85, 0.95);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    return s;
}

SurfacePtr Chest() {
    SurfacePtr s = NewSurface(48, 48);
    Ctx cr(s.get());
    const PathFn box = [](cairo_t* c) { RoundedRect(c, 3, 7, 42, 36, 4); };
    DropShadow(cr, box, 1, 2, 3, 0.6);
    {
        Saved sv(cr);
        box(cr);
        cairo_clip(cr);
        WoodGrain(cr, 3, 7, 42, 36, Hex(0x8C5430), 401);
        // Lid line.
        cairo_rectangle(cr, 3, 19, 42, 2);
        cairo_set_source_rgba(cr, 0.15, 0.07, 0.02, 0.8);
        cairo_fill(cr);
    }
    Bevel(cr, box, 1.5, 0.5, 0.4);
    // Iron bands and a brass lock.
    for (double x : {9.0, 35.0}) {
        cairo_rectangle(cr, x, 7, 4, 36);
        cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + 4, 0);
        AddStop(g, 0, Hex(0x9AA0A8));
        AddStop(g, 1, Hex(0x4A4E56));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        for (double y : {11.0, 38.0}) {
            cairo_arc(cr, x + 2, y, 1, 0, 2 * M_PI);
            cairo_set_source_rgb(cr, 0.85, 0.85, 0.8);
            cairo_fill(cr);
        }
    }
    const PathFn lock = [](cairo_t* c) { RoundedRect(c, 19, 16, 10, 12, 2); };
    Cabochon(cr, lock, 19, 16, 10, 12, Hex(0xE0A830));
    cairo_arc(cr, 24, 21, 1.6, 0, 2 * M_PI);
    cairo_move_to(cr, 24, 21);
    cairo_line_to(cr, 24, 25);
    cairo_set_source_rgb(cr, 0.2, 0.1, 0.02);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    box(cr);
    cairo_set_source_rgb(cr, 0.2, 0.09, 0.02);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    return s;
}

// One iron link (an elongated ring), centred at the origin along +x.
void Link(cairo_t* cr, double len, double r, bool edgeOn) {
    const PathFn ring = [=](cairo_t* c) { RoundedRect(c, -len / 2, -r, len, 2 * r, r); };
    if (edgeOn) {
        RoundedRect(cr, -len / 2, -1.6, len, 3.2, 1.6);
        SetRgb(cr, Hex(0x6C7078));
        cairo_fill_preserve(cr);
        SetRgb(cr, Hex(0x2A2C30));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        return;
    }
    ring(cr);
    cairo_set_line_width(cr, 3.2);
    SetRgb(cr, Hex(0x2A2C30));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -r, 0, r);
    AddStop(g, 0, Hex(0xD6DAE0));
    AddStop(g, 1, Hex(0x6C7078));
    cairo_set_source(cr, g);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
}

void ChainAcross(cairo_t* cr, double angle) {
    Saved sv(cr);
    cairo_translate(cr, 24, 24);
    cairo_rotate(cr, angle);
    for (int i = -4; i <= 4; ++i) {
        Saved t(cr);
        cairo_translate(cr, i * 8.5, 0);
        Link(cr, 12, 4, i % 2 != 0);
    }
}

SurfacePtr Chain(int level) {
    SurfacePtr s = NewSurface(48, 48);
    Ctx cr(s.get());
    const PathFn shadowPath = [level](cairo_t* c) {
        for (int k = 0; k < level; ++k) {
            Saved sv(c);
            cairo_translate(c, 24, 24);
            cairo_rotate(c, k == 0 ? M_PI / 4 : -M_PI / 4);
            cairo_rectangle(c, -34, -4, 68, 8);
        }
    };
    {
        Saved sv(cr);
        RoundedRect(cr, 0, 0, 48, 48, 3);
        cairo_clip(cr);
        DropShadow(cr, shadowPath, 1, 2, 3, 0.5);
        ChainAcross(cr, M_PI / 4);
        if (level >= 2) ChainAcross(cr, -M_PI / 4);
    }
    // A padlock where the chains cross.
    const PathFn lock = [](cairo_t* c) { RoundedRect(c, 18, 22, 12, 11, 2); };
    cairo_arc(cr, 24, 22, 4, M_PI, 2 * M_PI);
    cairo_set_line_width(cr, 2);
    SetRgb(cr, Hex(0x50545C));
    cairo_stroke(cr);
    Cabochon(cr, lock, 18, 22, 12, 11, level >= 2 ? Hex(0xC0392B) : Hex(0x8E949E));
    return s;
}

SurfacePtr PowerUpGlow() {
    SurfacePtr s = NewSurface(72, 72);
    Ctx cr(s.get());
    cairo_pattern_t* g = cairo_pattern_create_radial(36, 36, 8, 36, 36, 36);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.6, 1);
    cairo_pattern_add_color_stop_rgba(g, 0.45, 1, 0.75, 0.25, 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.5, 0.1, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    return s;
}

}  // namespace

void DrawBoard(Sink& sink) {
    const char* tileNames[] = {"tile0", "tile1", "tile2"};
    const char* tilePurpose[] = {"plain tile (tile id 1)", "cyan tile needing one match (id 2)",
                                 "cyan tile needing two matches (id 3)"};
    for (int k = 0; k < 3; ++k)
        sink.Png(std::string("gfx/game/") + tileNames[k] + ".png", Tile(k).get(), tilePurpose[k]);
    sink.Png("gfx/game/overImg.png", Highlight().get(),
             "highlight of the cell under the mouse (light blending)");
    sink.Png("gfx/game/chest.png", Chest().get(), "chest locking a chip");
    sink.Png("gfx/game/chain1.png", Chain(1).get(), "one chain level holding a chip");
    sink.Png("gfx/game/chain2.png", Chain(2).get(), "two chain levels holding a chip");
    sink.Png("gfx/game/powerup-1-glow.png", PowerUpGlow().get(), "glow behind power-up chips");
    WriteFrame(sink);
}

}  // namespace art
