// One scene of the intro: a small hand-timed animation that fades in from
// black when it starts, plays its events and fades itself out. The intro asks
// the running scene to update and draw itself every frame and starts the next
// one when update reports the end.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

class TScene {
public:
    int time = 0;     // clock time at which the nominal duration ends
    int maxTime = 0;  // that duration, ms
    float per = 0;    // progress 0..1
    float fade = 1;   // black overlay
    float dFade = 0;  // its goal
    int MyTime = 0;   // the duration, set by setup

    virtual ~TScene() = default;
    virtual void setup() {}
    virtual void draw() {}
    // Moves the fade toward its goal (20 frames for a whole fade) and draws it.
    virtual void _drawFade();
    // 1 when the scene is over.
    virtual int update() { return 0; }
    virtual void CountPer();
    // Takes the scene's pictures (once a run) and starts its clock and fade.
    virtual void Start();
    // sin(90 * per): eases out from 0 to 1.
    virtual float SinPer() const;
    virtual void MyStart() {}
    // The pictures are taken when the scene first starts, not when it is set up:
    // by then they have been decoded on the side, and the loading bar never waits.
    virtual void loadPictures() {}
    // Lets the pictures go once the intro is over; a later start takes them again.
    virtual void dropPictures() {}

protected:
    bool fadedOut() const { return fade >= 1 && dFade >= 1; }
};

// Queues every picture under "gfx/story/intro/" to be decoded on the side, in the order the
// scenes play, so that a scene's start only takes what is ready.
void PrefetchIntroPictures();
// Only the first scene's pictures (about 28 MiB of pixels): what a new quest needs at once.
void PrefetchIntroOpening();
// Drops every intro picture decoded on the side and not taken, and stops the decoding.
void ForgetPrefetchedIntroPictures();
// A picture of the intro (gameDir + path), loaded with the default flags.
Image LoadSceneImage(const std::string& path);
// The same with its handle at the bottom centre (width / 2, height - 1).
Image LoadSceneImageStanding(const std::string& path);
// The same with its handle at the bottom left (0, height - 1).
Image LoadSceneImageBottomLeft(const std::string& path);
// Draws a picture at its handle with a rotation (degrees) and a scale.
void DrawScenePicture(const Image& img, float x, float y, float rotation = 0, float scale = 1);
// Draws a row of tiles: tile k at (x0 + k * tileWidth, y).
void DrawSceneLayer(const std::vector<Image>& tiles, float tileWidth, float x0, float y);
// The pictures "<folder>/<prefix>k<ext>" for k = 0 .. count - 1.
std::vector<Image> LoadSceneTiles(const std::string& folder, const std::string& prefix, int count,
                                  const std::string& ext);
