// The asset check: every image, font, sound and music file that the code and the
// data name must exist in game/ (matched regardless of letter case), and the key
// pictures must have the sizes their layouts need.
#include "asset_scan.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

fs::path SourceDir() {
    if (const char* env = std::getenv("BRAMBLETON_SOURCE_DIR")) return env;
    return fs::current_path();
}

bool AssetsGenerated(const fs::path& game) { return fs::exists(game / "gfx" / "fonts" / "font1.ttf"); }

using assets::ImageSize;

class TempTree {
public:
    TempTree() : root_(fs::temp_directory_path() / ("asset_scan_" + std::to_string(::getpid()))) {
        fs::remove_all(root_);
    }
    ~TempTree() { fs::remove_all(root_); }
    void File(const std::string& rel, const std::string& text = "x") {
        fs::create_directories((root_ / rel).parent_path());
        std::ofstream(root_ / rel) << text;
    }
    const fs::path& Root() const { return root_; }

private:
    fs::path root_;
};

}  // namespace

TEST(AssetScan, ReadsNamesFromCodeDataAndGuiScripts) {
    const auto code = assets::ScanSourceText(
        R"(Load("gfx/game/tile0.png"); img = "gfx/gui/mainGame/power-up-" + n + "-over.png";
           f = GetFont(gameDir + "gfx/fonts/font1.ttf", 36); s = "screenshot.png"; b = dir + "/balance.png"; x = ".png"; t = "txt/#LANG#/a.txt";
           logo = "gfx/gui/mainMenu/#LANG#/logo.png"; // see "gfx/not/this.png"
           /* nor "gfx/nor/that.png" */ c = '"';)",
        "a.cpp");
    std::map<std::string, bool> found;
    for (const auto& r : code) found[r.path] = r.partial;
    EXPECT_EQ(found.count("gfx/game/tile0.png"), 1u);
    EXPECT_EQ(found.count("gfx/fonts/font1.ttf"), 1u);
    EXPECT_EQ(found.count("gfx/gui/mainMenu/en/logo.png"), 1u);
    ASSERT_EQ(found.count("-over.png"), 1u);
    EXPECT_TRUE(found["-over.png"]);
    EXPECT_EQ(found.count("screenshot.png"), 0u);  // written by the game, not read
    EXPECT_EQ(found.count("/balance.png"), 0u);
    EXPECT_EQ(found.count(".png"), 0u);
    EXPECT_EQ(code.size(), 4u);

    const auto data = assets::ScanDataText(
        "chips {\n chip1 {\n  gfx = \"gfx/chips/wood-1.png\"\n  rgb = 1, 2, 3\n }\n}\n"
        "snd1 {\n url = \"sfx/click.ogg\"\n }\n",
        "data/chips.txt");
    ASSERT_EQ(data.size(), 2u);
    EXPECT_EQ(data[0].path, "gfx/chips/wood-1.png");
    EXPECT_EQ(data[1].path, "sfx/click.ogg");

    const auto gui = assets::ScanGuiText(
        "OBJECT menu {\n GFX = ../../buttons.png|menu\n FONT = \"../../../fonts/font1.ttf|24\"\n}\n",
        "gfx/gui/mainGame/en/mainGame.gui", "gfx/gui/mainGame/en");
    ASSERT_EQ(gui.size(), 2u);
    EXPECT_EQ(gui[0].path, "gfx/gui/buttons.png");
    EXPECT_EQ(gui[1].path, "gfx/fonts/font1.ttf");
}

TEST(AssetScan, ResolvesNamesRegardlessOfCase) {
    TempTree t;
    t.File("gfx/gui/MainGame/Power-Up-Hammer.PNG");
    EXPECT_FALSE(assets::FindNoCase(t.Root(), "gfx/gui/mainGame/power-up-hammer.png").empty());
    EXPECT_TRUE(assets::FindNoCase(t.Root(), "gfx/gui/mainGame/power-up-bomb.png").empty());
    EXPECT_TRUE(assets::FindNoCase(t.Root(), "gfx/other/power-up-hammer.png").empty());
    EXPECT_TRUE(assets::AnyFileEndsWith(t.Root(), "-hammer.png"));
    EXPECT_FALSE(assets::AnyFileEndsWith(t.Root(), "-over.png"));
}

TEST(Assets, EveryNamedFileExists) {
    const fs::path src = SourceDir();
    const fs::path game = src / "game";
    if (!AssetsGenerated(game))
        GTEST_SKIP() << "assets not generated (configure with -DBRAMBLETON_ASSETS=ON)";
    const auto refs = assets::CollectAll(src / "src", game);
    ASSERT_GT(refs.size(), 100u);
    std::string missing;
    for (const auto& r : refs) {
        const bool ok =
            r.partial ? assets::AnyFileEndsWith(game, r.path) : !assets::FindNoCase(game, r.path).empty();
        if (!ok) missing += "  " + r.path + " (named in " + r.where + ")\n";
    }
    EXPECT_TRUE(missing.empty()) << "missing in game/:\n" << missing;
}

TEST(Assets, PicturesHaveTheSizesTheirLayoutsNeed) {
    const fs::path game = SourceDir() / "game";
    if (!AssetsGenerated(game))
        GTEST_SKIP() << "assets not generated (configure with -DBRAMBLETON_ASSETS=ON)";
    const std::map<std::string, std::pair<int, int>> expected = {
        {"gfx/game/tile0.png", {48, 48}},
        {"gfx/game/frame_left_from_tile.png", {19, 48}},
        {"gfx/game/frame_up_from_tile.png", {48, 19}},
        {"gfx/game/outer_frame_left_up.png", {17, 17}},
        {"gfx/game/inner_frame_right_down.png", {26, 26}},
        {"gfx/chips/plain-1.png", {48, 48}},
        {"gfx/gui/mainGame/power-up-hammer.png", {80, 80}},
        {"gfx/gui/mainGame/power-up-frame.png", {96, 100}},
        {"gfx/gui/mainGame/timeBack.png", {500, 44}},
        {"gfx/gui/mainGame/timeBar.png", {496, 40}},
        {"gfx/FrameLeft.png", {171, 768}},
        {"gfx/FrameRight.png", {171, 768}},
        {"gfx/stripes.png", {1024, 768}},
        {"gfx/backgrounds/background-1.jpg", {1024, 768}},
        {"gfx/backgrounds/background-10.jpg", {1024, 768}},
        {"gfx/captions/en/get-ready.png", {512, 288}},
    };
    for (const auto& [path, size] : expected) EXPECT_EQ(ImageSize(game / path), size) << path;
}

TEST(Assets, AtlasDescriptionsListPiecesInsideTheirPicture) {
    const fs::path game = SourceDir() / "game";
    if (!AssetsGenerated(game))
        GTEST_SKIP() << "assets not generated (configure with -DBRAMBLETON_ASSETS=ON)";
    const auto [w, h] = ImageSize(game / "gfx/gui/buttons.png");
    std::ifstream in(game / "gfx/gui/buttons.txt");
    int count = 0;
    in >> count;
    ASSERT_GT(count, 0);
    for (int i = 0; i < count; ++i) {
        std::string name;
        int x = -1, y = -1, pw = 0, ph = 0;
        ASSERT_TRUE(in >> name >> x >> y >> pw >> ph) << "piece " << i;
        EXPECT_TRUE(x >= 0 && y >= 0 && pw > 0 && ph > 0 && x + pw <= w && y + ph <= h) << name;
    }
}
