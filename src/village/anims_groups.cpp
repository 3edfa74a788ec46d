// The animals' constructors and the village's groups of them.
#include <algorithm>

#include "quest/profile.h"
#include "village/anims.h"

namespace {
template <class Walker>
std::shared_ptr<Walker> NewWalker(int species, float x1, float y1, float x2, float y2, float speed) {
    auto a = std::make_shared<Walker>();
    a->ad = FindAnimData(species);
    a->startX = x1;
    a->startY = y1;
    a->endX = x2;
    a->endY = y2;
    a->x = x1;
    a->y = y1;
    a->moveSpeed = speed;
    return a;
}

struct AnimalPath {
    float x1, y1, x2, y2, speed;
};
// In front of the hen house (building 4 at 905, 150 in data/buildings.txt).
constexpr AnimalPath kHens[] = {{900, 250, 960, 250, 0.002f}, {965, 268, 905, 232, 0.0025f}};
constexpr AnimalPath kPigs[] = {
    {250, 280, 370, 310, 0.002f}, {365, 340, 250, 320, 0.005f}, {205, 225, 300, 160, 0.0025f}};
constexpr AnimalPath kRabbits[] = {{-60, 270, 32, 270, 0.02f},
                                   {-60, 400, 32, 400, 0.025f},
                                   {1080, 245, 980, 245, 0.025f},
                                   {1080, 390, 980, 390, 0.02f}};
constexpr AnimalPath kSheep[] = {{415, 150, 470, 118, 0.005f}, {755, 220, 680, 210, 0.02f}};
constexpr float kMoles[][2] = {{920, 445}, {865, 325}};

// The items that bring each group.
constexpr int kHenItem = 14, kPigItem = 20, kMoleItem = 7, kSheepItem = 11;
// The buildings that bring them.
constexpr int kHenBuilding = 4, kPigBuilding = 5, kMoleBuilding = 8, kSheepBuilding = 3;

void AppendGroups(AnimList& list, int now, const TProfile* owner) {
    auto owns = [owner](int item) { return owner == nullptr || owner->HaveItem(item); };
    if (owns(kHenItem)) PrepareChickenAnims(list, now);
    if (owns(kPigItem)) PreparePigAnims(list, now);
    if (owns(kMoleItem)) PrepareMoleAnims(list, now);
    PrepareRabbitAnims(list, now);
    if (owns(kSheepItem)) PrepareSheepAnims(list, now);
    PrepareBirdAnims(list, now);
}
}  // namespace

std::shared_ptr<TBirdAnim> NewBirdAnim(float scale, float y, int direction, float speed, int now) {
    auto a = std::make_shared<TBirdAnim>();
    a->ad = FindAnimData(ANIM_BIRD);
    a->scale = scale;
    a->start = direction;
    a->startX = direction == 0 ? -64 : 1088;
    a->startY = y;
    a->x = a->startX;
    a->y = y;
    a->moveSpeed = speed;
    a->waitTime = now + RandInt(1, 4) * 1000;
    return a;
}

std::shared_ptr<TChickenAnim> NewHenAnim(float x1, float y1, float x2, float y2, float speed, int /*now*/) {
    return NewWalker<TChickenAnim>(ANIM_HEN, x1, y1, x2, y2, speed);
}

std::shared_ptr<TChickenAnim> NewPigAnim(float x1, float y1, float x2, float y2, float speed, int /*now*/) {
    return NewWalker<TChickenAnim>(ANIM_PIG, x1, y1, x2, y2, speed);
}

std::shared_ptr<TMoleAnim> NewMoleAnim(float x, float y, int now) {
    auto a = std::make_shared<TMoleAnim>();
    a->ad = FindAnimData(ANIM_MOLE);
    a->x = x;
    a->y = y;
    a->frameDir = 1;
    a->waitTime2 = now + RandInt(1000, 3000);
    return a;
}

std::shared_ptr<TRabbitAnim> NewRabbitAnim(float x1, float y1, float x2, float y2, float speed, int now) {
    auto a = NewWalker<TRabbitAnim>(ANIM_RABBIT, x1, y1, x2, y2, speed);
    a->baseX = x1;
    a->baseY = y1;
    a->ebaseX = x2;
    a->ebaseY = y2;
    a->frameDir = 1;
    a->waitTime2 = now + RandInt(1000, 3000);
    return a;
}

std::shared_ptr<THorseAnim> NewSheepAnim(float x1, float y1, float x2, float y2, float speed, int /*now*/) {
    auto a = NewWalker<THorseAnim>(ANIM_SHEEP, x1, y1, x2, y2, speed);
    a->baseX = x1;
    return a;
}

void PrepareChickenAnims(AnimList& list, int now) {
    for (const AnimalPath& p : kHens) list.push_back(NewHenAnim(p.x1, p.y1, p.x2, p.y2, p.speed, now));
    MoveBirds(list);
}

void PreparePigAnims(AnimList& list, int now) {
    for (const AnimalPath& p : kPigs) list.push_back(NewPigAnim(p.x1, p.y1, p.x2, p.y2, p.speed, now));
    MoveBirds(list);
}

void PrepareMoleAnims(AnimList& list, int now) {
    for (const auto& m : kMoles) list.push_back(NewMoleAnim(m[0], m[1], now));
    MoveBirds(list);
}

void PrepareSheepAnims(AnimList& list, int now) {
    for (const AnimalPath& p : kSheep) list.push_back(NewSheepAnim(p.x1, p.y1, p.x2, p.y2, p.speed, now));
    MoveBirds(list);
}

void PrepareRabbitAnims(AnimList& list, int now) {
    for (const AnimalPath& p : kRabbits) list.push_back(NewRabbitAnim(p.x1, p.y1, p.x2, p.y2, p.speed, now));
    MoveBirds(list);
}

void PrepareBirdAnims(AnimList& list, int now) {
    list.push_back(NewBirdAnim(0.5f, 150, 0, 0.001f, now));
    list.push_back(NewBirdAnim(0.75f, 600, 1, 0.005f, now));
}

void MoveBirds(AnimList& list) {
    std::stable_partition(list.begin(), list.end(), [](const std::shared_ptr<TAnim>& a) {
        return !a || !a->ad || a->ad->id != ANIM_BIRD;
    });
}

AnimList PrepareVillageAnims(const TProfile* owner, int now) {
    AnimList list;
    AppendGroups(list, now, owner);
    return list;
}

void AddAnimsOfBuilding(AnimList& list, int buildingId, int now) {
    switch (buildingId) {
        case kHenBuilding:
            PrepareChickenAnims(list, now);
            break;
        case kPigBuilding:
            PreparePigAnims(list, now);
            break;
        case kMoleBuilding:
            PrepareMoleAnims(list, now);
            break;
        case kSheepBuilding:
            PrepareSheepAnims(list, now);
            break;
        default:
            break;
    }
}

void UpdateAndDrawAnims(AnimList& list, int now, float delta) {
    for (const auto& a : list) {
        if (!a) continue;
        a->update(now, delta);
        a->draw(now);
    }
}
