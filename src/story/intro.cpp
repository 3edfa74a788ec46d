#include "story/intro.h"

#include "audio/game_sound.h"
#include "audio/global_snd.h"
#include "frame/control.h"
#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/text_file.h"
#include "story/scenes.h"
#include "story/story_text.h"
#include "village/land_screen.h"

TIntro intro;

namespace {
template <class Scene>
void MakeScene(std::unique_ptr<TScene>& slot) {
    if (noStory) return;
    slot = std::make_unique<Scene>();
    slot->setup();
}
}  // namespace

void DrawLetterboxBars() {
    GfxStateScope state;
    GfxResetDrawState();
    GfxSetColor(0, 0, 0);
    GfxDrawRect(0, 0, 1024, 120);
    GfxDrawRect(0, 648, 1024, 120);
}

void TIntro::SetupScene_1() { MakeScene<TIntroOne>(scene[0]); }
void TIntro::SetupScene_2() { MakeScene<TIntroTwo>(scene[1]); }
void TIntro::SetupScene_3() { MakeScene<TIntroThree>(scene[2]); }
void TIntro::SetupScene_4() { MakeScene<TIntroFour>(scene[3]); }
void TIntro::SetupScene_5() { MakeScene<TIntroFive>(scene[4]); }
void TIntro::SetupScene_6() { MakeScene<TIntroSix>(scene[5]); }
void TIntro::SetupScene_7() { MakeScene<TIntroSeven>(scene[6]); }

void TIntro::SetupIntro() {
    SetupScene_1();
    SetupScene_2();
    SetupScene_3();
    SetupScene_4();
    SetupScene_5();
    SetupScene_6();
    SetupScene_7();
    landScreen.toExit = 0;
}

void TIntro::dropScenePictures() {
    for (auto& s : scene)
        if (s) s->dropPictures();
}

void TIntro::setup() {
    infoFont = GetFont(gameDir + "gfx/fonts/font1.ttf", 16);
    txtClick = TxtLine(LoadTxtFile(gameDir + "txt/#LANG#/story.txt"), 3);
}

void TIntro::_drawScene() {
    if (TScene* s = scene[static_cast<size_t>(sceneInd)].get()) s->draw();
}

void TIntro::_drawBars() { DrawLetterboxBars(); }

void TIntro::_drawInfo() {
    GfxStateScope state;
    GfxResetDrawState();
    GfxSetImageFont(infoFont);
    GfxDrawText(txtClick, static_cast<float>(512 - GfxTextWidth(txtClick) / 2), 5);
}

void TIntro::_updateScene() {
    TScene* s = scene[static_cast<size_t>(sceneInd)].get();
    if (s && s->update() != 0) NextStory();
}

void TIntro::NextStory() {
    sceneInd++;
    if (sceneInd < 7) {
        if (TScene* s = scene[static_cast<size_t>(sceneInd)].get()) s->Start();
        return;
    }
    // The last scene has faded itself to black: the intro ends this frame.
    sceneInd = 6;
    fade = 1;
    dFade = 1;
}

void TIntro::_prepareSelf() {
    dFade = 0;
    fade = 1;
    setup();
}

void TIntro::_prepareParts() {
    SetupIntro();
    sceneInd = 0;
    if (scene[0]) scene[0]->Start();
}

void TIntro::_prepareStoryTExts() {
    LoadStoryTexts(StoryDataPath("Intro"), StoryTextPath("Intro"));
    ResetStoryTexts();
}

void TIntro::prepare() {
    // The later scenes are decoded on the side while the first one plays (the first was
    // queued when the main menu opened).
    PrefetchIntroPictures();
    _prepareSelf();
    _prepareParts();
    globalSnd.playMyMusic("intro");
    PlayGameSound("story-forest");
    _prepareStoryTExts();
    _prepareDelta();
    InFlushKeys();
    InFlushMouse();
    mouse.clear();
    fade = 1;
    dFade = 0;
}

int TIntro::mainloop() {
    if (noStory) return SCREEN_LAND;
    prepare();
    running = true;
    while (!fadedOut()) {
        ScreenFrame(*this);
        // A click anywhere fades the whole intro out.
        if (mouse.leftPressed) dFade = 1;
    }
    running = false;
    globalSnd.stopAllSpecialSounds();
    // A hundred large pictures are not kept for the rest of the game, nor are those
    // of scenes a click skipped.
    dropScenePictures();
    ForgetPrefetchedIntroPictures();
    return SCREEN_LAND;
}

void TIntro::update() {
    CommonUpdate(this);
    _updateFade();
    UpdateStoryTexts();
    _updateScene();
}

void TIntro::draw() {
    _drawScene();
    _drawBars();
    DrawStoryTexts();
    _drawInfo();
    _drawFade();
}
