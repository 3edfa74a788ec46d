// Finding the resource folder: which folders are tried, when one counts as
// whole, and what the player is told when none does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "frame/globals.h"
#include "frame/resource_dir.h"

namespace fs = std::filesystem;

namespace {
class ResourceDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("bt-resdir-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "build");
        savedGameDir = gameDir;
    }
    void TearDown() override {
        gameDir = savedGameDir;
        fs::remove_all(root);
    }
    std::string Dir(const std::string& rel) const { return (root / rel).string() + "/"; }

    fs::path root;
    std::string savedGameDir;
};
}  // namespace

TEST_F(ResourceDirTest, CandidatesInOrder) {
    ResourceDirSearch s;
    s.programDir = Dir("build");
    s.buildDir = Dir("build");
    s.sourceGame = Dir("src/game");
    const auto dirs = ResourceDirCandidates(s);
    ASSERT_EQ(dirs.size(), 2u);
    EXPECT_EQ(dirs[0], Dir("share/brambleton"));  // build/../share, tidied
    EXPECT_EQ(dirs[1], Dir("src/game"));

    // An installed copy never falls back to the tree it was built from.
    s.programDir = Dir("usr/bin");
    ASSERT_EQ(ResourceDirCandidates(s).size(), 1u);
    EXPECT_EQ(ResourceDirCandidates(s)[0], Dir("usr/share/brambleton"));

    // A folder given on the command line is the only one tried.
    s.given = (root / "mine").string();
    ASSERT_EQ(ResourceDirCandidates(s).size(), 1u);
    EXPECT_EQ(ResourceDirCandidates(s)[0], Dir("mine"));
}

TEST_F(ResourceDirTest, OnlyAWholeFolderCounts) {
    EXPECT_EQ(MissingResource(Dir("nothing")), "the folder itself");
    fs::create_directories(root / "half/data");
    std::ofstream(root / "half/data/chips.txt") << "x";
    EXPECT_EQ(MissingResource(Dir("half")), "data/sounds.txt");
    // The repository's own resource folder is whole (the tests run in the source root).
    EXPECT_EQ(MissingResource("game/"), "");
    EXPECT_EQ(MissingResource("game"), "");
}

TEST_F(ResourceDirTest, FirstWholeFolderBecomesGameDir) {
    ResourceDirSearch s;
    s.programDir = Dir("build");
    s.buildDir = Dir("build");
    s.sourceGame = fs::absolute("game").string();
    std::string message;
    ASSERT_TRUE(LocateResourceDir(s, message)) << message;
    EXPECT_EQ(gameDir, fs::absolute("game").lexically_normal().string() + "/");
    EXPECT_TRUE(message.empty());
}

TEST_F(ResourceDirTest, NoWholeFolderNamesEveryPlaceLookedIn) {
    fs::create_directories(root / "share/brambleton/data");
    ResourceDirSearch s;
    s.programDir = Dir("build");
    s.buildDir = Dir("build");
    s.sourceGame = Dir("gone");
    gameDir = "unchanged/";
    std::string message;
    EXPECT_FALSE(LocateResourceDir(s, message));
    EXPECT_EQ(gameDir, "unchanged/");
    EXPECT_NE(message.find(Dir("share/brambleton") + " (missing: data/chips.txt)"), std::string::npos)
        << message;
    EXPECT_NE(message.find(Dir("gone") + " (missing: the folder itself)"), std::string::npos) << message;
    EXPECT_NE(message.find("--data-dir"), std::string::npos);
}
