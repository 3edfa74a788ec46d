#include "paint.h"

#include <algorithm>
#include <cmath>

namespace art {

Rgb Hex(std::uint32_t rgb) {
    return Rgb{((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
}

Rgb Mix(Rgb a, Rgb b, double t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void SetRgb(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void AddStop(cairo_pattern_t* p, double offset, Rgb c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

std::vector<std::pair<double, double>> PolygonPoints(double cx, double cy, double r, int n, double rotDeg,
                                                     double inner) {
    std::vector<std::pair<double, double>> pts;
    const int count = inner > 0 ? n * 2 : n;
    for (int i = 0; i < count; ++i) {
        const double a = (rotDeg - 90) * M_PI / 180 + 2 * M_PI * i / count;
        const double rr = (inner > 0 && (i % 2)) ? inner : r;
        pts.emplace_back(cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    return pts;
}

void PathFromPoints(cairo_t* cr, const std::vector<std::pair<double, double>>& pts) {
    cairo_new_sub_path(cr);
    for (const auto& p : pts) cairo_line_to(cr, p.first, p.second);
    cairo_close_path(cr);
}

namespace {

// One horizontal and one vertical box pass over premultiplied pixels.
void BoxPass(std::vector<std::uint32_t>& px, int w, int h, int r) {
    std::vector<std::uint32_t> tmp(px.size());
    const int span = 2 * r + 1;
    auto pass = [&](const std::vector<std::uint32_t>& src, std::vector<std::uint32_t>& dst, int len,
                    int lines, int step, int lineStep) {
        for (int l = 0; l < lines; ++l) {
            const size_t base = static_cast<size_t>(l) * lineStep;
            std::uint32_t sum[4] = {0, 0, 0, 0};
            auto at = [&](int i) {
                return src[base + static_cast<size_t>(std::clamp(i, 0, len - 1)) * step];
            };
            for (int i = -r; i <= r; ++i)
                for (int c = 0; c < 4; ++c) sum[c] += (at(i) >> (c * 8)) & 255;
            for (int i = 0; i < len; ++i) {
                std::uint32_t v = 0;
                for (int c = 0; c < 4; ++c) v |= ((sum[c] + span / 2) / span) << (c * 8);
                dst[base + static_cast<size_t>(i) * step] = v;
                const std::uint32_t add = at(i + r + 1), sub = at(i - r);
                for (int c = 0; c < 4; ++c) sum[c] += ((add >> (c * 8)) & 255) - ((sub >> (c * 8)) & 255);
            }
        }
    };
    pass(px, tmp, w, h, 1, w);
    pass(tmp, px, h, w, w, 1);
}

}  // namespace

void Blur(cairo_surface_t* s, int radius) {
    if (radius <= 0) return;
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    std::vector<std::uint32_t> px(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        std::copy_n(reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * stride), w,
                    px.data() + static_cast<size_t>(y) * w);
    const int r = std::max(1, radius / 2);
    for (int i = 0; i < 3; ++i) BoxPass(px, w, h, r);
    for (int y = 0; y < h; ++y)
        std::copy_n(px.data() + static_cast<size_t>(y) * w, w,
                    reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * stride));
    cairo_surface_mark_dirty(s);
}

namespace {

// The shape rendered into a scratch surface that covers only its device-space
// bounding box plus a margin for the blur; (ox, oy) is where that surface lies.
struct Layer {
    SurfacePtr s;
    int ox = 0, oy = 0;
};

Layer ShapeLayer(cairo_t* cr, const PathFn& path, Rgb c, double grow, int margin) {
    cairo_new_path(cr);
    path(cr);
    double x0, y0, x1, y1;
    cairo_path_extents(cr, &x0, &y0, &x1, &y1);
    cairo_new_path(cr);
    double xs[4] = {x0, x1, x0, x1}, ys[4] = {y0, y0, y1, y1};
    double dx0 = 1e9, dy0 = 1e9, dx1 = -1e9, dy1 = -1e9;
    for (int i = 0; i < 4; ++i) {
        cairo_user_to_device(cr, &xs[i], &ys[i]);
        dx0 = std::min(dx0, xs[i]);
        dy0 = std::min(dy0, ys[i]);
        dx1 = std::max(dx1, xs[i]);
        dy1 = std::max(dy1, ys[i]);
    }
    const int m = margin + static_cast<int>(std::ceil(grow)) + 2;
    Layer layer;
    layer.ox = static_cast<int>(std::floor(dx0)) - m;
    layer.oy = static_cast<int>(std::floor(dy0)) - m;
    const int w = std::max(1, static_cast<int>(std::ceil(dx1)) + m - layer.ox);
    const int h = std::max(1, static_cast<int>(std::ceil(dy1)) + m - layer.oy);
    layer.s = NewSurface(w, h);
    Ctx lc(layer.s.get());
    cairo_matrix_t mat;
    cairo_get_matrix(cr, &mat);
    mat.x0 -= layer.ox;
    mat.y0 -= layer.oy;
    cairo_set_matrix(lc, &mat);
    path(lc);
    SetRgb(lc, c);
    if (grow > 0) {
        cairo_set_line_width(lc, grow * 2);
        cairo_set_line_join(lc, CAIRO_LINE_JOIN_ROUND);
        cairo_fill_preserve(lc);
        cairo_stroke(lc);
    } else {
        cairo_fill(lc);
    }
    return layer;
}

void PaintLayer(cairo_t* cr, const Layer& layer, double dx, double dy, double alpha) {
    Saved s(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, layer.s.get(), layer.ox + dx, layer.oy + dy);
    cairo_paint_with_alpha(cr, alpha);
}

}  // namespace

void DropShadow(cairo_t* cr, const PathFn& path, double dx, double dy, int blur, double alpha) {
    Layer layer = ShapeLayer(cr, path, Rgb{0.08, 0.04, 0.02}, 0, blur * 2);
    Blur(layer.s.get(), blur);
    PaintLayer(cr, layer, dx, dy, alpha);
}

void Glow(cairo_t* cr, const PathFn& path, Rgb c, int blur, double alpha, double grow) {
    Layer layer = ShapeLayer(cr, path, c, grow, blur * 2);
    Blur(layer.s.get(), blur);
    PaintLayer(cr, layer, 0, 0, alpha);
}

void InnerShade(cairo_t* cr, const PathFn& path, Rgb c, double width, int blur, double alpha) {
    cairo_surface_t* target = cairo_get_target(cr);
    SurfacePtr layer =
        NewSurface(cairo_image_surface_get_width(target), cairo_image_surface_get_height(target));
    {
        Ctx lc(layer.get());
        cairo_matrix_t m;
        cairo_get_matrix(cr, &m);
        cairo_set_matrix(lc, &m);
        path(lc);
        SetRgb(lc, c);
        cairo_set_line_width(lc, width * 2);
        cairo_stroke(lc);
    }
    Blur(layer.get(), blur);
    Saved s(cr);
    path(cr);
    cairo_clip(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, layer.get(), 0, 0);
    cairo_paint_with_alpha(cr, alpha);
}

void Bevel(cairo_t* cr, const PathFn& path, double width, double light, double dark) {
    Saved s(cr);
    path(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, width * 2);
    // The lit edge: the outline shifted away from the light leaves a sliver on the lit side.
    {
        Saved t(cr);
        cairo_translate(cr, -kLightX * width, -kLightY * width);
        path(cr);
        cairo_translate(cr, kLightX * width, kLightY * width);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_rectangle(cr, -4000, -4000, 8000, 8000);
        cairo_set_source_rgba(cr, 1, 1, 0.92, light);
        cairo_fill(cr);
    }
    {
        Saved t(cr);
        cairo_translate(cr, kLightX * width, kLightY * width);
        path(cr);
        cairo_translate(cr, -kLightX * width, -kLightY * width);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_rectangle(cr, -4000, -4000, 8000, 8000);
        cairo_set_source_rgba(cr, 0.1, 0.04, 0, dark);
        cairo_fill(cr);
    }
}

void WoodGrain(cairo_t* cr, double x, double y, double w, double h, Rgb base, std::uint64_t seed,
               bool vertical) {
    Saved s(cr);
    Rng rng(seed);
    if (vertical) {
        // Draw the horizontal grain rotated a quarter turn into the same rectangle.
        cairo_translate(cr, x + w, y);
        cairo_rotate(cr, M_PI / 2);
        std::swap(w, h);
        x = 0;
        y = 0;
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    AddStop(g, 0, Lighter(base, 0.12));
    AddStop(g, 0.5, base);
    AddStop(g, 1, Darker(base, 0.18));
    cairo_set_source(cr, g);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Streaks of darker and lighter grain, gently waving along the board.
    const int lines = static_cast<int>(h / 2.2) + 4;
    for (int i = 0; i < lines; ++i) {
        const double ly = y + rng.Range(-2, h + 2);
        const double amp = rng.Range(0.3, 2.2), freq = rng.Range(0.01, 0.05), ph = rng.Range(0, 6.28);
        const bool dark = rng.Unit() < 0.7;
        cairo_set_line_width(cr, rng.Range(0.5, 1.6));
        SetRgb(cr, dark ? Darker(base, 0.45) : Lighter(base, 0.3), rng.Range(0.12, 0.35));
        cairo_move_to(cr, x - 2, ly + amp * std::sin(ph));
        for (double px = x; px <= x + w + 8; px += 8)
            cairo_line_to(cr, px, ly + amp * std::sin(ph + px * freq));
        cairo_stroke(cr);
    }
    // A knot or two.
    const int knots = static_cast<int>(w * h / 40000) + (rng.Unit() < 0.5 ? 1 : 0);
    for (int k = 0; k < knots; ++k) {
        const double kx = x + rng.Range(0.1, 0.9) * w, ky = y + rng.Range(0.2, 0.8) * h;
        const double kr = rng.Range(2.5, 5);
        for (int ring = 3; ring >= 0; --ring) {
            cairo_save(cr);
            cairo_translate(cr, kx, ky);
            cairo_scale(cr, 2.2, 1);
            cairo_arc(cr, 0, 0, kr + ring * 1.6, 0, 2 * M_PI);
            cairo_restore(cr);
            SetRgb(cr, Darker(base, 0.5 - ring * 0.08), 0.35);
            cairo_set_line_width(cr, 0.9);
            cairo_stroke(cr);
        }
    }
}

void Parchment(cairo_t* cr, const PathFn& path, double x, double y, double w, double h, std::uint64_t seed) {
    Saved s(cr);
    path(cr);
    cairo_clip(cr);
    const Rgb paper = Hex(0xF3E2BC);
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w * 0.4, y + h * 0.35, 10, x + w / 2, y + h / 2,
                                                     std::max(w, h) * 0.75);
    AddStop(g, 0, Lighter(paper, 0.25));
    AddStop(g, 0.6, paper);
    AddStop(g, 1, Hex(0xDDBF8A));
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Rng rng(seed);
    const int blots = static_cast<int>(w * h / 3000) + 6;
    for (int i = 0; i < blots; ++i) {
        const double bx = x + rng.Unit() * w, by = y + rng.Unit() * h, br = rng.Range(6, 40);
        cairo_pattern_t* b = cairo_pattern_create_radial(bx, by, 0, bx, by, br);
        AddStop(b, 0, Hex(0xB8925A), rng.Range(0.03, 0.09));
        AddStop(b, 1, Hex(0xB8925A), 0);
        cairo_set_source(cr, b);
        // Only the blot's own square: painting the whole clip for each blot was most of the cost.
        cairo_rectangle(cr, bx - br, by - br, 2 * br, 2 * br);
        cairo_fill(cr);
        cairo_pattern_destroy(b);
    }
    // Fine fibres.
    for (int i = 0; i < static_cast<int>(w * h / 900); ++i) {
        const double fx = x + rng.Unit() * w, fy = y + rng.Unit() * h, len = rng.Range(3, 10);
        const double a = rng.Range(0, M_PI);
        cairo_move_to(cr, fx, fy);
        cairo_line_to(cr, fx + len * std::cos(a), fy + len * std::sin(a));
        SetRgb(cr, Hex(0x9C7A4A), 0.08);
        cairo_set_line_width(cr, 0.7);
        cairo_stroke(cr);
    }
    InnerShade(cr, path, Hex(0x8A5A28), std::min(w, h) * 0.06, static_cast<int>(std::min(w, h) * 0.08) + 2,
               0.55);
}

void WoodPanel(cairo_t* cr, double x, double y, double w, double h, double radius, double border,
               std::uint64_t seed, bool parchment) {
    const PathFn outer = [=](cairo_t* c) { RoundedRect(c, x, y, w, h, radius); };
    const double ix = x + border, iy = y + border, iw = w - 2 * border, ih = h - 2 * border;
    const double ir = std::max(2.0, radius - border * 0.6);
    const PathFn inner = [=](cairo_t* c) { RoundedRect(c, ix, iy, iw, ih, ir); };
    DropShadow(cr, outer, 3, 5, static_cast<int>(border * 0.8) + 4, 0.55);
    {
        Saved s(cr);
        outer(cr);
        cairo_clip(cr);
        WoodGrain(cr, x, y, w, h, Hex(0x8A5530), seed);
    }
    Bevel(cr, outer, std::max(1.5, border * 0.16), 0.45, 0.5);
    // A carved groove halfway through the rim.
    const double gi = border * 0.45;
    const PathFn groove = [=](cairo_t* c) {
        RoundedRect(c, x + gi, y + gi, w - 2 * gi, h - 2 * gi, radius - gi * 0.5);
    };
    {
        Saved s(cr);
        groove(cr);
        cairo_set_line_width(cr, std::max(1.0, border * 0.1));
        cairo_set_source_rgba(cr, 0.18, 0.08, 0.02, 0.55);
        cairo_stroke(cr);
        cairo_translate(cr, -kLightX, -kLightY);
        groove(cr);
        cairo_set_source_rgba(cr, 1, 0.9, 0.7, 0.25);
        cairo_set_line_width(cr, std::max(0.8, border * 0.06));
        cairo_stroke(cr);
    }
    if (parchment) {
        Parchment(cr, inner, ix, iy, iw, ih, seed + 7);
    } else {
        Saved s(cr);
        inner(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_fill(cr);
    }
    // The inner edge is a recess: dark on the lit side, light on the far side.
    {
        Saved s(cr);
        inner(cr);
        cairo_set_line_width(cr, 2);
        cairo_set_source_rgba(cr, 0.2, 0.09, 0.02, 0.7);
        cairo_stroke(cr);
    }
}

void Button(cairo_t* cr, double x, double y, double w, double h, Rgb face, ButtonState state) {
    const double r = h * 0.42;
    const double press = state == ButtonState::Pressed ? 2 : 0;
    Rgb f = face;
    if (state == ButtonState::Over) f = Lighter(face, 0.22);
    if (state == ButtonState::Pressed) f = Darker(face, 0.15);
    if (state == ButtonState::Disabled)
        f = Mix(Mix(face, Rgb{0.5, 0.5, 0.5}, 0.8), Rgb{0.45, 0.42, 0.4}, 0.3);
    const PathFn rim = [=](cairo_t* c) { RoundedRect(c, x + 2, y + 2 + press * 0.5, w - 4, h - 6, r); };
    const double bw = std::max(3.0, h * 0.09);
    const PathFn inner = [=](cairo_t* c) {
        RoundedRect(c, x + 2 + bw, y + 2 + bw + press * 0.5, w - 4 - 2 * bw, h - 6 - 2 * bw, r - bw);
    };
    if (state != ButtonState::Pressed) DropShadow(cr, rim, 1, 3, 4, 0.5);
    else DropShadow(cr, rim, 0, 1, 2, 0.45);
    {
        Saved s(cr);
        rim(cr);
        cairo_clip(cr);
        WoodGrain(cr, x, y, w, h, state == ButtonState::Disabled ? Hex(0x6E6258) : Hex(0x7A4424), 77);
    }
    Bevel(cr, rim, 1.5, 0.5, 0.45);
    // Enamel face: a vertical gradient, lit from above.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + bw, 0, y + h - bw);
    AddStop(g, 0, Lighter(f, state == ButtonState::Pressed ? 0.1 : 0.35));
    AddStop(g, 0.55, f);
    AddStop(g, 1, Darker(f, 0.35));
    inner(cr);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    InnerShade(cr, inner, Rgb{0.1, 0.05, 0}, 2.5, 3, state == ButtonState::Pressed ? 0.7 : 0.35);
    if (state != ButtonState::Pressed && state != ButtonState::Disabled) {
        // Gloss on the upper half.
        Saved s(cr);
        inner(cr);
        cairo_clip(cr);
        cairo_pattern_t* gl = cairo_pattern_create_linear(0, y + bw, 0, y + h * 0.55);
        cairo_pattern_add_color_stop_rgba(gl, 0, 1, 1, 1, state == ButtonState::Over ? 0.5 : 0.38);
        cairo_pattern_add_color_stop_rgba(gl, 1, 1, 1, 1, 0.02);
        RoundedRect(cr, x + bw + 6, y + bw + 2, w - 2 * bw - 12, h * 0.42, r * 0.8);
        cairo_set_source(cr, gl);
        cairo_fill(cr);
        cairo_pattern_destroy(gl);
    }
    if (state == ButtonState::Over) {
        Saved s(cr);
        inner(cr);
        cairo_set_line_width(cr, 1.5);
        cairo_set_source_rgba(cr, 1, 0.95, 0.6, 0.8);
        cairo_stroke(cr);
    }
}

void FacetGem(cairo_t* cr, const std::vector<std::pair<double, double>>& outline, double cx, double cy, Rgb c,
              double table) {
    const size_t n = outline.size();
    // The table (top facet) sits slightly toward the light.
    std::vector<std::pair<double, double>> inner;
    for (const auto& p : outline)
        inner.emplace_back(cx + (p.first - cx) * table + kLightX * 1.2,
                           cy + (p.second - cy) * table + kLightY * 1.2);
    for (size_t i = 0; i < n; ++i) {
        const auto& a = outline[i];
        const auto& b = outline[(i + 1) % n];
        // Outward normal of the edge decides how much light the facet catches.
        double nx = b.second - a.second, ny = -(b.first - a.first);
        const double len = std::hypot(nx, ny);
        nx /= len;
        ny /= len;
        const double mx = (a.first + b.first) / 2 - cx, my = (a.second + b.second) / 2 - cy;
        if (nx * mx + ny * my < 0) {
            nx = -nx;
            ny = -ny;
        }
        const double lit = nx * kLightX + ny * kLightY;  // -1 .. 1
        Rgb fc = lit > 0 ? Lighter(c, 0.45 * lit) : Darker(c, -0.5 * lit);
        cairo_move_to(cr, a.first, a.second);
        cairo_line_to(cr, b.first, b.second);
        cairo_line_to(cr, inner[(i + 1) % n].first, inner[(i + 1) % n].second);
        cairo_line_to(cr, inner[i].first, inner[i].second);
        cairo_close_path(cr);
        SetRgb(cr, fc);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.6);
        SetRgb(cr, fc);
        cairo_stroke(cr);
    }
    // Table: a gradient from light (top left) to the body colour.
    double minx = 1e9, miny = 1e9, maxx = -1e9, maxy = -1e9;
    for (const auto& p : inner) {
        minx = std::min(minx, p.first);
        miny = std::min(miny, p.second);
        maxx = std::max(maxx, p.first);
        maxy = std::max(maxy, p.second);
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(minx, miny, maxx, maxy);
    AddStop(g, 0, Lighter(c, 0.5));
    AddStop(g, 0.6, Lighter(c, 0.12));
    AddStop(g, 1, c);
    PathFromPoints(cr, inner);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Facet edges, faintly.
    cairo_set_line_width(cr, 0.7);
    for (size_t i = 0; i < n; ++i) {
        cairo_move_to(cr, outline[i].first, outline[i].second);
        cairo_line_to(cr, inner[i].first, inner[i].second);
    }
    PathFromPoints(cr, inner);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.28);
    cairo_stroke(cr);
    // Rim.
    PathFromPoints(cr, outline);
    SetRgb(cr, Darker(c, 0.6), 0.9);
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Cabochon(cairo_t* cr, const PathFn& path, double x, double y, double w, double h, Rgb c) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w * 0.38, y + h * 0.32, 1, x + w * 0.5, y + h * 0.5,
                                                     std::max(w, h) * 0.62);
    AddStop(g, 0, Lighter(c, 0.55));
    AddStop(g, 0.45, c);
    AddStop(g, 1, Darker(c, 0.45));
    path(cr);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Light thrown through the stone onto its lower right.
    {
        Saved s(cr);
        path(cr);
        cairo_clip(cr);
        cairo_pattern_t* b =
            cairo_pattern_create_radial(x + w * 0.66, y + h * 0.72, 0, x + w * 0.66, y + h * 0.72, w * 0.3);
        AddStop(b, 0, Lighter(c, 0.4), 0.6);
        AddStop(b, 1, Lighter(c, 0.4), 0);
        cairo_set_source(cr, b);
        cairo_paint(cr);
        cairo_pattern_destroy(b);
    }
    path(cr);
    SetRgb(cr, Darker(c, 0.6), 0.9);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
}

void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    Saved s(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.6);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(g, 0.6, 1, 1, 1, alpha * 0.5);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Sparkle(cairo_t* cr, double cx, double cy, double r, double alpha) {
    Saved s(cr);
    cairo_translate(cr, cx, cy);
    cairo_move_to(cr, 0, -r);
    cairo_curve_to(cr, r * 0.12, -r * 0.12, r * 0.12, -r * 0.12, r, 0);
    cairo_curve_to(cr, r * 0.12, r * 0.12, r * 0.12, r * 0.12, 0, r);
    cairo_curve_to(cr, -r * 0.12, r * 0.12, -r * 0.12, r * 0.12, -r, 0);
    cairo_curve_to(cr, -r * 0.12, -r * 0.12, -r * 0.12, -r * 0.12, 0, -r);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, alpha);
    cairo_fill(cr);
}

double Lettering(cairo_t* cr, const std::string& text, double cx, double cy, const TextStyle& style) {
    Saved s(cr);
    TextStyle st = style;
    // A word with a letter the display face lacks is lettered whole in its fallback.
    if (st.face == Face::Display && !FaceHasAll(Face::Display, text)) st.face = Face::DisplayFallback;
    cairo_font_face_t* face = FontFace(st.face);
    if (face) cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, st.size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    const double inkWidth = ext.width + 2 * st.outlineWidth;
    if (st.maxWidth > 0 && inkWidth > st.maxWidth) {
        const double scale = st.maxWidth / inkWidth;
        st.size *= scale;
        st.outlineWidth *= std::max(scale, 0.6);
        cairo_set_font_size(cr, st.size);
        cairo_text_extents(cr, text.c_str(), &ext);
    }
    const double x = cx - ext.width / 2 - ext.x_bearing;
    const double y = cy - ext.height / 2 - ext.y_bearing;
    const PathFn path = [&](cairo_t* c) {
        if (face) cairo_set_font_face(c, face);
        cairo_set_font_size(c, st.size);
        cairo_move_to(c, x, y);
        cairo_text_path(c, text.c_str());
    };
    if (st.shadowAlpha > 0) {
        const PathFn thick = [&](cairo_t* c) {
            path(c);
            cairo_set_line_width(c, st.outlineWidth * 2);
            cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(c);
        };
        DropShadow(cr, thick, st.shadowDx, st.shadowDy, st.shadowBlur, st.shadowAlpha);
    }
    if (st.outlineWidth > 0) {
        path(cr);
        SetRgb(cr, st.outline);
        cairo_set_line_width(cr, st.outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + ext.y_bearing, 0, y + ext.y_bearing + ext.height);
    AddStop(g, 0, st.top);
    AddStop(g, 1, st.bottom);
    path(cr);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // A thin light edge on the top of the letters.
    {
        Saved t(cr);
        path(cr);
        cairo_clip(cr);
        cairo_translate(cr, 0, st.size * 0.03);
        path(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_rectangle(cr, -4000, -4000, 8000, 8000);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
        cairo_fill(cr);
    }
    return ext.width;
}

}  // namespace art
