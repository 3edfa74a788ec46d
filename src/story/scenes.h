// The seven scenes of the intro, in the order they play. Each loads its
// pictures once a run (SetupGFX) from "gfx/story/intro/scene-N/" when it first starts.
#pragma once

#include <array>
#include <vector>

#include "story/scene.h"

// The old helmet on the post at the edge of the forest: five layers pan in,
// the helmet clangs and tips over.
class TIntroOne : public TScene {
public:
    float rot = 0;
    int nextTime = 0;
    int state = 0;

    static void SetupGFX();
    void loadPictures() override { SetupGFX(); }
    static void FreeGFX();
    void dropPictures() override { FreeGFX(); }
    void setup() override;
    void draw() override;
    int update() override;
    float AddNormal() const;
};

// The ride to the King: rider and horse gallop past the hills until a low
// branch meets the rider.
class TIntroTwo : public TScene {
public:
    float rot = 0;
    int nextTime = 0;
    int byloFallSound = 0;

    static void SetupGFX();
    void loadPictures() override { SetupGFX(); }
    static void FreeGFX();
    void dropPictures() override { FreeGFX(); }
    void setup() override;
    void draw() override;
    int update() override;
    float AddNormal() const;
};

// The King's cart rolls through the crowd; the hero rises into view and
// dreams of the village rebuilt.
class TIntroThree : public TScene {
public:
    float rot = 0;
    float wRot = 0;
    int nextTime = 0;
    int eyesTime = 0;
    int eyesShow = 0;
    float heroP = 0;
    float bubbleP = 0;
    int state = 0;

    static void SetupGFX();
    void loadPictures() override { SetupGFX(); }
    static void FreeGFX();
    void dropPictures() override { FreeGFX(); }
    void setup() override;
    void draw() override;
    int update() override;
    void MyStart() override;
    float AddNormal() const;

protected:
    // The King's picture and the height of his eyes (scene 7 has its own).
    virtual const Image& kingImage() const;
    virtual float eyesY() const { return 282; }
    virtual bool showsHero() const { return true; }
    void blink(int now);
};

// The bee, the straw and the Baron's sneeze.
class TIntroFour : public TScene {
public:
    int enemyFrame = 0;
    float x = 0;
    float bx = 0, by = 0;
    float dropScale = 1;
    std::array<int, 2> wingTime{};
    std::array<int, 2> wingRot{};
    float perStep = 0.45f;
    float beeScale = 1;
    int state = 0;
    float pp = 0;
    float dropX = 0, dropY = 0;
    int drawDrop = 0;
    int nextTime = 0;

    static void SetupGFX();
    void loadPictures() override { SetupGFX(); }
    static void FreeGFX();
    void dropPictures() override { FreeGFX(); }
    void setup() override;
    void draw() override;
    int update() override;
};

// The hero and the Baron face each other across the tilting fence.
class TIntroFive : public TScene {
public:
    int nextTime = 0;
    int state = 0;

    static void SetupGFX();
    void loadPictures() override { SetupGFX(); }
    static void FreeGFX();
    void dropPictures() override { FreeGFX(); }
    void setup() override;
    void draw() override;
    int update() override;
    float CountMove() const;
};

// The joust: shots alternate between the hero's ride and the Baron's.
class TIntroSix : public TScene {
public:
    int enemyFrame = 0;
    int state = 0;
    float bx = 0;
    int show = 0;  // 0 riding with the hero, 1 facing the Baron
    float kat = 1440;
    float odx = 10;
    float odyU = 35;
    float odYD = 10;
    int timeStep = 3000;
    int nextTime = 0;
    int byloSound = 0;

    static void SetupGFX();
    void loadPictures() override { SetupGFX(); }
    static void FreeGFX();
    void dropPictures() override { FreeGFX(); }
    void setup() override;
    void draw() override;
    int update() override;

private:
    void startShot(int shot, int now);
};

// The King again, well pleased, without the hero; the last scene.
class TIntroSeven : public TIntroThree {
public:
    static void SetupGFX();
    void loadPictures() override { SetupGFX(); }
    void setup() override;
    int update() override;
    void MyStart() override {}

protected:
    const Image& kingImage() const override;
    float eyesY() const override { return 301; }
    bool showsHero() const override { return false; }
};

// The shot table of scene 6: view, Baron's frame and length (ms) of shots 1..7.
struct TJoustShot {
    int view;
    int enemyFrame;
    int length;
};
const std::array<TJoustShot, 7>& JoustShots();
