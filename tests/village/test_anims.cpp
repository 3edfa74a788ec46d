// The village animals: frames, waits, walks and mirroring of each kind, and
// the groups the village places.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "village/anims.h"

namespace {

constexpr float kDelta = 1;   // one 60 Hz frame
constexpr int kFrameMs = 16;  // its length in clock time

// Runs an animal from `now` for `ms` of clock time in 60 Hz frames; returns the new clock time.
int Advance(TAnim& a, int now, int ms) {
    for (int t = 0; t < ms; t += kFrameMs) a.update(now += kFrameMs, kDelta);
    return now;
}

TEST(Anims, FrameSetsHaveTheirSpeciesCountsEvenWithoutPictures) {
    animDatas.clear();
    const std::map<int, int> counts = {{ANIM_BIRD, 4}, {ANIM_HEN, 3},    {ANIM_PIG, 4},
                                       {ANIM_MOLE, 5}, {ANIM_RABBIT, 9}, {ANIM_SHEEP, 8}};
    for (const auto& [id, frames] : counts) {
        const auto data = FindAnimData(id);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->id, id);
        EXPECT_EQ(static_cast<int>(data->frames.size()), frames);
    }
    EXPECT_EQ(FindAnimData(ANIM_BIRD)->frameTime, 150);
    EXPECT_EQ(FindAnimData(ANIM_MOLE)->frameTime, 200);
}

TEST(Anims, FramesAdvanceEveryFrameTimeAndWrap) {
    auto hen = NewHenAnim(0, 0, 100, 0, 0, 0);
    EXPECT_EQ(hen->frame, 0);
    hen->_updateFrames(1);
    EXPECT_EQ(hen->frame, 1);
    EXPECT_EQ(hen->nextFrame, 101);
    hen->_updateFrames(101);  // not past yet
    EXPECT_EQ(hen->frame, 1);
    hen->_updateFrames(102);
    hen->_updateFrames(203);
    EXPECT_EQ(hen->frame, 0);  // three frames: wrapped
}

TEST(Anims, WalkerGoesThereTurnsAndComesBack) {
    auto pig = NewPigAnim(100, 200, 200, 250, 0.01f, 0);
    int now = Advance(*pig, 0, 50 * kFrameMs);
    EXPECT_NEAR(pig->x, 150, 1);
    EXPECT_NEAR(pig->y, 225, 1);
    EXPECT_EQ(pig->sx, -1);  // walking right: the left-facing picture is mirrored
    now = Advance(*pig, now, 55 * kFrameMs);
    // Past the end: start and end swapped, walking back left.
    EXPECT_EQ(pig->startX, 200);
    EXPECT_EQ(pig->endX, 100);
    now = Advance(*pig, now, 10 * kFrameMs);
    EXPECT_LT(pig->x, 200);
    EXPECT_EQ(pig->sx, 1);
    // Nothing moves before its wait is over.
    pig->waitTime = now + 1000;
    const float x = pig->x;
    Advance(*pig, now, 500);
    EXPECT_EQ(pig->x, x);
}

TEST(Anims, SheepGrazesThreeSecondsAtEachEnd) {
    auto sheep = NewSheepAnim(415, 150, 470, 118, 0.02f, 0);
    int now = 0;
    while (sheep->anim == 0 && now < 10000) now = Advance(*sheep, now, kFrameMs);
    ASSERT_EQ(sheep->anim, 1);
    EXPECT_EQ(sheep->sx, 1);  // it walked right
    const int grazeStart = now;
    while (sheep->anim == 1 && now < grazeStart + 10000) {
        now = Advance(*sheep, now, kFrameMs);
        if (sheep->anim == 1) {
            EXPECT_GE(sheep->frame, 4);  // grazing frames only
        }
    }
    EXPECT_NEAR(now - grazeStart, 3000, 2 * kFrameMs);
    EXPECT_EQ(sheep->frame, 0);
    EXPECT_EQ(sheep->startX, 470);  // turned back
    now = Advance(*sheep, now, 10 * kFrameMs);
    EXPECT_EQ(sheep->sx, -1);
    EXPECT_LE(sheep->frame, 3);  // walking frames only
}

TEST(Anims, MoleStaysUpOneSecondAndHidesTwoToThree) {
    auto mole = NewMoleAnim(920, 445, 0);
    EXPECT_GE(mole->waitTime2, 1000);
    EXPECT_LE(mole->waitTime2, 3000);
    int now = 0;
    for (int cycle = 0; cycle < 5; ++cycle) {
        // Rising to the top frame.
        while (!(mole->frame == 4 && mole->frameDir == -1)) now = Advance(*mole, now, kFrameMs);
        const int upSince = now;
        while (mole->frame == 4) now = Advance(*mole, now, kFrameMs);
        // Up for its one second plus the frame it took to notice the top.
        EXPECT_GE(now - upSince, 1000);
        EXPECT_LE(now - upSince, 1000 + 200 + 2 * kFrameMs);
        while (!(mole->frame == 0 && mole->frameDir == 1)) now = Advance(*mole, now, kFrameMs);
        const int downSince = now;
        while (mole->frame == 0) now = Advance(*mole, now, kFrameMs);
        EXPECT_GE(now - downSince, 2000);
        EXPECT_LE(now - downSince, 3000 + 200 + 2 * kFrameMs);
    }
}

TEST(Anims, RabbitHopsSitsUpSettlesAndHopsBack) {
    auto rabbit = NewRabbitAnim(-60, 270, 32, 270, 0.02f, 0);
    int now = rabbit->waitTime2;
    // Hopping: frames 0-2 only, facing right.
    now = Advance(*rabbit, now, 20 * kFrameMs);
    EXPECT_EQ(rabbit->move, 0);
    EXPECT_LE(rabbit->frame, 2);
    EXPECT_EQ(rabbit->sx, 1);
    while (rabbit->move == 0) now = Advance(*rabbit, now, kFrameMs);
    EXPECT_EQ(rabbit->x, 32);
    EXPECT_EQ(rabbit->move, 1);
    // Sits up to frame 8, then settles back to 3 and turns.
    int top = 0;
    while (rabbit->move != 0) {
        now = Advance(*rabbit, now, kFrameMs);
        top = std::max(top, rabbit->frame);
    }
    EXPECT_EQ(top, 8);
    EXPECT_EQ(rabbit->frame, 3);
    EXPECT_EQ(rabbit->startX, 32);
    EXPECT_EQ(rabbit->endX, -60);
    now = Advance(*rabbit, now, 5 * kFrameMs);
    EXPECT_EQ(rabbit->sx, -1);
    // Home again: rests in its hole for two to four seconds before sitting up.
    while (rabbit->movePer < 1) now = Advance(*rabbit, now, kFrameMs);
    EXPECT_EQ(rabbit->x, -60);
    EXPECT_GE(rabbit->waitTime2 - now, 2000 - kFrameMs);
    EXPECT_LE(rabbit->waitTime2 - now, 4000);
    rabbit->ResetTotaly(now);
    EXPECT_EQ(rabbit->startX, -60);
    EXPECT_EQ(rabbit->endX, 32);
    EXPECT_EQ(rabbit->movePer, 0);
    EXPECT_EQ(rabbit->waitTime2, now);
}

TEST(Anims, BirdsCrossTheSkyAndWrapAround) {
    auto bird = NewBirdAnim(0.5f, 150, 0, 0.01f, 0);
    EXPECT_EQ(bird->startX, -64);
    EXPECT_GE(bird->waitTime, 1000);
    EXPECT_LE(bird->waitTime, 4000);
    EXPECT_EQ(bird->waitTime % 1000, 0);
    int now = bird->waitTime;
    now = Advance(*bird, now, 25 * kFrameMs);
    EXPECT_NEAR(bird->x, -64 + 1152 * 0.25f, 12);
    EXPECT_NEAR(bird->y, 150 + 25, 1.5);  // the top of its sine swing
    while (bird->movePer < 1) now = Advance(*bird, now, kFrameMs);
    EXPECT_NEAR(bird->x, 1088, 0.5);
    now = Advance(*bird, now, 2 * kFrameMs);  // stays one frame, then wraps
    EXPECT_EQ(bird->movePer, 0);
    EXPECT_GE(bird->waitTime, now + 2500 - 2 * kFrameMs);
    auto left = NewBirdAnim(0.75f, 600, 1, 0.005f, 0);
    EXPECT_EQ(left->startX, 1088);
    Advance(*left, left->waitTime, 10 * kFrameMs);
    EXPECT_LT(left->x, 1088);
    EXPECT_EQ(left->sx, -1);
}

int CountSpecies(const AnimList& list, int species) {
    int n = 0;
    for (const auto& a : list) n += a->ad->id == species ? 1 : 0;
    return n;
}

TEST(AnimGroups, NewProfileGetsFourRabbitsAndTwoBirds) {
    TProfile p;
    const AnimList list = PrepareVillageAnims(&p, 0);
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(CountSpecies(list, ANIM_RABBIT), 4);
    EXPECT_EQ(CountSpecies(list, ANIM_BIRD), 2);
}

TEST(AnimGroups, OwnedItemsBringTheirAnimalsAndTheMenuGetsThemAll) {
    TProfile p;
    for (int id : {14, 20}) {
        auto item = std::make_shared<TLandItem>();
        item->id = id;
        p.items.push_back(item);
    }
    const AnimList list = PrepareVillageAnims(&p, 0);
    EXPECT_EQ(CountSpecies(list, ANIM_HEN), 2);
    EXPECT_EQ(CountSpecies(list, ANIM_PIG), 3);
    EXPECT_EQ(CountSpecies(list, ANIM_MOLE), 0);
    EXPECT_EQ(CountSpecies(list, ANIM_SHEEP), 0);

    const AnimList menu = PrepareVillageAnims(nullptr, 0);
    ASSERT_EQ(menu.size(), 15u);
    // The menu's order: hens, pigs, moles, rabbits, sheep, birds.
    const int order[] = {2, 2, 3, 3, 3, 4, 4, 5, 5, 5, 5, 7, 7, 1, 1};
    for (std::size_t i = 0; i < menu.size(); ++i) EXPECT_EQ(menu[i]->ad->id, order[i]) << i;
    EXPECT_EQ(menu[0]->x, 900);  // the first hen, in front of the hen house
    EXPECT_EQ(menu[12]->x, 755);
}

TEST(AnimGroups, AFinishedBuildingAddsItsGroupOnceBelowTheBirds) {
    TProfile newcomer;
    AnimList list = PrepareVillageAnims(&newcomer, 0);
    AddAnimsOfBuilding(list, 4, 0);  // hen house
    EXPECT_EQ(CountSpecies(list, ANIM_HEN), 2);
    AddAnimsOfBuilding(list, 8, 0);  // vegetable garden: moles
    AddAnimsOfBuilding(list, 3, 0);  // sheep fold
    AddAnimsOfBuilding(list, 5, 0);  // pigsty
    AddAnimsOfBuilding(list, 7, 0);  // the tower brings nobody
    EXPECT_EQ(CountSpecies(list, ANIM_MOLE), 2);
    EXPECT_EQ(CountSpecies(list, ANIM_SHEEP), 2);
    EXPECT_EQ(CountSpecies(list, ANIM_PIG), 3);
    ASSERT_EQ(list.size(), 6u + 9u);
    EXPECT_EQ(list[list.size() - 1]->ad->id, ANIM_BIRD);
    EXPECT_EQ(list[list.size() - 2]->ad->id, ANIM_BIRD);
}

}  // namespace
