// Reading "data/researches.txt": one panel per entry, tolerant of whatever the
// file holds.
#include <algorithm>
#include <cstdio>
#include <string>

#include "frame/globals.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "match3/powerup.h"
#include "village/research_screen.h"

namespace {
// More entries than this are a damaged count: the screen has room for six.
constexpr int MAX_RESEARCH_ENTRIES = 64;

void Complain(const std::string& message) { std::printf("Napotkano problem : %s\n", message.c_str()); }
}  // namespace

ResearchPanelList ReadResearchPanels(const TRCMFile& file, const TTxtFile* texts, bool loadIcons) {
    ResearchPanelList panels;
    int count = file.getInt("researches::i");
    if (count > MAX_RESEARCH_ENTRIES) {
        Complain("researches::i = " + std::to_string(count) + ", only " +
                 std::to_string(MAX_RESEARCH_ENTRIES) + " read");
        count = MAX_RESEARCH_ENTRIES;
    }
    bool seen[POWERUP_COUNT] = {};
    for (int n = 1; n <= count; n++) {
        const std::string key = "researches::res" + std::to_string(n) + "::";
        auto panel = std::make_shared<TResearchPanel>();
        panel->id = file.getInt(key + "id");
        const int s = panel->slot();
        if (s < 0 || s >= POWERUP_COUNT || seen[s]) {
            Complain("research " + std::to_string(n) + " names no power-up of its own (id " +
                     std::to_string(panel->id) + ")");
            continue;
        }
        seen[s] = true;
        panel->name = TxtLine(texts, file.getInt(key + "name"));
        panel->descr = TxtLine(texts, file.getInt(key + "descr"));
        const std::string image = file.getString(key + "image");
        if (loadIcons && !image.empty()) panel->icon = GfxLoadImage(gameDir + image, GFX_IMAGE_DEFAULT);
        // Wild positions are pulled near the play area (no overflow when drawn).
        panel->x = std::clamp(file.getInt(key + "position", 0), -1024, 2048);
        panel->y = std::clamp(file.getInt(key + "position", 1), -768, 1536);
        for (int r = 0; r < 4; r++) panel->price[r] = file.getInt(key + "price" + std::to_string(r));
        panel->page = file.getInt(key + "page") == 1 ? 1 : 0;
        panels.push_back(panel);
    }
    return panels;
}
