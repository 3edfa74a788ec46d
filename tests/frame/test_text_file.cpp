// Localised text files: line cutting, line look-up, "#LANG#" and references.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "frame/globals.h"
#include "frame/text_file.h"
#include "platform/platform.h"
#include "platform/process.h"

namespace {

std::vector<std::string> Lines(const std::string& text) { return TxtFileFromText(text)->txt; }

// A fresh folder under /tmp with txt/<code>/ files for the reference tests.
class TextFiles : public testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/brambleton_txtXXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
        savedLang_ = lang;
    }
    void TearDown() override {
        lang = savedLang_;
        std::system(("rm -rf '" + dir_ + "'").c_str());
    }
    std::string Write(const std::string& relative, const std::string& bytes) {
        std::string path = dir_ + "/" + relative;
        std::string folder = path.substr(0, path.rfind('/'));
        std::system(("mkdir -p '" + folder + "'").c_str());
        EXPECT_TRUE(FsSaveBytes(bytes, path));
        return path;
    }
    std::string dir_;
    std::string savedLang_;
};

}  // namespace

TEST(TextFileLines, EveryLineFeedEndsALine) {
    EXPECT_EQ(Lines("A\nB\n"), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Lines("A\n\nB"), (std::vector<std::string>{"A", "", "B"}));
    EXPECT_EQ(Lines("A\nB"), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Lines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(Lines("").empty());
}

TEST(TextFileLines, CarriageReturnsAndNulBytesStayInTheLines) {
    EXPECT_EQ(Lines("A\r\nB\r\n"), (std::vector<std::string>{"A\r", "B\r"}));
    EXPECT_EQ(Lines("A\r\nB\r"), (std::vector<std::string>{"A\r", "B\r"}));
    std::string withNul("x\0y\nz", 5);
    EXPECT_EQ(Lines(withNul), (std::vector<std::string>{std::string("x\0y", 3), "z"}));
}

TEST(TextFileLines, LinesAreCountedFromOne) {
    auto file = TxtFileFromText("first\nsecond\n");
    EXPECT_EQ(file->lines(), 2);
    EXPECT_EQ(TxtLine(file, 1), "first");
    EXPECT_EQ(TxtLine(file, 2), "second");
    EXPECT_EQ(TxtLine(file, 0), "(BEYOND TEXT ARRAY LENGTH!)");
    EXPECT_EQ(TxtLine(file, 3), "(BEYOND TEXT ARRAY LENGTH!)");
    EXPECT_EQ(TxtLine(file, -1), "(BEYOND TEXT ARRAY LENGTH!)");
    EXPECT_EQ(TxtLine(static_cast<const TTxtFile*>(nullptr), 1), TXT_BEYOND);
}

TEST(TextFileLines, LangPlaceholderIsReplacedEverywhere) {
    std::string saved = lang;
    lang = "pl";
    EXPECT_EQ(ReplaceLang("txt/#LANG#/game.txt"), "txt/pl/game.txt");
    EXPECT_EQ(ReplaceLang("#LANG##LANG#/x#LANG"), "plpl/x#LANG");
    EXPECT_EQ(ReplaceLang("no placeholder"), "no placeholder");
    lang = saved;
}

TEST_F(TextFiles, LoadTxtFileReadsTheLanguageFolder) {
    Write("txt/en/menu.txt", "Play\r\nOptions\r\nQuit");
    Write("txt/de/menu.txt", "Spielen\n");
    lang = "en";
    auto en = LoadTxtFile(dir_ + "/txt/#LANG#/menu.txt");
    EXPECT_EQ(en->lines(), 3);
    EXPECT_EQ(TxtLine(en, 1), "Play\r");
    EXPECT_EQ(TxtLine(en, 3), "Quit");
    lang = "de";
    EXPECT_EQ(TxtLine(LoadTxtFile(dir_ + "/txt/#LANG#/menu.txt"), 1), "Spielen");
}

TEST_F(TextFiles, ByteOrderMarksSelectTheEncoding) {
    // UTF-16 little endian with its mark: "Zoë\nB"
    Write("u16.txt", std::string("\xFF\xFE"
                                 "Z\0o\0\xEB\0\n\0B\0",
                                 12));
    auto file = LoadTxtFile(dir_ + "/u16.txt");
    ASSERT_EQ(file->lines(), 2);
    EXPECT_EQ(TxtLine(file, 1), "Zo\xC3\xAB");
    Write("u8.txt",
          "\xEF\xBB\xBF"
          "caf\xC3\xA9\n");
    EXPECT_EQ(TxtLine(LoadTxtFile(dir_ + "/u8.txt"), 1), "caf\xC3\xA9");
}

TEST_F(TextFiles, MissingFileReadsEmpty) {
    auto file = LoadTxtFile(dir_ + "/nothing.txt");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->lines(), 0);
    EXPECT_EQ(TxtLine(file, 1), "(BEYOND TEXT ARRAY LENGTH!)");
}

TEST_F(TextFiles, TxtRefResolvesPathAndLine) {
    Write("txt/en/gui.txt", "Start\nBack\n");
    lang = "en";
    EXPECT_EQ(TxtRef("[" + dir_ + "/txt/#LANG#/gui.txt|2]"), "Back");
    EXPECT_EQ(TxtRef("[" + dir_ + "/txt/#LANG#/gui.txt|1]"), "Start");
    EXPECT_EQ(TxtRef("[" + dir_ + "/txt/#LANG#/gui.txt|3]"), TXT_BEYOND);
    EXPECT_EQ(TxtRef("[" + dir_ + "/txt/#LANG#/gui.txt|x]"), TXT_BEYOND);
    EXPECT_EQ(TxtRef("[" + dir_ + "/txt/#LANG#/gui.txt]"), TXT_BEYOND);
    EXPECT_EQ(TxtRef("[" + dir_ + "/missing.txt|1]"), TXT_BEYOND);
    EXPECT_EQ(TxtRef(""), TXT_BEYOND);
    EXPECT_EQ(TxtRef("[]"), TXT_BEYOND);
    // The file is read anew at every call.
    Write("txt/en/gui.txt", "Changed\n");
    EXPECT_EQ(TxtRef("[" + dir_ + "/txt/#LANG#/gui.txt|1]"), "Changed");
}

TEST(ShippedTexts, ACodeReferenceStartsAtTheWorkingDirectory) {
    // The forms docs/data-files.md shows, against the game's own files.
    EXPECT_NE(TxtRef("[game/txt/#LANG#/lose.txt|2]"), TXT_BEYOND);
    EXPECT_EQ(TxtRef("[game/txt/#LANG#/lose.txt|2]"), TxtLine(LoadTxtFile("game/txt/en/lose.txt"), 2));
    EXPECT_EQ(TxtRef("[txt/#LANG#/lose.txt|2]"), TXT_BEYOND);
}

TEST_F(TextFiles, ALineOfTenMegabytesIsCutWithAMessage) {
    // Two-byte letters, so that a cut inside one would show.
    std::string huge;
    while (huge.size() < 10u * 1024 * 1024) huge += "é";
    const std::string path = Write("txt/en/huge.txt", "before\n" + huge + "\nafter\n");
    std::shared_ptr<TTxtFile> file;
    const std::string log = SysCaptureOutput([&] { file = LoadTxtFile(path); });
    ASSERT_EQ(file->lines(), 3);
    EXPECT_EQ(file->txt[0], "before");
    EXPECT_EQ(file->txt[2], "after");
    const std::string& cut = file->txt[1];
    EXPECT_LE(cut.size(), TXT_MAX_LINE_BYTES);
    EXPECT_GE(cut.size(), TXT_MAX_LINE_BYTES - 1);
    EXPECT_EQ(cut, huge.substr(0, cut.size()));
    EXPECT_EQ(cut.size() % 2, 0u) << "a letter was split";
    EXPECT_NE(log.find("Line 2 of " + path), std::string::npos) << log;
    // A line at the bound is kept whole, without a message.
    const std::string full(TXT_MAX_LINE_BYTES, 'x');
    const std::string quiet = SysCaptureOutput([&] { file = TxtFileFromText(full); });
    EXPECT_EQ(file->txt[0], full);
    EXPECT_TRUE(quiet.empty()) << quiet;
}
