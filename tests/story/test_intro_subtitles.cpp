// The timed subtitles: when they show, how they fade at their edges, where
// they stand, how their files are read, and the story's own files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "frame/globals.h"
#include "frame/text_file.h"
#include "story/story_text.h"
#include "support/headless_platform.h"

namespace fs = std::filesystem;

namespace {
class Subtitles : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("brambleton-subtitles-" + std::to_string(::getpid()));

    void SetUp() override {
        ASSERT_TRUE(StartHeadlessPlatform(RendererKind::Software));
        LoadStoryFont();
        fs::create_directories(dir);
    }
    void TearDown() override {
        StoryList().clear();
        fs::remove_all(dir);
        StopHeadlessPlatform();
    }
    std::string write(const std::string& name, const std::string& text) {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
    std::shared_ptr<TStoryText> only() {
        auto all = StoryList().toVector();
        return all.size() == 1 ? all[0] : nullptr;
    }
    // One subtitle starting `start` s after now, shown `wait` s.
    std::shared_ptr<TStoryText> one(int start, int wait, int spec = 0, const std::string& line = "Hello") {
        write("t.txt", line + "\n");
        write("d.txt", "texts {\n i = 1\n txt1 {\n txt = 1\n startTime = " + std::to_string(start) +
                           "\n spec = " + std::to_string(spec) + "\n waitTime = " + std::to_string(wait) +
                           "\n }\n}\n");
        LoadStoryTexts((dir / "d.txt").string(), (dir / "t.txt").string());
        ResetStoryTexts();
        return only();
    }
    static void at(int ms, int base) {
        const int now = SysMillisecs() - base;
        if (ms > now) SysAdvanceFixedClock(ms - now);
    }
};

TEST_F(Subtitles, NothingShowsBeforeItsStartTime) {
    const int base = SysMillisecs();
    auto t = one(3, 4);
    ASSERT_TRUE(t);
    at(2999, base);
    UpdateStoryTexts();
    EXPECT_EQ(t->byloStart, 0);
    EXPECT_FLOAT_EQ(t->a, 0);
    at(3000, base);
    UpdateStoryTexts();
    EXPECT_EQ(t->byloStart, 1);
    EXPECT_EQ(t->endTime, base + 3000 + 4000);
}

TEST_F(Subtitles, AFourSecondSubtitleFadesInHoldsAndFadesOutThenLeaves) {
    const int base = SysMillisecs();
    auto t = one(1, 4);
    at(1000, base);
    UpdateStoryTexts();
    at(1500, base);
    UpdateStoryTexts();
    EXPECT_NEAR(t->a, 0.5f, 1e-3);
    at(2000, base);
    UpdateStoryTexts();
    EXPECT_FLOAT_EQ(t->a, 1);
    at(4000, base);
    UpdateStoryTexts();
    EXPECT_FLOAT_EQ(t->a, 1);
    at(4750, base);
    UpdateStoryTexts();
    EXPECT_NEAR(t->a, 0.25f, 1e-3);
    at(5000, base);
    UpdateStoryTexts();
    EXPECT_FLOAT_EQ(t->a, 0);
    EXPECT_EQ(StoryList().size(), 1u);  // still there at its very end
    at(5001, base);
    UpdateStoryTexts();
    EXPECT_TRUE(StoryList().empty());
}

TEST_F(Subtitles, ATwoSecondSubtitleIsFullyOpaqueOnlyForAnInstant) {
    const int base = SysMillisecs();
    auto t = one(0, 2);
    float highest = 0;
    int opaque = 0;
    for (int ms = 0; ms <= 2000; ms += 50) {
        at(ms, base);
        UpdateStoryTexts();
        highest = std::max(highest, t->a);
        opaque += t->a >= 1;
        if (ms == 500 || ms == 1500) {
            EXPECT_NEAR(t->a, 0.5f, 1e-3) << ms;
        }
    }
    EXPECT_FLOAT_EQ(highest, 1);
    EXPECT_EQ(opaque, 1);  // at 1000 ms only
}

TEST_F(Subtitles, AOneSecondSubtitleNeverJumpsPastHalfOpacity) {
    // Shorter than its two fades: it rises and falls without a jump.
    const int base = SysMillisecs();
    auto t = one(0, 1);
    float highest = 0;
    for (int ms = 0; ms <= 1000; ms += 50) {
        at(ms, base);
        UpdateStoryTexts();
        highest = std::max(highest, t->a);
    }
    EXPECT_NEAR(highest, 0.5f, 1e-3);
}

TEST_F(Subtitles, LinesAreCentredAtTheBottomOrInTheMiddle) {
    auto bottom = one(0, 3, 0, "Short#ENTER#A rather longer line");
    ASSERT_TRUE(bottom);
    ASSERT_EQ(bottom->txt.size(), 2u);
    EXPECT_EQ(bottom->txt[1], "A rather longer line");
    GfxSetImageFont(storyFont);
    const int h = GfxTextHeight("A");
    ASSERT_GT(h, 0);
    EXPECT_EQ(bottom->txtX[0], 512 - GfxTextWidth("Short") / 2);
    EXPECT_EQ(bottom->txtX[1], 512 - GfxTextWidth("A rather longer line") / 2);
    EXPECT_LT(bottom->txtX[1], bottom->txtX[0]);
    EXPECT_FLOAT_EQ(bottom->y, static_cast<float>(720 - 2 * h / 2));
    auto middle = one(0, 3, 1, "One line");
    EXPECT_FLOAT_EQ(middle->y, static_cast<float>(384 - h / 2));
}

TEST_F(Subtitles, ASubtitleIsDrawnInWhiteAtItsPlace) {
    const int base = SysMillisecs();
    auto t = one(0, 5, 1, "IIIIIIIIII");
    at(2000, base);
    UpdateStoryTexts();
    GfxCls();
    DrawStoryTexts();
    // Somewhere across the middle of its block a pixel is near white.
    int brightest = 0;
    GfxSetImageFont(storyFont);
    const int w = GfxTextWidth("IIIIIIIIII");
    for (int x = t->txtX[0]; x < t->txtX[0] + w; x++)
        for (int y = static_cast<int>(t->y) - 8; y < static_cast<int>(t->y) - 8 + GfxTextHeight("A"); y += 2)
            brightest = std::max(brightest, PixelAt(x, y).r + PixelAt(x, y).g + PixelAt(x, y).b);
    EXPECT_GT(brightest, 3 * 230);
    EXPECT_EQ(PixelAt(100, 100).r, 0);
}

TEST_F(Subtitles, BrokenFilesGiveWhatTheyCanAndNeverHang) {
    // Missing files: no subtitles.
    LoadStoryTexts((dir / "none.txt").string(), (dir / "none2.txt").string());
    EXPECT_TRUE(StoryList().empty());
    // A line beyond the text file shows the game's placeholder; a carriage
    // return at a line's end is not drawn.
    write("t.txt", "Windows line\r\n");
    write("d.txt", "texts {\n i = 2\n txt1 {\n txt = 1\n }\n txt2 {\n txt = 9\n }\n}\n");
    LoadStoryTexts((dir / "d.txt").string(), (dir / "t.txt").string());
    auto all = StoryList().toVector();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0]->txt[0], "Windows line");
    EXPECT_EQ(all[1]->txt[0], TXT_BEYOND);
    // A count beyond what a sequence could ever show is cut, and an absurd
    // one neither hangs nor fills the memory.
    write("d.txt", "texts {\n i = 1500\n}\n");
    LoadStoryTexts((dir / "d.txt").string(), (dir / "t.txt").string());
    EXPECT_EQ(StoryList().size(), static_cast<size_t>(MAX_STORY_TEXTS));
    write("d.txt", "texts {\n i = 2000000000\n}\n");
    LoadStoryTexts((dir / "d.txt").string(), (dir / "t.txt").string());
    EXPECT_EQ(StoryList().size(), static_cast<size_t>(MAX_STORY_TEXTS));
    // Times in seconds whose milliseconds would overflow are cut to an hour either way.
    for (const auto& [given, kept] :
         {std::pair{2147484, STORY_MAX_SECONDS}, std::pair{-2147484, -STORY_MAX_SECONDS},
          std::pair{2000000000, STORY_MAX_SECONDS}, std::pair{107, 107}}) {
        write("d.txt", "texts {\n i = 1\n txt1 {\n txt = 1\n startTime = " + std::to_string(given) +
                           "\n waitTime = " + std::to_string(given) + "\n }\n}\n");
        LoadStoryTexts((dir / "d.txt").string(), (dir / "t.txt").string());
        auto t = only();
        ASSERT_TRUE(t);
        EXPECT_EQ(t->startTime, kept) << given;
        EXPECT_EQ(t->waitTIme, kept) << given;
        ResetStoryTexts();
        UpdateStoryTexts();
    }
}

// The story as shipped: every subtitle has its text, fits the screen and
// ends before its sequence does; the ones at the bottom never overlap.
void CheckStoryFiles(const std::string& sequence, int sequenceSeconds, size_t atLeast) {
    LoadStoryTexts(StoryDataPath(sequence), StoryTextPath(sequence));
    auto all = StoryList().toVector();
    EXPECT_GE(all.size(), atLeast) << sequence;
    int bottomFree = 0;
    for (auto& t : all) {
        for (size_t i = 0; i < t->txt.size(); i++) {
            EXPECT_NE(t->txt[i], TXT_BEYOND) << sequence;
            EXPECT_FALSE(t->txt[i].empty()) << sequence;
            EXPECT_GE(t->txtX[i], 20) << sequence << ": " << t->txt[i];
        }
        EXPECT_GE(t->waitTIme, 2) << sequence << ": " << t->txt[0];
        EXPECT_LE(t->startTime + t->waitTIme, sequenceSeconds) << sequence << ": " << t->txt[0];
        if (t->spec == 0) {
            EXPECT_GE(t->startTime, bottomFree) << sequence << ": " << t->txt[0];
            bottomFree = t->startTime + t->waitTIme;
        }
    }
}

TEST_F(Subtitles, TheShippedStoryFitsItsSequences) {
    CheckStoryFiles("Intro", 112, 7);
    CheckStoryFiles("Outro", 80, 4);
    EXPECT_NE(TxtLine(LoadTxtFile(gameDir + "txt/#LANG#/story.txt"), 3), TXT_BEYOND);
}
}  // namespace
