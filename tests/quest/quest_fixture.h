// Shared set-up of the profile tests: a headless platform (null renderer), a
// fresh user folder and game folder per test, small catalogues of chips,
// land items and tutorial tips, and quest level files on demand.
#pragma once

#include <memory>
#include <string>

#include "quest/profile.h"
#include "support/headless_platform.h"

class ProfileTest : public ::testing::Test {
protected:
    std::string root;  // the test's temporary folder
    std::string savedUserDir, savedGameDir;

    void SetUp() override;
    void TearDown() override;

    // Writes "data/levels/level-N.txt" below the test's game folder: a 3 x 3
    // board of wood (chip 1), food (chip 4) and a plain chip.
    void WriteQuestLevel(int n) const;
    // Real path of a file below the user folder's profile folder.
    std::string ProfilePath(const std::string& rest) const;
    static std::string ReadBytes(const std::string& path);
    static void WriteBytes(const std::string& path, const std::string& bytes);
    static bool Exists(const std::string& path);
};

// Land item ids 1..24 with blueprint puzzle 100 + id and price (id, 2 id, 0, 1).
void InstallTestLandItems();
