#include "app/sound_parts.h"

#include <string>

#include "audio/global_snd.h"
#include "frame/loading_steps.h"

namespace {
// The loading steps that make a track ready (its file read, its stream opened), so that its
// first play costs the frame nothing: the title music first, the level music in the order the
// levels play it.
struct MusicStep {
    int slot;
    int track;  // counted from 1 in the sound list
};
constexpr MusicStep kMusicSteps[] = {{5, 1}, {16, 2}, {20, 7}, {26, 3}, {34, 4}, {40, 5}, {45, 6}};
constexpr int kLastSlot = 46;
}  // namespace

void RegisterSound() {
    InstallSoundHooks();
    // The effects are decoded a little in each loading frame, never all in one.
    AddLoadingStep(1, "sound manager", [] { globalSnd.setupListed(); });
    for (int slot = 2; slot < kLastSlot; slot++)
        AddLoadingStep(slot, "sound effects", [] { globalSnd.loadPendingSounds(25); });
    AddLoadingStep(kLastSlot, "sound effects", [] { globalSnd.loadPendingSounds(-1); });
    for (const MusicStep& step : kMusicSteps) {
        const int track = step.track;
        AddLoadingStep(step.slot, "music track " + std::to_string(track),
                       [track] { globalSnd._setupExactMusic(track); });
    }
}
