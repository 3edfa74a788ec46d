// Arbitrary bytes as the village catalogues: the same text is read as
// "data/buildings.txt", as "data/items.txt", as "data/researches.txt" and as
// their texts, then the look-ups, the offer states and a few frames of every
// building run on what was read. Nothing may crash, hang or leak.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "effects/particles.h"
#include "frame/globals.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "village/research_screen.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The catalogue reports damaged entries on standard output: keep the log readable.
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TRCMFile file;
    file.LoadFromText(text);
    landBuildings = ReadBuildings(file, false);
    const auto texts = TxtFileFromText(text);
    landItems = ReadLandItems(file, texts.get(), false);
    const ResearchPanelList panels = ReadResearchPanels(file, texts.get(), false);
    for (const auto& panel : panels) (void)ResearchSlotOfItem(panel ? panel->id : 0);

    TProfile profile;
    profile.res[0] = profile.res[1] = profile.res[2] = profile.res[3] = static_cast<int>(size) * 10;
    for (std::size_t i = 0; i < landItems.size() && i < 64; ++i) {
        const auto& item = landItems[i];
        if (i % 3 == 0) profile.bluePrints.push_back(item);
        if (i % 5 == 0) profile.items.push_back(item);
        (void)item->getProperButtonInd(profile);
    }
    for (int stage = -1; stage < 8; ++stage)
        for (int k = -1; k < 5; ++k) (void)FindStageItem(stage, k);

    TParticleList dust;
    frameDelta = 60;
    const Image none[2] = {nullptr, nullptr};
    for (std::size_t i = 0; i < landBuildings.size() && i < 64; ++i) {
        TBuilding& b = *landBuildings[i];
        b.Reset();
        if (i % 2) b.ResetUpgrade();
        for (int f = 0; f < 6; ++f) b.draw(dust, f % 2 == 0, none);
        (void)FindBuilding(b.id);
    }
    landItems.clear();
    landBuildings.clear();
    return 0;
}
