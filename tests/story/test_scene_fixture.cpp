#include "test_scene_fixture.h"

#include "audio/game_sound.h"
#include "frame/globals.h"

void StoryClockTest::SetUp() {
    ASSERT_TRUE(StartHeadlessPlatform(renderer));
    frameDelta = 1;
    SoundHooks().play = [this](const std::string& name) { heard.push_back({name, now()}); };
}

void StoryClockTest::TearDown() {
    SoundHooks().play = nullptr;
    StopHeadlessPlatform();
}

int StoryClockTest::play(TScene& scene, int maxFrames, const std::function<void(int ms)>& each) {
    startMs = SysMillisecs();
    scene.Start();
    // As in the intro: a scene starts inside an update and is drawn in the
    // same frame; its own updates follow from the next frame on.
    for (int frame = 0; frame < maxFrames; frame++) {
        frameDelta = 1;
        scene.draw();
        GfxFlip(0);
        if (scene.update()) return now();
        if (each) each(now());
    }
    return -1;
}

int StoryClockTest::heardAt(const std::string& name) const {
    for (const HeardSound& s : heard)
        if (s.name == name) return s.ms;
    return -1;
}
