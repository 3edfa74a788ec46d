// Puzzle files: the keys, the kinds they make, and every file the game
// refuses with a message instead of a puzzle.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "frame/globals.h"
#include "frame/rcm.h"
#include "puzzle_test_fixture.h"
#include "puzzles/puzzle_memory.h"
#include "puzzles/puzzle_pairs.h"
#include "puzzles/puzzle_sliding.h"
#include "puzzles/puzzle_swap.h"

namespace {
class PuzzleFileTest : public PuzzleTest {
protected:
    std::string root, savedGameDir;

    void SetUp() override {
        PuzzleTest::SetUp();
        char pattern[] = "/tmp/puzzle-files-XXXXXX";
        root = mkdtemp(pattern);
        savedGameDir = gameDir;
        gameDir = root + "/";
        Picture("pic.png", 120, 60);
        Picture("sepia.png", 120, 60);
        Picture("small.png", 60, 60);
        Picture("tiny.png", 12, 12);
    }
    void TearDown() override {
        gameDir = savedGameDir;
        std::system(("rm -rf " + root).c_str());
        PuzzleTest::TearDown();
    }
    void Picture(const std::string& name, int w, int h) {
        Pixmap pix;
        pix.w = w;
        pix.h = h;
        pix.rgba.assign(static_cast<size_t>(w * h * 4), 200);
        ASSERT_TRUE(GfxSavePng(pix, root + "/" + name, 5));
    }
    // A puzzle file with these values; returns its path.
    std::string File(const std::string& type, const std::string& rows, const std::string& cols,
                     const std::string& normal = "pic.png", const std::string& sepia = "sepia.png") {
        const std::string path = root + "/puzzle.txt";
        FsSaveText("puzzles {\n\ttype = " + type + "\n\timageNormal = \"" + normal + "\"\n\timageSepia = \"" +
                       sepia + "\"\n\trows = " + rows + "\n\tcols = " + cols + "\n}\n",
                   path);
        return path;
    }
};
}  // namespace

TEST_F(PuzzleFileTest, EachTypeMakesItsKindWithTheGridAndPictures) {
    auto swap = LoadPuzzleLevel(File("1", "2", "3"));
    ASSERT_TRUE(swap);
    EXPECT_NE(dynamic_cast<TLevelType1*>(swap.get()), nullptr);
    EXPECT_EQ(swap->puzzleType, 1);
    EXPECT_EQ(swap->rows, 2);
    EXPECT_EQ(swap->cols, 3);
    EXPECT_EQ(swap->pictureW(), 120);
    EXPECT_TRUE(swap->imageNormal);
    EXPECT_EQ(static_cast<TLevelType1*>(swap.get())->puzzles.size(), 6u);
    auto pairs = LoadPuzzleLevel(File("2", "2", "4"));
    ASSERT_TRUE(pairs);
    EXPECT_EQ(static_cast<TLevelType2*>(pairs.get())->puzzles.size(), 8u);
    auto memory = LoadPuzzleLevel(File("3", "2", "3"));
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->puzzleType, 3);
    // Rows and columns are truncated.
    auto sliding = LoadPuzzleLevel(File("4", "3.9", "4.2"));
    ASSERT_TRUE(sliding);
    EXPECT_EQ(sliding->rows, 3);
    EXPECT_EQ(sliding->cols, 4);
}

TEST_F(PuzzleFileTest, RefusesWhatCannotBePlayed) {
    const struct {
        const char* what;
        std::string path;
    } bad[] = {
        {"unknown type", File("5", "2", "2")},
        {"type zero", File("0", "2", "2")},
        {"a fractional type", File("1.5", "2", "2")},
        {"no type", File("\"\"", "2", "2")},
        {"zero rows", File("1", "0", "2")},
        {"negative cols", File("1", "2", "-3")},
        {"huge rows", File("1", "100000000000", "2")},
        {"rows above the limit", File("1", "17", "1")},
        {"odd tile count for pairs", File("2", "3", "3")},
        {"more tiles than pair symbols", File("2", "6", "8")},
        {"odd card count for memory", File("3", "1", "3")},
        {"more cards than memory symbols", File("3", "6", "10")},
        {"a sliding puzzle of one cell", File("4", "1", "1")},
        {"missing coloured picture", File("1", "2", "2", "nothing.png")},
        {"missing faded picture", File("1", "2", "2", "pic.png", "nothing.png")},
        {"no picture named", File("1", "2", "2", "", "")},
        {"pictures of different sizes", File("1", "2", "2", "small.png")},
        {"a grid finer than the picture", File("1", "16", "16", "tiny.png", "tiny.png")},
        {"a missing file", root + "/none.txt"},
    };
    for (const auto& b : bad) EXPECT_FALSE(LoadPuzzleLevel(b.path)) << b.what;
    FsSaveText("\x01\x02 not a puzzle {{{ }", root + "/garbage.txt");
    EXPECT_FALSE(LoadPuzzleLevel(root + "/garbage.txt"));
}

TEST_F(PuzzleFileTest, TheLimitsThemselvesAreAccepted) {
    EXPECT_EQ(PuzzleProblem(2, 5, 8, 120, 60), "");   // 40 tiles, every pair symbol
    EXPECT_EQ(PuzzleProblem(3, 4, 13, 130, 60), "");  // 52 cards, every memory symbol
    EXPECT_EQ(PuzzleProblem(1, 1, 1, 120, 60), "");   // one piece
    EXPECT_EQ(PuzzleProblem(4, 1, 2, 120, 60), "");   // one piece beside the hole
    EXPECT_EQ(PuzzleProblem(1, 16, 16, 160, 160), "");
    EXPECT_EQ(PuzzleProblem(2, 5, 8, 121, 61), "");   // a strip left over: played
    EXPECT_EQ(PuzzleProblem(4, 16, 16, 16, 16), "");  // cells of one pixel
    EXPECT_NE(PuzzleProblem(4, 16, 16, 15, 16), "");  // cells of no pixel
}

TEST_F(PuzzleFileTest, EveryShippedPuzzleIsAcceptedAndGrowsWithItsStage) {
    gameDir = savedGameDir;
    int lastCells[5] = {0, 0, 0, 0, 0};
    int kinds[5] = {0, 0, 0, 0, 0};
    for (int n = 1; n <= 24; n++) {
        auto file = LoadRCM(gameDir + "data/puzzles/puzzle-" + std::to_string(n) + ".txt");
        const int type = file->getInt("puzzles::type");
        const int cells = file->getInt("puzzles::rows") * file->getInt("puzzles::cols");
        ASSERT_GE(type, 1) << n;
        ASSERT_LE(type, 4) << n;
        EXPECT_EQ(PuzzleProblem(type, file->getInt("puzzles::rows"), file->getInt("puzzles::cols"), 600, 360),
                  "")
            << n;
        EXPECT_EQ(file->getString("puzzles::imageNormal"),
                  "gfx/puzzles/puzzle-" + std::to_string(n) + ".jpg");
        EXPECT_GE(cells, lastCells[type]) << n;
        lastCells[type] = cells;
        kinds[type]++;
    }
    for (int t = 1; t <= 4; t++) EXPECT_EQ(kinds[t], 6) << t;
}

// Every shipped puzzle with its generated pictures: the grid divides them, and a
// pair tile (the tile picture stretched to the cell, its symbol under the same
// stretch) keeps the symbols close to their drawn shape.
TEST_F(PuzzleFileTest, EveryShippedPuzzlePlaysWithItsOwnPictures) {
    gameDir = savedGameDir;
    Image tile = GfxLoadImage(gameDir + "gfx/gui/puzzleGame/pan.png", GFX_IMAGE_DEFAULT);
    if (!tile) GTEST_SKIP() << "assets not generated (configure with -DBRAMBLETON_ASSETS=ON)";
    const float tileAspect =
        static_cast<float>(GfxImageWidth(tile)) / static_cast<float>(GfxImageHeight(tile));
    for (int n = 1; n <= 24; n++) {
        auto level = LoadPuzzleLevel(gameDir + "data/puzzles/puzzle-" + std::to_string(n) + ".txt");
        ASSERT_TRUE(level) << n;
        EXPECT_EQ(level->pictureW() % level->cols, 0) << n;
        EXPECT_EQ(level->pictureH() % level->rows, 0) << n;
        if (level->puzzleType != 2) continue;
        const float cellAspect = (static_cast<float>(level->pictureW()) / static_cast<float>(level->cols)) /
                                 (static_cast<float>(level->pictureH()) / static_cast<float>(level->rows));
        // 1 keeps a round symbol round; a third taller or wider than drawn reads as a different shape.
        const float stretch = cellAspect / tileAspect;
        EXPECT_GE(stretch, 0.75f) << "pair symbols of puzzle " << n << " are stretched tall";
        EXPECT_LE(stretch, 1.34f) << "pair symbols of puzzle " << n << " are stretched wide";
    }
}
