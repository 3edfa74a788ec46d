// The village pictures against the places the game uses: every building of
// data/buildings.txt has its pictures, stays clear of the resource counters and
// above the offer row, and holds the chimney points where its smoke starts; the
// research building's glow, the offer row and the animals have the sizes and
// frame counts the screens rely on.
#include "asset_scan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>

namespace fs = std::filesystem;

namespace {

fs::path Game() {
    const char* env = std::getenv("BRAMBLETON_SOURCE_DIR");
    return (env ? fs::path(env) : fs::current_path()) / "game";
}

bool Generated() { return fs::exists(Game() / "gfx/gui/landScreen/back.jpg"); }

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Holds(int px, int py, int margin) const {
        return px >= x + margin && px < x + w - margin && py >= y + margin && py < y + h - margin;
    }
    bool Meets(const Rect& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
};

struct Building {
    std::string basic, upgraded;
    int x = 0, y = 0, ux = 0, uy = 0;
    std::string stage[3];
    int sx[3] = {}, sy[3] = {};
};

// The building file as the generator writes it: one key per line, groups by braces.
std::map<int, Building> ReadBuildings() {
    std::ifstream in(Game() / "data/buildings.txt");
    std::map<int, Building> out;
    Building* b = nullptr;
    int stage = -1;
    const std::regex entry(R"re(^\s*(\w+) = "?([^"]*)"?\s*$)re"), group(R"re(^\s*buildstate(\d) \{)re");
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, group)) {
            stage = std::stoi(m[1]) - 1;
            continue;
        }
        if (line.find('}') != std::string::npos) {
            stage = -1;
            continue;
        }
        if (!std::regex_match(line, m, entry)) continue;
        const std::string key = m[1], value = m[2];
        int a = 0, c = 0;
        std::sscanf(value.c_str(), "%d, %d", &a, &c);
        if (key == "id") b = &out[a];
        if (!b) continue;
        if (stage >= 0 && key == "url") b->stage[stage] = value;
        if (stage >= 0 && key == "position") b->sx[stage] = a, b->sy[stage] = c;
        if (key == "basicUrl") b->basic = value;
        if (key == "upgradedUrl") b->upgraded = value;
        if (key == "dim") b->x = a, b->y = c;
        if (key == "upgradeDim") b->ux = a, b->uy = c;
    }
    return out;
}

Rect At(const std::string& url, int x, int y) {
    const auto [w, h] = assets::ImageSize(Game() / url);
    return {x, y, w, h};
}

}  // namespace

TEST(VillageArt, EveryBuildingHasItsPicturesClearOfCountersAndOfferRow) {
    if (!Generated()) GTEST_SKIP() << "assets not generated (configure with -DBRAMBLETON_ASSETS=ON)";
    const auto all = ReadBuildings();
    ASSERT_EQ(all.size(), 15u);
    const Rect counters{50, 0, 400, 110};
    for (const auto& [id, b] : all) {
        std::vector<Rect> pics = {At(b.basic, b.x, b.y)};
        if (!b.upgraded.empty()) pics.push_back(At(b.upgraded, b.ux, b.uy));
        for (int k = 0; k < 3; ++k) pics.push_back(At(b.stage[k], b.sx[k], b.sy[k]));
        for (const Rect& r : pics) {
            EXPECT_GT(r.w, 0) << "building " << id << ": a picture is missing";
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= 1024) << "building " << id << " off screen";
            EXPECT_LE(r.y + r.h, 654) << "building " << id << " reaches under the offer row";
            EXPECT_FALSE(r.Meets(counters)) << "building " << id << " under the resource counters";
        }
    }
}

TEST(VillageArt, SmokingChimneysStandOnTheirBuildings) {
    if (!Generated()) GTEST_SKIP() << "assets not generated (configure with -DBRAMBLETON_ASSETS=ON)";
    const auto all = ReadBuildings();
    // Chimney point, building, and whether the basic and the upgraded picture carry it.
    const struct {
        int x, y, building;
        bool basic, upgraded;
    } chimneys[] = {{205, 234, 11, true, false}, {667, 422, 10, false, true}, {686, 430, 10, true, true},
                    {767, 547, 2, true, true},   {830, 402, 9, true, true},   {875, 506, 6, true, true}};
    for (const auto& c : chimneys) {
        ASSERT_TRUE(all.count(c.building)) << c.building;
        const Building& b = all.at(c.building);
        if (c.basic) {
            EXPECT_TRUE(At(b.basic, b.x, b.y).Holds(c.x, c.y, 2)) << c.x << "," << c.y;
        }
        if (c.upgraded) {
            EXPECT_TRUE(At(b.upgraded, b.ux, b.uy).Holds(c.x, c.y, 2)) << c.x << "," << c.y;
        }
    }
}

TEST(VillageArt, ResearchGlowIsLargerByTheHandleMargins) {
    if (!Generated()) GTEST_SKIP() << "assets not generated (configure with -DBRAMBLETON_ASSETS=ON)";
    const auto [w, h] = assets::ImageSize(Game() / "gfx/village/building-7.png");
    const auto [uw, uh] = assets::ImageSize(Game() / "gfx/village/building-7-up.png");
    EXPECT_EQ(assets::ImageSize(Game() / "gfx/gui/landScreen/over-hall.png"), std::make_pair(w + 18, h + 22));
    EXPECT_EQ(assets::ImageSize(Game() / "gfx/gui/landScreen/over-hall-2.png"),
              std::make_pair(uw + 28, uh + 26));
}

TEST(VillageArt, OfferRowIconsAndAnimalsHaveTheirSizesAndFrames) {
    if (!Generated()) GTEST_SKIP() << "assets not generated (configure with -DBRAMBLETON_ASSETS=ON)";
    const fs::path g = Game();
    EXPECT_EQ(assets::ImageSize(g / "gfx/gui/landScreen/back.jpg"), std::make_pair(1024, 768));
    EXPECT_EQ(assets::ImageSize(g / "gfx/gui/landScreen/frame.png"), std::make_pair(192, 124));
    for (const char* b : {"red", "green", "grey", "cyan"})
        EXPECT_EQ(assets::ImageSize(g / ("gfx/gui/landScreen/button_" + std::string(b) + ".png")),
                  std::make_pair(95, 80))
            << b;
    for (int i = 1; i <= 24; ++i)
        EXPECT_EQ(assets::ImageSize(g / ("gfx/village/icons/item-" + std::to_string(i) + ".png")),
                  std::make_pair(88, 88))
            << i;
    const std::map<std::string, int> frames = {{"bird", 4}, {"hen", 3},    {"pig", 4},
                                               {"mole", 5}, {"rabbit", 9}, {"sheep", 8}};
    for (const auto& [folder, count] : frames) {
        for (int k = 0; k < count; ++k)
            EXPECT_TRUE(fs::exists(g / "gfx/animations" / folder / ("frame" + std::to_string(k) + ".png")))
                << folder << " " << k;
        EXPECT_FALSE(fs::exists(g / "gfx/animations" / folder / ("frame" + std::to_string(count) + ".png")))
            << folder << " has more frames than the game reads";
    }
}
