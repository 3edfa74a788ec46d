#include "quest_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "frame/globals.h"
#include "match3/chip.h"
#include "quest/land_catalogue.h"
#include "quest/profile_list.h"
#include "quest/tutorial_catalogue.h"

namespace {

std::shared_ptr<TChip> Proto(int id, int res) {
    auto c = std::make_shared<TChip>();
    c->id = id;
    c->res = res;
    return c;
}

// Chips 1..17 as the proper-chip table uses them (1-3 wood, 4-8 food, 9-14
// gold, 15-17 rock) and 30 a plain chip.
void InstallTestChips() {
    chipCatalogue.clear();
    for (int id = 1; id <= 17; id++) {
        const int res = id <= 3 ? 0 : id <= 8 ? 1 : id <= 14 ? 2 : 3;
        chipCatalogue.push_back(Proto(id, res));
    }
    chipCatalogue.push_back(Proto(30, -1));
}

void InstallTestTips() {
    tutorialTips.clear();
    for (int id : {1, 2, 5, 101}) {
        auto tip = std::make_shared<TTutorialTip>();
        tip->id = id;
        tutorialTips.push_back(tip);
    }
}

}  // namespace

void InstallTestLandItems() {
    landItems.clear();
    for (int id = 1; id <= 24; id++) {
        auto item = std::make_shared<TLandItem>();
        item->id = id;
        item->puzzleId = 100 + id;
        item->res[0] = id;
        item->res[1] = 2 * id;
        item->res[3] = 1;
        landItems.push_back(item);
    }
}

void ProfileTest::SetUp() {
    ASSERT_TRUE(StartHeadlessPlatform(RendererKind::Null));
    std::string tmpl = (std::filesystem::temp_directory_path() / "brambleton-profile-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    root = tmpl;
    savedUserDir = userDir;
    savedGameDir = gameDir;
    userDir = root + "/user";
    gameDir = root + "/game/";
    std::filesystem::create_directories(userDir + "/Profiles");
    std::filesystem::create_directories(gameDir + "data/levels");
    std::filesystem::create_directories(gameDir + "txt/en");
    InstallTestChips();
    InstallTestLandItems();
    InstallTestTips();
    actProfile = nullptr;
    profileManager.profiles.clear();
    profileManager.heldFiles.clear();
    profileManager.loadedOnce = 0;
    profileManager.txtPlayer.clear();
    ProfileHooks() = TProfileHooks();
}

void ProfileTest::TearDown() {
    actProfile = nullptr;
    profileManager.profiles.clear();
    ProfileHooks() = TProfileHooks();
    chipCatalogue.clear();
    landItems.clear();
    tutorialTips.clear();
    userDir = savedUserDir;
    gameDir = savedGameDir;
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    StopHeadlessPlatform();
}

void ProfileTest::WriteQuestLevel(int n) const {
    WriteBytes(gameDir + "data/levels/level-" + std::to_string(n) + ".txt",
               "level {\n\tdata {\n\t\tavailableChips = \"1 4 30\"\n\t\tsize = 3, 3\n\t\ttime = 60, 60\n\t}\n"
               "\ttile {\n\t\trow0 = 1, 1, 1\n\t\trow1 = 1, 2, 1\n\t\trow2 = 1, 1, 1\n\t}\n"
               "\tchips {\n\t\trow0 = 1, 4, 30\n\t\trow1 = 4, 30, 1\n\t\trow2 = 30, 1, 4\n\t}\n}\n");
}

std::string ProfileTest::ProfilePath(const std::string& rest) const { return userDir + "/Profiles/" + rest; }

std::string ProfileTest::ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void ProfileTest::WriteBytes(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

bool ProfileTest::Exists(const std::string& path) { return std::filesystem::exists(path); }
