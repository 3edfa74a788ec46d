// The village's animals: birds crossing the sky, rabbits hopping in from the
// edges, hens and pigs walking to and fro, sheep walking and grazing, moles
// popping out of the ground. Every animal shares one frame set per species
// (TAnimData); the land screen and the main menu keep them in an AnimList and
// update and draw each one every frame, in list order.
//
// Times are clock milliseconds handed in by the caller (`now`); motion is
// scaled by the frame delta handed in (`delta`, 1.0 at 60 frames a second).
#pragma once

#include <memory>
#include <vector>

#include "platform/platform.h"

class TProfile;

// Species ids of the frame sets.
constexpr int ANIM_BIRD = 1;
constexpr int ANIM_HEN = 2;
constexpr int ANIM_PIG = 3;
constexpr int ANIM_MOLE = 4;
constexpr int ANIM_RABBIT = 5;
constexpr int ANIM_SHEEP = 7;

class TAnimData {
public:
    int id = 0;                 // species
    std::vector<Image> frames;  // handles at their centres; an entry may be null
    int frameTime = 100;        // ms per frame

    virtual ~TAnimData() = default;
};

// The six frame sets, filled by LoadAnimData.
extern std::vector<std::shared_ptr<TAnimData>> animDatas;
// Loads gameDir + "gfx/animations/<folder>/frameK.png" for the six species.
// A missing picture leaves its frame null: that frame draws nothing.
void LoadAnimData();
// The frame set of that species; an empty set (never null) when none is loaded.
std::shared_ptr<TAnimData> FindAnimData(int id);

class TAnim {
public:
    std::shared_ptr<TAnimData> ad;
    float x = 0, y = 0;
    float sx = 1;     // 1 or -1: mirrored (the pictures face left)
    float scale = 1;  // drawn at 0.7 of it
    int frame = 0;
    int nextFrame = 0;  // clock time of the next frame change
    int waitTime = 0;   // before it the animal neither moves nor shows
    float movePer = 0;  // progress 0..1 along the current walk
    float moveSpeed = 0;
    int bylo = 0;  // set once a walk has ended

    virtual ~TAnim() = default;
    virtual void draw(int now) const;
    virtual void _updateFrames(int now);
    virtual void update(int now, float delta);

protected:
    int frameCount() const;
};

class TBirdAnim : public TAnim {
public:
    float startX = 0, startY = 0;
    int start = 0;  // 0 flies right, 1 flies left

    void update(int now, float delta) override;
    void Reset(int now);
};

// Walks from start to end and back, for ever (hens and pigs).
class TChickenAnim : public TAnim {
public:
    float startX = 0, startY = 0, endX = 0, endY = 0;

    void update(int now, float delta) override;
    virtual void _updateMove(float delta);
    virtual void Reset();  // start and end swap: walks back
};

class TMoleAnim : public TAnim {
public:
    int frameDir = 1;   // 1 rising, -1 sinking
    int waitTime2 = 0;  // before it the mole rests (up or hidden)

    void _updateFrames(int now) override;
    void update(int now, float delta) override;
};

class TRabbitAnim : public TChickenAnim {
public:
    int frameDir = 1;
    int waitTime2 = 0;
    int move = 0;                                        // 0 hopping, 1 sitting up, -1 settling
    float baseX = 0, baseY = 0, ebaseX = 0, ebaseY = 0;  // the first path

    void _updateFrames(int now) override;
    void update(int now, float delta) override;
    void Reset() override;
    void ResetTotaly(int now);  // back on its first path, at once
};

// Sheep: walk (frames 0-3), graze three seconds at each end (frames 4-7).
class THorseAnim : public TChickenAnim {
public:
    float baseX = 0;
    int anim = 0;  // 0 walking, 1 grazing
    int waitTime2 = 0;

    void update(int now, float delta) override;
    void _updateMove(float delta) override;
};

using AnimList = std::vector<std::shared_ptr<TAnim>>;

// Constructors; `now` is the clock time of creation.
std::shared_ptr<TBirdAnim> NewBirdAnim(float scale, float y, int direction, float speed, int now);
std::shared_ptr<TChickenAnim> NewHenAnim(float x1, float y1, float x2, float y2, float speed, int now);
std::shared_ptr<TChickenAnim> NewPigAnim(float x1, float y1, float x2, float y2, float speed, int now);
std::shared_ptr<TMoleAnim> NewMoleAnim(float x, float y, int now);
std::shared_ptr<TRabbitAnim> NewRabbitAnim(float x1, float y1, float x2, float y2, float speed, int now);
std::shared_ptr<THorseAnim> NewSheepAnim(float x1, float y1, float x2, float y2, float speed, int now);

// The village's groups, appended to `list`; each keeps the birds last (they
// fly over everything). The four building groups are also added when their
// building is completed while the player watches.
void PrepareChickenAnims(AnimList& list, int now);  // two hens (item 14)
void PreparePigAnims(AnimList& list, int now);      // three pigs (item 20)
void PrepareMoleAnims(AnimList& list, int now);     // two moles (item 7)
void PrepareSheepAnims(AnimList& list, int now);    // two sheep (item 11)
void PrepareRabbitAnims(AnimList& list, int now);   // four rabbits, always
void PrepareBirdAnims(AnimList& list, int now);     // two birds, always
// Moves the birds to the end of the list, keeping every other order.
void MoveBirds(AnimList& list);
// The whole village's animals for an owner: the groups of the items it owns,
// rabbits and birds. A null owner (the main menu) gets every group.
AnimList PrepareVillageAnims(const TProfile* owner, int now);
// Adds the group a finished building brings (buildings 8, 3, 4, 5); other
// buildings add nothing.
void AddAnimsOfBuilding(AnimList& list, int buildingId, int now);
// Update then draw of every animal, in list order.
void UpdateAndDrawAnims(AnimList& list, int now, float delta);
