// A building as a whole (ground shadow, props, blocks and towers back to
// front) and its construction stages: staked plot, timber frame, walls.
#include "village_parts.h"

#include <algorithm>
#include <cmath>

namespace art::village {

namespace {

const Rgb kTimber = Hex(0xC99A5E), kTimberDark = Hex(0x4E321E);

void Beam(cairo_t* cr, P2 origin, P3 a, P3 b, double width = 2.0) {
    const P2 p = Project(origin, a), q = Project(origin, b);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, p.x, p.y);
    cairo_line_to(cr, q.x, q.y);
    cairo_set_line_width(cr, width + 1.4);
    SetRgb(cr, kTimberDark);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, width);
    SetRgb(cr, kTimber);
    cairo_stroke(cr);
}

P3 At(const Block& b, double x, double y, double z) { return {b.x + x, b.y + y, z}; }

// Ridge and rafters: the roof's bare bones.
void RoofSkeleton(cairo_t* cr, P2 origin, const Block& b) {
    const double h = b.h, top = b.h + b.roofH;
    switch (b.shape) {
        case RoofShape::Gable:
        case RoofShape::Hip:
            for (double x : {0.0, b.w / 2, b.w}) {
                Beam(cr, origin, At(b, x, b.d, h), At(b, x, b.d / 2, top), 1.6);
                Beam(cr, origin, At(b, x, 0, h), At(b, x, b.d / 2, top), 1.6);
            }
            Beam(cr, origin, At(b, 0, b.d / 2, top), At(b, b.w, b.d / 2, top));
            break;
        case RoofShape::GableFront:
            for (double y : {b.d, b.d / 2, 0.0}) {
                Beam(cr, origin, At(b, 0, y, h), At(b, b.w / 2, y, top), 1.6);
                Beam(cr, origin, At(b, b.w, y, h), At(b, b.w / 2, y, top), 1.6);
            }
            Beam(cr, origin, At(b, b.w / 2, 0, top), At(b, b.w / 2, b.d, top));
            break;
        case RoofShape::Shed:
            for (double x : {0.0, b.w / 2, b.w}) Beam(cr, origin, At(b, x, 0, h), At(b, x, b.d, top), 1.6);
            break;
        case RoofShape::Flat:
            break;
    }
}

void Poly(cairo_t* cr, const std::vector<P2>& pts) {
    cairo_new_path(cr);
    for (const P2& p : pts) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

std::vector<P2> Footprint(P2 origin, const Block& b, double grow) {
    return {Project(origin, {b.x - grow, b.y - grow, 0}), Project(origin, {b.x + b.w + grow, b.y - grow, 0}),
            Project(origin, {b.x + b.w + grow, b.y + b.d + grow, 0}),
            Project(origin, {b.x - grow, b.y + b.d + grow, 0})};
}

std::vector<P2> Circle(P2 origin, double x, double y, double r) {
    std::vector<P2> pts;
    for (int i = 0; i < 32; ++i) {
        const double t = 2 * M_PI * i / 32;
        pts.push_back(Project(origin, {x + r * std::cos(t), y + r * std::sin(t), 0}));
    }
    return pts;
}

}  // namespace

void Shed(cairo_t* cr, const Block& b, double w, double h) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, h, 0, 0);
    AddStop(g, 0, Hex(0x1E1510));
    AddStop(g, 1, Hex(0x4A3626));
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    const Rgb post = Shade(b.trim, {0, -1, 0});
    const int n = std::max(2, static_cast<int>(w / 28));
    for (int i = 0; i <= n; ++i) {
        const double u = std::clamp(w * i / n, 1.5, w - 1.5);
        cairo_rectangle(cr, u - 1.5, 0, 3, h);
        SetRgb(cr, post);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, h - 3, w, 3);
    SetRgb(cr, Darker(post, 0.15));
    cairo_fill(cr);
}

void TimberFrame(cairo_t* cr, P2 origin, const Block& b) {
    const double h = b.h;
    // Far corners and beams first, then the near ones.
    Beam(cr, origin, BlockCorner(b, 3, 0), BlockCorner(b, 3, h));
    Beam(cr, origin, BlockCorner(b, 2, 0), BlockCorner(b, 2, h));
    Beam(cr, origin, BlockCorner(b, 3, h), BlockCorner(b, 2, h));
    Beam(cr, origin, BlockCorner(b, 3, h), BlockCorner(b, 0, h));
    Beam(cr, origin, BlockCorner(b, 3, 0), BlockCorner(b, 0, 0), 1.6);
    Beam(cr, origin, BlockCorner(b, 2, 0), BlockCorner(b, 3, 0), 1.6);
    Beam(cr, origin, BlockCorner(b, 1, 0), BlockCorner(b, 2, 0));
    Beam(cr, origin, BlockCorner(b, 0, 0), BlockCorner(b, 1, 0));
    const int bays = std::max(2, static_cast<int>(b.w / 22));
    for (int i = 0; i <= bays; ++i)
        Beam(cr, origin, At(b, b.w * i / bays, 0, 0), At(b, b.w * i / bays, 0, h));
    Beam(cr, origin, BlockCorner(b, 1, 0), BlockCorner(b, 2, 0));
    Beam(cr, origin, At(b, b.w, b.d / 2, 0), At(b, b.w, b.d / 2, h), 1.6);
    Beam(cr, origin, BlockCorner(b, 2, 0), BlockCorner(b, 2, h));
    Beam(cr, origin, BlockCorner(b, 1, h), BlockCorner(b, 2, h));
    Beam(cr, origin, BlockCorner(b, 0, h), BlockCorner(b, 1, h));
    Beam(cr, origin, At(b, 0, 0, 2), At(b, b.w / bays, 0, h - 2), 1.4);
    Beam(cr, origin, At(b, b.w, 0, 2), At(b, b.w - b.w / bays, 0, h - 2), 1.4);
    RoofSkeleton(cr, origin, b);
}

void OpenTop(cairo_t* cr, P2 origin, const Block& b) {
    std::vector<P2> top;
    for (int k = 0; k < 4; ++k) top.push_back(Project(origin, BlockCorner(b, k, b.h)));
    // Seen through the open top: the earth floor and the inner faces of the far walls.
    {
        Saved s(cr);
        Poly(cr, top);
        cairo_clip(cr);
        SetRgb(cr, Hex(0x4A3626));
        cairo_paint(cr);
        const P3 c0 = BlockCorner(b, 0, 0), c2 = BlockCorner(b, 2, 0), c3 = BlockCorner(b, 3, 0);
        Poly(cr, {Project(origin, c0), Project(origin, c3), Project(origin, {c3.x, c3.y, b.h}),
                  Project(origin, {c0.x, c0.y, b.h})});
        SetRgb(cr, Shade(Darker(b.wallColour, 0.25), {1, 0, 0}));
        cairo_fill(cr);
        Poly(cr, {Project(origin, c3), Project(origin, c2), Project(origin, {c2.x, c2.y, b.h}),
                  Project(origin, {c3.x, c3.y, b.h})});
        SetRgb(cr, Shade(Darker(b.wallColour, 0.2), {0, -1, 0}));
        cairo_fill(cr);
        // The front wall's shadow falls deep inside.
        const P2 front = Project(origin, BlockCorner(b, 0, b.h)),
                 back = Project(origin, BlockCorner(b, 3, b.h));
        cairo_pattern_t* g = cairo_pattern_create_linear(0, front.y, 0, back.y - 4);
        AddStop(g, 0, Hex(0x1A120C), 0.85);
        AddStop(g, 1, Hex(0x1A120C), 0.1);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    Poly(cr, top);
    cairo_set_line_width(cr, 2.2);
    SetRgb(cr, Lighter(b.wallColour, 0.1));
    cairo_stroke(cr);
    RoofSkeleton(cr, origin, b);
    // Scaffold poles and a plank along the front.
    for (double x : {-3.0, b.w + 3}) Beam(cr, origin, At(b, x, -4, 0), At(b, x, -4, b.h + 8), 1.4);
    Beam(cr, origin, At(b, -5, -4, b.h * 0.6), At(b, b.w + 5, -4, b.h * 0.6), 2.4);
}

void StakedPlot(cairo_t* cr, P2 origin, const Design& d, Rng& rng) {
    auto stake = [&](P3 p) { Beam(cr, origin, p, {p.x, p.y, p.z + 9}, 1.3); };
    auto string = [&](P3 a, P3 b) {
        const P2 p = Project(origin, {a.x, a.y, 7}), q = Project(origin, {b.x, b.y, 7});
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, q.x, q.y);
        cairo_set_line_width(cr, 0.7);
        SetRgb(cr, Hex(0xF4ECD8), 0.9);
        cairo_stroke(cr);
    };
    for (const Block& b : d.blocks) {
        for (int k = 0; k < 4; ++k) string(BlockCorner(b, k, 0), BlockCorner(b, (k + 1) % 4, 0));
        for (int k : {3, 2, 0, 1}) stake(BlockCorner(b, k, 0));
    }
    for (const Tower& t : d.towers)
        for (double a : {0.8, 2.4, 3.9, 5.5}) stake({t.x + t.r * std::cos(a), t.y + t.r * std::sin(a), 0});
    // Building stuff waiting: a stack of planks and a heap of stones.
    if (d.blocks.empty()) return;
    const Block& b = d.blocks.front();
    for (int i = 0; i < 4; ++i)
        Box(cr, origin, {b.x + b.w * 0.55 - i * 0.6, b.y + 3, i * 2.2}, {b.w * 0.4, 7, 2.2},
            i % 2 ? Hex(0xC8975C) : Hex(0xB88650));
    for (int i = 0; i < 7; ++i)
        Rock(cr, origin, {b.x + 6 + rng.Range(0, 12), b.y + 4 + rng.Range(0, 10), 0}, rng.Range(2.2, 3.6),
             Hex(0xA8A49A), rng);
}

void FootprintPath(cairo_t* cr, P2 origin, const Design& d, double grow) {
    for (const Block& b : d.blocks) Poly(cr, Footprint(origin, b, grow));
    for (const Tower& t : d.towers) Poly(cr, Circle(origin, t.x, t.y, t.r + grow));
}

void EarthPatch(cairo_t* cr, P2 origin, double x, double y, double w, double d, Rgb c, double alpha) {
    const Block b{x, y, w, d};
    Poly(cr, Footprint(origin, b, 0));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 8);
    SetRgb(cr, c, alpha);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
}

void DrawDesign(cairo_t* cr, P2 origin, const Design& d, Stage stage, std::uint64_t seed) {
    Rng rng(seed);
    if (stage != Stage::Done) {
        for (const Block& b : d.blocks) EarthPatch(cr, origin, b.x, b.y, b.w, b.d, Hex(0x9A7A52), 0.85);
        for (const Tower& t : d.towers) {
            Poly(cr, Circle(origin, t.x, t.y, t.r + 4));
            SetRgb(cr, Hex(0x9A7A52), 0.85);
            cairo_fill(cr);
        }
    }
    if (stage != Stage::Plot) {
        const double a = stage == Stage::Done ? 0.42 : 0.22;
        DropShadow(
            cr, [&](cairo_t* c) { FootprintPath(c, origin, d, 2); }, 8, 2, 7, a);
    }
    if (stage == Stage::Plot) StakedPlot(cr, origin, d, rng);
    // Yards and their things come with the finished building.
    const bool done = stage == Stage::Done;
    if (done && d.behind) d.behind(cr, origin);
    // Back to front: what lies further back and further left is drawn first.
    struct Item {
        double key;
        const Block* b;
        const Tower* t;
    };
    std::vector<Item> items;
    for (const Block& b : d.blocks)
        items.push_back({(b.x + b.w / 2) * kDepthX - (b.y + b.d / 2), &b, nullptr});
    for (const Tower& t : d.towers) items.push_back({t.x * kDepthX - t.y, nullptr, &t});
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.key < b.key; });
    for (const Item& it : items) {
        if (it.b) DrawBlock(cr, origin, *it.b, stage, rng);
        else DrawTower(cr, origin, *it.t, stage, rng);
    }
    if (done && d.front) d.front(cr, origin);
}

}  // namespace art::village
