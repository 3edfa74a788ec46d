// Playing intro scenes frame by frame on a headless platform without pixels:
// the clock advances 1000/60 ms per presented frame, and every effect sound is
// noted with the scene time at which it was played.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "story/scene.h"
#include "support/headless_platform.h"

struct HeardSound {
    std::string name;
    int ms;  // since the scene or sequence started
};

class StoryClockTest : public ::testing::Test {
protected:
    std::vector<HeardSound> heard;
    int startMs = 0;
    // No pixels by default; pictures decoded ahead need a renderer that draws.
    RendererKind renderer = RendererKind::Null;

    void SetUp() override;
    void TearDown() override;
    int now() const { return SysMillisecs() - startMs; }
    // Starts the scene now (as the intro does) and plays it as the intro
    // does (draw, present, update) until update reports its end or
    // maxFrames passed; `each` looks at it after every frame. Returns the
    // scene time of the frame that reported the end, or -1.
    int play(TScene& scene, int maxFrames = 3000, const std::function<void(int ms)>& each = {});
    // The time the named sound was first heard, or -1.
    int heardAt(const std::string& name) const;
};
