// Particles: small images that travel a quadratic path while their alpha,
// scale and rotation run from a start to an end value over their life.
//
// Particles live in a TParticleList: the global particleList, or a list a
// screen owns (smoke, water, construction dust). Unlike the other effect
// lists this is a contiguous vector: a particle removes itself only by ending
// its own life inside the list's walk, so the walk simply compacts the
// survivors in place, keeping list order. No allocation per frame once the
// vector has grown; see docs/effects.md.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "frame/value_types.h"
#include "platform/gfx_flatten.h"
#include "platform/platform.h"

class TParticleList;

class TParticle {
public:
    float startA = 0;
    float startS = 0;
    float startR = 0;
    float a = 0;
    float da = 0;
    float s = 0;
    float ds = 0;
    float r = 0;
    float dr = 0;
    int n = 0;
    TRGB rgb;
    float x = 0, y = 0;
    int blend = GFX_BLEND_LIGHT;
    float sx = 1, sy = 1;
    int startTime = 0;  // before it the particle neither moves nor shows
    int bornTime = 0;   // clock time of its first update at or after startTime
    int lifeTime = 1;   // ms
    float lifePer = 0;  // 0..1
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float per = 0;
    float mx = 0, my = 0;
    TParticleList* list = nullptr;
    float deadAlpha = 0;  // non-zero: the peak of a fade-in-fade-out alpha

    // Loads the particle image table (once at loading).
    static void setup();

    void update();
    void draw() const;
    // The same, against a clock time read once by the caller.
    void updateAt(int now);
    void drawAt(int now) const;
    // Ends the particle: it leaves its list (during a walk, once the walk has
    // drawn it).
    void destroy();

    void _updateTime(int now);
    void _updateAlpha();
    void _updateScale();
    void _updatePosition();
    void _updateMove();

    bool isDead() const { return dead_; }

private:
    friend class TParticleList;
    bool born_ = false;  // bornTime is set (a clock time of 0 is a valid birth)
    bool dead_ = false;
};

// Points at a particle just created, so the caller can adjust it (deadAlpha,
// sx, sy). Stays valid until its list is next walked or cleared; empty when
// nothing was created.
class TParticleRef {
public:
    TParticleRef() = default;
    TParticleRef(TParticleList* list, std::size_t index, bool pending)
        : list_(list), index_(index), pending_(pending) {}
    explicit operator bool() const { return list_ != nullptr; }
    TParticle* get() const;
    TParticle* operator->() const { return get(); }
    TParticle& operator*() const { return *get(); }

private:
    TParticleList* list_ = nullptr;
    std::size_t index_ = 0;
    bool pending_ = false;  // created during a walk of its list
};

class TParticleList {
public:
    TParticleList() = default;
    TParticleList(const TParticleList&) = delete;
    TParticleList& operator=(const TParticleList&) = delete;

    TParticleRef add(const TParticle& p);
    // Update then draw of every particle in list order; ended particles leave
    // the list after being drawn once more.
    void updateAndDraw(int now);
    // The same, drawn in few calls: each run of consecutive particles of one
    // picture and blend mode is one batch (the village's thousands of sparkles).
    // With `through`, light seen through still pictures drawn over it (GfxDrawImageBatch).
    void updateAndDrawBatched(int now, const std::shared_ptr<const GfxLightThrough>& through = nullptr);
    // Update only (for simulation without drawing).
    void update(int now);
    void clear();
    // Ends one particle of this list.
    void remove(TParticle* p);

    // Live particles.
    std::size_t size() const { return items_.size() + pending_.size() - deadCount_; }
    bool empty() const { return size() == 0; }
    // Read access in list order (particles created during a walk come last);
    // a particle ended outside a walk is still seen here until the next walk.
    const TParticle& at(std::size_t i) const {
        return i < items_.size() ? items_[i] : pending_[i - items_.size()];
    }
    // Keeps room for n particles so that growing to n allocates nothing.
    void reserve(std::size_t n) { items_.reserve(n); }

private:
    friend class TParticleRef;
    template <class Step>
    void walk(int now, Step step);

    std::vector<TParticle> items_;
    std::vector<TParticle> pending_;  // created while walking, appended after
    bool walking_ = false;
    std::size_t deadCount_ = 0;  // ended outside a walk, not yet dropped
};

extern TParticleList particleList;
extern std::array<Image, 20> particleImages;  // slots 17..19 stay empty

// Creates a particle travelling from (x1, y1) through (mx, my) to (x2, y2),
// its alpha, scale and rotation going from the start to the end value, shown
// with the blend mode after delay ms for lifeTime ms. Appends it to list (the
// global particleList when null). A start point of exactly (0, 0) creates
// nothing and returns an empty reference.
TParticleRef CreateParticle(int n, float x1, float y1, float x2, float y2, float mx, float my,
                            const TRGB& rgb, float startAlpha, float endAlpha, float startScale,
                            float endScale, float startRotation, float endRotation, int blend, int delay,
                            int lifeTime, TParticleList* list = nullptr);
// Update then draw of each particle of list (particleList when null), then
// the drawing state back to scale 1, alpha blending, white, alpha 1, rotation 0.
void DrawParticles(TParticleList* list = nullptr);
// DrawParticles in batches (updateAndDrawBatched); looks the same within the
// renderer's sampling, costs a fraction for lists of thousands.
void DrawParticlesBatched(TParticleList* list,
                          const std::shared_ptr<const GfxLightThrough>& through = nullptr);
void ClearParticles(TParticleList* list = nullptr);
