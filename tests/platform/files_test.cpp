// Files: case-blind paths, text decoding and encoding, atomic saves.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "platform/platform.h"
#include "test_files_helper.h"

TEST(Files, PathsMatchRegardlessOfCase) {
    ScratchDir dir;
    mkdir((dir / "game").c_str(), 0755);
    mkdir((dir / "game/gfx").c_str(), 0755);
    WriteBytes(dir / "game/gfx/point.png", "x");
    EXPECT_EQ(FsFileType(dir / "game/GFX/Point.PNG"), 1);
    EXPECT_EQ(FsFileType(dir / "GAME/gfx"), 2);
    EXPECT_EQ(FsFileType(dir / "game/gfx/missing.png"), 0);
    EXPECT_EQ(FsResolvePath(dir / "Game/Gfx/POINT.png"), dir / "game/gfx/point.png");
    EXPECT_EQ(FsResolvePath(dir / "Game/New/File.txt"), dir / "game/New/File.txt");
    EXPECT_EQ(FsLoadString(dir / "GAME\\GFX\\point.png"), "x");

    // Saving into a folder spelled otherwise writes into that folder.
    ASSERT_TRUE(FsSaveBytes("data", dir / "GAME/Saved.txt"));
    EXPECT_EQ(ReadBytes(dir / "game/Saved.txt"), "data");
    ASSERT_TRUE(FsSaveBytes("again", dir / "game/SAVED.TXT"));
    EXPECT_EQ(ReadBytes(dir / "game/Saved.txt"), "again");
    EXPECT_EQ(FsListDir(dir / "Game"), (std::vector<std::string>{"Saved.txt", "gfx"}));

    // "Data" created once, addressed as "data" afterwards.
    ASSERT_TRUE(FsCreateDir(dir / "Data"));
    EXPECT_TRUE(FsCreateDir(dir / "data"));
    EXPECT_EQ(FsListDir(dir.path()), (std::vector<std::string>{"Data", "game"}));
    EXPECT_FALSE(FsCreateDir(dir / "no/such/parent"));

    EXPECT_TRUE(FsRenameFile(dir / "GAME/saved.txt", dir / "game/renamed.txt"));
    EXPECT_EQ(FsFileType(dir / "game/renamed.txt"), 1);
    EXPECT_TRUE(FsDeleteFile(dir / "Game/Renamed.TXT"));
    EXPECT_EQ(FsFileType(dir / "game/renamed.txt"), 0);
    EXPECT_FALSE(FsDeleteFile(dir / "game/renamed.txt"));
    EXPECT_TRUE(FsGrantFullAccess(dir.path(), "Users"));
}

TEST(Files, RealPathIsAbsolute) {
    ScratchDir dir;
    EXPECT_EQ(FsRealPath(dir / "x/../"), FsRealPath(dir.path()));
    EXPECT_EQ(FsRealPath("relative/missing")[0], '/');
}

TEST(Files, LoadTextFollowsTheByteOrderMark) {
    ScratchDir dir;
    const std::string word = "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 \xF0\x9F\x8D\x92";  // "Zażółć 🍒"
    WriteBytes(dir / "utf8.txt", "\xEF\xBB\xBF" + word);
    EXPECT_EQ(FsLoadText(dir / "utf8.txt"), word);

    std::string le = "\xFF\xFE";
    std::string be = "\xFE\xFF";
    const unsigned units[] = {'Z', 'a', 0x17C, 0xF3, 0x142, 0x107, ' ', 0xD83C, 0xDF52};
    for (unsigned u : units) {
        le += static_cast<char>(u & 0xFF);
        le += static_cast<char>(u >> 8);
        be += static_cast<char>(u >> 8);
        be += static_cast<char>(u & 0xFF);
    }
    WriteBytes(dir / "le.txt", le);
    WriteBytes(dir / "be.txt", be);
    EXPECT_EQ(FsLoadText(dir / "le.txt"), word);
    EXPECT_EQ(FsLoadText(dir / "be.txt"), word);

    // No mark: UTF-8 stays, other bytes are one character each.
    WriteBytes(dir / "plain.txt", word);
    EXPECT_EQ(FsLoadText(dir / "plain.txt"), word);
    WriteBytes(dir / "latin1.txt",
               "caf\xE9 \xA3"
               "5");
    EXPECT_EQ(FsLoadText(dir / "latin1.txt"),
              "caf\xC3\xA9 \xC2\xA3"
              "5");
    EXPECT_EQ(FsLoadText(dir / "missing.txt"), "");

    // An odd trailing byte and a lone surrogate do not break the rest.
    WriteBytes(dir / "odd.txt", std::string("\xFF\xFE"
                                            "A\0\x00\xD8"
                                            "B\0C",
                                            9));
    EXPECT_EQ(FsLoadText(dir / "odd.txt"),
              "A\xEF\xBF\xBD"
              "B");
}

TEST(Files, LoadStringHoldsTheWholeFileInNoMoreThanItsSize) {
    // Fonts and music keep their file's bytes while they are used: the string holds the file,
    // not the slack of growing by appending.
    ScratchDir dir;
    std::string bytes(700001, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 131) >> 3);
    WriteBytes(dir / "big.bin", bytes);
    const std::string read = FsLoadString(dir / "big.bin");
    EXPECT_EQ(read, bytes);
    EXPECT_LT(read.capacity(), bytes.size() + bytes.size() / 16);

    WriteBytes(dir / "empty.bin", "");
    EXPECT_TRUE(FsLoadString(dir / "empty.bin").empty());
    EXPECT_TRUE(FsLoadString(dir / "missing.bin").empty());
}

TEST(Files, SaveTextPicksOneBytePerCharacterOrUtf16) {
    ScratchDir dir;
    ASSERT_TRUE(FsSaveText("caf\xC3\xA9", dir / "narrow.txt"));
    EXPECT_EQ(ReadBytes(dir / "narrow.txt"), "caf\xE9");
    EXPECT_EQ(FsLoadText(dir / "narrow.txt"), "caf\xC3\xA9");

    const std::string wide = "\xC5\xBC\xF0\x9F\x8D\x92";  // "ż🍒"
    ASSERT_TRUE(FsSaveText(wide, dir / "wide.txt"));
    EXPECT_EQ(ReadBytes(dir / "wide.txt"), std::string("\xFF\xFE\x7C\x01\x3C\xD8\x52\xDF", 8));
    EXPECT_EQ(FsLoadText(dir / "wide.txt"), wide);

    ASSERT_TRUE(FsSaveText("", dir / "empty.txt"));
    EXPECT_EQ(FsFileType(dir / "empty.txt"), 1);
    EXPECT_EQ(FsLoadText(dir / "empty.txt"), "");
}

TEST(Files, FailedSavesLeaveTheOldFileIntact) {
    ScratchDir dir;
    WriteBytes(dir / "profile.dat", "old contents");
    WriteBytes(dir / "afile", "x");
    EXPECT_FALSE(FsSaveBytes("new", dir / "afile/child.txt"));
    EXPECT_FALSE(FsSaveBytes("new", dir / "missing-folder/child.txt"));
    mkdir((dir / "adir").c_str(), 0755);
    EXPECT_FALSE(FsSaveBytes("new", dir / "adir"));

    // A file size limit stands in for a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = FsSaveBytes(std::string(5000, 'n'), dir / "profile.dat");
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(dir / "profile.dat"), "old contents");
    EXPECT_EQ(FsListDir(dir.path()), (std::vector<std::string>{"adir", "afile", "profile.dat"}));

    if (geteuid() != 0) {  // root writes into read-only folders anyway
        chmod(dir.path().c_str(), 0555);
        EXPECT_FALSE(FsSaveBytes("new", dir / "profile.dat"));
        chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(ReadBytes(dir / "profile.dat"), "old contents");
    }

    // Saving keeps the file's permissions.
    chmod((dir / "profile.dat").c_str(), 0640);
    ASSERT_TRUE(FsSaveBytes("newer", dir / "profile.dat"));
    struct stat st {};
    stat((dir / "profile.dat").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(ReadBytes(dir / "profile.dat"), "newer");
}

TEST(Files, SavedFilesNeverCarrySpecialBitsNorFollowALink) {
    ScratchDir dir;
    const mode_t oldMask = umask(022);
    auto modeOf = [](const std::string& path) {
        struct stat st {};
        lstat(path.c_str(), &st);
        return st.st_mode;
    };
    // A new file: 0644 less the umask.
    ASSERT_TRUE(FsSaveBytes("new", dir / "fresh.txt"));
    EXPECT_EQ(modeOf(dir / "fresh.txt") & 07777, 0644u);
    umask(077);
    ASSERT_TRUE(FsSaveBytes("new", dir / "private.txt"));
    EXPECT_EQ(modeOf(dir / "private.txt") & 07777, 0600u);
    umask(022);

    // A set-uid program: the settings file linked to it.
    WriteBytes(dir / "program", "#!/bin/sh\n");
    chmod((dir / "program").c_str(), 04755);
    ASSERT_EQ(symlink((dir / "program").c_str(), (dir / "settings.txt").c_str()), 0);
    ASSERT_TRUE(FsSaveBytes("settings {\n}\n", dir / "settings.txt"));
    EXPECT_TRUE(S_ISREG(modeOf(dir / "settings.txt"))) << "the link is replaced by a regular file";
    EXPECT_EQ(modeOf(dir / "settings.txt") & 07777, 0644u);
    EXPECT_EQ(ReadBytes(dir / "settings.txt"), "settings {\n}\n");
    EXPECT_EQ(ReadBytes(dir / "program"), "#!/bin/sh\n");
    EXPECT_EQ(modeOf(dir / "program") & 07777, 04755u);

    // A regular file with special bits keeps its permissions without them.
    chmod((dir / "settings.txt").c_str(), 06751);
    ASSERT_TRUE(FsSaveBytes("again", dir / "settings.txt"));
    EXPECT_EQ(modeOf(dir / "settings.txt") & 07777, 0751u);
    umask(oldMask);
}

TEST(Files, SpecialFolderFollowsXdgAndTheOverride) {
    ScratchDir dir;
    const char* oldXdg = std::getenv("XDG_DATA_HOME");
    const std::string saved = oldXdg != nullptr ? oldXdg : "";
    setenv("XDG_DATA_HOME", (dir / "xdg").c_str(), 1);
    EXPECT_EQ(FsSpecialFolder(35), dir / "xdg");
    EXPECT_EQ(FsFileType(dir / "xdg"), 2);
    FsSetSpecialFolderOverride(dir / "user/");
    EXPECT_EQ(FsSpecialFolder(35), dir / "user");
    FsSetSpecialFolderOverride("");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_NE(FsSpecialFolder(35).find("/.local/share"), std::string::npos);
    if (oldXdg != nullptr) {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
    EXPECT_EQ(FsSpecialFolder(5), "");
}
