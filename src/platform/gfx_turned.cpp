// Turned pictures in the software renderer: a turned copy made in one bilinear pass, kept, and
// blended unscaled (see gfx_turned.h).
#include "platform/gfx_turned.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx_turn_sampling.h"

namespace {
// Enough for every sparkle of a busy board frame; the pixels bound the memory (4 MiB).
constexpr std::size_t kMaxCopies = 256;
constexpr long kMaxPixels = 1L << 20;
// A caption turned as it swings in needs a new copy every frame and a copy that large is seldom
// drawn again: large copies share a quarter of the bound, so one caption holds one copy at a time.
constexpr long kLargeCopy = 1L << 16;
constexpr long kMaxLargePixels = kMaxPixels / 4;

struct Copy {
    TurnKey key;
    std::weak_ptr<GfxImageData> img;  // the key's picture: another may come at its address
    SDL_Texture* tex = nullptr;
    int texW = 0, texH = 0;
    SDL_Rect box{0, 0, 0, 0};  // where it lands, from the whole pixel the handle lands in
    GfxTexMods mods;
    long lastUse = 0;
};

struct Cache {
    unsigned generation = 0;
    std::unordered_map<const GfxImageData*, TurnSource> sources;
    std::vector<Copy> copies;
    std::unordered_map<TurnKey, std::size_t, TurnKeyHash> index;
    long clock = 0;
    long pixels = 0;       // of every copy's texture
    long largePixels = 0;  // of the large ones among them
    // One texture for turns drawn once and not kept (GfxDrawTurnedOnce), turned anew each time.
    SDL_Texture* once = nullptr;
    int onceW = 0, onceH = 0;
};

long TexturePixels(const Copy& copy) { return static_cast<long>(copy.texW) * copy.texH; }
bool IsLarge(long pixels) { return pixels >= kLargeCopy; }

// Books a copy's texture in or out of the bounds (`sign` +1 or -1).
void Count(Cache& c, const Copy& copy, int sign) {
    const long pixels = TexturePixels(copy);
    c.pixels += sign * pixels;
    if (IsLarge(pixels)) c.largePixels += sign * pixels;
}

Cache& TheCache() {
    static Cache cache;
    return cache;
}

void DestroyTextures(Cache& c) {
    const GfxState& g = GfxS();
    const bool ours = c.generation == g.generation && g.renderer != nullptr;
    for (Copy& copy : c.copies) {
        if (copy.tex != nullptr && ours) SDL_DestroyTexture(copy.tex);
    }
    if (c.once != nullptr && ours) SDL_DestroyTexture(c.once);
    c.once = nullptr;
    c.onceW = c.onceH = 0;
}

// Drops every copy; their textures are destroyed unless they went with their renderer.
void Reset(Cache& c) {
    DestroyTextures(c);
    c.copies.clear();
    c.index.clear();
    c.sources.clear();
    c.pixels = c.largePixels = 0;
    c.generation = GfxS().generation;
}

// The cache, emptied first when the renderer changed since its copies were made.
Cache& CurrentCache() {
    Cache& c = TheCache();
    if (c.generation != GfxS().generation) Reset(c);
    return c;
}

const TurnSource* SourceOf(Cache& c, const Image& img) {
    auto it = c.sources.find(img.get());
    if (it != c.sources.end() && it->second.img.lock() == img && it->second.w == img->w &&
        it->second.h == img->h) {
        return &it->second;
    }
    TurnSource s = MakeTurnSource(img);
    if (s.argb.empty()) return nullptr;
    // Pictures gone since are forgotten as new ones come.
    std::erase_if(c.sources, [](const auto& kv) { return kv.second.img.expired(); });
    return &(c.sources[img.get()] = std::move(s));
}

// The picture turned into `out` (box.w x box.h, rows `pitch` pixels apart); outside the picture
// transparent.
void Turn(const TurnSource& src, const TurnKey& k, const SDL_Rect& box, std::uint32_t* out, int pitch) {
    const TurnTracer tracer(src, k, box);
    const auto tint = TurnTintLanes(k.tint);
    const int stride = src.w + 2;
    for (int j = 0; j < box.h; ++j) {
        std::uint32_t* row = out + static_cast<std::ptrdiff_t>(j) * pitch;
        std::fill(row, row + box.w, 0u);
        const TurnRow traced = tracer.Row(j);
        TraceRow(src, traced, traced.first, traced.last,
                 [&](int i, const std::uint32_t* t, std::uint32_t fx, std::uint32_t fy) {
                     row[i] = TurnMix(t, stride, fx, fy, tint);
                 });
    }
}

// Lets a copy's texture go; the slot stays, empty.
void Drop(Cache& c, Copy& copy) {
    const GfxState& g = GfxS();
    if (copy.tex != nullptr && c.generation == g.generation && g.renderer != nullptr)
        SDL_DestroyTexture(copy.tex);
    Count(c, copy, -1);
    copy.tex = nullptr;
    copy.texW = copy.texH = 0;
    c.index.erase(copy.key);
    copy.key = TurnKey();
    copy.lastUse = 0;
}

// The least recently used copy holding a texture (a large one when `large`); null when none.
Copy* Oldest(Cache& c, bool large) {
    Copy* oldest = nullptr;
    for (Copy& copy : c.copies) {
        if (copy.tex == nullptr || (large && !IsLarge(TexturePixels(copy)))) continue;
        if (oldest == nullptr || copy.lastUse < oldest->lastUse) oldest = &copy;
    }
    return oldest;
}

// A slot for a new copy of `pixels`: the least recently used copies go until it fits under the
// bounds; then a new slot while there are fewer than the most, else the least recently used.
Copy& FreeSlot(Cache& c, long pixels) {
    const auto byAge = [](const Copy& a, const Copy& b) { return a.lastUse < b.lastUse; };
    while (IsLarge(pixels) && c.largePixels + pixels > kMaxLargePixels) {
        Copy* oldest = Oldest(c, true);
        if (oldest == nullptr) break;
        Drop(c, *oldest);
    }
    while (c.pixels + pixels > kMaxPixels) {
        Copy* oldest = Oldest(c, false);
        if (oldest == nullptr) break;
        Drop(c, *oldest);
    }
    if (c.copies.size() < kMaxCopies) {
        c.copies.emplace_back();
        return c.copies.back();
    }
    auto oldest = std::min_element(c.copies.begin(), c.copies.end(), byAge);
    c.index.erase(oldest->key);
    return *oldest;
}

bool Make(Cache& c, Copy& copy, const TurnSource& src, const TurnKey& key, const SDL_Rect& box) {
    const GfxState& g = GfxS();
    const bool tooSmall = copy.texW < box.w || copy.texH < box.h;
    const bool tooBig = copy.texW * copy.texH > 4 * (box.w + 8) * (box.h + 8);
    if (copy.tex == nullptr || tooSmall || tooBig) {
        if (copy.tex != nullptr) SDL_DestroyTexture(copy.tex);
        Count(c, copy, -1);
        // A little room, so that a sparkle growing by a pixel keeps its texture.
        copy.texW = box.w + 8;
        copy.texH = box.h + 8;
        // Streaming: the turn is written straight into the texture's pixels, with no copy of
        // them on the side.
        copy.tex = SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                     copy.texW, copy.texH);
        copy.mods = GfxTexMods();
        if (copy.tex == nullptr) {
            copy.texW = copy.texH = 0;
            return false;
        }
        Count(c, copy, +1);
        SDL_SetTextureBlendMode(copy.tex, SDL_BLENDMODE_BLEND);
    }
    const SDL_Rect part{0, 0, box.w, box.h};
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(copy.tex, &part, &pixels, &pitch) != 0) return false;
    Turn(src, key, box, static_cast<std::uint32_t*>(pixels), pitch / 4);
    SDL_UnlockTexture(copy.tex);
    copy.key = key;
    copy.box = box;
    return true;
}

void ApplyBlend(Copy& copy) {
    const GfxState& s = GfxS();
    if (copy.mods.blend != s.sdlBlend) {
        SDL_SetTextureBlendMode(copy.tex, s.sdlBlend);
        copy.mods.blend = s.sdlBlend;
    }
}

bool turnedCopiesAllowed = true;

// Whether turns of this size, angle and blend are drawn here rather than by SDL.
bool ThisPathTurns(float sx, float sy, float angle, SDL_BlendMode blend) {
    const GfxState& s = GfxS();
    if (!turnedCopiesAllowed || !s.softwareRenderer || s.pixelScaleX != 1.0f || s.pixelScaleY != 1.0f)
        return false;
    // Quarter turns are exact pixel moves in SDL already.
    if (!std::isfinite(angle) || angle == 0 || std::fmod(angle, 90.0f) == 0) return false;
    if (!(sx > 0) || !(sy > 0)) return false;
    return blend == SDL_BLENDMODE_BLEND || blend == SDL_BLENDMODE_ADD;
}

bool ThisPathDraws(const GfxImageData& img) {
    const GfxState& s = GfxS();
    // An opaque picture at full opacity is copied, not blended (gfx_state.cpp).
    const bool copied = img.opaque && s.colA == 255 && s.sdlBlend == SDL_BLENDMODE_BLEND;
    return !copied && ThisPathTurns(s.scaleX, s.scaleY, s.rotation, s.sdlBlend);
}

}  // namespace

bool GfxDrawTurnedOnce(const Image& img, float x, float y, float sx, float sy, float angle, SDL_Color tint,
                       SDL_BlendMode blend) {
    if (!img || img->w <= 0 || img->h <= 0 || !ThisPathTurns(sx, sy, angle, blend)) return false;
    const GfxState& s = GfxS();
    Cache& c = CurrentCache();
    TurnKey key;
    float wholeX = 0, wholeY = 0;
    SDL_Rect box{0, 0, 0, 0};
    if (!TurnKeyFor(img, x, y, sx, sy, angle, TurnTint(tint.r, tint.g, tint.b, tint.a), key, wholeX, wholeY,
                    box))
        return false;
    if (tint.a == 0) return true;  // draws nothing
    const TurnSource* src = SourceOf(c, img);
    if (src == nullptr) return false;
    if (c.once == nullptr || c.onceW < box.w || c.onceH < box.h) {
        if (c.once != nullptr) SDL_DestroyTexture(c.once);
        c.onceW = std::max(c.onceW, box.w + 8);
        c.onceH = std::max(c.onceH, box.h + 8);
        c.once = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, c.onceW,
                                   c.onceH);
        if (c.once == nullptr) {
            c.onceW = c.onceH = 0;
            return false;
        }
    }
    // Locking waits for the draws of the last turn still queued.
    const SDL_Rect part{0, 0, box.w, box.h};
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(c.once, &part, &pixels, &pitch) != 0) return false;
    Turn(*src, key, box, static_cast<std::uint32_t*>(pixels), pitch / 4);
    SDL_UnlockTexture(c.once);
    SDL_SetTextureBlendMode(c.once, blend);
    const SDL_Rect at{box.x + static_cast<int>(wholeX), box.y + static_cast<int>(wholeY), box.w, box.h};
    SDL_RenderCopy(s.renderer, c.once, &part, &at);
    return true;
}

bool GfxDrawTurnedCopy(const Image& img, float x, float y) {
    if (!img || img->w <= 0 || img->h <= 0 || !ThisPathDraws(*img)) return false;
    const GfxState& s = GfxS();
    Cache& c = CurrentCache();
    TurnKey key;
    float wholeX = 0, wholeY = 0;
    SDL_Rect box{0, 0, 0, 0};
    if (!TurnKeyFor(img, x + s.originX, y + s.originY, s.scaleX, s.scaleY, s.rotation,
                    TurnTint(s.colR, s.colG, s.colB, s.colA), key, wholeX, wholeY, box))
        return false;
    const long pixels = static_cast<long>(box.w) * box.h;

    Copy* copy = nullptr;
    auto found = c.index.find(key);
    if (found != c.index.end() && c.copies[found->second].img.lock() != img) {
        c.copies[found->second].key = TurnKey();  // made from a picture gone since
        c.index.erase(found);
        found = c.index.end();
    }
    if (found != c.index.end()) {
        copy = &c.copies[found->second];
    } else {
        const TurnSource* src = SourceOf(c, img);
        if (src == nullptr) return false;
        Copy& slot = FreeSlot(c, pixels + 64L * (box.w + box.h));
        if (!Make(c, slot, *src, key, box)) {
            c.index.erase(slot.key);
            slot.key = TurnKey();
            return false;
        }
        slot.img = img;
        copy = &slot;
        c.index[key] = static_cast<std::size_t>(copy - c.copies.data());
    }
    copy->lastUse = ++c.clock;
    ApplyBlend(*copy);
    const SDL_Rect part{0, 0, copy->box.w, copy->box.h};
    const SDL_Rect at{copy->box.x + static_cast<int>(wholeX), copy->box.y + static_cast<int>(wholeY),
                      copy->box.w, copy->box.h};
    SDL_RenderCopy(s.renderer, copy->tex, &part, &at);
    return true;
}

bool GfxTurnsHere(float sx, float sy, float angle, SDL_BlendMode blend) {
    return ThisPathTurns(sx, sy, angle, blend);
}

const TurnSource* GfxTurnSourceOf(const Image& img) {
    return img && img->w > 0 && img->h > 0 ? SourceOf(CurrentCache(), img) : nullptr;
}

bool GfxTurnedCopyNeedsPixels(const GfxImageData& img) {
    if (!turnedCopiesAllowed || !GfxS().softwareRenderer) return false;
    const Cache& c = TheCache();
    const auto it = c.sources.find(&img);
    return c.generation != GfxS().generation || it == c.sources.end() || it->second.img.expired() ||
           it->second.w != img.w || it->second.h != img.h;
}

void GfxPrefetchTurnedPixels(const std::vector<Image>& images) {
    std::vector<std::string> paths;
    for (const Image& img : images) {
        if (!img || img->source.empty() || !GfxTurnedCopyNeedsPixels(*img)) continue;
        if (img->rgba.empty()) {
            paths.push_back(img->source);
            continue;
        }
        // Not drawn yet, its pixels still here: kept for its turns before the texture takes them.
        SourceOf(CurrentCache(), img);
    }
    if (!paths.empty()) GfxPrefetchImages(paths);
}

void GfxLetTurnedCopiesGo() {
    Cache& c = TheCache();
    DestroyTextures(c);
    c.copies.clear();
    c.index.clear();
    c.pixels = c.largePixels = 0;
}

void GfxSetTurnedCopies(bool allowed) { turnedCopiesAllowed = allowed; }

long GfxTurnedCopyPixels() { return TheCache().pixels; }

std::size_t GfxTurnedCopiesHeld() { return TheCache().copies.size(); }

void GfxDropTurnedCopies() { Reset(TheCache()); }
