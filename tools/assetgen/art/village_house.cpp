// The parametric house: faces of a block (walls, gables, roof planes) each drawn
// in its own coordinates, so textures, doors and windows lie on the wall they
// belong to; faces turned away from the viewer are skipped.
#include "village_house.h"

#include "village_parts.h"
#include "village_textures.h"

#include <algorithm>
#include <cmath>

namespace art::village {

namespace {

P3 Cross(P3 a, P3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
P3 Norm(P3 a) {
    const double l = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return {a.x / l, a.y / l, a.z / l};
}
P3 Add(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

double Length(P3 a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

P3 Normal(const Face& f) { return Norm(Cross(f.u, f.v)); }

// The height of the roof surface over a plan point of the block.
double RoofZ(const Block& b, double x, double y) {
    const double fy = 1 - std::abs(y - b.d / 2) / (b.d / 2), fx = 1 - std::abs(x - b.w / 2) / (b.w / 2);
    switch (b.shape) {
        case RoofShape::Gable:
            return b.h + b.roofH * fy;
        case RoofShape::GableFront:
            return b.h + b.roofH * fx;
        case RoofShape::Hip:
            return b.h + b.roofH * std::min(fy, std::min(1.0, fx * b.w / b.d));
        case RoofShape::Shed:
            return b.h + b.roofH * y / b.d;
        case RoofShape::Flat:
            return b.h;
    }
    return b.h;
}

// A rectangle face from o along unit u (length w) and unit v (length h).
Face RectFace(P3 o, P3 u, P3 v, double w, double h) {
    return Face{o, u, v, {{0, 0}, {w, 0}, {w, h}, {0, h}}};
}

std::vector<Face> Walls(const Block& b) {
    const double x = b.x, y = b.y;
    return {RectFace({x, y, 0}, {1, 0, 0}, {0, 0, 1}, b.w, b.h),
            RectFace({x + b.w, y, 0}, {0, 1, 0}, {0, 0, 1}, b.d, b.h),
            RectFace({x + b.w, y + b.d, 0}, {-1, 0, 0}, {0, 0, 1}, b.w, b.h),
            RectFace({x, y + b.d, 0}, {0, -1, 0}, {0, 0, 1}, b.d, b.h)};
}

std::vector<Face> Gables(const Block& b) {
    const double x = b.x, y = b.y, h = b.h, r = b.roofH;
    std::vector<Face> out;
    auto tri = [&](P3 o, P3 u, double w) {
        out.push_back(Face{o, u, {0, 0, 1}, {{0, 0}, {w, 0}, {w / 2, r}}});
    };
    if (b.shape == RoofShape::Gable) {
        tri({x + b.w, y, h}, {0, 1, 0}, b.d);
        tri({x, y + b.d, h}, {0, -1, 0}, b.d);
    } else if (b.shape == RoofShape::GableFront) {
        tri({x, y, h}, {1, 0, 0}, b.w);
        tri({x + b.w, y + b.d, h}, {-1, 0, 0}, b.w);
    } else if (b.shape == RoofShape::Shed) {
        out.push_back(Face{{x + b.w, y, h}, {0, 1, 0}, {0, 0, 1}, {{0, 0}, {b.d, 0}, {b.d, r}}});
        out.push_back(Face{{x, y + b.d, h}, {0, -1, 0}, {0, 0, 1}, {{0, 0}, {b.d, 0}, {0, r}}});
    }
    return out;
}

// A sloping roof plane: eave from a along unit u for length w, rising by (run, rise)
// inward; the outline is a trapezoid whose top is inset by `inset` at both ends.
Face Slope(P3 a, P3 u, P3 inward, double run, double rise, double w, double inset) {
    const P3 up = {inward.x * run, inward.y * run, rise};
    const double len = Length(up);
    return Face{a, u, Norm(up), {{0, 0}, {w, 0}, {w - inset, len}, {inset, len}}};
}

std::vector<Face> RoofPlanes(const Block& b) {
    const double o = b.overhang, x = b.x - o, y = b.y - o, W = b.w + 2 * o, D = b.d + 2 * o;
    std::vector<Face> out;
    switch (b.shape) {
        case RoofShape::Gable:
        case RoofShape::Hip: {
            const double s = b.roofH / (b.d / 2), z = b.h - o * s, run = D / 2, rise = b.roofH + o * s;
            const double inset = b.shape == RoofShape::Hip ? std::min(run, W / 2) : 0;
            out.push_back(Slope({x, y, z}, {1, 0, 0}, {0, 1, 0}, run, rise, W, inset));
            out.push_back(Slope({x + W, y + D, z}, {-1, 0, 0}, {0, -1, 0}, run, rise, W, inset));
            if (b.shape == RoofShape::Hip) {
                out.push_back(Slope({x + W, y, z}, {0, 1, 0}, {-1, 0, 0}, run, rise, D, D / 2));
                out.push_back(Slope({x, y + D, z}, {0, -1, 0}, {1, 0, 0}, run, rise, D, D / 2));
            }
            break;
        }
        case RoofShape::GableFront: {
            const double s = b.roofH / (b.w / 2), z = b.h - o * s, run = W / 2, rise = b.roofH + o * s;
            out.push_back(Slope({x + W, y, z}, {0, 1, 0}, {-1, 0, 0}, run, rise, D, 0));
            out.push_back(Slope({x, y + D, z}, {0, -1, 0}, {1, 0, 0}, run, rise, D, 0));
            break;
        }
        case RoofShape::Shed: {
            const double s = b.roofH / b.d;
            out.push_back(Slope({x, y, b.h - o * s}, {1, 0, 0}, {0, 1, 0}, D, b.roofH + 2 * o * s, W, 0));
            break;
        }
        case RoofShape::Flat:
            out.push_back(RectFace({x, y, b.h}, {1, 0, 0}, {0, 1, 0}, W, D));
            break;
    }
    return out;
}

void WallFace(cairo_t* cr, P2 origin, const Block& b, const Face& f, int index, Rng& rng) {
    const P3 n = Normal(f);
    const double light = index == 0 ? 1.0 : 0.62;
    const double w = f.outline[1].x, h = b.h;
    Saved s(cr);
    EnterFace(cr, origin, f);
    OutlinePath(cr, f);
    cairo_clip(cr);
    if (b.openFront && index == 0) {
        Shed(cr, b, w, h);
        return;
    }
    WallTexture(cr, b.wall, Shade(b.wallColour, n), w, h, b.floors, rng);
    if (b.stonePlinth && b.wall != Wall::Stone) {
        Saved p(cr);
        cairo_rectangle(cr, 0, 0, w, std::min(7.0, h * 0.25));
        cairo_clip(cr);
        WallTexture(cr, Wall::Stone, Shade(Hex(0xB8AC98), n), w, h, 1, rng);
    }
    // Doors and windows: the front gets the door, the front and the right side windows.
    const double fh = h / std::max(1, b.floors);
    const int count = index == 0 ? b.frontWindows : b.sideWindows;
    const double doorW = b.wideDoor ? std::min(22.0, w * 0.45) : 10, doorU = b.doorAt * w;
    const bool door = index == 0 && b.doorAt >= 0;
    if (door) Door(cr, doorU, doorW, std::min(fh * 0.8, b.wideDoor ? 24.0 : 19.0), b.door, b.trim, light);
    if (index > 1) return;
    const double ww = 7, wh = std::min(fh * 0.42, 10.0);
    for (int fl = 0; fl < b.floors; ++fl)
        for (int i = 0; i < count; ++i) {
            const double u = w * (i + 0.5) / count;
            if (fl == 0 && door && std::abs(u - doorU) < doorW / 2 + ww / 2 + 4) continue;
            Window(cr, u, fl * fh + fh * 0.56, ww, wh, b.trim, b.shutters, b.shuttered, light);
        }
}

void Chimneys(cairo_t* cr, P2 origin, const Block& b, Rng& rng) {
    for (const Chimney& c : b.chimneys) {
        const double s = c.size, x0 = c.x - s / 2, x1 = c.x + s / 2, y0 = c.y - s / 2, y1 = c.y + s / 2;
        const double t = c.top - 2.5;  // the cap sits on top
        const Face front{{b.x + x0, b.y + y0, 0},
                         {1, 0, 0},
                         {0, 0, 1},
                         {{0, RoofZ(b, x0, y0) - 1}, {s, RoofZ(b, x1, y0) - 1}, {s, t}, {0, t}}};
        const Face right{{b.x + x1, b.y + y0, 0},
                         {0, 1, 0},
                         {0, 0, 1},
                         {{0, RoofZ(b, x1, y0) - 1}, {s, RoofZ(b, x1, y1) - 1}, {s, t}, {0, t}}};
        for (const Face* f : {&front, &right}) {
            Saved sv(cr);
            EnterFace(cr, origin, *f);
            OutlinePath(cr, *f);
            cairo_clip(cr);
            WallTexture(cr, c.wall, Shade(c.wall == Wall::Brick ? Hex(0xA8553A) : Hex(0xB0A490), Normal(*f)),
                        s, c.top, 1, rng);
        }
        // The cap: a slab a little wider than the stack, open in the middle.
        const double m = 1.5;
        Box(cr, origin, {b.x + x0 - m, b.y + y0 - m, t}, {s + 2 * m, s + 2 * m, 2.5}, Hex(0x8C8478));
        const P2 a = Project(origin, {b.x + x0 + 1.5, b.y + y0 + 1.5, c.top}),
                 bb = Project(origin, {b.x + x1 - 1.5, b.y + y0 + 1.5, c.top}),
                 cc = Project(origin, {b.x + x1 - 1.5, b.y + y1 - 1.5, c.top}),
                 d = Project(origin, {b.x + x0 + 1.5, b.y + y1 - 1.5, c.top});
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, bb.x, bb.y);
        cairo_line_to(cr, cc.x, cc.y);
        cairo_line_to(cr, d.x, d.y);
        cairo_close_path(cr);
        SetRgb(cr, Hex(0x1E1612));
        cairo_fill(cr);
    }
}

void DrawRoof(cairo_t* cr, P2 origin, const Block& b, Rng& rng) {
    for (const Face& g : Gables(b)) {
        if (!Visible(g)) continue;
        Saved s(cr);
        EnterFace(cr, origin, g);
        OutlinePath(cr, g);
        cairo_clip(cr);
        const Wall w = b.wall == Wall::Stone && b.shape != RoofShape::Shed ? Wall::Planks : b.wall;
        WallTexture(cr, w == Wall::Timber ? Wall::Plaster : w, Shade(b.wallColour, Normal(g)), g.outline[1].x,
                    b.roofH, 1, rng);
    }
    for (const Face& f : RoofPlanes(b)) {
        if (!Visible(f)) continue;
        const double w = f.outline[1].x, h = f.outline[2].y;
        {
            Saved s(cr);
            EnterFace(cr, origin, f);
            OutlinePath(cr, f);
            cairo_clip(cr);
            RoofTexture(cr, b.roof, Shade(b.roofColour, Normal(f)), 0, w, h, rng);
            // Shade under the ridge and light along the eave give the roof its thickness.
            cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
            cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.25);
            cairo_pattern_add_color_stop_rgba(g, 0.12, 0, 0, 0, 0);
            cairo_pattern_add_color_stop_rgba(g, 0.9, 1, 1, 1, 0);
            cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0.12);
            cairo_set_source(cr, g);
            cairo_paint(cr);
            cairo_pattern_destroy(g);
        }
        Saved s(cr);
        EnterFace(cr, origin, f);
        OutlinePath(cr, f);
        cairo_identity_matrix(cr);
        cairo_set_line_width(cr, 0.9);
        SetRgb(cr, Darker(b.roofColour, 0.6), 0.8);
        cairo_stroke(cr);
    }
    Chimneys(cr, origin, b, rng);
}

}  // namespace

P2 Dir(P3 d) { return {d.x + d.y * kDepthX, -d.z - d.y * kDepthY}; }

bool Visible(const Face& f) {
    const P3 n = Cross(f.u, f.v);
    return n.x * kDepthX - n.y + n.z * kDepthY > 1e-6;
}

void EnterFace(cairo_t* cr, P2 origin, const Face& f) {
    const P2 o = Project(origin, f.o), u = Dir(f.u), v = Dir(f.v);
    cairo_matrix_t m;
    cairo_matrix_init(&m, u.x, u.y, v.x, v.y, o.x, o.y);
    cairo_transform(cr, &m);
}

void OutlinePath(cairo_t* cr, const Face& f) {
    cairo_new_path(cr);
    for (const P2& p : f.outline) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

Rgb Shade(Rgb c, P3 n) {
    const P3 l = Norm({-0.55, -0.45, 0.7});
    const P3 nn = Norm(n);
    const double k = nn.x * l.x + nn.y * l.y + nn.z * l.z;
    if (k >= 0.6) return Lighter(c, (k - 0.6) * 0.45);
    return Mix(c, Hex(0x2A1C16), (0.6 - k) * 0.33);
}

void Box(cairo_t* cr, P2 origin, P3 at, P3 size, Rgb c) {
    const Face faces[] = {RectFace(at, {1, 0, 0}, {0, 0, 1}, size.x, size.z),
                          RectFace({at.x + size.x, at.y, at.z}, {0, 1, 0}, {0, 0, 1}, size.y, size.z),
                          RectFace({at.x, at.y, at.z + size.z}, {1, 0, 0}, {0, 1, 0}, size.x, size.y)};
    for (const Face& f : faces) {
        Saved s(cr);
        EnterFace(cr, origin, f);
        OutlinePath(cr, f);
        SetRgb(cr, Shade(c, Normal(f)));
        cairo_fill(cr);
    }
}

void DrawBlock(cairo_t* cr, P2 origin, const Block& b, Stage stage, Rng& rng) {
    if (stage == Stage::Plot) return;
    if (stage == Stage::Frame) {
        TimberFrame(cr, origin, b);
        return;
    }
    int i = 0;
    for (const Face& f : Walls(b)) {
        if (Visible(f)) WallFace(cr, origin, b, f, i, rng);
        ++i;
    }
    if (stage == Stage::Walls) {
        OpenTop(cr, origin, b);
        return;
    }
    DrawRoof(cr, origin, b, rng);
}

P3 BlockCorner(const Block& b, int k, double z) {
    const double xs[4] = {0, b.w, b.w, 0}, ys[4] = {0, 0, b.d, b.d};
    return Add({b.x, b.y, z}, {xs[k], ys[k], 0});
}

}  // namespace art::village
