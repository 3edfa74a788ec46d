#include "effects/particles.h"

#include <string>

#include "effects/effect_math.h"
#include "frame/globals.h"
#include "platform/gfx_batch.h"

TParticleList particleList;
std::array<Image, 20> particleImages;

namespace {

const char* const kParticleFiles[17] = {
    "part0.png",   "part1.png", "part2.png", "part3.png",   "part4.png",   "1.png",
    "2.png",       "3.png",     "4.png",     "5.png",       "6.png",       "cloud-1.png",
    "cloud-2.png", "chain.png", "rain.png",  "cloud-3.png", "cloud-4.png",
};

}  // namespace

// ---------------------------------------------------------------------------
// TParticle
// ---------------------------------------------------------------------------
void TParticle::setup() {
    for (int i = 0; i < 17; ++i) {
        Image img = GfxLoadImage(gameDir + "gfx/particles/" + kParticleFiles[i], GFX_IMAGE_DEFAULT);
        if (img) GfxMidHandle(img);
        particleImages[static_cast<std::size_t>(i)] = img;
    }
}

void TParticle::_updateTime(int now) {
    if (!born_) {
        born_ = true;
        bornTime = now;
    }
    const int elapsed = now - bornTime;
    // A life of 0 ms (or less) is over at once instead of dividing by zero.
    lifePer = lifeTime > 0 ? static_cast<float>(elapsed) / static_cast<float>(lifeTime) : 1.0f;
    if (lifePer > 1) lifePer = 1;
    if (elapsed > lifeTime) destroy();
}

void TParticle::_updateAlpha() {
    if (deadAlpha == 0) {
        a = startA + (da - startA) * lifePer;
    } else if (lifePer <= 0.5f) {
        a = startA + (deadAlpha - startA) * (lifePer / 0.5f);
    } else {
        a = startA + (deadAlpha - startA) * (1 - (lifePer - 0.5f) / 0.5f);
    }
}

void TParticle::_updateScale() { s = startS + (ds - startS) * lifePer; }

void TParticle::_updateMove() {
    per = lifePer;
    x = QuadPath(x1, mx, x2, per);
    y = QuadPath(y1, my, y2, per);
}

void TParticle::_updatePosition() { r = startR + (dr - startR) * lifePer; }

void TParticle::updateAt(int now) {
    if (now < startTime) return;
    _updateTime(now);
    _updateAlpha();
    _updateScale();
    _updateMove();
    _updatePosition();
}

void TParticle::drawAt(int now) const {
    if (now < startTime) return;
    const Image& img = particleImages[static_cast<std::size_t>(n) % particleImages.size()];
    if (!img || n < 0) return;
    GfxSetBlend(blend);
    GfxSetRotation(r);
    SetColorRGB(rgb);
    GfxSetAlpha(a);
    GfxSetScale(s * sx, s * sy);
    // The position equals the path point of the last update (per == lifePer).
    GfxDrawImage(img, QuadPath(x1, mx, x2, per), QuadPath(y1, my, y2, per), 0);
}

void TParticle::update() { updateAt(SysMillisecs()); }
void TParticle::draw() const { drawAt(SysMillisecs()); }

void TParticle::destroy() {
    if (list) {
        list->remove(this);
    } else {
        dead_ = true;
    }
}

// ---------------------------------------------------------------------------
// TParticleRef
// ---------------------------------------------------------------------------
TParticle* TParticleRef::get() const {
    if (!list_) return nullptr;
    auto& v = pending_ ? list_->pending_ : list_->items_;
    return index_ < v.size() ? &v[index_] : nullptr;
}

// ---------------------------------------------------------------------------
// TParticleList
// ---------------------------------------------------------------------------
TParticleRef TParticleList::add(const TParticle& p) {
    auto& v = walking_ ? pending_ : items_;
    v.push_back(p);
    v.back().list = this;
    return TParticleRef(this, v.size() - 1, walking_);
}

template <class Step>
void TParticleList::walk(int now, Step step) {
    walking_ = true;
    std::size_t keep = 0;
    const std::size_t count = items_.size();
    for (std::size_t i = 0; i < count; ++i) {
        TParticle& p = items_[i];
        if (p.dead_) continue;  // ended outside a walk
        step(p, now);
        if (p.dead_) continue;
        if (keep != i) items_[keep] = p;
        ++keep;
    }
    items_.resize(keep);
    walking_ = false;
    deadCount_ = 0;
    for (const TParticle& p : pending_) {
        if (!p.dead_) items_.push_back(p);
    }
    pending_.clear();
}

void TParticleList::updateAndDraw(int now) {
    walk(now, [](TParticle& p, int t) {
        p.updateAt(t);
        p.drawAt(t);
    });
}

void TParticleList::updateAndDrawBatched(int now, const std::shared_ptr<const GfxLightThrough>& through) {
    // Kept between walks so that a frame of batches allocates nothing.
    static std::vector<GfxSprite> batch;
    batch.clear();
    int batchImage = -1, batchBlend = 0;
    auto flush = [&] {
        if (!batch.empty())
            GfxDrawImageBatch(particleImages[static_cast<std::size_t>(batchImage)], batchBlend, batch.data(),
                              batch.size(), through);
        batch.clear();
    };
    walk(now, [&](TParticle& p, int t) {
        p.updateAt(t);
        // What drawAt would draw, as one sprite of the current run.
        if (t < p.startTime || p.n < 0) return;
        const int slot = p.n % static_cast<int>(particleImages.size());
        if (!particleImages[static_cast<std::size_t>(slot)]) return;
        if (slot != batchImage || p.blend != batchBlend) {
            flush();
            batchImage = slot;
            batchBlend = p.blend;
        }
        GfxSprite s;
        s.x = QuadPath(p.x1, p.mx, p.x2, p.per);
        s.y = QuadPath(p.y1, p.my, p.y2, p.per);
        s.sx = p.s * p.sx;
        s.sy = p.s * p.sy;
        s.rotation = p.r;
        // Whole colour steps, as SetColorRGB gives them.
        s.r = static_cast<float>(static_cast<int>(p.rgb.r));
        s.g = static_cast<float>(static_cast<int>(p.rgb.g));
        s.b = static_cast<float>(static_cast<int>(p.rgb.b));
        s.a = p.a;
        batch.push_back(s);
    });
    flush();
}

void TParticleList::update(int now) {
    walk(now, [](TParticle& p, int t) { p.updateAt(t); });
}

void TParticleList::clear() {
    if (walking_) {
        // The walk in progress drops them as it passes.
        for (TParticle& p : items_) p.dead_ = true;
    } else {
        items_.clear();
    }
    pending_.clear();
    deadCount_ = 0;
}

void TParticleList::remove(TParticle* p) {
    // Only marked: the next walk drops it (a walk in progress after drawing
    // it), so a particle may end itself from inside its own update.
    if (!p || p->dead_) return;
    p->dead_ = true;
    if (!walking_) ++deadCount_;
}

// ---------------------------------------------------------------------------
// Free functions
// ---------------------------------------------------------------------------
TParticleRef CreateParticle(int n, float x1, float y1, float x2, float y2, float mx, float my,
                            const TRGB& rgb, float startAlpha, float endAlpha, float startScale,
                            float endScale, float startRotation, float endRotation, int blend, int delay,
                            int lifeTime, TParticleList* list) {
    if (x1 == 0 && y1 == 0) return {};
    TParticle p;
    p.n = n;
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
    p.mx = mx;
    p.my = my;
    p.x = x1;
    p.y = y1;
    p.rgb = rgb;
    p.startA = p.a = startAlpha;
    p.da = endAlpha;
    p.startS = p.s = startScale;
    p.ds = endScale;
    p.startR = p.r = startRotation;
    p.dr = endRotation;
    p.blend = blend;
    p.startTime = SysMillisecs() + delay;
    p.lifeTime = lifeTime;
    return (list ? list : &particleList)->add(p);
}

void DrawParticles(TParticleList* list) {
    (list ? list : &particleList)->updateAndDraw(SysMillisecs());
    GfxResetDrawState();
}

void DrawParticlesBatched(TParticleList* list, const std::shared_ptr<const GfxLightThrough>& through) {
    (list ? list : &particleList)->updateAndDrawBatched(SysMillisecs(), through);
    GfxResetDrawState();
}

void ClearParticles(TParticleList* list) { (list ? list : &particleList)->clear(); }
