#include "platform/gfx_turn_sampling.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/angles.h"
#include "platform/gfx_turned.h"

namespace {
constexpr float kMaxTurnedSide = 4096;
constexpr long kMaxBoxPixels = 1L << 19;
constexpr float kMaxPlace = 1e6f;

// floor and ceil of a value already within int range, without the library calls.
inline int Floor(double v) {
    const int i = static_cast<int>(v);
    return i > v ? i - 1 : i;
}
inline int Ceil(double v) {
    const int i = static_cast<int>(v);
    return i < v ? i + 1 : i;
}

// First and last step i of u0 + i * du that lies strictly inside (lo, hi), `perStep` being 1 / du;
// empty when first > last.
void Inside(double u0, double du, double perStep, double lo, double hi, int& first, int& last) {
    if (du == 0) {
        if (!(u0 > lo && u0 < hi)) last = -1;
        return;
    }
    double a = (lo - u0) * perStep, b = (hi - u0) * perStep;
    if (a > b) std::swap(a, b);
    // Kept within the row before turning into whole steps: a nearly straight turn steps very
    // little and puts the ends far off.
    const double end = static_cast<double>(last) + 2;
    first = std::max(first, Floor(std::clamp(a, -2.0, end)) + 1);
    last = std::min(last, Ceil(std::clamp(b, -2.0, end)) - 1);
}

// The screen box the turned picture may touch, in whole pixels.
SDL_Rect TurnedBox(const TurnKey& k) {
    const double rad = DegToRad(k.angle);
    const double cs = std::cos(rad), sn = std::sin(rad);
    const double xs[2] = {-k.cx, k.dw - k.cx}, ys[2] = {-k.cy, k.dh - k.cy};
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (double x : xs) {
        for (double y : ys) {
            const double sx = k.px + x * cs - y * sn, sy = k.py + x * sn + y * cs;
            x0 = std::min(x0, sx);
            x1 = std::max(x1, sx);
            y0 = std::min(y0, sy);
            y1 = std::max(y1, sy);
        }
    }
    const int bx = static_cast<int>(std::floor(x0)), by = static_cast<int>(std::floor(y0));
    return SDL_Rect{bx, by, static_cast<int>(std::ceil(x1)) - bx, static_cast<int>(std::ceil(y1)) - by};
}
}  // namespace

std::size_t TurnKeyHash::operator()(const TurnKey& k) const {
    std::size_t h = std::hash<const void*>()(k.img);
    for (float f : {k.dw, k.dh, k.cx, k.cy, k.px, k.py, k.angle}) {
        h = h * 1000003u ^ std::hash<float>()(f);
    }
    return h * 1000003u ^ k.tint;
}

TurnSource MakeTurnSource(const Image& img) {
    std::vector<std::uint8_t> rgba;
    if (!img || !GfxImagePixels(*img, rgba)) return {};
    const int w = img->w, h = img->h;
    if (rgba.size() != static_cast<std::size_t>(w) * h * 4) return {};
    TurnSource s{img, w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w + 2) * (h + 2), 0)};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * w + x) * 4];
            s.argb[static_cast<std::size_t>(y + 1) * (w + 2) + x + 1] =
                static_cast<std::uint32_t>(p[3]) << 24 | static_cast<std::uint32_t>(p[0]) << 16 |
                static_cast<std::uint32_t>(p[1]) << 8 | p[2];
        }
    }
    return s;
}

bool TurnKeyFor(const Image& img, float x, float y, float sx, float sy, float angle, std::uint32_t tint,
                TurnKey& key, float& wholeX, float& wholeY, SDL_Rect& box) {
    // A place that is no number, or far beyond any screen, has no whole pixel to land in.
    if (!(std::fabs(x) <= kMaxPlace) || !(std::fabs(y) <= kMaxPlace) || !std::isfinite(angle)) return false;
    key.img = img.get();
    key.dw = img->w * sx;
    key.dh = img->h * sy;
    key.cx = img->hx * sx;
    key.cy = img->hy * sy;
    wholeX = std::floor(x);
    wholeY = std::floor(y);
    key.px = std::round((x - wholeX) * kTurnSpotSteps) / kTurnSpotSteps;
    key.py = std::round((y - wholeY) * kTurnSpotSteps) / kTurnSpotSteps;
    key.angle = angle;
    key.tint = tint;
    if (!(key.dw >= 1) || !(key.dh >= 1) || key.dw > kMaxTurnedSide || key.dh > kMaxTurnedSide) return false;
    box = TurnedBox(key);
    return box.w > 0 && box.h > 0 && static_cast<long>(box.w) * box.h <= kMaxBoxPixels;
}

TurnTracer::TurnTracer(const TurnSource& src, const TurnKey& key, const SDL_Rect& box)
    : src_(src), key_(key), box_(box) {
    const double rad = DegToRad(key.angle);
    cs_ = std::cos(rad);
    sn_ = std::sin(rad);
    // Texels per drawn pixel, and the steps of the traced point along a row of the box.
    ux_ = src.w / static_cast<double>(key.dw);
    uy_ = src.h / static_cast<double>(key.dh);
    du_ = cs_ * ux_;
    dv_ = -sn_ * uy_;
    perU_ = du_ != 0 ? 1 / du_ : 0;
    perV_ = dv_ != 0 ? 1 / dv_ : 0;
}

TurnRow TurnTracer::Row(int j) const {
    const double ex = box_.x + 0.5 - key_.px, ey = box_.y + j + 0.5 - key_.py;
    // At the row's first pixel, in texels of the bordered picture (centres at .5).
    const double u0 = (ex * cs_ + ey * sn_ + key_.cx) * ux_ + 0.5,
                 v0 = (-ex * sn_ + ey * cs_ + key_.cy) * uy_ + 0.5;
    TurnRow row;
    row.first = 0;
    row.last = box_.w - 1;
    Inside(u0, du_, perU_, 0, src_.w + 1, row.first, row.last);
    Inside(v0, dv_, perV_, 0, src_.h + 1, row.first, row.last);
    // 16.16 fixed point from here on.
    row.u = static_cast<std::int64_t>((u0 + row.first * du_) * 65536);
    row.v = static_cast<std::int64_t>((v0 + row.first * dv_) * 65536);
    row.stepU = static_cast<std::int64_t>(du_ * 65536);
    row.stepV = static_cast<std::int64_t>(dv_ * 65536);
    return row;
}
