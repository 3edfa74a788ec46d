#include "village/village_ambience.h"

#include "effects/particles.h"
#include "quest/profile.h"

const std::array<TChimney, CHIMNEY_COUNT> chimneys = {{
    {205, 234, 250, 150, 200, 16},
    {667, 422, 250, 50, 100, 15},
    {686, 430, 150, 50, 100, 3},
    {767, 547, 250, 150, 200, 5},
    {830, 402, 50, 150, 200, 9},
    {875, 506, 250, 150, 200, 1},
}};

ChimneysLit ChimneysLitBy(const TProfile* owner) {
    ChimneysLit lit{};
    for (int k = 0; k < CHIMNEY_COUNT; ++k)
        lit[k] = owner == nullptr || owner->HaveItem(chimneys[k].smokeItem);
    return lit;
}

void UpdateSmoke(int now, ChimneyTimers& next, const ChimneysLit& lit, TParticleList& list) {
    for (int k = 0; k < CHIMNEY_COUNT; ++k) {
        if (!lit[k] || now < next[k]) continue;
        const TChimney& c = chimneys[k];
        next[k] = now + c.interval;
        const int x2 = c.x + RandInt(-5, 5);
        const int y2 = c.y - RandInt(80, 120);
        const float g = static_cast<float>(RandInt(c.greyLo, c.greyHi));
        const float spin = static_cast<float>(360 + RandInt(-90, 90));
        auto p = CreateParticle(11, static_cast<float>(c.x), static_cast<float>(c.y), static_cast<float>(x2),
                                static_cast<float>(y2), static_cast<float>((c.x + x2) / 2),
                                static_cast<float>((c.y + y2) / 2), NewRGB(g, g, g), 0, 1, 0.1f, 0.5f, 0,
                                spin, GFX_BLEND_ALPHA, RandInt(0, 250), 3000 + RandInt(0, 500), &list);
        if (p) p->deadAlpha = 1;
    }
}

bool IsRainyLevel(int questLevelId) {
    switch (questLevelId) {
        case 12:
        case 33:
        case 60:
        case 71:
        case 90:
            return true;
        default:
            return false;
    }
}

void UpdateRain(int now, int& next, TParticleList& list) {
    if (now < next) return;
    next = now + RAIN_INTERVAL;
    for (int i = 0; i < RAIN_BATCH; ++i) {
        const float x1 = static_cast<float>(RandInt(0, 1024));
        const float y1 = static_cast<float>(RandInt(0, 768));
        const float g = static_cast<float>(RandInt(150, 200));
        CreateParticle(14, x1, y1, x1 + 50, y1 + 100, x1 + 25, y1 + 50, NewRGB(g, g, g), 0.75f, 0.75f, 1, 1,
                       -15, -15, GFX_BLEND_ALPHA, RandInt(0, 10), 100, &list);
    }
}

void UpdateClouds(int now, int& next, bool raining, TParticleList& list) {
    if (now < next) return;
    next = now + 20000 + RandInt(0, 4) * 1000;
    const float y1 = static_cast<float>(RandInt(-100, 868));
    const float y2 = static_cast<float>(RandInt(-100, 868));
    const float shade = raining ? 50.0f : 255.0f;
    CreateParticle(RandInt(11, 12), -100, y1, 1300, y2, 600, (y1 + y2) / 2, NewRGB(shade, shade, shade), 0.5f,
                   0.5f, 3, 3, 0, 0, GFX_BLEND_ALPHA, 0, 20000, &list);
}
