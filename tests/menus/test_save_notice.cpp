// A save that fails is shown to the player once a run, over the screen up at the next frame, and
// so is the first good save after it; a run without a window never waits for an answer.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/options.h"
#include "frame/save_notice.h"
#include "gui/gui.h"
#include "menus/save_notice_dialog.h"
#include "menus_fixture.h"
#include "quest/profile.h"
#include "quest/profile_list.h"

namespace {

class SaveNoticeTest : public MenusTest {
protected:
    std::vector<std::string> shown;  // the notices' texts, in order

    void SetUp() override {
        MenusTest::SetUp();
        ResetSaveNotices();
        saveNoticeDialog.setup();
        FrameHooks().saveProfiles = [] { return profileManager.saveProfiles(); };
        FrameHooks().showSaveNotice = [this](TEkran* screen, SaveNotice notice) {
            const bool done = saveNoticeDialog.Show(screen, notice);
            if (done) shown.push_back(saveNoticeDialog.text);
            return done;
        };
        profileManager.CreateNewProfile("ANN");
    }
    void TearDown() override {
        FsSetSaveFailure(0);
        FrameHooks().saveProfiles = nullptr;
        FrameHooks().showSaveNotice = nullptr;
        ResetSaveNotices();
        MenusTest::TearDown();
    }
    // The start of a screen's frame, where a waiting notice comes up.
    static void NextFrame() { CommonUpdate(nullptr); }
};

}  // namespace

TEST_F(SaveNoticeTest, AFullDiskIsShownOnceAndTheNextGoodSaveOnce) {
    FsSetSaveFailure(ENOSPC);
    EXPECT_FALSE(SaveAll());
    EXPECT_FALSE(SaveAll());
    NextFrame();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("could not be saved"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find("not kept"), std::string::npos) << shown[0];
    // Where the game tried to save, whole once the breaks for the panel are taken out.
    std::string joined = shown[0];
    joined.erase(std::remove(joined.begin(), joined.end(), ' '), joined.end());
    std::string folder = userDir;
    folder.erase(std::remove(folder.begin(), folder.end(), ' '), folder.end());
    EXPECT_NE(joined.find(folder), std::string::npos) << shown[0];

    // Still failing: nothing more to say.
    EXPECT_FALSE(SaveAll());
    NextFrame();
    EXPECT_EQ(shown.size(), 1u);

    FsSetSaveFailure(0);
    EXPECT_TRUE(SaveAll());
    NextFrame();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], "Progress saved again.");

    // Once a run each.
    FsSetSaveFailure(ENOSPC);
    EXPECT_FALSE(SaveAll());
    FsSetSaveFailure(0);
    EXPECT_TRUE(SaveAll());
    NextFrame();
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(SaveNoticeTest, AFileSizeLimitStandsInForASmallFullDisk) {
    // Writes past 200 bytes fail as on a full disk, for the superuser too.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    actProfile->cash = 123456;  // a profile file of more than 200 bytes
    const bool saved = SaveAll();
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    NextFrame();
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(SaveNoticeTest, GoodSavesSayNothing) {
    EXPECT_TRUE(SaveAll());
    NextFrame();
    EXPECT_TRUE(shown.empty());
}

TEST_F(SaveNoticeTest, ASettingsFileThatCannotBeSavedIsAFailedSave) {
    FsSetSaveFailure(EIO);
    EXPECT_FALSE(options.SaveSettings());
    EXPECT_EQ(PendingSaveNotice(), SaveNotice::Failed);
}

TEST_F(SaveNoticeTest, AFolderThatCannotBeWrittenIsShown) {
    // A regular file where the profiles' folder should be stops even the superuser; a read-only
    // folder stops everybody else.
    std::filesystem::remove_all(userDir + "/Profiles");
    ASSERT_TRUE(FsSaveText("not a folder", userDir + "/Profiles"));
    if (geteuid() != 0) chmod((userDir + "/Data").c_str(), 0555);
    EXPECT_FALSE(SaveAll());
    NextFrame();
    EXPECT_EQ(shown.size(), 1u);
    chmod((userDir + "/Data").c_str(), 0755);
}

TEST_F(SaveNoticeTest, AReadOnlyFolderIsShown) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    chmod((userDir + "/Profiles").c_str(), 0555);
    chmod((userDir + "/Data").c_str(), 0555);
    EXPECT_FALSE(SaveAll());
    NextFrame();
    EXPECT_EQ(shown.size(), 1u);
    chmod((userDir + "/Profiles").c_str(), 0755);
    chmod((userDir + "/Data").c_str(), 0755);
}

TEST_F(SaveNoticeTest, OkClosesTheNoticeAndAWindowlessRunDoesNotWaitForIt) {
    FsSetSaveFailure(ENOSPC);
    SaveAll();
    int closedAt = 0;
    Script([&closedAt](int frame) {
        if (frame == 30) {
            auto ok = saveNoticeDialog.gui->GetObject("OK");
            ClickAt(ok->dim.x + ok->dim.w / 2, ok->dim.y + ok->dim.h / 2);
        }
        if (saveNoticeDialog.dShowPer == 0 && closedAt == 0) closedAt = frame;
    });
    NextFrame();
    EXPECT_GT(closedAt, 30);
    EXPECT_LT(closedAt, 35);

    // Unanswered, it leaves by itself once it has rested a while.
    FsSetSaveFailure(0);
    SaveAll();
    closedAt = 0;
    Script([&closedAt](int frame) {
        if (saveNoticeDialog.dShowPer == 0 && closedAt == 0) closedAt = frame;
    });
    NextFrame();
    EXPECT_GT(closedAt, SAVE_NOTICE_HEADLESS_FRAMES);
    EXPECT_LT(closedAt, SAVE_NOTICE_HEADLESS_FRAMES + 60);
}

TEST_F(SaveNoticeTest, ALongFolderBreaksAtItsSlashes) {
    const std::string path = "/home/somebody/.local/share/Lanternfold/Brambleton";
    const std::string broken = PathBrokenForWidth(path, 200, saveNoticeDialog.font);
    std::string joined = broken;
    joined.erase(std::remove(joined.begin(), joined.end(), ' '), joined.end());
    EXPECT_EQ(joined, path);
    EXPECT_NE(broken.find("/ "), std::string::npos) << broken;
    EXPECT_EQ(PathBrokenForWidth("/tmp/x", 200, saveNoticeDialog.font), "/tmp/x");
}
