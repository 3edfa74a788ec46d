// The intro (screen code 8): seven animated scenes under letterbox bars with
// timed subtitles, when a new quest starts. A click fades it out and leads to
// the village; with "noStory.txt" it is left out.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "frame/screen.h"
#include "story/scene.h"

class TIntro : public TEkran {
public:
    int sceneInd = 0;                              // the running scene, 0..6
    std::array<std::unique_ptr<TScene>, 7> scene;  // made anew for every run
    Font infoFont;
    std::string txtClick;  // the hint that a click skips the story
    bool running = false;  // its main loop runs (the virtual player reads it)

    // Each makes scene n and sets it up, unless the story is switched off.
    void SetupScene_1();
    void SetupScene_2();
    void SetupScene_3();
    void SetupScene_4();
    void SetupScene_5();
    void SetupScene_6();
    void SetupScene_7();
    void SetupIntro();
    // Lets every scene's pictures go (they come back from the files on the next run).
    void dropScenePictures();
    void setup() override;
    virtual void _drawScene();
    virtual void _drawBars();
    virtual void _drawInfo();
    virtual void _updateScene();
    virtual void NextStory();
    virtual void _prepareSelf();
    virtual void _prepareParts();
    virtual void _prepareStoryTExts();
    virtual void prepare();
    // Plays the intro; returns the village's screen code.
    virtual int mainloop();
    void draw() override;
    void update() override;
    bool keepsRunningWhenSuspended() const override { return true; }
};

extern TIntro intro;

// The black bars above and below the picture, shared by the intro and the outro.
void DrawLetterboxBars();
