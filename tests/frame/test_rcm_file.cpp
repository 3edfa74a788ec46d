// RCM files on disk: loading, the missing-file message, saving.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "frame/rcm.h"
#include "platform/platform.h"

namespace {

class RcmFiles : public testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/brambleton_rcmXXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
    std::string dir_;
};

}  // namespace

TEST_F(RcmFiles, MissingFileIsReportedAndReadsEmpty) {
    const std::string path = dir_ + "/missing.txt";
    testing::internal::CaptureStdout();
    auto file = LoadRCM(path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Napotkano problem : Nie znaleziono pliku : " + path + "\n");
    EXPECT_EQ(file->_path, path);
    EXPECT_EQ(file->getString("a::b"), "");
    EXPECT_EQ(file->getFloat("a::b"), 0.0f);
    EXPECT_TRUE(file->_grupa->_listaGrup.empty());
}

TEST_F(RcmFiles, LoadReadsTheFileWithAnyLetterCase) {
    ASSERT_TRUE(FsSaveBytes("settings {\r\n\tsoundVolume = 80\r\n}", dir_ + "/Settings.TXT"));
    auto file = LoadRCM(dir_ + "/settings.txt");
    EXPECT_EQ(file->getFloat("settings::soundvolume"), 80.0f);
    EXPECT_EQ(file->_grupa->_id, "MAINGROUP");
    EXPECT_FALSE(file->_realPath.empty());
}

TEST_F(RcmFiles, EmptyFileReadsEmptyWithoutAMessage) {
    ASSERT_TRUE(FsSaveBytes("", dir_ + "/empty.txt"));
    testing::internal::CaptureStdout();
    auto file = LoadRCM(dir_ + "/empty.txt");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(file->_grupa->_listaGrup.empty());
}

TEST_F(RcmFiles, SavedFileLoadsBackWithNonAsciiText) {
    auto file = NewRCM();
    file->setString("profile::name", "Zo\xC3\xAB");  // below 256: one byte per character
    file->setString("profile::town",
                    "\xC5\x81"
                    "\xC3\xB3"
                    "d\xC5\xBA");  // needs UTF-16 on disk
    file->setFloat("profile::level", 7);
    const std::string path = dir_ + "/profile.dat";
    ASSERT_TRUE(file->save(path));
    auto back = LoadRCM(path);
    EXPECT_EQ(back->getString("profile::name"), "Zo\xC3\xAB");
    EXPECT_EQ(back->getString("profile::town"),
              "\xC5\x81\xC3\xB3"
              "d\xC5\xBA");
    EXPECT_EQ(back->getFloat("profile::level"), 7.0f);
    EXPECT_EQ(back->saveText(), file->saveText());
}

TEST_F(RcmFiles, SaveReportsFailure) {
    auto file = NewRCM();
    file->setFloat("a::b", 1);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(file->save(dir_ + "/no/such/folder/file.txt"));
    testing::internal::GetCapturedStdout();
    // A folder where the file should go: the old folder stays as it was.
    const std::string folder = dir_ + "/folder";
    ASSERT_TRUE(FsCreateDir(folder));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(file->save(folder));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(FsFileType(folder), 2);
}
