// assetgen_art --game <game folder> --build <build folder>
// Draws every picture of the game into the game folder, copies the fonts, and
// writes a contact sheet and the file list into the build folder.
// assetgen_art --icons <folder>
// Draws only the program's desktop icons, in the hicolor sizes, into the folder.
// assetgen_art --sheet <out.png> <column,titles> <row,names> <file>...
// Lays the game's screenshots out on one grid, the files row by row (tools/screenshots.sh).
#include "app_icon.h"
#include "families.h"
#include "fonts.h"
#include "sink.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <iostream>
#include <thread>
#include <vector>

namespace {

struct Family {
    const char* name;
    void (*draw)(art::Sink&);
};

const Family kFamilies[] = {
    // Longest first, so the two workers finish together.
    {"story", art::DrawStory},
    {"village", art::DrawVillage},
    {"village_gui", art::DrawVillageGui},
    {"puzzles", art::DrawPuzzles},
    {"backgrounds", art::DrawBackgrounds},
    {"frame", art::DrawFrame},
    {"chips", art::DrawChips},
    {"match3_screen", art::DrawMatch3Screen},
    {"panels", art::DrawPanels},
    {"effects", art::DrawEffects},
    {"board", art::DrawBoard},
    {"buttons", art::DrawButtons},
    {"gui_sample", art::DrawGuiSample},
    {"branding", art::DrawBranding},
    {"menus", art::DrawMenus},
    {"tips", art::DrawTips},
};

// "en,de,fr" as its parts.
std::vector<std::string> SplitCommas(const std::string& list) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(list.substr(start, comma - start));
    parts.push_back(list.substr(start));
    return parts;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && !std::strcmp(argv[1], "--sheet")) {
        return art::WriteScreenshotSheet(argv[2], SplitCommas(argv[3]), SplitCommas(argv[4]),
                                         std::vector<std::string>(argv + 5, argv + argc));
    }
    std::string game, build, icons;
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--game")) game = argv[++i];
        else if (!std::strcmp(argv[i], "--build")) build = argv[++i];
        else if (!std::strcmp(argv[i], "--icons")) icons = argv[++i];
    }
    if (!icons.empty()) return art::WriteAppIcons(icons) == 0 ? 0 : 1;
    if (game.empty() || build.empty()) {
        std::cerr << "usage: assetgen_art --game <game folder> --build <build folder>\n"
                     "       assetgen_art --icons <folder>\n"
                     "       assetgen_art --sheet <out.png> <column,titles> <row,names> <file>...\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    art::Sink sink(game, build);
    art::InstallFonts(sink);

    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i; (i = next++) < std::size(kFamilies);) kFamilies[i].draw(sink);
    };
    const unsigned n = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < n; ++t) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();

    art::WriteBoardPreview(sink);
    art::WriteContactSheet(sink, build + "/contact-sheet.png");
    art::WriteFileList(sink, build + "/art-files.md");
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "assetgen_art: " << sink.Written() << " written, " << sink.Unchanged() << " unchanged, "
              << sink.Failed() << " failed in " << secs << " s\n";
    return sink.Failed() == 0 ? 0 : 1;
}
