// Small owning wrappers over Cairo and a deterministic random source, shared by
// every picture family of the art generator.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>

namespace art {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// A transparent ARGB32 picture of the given size.
SurfacePtr NewSurface(int w, int h);

// A Cairo context on a surface, destroyed with the wrapper.
class Ctx {
public:
    explicit Ctx(cairo_surface_t* s) : cr_(cairo_create(s)) {}
    ~Ctx() { cairo_destroy(cr_); }
    Ctx(const Ctx&) = delete;
    Ctx& operator=(const Ctx&) = delete;
    operator cairo_t*() const { return cr_; }

private:
    cairo_t* cr_;
};

// Saves the Cairo state for one scope.
class Saved {
public:
    explicit Saved(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
    ~Saved() { cairo_restore(cr_); }
    Saved(const Saved&) = delete;
    Saved& operator=(const Saved&) = delete;

private:
    cairo_t* cr_;
};

// xorshift64*: the same pictures on every machine and every run, which keeps the
// generated files byte-identical between builds.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
    std::uint64_t Next() {
        s_ ^= s_ >> 12;
        s_ ^= s_ << 25;
        s_ ^= s_ >> 27;
        return s_ * 2685821657736338717ull;
    }
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double a, double b) { return a + (b - a) * Unit(); }
    int Int(int a, int b) { return a + static_cast<int>(Next() % static_cast<std::uint64_t>(b - a + 1)); }

private:
    std::uint64_t s_;
};

}  // namespace art
