// How many files the game thread decoded itself: frame statistics read the counts after
// every frame to name the frames that stalled on a file.
#include "platform/load_counts.h"

#include <atomic>

namespace {
std::atomic<long long> gUnasked{0}, gNotReady{0}, gSounds{0}, gStreams{0};
}  // namespace

void NoteGameThreadLoad(GameThreadLoad kind) {
    switch (kind) {
        case GameThreadLoad::PictureUnasked:
            ++gUnasked;
            break;
        case GameThreadLoad::PictureNotReady:
            ++gNotReady;
            break;
        case GameThreadLoad::Sound:
            ++gSounds;
            break;
        case GameThreadLoad::StreamOpened:
            ++gStreams;
            break;
    }
}

GameThreadLoads GameThreadLoadCounts() {
    return {gUnasked.load(), gNotReady.load(), gSounds.load(), gStreams.load()};
}
